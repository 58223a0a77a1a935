#include "delegates/formateddoubledelegate.h"

FormatedDoubleDelegate::FormatedDoubleDelegate(const QString& pattern, int decimals)
    : m_pattern(pattern), m_decimals(decimals)
{
}

QString FormatedDoubleDelegate::text(const QVariant& value) const
{
    return m_pattern.arg(value.toDouble(), 0, 'f', m_decimals);
}

void FormatedDoubleDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                   const QModelIndex& index) const
{
    paintText(painter, option, index, text(index.data(Qt::DisplayRole)));
}
