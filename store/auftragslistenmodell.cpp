#include "store/auftragslistenmodell.h"

#include "store/datenbank.h"

#include <QSqlDriver>

AuftragsListenModell::AuftragsListenModell(QObject* parent, const QSqlDatabase& db) : ListenModell(parent, db)
{
}

QString AuftragsListenModell::quelle(const QSqlDatabase& db)
{
    // A cancelled invoice is owed no more, unless a credit note, which cancels
    // it as well, corrected only part of it; an invoice stored before gross
    // amounts were kept counts its sum.
    return Datenbank::sql(db,
        "select a.*, case when a.[Typ]<>0 then null when a.[Status] in (6,-1) and not exists (select 1 "
        "from auftrag c where c.[Bezug]=a.[Nr] and c.[Typ]=2 and c.[Ausgestellt] is not null) then 0 else "
        "coalesce(a.[Brutto],a.[Summe]) "
        "- coalesce((select sum(z.[Betrag]) from zahlungen z where z.[Auftrag]=a.[Nr]),0) "
        "- coalesce((select sum(coalesce(g.[Brutto],g.[Summe])) from auftrag g where g.[Bezug]=a.[Nr] "
        "and g.[Typ]=2 and g.[Ausgestellt] is not null),0) end as [Offen] from auftrag a");
}

QString AuftragsListenModell::selectStatement() const
{
    // Named as the table, so that the sort clause of the base class finds its columns.
    QString s = QString("select * from (%1) %2")
                    .arg(quelle(database()), database().driver()->escapeIdentifier(
                                                 tableName(), QSqlDriver::TableName));
    if (!filter().isEmpty())
        s += " where " + filter();
    const QString ordnung = orderByClause();
    if (!ordnung.isEmpty())
        s += ' ' + ordnung;
    return s;
}
