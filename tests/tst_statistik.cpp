#include "stats/kundenstatdialog.h"
#include "stats/produktstatdialog.h"
#include "stats/umsatzdiagramm.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/menuauswahl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtTest>
#include <QtWidgets>

// Customer and product statistics over a small journal of March 2026 with
// orders at both edges of the month and just outside it.
class TestStatistik : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    SkriptInteraktion dialoge;
    std::unique_ptr<SqlKundenStore> kunden;
    std::unique_ptr<SqlAuftragsStore> auftraege;

    int kunde(const QString& firma, const QString& name, int typ, const QString& email)
    {
        Kunde k;
        k.Firma = firma, k.Name = name, k.Typ = typ, k.Email = email, k.Ort = "Lyon", k.PLZ = "01234";
        kunden->addKunde(k);
        return k.Nr;
    }
    void auftrag(int kundenNr, int typ, int zahlung, int status, const QDateTime& eingang,
                 const QList<AuftragsLine>& zeilen)  // lines: Anzahl, Produkt, ProduktNr, Komentar, Preis
    {
        Auftrag a;
        a.Kunde = kunden->getKunde(kundenNr);
        a.Typ = typ, a.Zahlung = zahlung, a.Status = status, a.Eingang = eingang, a.Zeilen = zeilen;
        QVERIFY(auftraege->addAuftrag(a));
    }
    std::unique_ptr<StatistikDialog> dialog(bool produkte)
    {
        std::unique_ptr<StatistikDialog> d(produkte ? static_cast<StatistikDialog*>(new ProduktStatDialog)
                                                    : new KundenStatDialog);
        d->setKundenStore(kunden.get());
        d->setAuftragsStore(auftraege.get());
        return d;
    }
    static void rechne(StatistikDialog& d, const QDate& von = {2026, 3, 1}, const QDate& bis = {2026, 3, 31})
    {
        d.findChild<QDateEdit*>("von")->setDate(von);
        d.findChild<QDateEdit*>("bis")->setDate(bis);
        d.findChild<QCheckBox*>("summe")->setChecked(true);
        QTest::mouseClick(knopf(&d, "Berechnen"), Qt::LeftButton);
    }
    // Every row as "cell|cell|..." of the given columns, in model order.
    static QStringList zeilen(const QStandardItemModel* m, const QList<int>& spalten)
    {
        QStringList liste;
        for (int r = 0; r < m->rowCount(); ++r) {
            liste << QString();
            for (int c : spalten)
                liste.last() += (c == spalten.first() ? "" : "|") + m->index(r, c).data().toString();
        }
        return liste;
    }
    static double gesamt(const StatistikDialog& d)
    {
        return d.ergebnis()->index(d.ergebnis()->rowCount() - 1, d.ergebnis()->columnCount() - 1).data().toDouble();
    }

private slots:
    void initTestCase()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        kunden = std::make_unique<SqlKundenStore>(nullptr);
        auftraege = std::make_unique<SqlAuftragsStore>(nullptr);
        kunden->createTable();
        auftraege->createTables();
        const int acme = kunde("ACME", "Meier", 0, "m@acme.fr");
        const int dupont = kunde("", "Dupont", 1, "");
        const int intern = kunde("Intern", "Haus", 3, "h@x.fr");
        const int weg = kunde("Alt SA", "Ancien", 2, "");  // deleted below
        auftrag(dupont, 0, 0, 1, {{2026, 2, 28}, {23, 59, 59}}, {{1, "Stift", "P1", {}, 1000.0}});
        auftrag(acme, 0, 0, 2, {{2026, 3, 1}, {0, 0}}, {{2, "Stift", "P1", {}, 20.0}});
        auftrag(intern, 0, 2, 3, {{2026, 3, 10}, {9, 0}}, {{1, "Porto", "", {}, 4.0}, {2, "Neun", "9", {}, 9.0}});
        auftrag(dupont, 2, 0, 1, {{2026, 3, 15}, {12, 0}}, {{1, "Stift neu", "P1", {}, -10.0}});
        auftrag(weg, 0, 0, 1, {{2026, 3, 20}, {8, 0}}, {{3, "Zehn", "10", {}, 30.0}, {1, "Versand", "", {}, 2.0}});
        auftrag(acme, 3, 1, 1, {{2026, 3, 31}, {23, 59, 59}}, {{1, "Heft", "P2", {}, 5.5}});
        auftrag(acme, 0, 0, 1, {{2026, 4, 1}, {0, 0}}, {{1, "Stift", "P1", {}, 100.0}});
        QVERIFY(kunden->delKunde(weg));
    }

    void zaehlen_data()
    {
        QTest::addColumn<bool>("produkte");
        QTest::addColumn<QString>("filter");  // positions of kind, payment, status, customer type
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");  // "Nr|Anzahl|Summe" (products: "Nr|Name|Anzahl|Summe"), then the total row
        QTest::newRow("all Alle, range edges") << false << "0,0,0,0" << "" << QStringList{"1|2|25.5", "2|1|-10", "3|1|13", "4|1|32", "|5|60.5"};
        QTest::newRow("Rechnung") << false << "1,0,0,0" << "" << QStringList{"1|1|20", "3|1|13", "4|1|32", "|3|65"};
        QTest::newRow("payment Bar") << false << "0,1,0,0" << "" << QStringList{"1|1|20", "2|1|-10", "4|1|32", "|3|42"};
        QTest::newRow("status Gedruckt") << false << "0,0,3,0" << "" << QStringList{"1|1|20", "|1|20"};
        QTest::newRow("Kunde1, no Intern") << false << "0,0,0,1" << "" << QStringList{"1|2|25.5", "|2|25.5"};
        QTest::newRow("deleted customer's type") << false << "0,0,0,3" << "" << QStringList{"4|1|32", "|1|32"};
        QTest::newRow("Firma") << false << "0,0,0,0" << "ACME" << QStringList{"1|2|25.5", "|2|25.5"};
        QTest::newRow("Name only") << false << "0,0,0,0" << "Dupont" << QStringList{"2|1|-10", "|1|-10"};
        QTest::newRow("case-sensitive") << false << "0,0,0,0" << "meier" << QStringList{"|0|0"};
        QTest::newRow("deleted customer's name") << false << "0,0,0,0" << "Ancien" << QStringList{"4|1|32", "|1|32"};
        QTest::newRow("total row alone") << false << "2,0,0,0" << "" << QStringList{"|0|0"};
        QTest::newRow("products, all kinds") << true << "0,0,0,0" << "" << QStringList{"|Sonstige|2|6", "10|Zehn|3|30", "9|Neun|2|9", "P1|Stift neu|3|10", "P2|Heft|1|5.5", "|Summe|11|60.5"};
        QTest::newRow("products, credit note as stored") << true << "3,0,0,0" << "" << QStringList{"P1|Stift neu|1|-10", "|Summe|1|-10"};
    }
    void zaehlen()
    {
        QFETCH(bool, produkte);
        QFETCH(QString, filter);
        QFETCH(QString, text);
        auto d = dialog(produkte);
        const QStringList f = filter.split(',');
        int i = 0;
        for (const char* name : {"art", "zahlung", "status", "typ"})
            if (auto* box = d->findChild<QComboBox*>(name))
                box->setCurrentIndex(f[i++].toInt());
        if (!produkte)
            d->findChild<QLineEdit*>("filter")->setText(text);
        rechne(*d);
        const QStandardItemModel* m = d->ergebnis();
        QTEST(zeilen(m, produkte ? QList<int>{0, 1, 2, 3} : QList<int>{0, 5, 6}), "erwartet");
        // The current record, or the order's snapshot for a deleted customer.
        const QMap<QString, QString> stamm{{"1", "ACME|Meier|Lyon|01234"}, {"4", "Alt SA|Ancien|Lyon|01234"}};
        if (!produkte && stamm.contains(m->index(0, 0).data().toString()))
            QCOMPARE(zeilen(m, {1, 2, 3, 4}).first(), stamm[m->index(0, 0).data().toString()]);
    }

    void diagramm_data()
    {
        QTest::addColumn<bool>("produkte");
        QTest::addColumn<QString>("text");
        QTest::newRow("customers") << false << "";
        QTest::newRow("customers shown only") << false << "Meier";
        QTest::newRow("products") << true << "";
    }
    void diagramm()
    {
        // Each bar equals the total of the table computed for that month alone,
        // and the months' tables add up to the whole range's.
        QFETCH(bool, produkte);
        QFETCH(QString, text);
        auto d = dialog(produkte);
        if (!produkte)
            d->findChild<QLineEdit*>("filter")->setText(text);
        rechne(*d, {2026, 2, 10}, {2026, 4, 30});
        const QList<QDate> monate = d->diagramm()->monate();
        const QList<double> werte = d->diagramm()->werte();
        const double ganz = gesamt(*d);
        QCOMPARE(ganz, text.isEmpty() ? 1160.5 : 125.5);
        QCOMPARE(monate, (QList<QDate>{{2026, 2, 1}, {2026, 3, 1}, {2026, 4, 1}}));
        double teile = 0.0;
        for (int i = 0; i < monate.size(); ++i) {
            rechne(*d, qMax(monate[i], QDate(2026, 2, 10)), monate[i].addMonths(1).addDays(-1));
            QCOMPARE(werte[i], gesamt(*d));
            teile += gesamt(*d);
        }
        QCOMPARE(teile, ganz);
        QCOMPARE(werte[0], text.isEmpty() ? 1000.0 : 0.0);

        dialoge.antworte(env.pfad(produkte ? "produkte" : "kunden"));
        QVERIFY(d->diagramm()->speichereBild());
        QVERIFY(QImage(env.pfad(produkte ? "produkte.png" : "kunden.png")).width() > 100);
    }

    void leseStoreGleich()
    {
        // The statistics' own read returns what the full read returns.
        const QDateTime von(QDate(2026, 2, 1), QTime(0, 0)), bis(QDate(2026, 4, 30), QTime(23, 59, 59));
        const QList<Auftrag> ganz = auftraege->getAuftraege(von, bis);
        const QList<AuftragsKennzahlen> kurz = auftraege->getAuftraegeFuerStatistik(von, bis, true);
        auto felder = [](const AuftragsKennzahlen& k) {
            QVariantList f{k.Nr, k.Typ, k.Zahlung, k.Status, k.Summe, k.Eingang, k.KundenNr, k.Firma, k.Name, k.PLZ, k.Ort, k.KundenTyp};
            for (const AuftragsLine& l : k.Zeilen)
                f << l.ProduktNr << l.Produkt << l.Anzahl << l.Preis;
            return f;
        };
        QCOMPARE(kurz.size(), ganz.size());
        for (int i = 0; i < ganz.size(); ++i)
            QCOMPARE(felder(kurz[i]), felder(AuftragsKennzahlen::aus(ganz[i])));
    }

    // The entries enabled by row, and the signals the chosen ones send.
    void kontextMenue()
    {
        auto d = dialog(false);
        auto* k = static_cast<KundenStatDialog*>(d.get());
        QVERIFY(zeige(k));
        rechne(*k);
        QStringList signale;
        connect(k, &KundenStatDialog::kundeClicked, [&](int nr) { signale << QString("kundeClicked %1").arg(nr); });
        connect(k, &KundenStatDialog::neueRechnung, [&](Kunde k) { signale << "neueRechnung " + k.Name; });
        connect(k, &KundenStatDialog::email, [&](Kunde k) { signale << "email " + k.Name; });
        const QStringList alle{"Anzeigen", "Zeige Rechnungen", "Neue Rechnung", "Email schreiben"};
        const QList<std::tuple<int, QString, QStringList>> faelle{{0, "Anzeigen", alle}, {0, "Neue Rechnung", alle},
            {0, "Email schreiben", alle}, {1, "", alle.mid(0, 3)}, {4, "", {}}};  // no address; total row
        for (const auto& [zeile, eintrag, aktiv] : faelle) {
            MenuAuswahl wahl(eintrag.isEmpty() ? QStringList() : QStringList{eintrag});
            k->view_context(k->tabelle()->visualRect(k->ergebnis()->index(zeile, 2)).center());
            QCOMPARE(wahl.aktiv, aktiv);
        }
        QCOMPARE(signale, (QStringList{"kundeClicked 1", "neueRechnung Meier", "email Meier"}));
    }

    void exportGelesen()
    {
        // Written by the export command, read by LibreOffice with text cells
        // quoted: numbers come back unquoted, as numbers.
        auto d = dialog(true);
        rechne(*d);
        dialoge.vergiss();
        dialoge.antworte(env.pfad("produkte.ods"));
        QTest::mouseClick(knopf(d.get(), "Exportieren"), Qt::LeftButton);
        QProcess lo;
        lo.start("soffice", {"-env:UserInstallation=" + QUrl::fromLocalFile(env.pfad("lo")).toString(), "--headless",
                             "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true", "--outdir",
                             env.pfad("csv"), env.pfad("produkte.ods")});
        QVERIFY(lo.waitForFinished(120000));
        QCOMPARE(liesDatei(env.pfad("csv/produkte.csv")).trimmed().split('\n'),
                 (QStringList{"\"ProduktNr\",\"Produkt\",\"Anzahl\",\"Summe\"", "\"\",\"Sonstige\",2,6", "\"10\",\"Zehn\",3,30",
                              "\"9\",\"Neun\",2,9", "\"P1\",\"Stift neu\",3,10", "\"P2\",\"Heft\",1,5.5", "\"\",\"Summe\",11,60.5"}));
    }
};

QTEST_MAIN(TestStatistik)
#include "tst_statistik.moc"
