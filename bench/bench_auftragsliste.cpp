// Opening the order list for one and for ten years, and the orders of the
// customer with most orders, on ten years of orders; with "archiv" every
// invoice and credit note is issued, its archived file 25 kB.
// Usage: bench_auftragsliste [orders] [archiv]
#include "bench/support/benchdatenbank.h"
#include "bench/support/benchstores.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "windows/auftragseditor.h"
#include "windows/kundenauftragsdialog.h"

#include <QApplication>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QStandardPaths>
#include <QSettings>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>

namespace {

double millis(const std::function<void()>& f)
{
    QElapsedTimer t;
    t.start();
    f();
    QApplication::processEvents();
    return t.nsecsElapsed() / 1e6;
}

void zeige(const QString& was, double ms)
{
    std::printf("%-52s %9.1f ms\n", qPrintable(was), ms);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // The windows keep their layout in the settings; keep the user's untouched.
    QTemporaryDir einstellungen;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen.path());
    BenchDatenbank bank;
    BenchStores stores;

    BenchDatenbank::Umfang umfang;
    if (argc > 1)
        umfang.auftraege = QString(argv[1]).toInt();
    std::printf("building %d orders ...\n", umfang.auftraege);
    bank.fuelle(stores, umfang);
    if (argc > 2 && QByteArray(argv[2]) == "archiv") {
        // As issuing leaves them, written at once: the status, the issue and the file.
        QSqlQuery q;
        q.exec("update auftrag set \"Ausgestellt\"=\"Eingang\", \"Status\"=2 where \"Typ\" in (0,2)");
        q.prepare("insert into belegarchiv (\"Auftrag\",\"Zeit\",\"Sha256\",\"Datei\") select \"Nr\", "
                  "\"Eingang\", '', :datei from auftrag where \"Typ\" in (0,2)");
        q.bindValue(":datei", QByteArray(25 * 1024, 'x'));
        q.exec();
        QSqlQuery n("select count(*) from belegarchiv");
        n.next();
        std::printf("%d documents issued and archived\n", n.value(0).toInt());
    }

    const QDate ende = umfang.beginn.addYears(umfang.jahre).addDays(-1);
    for (int jahre : {1, umfang.jahre}) {
        int zeilen = 0;
        const double ms = millis([&] {
            AuftragsEditor e;
            e.vonEdit()->setDate(ende.addYears(-jahre).addDays(1));
            e.bisEdit()->setDate(ende);
            e.setStore(&stores.auftraege);
            e.show();
            QApplication::processEvents();
            zeilen = e.tabelle()->model()->rowCount();
        });
        zeige(QString("order list, %1 year(s) (%2 rows fetched)").arg(jahre).arg(zeilen), ms);
    }

    {
        // What scrolling to the end or exporting costs: every row fetched.
        AuftragsEditor e;
        e.vonEdit()->setDate(umfang.beginn);
        e.bisEdit()->setDate(ende);
        e.setStore(&stores.auftraege);
        QAbstractItemModel* m = e.tabelle()->model();
        const double ms = millis([&] {
            while (m->canFetchMore(QModelIndex()))
                m->fetchMore(QModelIndex());
        });
        zeige(QString("order list, ten years, all %1 rows fetched").arg(m->rowCount()), ms);
    }

    int zeilen = 0;
    const double ms = millis([&] {
        KundenAuftragsDialog d;
        Kunde k;
        k.Nr = 1;
        d.setKunde(k);
        d.setStore(&stores.auftraege);
        d.show();
        QApplication::processEvents();
        zeilen = d.tabelle()->model()->rowCount();
    });
    zeige(QString("customer's orders, customer 1 (%1 rows fetched)").arg(zeilen), ms);
    return 0;
}
