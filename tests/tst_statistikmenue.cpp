#include "app/mainwindow.h"
#include "stats/kundenstatdialog.h"
#include "stats/produktstatdialog.h"
#include "store/auftragsstore.h"
#include "store/kundenstore.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QMenuBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

// The "Statistik" menu opens both statistics computed over the main window's
// stores, and the customer statistics' commands come back to the main window.
class TestStatistikMenue : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;

private slots:
    void menue_data()
    {
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QStringList>("geoeffnet");
        QTest::addColumn<QString>("ersteZeile");
        QTest::newRow("Kunden") << "Kunden" << QStringList{"KundenStatDialog", "KundenDialog"}
                                << "1|ACME|Meier|||1|40";
        QTest::newRow("Produkte") << "Produkte" << QStringList{"ProduktStatDialog"} << "K-1|Câble|2|40";
    }
    void menue()
    {
        QFETCH(QString, eintrag);
        QFETCH(QStringList, geoeffnet);
        QFETCH(QString, ersteZeile);
        env.neueDatenbank();
        SkriptInteraktion dialoge;
        MainWindow w;
        Kunde k;
        k.Firma = "ACME";
        k.Name = "Meier";
        QVERIFY(w.kundenStore()->addKunde(k));
        Auftrag a;
        a.Kunde = k;
        a.Eingang = QDateTime::currentDateTime();
        a.Zeilen << AuftragsLine();
        a.Zeilen[0].Anzahl = 2;
        a.Zeilen[0].ProduktNr = "K-1";
        a.Zeilen[0].Produkt = "Câble";
        a.Zeilen[0].Preis = 40.0;
        QVERIFY(w.auftragsStore()->addAuftrag(a));

        QAction* aktion = nullptr;
        for (QAction* m : w.menuBar()->actions())
            if (m->text() == "Statistik")
                for (QAction* e : m->menu()->actions())
                    if (e->text() == eintrag)
                        aktion = e;
        QVERIFY(aktion && aktion->isEnabled());

        QStringList gesehen;
        QString zeile;
        QTimer timer;
        timer.setInterval(20);
        connect(&timer, &QTimer::timeout, this, [&] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d || d->property("gesehen").toBool())
                return;
            d->setProperty("gesehen", true);
            gesehen << d->metaObject()->className();
            auto* stat = qobject_cast<StatistikDialog*>(d);
            if (!stat) {
                d->reject();
                return;
            }
            QStringList z;
            for (int c = 0; c < stat->ergebnis()->columnCount(); ++c)
                z << stat->ergebnis()->index(0, c).data().toString();
            zeile = z.join('|');
            // A double click on the customer opens it from the main window.
            QTimer::singleShot(0, d, [d, stat] {
                if (auto* kd = qobject_cast<KundenStatDialog*>(stat))
                    kd->selected(stat->ergebnis()->index(0, 2));
                d->reject();
            });
        });
        timer.start();
        aktion->trigger();
        QCOMPARE(gesehen, geoeffnet);
        QCOMPARE(zeile, ersteZeile);
    }
};

QTEST_MAIN(TestStatistikMenue)
#include "tst_statistikmenue.moc"
