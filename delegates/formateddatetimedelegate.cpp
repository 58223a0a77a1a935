#include "delegates/formateddatetimedelegate.h"

#include <QDateTime>

FormatedDateTimeDelegate::FormatedDateTimeDelegate(const QString& format) : m_format(format) {}

QString FormatedDateTimeDelegate::text(const QVariant& value) const
{
    const QDateTime dt = value.toDateTime();
    return dt.isValid() ? dt.toString(m_format) : tr("Date not set");
}

