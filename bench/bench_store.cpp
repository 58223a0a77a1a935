// Speed of the stores on ten years of orders, on SQLite and on PostgreSQL side
// by side, each figure against the bare SQL that reads the same rows in the
// same run; then the rate of storing orders with 1, 2 and 4 clients at once.
#include "bench/support/benchdatenbank.h"
#include "bench/support/benchstores.h"
#include "bench/support/messung.h"
#include "records/codetabellen.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "tests/support/pgserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStandardPaths>
#include <QThread>

#include <atomic>
#include <cstdio>
#include <functional>

namespace {

using BenchMessung::millis;

// Reads every column of every row, as the store has to.
int leseAlles(const QString& sql, const QVariantList& werte)
{
    QSqlQuery q;
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant& w : werte)
        q.addBindValue(w);
    q.exec();
    int zeilen = 0;
    while (q.next()) {
        const QSqlRecord r = q.record();
        for (int i = 0; i < r.count(); ++i)
            r.value(i);
        ++zeilen;
    }
    return zeilen;
}

struct Messung
{
    QString was;
    double store;
    double bar;
};

const char* const joinSql =
    "select * from auftrag a left join auftragslines l on l.\"Auftrag\"=a.\"Nr\" "
    "left join auftragskunden k on k.\"AuftragsNr\"=a.\"Nr\" where ";

QList<Messung> messe(const BenchDatenbank::Umfang& umfang)
{
    BenchDatenbank bank(false);
    BenchStores stores;
    QList<Messung> m;
    const double einfuegen = bank.fuelle(stores, umfang);
    m.append({"addAuftrag, ms per order", einfuegen / umfang.auftraege, 0});

    const QDateTime von(QDate(2020, 1, 1), QTime(0, 0));
    const QDateTime bis(QDate(2020, 12, 31), QTime(23, 59, 59));
    const QDateTime alleVon(umfang.beginn, QTime(0, 0));
    const QDateTime alleBis(umfang.beginn.addYears(umfang.jahre + 1), QTime(0, 0));
    const QString bereich = QString(joinSql) + "a.\"Eingang\">=? and a.\"Eingang\"<=?";
    int n = 0;
    double s = millis([&] { n = stores.auftraege.getAuftraege(von, bis).size(); });
    m.append({QString("getAuftraege one year (%1 orders)").arg(n), s, millis([&] {
                  leseAlles(bereich, {von.toString(Qt::ISODate), bis.toString(Qt::ISODate)});
              })});
    s = millis([&] { n = stores.auftraege.getAuftraege(alleVon, alleBis).size(); });
    m.append({QString("getAuftraege ten years (%1 orders)").arg(n), s, millis([&] {
                  leseAlles(bereich, {alleVon.toString(Qt::ISODate), alleBis.toString(Qt::ISODate)});
              })});
    s = millis([&] { n = stores.auftraege.getAuftraegeByKunde(1).size(); });
    m.append({QString("getAuftraegeByKunde (%1 orders)").arg(n), s,
              millis([&] { leseAlles(QString(joinSql) + "a.\"KundenNr\"=?", {1}); })});
    s = millis([&] {
        std::unique_ptr<QSqlTableModel> tage(stores.auftraege.filterModel(von, bis));
        n = tage->rowCount();
    });
    m.append({QString("order list of one year (%1 rows)").arg(n), s, millis([&] {
                  leseAlles("select * from auftrag where \"Eingang\">=? and \"Eingang\"<?",
                            {"2020-01-01T00:00:00", "2021-01-01T00:00:00"});
              })});
    s = millis([&] { n = stores.kunden.filterModel(0, "M")->rowCount(); });
    m.append({QString("customer filter model \"M\" (%1 rows)").arg(n), s, millis([&] {
                  leseAlles("select * from kunden where \"Name\" like 'M%' or \"Firma\" like 'M%'", {});
              })});
    s = millis([&] {
        for (int i = 0; i < 100; ++i)
            stores.produkte.getProduktByName(QString("Produit %1%").arg(i));
    });
    m.append({"product by name prefix (100 look-ups)", s, millis([&] {
                  for (int i = 0; i < 100; ++i)
                      leseAlles("select * from produkte where \"Name\" like ?",
                                {QString("Produit %1%").arg(i)});
              })});
    return m;
}

// Orders per second stored by `clients` connections at once, each in its own
// thread with its own store; a client told "busy" tries again.
double gleichzeitig(int clients, int jeClient, int& wiederholt)
{
    std::atomic<int> nochmal{0};
    QList<QString> namen;
    for (int c = 0; c < clients; ++c)
        namen << QString("client%1").arg(c);
    // QThreads, so that a PostgreSQL connection can listen for notifications.
    QList<QThread*> threads;
    for (const QString& name : namen) {
        threads << QThread::create([name, jeClient, &nochmal] {
            {
            QSqlDatabase db = QSqlDatabase::cloneDatabase(QSqlDatabase::defaultConnection, name);
            db.open();
            if (db.driverName() == "QSQLITE")
                QSqlQuery(db).exec("PRAGMA synchronous=OFF");
            SqlAuftragsStore store(nullptr, name);
            for (int i = 0; i < jeClient; ++i) {
                Auftrag a;
                a.Dienst = i % 2;
                a.Eingang = QDateTime(QDate(2024, 1, 1), QTime(8, 0)).addSecs(i);
                a.Kunde.Nr = 1;
                AuftragsLine l;
                l.Produkt = "Produit";
                l.Preis = 10;
                a.Zeilen = {l, l, l};
                while (!store.addAuftrag(a) && store.letzterFehler().art == Speicherfehler::Belegt)
                    ++nochmal;
            }
            }
            QSqlDatabase::removeDatabase(name);
        });
    }
    QElapsedTimer uhr;
    uhr.start();
    for (QThread* t : threads)
        t->start();
    for (QThread* t : threads)
        t->wait();
    qDeleteAll(threads);
    const double sekunden = uhr.nsecsElapsed() / 1e9;
    wiederholt = nochmal;
    return clients * jeClient / sekunden;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QLoggingCategory::setFilterRules("*.debug=false");
    BenchDatenbank::Umfang umfang;
    if (argc > 1)
        umfang.auftraege = QString(argv[1]).toInt();
    std::printf("%d customers, %d products, %d orders over %d years, each database\n",
                umfang.kunden, umfang.produkte, umfang.auftraege, umfang.jahre);

    QList<Messung> sqlite, postgres;
    QList<QList<double>> raten;  // per driver: 1, 2, 4 clients
    QList<int> nochmal;
    const auto messeGleichzeitig = [&] {
        QList<double> r;
        for (int clients : {1, 2, 4}) {
            int w = 0;
            r << gleichzeitig(clients, 500, w);
            nochmal << w;
        }
        raten << r;
    };
    {
        BenchDatenbank datei;
        sqlite = messe(umfang);
        messeGleichzeitig();
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    PgServer server;
    if (server.laeuft()) {
        BenchDatenbank pg(server, server.neueDatenbank());
        postgres = messe(umfang);
        messeGleichzeitig();
    } else {
        std::printf("PostgreSQL not measured: %s\n", qPrintable(server.fehler()));
    }

    std::printf("\n%-44s %12s %12s %12s %12s %8s\n", "", "SQLite", "bare SQL", "PostgreSQL",
                "bare SQL", "PG/SQLite");
    for (int i = 0; i < sqlite.size(); ++i) {
        const Messung& s = sqlite.at(i);
        const Messung p = i < postgres.size() ? postgres.at(i) : Messung{QString(), 0, 0};
        std::printf("%-44s %9.2f ms %9.2f ms %9.2f ms %9.2f ms %8.2f\n", qPrintable(s.was),
                    s.store, s.bar, p.store, p.bar, s.store > 0 ? p.store / s.store : 0.0);
    }
    std::printf("\nstoring at once, orders per second (busy retries)\n");
    const char* treiber[] = {"SQLite", "PostgreSQL"};
    for (int d = 0; d < raten.size(); ++d)
        std::printf("%-12s 1 client %7.0f (%d)   2 clients %7.0f (%d)   4 clients %7.0f (%d)\n",
                    treiber[d], raten[d][0], nochmal[3 * d], raten[d][1], nochmal[3 * d + 1],
                    raten[d][2], nochmal[3 * d + 2]);
    return 0;
}
