#include "store/datenpruefung.h"

#include "platform/pruefsumme.h"
#include "store/datenbank.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

#include <functional>

namespace {

bool hatSpalte(const QSqlDatabase& db, const QString& tabelle, const QString& spalte)
{
    return db.record(tabelle).indexOf(spalte) >= 0;
}

// Runs a query whose rows each name one fault, formed by text from the row.
void sammle(const QSqlDatabase& db, const QString& sql,
            const std::function<QString(const QSqlQuery&)>& text, QStringList& fehler)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(Datenbank::sql(db, sql))) {
        fehler << q.lastError().text();
        return;
    }
    while (q.next())
        fehler << text(q);
}

// SQLite's check of every page and index of the file.
void pruefeDatei(const QSqlDatabase& db, Datenpruefung::Befund& b)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    b.geprueft << Datenpruefung::tr("Unversehrtheit der Datenbankdatei");
    if (!q.exec(QStringLiteral("PRAGMA integrity_check"))) {
        b.fehler << Datenpruefung::tr("Die Datenbankdatei ist beschädigt: %1").arg(q.lastError().text());
        return;
    }
    while (q.next()) {
        if (q.value(0).toString() != QLatin1String("ok"))
            b.fehler << Datenpruefung::tr("Die Datenbankdatei ist beschädigt: %1").arg(q.value(0).toString());
    }
}

// Invoices are numbered per service, every other kind per kind; the full
// document number is unique over all.
void pruefeNummern(const QSqlDatabase& db, Datenpruefung::Befund& b)
{
    b.geprueft << Datenpruefung::tr("Belegnummern ohne Doppel");
    for (const bool rechnung : {true, false}) {
        sammle(db,
               QStringLiteral("select [%1], [AuftragsNr], count(*) from auftrag where [Typ]%2 "
                              "and [AuftragsNr] is not null and [AuftragsNr]<>0 "
                              "group by [%1], [AuftragsNr] having count(*)>1")
                   .arg(rechnung ? QLatin1String("Dienst") : QLatin1String("Typ"),
                        rechnung ? QLatin1String("=0") : QLatin1String("<>0")),
               [rechnung](const QSqlQuery& q) {
                   return (rechnung ? Datenpruefung::tr("Rechnungsnummer %1 (Dienst %2) ist %3-mal vergeben.")
                                    : Datenpruefung::tr("Belegnummer %1 (Art %2) ist %3-mal vergeben."))
                       .arg(q.value(1).toString(), q.value(0).toString(), q.value(2).toString());
               },
               b.fehler);
    }
    if (hatSpalte(db, "auftrag", "BelegNr"))
        sammle(db,
               "select [BelegNr], count(*) from auftrag where [BelegNr] is not null "
               "and [BelegNr]<>'' group by [BelegNr] having count(*)>1",
               [](const QSqlQuery& q) {
                   return Datenpruefung::tr("Belegnummer %1 ist %2-mal vergeben.")
                       .arg(q.value(0).toString(), q.value(1).toString());
               },
               b.fehler);
}

// Every archived document's bytes against the hash written with them.
void vergleicheHashes(const QSqlDatabase& db, QStringList& fehler)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(Datenbank::sql(db, "select [Auftrag], [Sha256], [Datei] from belegarchiv order by [Auftrag]")))
        fehler << q.lastError().text();
    while (q.next()) {
        const QByteArray sha = Pruefsumme::hex(q.value(2).toByteArray());
        if (q.value(1).toString().compare(QString::fromLatin1(sha), Qt::CaseInsensitive) != 0)
            fehler << Datenpruefung::tr("Der archivierte Beleg des Auftrags %1 stimmt nicht mit seiner "
                                        "Prüfsumme überein.").arg(q.value(0).toString());
    }
}

// Every issued order has its document in the archive, matching its hash.
void pruefeArchiv(const QSqlDatabase& db, bool archiv, Datenpruefung::Befund& b)
{
    b.geprueft << Datenpruefung::tr("Archiv der ausgestellten Belege");
    sammle(db,
           archiv ? "select a.[Nr] from auftrag a where a.[Ausgestellt] is not null and not exists "
                    "(select 1 from belegarchiv b where b.[Auftrag]=a.[Nr]) order by a.[Nr]"
                  : "select [Nr] from auftrag where [Ausgestellt] is not null order by [Nr]",
           [](const QSqlQuery& q) {
               return Datenpruefung::tr("Der ausgestellte Auftrag %1 fehlt im Belegarchiv.")
                   .arg(q.value(0).toString());
           },
           b.fehler);
    if (archiv)
        vergleicheHashes(db, b.fehler);
}

}  // namespace

Datenpruefung::Befund Datenpruefung::pruefe(const QSqlDatabase& db)
{
    Befund b;
    if (!db.isOpen()) {
        b.fehler << tr("Die Datenbank ist nicht geöffnet: %1").arg(db.lastError().text());
        return b;
    }
    if (Datenbank::istSqlite(db))
        pruefeDatei(db, b);
    const QStringList tabellen = db.tables();
    if (tabellen.contains(QStringLiteral("auftrag")))
        pruefeNummern(db, b);
    if (tabellen.contains(QStringLiteral("auftrag")) && hatSpalte(db, "auftrag", "Ausgestellt"))
        pruefeArchiv(db, tabellen.contains(QStringLiteral("belegarchiv")), b);
    return b;
}
