#include "delegates/stringlistdelegate.h"

#include <QComboBox>

StringListDelegate::StringListDelegate(const QStringList& names, QObject* parent)
    : TextItemDelegate(parent), m_names(names)
{
}

QString StringListDelegate::text(const QVariant& value) const
{
    const int n = value.toInt();
    return n >= 0 && n < m_names.size() ? m_names.at(n) : QString();
}

void StringListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    // A code outside the list: no background, no highlight, no focus; the cell stays blank.
    if (!text(index.data(Qt::DisplayRole)).isNull())
        TextItemDelegate::paint(painter, option, index);
}

QWidget* StringListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex&) const
{
    auto* combo = new QComboBox(parent);
    combo->addItems(m_names);
    return combo;
}

// The combo box edits the code by position. Its user property is currentText,
// which the base class would store: the name instead of the code.
void StringListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        combo->setCurrentIndex(index.data(Qt::DisplayRole).toInt());
}

void StringListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const
{
    auto* combo = qobject_cast<QComboBox*>(editor);
    // -1 means nothing chosen (an empty list): keep the stored code.
    if (combo && combo->currentIndex() >= 0)
        model->setData(index, combo->currentIndex(), Qt::EditRole);
}
