#ifndef TEXTITEMDELEGATE_H
#define TEXTITEMDELEGATE_H

#include <QItemDelegate>

// The common base of the list delegates: draws a cell exactly as
// QItemDelegate does (background, check, decoration, text, focus), only with
// a text of the delegate's own in place of the display value.
class TextItemDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    explicit TextItemDelegate(QObject* parent = nullptr);

    // What the cell of value shows.
    virtual QString text(const QVariant& value) const = 0;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

protected:
    void paintText(QPainter* painter, const QStyleOptionViewItem& option,
                   const QModelIndex& index, const QString& text) const;
};

#endif
