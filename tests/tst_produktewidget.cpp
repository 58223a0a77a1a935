#include "store/sqlproduktstore.h"
#include "tests/support/menuauswahl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/ascompleter.h"
#include "windows/produktewidget.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QtTest>

// The order-line entry: look-up by number and name, completion, the price
// dialog of unknown products, the line menu and the sum label.
class TestProdukteWidget : public QObject
{
    Q_OBJECT

    Testumgebung env;
    SkriptInteraktion dialoge;
    SqlProduktStore* store = nullptr;
    ProdukteWidget* w = nullptr;

    void tippe(const QString& text, int menge = 1)
    {
        w->mengeBox()->setValue(menge);
        QTest::keyClicks(w->eingabeZeile(), text);
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Return);
    }

    AuftragsLine zeile(int row) const { return w->lines().value(row); }

    void menu(int row, const QStringList& pfad)
    {
        const QRect r = w->tabelle()->visualRect(w->tabelle()->model()->index(row, 2));
        MenuAuswahl wahl(pfad);
        emit w->tabelle()->customContextMenuRequested(r.center());
        QVERIFY(wahl.gezeigt);
    }

private slots:
    void initTestCase()
    {
        env.neueDatenbank();
        store = new SqlProduktStore(this);
        store->createTable();
        Produkt kabel("K-1", "Kabel", 20.0);
        kabel.Desc = "Kupferkabel 3 m";
        QVERIFY(store->addProdukt(kabel));
        QVERIFY(store->addProdukt(Produkt("S-2", "Stecker", 5.5)));
        QVERIFY(store->addProdukt(Produkt("KS-3", "Kabelschuh", 0.25)));
    }

    void cleanupTestCase()
    {
        delete store;
    }

    void init()
    {
        env.leereEinstellungen();
        dialoge.vergiss();
        w = new ProdukteWidget;
        w->setProduktStore(store);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    void cleanup()
    {
        delete w;
        w = nullptr;
    }

    void eingabe_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("menge");
        QTest::addColumn<QString>("nr");
        QTest::addColumn<double>("preis");
        QTest::addColumn<QString>("komentar");
        QTest::newRow("Nummer, Menge 3") << "K-1" << 3 << "K-1" << 60.0 << "Kupferkabel 3 m";
        QTest::newRow("Name, andere Schreibung") << "kabelschuh" << 4 << "KS-3" << 1.0 << "";
    }

    void eingabe()
    {
        QFETCH(QString, text);
        QFETCH(int, menge);
        QFETCH(QString, nr);
        QFETCH(double, preis);
        QFETCH(QString, komentar);
        tippe(text, menge);
        QCOMPARE(w->lines().size(), 1);
        const AuftragsLine l = zeile(0);
        QCOMPARE(QVariantList({l.ProduktNr, l.Anzahl, l.Preis, l.Komentar}),
                 QVariantList({nr, menge, preis, komentar}));
        QVERIFY(dialoge.fragen.isEmpty());
        // The inputs are ready for the next line.
        QCOMPARE(QVariantList({w->mengeBox()->value(), w->eingabeZeile()->text()}),
                 QVariantList({1, QString()}));
    }

    void completer()
    {
        AsCompleter* c = w->completer();
        QTest::keyClicks(w->eingabeZeile(), "kabel");
        QVERIFY(c->listPopup()->isVisible());
        QCOMPARE(c->listPopup()->model()->rowCount(), 2);
        QCOMPARE(c->listPopup()->modelColumn(), 1);  // names are listed, not numbers
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Escape);
        QVERIFY(!c->popupVisible());
        QTest::keyClicks(w->eingabeZeile(), "x");  // "kabelx" matches nothing
        QVERIFY(!c->popupVisible());
        w->eingabeZeile()->clear();
        QTest::keyClicks(w->eingabeZeile(), "steck");
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Backspace);
        QTest::keyClicks(w->eingabeZeile(), "k");
        QVERIFY(c->listPopup()->isVisible());

        // Choosing the name delivers the number, which enters the line.
        w->mengeBox()->setValue(2);
        QListView* liste = c->listPopup();
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Down);
        liste->setCurrentIndex(liste->model()->index(0, 1));
        QTest::keyClick(liste, Qt::Key_Return);
        QVERIFY(!c->popupVisible());
        QCOMPARE(QVariantList({zeile(0).ProduktNr, zeile(0).Preis}), QVariantList({"S-2", 11.0}));

        // Emptying the line by hand keeps it closed.
        QTest::keyClicks(w->eingabeZeile(), "a");
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Backspace);
        QVERIFY(!c->popupVisible());
    }

    void unbekanntesProdukt_data()
    {
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<int>("zeilen");
        QTest::newRow("abgebrochen") << QVariant() << 0;
        QTest::newRow("Preis 12.5") << QVariant(12.5) << 1;
    }

    void unbekanntesProdukt()
    {
        QFETCH(QVariant, antwort);
        QFETCH(int, zeilen);
        dialoge.antworte(antwort);
        tippe("Montage vor Ort", 2);
        QCOMPARE(dialoge.arten(), QStringList{"getDouble"});
        QCOMPARE(w->lines().size(), zeilen);
        if (zeilen)
            QCOMPARE(QVariantList({zeile(0).Produkt, zeile(0).ProduktNr, zeile(0).Preis}),
                     QVariantList({"Montage vor Ort", QString(), 25.0}));
    }

    void mengeAendern_data()
    {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<int>("alt");
        QTest::addColumn<double>("altPreis");
        QTest::addColumn<int>("neu");
        QTest::addColumn<double>("preis");
        QTest::newRow("2 -> 3") << "K-1" << 2 << 40.0 << 3 << 60.0;
        QTest::newRow("Zeile von 20.00, 2 -> 3") << "frei" << 2 << 20.0 << 3 << 30.0;
        QTest::newRow("2 -> 0") << "K-1" << 2 << 40.0 << 0 << 0.0;
        QTest::newRow("0 -> 3, Produkt") << "K-1" << 0 << 0.0 << 3 << 60.0;
        QTest::newRow("0 -> 4, ohne Produkt") << "frei" << 0 << 0.0 << 4 << 0.0;
        QTest::newRow("2 -> -2") << "S-2" << 2 << 11.0 << -2 << -11.0;
    }

    void mengeAendern()
    {
        QFETCH(QString, eingabe);
        QFETCH(int, alt);
        QFETCH(double, altPreis);
        QFETCH(int, neu);
        QFETCH(double, preis);
        Auftrag a;
        AuftragsLine l;
        l.Anzahl = alt;
        l.ProduktNr = eingabe == "frei" ? QString() : eingabe;
        l.Produkt = eingabe;
        l.Preis = altPreis;
        a.Zeilen = {l};
        w->setAuftrag(a);

        dialoge.antworte(neu);
        menu(0, {"Menge ändern"});
        // The price never NaN or infinite.
        QCOMPARE(QVariantList({zeile(0).Anzahl, zeile(0).Preis}), QVariantList({neu, preis}));
    }

    void zeilenMenu()
    {
        tippe("K-1");
        tippe("S-2", 2);
        dialoge.antworte(7.25);
        menu(1, {"Preis ändern"});
        QCOMPARE(zeile(1).Preis, 7.25);
        dialoge.antworte(QString("mit Schirmung"));
        menu(0, {"Komentar ändern"});
        QCOMPARE(zeile(0).Komentar, QString("mit Schirmung"));
        menu(0, {"Preis ändern"});  // cancelled: unchanged
        QCOMPARE(zeile(0).Preis, 20.0);
        menu(0, {"entfernen"});
        QCOMPARE(w->lines().size(), 1);
        QCOMPARE(zeile(0).ProduktNr, QString("S-2"));
        QCOMPARE(w->summe(), 7.25);
    }

    void prozente()
    {
        tippe("K-1", 10);
        tippe("S-2", 10);
        QTest::keyClicks(w->eingabeZeile(), "Rabatt");
        dialoge.antworte(10.0);
        QTest::mouseClick(w->prozentKnopf(), Qt::LeftButton);
        QCOMPARE(QVariantList({zeile(2).Produkt, zeile(2).Preis, zeile(2).Anzahl, w->summe()}),
                 QVariantList({"Rabatt", -25.5, 1, 229.5}));
        QTest::mouseClick(w->prozentKnopf(), Qt::LeftButton);  // cancelled
        QCOMPARE(w->lines().size(), 3);
    }

    void summenLabel_data()
    {
        QTest::addColumn<QVariant>("modus");
        QTest::addColumn<QVariant>("satzWahl");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("betraege");  // net and gross of the line
        QTest::newRow("ohne") << QVariant() << QVariant() << "Summe: 119.60 € ( 100.00 € )"
                              << "100.00 119.60";
        QTest::newRow("Modus 1") << QVariant(1) << QVariant(0) << "Summe: 100.00 € ( 83.61 € )"
                                 << "83.61 100.00";
        QTest::newRow("Modus 2") << QVariant(2) << QVariant(0) << "Summe: 100.00 €" << "100.00 100.00";
        QTest::newRow("Modus 0, Keiner") << QVariant(0) << QVariant(3)
                                         << "Summe: 100.00 € ( 100.00 € )" << "100.00 100.00";
        QTest::newRow("Modus 7 bleibt") << QVariant(7) << QVariant(0) << "vorher" << "100.00 100.00";
    }

    void summenLabel()
    {
        QFETCH(QVariant, modus);
        QFETCH(QVariant, satzWahl);
        QFETCH(QString, text);
        QFETCH(QString, betraege);
        QSettings s;
        if (modus.isValid()) {
            s.setValue("Steuer/Typ", modus);
            s.setValue("Steuer/Satz", satzWahl);
        }
        dialoge.antworte(100.0);
        tippe("Pauschale");
        w->summenLabel()->setText("vorher");
        w->updateSumme();
        QCOMPARE(w->summenLabel()->text(), text);
        QAbstractItemModel* m = w->tabelle()->model();
        QCOMPARE(QString::number(m->index(0, 3).data().toDouble(), 'f', 2) + ' '
                     + QString::number(m->index(0, 4).data().toDouble(), 'f', 2), betraege);
    }
};

QTEST_MAIN(TestProdukteWidget)
#include "tst_produktewidget.moc"
