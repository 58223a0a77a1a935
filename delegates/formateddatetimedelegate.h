#ifndef FORMATEDDATETIMEDELEGATE_H
#define FORMATEDDATETIMEDELEGATE_H

#include "delegates/textitemdelegate.h"

// Shows a date-time in the given format, "Date not set" when there is none.
class FormatedDateTimeDelegate : public TextItemDelegate
{
    Q_OBJECT

public:
    explicit FormatedDateTimeDelegate(const QString& format);

    QString text(const QVariant& value) const override;

private:
    QString m_format;
};

#endif
