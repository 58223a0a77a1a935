#ifndef STRINGLISTDELEGATE_H
#define STRINGLISTDELEGATE_H

#include "delegates/textitemdelegate.h"

#include <QStringList>

// Shows a code column as the name at the code's position and edits it with a
// combo box of the names. Codes outside the list leave the cell blank.
class StringListDelegate : public TextItemDelegate
{
    Q_OBJECT

public:
    StringListDelegate(const QStringList& names, QObject* parent);

    // The name of the code held by value; a null string when out of range.
    QString text(const QVariant& value) const override;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;

private:
    QStringList m_names;
};

#endif
