#include "print/drucker.h"
#include "print/druckerde1.h"
#include "print/layouts.h"
#include "records/codetabellen.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/testumgebung.h"

#include <QPrinter>
#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

// Renders orders to PDF and reads the pages back as a customer would see them.
class TestDrucker : public QObject
{
    Q_OBJECT

    Testumgebung env;
    int m_dateien = 0;

    static Auftrag beispiel(int zeilen = 2) { return PdfSeiten::beispiel(zeilen); }

    QString pdf(Drucker& d, const Auftrag& a,
                QPrinter::PrinterMode modus = QPrinter::ScreenResolution)
    {
        const QString datei = env.pfad(QString("beleg%1.pdf").arg(++m_dateien));
        return PdfSeiten::schreibe(d, a, datei, modus) ? datei : QString();
    }

    // The words of all pages in drawing order, joined by single spaces.
    static QString text(const QString& datei) { return PdfSeiten(datei).text(); }

    static void setze(const QVariantMap& werte) { PdfSeiten::setze(werte); }

    // The texts of the current data row's "erwartet" are in t, those of "fehlt" not.
    static void pruefe(const QString& t)
    {
        QFETCH(QStringList, erwartet);
        for (const QString& e : erwartet)
            QVERIFY2(t.contains(e), qPrintable(QString("missing \"%1\" in:\n%2").arg(e, t)));
        QFETCH(QStringList, fehlt);
        for (const QString& f : fehlt)
            QVERIFY2(!t.contains(f), qPrintable(f + " in " + t));
    }

    static void keinUnsinn(const QString& text)
    {
        QVERIFY2(!text.contains(QRegularExpression("\\b(inf|nan)\\b",
                                                   QRegularExpression::CaseInsensitiveOption)),
                 qPrintable(text));
    }

private slots:
    void init() { env.leereEinstellungen(); }

    // Amounts under every tax mode, rate and customer type, in both layouts.
    void betraege_data()
    {
        QTest::addColumn<bool>("deutsch");
        QTest::addColumn<int>("dienst");
        QTest::addColumn<int>("kundenTyp");
        QTest::addColumn<QVariantMap>("einstellungen");
        QTest::addColumn<QVariant>("preise");  // none: the two sample lines
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<QStringList>("fehlt");
        const QVariantMap brutto{{"Steuer/Typ", 1}, {"Steuer/Satz A", 0.25}};
        const int m = Auftrag::Produkte;
        QTest::newRow("net stored") << false << m << 0 << QVariantMap() << QVariant()
            << QStringList{"Prix Net € TVA 19.6% €", "R1 Artikel1 2 100.00 19.60 119.60",
                           "Base TVA 19.6% 300.00", "TVA 19.6% 58.80", "Total TTC 358.80"}
            << QStringList();
        QTest::newRow("gross stored") << false << m << 0 << brutto << QVariant()
            << QStringList{"R1 Artikel1 2 80.00 20.00 100.00", "Base TVA 25% 240.00",
                           "TVA 25% 60.00", "Total TTC 300.00"} << QStringList();
        QTest::newRow("half cents: totals are sums of the lines")
            << false << m << 0 << QVariantMap() << QVariant(QVariantList{0.125, 0.125, 0.125})
            << QStringList{"0.13 0.02 0.15", "Base TVA 19.6% 0.39", "TVA 19.6% 0.06",
                           "Total TTC 0.45"} << QStringList();
        QTest::newRow("no lines") << false << m << 0 << QVariantMap() << QVariant(QVariantList{})
            << QStringList{"Total TTC 0.00", "Base TVA 19.6% 0.00"} << QStringList();
        QTest::newRow("no tax") << false << m << 0 << QVariantMap{{"Steuer/Typ", 2}}
            << QVariant() << QStringList{"R1 Artikel1 2 100.00", "Total TTC 300.00"}
            << QStringList{"Prix Net", "Base TVA"};
        QTest::newRow("no rate") << false << m << 0 << QVariantMap{{"Steuer/Satz", 3}}
            << QVariant() << QStringList{"Total TTC 300.00"} << QStringList{"Base TVA"};
        QTest::newRow("internal customer") << false << m << int(KundenTyp::Intern) << brutto
            << QVariant() << QStringList{"R1 Artikel1 2 100.00", "Total TTC 300.00",
                                             "Livraisons Intracommunautaires"}
            << QStringList{"Base TVA"};
        QTest::newRow("intra-community: no tax charged")
            << false << m << int(KundenTyp::Kunde2) << brutto << QVariant()
            << QStringList{"80.00", "Total TTC 240.00", "Art. 262 ter"}
            << QStringList{"Base TVA", "300.00"};
        QTest::newRow("service, gross stored") << false << int(Auftrag::Schulung) << 0 << brutto
            << QVariant() << QStringList{"40.00 2 EXOTV 80.00",
                                             "Sous-total 240.00", "TVA 0.00", "Total TTC 240.00",
                                             "Exonération TVA"} << QStringList();
        QTest::newRow("de standard rates") << true << m << 0 << QVariantMap() << QVariant()
            << QStringList{"Menge Produkt Netto € MwSt € Preis €", "2 Artikel1 100.00 19.00 119.00",
                           "Netto 300.00", "MwSt 19 % 57.00", "Summe 357.00"} << QStringList();
        QTest::newRow("de fraction") << true << m << 0 << QVariantMap{{"Steuer/Satz A", 0.196}}
            << QVariant() << QStringList{"2 Artikel1 100.00 19.60 119.60",
                                             "MwSt 19.6 % 58.80", "Summe 358.80"} << QStringList();
        QTest::newRow("de rate B") << true << m << 0
            << QVariantMap{{"Steuer/Satz", 1}, {"Steuer/Satz B", 7}} << QVariant()
            << QStringList{"2 Artikel1 100.00 7.00 107.00", "Summe 321.00"} << QStringList();
        QTest::newRow("de gross stored") << true << m << 0 << brutto << QVariant()
            << QStringList{"2 Artikel1 80.00 20.00 100.00", "MwSt 25 % 60.00", "Summe 300.00"}
            << QStringList();
        QTest::newRow("de no rate") << true << m << 0 << QVariantMap{{"Steuer/Satz", 3}}
            << QVariant() << QStringList{"Menge Produkt Preis €", "2 Artikel1 100.00",
                                             "Summe 300.00"} << QStringList{"MwSt"};
        QTest::newRow("de intra-community") << true << m << int(KundenTyp::Kunde2)
            << QVariantMap() << QVariant()
            << QStringList{"Summe 300.00", "Steuerfreie innergemeinschaftliche Lieferung"}
            << QStringList{"MwSt"};
    }

    void betraege()
    {
        QFETCH(bool, deutsch);
        QFETCH(QVariantMap, einstellungen);
        QFETCH(QVariant, preise);
        setze(einstellungen);
        Auftrag a = beispiel();
        QFETCH(int, dienst);
        QFETCH(int, kundenTyp);
        a.Dienst = dienst;
        a.Kunde.Typ = kundenTyp;
        if (preise.isValid())
            a.Zeilen.clear();
        for (const QVariant& p : preise.toList()) {
            AuftragsLine l;
            l.Anzahl = 1;
            l.Produkt = "Vis";
            l.Preis = p.toDouble();
            a.Zeilen << l;
        }
        Drucker fr;
        DruckerDE1 de;
        pruefe(text(pdf(deutsch ? de : fr, a)));
    }

    // Titles by kind, payment state and terms, letterhead and legal mentions.
    void texte_data()
    {
        QTest::addColumn<bool>("deutsch");
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("status");
        QTest::addColumn<int>("zahlung");
        QTest::addColumn<int>("dienst");
        QTest::addColumn<QVariantMap>("einstellungen");
        QTest::addColumn<QStringList>("erwartet");
        QTest::addColumn<QStringList>("fehlt");
        const int r = Auftragsart::Rechnung;
        const int offen = AuftragsStatus::Gedruckt;
        const int bezahlt = AuftragsStatus::Bezahlt;
        const int ue = Zahlungsart::Ueberweisung;
        const int m = Auftrag::Produkte;
        const QVariantMap keine;
        const QStringList unsinn{"FR00000000000", "LogoText", "Kopf", "Fuß", "Atelier", "Ust.Id"};
        QTest::newRow("open invoice") << false << r << offen << ue << m << keine
            << QStringList{"Facture Matériel Nº 1042", "A payer par transfert",
                           "Date d'échéance: 01.04.2011", "En cas de retard", "Page 1 / 1"}
            << (QStringList{"Payé"} << unsinn);
        QTest::newRow("own terms") << false << r << offen << ue << m
            << QVariantMap{{"Rechnung/Zahlungsziel", 10}, {"Rechnung/Mahntext", "Pénalités 10 %"}}
            << QStringList{"Date d'échéance: 12.03.2011", "Pénalités 10 %"}
            << QStringList{"En cas de retard"};
        QTest::newRow("paid") << false << r << bezahlt << ue << m << keine
            << QStringList{"Payé par transfert - 02-03-2011 Payé"}
            << QStringList{"A payer", "échéance"};
        QTest::newRow("paid, no payment type") << false << r << bezahlt << -1 << m << keine
            << QStringList{"Payé - 02-03-2011"} << QStringList{"Payé par"};
        QTest::newRow("open, no payment type") << false << r << offen << -1 << m << keine
            << QStringList{"A payer Date d'échéance"} << QStringList{"A payer par"};
        QTest::newRow("delivery note") << false << int(Auftragsart::Lieferschein) << offen << ue
            << m << keine << QStringList{"Bon de livraison Nº 1042"}
            << QStringList{"Facture", "échéance"};
        QTest::newRow("credit note") << false << int(Auftragsart::Gutschrift) << bezahlt << ue
            << m << keine << QStringList{"Note de crédit Nº 1042", "Payé"}
            << QStringList{"Facture"};
        QTest::newRow("offer") << false << int(Auftragsart::Angebot) << bezahlt << ue << m
            << keine << QStringList{"Devis Nº 1042", "A payer par transfert"}
            << QStringList{"Payé", "échéance"};
        QTest::newRow("service") << false << r << offen << ue << int(Auftrag::Schulung) << keine
            << QStringList{"Facture Service Nº 1042"} << unsinn;
        QTest::newRow("fr legal mentions") << false << r << offen << ue << m
            << QVariantMap{{"Firma/Firma", "Belegwerk SARL"}, {"Firma/Strasse", "1 quai Est"},
                           {"Firma/PLZ", "69003"}, {"Firma/Ort", "Lyon"},
                           {"Firma/Tel", "04 72 00 00 00"}, {"Firma/UStId", "FR12345678901"},
                           {"Firma/Rechtsform", "SAS au capital de 10 000 €"},
                           {"Firma/SIREN", "123 456 789"}, {"Firma/RCS", "Lyon B 123 456 789"},
                           {"Firma/IBAN", "FR76 3000 1007"}, {"Firma/BIC", "BDFEFRPP"},
                           {"Rechnung/Head", "Merci"}, {"Rechnung/Foot2", "Conditions"},
                           {"Rechnung/LogoText", "Depuis 1990"}}
            << QStringList{"Depuis 1990 Belegwerk SARL 1 quai Est 69003 Lyon Tél. 04 72 00 00 00 "
                           "N° TVA: FR12345678901",
                           "Belegwerk SARL - 1 quai Est - 69003 Lyon ACME Dupont",
                           "UstId-Nr: FR999", "Merci", "Conditions",
                           "Belegwerk SARL - SAS au capital de 10 000 € - SIREN 123 456 789 - "
                           "RCS Lyon B 123 456 789 - N° TVA FR12345678901",
                           "IBAN FR76 3000 1007 - BIC BDFEFRPP"} << QStringList();
        QTest::newRow("de invoice") << true << r << offen << ue << m << keine
            << QStringList{"Rechnung Nr. 1042", "Lieferdatum: 02.03.2011",
                           "Zahlbar ohne Abzug bis 01.04.2011.", "Seite 1 von 1"}
            << (QStringList{"Bezahlt", "Nr.7"} << unsinn);
        QTest::newRow("de paid") << true << r << bezahlt << ue << m << keine
            << QStringList{"Betrag dankend erhalten."} << QStringList{"Zahlbar"};
        QTest::newRow("de delivery note") << true << int(Auftragsart::Lieferschein) << offen << ue
            << m << keine << QStringList{"Lieferschein Nr. 1042"} << QStringList{"Rechnung"};
        QTest::newRow("de credit note") << true << int(Auftragsart::Gutschrift) << offen << ue
            << m << keine << QStringList{"Gutschrift Nr. 1042"} << QStringList{"Rechnung"};
        QTest::newRow("de offer") << true << int(Auftragsart::Angebot) << offen << ue << m
            << keine << QStringList{"Angebot Nr. 1042"} << QStringList{"Lieferdatum", "Zahlbar"};
        QTest::newRow("de legal mentions") << true << r << offen << ue << m
            << QVariantMap{{"Firma/Firma", "Belegwerk GmbH"}, {"Firma/Strasse", "Hauptstr. 1"},
                           {"Firma/PLZ", "10115"}, {"Firma/Ort", "Berlin"},
                           {"Firma/Bank", "Sparkasse"}, {"Firma/IBAN", "DE02 1203"},
                           {"Firma/BIC", "BYLADEM1001"}, {"Firma/SteuerNr", "27/123/45678"},
                           {"Firma/UStId", "DE999"}, {"Rechnung/Footer", "Vielen Dank"}}
            << QStringList{"Belegwerk GmbH · Hauptstr. 1 · 10115 Berlin", "ACME Dupont",
                           "Ihre USt-IdNr.: FR999", "Vielen Dank",
                           "Steuer-Nr.: 27/123/45678 USt-IdNr.: DE999",
                           "Bankverbindung: Sparkasse IBAN: DE02 1203 BIC: BYLADEM1001"}
            << QStringList{"BLZ", "Konto"};
    }

    void texte()
    {
        QFETCH(bool, deutsch);
        QFETCH(QVariantMap, einstellungen);
        setze(einstellungen);
        Auftrag a = beispiel();
        QFETCH(int, typ);
        QFETCH(int, status);
        QFETCH(int, zahlung);
        QFETCH(int, dienst);
        a.Typ = typ;
        a.Status = status;
        a.Zahlung = zahlung;
        a.Dienst = dienst;
        a.Kunde.Steuernummer = "FR999";
        Drucker fr;
        DruckerDE1 de;
        pruefe(text(pdf(deutsch ? de : fr, a)));
    }

    // "Payé" stands on an invoice exactly when it has been paid.
    void payeNurBezahlt()
    {
        Drucker d;
        Auftrag a = beispiel();
        for (int status = 0; status < CodeTabellen::auftragsStatus().size(); ++status) {
            a.Status = status;
            QCOMPARE(text(pdf(d, a)).contains("Payé"), status == AuftragsStatus::Bezahlt);
        }
    }

    // A fine printer gets the same pages as the screen-resolution one, only sharper.
    void hoheAufloesung()
    {
        const Auftrag a = beispiel(80);
        Drucker fr;
        DruckerDE1 de;
        for (Drucker* d : {&fr, static_cast<Drucker*>(&de)}) {
            const PdfSeiten grob(pdf(*d, a));
            const PdfSeiten fein(pdf(*d, a, QPrinter::HighResolution));
            QCOMPARE(fein.seiten(), grob.seiten());
            QCOMPARE(fein.text(), grob.text());
        }
    }

    void keineUnendlichenBetraege_data()
    {
        QTest::addColumn<int>("dienst");
        QTest::addColumn<QVariantMap>("einstellungen");
        QTest::newRow("material") << 1 << QVariantMap{{"Steuer/Typ", 1}};
        QTest::newRow("service") << 0 << QVariantMap{{"Steuer/Typ", 1}};
        QTest::newRow("rate nan") << 1 << QVariantMap{{"Steuer/Satz A", "nan"}};
        QTest::newRow("rate -100 %") << 0 << QVariantMap{{"Steuer/Typ", 1}, {"Steuer/Satz A", -1}};
    }

    void keineUnendlichenBetraege()
    {
        QFETCH(int, dienst);
        QFETCH(QVariantMap, einstellungen);
        setze(einstellungen);
        Auftrag a = beispiel(0);
        a.Dienst = dienst;
        for (int anzahl : {0, -3, 1}) {
            AuftragsLine l;
            l.Anzahl = anzahl;
            l.Produkt = QString("Rabatt%1").arg(anzahl);
            l.Preis = anzahl == 0 ? -5.0 : 0.0;
            a.Zeilen << l;
        }
        Drucker d;
        const QString t = text(pdf(d, a));
        QVERIFY(t.contains("Rabatt0"));
        keinUnsinn(t);
        DruckerDE1 de;
        keinUnsinn(text(pdf(de, a)));
    }

    void fehlerWirdGemeldet()
    {
        Drucker d;
        DruckerDE1 de;
        for (Drucker* x : {&d, static_cast<Drucker*>(&de)}) {
            QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("error printing Auftrag"));
            QVERIFY(!PdfSeiten::schreibe(*x, beispiel(), env.pfad("fehlt/ordner/beleg.pdf")));
            QVERIFY(!x->print(nullptr));
            QPrinter klein(QPrinter::ScreenResolution);
            klein.setOutputFileName(env.pfad("klein.pdf"));
            klein.setPageSize(QPageSize(QSizeF(60, 60), QPageSize::Millimeter));
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("page too small"));
            QVERIFY(!x->print(&klein));
        }
    }

    void layoutWahl_data()
    {
        QTest::addColumn<QVariant>("layout");
        QTest::addColumn<bool>("deutsch");
        QTest::newRow("no setting") << QVariant() << false;
        QTest::newRow("index de") << QVariant(0) << true;
        QTest::newRow("index fr_1") << QVariant(1) << false;
        QTest::newRow("name de_1") << QVariant("de_1") << true;
        QTest::newRow("name fr_1") << QVariant("fr_1") << false;
    }

    void layoutWahl()
    {
        QFETCH(QVariant, layout);
        if (layout.isValid())
            QSettings().setValue("Rechnung/Layout", layout);
        QObject eltern;
        Drucker* d = Layouts::fuerLayout(&eltern);
        QCOMPARE(d->parent(), &eltern);
        QTEST(qobject_cast<DruckerDE1*>(d) != nullptr, "deutsch");
    }

    void prozentLesart_data()
    {
        QTest::addColumn<QVariant>("wert");
        QTest::addColumn<double>("prozent");
        QTest::newRow("fraction") << QVariant(0.196) << 19.6;
        QTest::newRow("whole percent") << QVariant(19) << 19.0;
        QTest::newRow("one is percent") << QVariant(1) << 1.0;
        QTest::newRow("text") << QVariant("x") << 0.0;
        QTest::newRow("infinite") << QVariant("inf") << 0.0;
        QTest::newRow("-100 %") << QVariant(-1.0) << 0.0;
    }

    void prozentLesart()
    {
        QFETCH(QVariant, wert);
        QTEST(DruckerDE1::prozent(wert), "prozent");
    }
};

QTEST_MAIN(TestDrucker)
#include "tst_drucker.moc"
