#ifndef BEDIENUNG_H
#define BEDIENUNG_H

#include <QMetaObject>
#include <QPoint>
#include <QStringList>
#include <QTest>

#include <functional>

class QDialog;
class QLineEdit;
class QTableView;
class QPushButton;
class QWidget;

// What the GUI tests do as a user would: find a button by its text or a field by its object name, type
// into a field, show a window and wait for it. A missing button or field fails the test and yields a
// hidden stand-in, so the test ends with the reason instead of a crash.
QPushButton* knopf(QWidget* w, const QString& text);
QLineEdit* feld(QWidget* w, const QString& name);
void tippe(QWidget* w, const QString& name, const QString& text);
bool zeige(QWidget* w);
// Calls a slot by name; a slot that is missing or takes other arguments fails the test with the call.
#define RUFE(...) QVERIFY2(QMetaObject::invokeMethod(__VA_ARGS__), "no such slot: " #__VA_ARGS__)
// Runs befehl; each modal dialog it opens, nested ones too, goes to handle (when given) or is cancelled.
// A dialog still open some seconds after that fails the test and is cancelled. Returns the class names
// of the dialogs, in order.
QStringList mitDialog(const std::function<void()>& befehl,
                      const std::function<void(QDialog*)>& handle = {});
// The texts of one column of a view's rows, sorted; the centre of column 1 of the row whose column
// spalte shows wert (-1, -1 when none).
QStringList spalte(QTableView* v, int spalte);
QPoint zeileMit(QTableView* v, int spalte, const QString& wert);
// The whole content of a file as UTF-8 text.
QString liesDatei(const QString& pfad);

#endif
