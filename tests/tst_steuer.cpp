#include "print/steuer.h"
#include "tests/support/testumgebung.h"

#include <QSettings>
#include <QtTest>

#include <cmath>

// The tax rule set under each combination of the four settings keys.
class TestSteuer : public QObject
{
    Q_OBJECT

    Testumgebung env;

private slots:
    void regeln_data()
    {
        QTest::addColumn<QVariantMap>("einstellungen");
        QTest::addColumn<double>("preis");
        QTest::addColumn<double>("satz");
        QTest::addColumn<QString>("netto");
        QTest::addColumn<QString>("steuer");
        QTest::addColumn<QString>("brutto");
        QTest::addColumn<QString>("summe");

        const QString zwei = "Summe: %1 € ( %2 € )";
        QTest::newRow("nichts gespeichert") << QVariantMap() << 100.0 << 0.196 << "100.00"
                                            << "19.60" << "119.60" << zwei.arg("119.60", "100.00");
        QTest::newRow("netto-modus") << QVariantMap{{"Steuer/Typ", 1}} << 119.6 << 0.196
                                     << "100.00" << "19.60" << "119.60"
                                     << zwei.arg("119.60", "100.00");
        QTest::newRow("keine steuer") << QVariantMap{{"Steuer/Typ", 2}, {"Steuer/Satz A", 0.5}}
                                      << 80.0 << 0.5 << "80.00" << "0.00" << "80.00"
                                      << "Summe: 80.00 €";
        QTest::newRow("satz b") << QVariantMap{{"Steuer/Satz", 1}, {"Steuer/Satz B", 0.07}}
                                << 200.0 << 0.07 << "200.00" << "14.00" << "214.00"
                                << zwei.arg("214.00", "200.00");
        QTest::newRow("negativer wahlwert nimmt a")
            << QVariantMap{{"Steuer/Satz", -4}, {"Steuer/Satz A", 0.1}} << 10.0 << 0.1 << "10.00"
            << "1.00" << "11.00" << zwei.arg("11.00", "10.00");
        QTest::newRow("beide") << QVariantMap{{"Steuer/Satz", 2}} << 50.0 << 0.0 << "50.00"
                               << "0.00" << "50.00" << zwei.arg("50.00", "50.00");
        QTest::newRow("keiner, netto-modus")
            << QVariantMap{{"Steuer/Satz", 3}, {"Steuer/Typ", 1}} << 50.0 << 0.0 << "50.00"
            << "0.00" << "50.00" << zwei.arg("50.00", "50.00");
        QTest::newRow("leerer auftrag") << QVariantMap() << 0.0 << 0.196 << "0.00" << "0.00"
                                        << "0.00" << zwei.arg("0.00", "0.00");
        QTest::newRow("gutschrift bleibt negativ")
            << QVariantMap{{"Steuer/Typ", 1}} << -119.6 << 0.196 << "-100.00" << "-19.60"
            << "-119.60" << zwei.arg("-119.60", "-100.00");
        QTest::newRow("satz als text") << QVariantMap{{"Steuer/Satz A", "neunzehn"}} << 10.0
                                       << 0.0 << "10.00" << "0.00" << "10.00"
                                       << zwei.arg("10.00", "10.00");
        QTest::newRow("satz nan") << QVariantMap{{"Steuer/Satz A", "nan"}, {"Steuer/Typ", 1}}
                                  << 10.0 << 0.0 << "10.00" << "0.00" << "10.00"
                                  << zwei.arg("10.00", "10.00");
        QTest::newRow("satz -100 %") << QVariantMap{{"Steuer/Satz A", -1.0}, {"Steuer/Typ", 1}}
                                     << 10.0 << 0.0 << "10.00" << "0.00" << "10.00"
                                     << zwei.arg("10.00", "10.00");
        QTest::newRow("unbekannter modus") << QVariantMap{{"Steuer/Typ", 7}} << 10.0 << 0.196
                                           << "10.00" << "0.00" << "10.00" << QString();
    }

    void regeln()
    {
        QFETCH(QVariantMap, einstellungen);
        QFETCH(double, preis);
        env.leereEinstellungen();
        QSettings s;
        for (auto it = einstellungen.cbegin(); it != einstellungen.cend(); ++it)
            s.setValue(it.key(), it.value());

        const double r = Steuer::satz();
        QTEST(r, "satz");
        const int m = Steuer::modus();
        QTEST(Steuer::betrag(Steuer::netto(preis, m, r)), "netto");
        QTEST(Steuer::betrag(Steuer::steuer(preis, m, r)), "steuer");
        QTEST(Steuer::betrag(Steuer::brutto(preis, m, r)), "brutto");
        // Net and tax of a line make up its gross before any rounding.
        QVERIFY(std::abs(Steuer::netto(preis, m, r) + Steuer::steuer(preis, m, r) -
                         Steuer::brutto(preis, m, r)) < 1e-9);
        QTEST(Steuer::summenText(preis), "summe");
    }

    void betragFormat_data()
    {
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text");
        QTest::newRow("rundet") << 2.675001 << "2.68";
        QTest::newRow("keine gruppierung") << 1234567.5 << "1234567.50";
        QTest::newRow("negativ") << -0.5 << "-0.50";
    }

    void betragFormat()
    {
        QFETCH(double, wert);
        QTEST(Steuer::betrag(wert), "text");
    }
};

QTEST_MAIN(TestSteuer)
#include "tst_steuer.moc"
