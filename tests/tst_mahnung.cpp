#include "app/mainwindow.h"
#include "platform/einstellung.h"
#include "print/mahnung.h"
#include "records/auftragsbefehl.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "store/ausstellung.h"
#include "store/kundenstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/auftragseditor.h"

#include <QSqlTableModel>
#include <QtTest>
#include <QtWidgets>

#include <memory>
#include <tuple>

// Reminders of overdue invoices: the letter, the command's rule, and the level kept.
class TestMahnung : public QObject
{
    Q_OBJECT

    std::unique_ptr<Testumgebung> env;

    static Mahnung::Posten posten(const QString& nr, const QDate& faellig, qint64 cent)
    {
        Auftrag a;
        std::tie(a.Nr, a.BelegNr, a.Faellig, a.Kunde.Name) = std::make_tuple(1, nr, faellig, "Dupont");
        a.Eingang = QDateTime(faellig.addDays(-30), QTime(9, 0));
        return {a, Betrag::ausCent(cent)};
    }

private slots:
    void init() { env.reset(new Testumgebung); }
    void cleanup() { env.reset(); }

    // 1,120.00 € due 3 Dec 2026 and 200.00 € due 28 Dec 2026, reminded on 7 Jan 2027:
    // 35 and 10 days overdue. At 9.27 % a year (German base rate 0.27 + 9 points, or
    // three times a French legal rate of 3.09):
    //   1120.00 × 0.0927 × 35 / 365 = 9.9557… -> 9.96;  200.00 × 0.0927 × 10 / 365 = 0.5079… -> 0.51.
    // A German consumer owes 0.27 + 5 = 5.27 %: 5.6598… -> 5.66 and 0.2888… -> 0.29, and no fee.
    void letter_data()
    {
        QTest::addColumn<QVariantMap>("settings");
        QTest::addColumn<QString>("firma");
        QTest::addColumn<int>("stufe");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QList<qint64>>("betraege");  // interest of each invoice, fee, total
        const QVariantMap de{{"Rechnung/Layout", 0}, {"Mahnung/Regel", "DE"}, {"Mahnung/Basiszins", 0.27}};
        const QVariantMap fr{{"Rechnung/Layout", 1}, {"Mahnung/Regel", "FR"}, {"Mahnung/Basiszins", 3.09},
                             {"Mahnung/Gebuehr2", 15.0}};
        QTest::newRow("German, level 1") << de << "ACME" << 1 << "Zahlungserinnerung"
                                         << QList<qint64>{996, 51, 0, 133047};
        QTest::newRow("German, level 3: recovery fee") << de << "ACME" << 3 << "Mahnung"
                                                       << QList<qint64>{996, 51, 4000, 137047};
        QTest::newRow("German consumer, level 3: no fee") << de << "" << 3 << "Mahnung"
                                                          << QList<qint64>{566, 29, 0, 132595};
        QTest::newRow("French, level 1") << fr << "ACME" << 1 << "Relance" << QList<qint64>{996, 51, 0, 133047};
        QTest::newRow("French, level 2: own fee") << fr << "ACME" << 2 << "Mise en demeure de payer"
                                                  << QList<qint64>{996, 51, 1500, 134547};
    }
    void letter()
    {
        QFETCH(QVariantMap, settings);
        QFETCH(QString, firma);
        QFETCH(int, stufe);
        QFETCH(QString, titel);
        QFETCH(QList<qint64>, betraege);
        PdfSeiten::setze(settings);
        Mahnung::Schreiben s{{posten("FM7", QDate(2026, 12, 3), 112000), posten("FM9", QDate(2026, 12, 28), 20000)},
                             stufe, QDate(2027, 1, 7)};
        s.posten.first().rechnung.Kunde.Firma = firma;
        const PdfSeiten pdf("-", Mahnung().pdf(s));
        QVERIFY2(pdf.text().contains(titel), qPrintable(pdf.text()));
        QVERIFY(pdf.text().contains("FM7 03.11.2026 03.12.2026 1120.00 35"));
        QCOMPARE(pdf.betraege(pdf.finde("FM7")), (QList<qint64>{112000, betraege[0]}));
        QCOMPARE(pdf.betraege(pdf.finde("FM9")), (QList<qint64>{20000, betraege[1]}));
        QCOMPARE(pdf.finde(Betrag::ausCent(betraege[2]).zahl()) >= 0, betraege[2] > 0);
        QCOMPARE(pdf.betraege(pdf.finde(Betrag::ausCent(betraege[3]).zahl(), true)), QList<qint64>{betraege[3]});
    }

    void rule_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("faelligVorTagen");
        QTest::addColumn<bool>("erlaubt");
        QTest::newRow("overdue invoice") << int(Auftragsart::Rechnung) << int(AuftragsStatus::Gedruckt) << 1 << true;
        QTest::newRow("due today") << int(Auftragsart::Rechnung) << int(AuftragsStatus::Gedruckt) << 0 << false;
        QTest::newRow("paid") << int(Auftragsart::Rechnung) << int(AuftragsStatus::Bezahlt) << 9 << false;
        QTest::newRow("cancelled") << int(Auftragsart::Rechnung) << int(AuftragsStatus::Storniert) << 9 << false;
        QTest::newRow("offer") << int(Auftragsart::Angebot) << int(AuftragsStatus::Gedruckt) << 9 << false;
    }
    void rule()
    {
        QFETCH(int, typ);
        QFETCH(int, status);
        QFETCH(int, faelligVorTagen);
        QFETCH(bool, erlaubt);
        Auftrag a = posten("FM1", QDate(2026, 12, 8).addDays(-faelligVorTagen), 100).rechnung;
        std::tie(a.Typ, a.Status, a.Ausgestellt) = std::make_tuple(typ, status, a.Eingang);
        QCOMPARE(auftragsBefehlErlaubt(AuftragsBefehl::Mahnung, a, QDate(2026, 12, 8)), erlaubt);
        a.Ausgestellt = QDateTime();  // never issued: nothing to remind of
        QVERIFY(!auftragsBefehlErlaubt(AuftragsBefehl::Mahnung, a, QDate(2026, 12, 8)));
    }

    // Saved as PDF, the reminder records its level and date on the invoices it lists, and the
    // list shows the level; the next one, for all of the customer's, is one level up.
    void levelKept()
    {
        env->neueDatenbank();
        // Due on the day of issue, two days ago: overdue, and inside the list's month.
        Einstellung::setze(Einstellung::RechnungZahlungsziel, 0);
        SkriptInteraktion dialoge;
        MainWindow w;
        Kunde k;
        k.Firma = "ACME";
        QVERIFY(w.kundenStore()->addKunde(k));
        QList<int> nummern;
        for (double preis : {100.0, 50.0}) {
            Auftrag a;
            a.Kunde = k;
            a.Zeilen = {{1, "Kabel", "K-1", {}, preis}};
            QVERIFY(w.auftragsStore()->addAuftrag(a));
            Auftrag neu = Ausstellung::vorbereiten(a, QDateTime::currentDateTime().addDays(-2));
            QVERIFY(w.auftragsStore()->stelleAus(neu, "%PDF"));
            nummern << a.Nr;
        }
        for (bool alle : {false, true}) {
            dialoge.antworte(env->pfad("mahnung.pdf"));
            mitDialog([&] { RUFE(&w, "mahnen", Q_ARG(Auftrag, w.auftragsStore()->getAuftrag(nummern[0]))); },
                      [&](QDialog* d) {
                          d->findChildren<QRadioButton*>().value(alle ? 1 : 0)->setChecked(true);
                          knopf(d, "als PDF speichern")->click();
                      });
        }
        for (int nr : nummern) {
            const Auftrag a = w.auftragsStore()->getAuftrag(nr);
            QCOMPARE(QVariantList({a.Gemahnt, a.Mahnstufe}), QVariantList({QDate::currentDate(), 2}));
        }
        QTableView* liste = w.findChild<AuftragsEditor*>()->tabelle();
        auto* model = qobject_cast<QSqlTableModel*>(liste->model());
        QVERIFY(model && !liste->isColumnHidden(model->fieldIndex("Mahnstufe")));
        QCOMPARE(spalte(liste, model->fieldIndex("Mahnstufe")), (QStringList{"2", "2"}));
        QCOMPARE(dialoge.anzahl("openUrl"), 2);
    }
};

QTEST_MAIN(TestMahnung)
#include "tst_mahnung.moc"
