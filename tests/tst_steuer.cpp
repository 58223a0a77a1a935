#include "print/belegbetraege.h"
#include "print/steuer.h"
#include "records/codetabellen.h"
#include "windows/produktewidget.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/testumgebung.h"

#include <QLabel>
#include <QSettings>
#include <QtTest>

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
        const auto zeile = [&](const char* name, const QVariantMap& e, double preis, double satz,
                               const char* n, const char* st, const char* b, const QString& summe) {
            QTest::newRow(name) << e << preis << satz << n << st << b << summe;
        };
        // The usual modes and rates are checked on the printed documents.
        zeile("keine steuer", {{"Steuer/Typ", 2}, {"Steuer/Satz A", 0.5}}, 80, 0.5, "80.00",
              "0.00", "80.00", "Summe: 80.00 €");
        zeile("beide", {{"Steuer/Satz", 2}}, 50, 0, "50.00", "0.00", "50.00",
              zwei.arg("50.00", "50.00"));
        zeile("gutschrift bleibt negativ", {{"Steuer/Typ", 1}}, -119.6, 0.196, "-100.00",
              "-19.60", "-119.60", zwei.arg("-119.60", "-100.00"));
        zeile("satz nan", {{"Steuer/Satz A", "nan"}, {"Steuer/Typ", 1}}, 10, 0, "10.00", "0.00",
              "10.00", zwei.arg("10.00", "10.00"));
        zeile("satz -100 %", {{"Steuer/Satz A", -1.0}, {"Steuer/Typ", 1}}, 10, 0, "10.00",
              "0.00", "10.00", zwei.arg("10.00", "10.00"));
        zeile("unbekannter modus", {{"Steuer/Typ", 7}}, 10, 0.196, "10.00", "0.00", "10.00",
              QString());
    }

    void regeln()
    {
        QFETCH(QVariantMap, einstellungen);
        QFETCH(double, preis);
        env.leereEinstellungen();
        PdfSeiten::setze(einstellungen);

        const double r = Steuer::satz();
        QTEST(r, "satz");
        const int m = Steuer::modus();
        QTEST(Steuer::betrag(Steuer::netto(preis, m, r)), "netto");
        QTEST(Steuer::betrag(Steuer::steuer(preis, m, r)), "steuer");
        QTEST(Steuer::betrag(Steuer::brutto(preis, m, r)), "brutto");
        Auftrag a;  // the sum label of an order of one such line
        a.Zeilen << AuftragsLine();
        a.Zeilen[0].Preis = preis;
        QTEST(Belegbetraege(a).summenText(), "summe");
    }

    // Rounded, not grouped, negative.
    void betragFormat()
    {
        QStringList texte;
        for (double wert : {2.675001, 1234567.5, -0.5})
            texte << Steuer::betrag(wert) << Belegbetraege::betrag(Belegbetraege::cent(wert));
        QCOMPARE(texte, (QStringList{"2.68", "2.68", "1234567.50", "1234567.50", "-0.50", "-0.50"}));
    }

    // The order dialog's sum label shows the totals of the document it prints.
    void summeWieBeleg_data()
    {
        QTest::addColumn<QVariantMap>("einstellungen");
        QTest::addColumn<int>("dienst");
        QTest::addColumn<int>("kundenTyp");
        QTest::addColumn<QString>("summe");
        const int m = Auftrag::Produkte, s = Auftrag::Schulung;
        QTest::newRow("cents of the lines") << QVariantMap() << m << 0 << "Summe: 0.45 € ( 0.39 € )";
        QTest::newRow("service: exempt") << QVariantMap() << s << 0 << "Summe: 0.39 €";
        QTest::newRow("internal customer")
            << QVariantMap{{"Steuer/Typ", 1}} << m << int(KundenTyp::Intern) << "Summe: 0.39 €";
        QTest::newRow("intra-community, gross stored")
            << QVariantMap{{"Steuer/Typ", 1}, {"Steuer/Satz A", 0.25}} << m
            << int(KundenTyp::Kunde2) << "Summe: 0.30 €";
        QTest::newRow("german layout, service taxed")
            << QVariantMap{{"Rechnung/Layout", 0}, {"Steuer/Satz A", 10}} << s << 0
            << "Summe: 0.42 € ( 0.39 € )";
    }

    void summeWieBeleg()
    {
        QFETCH(QVariantMap, einstellungen);
        env.leereEinstellungen();
        PdfSeiten::setze(einstellungen);
        Auftrag a;
        QFETCH(int, dienst);
        QFETCH(int, kundenTyp);
        a.Dienst = dienst;
        a.Kunde.Typ = kundenTyp;
        AuftragsLine l;
        l.Anzahl = 1;
        l.Preis = 0.125;
        a.Zeilen = {l, l, l};
        ProdukteWidget w;
        w.setAuftrag(a);
        QStringList texte;
        for (const QLabel* l : w.findChildren<QLabel*>())
            texte << l->text();
        QFETCH(QString, summe);
        QVERIFY2(texte.contains(summe), qPrintable(texte.join(" | ")));
    }
};

QTEST_MAIN(TestSteuer)
#include "tst_steuer.moc"
