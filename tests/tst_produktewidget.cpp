#include "platform/qtinteraktion.h"
#include "print/steuer.h"
#include "store/sqlproduktstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/menuauswahl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/ascompleter.h"
#include "windows/produktewidget.h"

#include <QtTest>
#include <QtWidgets>

#include <tuple>

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
        Produkt stecker("S-2", "Stecker", 5.5);
        std::tie(stecker.Kategorie, stecker.Satz) = std::make_tuple("S", 5.5);
        QVERIFY(store->addProdukt(stecker));
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
    }

    // A known product by number or name, an unknown one priced in a dialog.
    void eingabe_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("menge");
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<QVariantList>("zeile");  // number, quantity, price, comment, name
        QTest::newRow("Nummer, Menge 3")
            << "K-1" << 3 << QVariant() << QVariantList{"K-1", 3, 60.0, "Kupferkabel 3 m", "Kabel"};
        QTest::newRow("Name, andere Schreibung")
            << "kabelschuh" << 4 << QVariant() << QVariantList{"KS-3", 4, 1.0, "", "Kabelschuh"};
        QTest::newRow("unbekannt, abgebrochen") << "Montage vor Ort" << 2 << QVariant() << QVariantList();
        QTest::newRow("unbekannt, Preis 45.50") << "Montage vor Ort" << 2 << QVariant("45.50")
                                                << QVariantList{"", 2, 91.0, "", "Montage vor Ort"};
        QTest::newRow("unbekannt, Preis 24,90 €") << "Montage vor Ort" << 1 << QVariant("24,90 €")
                                                  << QVariantList{"", 1, 24.9, "", "Montage vor Ort"};
        // Refused by the box: OK stays disabled, so the user can only cancel.
        QTest::newRow("unbekannt, 1.234,56") << "Montage vor Ort" << 1 << QVariant(QStringList{"1.234,56"})
                                             << QVariantList();
    }

    void eingabe()
    {
        QFETCH(QString, text);
        QFETCH(QVariantList, zeile);
        QFETCH(QVariant, antwort);
        const bool unbekannt = text.contains(' ');
        if (antwort.typeId() == QMetaType::QStringList)
            dialoge.antworteUnlesbar(antwort.toStringList().value(0));
        else if (unbekannt)
            dialoge.antworte(antwort);
        QFETCH(int, menge);
        tippe(text, menge);
        QCOMPARE(dialoge.arten(), unbekannt ? QStringList{"getCheckedText"} : QStringList());
        QCOMPARE(w->lines().size(), zeile.isEmpty() ? 0 : 1);
        const AuftragsLine l = this->zeile(0);
        if (!zeile.isEmpty())
            QCOMPARE(QVariantList({l.ProduktNr, l.Anzahl, l.Preis, l.Komentar, l.Produkt}), zeile);
        // The inputs are ready for the next line.
        QCOMPARE(QVariantList({w->mengeBox()->value(), w->eingabeZeile()->text()}),
                 QVariantList({1, QString()}));
    }

    void completer()
    {
        AsCompleter* c = w->completer();
        QListView* liste = c->listPopup();
        QTest::keyClicks(w->eingabeZeile(), "kabel");
        QCOMPARE(QVariantList({liste->isVisible(), liste->model()->rowCount(), liste->modelColumn()}),
                 QVariantList({true, 2, 1}));  // names are listed, not numbers
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Escape);
        QVERIFY(!c->popupVisible());
        QTest::keyClicks(w->eingabeZeile(), "x");  // "kabelx" matches nothing
        QVERIFY(!c->popupVisible());
        w->eingabeZeile()->clear();
        QTest::keyClicks(w->eingabeZeile(), "steck");

        // Choosing the name delivers the number, which enters the line.
        w->mengeBox()->setValue(2);
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Down);
        liste->setCurrentIndex(liste->model()->index(0, 1));
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(QVariantList({c->popupVisible(), zeile(0).ProduktNr, zeile(0).Preis}),
                 QVariantList({false, "S-2", 11.0}));

        // Emptying the line by hand keeps it closed.
        QTest::keyClicks(w->eingabeZeile(), "a");
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Backspace);
        QVERIFY(!c->popupVisible());
    }

    void zeilenMenu()
    {
        tippe("K-1", 10);
        tippe("S-2", 10);
        QTest::keyClicks(w->eingabeZeile(), "Rabatt");
        dialoge.antworte("10");
        QTest::mouseClick(w->prozentKnopf(), Qt::LeftButton);
        // One reduction per rate: the cable's rate from the settings, the plug's 5.5 %.
        QCOMPARE(QVariantList({zeile(2).Produkt, zeile(2).Preis, zeile(2).Anzahl, zeile(2).Kategorie,
                               zeile(3).Preis, zeile(3).Satz, w->summe()}),
                 QVariantList({"Rabatt", -20.0, 1, "", -5.5, 5.5, 229.5}));
        QTest::mouseClick(w->prozentKnopf(), Qt::LeftButton);  // cancelled
        QCOMPARE(w->lines().size(), 4);
        menu(3, {"entfernen"});

        dialoge.antworte("45.50");
        menu(1, {"Preis ändern"});
        dialoge.antworte(QString("mit Schirmung"));
        menu(0, {"Komentar ändern"});
        menu(0, {"Preis ändern"});  // cancelled: unchanged
        QCOMPARE(QVariantList({zeile(0).Komentar, zeile(0).Preis, zeile(1).Preis}),
                 QVariantList({"mit Schirmung", 200.0, 45.5}));
        // A quantity scales the line's own price; from 0 the product's price applies, never NaN.
        for (const auto& [row, menge] : QList<std::pair<int, int>>{{1, 20}, {0, 0}, {0, 3}, {2, 0}, {2, 4}}) {
            dialoge.antworte(menge);
            menu(row, {"Menge ändern"});
        }
        QCOMPARE(QVariantList({zeile(0).Preis, zeile(1).Preis, zeile(2).Preis, zeile(2).Anzahl}),
                 QVariantList({60.0, 91.0, 0.0, 4}));
        menu(0, {"entfernen"});
        QCOMPARE(QVariantList({w->lines().size(), zeile(0).ProduktNr, w->summe()}),
                 QVariantList({2, "S-2", 91.0}));
        // The line takes the product's VAT and changes it through the menu.
        QCOMPARE(QVariantList({zeile(0).Kategorie, zeile(0).Satz, zeile(1).Kategorie}), QVariantList({"S", 5.5, ""}));
        dialoge.antworte(int(Steuer::auswahl(false).size() - 1));  // the last: exempt training
        menu(0, {"MwSt ändern"});
        QCOMPARE(QVariantList({zeile(0).Kategorie, zeile(0).Satz}), QVariantList({"E", 0.0}));
        // Decimal quantities to the third decimal; the line total rounded to cents; the unit from the list.
        for (const char* menge : {"1,5", "0.333"}) {
            dialoge.antworte(QString(menge));
            menu(0, {"Menge ändern"});
        }
        dialoge.antworte(3);  // Stück, Stunde, Tag, kg
        menu(0, {"Einheit ändern"});
        // 91.00 for 20: 4.55 each, kept through 1.5 (6.83) to 0.333 (1.52).
        QCOMPARE(QVariantList({zeile(0).Anzahl, zeile(0).Preis, zeile(0).Einheit}),
                 QVariantList({0.333, 1.52, "kg"}));
    }

    // The boxes a user sees read "," and "." alike under a German locale, show the amount
    // stored, and keep OK disabled, with a hint, for what they cannot read.
    void preisBoxenOhneLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QtInteraktion qt;
        Interaktion::install(&qt);
        QStringList gesehen;
        const auto antworte = [&gesehen](const QString& getippt) {
            return [&gesehen, getippt](QDialog* d) {
                auto* feld = d->findChild<QLineEdit*>();
                QPushButton* ok = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
                gesehen << feld->text();
                feld->setText("1.234,56");
                gesehen << QString::number(ok->isEnabled());
                feld->setText(getippt);
                ok->click();
            };
        };
        mitDialog([this] { tippe("Montage vor Ort"); }, antworte("45.50"));
        mitDialog([this] { menu(0, {"Preis ändern"}); }, antworte("24,90"));
        Interaktion::install(&dialoge);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(gesehen, (QStringList{"0.00", "0", "45.50", "0"}));
        QCOMPARE(zeile(0).Preis, 24.9);
    }
};

QTEST_MAIN(TestProdukteWidget)
#include "tst_produktewidget.moc"
