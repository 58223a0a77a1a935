#include "delegates/stringlistdelegate.h"

#include <QComboBox>
#include <QMetaProperty>

namespace {

// True for editors like the combo box: no user property, but a currentIndex.
bool editsByIndex(const QWidget* editor)
{
    return !editor->metaObject()->userProperty().isReadable()
           && editor->property("currentIndex").isValid();
}

}  // namespace

StringListDelegate::StringListDelegate(const QStringList& names, QObject* parent)
    : TextItemDelegate(parent), m_names(names)
{
}

void StringListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const
{
    const int n = index.data(Qt::DisplayRole).toInt();
    if (n < 0 || n >= m_names.size())
        return;
    paintText(painter, option, index, m_names.at(n));
}

QWidget* StringListDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                          const QModelIndex&) const
{
    auto* combo = new QComboBox(parent);
    combo->addItems(m_names);
    return combo;
}

void StringListDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    if (editsByIndex(editor))
        editor->setProperty("currentIndex", index.data(Qt::DisplayRole).toInt());
    else
        QItemDelegate::setEditorData(editor, index);
}

void StringListDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const
{
    if (editsByIndex(editor))
        model->setData(index, editor->property("currentIndex"), Qt::EditRole);
    else
        QItemDelegate::setModelData(editor, model, index);
}
