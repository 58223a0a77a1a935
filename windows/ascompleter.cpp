#include "windows/ascompleter.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace {

template <typename View>
void richteEin(View* v, QAbstractItemModel* model)
{
    v->setModel(model);
    v->setAlternatingRowColors(true);
    v->setSelectionBehavior(QAbstractItemView::SelectRows);
    v->setSelectionMode(QAbstractItemView::SingleSelection);
    v->setEditTriggers(QAbstractItemView::NoEditTriggers);
    v->hide();
}

}  // namespace

AsCompleter::AsCompleter(bool writeBack, QObject* parent)
    : QObject(parent), m_proxy(new QSortFilterProxyModel(this)), m_writeBack(writeBack)
{
    m_proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    m_proxy->setFilterKeyColumn(0);  // until the owner names its column

    QWidget* w = qobject_cast<QWidget*>(parent);
    m_table = new QTableView(w);
    m_list = new QListView(w);
    richteEin(m_table, m_proxy);
    richteEin(m_list, m_proxy);
    m_table->setShowGrid(false);
    m_table->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_table, &QAbstractItemView::activated, this, &AsCompleter::selected);
    connect(m_list, &QAbstractItemView::activated, this, &AsCompleter::selected);
}

void AsCompleter::setLineEdit(QLineEdit* edit)
{
    if (m_edit) {
        m_edit->removeEventFilter(this);
        disconnect(m_edit, nullptr, this, nullptr);
        disconnect(this, &AsCompleter::completed, m_edit, nullptr);
    }
    m_edit = edit;
    if (!edit)
        return;
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, &AsCompleter::complete);
    if (m_writeBack)
        connect(this, &AsCompleter::completed, edit, &QLineEdit::setText);
}

void AsCompleter::setSourceModel(QAbstractItemModel* model)
{
    m_proxy->setSourceModel(model);
}

void AsCompleter::setDisplayColumn(int column)
{
    m_displayColumn = column;
}

void AsCompleter::setCompletionColumn(int column)
{
    m_completionColumn = column;
}

void AsCompleter::setFilterKeyColumn(int column)
{
    m_proxy->setFilterKeyColumn(column);
}

void AsCompleter::setWriteBack(bool on)
{
    m_writeBack = on;
    setLineEdit(m_edit);
}

void AsCompleter::setSeparator(const QString& separator)
{
    m_separator = separator;
}

void AsCompleter::setMinLength(int length)
{
    m_minLength = length;
}

bool AsCompleter::popupVisible() const
{
    return m_table->isVisible() || m_list->isVisible();
}

void AsCompleter::complete(QString text)
{
    m_parts.clear();
    QString filter = text;
    if (!m_separator.isEmpty()) {
        m_parts = text.split(m_separator, Qt::SkipEmptyParts);
        filter = m_parts.isEmpty() ? QString() : m_parts.last();
    }
    if (filter.isEmpty() || filter.size() < m_minLength) {
        abort();
        return;
    }
    zeige(filter);
}

void AsCompleter::listAll()
{
    zeige(QString());
}

void AsCompleter::zeige(const QString& filter)
{
    m_proxy->setFilterWildcard(filter);
    if (m_proxy->rowCount() == 0 || !m_edit) {
        abort();
        return;
    }
    // QListView ignores a model column its model does not have yet, so set it
    // only now that the source model is there.
    if (m_displayColumn >= 0)
        m_list->setModelColumn(m_displayColumn);
    QAbstractItemView* popup = m_displayColumn == -1 ? static_cast<QAbstractItemView*>(m_table)
                                                     : static_cast<QAbstractItemView*>(m_list);
    popup->move(m_edit->mapToParent(QPoint(0, m_edit->height())));
    popup->resize(m_edit->width(), 100);
    popup->show();
    popup->raise();
}

void AsCompleter::selected(QModelIndex index)
{
    if (index.isValid()) {
        const QString text =
            index.sibling(index.row(), m_completionColumn).data(Qt::DisplayRole).toString();
        abort();
        if (m_separator.isEmpty()) {
            emit completed(text);
        } else {
            if (m_parts.isEmpty())
                m_parts << text;
            else
                m_parts.last() = text;
            emit completed(m_parts.join(m_separator));
        }
        return;
    }
    abort();
}

void AsCompleter::abort()
{
    m_table->hide();
    m_list->hide();
}

bool AsCompleter::eventFilter(QObject* watched, QEvent* event)
{
    const bool popup = watched == m_table || watched == m_list;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape && (popup || watched == m_edit)) {
            abort();
            return true;
        }
        if (watched == m_edit && (key == Qt::Key_Up || key == Qt::Key_Down)) {
            if (m_displayColumn == -1)
                m_table->setFocus();
            else
                m_list->setFocus();
            return true;
        }
    } else if (popup && event->type() == QEvent::FocusOut) {
        abort();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
