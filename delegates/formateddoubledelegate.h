#ifndef FORMATEDDOUBLEDELEGATE_H
#define FORMATEDDOUBLEDELEGATE_H

#include "delegates/textitemdelegate.h"

// Shows a number through a pattern with one "%1", in fixed notation with the
// given decimals ("%1 €" and 2 show 1234.5 as "1234.50 €").
class FormatedDoubleDelegate : public TextItemDelegate
{
    Q_OBJECT

public:
    FormatedDoubleDelegate(const QString& pattern, int decimals);

    QString text(const QVariant& value) const;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

private:
    QString m_pattern;
    int m_decimals;
};

#endif
