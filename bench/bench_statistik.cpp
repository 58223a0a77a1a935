// Speed of the customer and product statistics on ten years of orders, table
// and chart filled, each figure against a bare SQL "group by" of the same
// figures in the same run.
#include "bench/support/benchdatenbank.h"
#include "bench/support/benchstores.h"
#include "bench/support/messung.h"
#include "records/codetabellen.h"
#include "stats/kundenstatdialog.h"
#include "stats/produktstatdialog.h"
#include "stats/umsatzdiagramm.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QStandardItemModel>
#include <QStandardPaths>

#include <cstdio>
#include <functional>

namespace {

using BenchMessung::millis;

int gruppiere(const QString& sql, const QDateTime& von, const QDateTime& bis)
{
    QSqlQuery q;
    q.setForwardOnly(true);
    q.prepare(sql);
    q.addBindValue(von.toString(Qt::ISODate));
    q.addBindValue(bis.toString(Qt::ISODate));
    q.exec();
    int zeilen = 0;
    while (q.next()) {
        q.value(0);
        q.value(1);
        q.value(2);
        ++zeilen;
    }
    return zeilen;
}

const char* const kundenSql =
    "select KundenNr, count(*), sum(Summe) from auftrag where Eingang>=? and Eingang<=? "
    "group by KundenNr";
const char* const produktSql =
    "select l.ProduktNr, sum(l.Anzahl), sum(l.Preis) from auftragslines l join auftrag a "
    "on l.Auftrag=a.Nr where a.Eingang>=? and a.Eingang<=? group by l.ProduktNr";

// The best of three runs, so the first run's cold cache does not decide.
double besterLauf(const std::function<void()>& f)
{
    double best = 1e30;
    for (int i = 0; i < 3; ++i)
        best = qMin(best, millis(f));
    return best;
}

void miss(StatistikDialog& d, const std::function<void()>& berechne, const char* was,
          const QDate& von, const QDate& bis, const char* sql)
{
    d.findChild<QDateEdit*>("von")->setDate(von);
    d.findChild<QDateEdit*>("bis")->setDate(bis);
    const double s = besterLauf(berechne);
    int gruppen = 0;
    const double b = besterLauf(
        [&] { gruppen = gruppiere(sql, QDateTime(von, QTime(0, 0)), QDateTime(bis, QTime(23, 59, 59))); });
    std::printf("%-34s %5d rows %3lld bars %8.1f ms   bare SQL %7.1f ms   ratio %5.1f\n", was,
                d.ergebnis()->rowCount(), qlonglong(d.diagramm()->werte().size()), s, b,
                b > 0 ? s / b : 0.0);
    if (gruppen != d.ergebnis()->rowCount())
        std::printf("  (group by gave %d rows)\n", gruppen);
}

}  // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    BenchDatenbank bank;
    BenchStores stores;

    BenchDatenbank::Umfang umfang;
    if (argc > 1)
        umfang.auftraege = QString(argv[1]).toInt();
    std::printf("building %d customers, %d products, %d orders ...\n", umfang.kunden,
                umfang.produkte, umfang.auftraege);
    bank.fuelle(stores, umfang);
    // Stored orders are no turnover yet: printed ones are, as in a business's real data.
    QSqlQuery gedruckt;
    gedruckt.prepare("update auftrag set Status=?");
    gedruckt.addBindValue(int(AuftragsStatus::Gedruckt));
    if (!gedruckt.exec())
        qFatal("could not mark the orders printed");

    const QDate jahrVon(2020, 1, 1);
    const QDate jahrBis(2020, 12, 31);
    const QDate alleVon = umfang.beginn;
    const QDate alleBis = umfang.beginn.addYears(umfang.jahre).addDays(-1);

    // What reading whole orders would cost before any computation.
    const double ganz = millis([&] {
        stores.auftraege.getAuftraege(QDateTime(alleVon, QTime(0, 0)), QDateTime(alleBis, QTime(23, 59, 59)));
    });
    std::printf("%-34s %8.1f ms\n", "getAuftraege ten years (reading)", ganz);

    KundenStatDialog k;
    k.setKundenStore(&stores.kunden);
    k.setAuftragsStore(&stores.auftraege);
    miss(k, [&] { k.updateModel(); }, "customer statistics one year", jahrVon, jahrBis, kundenSql);
    miss(k, [&] { k.updateModel(); }, "customer statistics ten years", alleVon, alleBis, kundenSql);

    ProduktStatDialog p;
    p.setKundenStore(&stores.kunden);
    p.setAuftragsStore(&stores.auftraege);
    miss(p, [&] { p.updateModel(); }, "product statistics one year", jahrVon, jahrBis, produktSql);
    miss(p, [&] { p.updateModel(); }, "product statistics ten years", alleVon, alleBis, produktSql);
    return 0;
}
