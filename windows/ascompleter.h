#ifndef ASCOMPLETER_H
#define ASCOMPLETER_H

#include <QObject>
#include <QPointer>
#include <QStringList>

class QAbstractItemModel;
class QLineEdit;
class QListView;
class QModelIndex;
class QSortFilterProxyModel;
class QTableView;

// Completion popup for an input line: filters a source model on one column
// while typing and delivers the text of another column of the chosen row.
class AsCompleter : public QObject
{
    Q_OBJECT

public:
    AsCompleter(bool writeBack, QObject* parent);

    void setLineEdit(QLineEdit* edit);
    void setSourceModel(QAbstractItemModel* model);
    void setDisplayColumn(int column);
    void setCompletionColumn(int column);
    void setFilterKeyColumn(int column);
    void setWriteBack(bool on);
    void setSeparator(const QString& separator);
    void setMinLength(int length);

    QListView* listPopup() const { return m_list; }
    bool popupVisible() const;

signals:
    void completed(QString text);

public slots:
    void complete(QString text);
    void selected(QModelIndex index);
    void abort();
    void listAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void zeige(const QString& filter);

    QPointer<QLineEdit> m_edit;
    QSortFilterProxyModel* m_proxy;
    int m_displayColumn = -1;
    int m_completionColumn = 0;
    bool m_writeBack;
    QString m_separator;
    int m_minLength = 1;
    QStringList m_parts;
    QTableView* m_table;
    QListView* m_list;
};

#endif
