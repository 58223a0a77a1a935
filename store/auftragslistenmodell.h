#ifndef AUFTRAGSLISTENMODELL_H
#define AUFTRAGSLISTENMODELL_H

#include "store/listenmodell.h"

#include <QList>
#include <QVariantList>

// The order list: the rows of table "auftrag" its filter selects, read in
// pages as the view scrolls to them. Each page is one statement read to its
// end, so that the list never keeps the database locked for the programs
// writing it, however long the selection; a read-only list.
class AuftragsListenModell : public ListenModell
{
    Q_OBJECT

public:
    AuftragsListenModell(QObject* parent, const QSqlDatabase& db);

    // Rows of the first page; each later one is as large as all read before.
    static constexpr int Seite = 200;

    bool select() override;
    void setSort(int column, Qt::SortOrder order) override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool canFetchMore(const QModelIndex& parent = QModelIndex()) const override;
    void fetchMore(const QModelIndex& parent = QModelIndex()) override;

protected:
    // Ordered by the record number after the sort column, so that the pages
    // follow each other without a row twice or left out.
    QString selectStatement() const override;

private:
    // Up to anzahl rows from the row ab on; false, with lastError(), when the read failed.
    bool lies(qsizetype ab, qsizetype anzahl, QList<QVariantList>& zeilen);

    QList<QVariantList> m_zeilen;
    bool m_ende = true;  // every selected row is read
    Qt::SortOrder m_ordnung = Qt::AscendingOrder;
};

#endif
