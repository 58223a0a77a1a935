// The order list on 50,000 orders and 60,000 payments: opening it with the
// "offen" and with the "überfällig" filter, and the totals after a filter
// change.
// Usage: bench_zahlungen [--postgres] [orders] [payments]
#include "bench/support/benchdatenbank.h"
#include "bench/support/benchstores.h"
#include "bench/support/messung.h"
#include "tests/support/pgserver.h"
#include "store/datenbank.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "windows/auftragseditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRegularExpression>
#include <QSettings>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

namespace {

void zeige(const QString& was, double ms)
{
    std::printf("%-60s %9.1f ms\n", qPrintable(was), ms);
}

void miss(SqlAuftragsStore& auftraege, const QDate& heute)
{
    for (const char* filter : {"offen", "ueberfaellig"}) {
        QList<double> zeiten;
        int zeilen = 0;
        for (int i = 0; i < 5; ++i) {
            zeiten << BenchMessung::millis([&] {
                AuftragsEditor e;
                e.setHeute(heute);
                (QByteArray(filter) == "offen" ? e.offenSchalter() : e.ueberfaelligSchalter())->setChecked(true);
                e.setStore(&auftraege);
                e.show();
                QApplication::processEvents();
                zeilen = e.tabelle()->model()->rowCount();
            });
        }
        zeige(QString("order list opened, filter %1 (%2 rows), median").arg(filter).arg(zeilen),
              BenchMessung::median(zeiten));
    }
    AuftragsEditor e;
    e.setHeute(heute);
    e.setStore(&auftraege);
    e.offenSchalter()->setChecked(true);
    QList<double> summen, wechsel;
    for (int i = 0; i < 5; ++i) {
        e.statusWahl()->setCurrentIndex(i % 2 ? 3 : 0);
        Auftragsauswahl w = e.auswahl();
        w.ueberfaellig = i % 2;
        summen << BenchMessung::millis([&] { auftraege.summen(w); });
        wechsel << BenchMessung::millis([&] {
            e.ueberfaelligSchalter()->setChecked(!e.ueberfaelligSchalter()->isChecked());
            QApplication::processEvents();
        });
    }
    zeige("totals row of a filter, median", BenchMessung::median(summen));
    zeige("filter change: list read again with its totals, median", BenchMessung::median(wechsel));
}

// Builds the journal on the default connection through the stores, then measures.
void laufe(BenchDatenbank& bank, const BenchDatenbank::Umfang& umfang, int zahlungen)
{
    BenchStores stores;
    std::printf("building %d orders ...\n", umfang.auftraege);
    bank.fuelle(stores, umfang);
    // Every invoice and credit note issued as issuing leaves it, due 30 days later.
    QSqlDatabase db = QSqlDatabase::database();
    QSqlQuery q;
    q.exec(Datenbank::sql(db, QString("update auftrag set [Ausgestellt]=[Eingang], [Faellig]=%1, [Status]=2 "
                                      "where [Typ] in (0,2)")
                                  .arg(Datenbank::istPostgres(db) ? "cast([Eingang] + interval '30 days' as date)"
                                                                  : "date([Eingang], '+30 days')")));
    // Payments spread over the invoices: most paid in one or two parts, some in part, some not at all.
    std::printf("recording %d payments ...\n", zahlungen);
    QSqlQuery rechnungen("select \"Nr\", \"Brutto\", \"Eingang\" from auftrag where \"Typ\"=0 order by \"Nr\"");
    struct R { int nr; double brutto; QDate tag; };
    QList<R> liste;
    while (rechnungen.next())
        liste.append({rechnungen.value(0).toInt(), rechnungen.value(1).toDouble(),
                      rechnungen.value(2).toDateTime().date()});
    db.transaction();
    QSqlQuery z;
    z.prepare("insert into zahlungen (\"Auftrag\",\"Datum\",\"Betrag\",\"Art\",\"Referenz\") values (?,?,?,?,?)");
    for (int i = 0; i < zahlungen && !liste.isEmpty(); ++i) {
        const R& r = liste.at(i % liste.size());
        const int runde = i / int(liste.size());
        z.addBindValue(r.nr);
        z.addBindValue(r.tag.addDays(10 + runde * 5).toString(Qt::ISODate));
        // Half of each invoice per part: two parts pay it; every seventh invoice is paid a third only.
        z.addBindValue(r.nr % 7 == 0 ? r.brutto / 3 : r.brutto / 2);
        z.addBindValue(2);
        z.addBindValue(QString("Auszug %1").arg(i));
        z.exec();
    }
    q.exec("update auftrag set \"Status\"=3 where \"Typ\"=0 and \"Nr\" in (select \"Auftrag\" from zahlungen "
           "group by \"Auftrag\" having count(*)>1) and \"Nr\" % 7 <> 0");
    db.commit();
    // Written around the store: the open amounts are computed anew, as on
    // opening a journal of an older program.
    q.exec("update auftrag set \"Offen\"=null");
    zeige("open amounts of every invoice computed on opening",
          BenchMessung::millis([&] { stores.auftraege.createTables(); }));
    q.exec("analyze");
    miss(stores.auftraege, umfang.beginn.addYears(umfang.jahre));
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir einstellungen;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen.path());
    const QStringList argumente = app.arguments().mid(1);
    const bool postgres = argumente.contains("--postgres");
    const QStringList zahlen = QStringList(argumente).filter(QRegularExpression("^\\d+$"));
    BenchDatenbank::Umfang umfang;
    int zahlungen = 60000;
    if (zahlen.size() > 0)
        umfang.auftraege = zahlen.at(0).toInt();
    if (zahlen.size() > 1)
        zahlungen = zahlen.at(1).toInt();
    if (!postgres) {
        BenchDatenbank bank;
        laufe(bank, umfang, zahlungen);
        return 0;
    }
    PgServer server;
    if (!server.laeuft()) {
        std::printf("PostgreSQL not measured: %s\n", qPrintable(server.fehler()));
        return 1;
    }
    {
        BenchDatenbank bank(server, server.neueDatenbank());
        laufe(bank, umfang, zahlungen);
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
    return 0;
}
