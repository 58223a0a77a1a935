#include "app/mainwindow.h"
#include "exchange/xmlaustausch.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "store/kundenstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/menubefehl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

// Customer and order files through the menu commands.
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
        return menuBefehl(*w, {"Belegwerk", menu, eintrag}) ? w->statusBar()->currentMessage() : "nicht im Menü";
    }
    void schreibe(const QString& datei, const QString& text)
    {
        QFile f(datei);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text.toUtf8()) > 0);
    }

private slots:
    void initTestCase() { neueDatenbank(); }

    // The files in every detail: read in and written out again, they come out as they went in.
    void format_data()
    {
        QTest::addColumn<QStringList>("befehle");
        QTest::addColumn<QString>("text");
        const QString kunde = R"(   <Kunde Nr="3" Typ="0">
      <Name>Anna Muster</Name>
      <Firma>Muster &amp; Co</Firma>
      <Strasse>Weg 1&#13;
Hof 2</Strasse>
)";
        QTest::newRow("Kunden") << QStringList{"Kundendaten importieren", "Kundedaten exportieren"}
                                << "<Kundenliste>\n" + kunde + "      <Tel>0123</Tel>\n      <Seit>2009-03-07</Seit>\n"
                                   "   </Kunde>\n</Kundenliste>\n";
        const QString auftragsKunde = QString(kunde).replace("\n   ", "\n      ").prepend("   ");
        QTest::newRow("Aufträge")
            << QStringList{"Auftragsdaten importieren", "Auftragsdaten exportieren"}
            << R"(<Auftragsliste>
   <Auftrag Nr="1" AuftragsNr="5" BestellNr="9" Dienst="0" Summe="1234568.14" Status="2" Zahlungsart="2" Typ="0">
      <Eingang>2024-03-01T10:30:00</Eingang>
)" + auftragsKunde + R"(         <Ort>Altstadt</Ort>
      </Kunde>
      <Zeilen>
         <Zeile Menge="1" ProduktNr="A1" Produkt="Anlage" Preis="1234567.89" Komentar="mit Aufbau"/>
         <Zeile Menge="2" ProduktNr="" Produkt="Schraube" Preis="0.25" Kategorie="S" Satz="5.5"/>
      </Zeilen>
      <Komentar>Danke</Komentar>
   </Auftrag>
   <Auftrag Nr="2" AuftragsNr="1" Dienst="1" Summe="0" Status="1" Zahlungsart="-1" Typ="3">
      <Eingang>2024-03-02T00:00:00</Eingang>
      <Versand>2024-03-04T08:00:00</Versand>
      <Kunde Typ="0">
         <Name>Ohne Kundensatz</Name>
      </Kunde>
      <Zeilen/>
   </Auftrag>
</Auftragsliste>
)";
    }

    void format()
    {
        QFETCH(QStringList, befehle);
        QFETCH(QString, text);
        const QString kopf = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--Created by Belegwerk-->\n";
        schreibe(env.pfad("ein.xml"), kopf + text);
        QVERIFY(befehl("Importieren", befehle[0], env.pfad("ein.xml")).endsWith("importiert, 0 übersprungen"));
        const QString aus = env.pfad("aus.xml");
        QVERIFY(befehl("Exportieren", befehle[1], aus).endsWith("exportiert"));
        QCOMPARE(liesDatei(aus), kopf + text);
    }

    // Files of older versions and of other writers: short sums, no Komentar, lines without
    // the Zeilen wrapper, children in any order, unknown children, missing attributes.
    void lesen()
    {
        QXmlStreamReader r("<Auftrag Summe=\"1.23457e+06\" Typ=\"2\"><Druck>2011-03-02T00:00:00</Druck>"
                           "<Zeile Menge=\"x\" Preis=\"1.5\" Produkt=\"P\"/><Kunde Typ=\"2\"><Seit>2009-03-07</Seit>"
                           "<Email>e@x.de</Email><Name>N</Name><Alt><Name>X</Name></Alt></Kunde></Auftrag>");
        r.readNextStartElement();
        const Auftrag a = XmlAustausch::readAuftrag(r);
        QCOMPARE(QVariantList({a.Summe, a.Dienst, a.Zahlung, a.Zeilen.size(), a.Zeilen[0].Anzahl, a.Zeilen[0].Preis,
                               a.Kunde.Typ, a.Druck, a.Komentar, a.Kunde.Name, a.Kunde.Email, a.Kunde.Seit}),
                 QVariantList({1234570.0, int(Auftrag::Schulung), int(Zahlungsart::Bar), 1, 0, 1.5, 2,
                               QDateTime(QDate(2011, 3, 2), QTime(0, 0)), "", "N", "e@x.de", QDate(2009, 3, 7)}));
    }

    // 1,000 orders, some without a date or dated ahead, and 300 customers move into an empty
    // database unchanged, each file in one store transaction; a cancelled import and a second one
    // store nothing.
    void rundreise()
    {
        neueDatenbank();
        for (int i = 0; i < 300; ++i) {
            Kunde k;
            k.Nr = 101 + i;  // apart from the orders' customers, whose snapshots go out while they are missing
            k.Name = QString("Kunde %1").arg(i);
            k.Seit = QDate(2010, 1, 1).addDays(i);
            k.Siren = i % 2 ? QString::number(732829320 + i) : QString();
            k.EAdresse = i % 3 ? QString() : QString("0225:%1").arg(i);
            k.LeitwegId = i % 5 ? QString() : QString("991-0%1-66").arg(i);
            k.Lieferanschrift = i % 7 ? QString() : QString("Lager %1\nKai 3").arg(i);
            QVERIFY(w->kundenStore()->addKunde(k));
        }
        const QString kundenDatei = env.pfad("kunden.xml");
        QCOMPARE(befehl("Exportieren", "Kundedaten exportieren", kundenDatei), QString("300 Kunden exportiert"));
        int zahlungen = 0;
        for (int i = 0; i < 1000; ++i) {
            Auftrag a;
            a.Kunde.Nr = i % 20 + 1;
            a.Kunde.Typ = i % 4;
            a.Kunde.Name = QString("Kunde %1 & <Söhne>").arg(i % 20);
            a.Kunde.Strasse = QString("Straße %1\nHof").arg(i);
            a.Kunde.Email = i % 3 ? QString("k%1@example.org").arg(i) : QString();
            a.Typ = i % 4;
            a.Dienst = i % 3 ? Auftrag::Produkte : Auftrag::Schulung;
            a.Status = i % 7;
            a.Zahlung = i % 6 - 1;
            a.BestellNr = i % 5 ? QString("PO-%1").arg(i) : QString();
            a.Eingang = QDateTime(QDate(2015, 1, 1).addDays(i % 100 ? i : 40000), QTime(i % 24, i % 60, i % 59));
            if (i % 100 == 1)
                a.Eingang = QDateTime();
            a.Lieferung = i % 2 ? a.Eingang.addDays(3) : QDateTime();
            a.Komentar = i % 3 ? QString("Bitte \"schnell\"\nliefern %1").arg(i) : QString();
            a.Lieferanschrift = i % 5 ? QString() : QString("Lager %1\n1 rue du Port").arg(i);
            a.Kunde.Siren = i % 2 ? QString() : "732829320";
            for (int z = 0; z < i % 4; ++z) {  // decimal quantities with their unit
                a.Zeilen.append({z + (i % 2 ? 1.0 : 0.125), "Ware", QString("P%1").arg(z), z ? "" : "mit\tTab",
                                 z * 1234567.89 + i * 0.01});
                a.Zeilen.last().Einheit = i % 2 ? QString() : "kg";
            }
            QVERIFY(w->auftragsStore()->addAuftrag(a));
            if (a.Typ == Auftragsart::Rechnung && a.Status != AuftragsStatus::Storniert && i % 8 == 0) {
                Zahlung z;
                z.Auftrag = a.Nr;
                z.Datum = QDate(2016, 1, 1).addDays(i);
                z.Betrag = Betrag::ausCent(i + 1);
                z.Art = i % 6 - 1;
                z.Referenz = i % 16 ? QString("Auszug <%1> & Co").arg(i) : QString();
                QVERIFY(w->auftragsStore()->addZahlung(z));
                ++zahlungen;
            }
        }
        const QString datei = env.pfad("journal.xml"), wieder = env.pfad("wieder.xml");
        QCOMPARE(befehl("Exportieren", "Auftragsdaten exportieren", datei), QString("1000 Aufträge exportiert"));
        QProcess xmllint;
        xmllint.start("xmllint", {"--noout", datei});
        QVERIFY2(xmllint.waitForFinished(60000) && xmllint.exitCode() == 0, xmllint.readAllStandardError().data());
        QVERIFY(liesDatei(datei).contains("<Zeile Menge=\"1.125\" Einheit=\"kg\" ProduktNr=\"P1\""));
        QCOMPARE(liesDatei(datei).count("<Zahlung "), zahlungen);

        neueDatenbank();
        // Cancelled while storing (the second half of the progress).
        const auto abbruch = [](qint64 erledigt, qint64 gesamt) { return erledigt * 4 < gesamt * 3; };
        QSignalSpy kundenGeaendert(w->kundenStore(), SIGNAL(storeChanged()));
        QCOMPARE(XmlAustausch(w->kundenStore(), w->auftragsStore()).importKunden(kundenDatei, abbruch).statusText(),
                 QString("Import abgebrochen, nichts gespeichert"));
        QCOMPARE(QVariantList({int(w->kundenStore()->getKunden().size()), kundenGeaendert.count()}), QVariantList({0, 0}));
        QCOMPARE(befehl("Importieren", "Kundendaten importieren", kundenDatei),
                 QString("300 Kunden importiert, 0 übersprungen"));
        QCOMPARE(kundenGeaendert.count(), 1);
        QCOMPARE(befehl("Exportieren", "Kundedaten exportieren", wieder), QString("300 Kunden exportiert"));
        QCOMPARE(liesDatei(wieder), liesDatei(kundenDatei));
        QSignalSpy geaendert(w->auftragsStore(), SIGNAL(storeChanged()));
        QCOMPARE(XmlAustausch(w->kundenStore(), w->auftragsStore()).importAuftraege(datei, abbruch).statusText(),
                 QString("Import abgebrochen, nichts gespeichert"));
        QCOMPARE(QVariantList({w->auftragsStore()->count(), geaendert.count()}), QVariantList({0, 0}));
        QCOMPARE(befehl("Importieren", "Auftragsdaten importieren", datei),
                 QString("1000 Aufträge importiert, 0 übersprungen"));
        QCOMPARE(geaendert.count(), 1);  // the lists are read again once, not after every order
        QCOMPARE(befehl("Exportieren", "Auftragsdaten exportieren", wieder), QString("1000 Aufträge exportiert"));
        const QRegularExpression nr("<Auftrag Nr=\"\\d+\"");  // the record numbers the database gives
        QCOMPARE(liesDatei(wieder).remove(nr), liesDatei(datei).remove(nr));
        QCOMPARE(befehl("Importieren", "Auftragsdaten importieren", datei),
                 QString("0 Aufträge importiert, 1000 übersprungen"));
        QCOMPARE(QVariantList({dialoge.anzahl("warning"), dialoge.anzahl("information")}), QVariantList({0, 1}));
        const QString namen = dialoge.fragen.last().text;
        QVERIFY2(namen.contains("\n   Rechnung Schulung Nr. 1\n   Lieferschein Nr. 1\n")
                     && namen.contains("980 weitere"),
                 qPrintable(namen));
    }

    // A damaged file stores what was read before the damage, and says so; failures are reported,
    // and so are records refused for an impossible value or skipped for a number in use.
    void fehler_data()
    {
        QTest::addColumn<QStringList>("befehl");  // menu, entry, file content (none: a missing folder)
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("box");  // the message box, none when empty
        QTest::addColumn<QString>("meldung");
        const QString kunden = "Kundendaten importieren", auftraege = "Auftragsdaten importieren";
        QTest::newRow("cut off") << QStringList{"Importieren", kunden,
                                                "<Kundenliste>\n<Kunde/>\n<Kunde/>\n<Kunde Nr=\"42\"><Name>C</Nam"}
                                 << "2 Kunden importiert, 0 übersprungen" << "warning" << "bis Zeile 4";
        QTest::newRow("broken tag") << QStringList{"Importieren", auftraege,
                                                   "<Auftragsliste><Auftrag AuftragsNr=\"77\" Typ=\"1\"/>\n<Auftrag <"}
                                    << "1 Aufträge importiert, 0 übersprungen" << "warning" << "bis Zeile 2";
        QTest::newRow("missing file") << QStringList{"Importieren", kunden} << "0 Kunden importiert, 0 übersprungen"
                                      << "warning" << "nicht gelesen";
        QTest::newRow("no folder") << QStringList{"Exportieren", "Kundedaten exportieren"} << "Nichts exportiert"
                                   << "warning" << "nicht geschrieben";
        QTest::newRow("impossible dates")
            << QStringList{"Importieren", auftraege,
                           "<Auftragsliste><Auftrag AuftragsNr=\"1\" Typ=\"1\">"
                           "<Eingang>99999-01-01T00:00:00</Eingang></Auftrag>"
                           "<Auftrag AuftragsNr=\"2\" Typ=\"1\"><Eingang>2024-02-30T00:00:00</Eingang></Auftrag>"
                           "<Auftrag AuftragsNr=\"3\" Typ=\"1\"><Eingang>2024-02-29T00:00:00</Eingang></Auftrag>"
                           "</Auftragsliste>"}
            << "1 Aufträge importiert, 2 übersprungen" << "warning"
            << "Lieferschein Nr. 2: Eingang \"2024-02-30T00:00:00\" ist kein mögliches Datum";
        QTest::newRow("amount not finite")
            << QStringList{"Importieren", auftraege,
                           "<Auftragsliste><Auftrag AuftragsNr=\"3\" Typ=\"1\"><Zeile Preis=\"1e999\"/></Auftrag>"
                           "</Auftragsliste>"}
            << "0 Aufträge importiert, 1 übersprungen" << "warning" << "Lieferschein Nr. 3: Ein Betrag";
        QTest::newRow("number out of range")
            << QStringList{"Importieren", kunden,
                           "<Kundenliste><Kunde Nr=\"2147483648\"><Name>G</Name></Kunde><Kunde Nr=\"7\"/>"
                           "</Kundenliste>"}
            << "1 Kunden importiert, 1 übersprungen" << "warning"
            << "Kunde ohne Nummer (\"G\"): Nr \"2147483648\" ist keine mögliche Nummer";
        QTest::newRow("document number or kind out of range")
            << QStringList{"Importieren", auftraege,
                           "<Auftragsliste><Auftrag AuftragsNr=\"-5\" Typ=\"2\"/><Auftrag Typ=\"4294967296\"/>"
                           "</Auftragsliste>"}
            << "0 Aufträge importiert, 2 übersprungen" << "warning" << "AuftragsNr \"-5\" ist keine mögliche Nummer";
        QTest::newRow("nested empty list")
            << QStringList{"Importieren", kunden,
                           "<Kundenliste><Kunde Nr=\"5\"/><Gruppe><Kundenliste/></Gruppe><Kunde Nr=\"6\"/>"
                           "</Kundenliste>"}
            << "2 Kunden importiert, 0 übersprungen" << "" << "";
        QTest::newRow("order file as customers")
            << QStringList{"Importieren", kunden,
                           "<Auftragsliste><Auftrag AuftragsNr=\"4\"><Kunde Nr=\"9\"/></Auftrag></Auftragsliste>"}
            << "0 Kunden importiert, 0 übersprungen" << "" << "";
        QTest::newRow("impossible payments")
            << QStringList{"Importieren", auftraege,
                           "<Auftragsliste><Auftrag AuftragsNr=\"8\" Typ=\"0\"><Zahlungen>"
                           "<Zahlung Datum=\"2024-01-05\" Betrag=\"0\"/></Zahlungen></Auftrag>"
                           "<Auftrag AuftragsNr=\"9\" Typ=\"3\"><Zahlung Datum=\"2024-01-05\" Betrag=\"5\"/></Auftrag>"
                           "<Auftrag AuftragsNr=\"10\" Typ=\"0\"><Zahlung Datum=\"2024-01-05\" Betrag=\"5.5\" Art=\"2\"/>"
                           "</Auftrag></Auftragsliste>"}
            << "1 Aufträge importiert, 2 übersprungen" << "warning" << "Zahlung 0 vom 2024-01-05";
        QTest::newRow("number twice")
            << QStringList{"Importieren", auftraege,
                           "<Auftragsliste><Auftrag AuftragsNr=\"7\" Typ=\"3\"/><Auftrag AuftragsNr=\"7\" Typ=\"3\"/>"
                           "</Auftragsliste>"}
            << "1 Aufträge importiert, 1 übersprungen" << "information" << "vergeben ist:\n   Angebot Nr. 7";
    }

    void fehler()
    {
        QFETCH(QStringList, befehl);
        QFETCH(QString, status);
        QFETCH(QString, box);
        QFETCH(QString, meldung);
        neueDatenbank();
        QString name = env.pfad("fehlt/daten.xml");
        if (befehl.size() > 2)
            schreibe(name = env.pfad("kaputt.xml"), befehl[2]);
        QCOMPARE(this->befehl(befehl[0], befehl[1], name), status);
        QCOMPARE(dialoge.arten().filter(QRegularExpression("^(warning|information)$")),
                 box.isEmpty() ? QStringList() : QStringList{box});
        QVERIFY2(dialoge.fragen.last().text.contains(meldung), qPrintable(dialoge.fragen.last().text));
    }
};

QTEST_MAIN(TestXmlAustausch)
#include "tst_xmlaustausch.moc"
