#include "delegates/textitemdelegate.h"

#include <QPainter>
#include <QPixmap>

#include <limits>

TextItemDelegate::TextItemDelegate(QObject* parent) : QItemDelegate(parent) {}

void TextItemDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const
{
    paintText(painter, option, index, text(index.data(Qt::DisplayRole)));
}

void TextItemDelegate::paintText(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index, const QString& text) const
{
    QStyleOptionViewItem opt = setOptions(index, option);
    painter->save();
    painter->setClipRect(opt.rect);

    QRect checkRect;
    QRect decorationRect;
    QPixmap pixmap;
    const QVariant decoration = index.data(Qt::DecorationRole);
    if (decoration.isValid()) {
        // decoration() turns icons, images and colours into a pixmap, as the
        // base class does; a plain value<QPixmap>() would drop icons.
        pixmap = QItemDelegate::decoration(opt, decoration);
        decorationRect = QRect(QPoint(0, 0), pixmap.deviceIndependentSize().toSize());
    }
    // Measured on one unbounded line unless the view wraps, as the base class
    // does; measured at the cell's width the text would wrap and be cut short.
    QRect grenzen = opt.rect;
    if (!(opt.features & QStyleOptionViewItem::WrapText))
        grenzen.setWidth(std::numeric_limits<int>::max() / 256);
    QRect displayRect = textRectangle(painter, grenzen, opt.font, text);
    Qt::CheckState checkState = Qt::Unchecked;
    const QVariant check = index.data(Qt::CheckStateRole);
    if (check.isValid()) {
        checkState = static_cast<Qt::CheckState>(check.toInt());
        checkRect = doCheck(opt, opt.rect, check);
    }
    doLayout(opt, &checkRect, &decorationRect, &displayRect, false);

    drawBackground(painter, opt, index);
    drawCheck(painter, opt, checkRect, checkState);
    drawDecoration(painter, opt, decorationRect, pixmap);
    drawDisplay(painter, opt, displayRect, text);
    drawFocus(painter, opt, displayRect);
    painter->restore();
}
