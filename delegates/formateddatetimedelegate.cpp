#include "delegates/formateddatetimedelegate.h"

#include <QDateTime>

FormatedDateTimeDelegate::FormatedDateTimeDelegate(const QString& format) : m_format(format) {}

QString FormatedDateTimeDelegate::text(const QVariant& value) const
{
    const QDateTime dt = value.toDateTime();
    return dt.isValid() ? dt.toString(m_format) : tr("Date not set");
}

void FormatedDateTimeDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const
{
    paintText(painter, option, index, text(index.data(Qt::DisplayRole)));
}
