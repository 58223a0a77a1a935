#include "windows/eingabeschutz.h"

#include "platform/interaktion.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

bool Eingabeschutz::verwerfen(QWidget* dialog)
{
    return Interaktion::instance()->question(
               dialog, tr("Änderungen verwerfen?"),
               tr("Ihre Eingaben sind nicht gespeichert. Wollen Sie sie verwerfen?"),
               QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Discard;
}

void Eingabeschutz::tabVerlaesst(QWidget* feld)
{
    if (auto* p = qobject_cast<QPlainTextEdit*>(feld))
        p->setTabChangesFocus(true);
    else if (auto* t = qobject_cast<QTextEdit*>(feld))
        t->setTabChangesFocus(true);
    else
        return;
    feld->installEventFilter(new Eingabeschutz(feld));
}

bool Eingabeschutz::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride)
        return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() != Qt::Key_Tab || k->modifiers() != Qt::ControlModifier)
        return false;
    // Claimed before a shortcut takes it, then typed on the key press.
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    if (auto* p = qobject_cast<QPlainTextEdit*>(o))
        p->insertPlainText(QStringLiteral("\t"));
    else if (auto* t = qobject_cast<QTextEdit*>(o))
        t->insertPlainText(QStringLiteral("\t"));
    return true;
}
