#include "app/mainwindow.h"
#include "exchange/xmlaustausch.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "store/kundenstore.h"
#include "tests/support/menubefehl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QProcess>
#include <QSqlQuery>
#include <QStatusBar>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

// Customer and order files through the menu commands: the exact format, files
// of older versions, the round trip of a whole journal, repeated and damaged imports.
class TestXmlAustausch : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    SkriptInteraktion dialoge;
    std::unique_ptr<MainWindow> w;

    void neueDatenbank()
    {
        w.reset();
        env.neueDatenbank();
        QSqlQuery("pragma synchronous=off");  // a thousand commits without waiting for the disk
        w = std::make_unique<MainWindow>();
    }
    // Runs a command of the file menus with the given file; returns the status bar text.
    QString befehl(const QString& menu, const QString& eintrag, const QString& datei)
    {
        dialoge.vergiss();
        dialoge.antworte(datei);
        w->statusBar()->clearMessage();
        if (!menuBefehl(*w, {"Belegwerk", menu, eintrag}))
            return "nicht im Menü";
        return w->statusBar()->currentMessage();
    }
    static QString lesbar(const QString& datei)
    {
        QProcess p;
        p.start("xmllint", {"--noout", datei});
        p.waitForFinished(60000);
        return p.exitCode() == 0 ? QString() : QString::fromUtf8(p.readAllStandardError());
    }
    static QString inhalt(const QString& datei)
    {
        QFile f(datei);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }
    // Everything an order carries except its record number, cents for money.
    static QString beschreibe(const Auftrag& a)
    {
        QStringList t{QString::number(a.Typ), QString::number(a.Dienst), QString::number(a.AuftragsNr),
                      QString::number(a.BestellNr), QString::number(a.Status),
                      QString::number(a.Zahlung), QString::number(qRound64(a.Summe * 100)),
                      a.Eingang.toString(Qt::ISODate), a.Lieferung.toString(Qt::ISODate), a.Komentar};
        const Kunde& k = a.Kunde;
        t << QString::number(k.Nr) << QString::number(k.Typ) << k.Firma << k.Name << k.Strasse << k.PLZ
          << k.Ort << k.Tel << k.Tel2 << k.Fax << k.Email << k.Bemerkung << k.IBAN << k.BIC
          << k.Steuernummer;
        for (const AuftragsLine& l : a.Zeilen)
            t << QString::number(l.Anzahl) << l.ProduktNr << l.Produkt
              << QString::number(qRound64(l.Preis * 100)) << l.Komentar;
        return t.join('|');
    }
    QStringList journal()
    {
        QStringList alle;
        for (const Auftrag& a : w->auftragsStore()->getAuftraege(QDateTime(QDate(1900, 1, 1), QTime()),
                                                                 QDateTime::currentDateTime()))
            alle << beschreibe(a);
        alle.sort();
        return alle;
    }

private slots:
    void initTestCase() { neueDatenbank(); }

    void format()
    {
        Kunde k;
        k.Nr = 3;
        k.Name = "Anna Muster";
        k.Firma = "Muster & Co";
        k.Strasse = "Weg 1\nHof 2";
        k.Tel = "0123";
        k.Seit = QDate(2009, 3, 7);
        QVERIFY(w->kundenStore()->addKunde(k));
        Auftrag a;
        a.Kunde = k;
        a.Kunde.Ort = "Altstadt";
        a.AuftragsNr = 5;
        a.BestellNr = 9;
        a.Dienst = Auftrag::Schulung;
        a.Status = AuftragsStatus::Gedruckt;
        a.Zahlung = Zahlungsart::Ueberweisung;
        a.Eingang = QDateTime(QDate(2024, 3, 1), QTime(10, 30));
        a.Komentar = "Danke";
        a.Zeilen = {{1, "Anlage", "A1", "mit Aufbau", 1234567.89}, {2, "Schraube", "", "", 0.25}};
        Auftrag ohneKunde;  // saved, but its customer is gone: the snapshot is written
        ohneKunde.Typ = Auftragsart::Angebot;
        ohneKunde.Eingang = a.Eingang;
        ohneKunde.Kunde.Name = "Weg";
        Auftrag offen = a;  // saved: goes out with the current customer record
        offen.Status = AuftragsStatus::Gespeichert;
        offen.AuftragsNr = 0;
        offen.Zeilen.clear();
        offen.Komentar.clear();
        for (Auftrag* x : {&a, &ohneKunde, &offen})
            QVERIFY(w->auftragsStore()->addAuftrag(*x));

        const QString kunde = "      <Kunde Nr=\"3\" Typ=\"0\">\n"
                              "         <Name>Anna Muster</Name>\n"
                              "         <Firma>Muster &amp; Co</Firma>\n"
                              "         <Strasse>Weg 1\nHof 2</Strasse>\n";
        const QString datei = env.pfad("format.xml");
        QCOMPARE(befehl("Exportieren", "Auftragsdaten exportieren", datei), QString("3 Aufträge exportiert"));
        QCOMPARE(dialoge.fragen.first().vorgabe.section('/', -1), QString("auftragsdaten.xml"));
        QCOMPARE(inhalt(datei),
                 "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--Created by Belegwerk-->\n<Auftragsliste>\n"
                 "   <Auftrag Nr=\"1\" AuftragsNr=\"5\" BestellNr=\"9\" Dienst=\"0\" Summe=\"1234568.14\" "
                 "Status=\"2\" Zahlungsart=\"2\" Typ=\"0\">\n"
                 "      <Eingang>2024-03-01T10:30:00</Eingang>\n"
                 + kunde + "         <Ort>Altstadt</Ort>\n         <Tel>0123</Tel>\n      </Kunde>\n"
                 "      <Zeilen>\n"
                 "         <Zeile Menge=\"1\" ProduktNr=\"A1\" Produkt=\"Anlage\" Preis=\"1234567.89\" "
                 "Komentar=\"mit Aufbau\"/>\n"
                 "         <Zeile Menge=\"2\" ProduktNr=\"\" Produkt=\"Schraube\" Preis=\"0.25\"/>\n"
                 "      </Zeilen>\n      <Komentar>Danke</Komentar>\n   </Auftrag>\n"
                 "   <Auftrag Nr=\"2\" AuftragsNr=\"1\" Dienst=\"1\" Summe=\"0\" Status=\"1\" "
                 "Zahlungsart=\"-1\" Typ=\"3\">\n      <Eingang>2024-03-01T10:30:00</Eingang>\n"
                 "      <Kunde Typ=\"0\">\n         <Name>Weg</Name>\n      </Kunde>\n      <Zeilen/>\n"
                 "   </Auftrag>\n"
                 "   <Auftrag Nr=\"3\" AuftragsNr=\"6\" BestellNr=\"9\" Dienst=\"0\" Summe=\"0\" Status=\"1\" "
                 "Zahlungsart=\"2\" Typ=\"0\">\n      <Eingang>2024-03-01T10:30:00</Eingang>\n"
                 + kunde + "         <Tel>0123</Tel>\n         <Seit>2009-03-07</Seit>\n      </Kunde>\n"
                 "      <Zeilen/>\n   </Auftrag>\n</Auftragsliste>\n");
        QCOMPARE(lesbar(datei), QString());
        QCOMPARE(befehl("Exportieren", "Kundedaten exportieren", env.pfad("k.xml")),
                 QString("1 Kunden exportiert"));
        QVERIFY(inhalt(env.pfad("k.xml")).contains("<!--Created by Belegwerk-->\n<Kundenliste>\n" + QString(kunde.mid(3)).replace("\n   ", "\n")));
    }

    // Files of older versions and of other writers: short sums, no Komentar,
    // lines without the Zeilen wrapper, children in any order, missing attributes.
    void lesen()
    {
        QXmlStreamReader r("<Auftrag Summe=\"1.23457e+06\" Typ=\"2\"><Druck>2011-03-02T00:00:00</Druck>"
                           "<Zeile Menge=\"x\" Preis=\"1.5\" Produkt=\"P\"/>"
                           "<Kunde Typ=\"2\"><Seit>2009-03-07</Seit><Alt><Name>X</Name></Alt>"
                           "<Email>e@x.de</Email><Name>N</Name></Kunde></Auftrag>");
        r.readNextStartElement();
        const Auftrag a = XmlAustausch::readAuftrag(r);
        QCOMPARE(a.Summe, 1234570.0);
        QCOMPARE(a.Dienst, int(Auftrag::Schulung));
        QCOMPARE(a.Zahlung, int(Zahlungsart::Bar));
        QCOMPARE(a.Druck, QDateTime(QDate(2011, 3, 2), QTime(0, 0)));
        QCOMPARE(a.Zeilen.size(), 1);
        QCOMPARE(a.Zeilen[0].Anzahl, 0);
        QCOMPARE(a.Zeilen[0].Preis, 1.5);
        QCOMPARE(a.Komentar, QString());
        QCOMPARE(a.Kunde.Name, QString("N"));
        QCOMPARE(a.Kunde.Email, QString("e@x.de"));
        QCOMPARE(a.Kunde.Seit, QDate(2009, 3, 7));
        QCOMPARE(a.Kunde.Typ, 2);
    }

    // A journal of 1,000 orders moves into an empty database unchanged; a
    // second import of the same file stores nothing again.
    void rundreise()
    {
        neueDatenbank();
        QList<Kunde> kunden;
        for (int i = 0; i < 20; ++i) {
            Kunde k;
            k.Typ = i % 4;
            k.Name = QString("Kunde %1 & <Söhne>").arg(i);
            k.Strasse = QString("Straße %1\nHinterhaus").arg(i);
            k.Email = i % 3 ? QString("k%1@example.org").arg(i) : QString();
            k.IBAN = "DE02120300000000202051";
            QVERIFY(w->kundenStore()->addKunde(k));
            kunden << k;
        }
        for (int i = 0; i < 1000; ++i) {
            Auftrag a;
            a.Kunde = kunden[i % 20];
            a.Typ = i % 4;
            a.Dienst = i % 3 ? Auftrag::Produkte : Auftrag::Schulung;
            a.Status = i % 7;
            a.Zahlung = i % 6 - 1;
            a.BestellNr = i % 5 ? i : 0;
            a.Eingang = QDateTime(QDate(2015, 1, 1).addDays(i), QTime(i % 24, i % 60, i % 59));
            a.Lieferung = i % 2 ? a.Eingang.addDays(3) : QDateTime();
            a.Komentar = i % 3 ? QString("Bitte \"schnell\"\nliefern %1").arg(i) : QString();
            for (int z = 0; z < i % 4; ++z)
                a.Zeilen.append({z + 1, "Ware " + QString::number(z), QString("P%1").arg(z),
                                 z ? QString() : "Zeile\tmit Tab", (z + 1) * 1234567.89 + i * 0.01});
            QVERIFY(w->auftragsStore()->addAuftrag(a));
        }
        const QStringList vorher = journal();
        const QString datei = env.pfad("journal.xml");
        QCOMPARE(befehl("Exportieren", "Auftragsdaten exportieren", datei), QString("1000 Aufträge exportiert"));
        QCOMPARE(lesbar(datei), QString());

        neueDatenbank();
        QCOMPARE(befehl("Importieren", "Auftragsdaten importieren", datei),
                 QString("1000 Aufträge importiert, 0 übersprungen"));
        QCOMPARE(journal(), vorher);
        QCOMPARE(w->auftragsStore()->getAuftrag(1000).Nr, 1000);
        QCOMPARE(befehl("Importieren", "Auftragsdaten importieren", datei),
                 QString("0 Aufträge importiert, 1000 übersprungen"));
        QCOMPARE(w->auftragsStore()->count(), 1000);
        QCOMPARE(dialoge.anzahl("warning"), 0);
    }

    // A damaged file stores what was read completely before the damage and
    // says so; a file that cannot be written or read is reported.
    void fehler_data()
    {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QString>("eintrag");
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("meldung");
        const QString kunden = "<?xml version=\"1.0\"?>\n<Kundenliste>\n<Kunde Nr=\"40\"><Name>A</Name></Kunde>\n"
                               "<Kunde Nr=\"41\"><Name>B</Name></Kunde>\n<Kunde Nr=\"42\"><Name>C</Nam";
        QTest::newRow("cut off") << "Importieren" << "Kundendaten importieren" << kunden
                                 << "2 Kunden importiert, 0 übersprungen" << "bis Zeile 5";
        QTest::newRow("broken tag") << "Importieren" << "Auftragsdaten importieren"
                                    << "<Auftragsliste><Auftrag AuftragsNr=\"77\" Typ=\"1\"/>\n<Auftrag <"
                                    << "1 Aufträge importiert, 0 übersprungen" << "bis Zeile 2";
        QTest::newRow("missing file") << "Importieren" << "Kundendaten importieren" << QString()
                                      << "0 Kunden importiert, 0 übersprungen" << "nicht gelesen";
        QTest::newRow("no folder") << "Exportieren" << "Kundedaten exportieren" << QString()
                                   << "Nichts exportiert" << "nicht geschrieben";
    }

    void fehler()
    {
        QFETCH(QString, menu);
        QFETCH(QString, eintrag);
        QFETCH(QString, datei);
        QFETCH(QString, status);
        QFETCH(QString, meldung);
        neueDatenbank();
        QString name = env.pfad("fehlt/daten.xml");
        if (!datei.isEmpty()) {
            name = env.pfad("kaputt.xml");
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(datei.toUtf8());
        }
        QCOMPARE(befehl(menu, eintrag, name), status);
        QCOMPARE(dialoge.anzahl("warning"), 1);
        QVERIFY2(dialoge.fragen.last().text.contains(meldung), qPrintable(dialoge.fragen.last().text));
        QVERIFY(!QFile::exists(env.pfad("fehlt")));
    }
};

QTEST_MAIN(TestXmlAustausch)
#include "tst_xmlaustausch.moc"
