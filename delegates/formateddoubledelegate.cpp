#include "delegates/formateddoubledelegate.h"

#include "delegates/betragfeld.h"
#include "records/betrag.h"

#include <QKeyEvent>
#include <QToolTip>

FormatedDoubleDelegate::FormatedDoubleDelegate(const QString& pattern, int decimals)
    : m_pattern(pattern), m_decimals(decimals)
{
}

QString FormatedDoubleDelegate::text(const QVariant& value) const
{
    // Money is shown in the cents the documents print, not by the double's own rounding.
    if (m_decimals == 2)
        return m_pattern.arg(Betrag::ausEuro(value.toDouble()).zahl());
    return m_pattern.arg(value.toDouble(), 0, 'f', m_decimals);
}

QWidget* FormatedDoubleDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                              const QModelIndex&) const
{
    auto* feld = new BetragFeld(parent);
    feld->setFrame(false);
    return feld;
}

void FormatedDoubleDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* feld = qobject_cast<BetragFeld*>(editor))
        feld->setBetrag(Betrag::ausEuro(index.data(Qt::EditRole).toDouble()));
    else
        TextItemDelegate::setEditorData(editor, index);
}

void FormatedDoubleDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                          const QModelIndex& index) const
{
    auto* feld = qobject_cast<BetragFeld*>(editor);
    if (!feld) {
        TextItemDelegate::setModelData(editor, model, index);
        return;
    }
    if (const std::optional<Betrag> b = feld->betrag()) {
        model->setData(index, b->euro(), Qt::EditRole);
        feld->setBetrag(*b);
    }
}

bool FormatedDoubleDelegate::eventFilter(QObject* object, QEvent* event)
{
    auto* feld = qobject_cast<BetragFeld*>(object);
    if (feld && event->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(event)->key();
        if ((taste == Qt::Key_Return || taste == Qt::Key_Enter) && !feld->hinweis().isEmpty()) {
            QToolTip::showText(feld->mapToGlobal(QPoint(0, feld->height())), feld->hinweis(), feld);
            return true;
        }
    }
    return TextItemDelegate::eventFilter(object, event);
}
