#include "delegates/stringlistdelegate.h"

#include <QComboBox>

namespace {

// The combo box edits the code by position. Since Qt 5 its user property is
// currentText, so asking for "no user property" would store the name instead
// of the code; the currentIndex property alone decides.
bool editsByIndex(const QWidget* editor)
{
    return editor->property("currentIndex").isValid();
}

}  // namespace

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
    const int n = index.data(Qt::DisplayRole).toInt();
    if (n < 0 || n >= m_names.size())
        return;  // no background, no highlight, no focus: the cell stays blank
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
    if (editsByIndex(editor)) {
        // -1 means nothing chosen (an empty list): keep the stored code.
        const int code = editor->property("currentIndex").toInt();
        if (code >= 0)
            model->setData(index, code, Qt::EditRole);
    } else
        QItemDelegate::setModelData(editor, model, index);
}
