#include "store/listenmodell.h"

#include "store/datenbank.h"

#include <QDebug>
#include <QSqlError>

ListenModell::ListenModell(QObject* parent, const QSqlDatabase& db) : QSqlTableModel(parent, db) {}

bool ListenModell::select()
{
    if (!QSqlTableModel::select())
        return false;
    while (canFetchMore())
        fetchMore();
    return true;
}

bool ListenModell::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const QString grund = Datenbank::sperrgrund(database());
    if (role == Qt::EditRole && !grund.isEmpty()) {
        qWarning() << "database damaged, nothing written" << grund;
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
        selectRow(index.row());
        emit abgelehnt(fehler);
    }
    return false;
}
