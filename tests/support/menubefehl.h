#ifndef MENUBEFEHL_H
#define MENUBEFEHL_H

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

// Triggers the menu-bar entry at the path of texts ({"Belegwerk", "Importieren",
// "Produkte importieren"}, mnemonics left out); false when it is missing or disabled.
inline bool menuBefehl(QMainWindow& w, const QStringList& pfad)
{
    QList<QAction*> aktionen = w.menuBar()->actions();
    QAction* gefunden = nullptr;
    for (const QString& text : pfad) {
        gefunden = nullptr;
        for (QAction* a : aktionen)
            if (QString(a->text()).remove(QLatin1Char('&')) == text && a->isEnabled())
                gefunden = a;
        if (!gefunden)
            return false;
        aktionen = gefunden->menu() ? gefunden->menu()->actions() : QList<QAction*>();
    }
    if (gefunden)
        gefunden->trigger();
    return gefunden;
}

#endif
