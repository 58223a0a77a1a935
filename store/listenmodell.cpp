#include "store/listenmodell.h"

#include "store/datenbank.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlRecord>

ListenModell::ListenModell(QObject* parent, const QSqlDatabase& db) : QSqlTableModel(parent, db) {}

bool ListenModell::select()
{
    // A failed selection leaves the model without its columns, so that every
    // later one would fail as well: they are read again first.
    if (record().isEmpty() && !tableName().isEmpty())
        liesSpaltenNeu();
    // A lost connection is opened again and the list read once more; a list
    // that still fails keeps lastError() for the window to tell.
    if (!QSqlTableModel::select()) {
        QSqlDatabase db = database();
        if (!Datenbank::wiederVerbunden(db, lastError()))
            return false;
        liesSpaltenNeu();
        if (!QSqlTableModel::select())
            return false;
    }
    while (canFetchMore())
        fetchMore();
    return true;
}

void ListenModell::liesSpaltenNeu()
{
    const QString f = filter();
    setTable(tableName());
    setFilter(f);
}

bool ListenModell::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const QString grund = Datenbank::sperrgrund(database());
    if (role == Qt::EditRole && !grund.isEmpty()) {
        qWarning() << Datenbank::Beschaedigt << "- nothing written:" << grund;
        emit abgelehnt(grund);
        return false;
    }
    if (QSqlTableModel::setData(index, value, role))
        return true;
    // The refused value stays in the model's cache, shown as stored and sent
    // again with every later edit; it is dropped and the row read again.
    if (role == Qt::EditRole && editStrategy() == OnFieldChange && isDirty(index)) {
        const QString fehler = lastError().text();
        qWarning() << "field not written" << tableName() << fehler;
        revertRow(index.row());
        QSqlDatabase db = database();
        Datenbank::wiederVerbunden(db, lastError());  // the next edit goes to a working connection
        selectRow(index.row());
        emit abgelehnt(fehler);
    }
    return false;
}
