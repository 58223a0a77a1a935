#include "store/auftragslistenmodell.h"

#include "store/datenbank.h"

#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>

AuftragsListenModell::AuftragsListenModell(QObject* parent, const QSqlDatabase& db) : ListenModell(parent, db)
{
}

bool AuftragsListenModell::select()
{
    if (record().isEmpty() && !tableName().isEmpty())
        liesSpaltenNeu();
    QList<QVariantList> zeilen;
    bool ok = lies(0, Seite, zeilen);
    // A lost connection is opened again and the page read once more.
    QSqlDatabase db = database();
    if (!ok && Datenbank::wiederVerbunden(db, lastError())) {
        liesSpaltenNeu();
        ok = lies(0, Seite, zeilen);
    }
    beginResetModel();
    m_zeilen = zeilen;
    m_ende = zeilen.size() < Seite;
    endResetModel();
    return ok;
}

void AuftragsListenModell::setSort(int column, Qt::SortOrder order)
{
    m_ordnung = order;
    ListenModell::setSort(column, order);
}

QString AuftragsListenModell::selectStatement() const
{
    QString s = ListenModell::selectStatement();
    if (s.isEmpty())
        return s;
    const QString nr = database().driver()->escapeIdentifier(QStringLiteral("Nr"), QSqlDriver::FieldName);
    const QString richtung = m_ordnung == Qt::AscendingOrder ? QStringLiteral(" ASC") : QStringLiteral(" DESC");
    return s + (orderByClause().isEmpty() ? QStringLiteral(" ORDER BY ") : QStringLiteral(", ")) + nr + richtung;
}

bool AuftragsListenModell::lies(qsizetype ab, qsizetype anzahl, QList<QVariantList>& zeilen)
{
    const QString text = selectStatement();
    if (text.isEmpty()) {
        setLastError(QSqlError(QString(), tr("Die Tabelle %1 fehlt.").arg(tableName()), QSqlError::StatementError));
        return false;
    }
    QSqlQuery q(database());
    q.setForwardOnly(Datenbank::vorwaerts(database()));
    if (!q.exec(text + QStringLiteral(" LIMIT %1 OFFSET %2").arg(anzahl).arg(ab))) {
        setLastError(q.lastError());
        return false;
    }
    const int spalten = q.record().count();
    while (q.next()) {
        QVariantList z;
        z.reserve(spalten);
        for (int i = 0; i < spalten; ++i)
            z.append(q.value(i));
        zeilen.append(std::move(z));
    }
    // Read to its end: the statement holds no lock any more.
    q.finish();
    setLastError(QSqlError());
    return true;
}

int AuftragsListenModell::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_zeilen.size());
}

QVariant AuftragsListenModell::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole) || index.row() >= m_zeilen.size())
        return QVariant();
    return m_zeilen.at(index.row()).value(index.column());
}

QVariant AuftragsListenModell::headerData(int section, Qt::Orientation orientation, int role) const
{
    const QVariant titel = ListenModell::headerData(section, orientation, role);
    if (titel.isValid() || orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::EditRole))
        return titel;
    return record().fieldName(section);
}

Qt::ItemFlags AuftragsListenModell::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}

bool AuftragsListenModell::canFetchMore(const QModelIndex& parent) const
{
    return !parent.isValid() && !m_ende;
}

void AuftragsListenModell::fetchMore(const QModelIndex& parent)
{
    if (!canFetchMore(parent))
        return;
    QList<QVariantList> neu;
    const qsizetype anzahl = std::max<qsizetype>(Seite, m_zeilen.size());
    // A failed page ends the list; lastError() tells why.
    m_ende = !lies(m_zeilen.size(), anzahl, neu) || neu.size() < anzahl;
    if (neu.isEmpty())
        return;
    beginInsertRows(QModelIndex(), int(m_zeilen.size()), int(m_zeilen.size() + neu.size() - 1));
    m_zeilen.append(neu);
    endInsertRows();
}
