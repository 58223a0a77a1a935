// Speed of the stores on ten years of orders, each figure against the bare SQL
// that reads the same rows in the same run.
#include "bench/support/benchdatenbank.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QStandardPaths>

#include <cstdio>
#include <functional>

namespace {

double millis(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    return t.nsecsElapsed() / 1e6;
}

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

void zeige(const char* was, double store, double bar)
{
    std::printf("%-46s %9.1f ms   bare SQL %9.1f ms   ratio %5.2f\n", was, store, bar,
                bar > 0 ? store / bar : 0.0);
}

const char* const joinSql =
    "select * from auftrag a left join auftragslines l on l.Auftrag=a.Nr "
    "left join auftragskunden k on k.AuftragsNr=a.Nr where ";

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    BenchDatenbank bank;
    SqlProduktStore produkte(nullptr);
    SqlKundenStore kunden(nullptr);
    SqlAuftragsStore auftraege(nullptr);
    produkte.createTable();
    kunden.createTable();
    auftraege.createTables();

    BenchDatenbank::Umfang umfang;
    if (argc > 1)
        umfang.auftraege = QString(argv[1]).toInt();
    std::printf("building %d customers, %d products, %d orders ...\n", umfang.kunden,
                umfang.produkte, umfang.auftraege);
    const double einfuegen = bank.fuelle(kunden, produkte, auftraege, umfang);
    std::printf("%-46s %9.3f ms per order\n", "addAuftrag", einfuegen / umfang.auftraege);

    const QDateTime von(QDate(2020, 1, 1), QTime(0, 0));
    const QDateTime bis(QDate(2020, 12, 31), QTime(23, 59, 59));
    const QDateTime alleVon(umfang.beginn, QTime(0, 0));
    const QDateTime alleBis(umfang.beginn.addYears(umfang.jahre + 1), QTime(0, 0));
    int n = 0;

    double s = millis([&] { n = auftraege.getAuftraege(von, bis).size(); });
    double b = millis([&] {
        leseAlles(QString(joinSql) + "a.Eingang>=? and a.Eingang<=?",
                  {von.toString(Qt::ISODate), bis.toString(Qt::ISODate)});
    });
    zeige(qPrintable(QString("getAuftraege one year (%1 orders)").arg(n)), s, b);

    s = millis([&] { n = auftraege.getAuftraege(alleVon, alleBis).size(); });
    b = millis([&] {
        leseAlles(QString(joinSql) + "a.Eingang>=? and a.Eingang<=?",
                  {alleVon.toString(Qt::ISODate), alleBis.toString(Qt::ISODate)});
    });
    zeige(qPrintable(QString("getAuftraege ten years (%1 orders)").arg(n)), s, b);

    s = millis([&] { n = auftraege.getAuftraegeByKunde(1).size(); });
    b = millis([&] { leseAlles(QString(joinSql) + "a.KundenNr=?", {1}); });
    zeige(qPrintable(QString("getAuftraegeByKunde (%1 orders)").arg(n)), s, b);

    s = millis([&] {
        QSqlTableModel* m = kunden.filterModel(0, "M");
        while (m->canFetchMore())
            m->fetchMore();
        n = m->rowCount();
    });
    b = millis([&] {
        leseAlles("select * from kunden where Name like 'M%' or Firma like 'M%'", {});
    });
    zeige(qPrintable(QString("customer filter model \"M\" (%1 rows)").arg(n)), s, b);

    s = millis([&] {
        for (int i = 0; i < 100; ++i)
            produkte.getProduktByName(QString("Produit %1%").arg(i));
    });
    b = millis([&] {
        for (int i = 0; i < 100; ++i)
            leseAlles("select * from produkte where Name like ?", {QString("Produit %1%").arg(i)});
    });
    zeige("product by name prefix (100 look-ups)", s, b);
    return 0;
}
