#include "print/drucker.h"
#include "print/druckerde1.h"
#include "records/codetabellen.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/testumgebung.h"

#include <QtTest>

// Documents of 1 to 70 lines read back word by word with their positions: nothing split that
// belongs together, nothing off the page, the amounts adding up, the same on a fine printer.
class TestBelegseiten : public QObject
{
    Q_OBJECT

    Testumgebung env;

    static constexpr double pt = 72.0 / 25.4;  // points per millimetre

    static Auftrag auftrag(int zeilen, int dienst, bool kommentare)
    {
        Auftrag a = PdfSeiten::beispiel(zeilen);
        a.Dienst = dienst;
        a.Status = AuftragsStatus::Gedruckt;
        for (int i = 1; i <= zeilen; ++i) {
            AuftragsLine& l = a.Zeilen[i - 1];
            l.Anzahl = 1 + i % 4;
            if (i % 9 == 4)  // one word wider than the column
                l.Produkt += " " + QString(80, QChar('W'));
            if (kommentare && i % 3 == 0)
                l.Komentar = QString("Notiz%1 ").arg(i) +
                             QString("mit einem Kommentar über mehrere Zeilen ").repeated(3);
            l.Preis = 1.005 * i + 0.335 * l.Anzahl;  // tax on half cents
        }
        return a;
    }

private slots:
    void initTestCase()
    {
        PdfSeiten::setze({{"Firma/Firma", "Belegwerk SARL"}, {"Firma/Ort", "Lyon"},
                          {"Firma/IBAN", "FR7630001007941234567890185"}});
    }

    void seiten_data()
    {
        QTest::addColumn<bool>("deutsch");
        QTest::addColumn<int>("dienst");
        QTest::addColumn<bool>("kommentare");
        for (int i = 0; i < 8; ++i)
            QTest::addRow("%s %s%s", i & 4 ? "de" : "fr_1", i & 2 ? "service" : "material",
                          i & 1 ? " comments" : "")
                << bool(i & 4) << int(i & 2 ? Auftrag::Schulung : Auftrag::Produkte) << bool(i & 1);
    }

    void seiten()
    {
        QFETCH(bool, deutsch);
        QFETCH(int, dienst);
        QFETCH(bool, kommentare);
        Drucker fr;
        DruckerDE1 de;
        Drucker& d = deutsch ? de : fr;
        const double rechts = (deutsch ? 20 : 15) * pt, links = (deutsch ? 25 : 20) * pt;
        const bool service = dienst == Auftrag::Schulung && !deutsch;
        const QString datei = env.pfad("seiten.pdf"), fein = env.pfad("fein.pdf");
        for (int n = 1; n <= 70; ++n) {
            const QString fall = QString("%1 lines: ").arg(n);
            const Auftrag a = auftrag(n, dienst, kommentare);
            QVERIFY(PdfSeiten::schreibe(d, a, datei));
            const PdfSeiten pdf(datei);
            if (n == 70) {
                QVERIFY(PdfSeiten::schreibe(d, a, fein, QPrinter::HighResolution));
                QCOMPARE(PdfSeiten(fein).text(), pdf.text());
            }
            const int m = pdf.seiten();
            for (int s = 1; s <= m; ++s) {
                const QString nummer = deutsch ? QString("Seite %1 von %2").arg(s).arg(m)
                                               : QString("Page %1 / %2").arg(s).arg(m);
                const QString titel = s > 1 ? (deutsch ? "Rechnung Nr. 1042" : "Nº 1042") : "";
                QVERIFY2(pdf.text(s).contains(nummer) && pdf.text(s).contains(titel),
                         qPrintable(fall + nummer));
            }
            for (const PdfSeiten::Wort& w : pdf.woerter())
                QVERIFY2(w.x2 <= pdf.breite() - rechts + 0.5 && w.x1 >= links - 0.5,
                         qPrintable(fall + w.text + " outside the margins"));

            // Comments below their line on its page; a header on each page.
            qint64 netto = 0;
            for (int i = 1; i <= n; ++i) {
                const int w = pdf.finde(QString("Artikel%1").arg(i));
                QVERIFY2(w >= 0 && !pdf.betraege(w).isEmpty(), qPrintable(fall + QString::number(i)));
                const PdfSeiten::Wort& zeile = pdf.woerter()[w];
                const int notiz = pdf.finde(QString("Notiz%1").arg(i));
                QCOMPARE(notiz >= 0, kommentare && i % 3 == 0);
                QVERIFY(notiz < 0 || (pdf.woerter()[notiz].seite == zeile.seite &&
                                      pdf.woerter()[notiz].y1 > zeile.y1));
                QVERIFY2(pdf.text(zeile.seite).contains(deutsch ? "Menge Produkt" : "Réf. Produit"),
                         qPrintable(fall + "header"));
                netto += pdf.betraege(w).last();  // the line's net
            }

            // The totals: one page; the net the sum of the printed lines, gross = net + VAT.
            const int total = pdf.finde(deutsch ? "Summe" : "TTC", true);
            const qint64 brutto = total >= 0 ? pdf.betraege(total).last() : -1;
            const int ende = pdf.finde(deutsch ? "ohne" : "anticipé.", true);
            QVERIFY2(ende > total, qPrintable(fall + "payment terms"));
            QCOMPARE(pdf.woerter()[ende].seite, pdf.woerter()[total].seite);
            const int basis = pdf.finde(deutsch ? "Netto" : "Base", true);
            if (!service) {
                QVERIFY(basis >= 0);
                QCOMPARE(pdf.woerter()[basis].seite, pdf.woerter()[total].seite);
                QCOMPARE(pdf.betraege(basis).last(), netto);
                QCOMPARE(netto + pdf.betraege(pdf.finde(deutsch ? "MwSt" : "TVA", true)).last(), brutto);
            } else {
                QCOMPARE(brutto, netto);
            }

            // The recipient in the address window of page one.
            const PdfSeiten::Wort& name = pdf.woerter()[pdf.finde("ACME")];
            QCOMPARE(name.seite, 1);
            QVERIFY(deutsch ? name.x1 >= 20 * pt && name.x2 <= 105 * pt &&
                                  name.y1 >= 62.7 * pt - 0.5 && name.y2 <= 90 * pt
                            : qAbs(name.x1 - 100 * pt) < 1.0 && name.y1 >= 40 * pt);
        }
    }
};

QTEST_MAIN(TestBelegseiten)
#include "tst_belegseiten.moc"
