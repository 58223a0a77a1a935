#ifndef MENUBEFEHL_H
#define MENUBEFEHL_H

#include <QStringList>

class QMainWindow;

// Triggers the menu-bar entry at the path of texts ({"Belegwerk", "Importieren",
// "Produkte importieren"}); false when it is missing or disabled.
bool menuBefehl(QMainWindow& w, const QStringList& pfad);

#endif
