#ifndef EINGABESCHUTZ_H
#define EINGABESCHUTZ_H

#include <QObject>

class QWidget;

// Keeps typed input from being lost by a key: a dialog asks before it drops
// changes, and Tab leaves a multi-line field instead of typing a tab
// (Ctrl+Tab still types one).
class Eingabeschutz : public QObject
{
    Q_OBJECT

public:
    // True when the user agrees to drop the changes of dialog; the default
    // answer goes on editing.
    static bool verwerfen(QWidget* dialog);
    // Makes Tab move on from feld, a QPlainTextEdit or QTextEdit.
    static void tabVerlaesst(QWidget* feld);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    using QObject::QObject;
};

#endif
