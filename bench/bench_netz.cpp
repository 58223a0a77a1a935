// What a user feels on a shared database behind a network of 10 ms each way:
// opening the customer list, one filter keystroke, opening and storing an
// order of 20 lines, opening the order list of one year (median of 5 runs).
#include "bench/support/benchdatenbank.h"
#include "bench/support/benchstores.h"
#include "bench/support/messung.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "tests/support/pgserver.h"
#include "tests/support/zwischenstelle.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QSqlDatabase>
#include <QSqlTableModel>
#include <QStandardPaths>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace {

double median(const std::function<void()>& f)
{
    QList<double> t;
    for (int i = 0; i < 5; ++i)
        t << BenchMessung::millis(f);
    std::sort(t.begin(), t.end());
    return t.at(2);
}

Auftrag zwanzigZeilen()
{
    Auftrag a;
    a.Kunde.Nr = 1;
    a.Kunde.Name = "Roux";
    a.Eingang = QDateTime(QDate(2025, 3, 4), QTime(10, 0));
    for (int i = 0; i < 20; ++i)
        a.Zeilen.append(AuftragsLine{1, QString("Produkt %1").arg(i), {}, {}, 2.5});
    return a;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    QLoggingCategory::setFilterRules("*.debug=false");
    PgServer server;
    if (!server.laeuft()) {
        std::printf("no PostgreSQL server: %s\n", qPrintable(server.fehler()));
        return 1;
    }
    const QString name = server.neueDatenbank();
    BenchDatenbank::Umfang umfang;
    umfang.kunden = 2000;
    umfang.produkte = 200;
    umfang.auftraege = 10000;
    umfang.beginn = QDate(2024, 1, 1);
    umfang.jahre = 2;
    int nr = 0;
    {
        BenchDatenbank daten(server, name);
        BenchStores stores;
        daten.fuelle(stores, umfang);
        Auftrag a = zwanzigZeilen();
        if (!stores.auftraege.addAuftrag(a))
            qFatal("the sample invoice was not stored");
        nr = a.Nr;
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);

    Zwischenstelle netz(server.host() + "/.s.PGSQL." + QString::number(server.port()));
    netz.verzoegere(10);
    QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL");
    db.setHostName("127.0.0.1");
    db.setPort(netz.port());
    db.setUserName(PgServer::benutzer());
    db.setDatabaseName(name);
    db.setConnectOptions("sslmode=disable");
    if (!db.open()) {
        std::printf("no connection through the delaying network\n");
        return 1;
    }
    SqlKundenStore kunden(nullptr);
    SqlAuftragsStore auftraege(nullptr);
    std::printf("%d customers, %d orders over %d years; 10 ms each way (round trip 20 ms)\n",
                umfang.kunden, umfang.auftraege, umfang.jahre);
    const auto zeile = [](const char* was, double ms, double ziel) {
        std::printf("%-36s %9.1f ms   goal %5.0f ms  %s\n", was, ms, ziel, ms <= ziel ? "met" : "MISSED");
    };
    zeile("open the customer list", median([&] { delete kunden.filterModel(0, QString()); }), 300);
    zeile("one filter keystroke", median([&] { delete kunden.filterModel(0, QStringLiteral("M")); }), 100);
    zeile("open an order of 20 lines", median([&] { auftraege.getAuftrag(nr); }), 300);
    zeile("store an order of 20 lines", median([&] {
              Auftrag a = zwanzigZeilen();
              auftraege.addAuftrag(a);
          }),
          300);
    zeile("open the order list of one year", median([&] {
              delete auftraege.filterModel(QDateTime(QDate(2025, 1, 1), QTime()),
                                           QDateTime(QDate(2026, 1, 1), QTime()));
          }),
          300);
    return 0;
}
