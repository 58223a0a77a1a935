#include "stats/kundenstatdialog.h"
#include "stats/produktstatdialog.h"
#include "stats/umsatzdiagramm.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "tests/support/menuauswahl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

// Customer and product statistics over a small journal of March 2026 with
// orders at both edges of the month and just outside it.
class TestStatistik : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    SqlKundenStore* kunden = nullptr;
    SqlAuftragsStore* auftraege = nullptr;
    SkriptInteraktion* dialoge = nullptr;

    struct Zeile
    {
        QString nr, produkt;
        int anzahl;
        double preis;
    };

    int kunde(const QString& firma, const QString& name, int typ, const QString& email)
    {
        Kunde k;
        k.Firma = firma;
        k.Name = name;
        k.Typ = typ;
        k.Email = email;
        k.Ort = "Lyon";
        k.PLZ = "01234";
        kunden->addKunde(k);
        return k.Nr;
    }
    void auftrag(int kundenNr, int typ, int zahlung, int status, const QDateTime& eingang,
                 const QList<Zeile>& zeilen)
    {
        Auftrag a;
        a.Kunde = kunden->getKunde(kundenNr);
        a.Typ = typ;
        a.Zahlung = zahlung;
        a.Status = status;
        a.Eingang = eingang;
        for (const Zeile& z : zeilen) {
            AuftragsLine l;
            l.ProduktNr = z.nr;
            l.Produkt = z.produkt;
            l.Anzahl = z.anzahl;
            l.Preis = z.preis;
            a.Zeilen << l;
        }
        QVERIFY(auftraege->addAuftrag(a));
    }

    static void rechne(StatistikDialog& d, const QDate& von, const QDate& bis, bool summe = true)
    {
        d.findChild<QDateEdit*>("von")->setDate(von);
        d.findChild<QDateEdit*>("bis")->setDate(bis);
        d.findChild<QCheckBox*>("summe")->setChecked(summe);
        for (auto* b : d.findChildren<QPushButton*>())
            if (b->text() == "Berechnen")
                QTest::mouseClick(b, Qt::LeftButton);
    }
    static void maerz(StatistikDialog& d, bool summe = true)
    {
        rechne(d, QDate(2026, 3, 1), QDate(2026, 3, 31), summe);
    }
    // Every row as "cell|cell|...", in model order.
    static QStringList zeilen(const QStandardItemModel* m)
    {
        QStringList liste;
        for (int r = 0; r < m->rowCount(); ++r) {
            QStringList z;
            for (int c = 0; c < m->columnCount(); ++c)
                z << m->index(r, c).data().toString();
            liste << z.join('|');
        }
        return liste;
    }
    static double summeDerGesamtzeile(const QStandardItemModel* m)
    {
        return m->index(m->rowCount() - 1, m->columnCount() - 1).data().toDouble();
    }
    KundenStatDialog* kundenDialog()
    {
        auto* d = new KundenStatDialog;
        d->setKundenStore(kunden);
        d->setAuftragsStore(auftraege);
        return d;
    }
    ProduktStatDialog* produktDialog()
    {
        auto* d = new ProduktStatDialog;
        d->setKundenStore(kunden);
        d->setAuftragsStore(auftraege);
        return d;
    }

private slots:
    void initTestCase()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        dialoge = new SkriptInteraktion;
        kunden = new SqlKundenStore(nullptr);
        auftraege = new SqlAuftragsStore(nullptr);
        kunden->createTable();
        auftraege->createTables();
        const int acme = kunde("ACME", "Meier", 0, "m@acme.fr");  // 1
        const int dupont = kunde("", "Dupont", 1, "");             // 2
        const int intern = kunde("Intern", "Haus", 3, "h@x.fr");   // 3
        const int weg = kunde("Alt SA", "Ancien", 2, "");          // 4, deleted below
        const QDate m(2026, 3, 1);
        auftrag(dupont, 0, 0, 1, QDateTime(m.addDays(-1), QTime(23, 59, 59)),
                {{"P1", "Stift", 1, 1000.0}});
        auftrag(acme, 0, 0, 2, QDateTime(m, QTime(0, 0)), {{"P1", "Stift", 2, 20.0}});
        auftrag(intern, 0, 2, 3, QDateTime(m.addDays(9), QTime(9, 0)),
                {{"", "Porto", 1, 4.0}, {"9", "Neun", 2, 9.0}});
        auftrag(dupont, 2, 0, 1, QDateTime(m.addDays(14), QTime(12, 0)),
                {{"P1", "Stift neu", 1, -10.0}});
        auftrag(weg, 0, 0, 1, QDateTime(m.addDays(19), QTime(8, 0)),
                {{"10", "Zehn", 3, 30.0}, {"", "Versand", 1, 2.0}});
        auftrag(acme, 3, 1, 1, QDateTime(QDate(2026, 3, 31), QTime(23, 59, 59)),
                {{"P2", "Heft", 1, 5.5}});
        auftrag(acme, 0, 0, 1, QDateTime(QDate(2026, 4, 1), QTime(0, 0)),
                {{"P1", "Stift", 1, 100.0}});
        QVERIFY(kunden->delKunde(weg));
    }
    void cleanupTestCase()
    {
        delete dialoge;
        delete auftraege;
        delete kunden;
    }

    void kundenZaehlen_data()
    {
        QTest::addColumn<QString>("filter");  // "art,zahlung,status,typ" positions
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");  // "Nr|Anzahl|Summe", then the total
        const QStringList alle{"1|2|25.5", "2|1|-10", "3|1|13", "4|1|32", "|5|60.5"};
        QTest::newRow("all filters Alle, range edges") << "0,0,0,0" << "" << alle;
        QTest::newRow("Rechnung") << "1,0,0,0" << "" << QStringList{"1|1|20", "3|1|13", "4|1|32", "|3|65"};
        QTest::newRow("Angebot") << "4,0,0,0" << "" << QStringList{"1|1|5.5", "|1|5.5"};
        QTest::newRow("payment Bar") << "0,1,0,0" << "" << QStringList{"1|1|20", "2|1|-10", "4|1|32", "|3|42"};
        QTest::newRow("status Gedruckt") << "0,0,3,0" << "" << QStringList{"1|1|20", "|1|20"};
        QTest::newRow("type Kunde1") << "0,0,0,1" << "" << QStringList{"1|2|25.5", "|2|25.5"};
        QTest::newRow("type Kunde2") << "0,0,0,2" << "" << QStringList{"2|1|-10", "|1|-10"};
        QTest::newRow("deleted customer keeps its type") << "0,0,0,3" << "" << QStringList{"4|1|32", "|1|32"};
        QTest::newRow("Firma") << "0,0,0,0" << "ACME" << QStringList{"1|2|25.5", "|2|25.5"};
        QTest::newRow("Name only") << "0,0,0,0" << "Dupont" << QStringList{"2|1|-10", "|1|-10"};
        QTest::newRow("case-sensitive") << "0,0,0,0" << "meier" << QStringList{"|0|0"};
        QTest::newRow("deleted customer's name") << "0,0,0,0" << "Ancien" << QStringList{"4|1|32", "|1|32"};
        QTest::newRow("nothing: total row alone") << "2,0,0,0" << "" << QStringList{"|0|0"};
    }
    void kundenZaehlen()
    {
        QFETCH(QString, filter);
        QFETCH(QString, text);
        QFETCH(QStringList, erwartet);
        std::unique_ptr<KundenStatDialog> d(kundenDialog());
        const QStringList f = filter.split(',');
        d->findChild<QComboBox*>("art")->setCurrentIndex(f[0].toInt());
        d->findChild<QComboBox*>("zahlung")->setCurrentIndex(f[1].toInt());
        d->findChild<QComboBox*>("status")->setCurrentIndex(f[2].toInt());
        d->findChild<QComboBox*>("typ")->setCurrentIndex(f[3].toInt());
        d->findChild<QLineEdit*>("filter")->setText(text);
        maerz(*d);

        const QStandardItemModel* m = d->ergebnis();
        QStringList ist;
        for (int r = 0; r < m->rowCount(); ++r) {
            ist << QStringList{m->index(r, 0).data().toString(), m->index(r, 5).data().toString(),
                               m->index(r, 6).data().toString()}.join('|');
            QCOMPARE(m->index(r, 5).data().typeId(), QMetaType::Int);
            QCOMPARE(m->index(r, 6).data().typeId(), QMetaType::Double);
        }
        QCOMPARE(ist, erwartet);
        const int letzte = m->rowCount() - 1;
        QCOMPARE(m->index(letzte, 1).data().toString(), QString("Summe"));
        QCOMPARE(m->index(letzte, 6).data(Qt::BackgroundRole).value<QBrush>().color(),
                 QColor(Qt::yellow));
        QCOMPARE(d->tabelle()->model()->index(letzte, 6).data(Qt::DisplayRole).toString(),
                 m->index(letzte, 6).data().toString());
    }

    void kundenZeile()
    {
        // The current record for a stored customer (PLZ kept as written), the
        // order's snapshot for a deleted one; without "Summe" no total row.
        std::unique_ptr<KundenStatDialog> d(kundenDialog());
        maerz(*d, false);
        const QStringList z = zeilen(d->ergebnis());
        QCOMPARE(z.size(), 4);
        QCOMPARE(z[0], QString("1|ACME|Meier|Lyon|01234|2|25.5"));
        QCOMPARE(z[3], QString("4|Alt SA|Ancien|Lyon|01234|1|32"));
    }

    void angrenzendeZeitraeume()
    {
        std::unique_ptr<KundenStatDialog> k(kundenDialog());
        std::unique_ptr<ProduktStatDialog> p(produktDialog());
        for (StatistikDialog* d : {static_cast<StatistikDialog*>(k.get()), static_cast<StatistikDialog*>(p.get())}) {
            double teile = 0.0;
            for (const auto& [von, bis] : {std::pair{QDate(2026, 2, 1), QDate(2026, 2, 28)},
                                           {QDate(2026, 3, 1), QDate(2026, 3, 31)},
                                           {QDate(2026, 4, 1), QDate(2026, 4, 30)}}) {
                rechne(*d, von, bis);
                teile += summeDerGesamtzeile(d->ergebnis());
            }
            rechne(*d, QDate(2026, 2, 1), QDate(2026, 4, 30));
            QCOMPARE(teile, summeDerGesamtzeile(d->ergebnis()));
            QCOMPARE(teile, 1160.5);
        }
    }

    void produkte_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("all kinds") << 0
            << QStringList{"|Sonstige|2|6", "10|Zehn|3|30", "9|Neun|2|9", "P1|Stift neu|3|10",
                           "P2|Heft|1|5.5", "|Summe|11|60.5"};
        QTest::newRow("credit note as stored") << 3
            << QStringList{"P1|Stift neu|1|-10", "|Summe|1|-10"};
        QTest::newRow("nothing") << 2 << QStringList{"|Summe|0|0"};
    }
    void produkte()
    {
        QFETCH(int, art);
        QFETCH(QStringList, erwartet);
        std::unique_ptr<ProduktStatDialog> d(produktDialog());
        d->findChild<QComboBox*>("art")->setCurrentIndex(art);
        maerz(*d);
        QCOMPARE(zeilen(d->ergebnis()), erwartet);
        QCOMPARE(d->ergebnis()->index(0, 2).data().typeId(), QMetaType::Int);
        QCOMPARE(d->ergebnis()->index(0, 3).data().typeId(), QMetaType::Double);
    }

    void leseStoreGleich()
    {
        // The statistics' own read returns what the full read returns.
        const QDateTime von(QDate(2026, 2, 1), QTime(0, 0));
        const QDateTime bis(QDate(2026, 4, 30), QTime(23, 59, 59));
        const QList<Auftrag> ganz = auftraege->getAuftraege(von, bis);
        const QList<AuftragsKennzahlen> kurz = auftraege->getAuftraegeFuerStatistik(von, bis, true);
        auto felder = [](const AuftragsKennzahlen& k) {
            QVariantList f{k.Nr, k.Typ, k.Zahlung, k.Status, k.Summe, k.Eingang, k.KundenNr, k.Firma,
                           k.Name, k.PLZ, k.Ort, k.KundenTyp};
            for (const AuftragsLine& l : k.Zeilen)
                f << l.ProduktNr << l.Produkt << l.Anzahl << l.Preis;
            return f;
        };
        QCOMPARE(kurz.size(), ganz.size());
        for (int i = 0; i < ganz.size(); ++i)
            QCOMPARE(felder(kurz[i]), felder(AuftragsKennzahlen::aus(ganz[i])));
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
        // Each bar equals the total of the table computed for that month alone.
        QFETCH(bool, produkte);
        QFETCH(QString, text);
        std::unique_ptr<StatistikDialog> d(produkte ? static_cast<StatistikDialog*>(produktDialog())
                                                    : kundenDialog());
        if (!produkte)
            d->findChild<QLineEdit*>("filter")->setText(text);
        rechne(*d, QDate(2026, 2, 10), QDate(2026, 4, 30));
        const QList<QDate> monate = d->diagramm()->monate();
        const QList<double> werte = d->diagramm()->werte();
        QCOMPARE(monate, (QList<QDate>{{2026, 2, 1}, {2026, 3, 1}, {2026, 4, 1}}));
        QCOMPARE(d->ergebnis()->columnCount(), produkte ? 4 : 7);
        for (int i = 0; i < monate.size(); ++i) {
            rechne(*d, qMax(monate[i], QDate(2026, 2, 10)), monate[i].addMonths(1).addDays(-1));
            QCOMPARE(werte[i], summeDerGesamtzeile(d->ergebnis()));
        }
        QVERIFY(werte[0] != 0.0 || !text.isEmpty());
    }

    void diagrammAlsPng()
    {
        std::unique_ptr<KundenStatDialog> d(kundenDialog());
        maerz(*d);
        d->resize(700, 450);
        dialoge->antworte(env.pfad("umsatz"));
        QVERIFY(d->diagramm()->speichereBild());
        const QImage bild(env.pfad("umsatz.png"));
        QVERIFY(!bild.isNull());
        QVERIFY(bild.width() > 100);
    }

    void kontextMenue_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("signal");
        QTest::addColumn<QStringList>("aktiv");
        const QStringList alle{"Anzeigen", "Zeige Rechnungen", "Neue Rechnung", "Email schreiben"};
        QTest::newRow("show") << 0 << "Anzeigen" << "kundeClicked" << alle;
        QTest::newRow("orders") << 0 << "Zeige Rechnungen" << "listRechnungen" << alle;
        QTest::newRow("new invoice") << 0 << "Neue Rechnung" << "neueRechnung" << alle;
        QTest::newRow("mail") << 0 << "Email schreiben" << "email" << alle;
        QTest::newRow("no address") << 1 << "" << "" << alle.mid(0, 3);
        QTest::newRow("total row") << 4 << "" << "" << QStringList();
    }
    void kontextMenue()
    {
        QFETCH(int, zeile);
        QFETCH(QString, eintrag);
        QFETCH(QString, signal);
        QFETCH(QStringList, aktiv);
        std::unique_ptr<KundenStatDialog> d(kundenDialog());
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d.get()));
        maerz(*d);
        QSignalSpy geklickt(d.get(), &KundenStatDialog::kundeClicked);
        QSignalSpy liste(d.get(), &KundenStatDialog::listRechnungen);
        QSignalSpy neu(d.get(), &KundenStatDialog::neueRechnung);
        QSignalSpy mail(d.get(), &KundenStatDialog::email);
        const QPoint p = d->tabelle()->visualRect(d->ergebnis()->index(zeile, 2)).center();
        MenuAuswahl wahl(eintrag.isEmpty() ? QStringList() : QStringList{eintrag});
        d->view_context(p);
        QCOMPARE(wahl.aktiv, aktiv);
        const QMap<QString, int> anzahl{{"kundeClicked", geklickt.count()}, {"listRechnungen", liste.count()},
                                       {"neueRechnung", neu.count()}, {"email", mail.count()}};
        for (auto it = anzahl.cbegin(); it != anzahl.cend(); ++it)
            QCOMPARE(it.value(), it.key() == signal ? 1 : 0);
        if (signal == "kundeClicked")
            QCOMPARE(geklickt.first().first().toInt(), 1);
        if (signal == "neueRechnung")
            QCOMPARE(neu.first().first().value<Kunde>().Name, QString("Meier"));
    }

    void exportGelesen_data()
    {
        QTest::addColumn<bool>("produkte");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("customers") << false
            << QStringList{"\"KundenNr\",\"Firma\",\"Name\",\"Ort\",\"PLZ\",\"Anzahl\",\"Summe\"",
                           "1,\"ACME\",\"Meier\",\"Lyon\",1234,2,25.5", "2,\"\",\"Dupont\",\"Lyon\",1234,1,-10",
                           "3,\"Intern\",\"Haus\",\"Lyon\",1234,1,13", "4,\"Alt SA\",\"Ancien\",\"Lyon\",1234,1,32",
                           "\"\",\"Summe\",\"\",\"\",\"\",5,60.5"};
        QTest::newRow("products") << true
            << QStringList{"\"ProduktNr\",\"Produkt\",\"Anzahl\",\"Summe\"", "\"\",\"Sonstige\",2,6",
                           "10,\"Zehn\",3,30", "9,\"Neun\",2,9", "\"P1\",\"Stift neu\",3,10",
                           "\"P2\",\"Heft\",1,5.5", "\"\",\"Summe\",11,60.5"};
    }
    void exportGelesen()
    {
        // Written by the export command, read by LibreOffice with text cells
        // quoted: numbers come back unquoted, as numbers.
        QFETCH(bool, produkte);
        QFETCH(QStringList, erwartet);
        std::unique_ptr<StatistikDialog> d(produkte ? static_cast<StatistikDialog*>(produktDialog())
                                                    : kundenDialog());
        maerz(*d);
        const QString datei = env.pfad(produkte ? "produkte.ods" : "kunden.ods");
        dialoge->vergiss();
        dialoge->antworte(datei);
        for (auto* b : d->findChildren<QPushButton*>())
            if (b->text() == "Exportieren")
                QTest::mouseClick(b, Qt::LeftButton);
        QCOMPARE(dialoge->fragen.value(0).titel, QString("Statistik Exportieren"));
        QProcess lo;
        lo.start("soffice", {"-env:UserInstallation=" + QUrl::fromLocalFile(env.pfad("lo")).toString(),
                             "--headless", "--norestore", "--convert-to",
                             "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true", "--outdir",
                             env.pfad("csv"), datei});
        QVERIFY(lo.waitForFinished(120000));
        QFile csv(env.pfad(produkte ? "csv/produkte.csv" : "csv/kunden.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(csv.readAll()).trimmed().split('\n'), erwartet);
    }
};

QTEST_MAIN(TestStatistik)
#include "tst_statistik.moc"
