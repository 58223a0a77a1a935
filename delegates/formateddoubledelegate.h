#ifndef FORMATEDDOUBLEDELEGATE_H
#define FORMATEDDOUBLEDELEGATE_H

#include "delegates/textitemdelegate.h"

// Shows a number through a pattern with one "%1", in fixed notation with the
// given decimals ("%1 €" and 2 show 1234.5 as "1234.50 €"); with 2 decimals
// the number is an amount of money, rounded as Betrag rounds. Edits it with
// a BetragFeld, so a cell takes what the money inputs take.
class FormatedDoubleDelegate : public TextItemDelegate
{
    Q_OBJECT

public:
    FormatedDoubleDelegate(const QString& pattern, int decimals);

    QString text(const QVariant& value) const override;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    // Writes only a readable amount; unreadable text leaves the cell as it was.
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

protected:
    // Return on an unreadable amount keeps the editor open with its hint.
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    QString m_pattern;
    int m_decimals;
};

#endif
