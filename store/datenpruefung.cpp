#include "store/datenpruefung.h"

#include "store/datenbank.h"

#include <QCryptographicHash>
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

}  // namespace

Datenpruefung::Befund Datenpruefung::pruefe(const QSqlDatabase& verbindung)
{
    QSqlDatabase db = verbindung;
    Befund b;
    if (!db.isOpen()) {
        b.fehler << tr("Die Datenbank ist nicht geöffnet: %1").arg(db.lastError().text());
        return b;
    }
    if (Datenbank::istSqlite(db)) {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        b.geprueft << tr("Unversehrtheit der Datenbankdatei");
        if (!q.exec(QStringLiteral("PRAGMA integrity_check"))) {
            b.fehler << tr("Die Datenbankdatei ist beschädigt: %1").arg(q.lastError().text());
        } else {
            while (q.next()) {
                if (q.value(0).toString() != QLatin1String("ok"))
                    b.fehler << tr("Die Datenbankdatei ist beschädigt: %1").arg(q.value(0).toString());
            }
        }
    }

    const QStringList tabellen = db.tables();
    if (tabellen.contains(QStringLiteral("auftrag"))) {
        b.geprueft << tr("Belegnummern ohne Doppel");
        // Invoices are numbered per service, every other kind per kind.
        sammle(db,
               "select [Dienst], [AuftragsNr], count(*) from auftrag where [Typ]=0 "
               "and [AuftragsNr] is not null and [AuftragsNr]<>0 "
               "group by [Dienst], [AuftragsNr] having count(*)>1",
               [](const QSqlQuery& q) {
                   return tr("Rechnungsnummer %1 (Dienst %2) ist %3-mal vergeben.")
                       .arg(q.value(1).toString(), q.value(0).toString(), q.value(2).toString());
               },
               b.fehler);
        sammle(db,
               "select [Typ], [AuftragsNr], count(*) from auftrag where [Typ]<>0 "
               "and [AuftragsNr] is not null and [AuftragsNr]<>0 "
               "group by [Typ], [AuftragsNr] having count(*)>1",
               [](const QSqlQuery& q) {
                   return tr("Belegnummer %1 (Art %2) ist %3-mal vergeben.")
                       .arg(q.value(1).toString(), q.value(0).toString(), q.value(2).toString());
               },
               b.fehler);
        if (hatSpalte(db, "auftrag", "BelegNr"))
            sammle(db,
                   "select [BelegNr], count(*) from auftrag where [BelegNr] is not null "
                   "and [BelegNr]<>'' group by [BelegNr] having count(*)>1",
                   [](const QSqlQuery& q) {
                       return tr("Belegnummer %1 ist %2-mal vergeben.")
                           .arg(q.value(0).toString(), q.value(1).toString());
                   },
                   b.fehler);
    }

    if (tabellen.contains(QStringLiteral("auftrag")) && hatSpalte(db, "auftrag", "Ausgestellt")) {
        b.geprueft << tr("Archiv der ausgestellten Belege");
        const bool archiv = tabellen.contains(QStringLiteral("belegarchiv"));
        if (archiv) {
            sammle(db,
                   "select a.[Nr] from auftrag a where a.[Ausgestellt] is not null and not exists "
                   "(select 1 from belegarchiv b where b.[Auftrag]=a.[Nr]) order by a.[Nr]",
                   [](const QSqlQuery& q) {
                       return tr("Der ausgestellte Auftrag %1 fehlt im Belegarchiv.")
                           .arg(q.value(0).toString());
                   },
                   b.fehler);
            // Every archived document's bytes against the hash written with them.
            QSqlQuery q(db);
            q.setForwardOnly(true);
            if (!q.exec(Datenbank::sql(db, "select [Auftrag], [Sha256], [Datei] from belegarchiv "
                                           "order by [Auftrag]")))
                b.fehler << q.lastError().text();
            while (q.next()) {
                const QByteArray sha =
                    QCryptographicHash::hash(q.value(2).toByteArray(), QCryptographicHash::Sha256).toHex();
                if (q.value(1).toString().compare(QString::fromLatin1(sha), Qt::CaseInsensitive) != 0)
                    b.fehler << tr("Der archivierte Beleg des Auftrags %1 stimmt nicht mit seiner "
                                   "Prüfsumme überein.").arg(q.value(0).toString());
            }
        } else {
            sammle(db, "select [Nr] from auftrag where [Ausgestellt] is not null order by [Nr]",
                   [](const QSqlQuery& q) {
                       return tr("Der ausgestellte Auftrag %1 fehlt im Belegarchiv.")
                           .arg(q.value(0).toString());
                   },
                   b.fehler);
        }
    }
    return b;
}
