#ifndef BEDIENUNG_H
#define BEDIENUNG_H

#include <QString>

class QLineEdit;
class QPushButton;
class QWidget;

// What the GUI tests do as a user would: find a button by its text or a field
// by its object name, type into a field, show a window and wait for it.
QPushButton* knopf(QWidget* w, const QString& text);
QLineEdit* feld(QWidget* w, const QString& name);
void tippe(QWidget* w, const QString& name, const QString& text);
bool zeige(QWidget* w);
// The whole content of a file as UTF-8 text.
QString liesDatei(const QString& pfad);

#endif
