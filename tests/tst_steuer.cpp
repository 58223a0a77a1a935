#include "print/belegbetraege.h"
#include "print/steuer.h"
#include "records/codetabellen.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/testumgebung.h"
#include "windows/produktewidget.h"

#include <QtTest>
#include <QtWidgets>

// The tax rule set under each combination of the settings keys, and the order
// dialog's sum label, which shows the totals of the document it prints.
class TestSteuer : public QObject
{
    Q_OBJECT

    Testumgebung env;

private slots:
    void summe_data()
    {
        QTest::addColumn<QVariantMap>("einstellungen");
        QTest::addColumn<QVariantMap>("beleg");  // one line of "Preis", else three lines of 0.125
        QTest::addColumn<QStringList>("regel");  // rate, net, tax and gross of the price
        QTest::addColumn<QString>("summe");
        const auto zeile = [](const char* name, const QVariantMap& e, const QVariantMap& b,
                              const QStringList& regel, const QString& summe) {
            QTest::newRow(name) << e << b << regel << summe;
        };
        const QString zwei = "Summe: %1 € ( %2 € )";
        const QVariantMap brutto{{"Steuer/Typ", 1}}, zehn{{"Preis", 10}}, hundert{{"Preis", 100}};
        zeile("net stored", {}, hundert, {"0.196", "100.00", "19.60", "119.60"},
              zwei.arg("119.60", "100.00"));
        zeile("gross stored", {{"Steuer/Typ", 1}, {"Steuer/Satz", 0}}, hundert,
              {"0.196", "83.61", "16.39", "100.00"}, zwei.arg("100.00", "83.61"));
        zeile("no tax", {{"Steuer/Typ", 2}, {"Steuer/Satz A", 0.5}}, {{"Preis", 80}},
              {"0.5", "80.00", "0.00", "80.00"}, "Summe: 80.00 €");
        zeile("no rate", {{"Steuer/Typ", 0}, {"Steuer/Satz", 3}}, hundert,
              {"0", "100.00", "0.00", "100.00"}, zwei.arg("100.00", "100.00"));
        zeile("both rates", {{"Steuer/Satz", 2}}, {{"Preis", 50}}, {"0", "50.00", "0.00", "50.00"},
              zwei.arg("50.00", "50.00"));
        zeile("credit note stays negative", brutto, {{"Preis", -119.6}},
              {"0.196", "-100.00", "-19.60", "-119.60"}, zwei.arg("-119.60", "-100.00"));
        zeile("rate nan", {{"Steuer/Satz A", "nan"}, {"Steuer/Typ", 1}}, zehn,
              {"0", "10.00", "0.00", "10.00"}, zwei.arg("10.00", "10.00"));
        zeile("rate -100 %", {{"Steuer/Satz A", -1.0}, {"Steuer/Typ", 1}}, zehn,
              {"0", "10.00", "0.00", "10.00"}, zwei.arg("10.00", "10.00"));
        zeile("unknown mode keeps the label", {{"Steuer/Typ", 7}}, zehn,
              {"0.196", "10.00", "0.00", "10.00"}, "vorher");
        // The totals are the sums of the lines' cents, as printed.
        zeile("cents of the lines", {}, {}, {}, zwei.arg("0.45", "0.39"));
        zeile("service: exempt", {}, {{"Dienst", Auftrag::Schulung}}, {}, "Summe: 0.39 €");
        zeile("internal customer", brutto, {{"KundenTyp", KundenTyp::Intern}}, {}, "Summe: 0.39 €");
        zeile("intra-community, gross stored", {{"Steuer/Typ", 1}, {"Steuer/Satz A", 0.25}},
              {{"KundenTyp", KundenTyp::Kunde2}}, {}, "Summe: 0.30 €");
        zeile("german layout, service taxed", {{"Rechnung/Layout", 0}, {"Steuer/Satz A", 10}},
              {{"Dienst", Auftrag::Schulung}}, {}, zwei.arg("0.42", "0.39"));
    }

    void summe()
    {
        QFETCH(QVariantMap, einstellungen);
        QFETCH(QVariantMap, beleg);
        QFETCH(QStringList, regel);
        QFETCH(QString, summe);
        env.leereEinstellungen();
        PdfSeiten::setze(einstellungen);
        Auftrag a;
        a.Dienst = beleg.value("Dienst", a.Dienst).toInt();
        a.Kunde.Typ = beleg.value("KundenTyp", a.Kunde.Typ).toInt();
        AuftragsLine l;
        l.Anzahl = 1;
        l.Preis = beleg.value("Preis", 0.125).toDouble();
        a.Zeilen = beleg.contains("Preis") ? QList<AuftragsLine>{l} : QList<AuftragsLine>{l, l, l};
        ProdukteWidget w;
        w.summenLabel()->setText("vorher");
        w.setAuftrag(a);
        QCOMPARE(w.summenLabel()->text(), summe);
        if (regel.isEmpty())
            return;
        const double p = l.Preis, r = Steuer::satz();
        const int m = Steuer::modus();
        QCOMPARE((QStringList{QString::number(r), Steuer::betrag(Steuer::netto(p, m, r)),
                              Steuer::betrag(Steuer::steuer(p, m, r)),
                              Steuer::betrag(Steuer::brutto(p, m, r))}),
                 regel);
        // The line's net and gross columns.
        const QAbstractItemModel* z = w.tabelle()->model();
        QCOMPARE((QStringList{Steuer::betrag(z->index(0, 3).data().toDouble()),
                              Steuer::betrag(z->index(0, 4).data().toDouble())}),
                 (QStringList{regel[1], regel[3]}));
    }

    // Rounded, not grouped, negative.
    void betragFormat()
    {
        QStringList texte;
        for (double wert : {2.675001, 1234567.5, -0.5})
            texte << Steuer::betrag(wert) << Belegbetraege::betrag(Belegbetraege::cent(wert));
        QCOMPARE(texte, (QStringList{"2.68", "2.68", "1234567.50", "1234567.50", "-0.50", "-0.50"}));
    }
};

QTEST_MAIN(TestSteuer)
#include "tst_steuer.moc"
