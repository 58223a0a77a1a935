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
        QTest::addColumn<QStringList>("regel");  // rate, net, tax and gross of a line of 100
        QTest::addColumn<QString>("summe");
        QTest::newRow("net stored") << QVariantMap() << QStringList{"0.196", "100.00", "19.60", "119.60"}
                                    << QString("Summe: 119.60 € ( 100.00 € )");
        QTest::newRow("gross stored") << QVariantMap{{"Steuer/Typ", 1}}
                                      << QStringList{"0.196", "83.61", "16.39", "100.00"}
                                      << QString("Summe: 100.00 € ( 83.61 € )");
        QTest::newRow("unknown mode keeps the label") << QVariantMap{{"Steuer/Typ", 7}}
                                                      << QStringList{"0.196", "100.00", "0.00", "100.00"}
                                                      << QString("vorher");
    }

    void summe()
    {
        QFETCH(QVariantMap, einstellungen);
        QFETCH(QStringList, regel);
        env.leereEinstellungen();
        PdfSeiten::setze(einstellungen);
        Auftrag a;
        AuftragsLine l;
        l.Anzahl = 1;
        l.Preis = 100;
        a.Zeilen << l;
        ProdukteWidget w;
        w.summenLabel()->setText("vorher");
        w.setAuftrag(a);
        QTEST(w.summenLabel()->text(), "summe");
        const auto f = [](double x) { return QString::number(x, 'f', 2); };
        const double r = Steuer::satz(), preis = l.Preis;
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
