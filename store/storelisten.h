#ifndef STORELISTEN_H
#define STORELISTEN_H

#include "store/speicherfehler.h"

#include <QList>
#include <QPointer>
#include <QSqlDatabase>
#include <QString>

#include <memory>

class ListenModell;
class QSqlTableModel;

// The lists a store hands out of its table: its own model of the whole table,
// read when first asked for, and the filtered lists still shown. Every list
// read once is read again at each change of the store.
class StoreListen
{
public:
    StoreListen(const QSqlDatabase& db, const QString& tabelle);
    ~StoreListen();

    // The whole table, read at the first call.
    QSqlTableModel* ganz();
    // m over the rows filter selects (sorted by sortSpalte where given), read
    // now and at every change; f tells whether it could be read.
    QSqlTableModel* behalte(ListenModell* m, const QString& filter, Speicherfehler& f, int sortSpalte = -1,
                            Qt::SortOrder ordnung = Qt::AscendingOrder);
    // The table's columns read anew, where fehlt is given only when the own
    // model lacks that column (the table gained columns since it was read).
    void spaltenNeu(const QString& fehlt = QString());
    void liesNeu();
    // Every list lets go of its rows, which hold the table (before it is dropped).
    void beende();

private:
    QString m_tabelle;
    std::unique_ptr<ListenModell> m_model;
    QList<QPointer<QSqlTableModel>> m_filter;
    bool m_gezeigt = false;
};

#endif
