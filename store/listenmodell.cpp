#include "store/listenmodell.h"

#include "store/datenbank.h"

#include <QDebug>

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
        return false;
    }
    return QSqlTableModel::setData(index, value, role);
}
