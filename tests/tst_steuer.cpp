#include "print/steuer.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/testumgebung.h"
#include "windows/produktewidget.h"

#include <QtTest>
#include <QtWidgets>

// The tax rule set under each combination of the settings keys, as the order
// dialog's line columns and sum label show it.
class TestSteuer : public QObject
{
    Q_OBJECT

    Testumgebung env;

private slots:
    void summe_data()
    {
        QTest::addColumn<QVariantMap>("einstellungen");
        QTest::addColumn<double>("preis");
        QTest::addColumn<QStringList>("regel");  // rate, net, tax and gross of the price
        QTest::addColumn<QString>("summe");
        const auto zeile = [](const char* name, const QVariantMap& e, double preis,
                              const QStringList& regel, const QString& summe) {
            QTest::newRow(name) << e << preis << regel << summe;
        };
        const QString zwei = "Summe: %1 € ( %2 € )";
        zeile("net stored", {}, 100, {"0.196", "100.00", "19.60", "119.60"}, zwei.arg("119.60", "100.00"));
        zeile("gross stored", {{"Steuer/Typ", 1}, {"Steuer/Satz", 0}}, 100,
              {"0.196", "83.61", "16.39", "100.00"}, zwei.arg("100.00", "83.61"));
        zeile("no tax", {{"Steuer/Typ", 2}, {"Steuer/Satz A", 0.5}}, 80, {"0.5", "80.00", "0.00", "80.00"},
              "Summe: 80.00 €");
        zeile("no rate", {{"Steuer/Typ", 0}, {"Steuer/Satz", 3}}, 100, {"0", "100.00", "0.00", "100.00"},
              zwei.arg("100.00", "100.00"));
        zeile("credit note stays negative", {{"Steuer/Typ", 1}}, -119.6,
              {"0.196", "-100.00", "-19.60", "-119.60"}, zwei.arg("-119.60", "-100.00"));
        zeile("rate nan", {{"Steuer/Satz A", "nan"}, {"Steuer/Typ", 1}}, 10, {"0", "10.00", "0.00", "10.00"},
              zwei.arg("10.00", "10.00"));
        zeile("unknown mode keeps the label", {{"Steuer/Typ", 7}}, 10, {"0.196", "10.00", "0.00", "10.00"},
              "vorher");
    }

    void summe()
    {
        QFETCH(QVariantMap, einstellungen);
        QFETCH(double, preis);
        QFETCH(QStringList, regel);
        env.leereEinstellungen();
        PdfSeiten::setze(einstellungen);
        Auftrag a;
        AuftragsLine l;
        l.Anzahl = 1;
        l.Preis = preis;
        a.Zeilen << l;
        ProdukteWidget w;
        w.summenLabel()->setText("vorher");
        w.setAuftrag(a);
        QTEST(w.summenLabel()->text(), "summe");
        const auto f = [](double x) { return QString::number(x, 'f', 2); };
        const double r = Steuer::satz();
        const int m = Steuer::modus();
        QCOMPARE((QStringList{QString::number(r), f(Steuer::netto(preis, m, r)),
                              f(Steuer::steuer(preis, m, r)), f(Steuer::brutto(preis, m, r))}),
                 regel);
        // The line's net and gross columns.
        const QAbstractItemModel* z = w.tabelle()->model();
        QCOMPARE((QStringList{f(z->index(0, 3).data().toDouble()), f(z->index(0, 4).data().toDouble())}),
                 (QStringList{regel[1], regel[3]}));
    }
};

QTEST_MAIN(TestSteuer)
#include "tst_steuer.moc"
