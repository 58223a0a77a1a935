#include "app/mainwindow.h"
#include "exchange/odsleser.h"
#include "exchange/tabellenexport.h"
#include "exchange/tabellenimport.h"
#include "exchange/tabellenzelle.h"
#include "exchange/xmlaustausch.h"
#include "exchange/zippaket.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "store/kundenstore.h"
#include "store/produktstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/menubefehl.h"
#include "tests/support/programmlauf.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <tuple>

// Customer and order files, the spreadsheets LibreOffice wrote and the program's own product file, in
// and out through the menu commands; every spreadsheet writer's file read back by LibreOffice (all four
// formats as CSV) and openpyxl (the XLSX workbook), what they cannot see or forgive, the writers' failures.
class TestAustausch : public QObject
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
    // Runs the menu command "Belegwerk", menu, eintrag with the file and the further answers given;
    // returns the status bar text.
    QString befehl(const QString& menu, const QString& eintrag, const QString& datei,
                   const QVariantList& antworten = {})
    {
        dialoge.vergiss();
        for (const QVariant& a : QVariantList{datei} + antworten)
            dialoge.antworte(a);
        w->statusBar()->clearMessage();
        return menuBefehl(*w, {"Belegwerk", menu, eintrag}) ? w->statusBar()->currentMessage() : "nicht im Menü";
    }
    using Writer = bool (*)(QAbstractItemModel*, const QString&, QList<int>, bool);
    const QMap<QString, Writer> writer{{"csv", exportCSV}, {"xls", exportXLS}, {"ods", exportODS},
                                       {"xlsx", exportXLSX}};

    // Appends one model row per list, each value as the cell's display value (so dates stay dates).
    static void fuelleZeilen(QStandardItemModel& model, const QList<QList<QVariant>>& zeilen)
    {
        for (const auto& z : zeilen) {
            QList<QStandardItem*> items;
            for (const QVariant& v : z) {
                items << new QStandardItem;
                items.last()->setData(v, Qt::DisplayRole);
            }
            model.appendRow(items);
        }
    }
    static QString eintrag(const QString& zip, const QString& name)
    {
        QuaZipFile f(zip, name);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QMap<QString, QList<QStringList>> gelesen;  // LibreOffice's CSV per file name; openpyxl's cells
    const QString quote = "Sagt \"Hallo\"; Tschüß & <Ende> 5 €";
    const QString smiley = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QStringList formeln{"=HYPERLINK(\"http://example.com\";\"klick\")", "+1+1", "-1+1", "@x", "\t=1"};

    static QString namensraeume()
    {
        QString n = R"( xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0")"
                    R"( xmlns:number="urn:oasis:names:tc:opendocument:xmlns:datastyle:1.0")";
        for (const QString p : {"office", "style", "text", "table"})
            n += QString(R"( xmlns:%1="urn:oasis:names:tc:opendocument:xmlns:%1:1.0")").arg(p);
        return n;
    }
    // A flat OpenDocument sheet for LibreOffice: its styles, its rows, formatted empty rows after them.
    void fods(const QString& name, const QList<QStringList>& zeilen)
    {
        QFile f(env.pfad("fods/" + name + ".fods"));
        QVERIFY(QDir().mkpath(env.pfad("fods")) && f.open(QIODevice::WriteOnly));
        QTextStream out(&f);
        out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?><office:document" << namensraeume() << R"( office:version="1.2" )"
            << R"(office:mimetype="application/vnd.oasis.opendocument.spreadsheet"><office:automatic-styles>)"
            << R"(<number:date-style style:name="N1"><number:day number:style="long"/><number:text>.</number:text>)"
            << R"(<number:month number:style="long"/><number:text>.</number:text><number:year number:style="long"/>)"
            << R"(</number:date-style><number:number-style style:name="N2"><number:number number:decimal-places="2")"
            << R"( number:min-integer-digits="1"/></number:number-style><style:style style:name="ce1")"
            << R"( style:family="table-cell" style:data-style-name="N1"/><style:style style:name="ce2")"
            << R"( style:family="table-cell" style:data-style-name="N2"/><style:style style:name="T1")"
            << R"( style:family="text"><style:text-properties fo:font-weight="bold"/></style:style>)"
            << "</office:automatic-styles><office:body><office:spreadsheet><table:table>";
        for (const QStringList& z : zeilen)
            out << zeile(z);
        out << R"(<table:table-row table:number-rows-repeated="3"><table:table-cell table:style-name="ce2")"
            << R"( table:number-columns-repeated="30"/></table:table-row></table:table></office:spreadsheet>)"
            << "</office:body></office:document>";
    }
    // A package with content.xml of the rows given as XML; with beschaedigt its packed data is damaged.
    void blatt(const QString& datei, const QString& zeilen, bool beschaedigt = false)
    {
        ZipPaket zip(env.pfad(datei));
        zip.eintrag("content.xml", [&zeilen](QTextStream& o) {
            o << "<office:document-content" << namensraeume() << "><office:body><office:spreadsheet><table:table>"
              << zeilen << "</table:table></office:spreadsheet></office:body></office:document-content>";
        });
        QVERIFY(zip.abschliessen());
        if (!beschaedigt)
            return;
        QFile f(env.pfad(datei));
        QVERIFY(f.open(QIODevice::ReadWrite));
        // content.xml is the first entry; its packed data begins after the local header, whose
        // block type bits become the one deflate does not have.
        QByteArray daten = f.readAll();
        const auto wort = [&daten](int i) { return uchar(daten.at(i)) + 256 * uchar(daten.at(i + 1)); };
        const int beginn = 30 + wort(26) + wort(28);
        daten[beginn] = char(daten.at(beginn) | 0x06);
        QVERIFY(f.seek(0) && f.write(daten) == daten.size());
    }
    // A row of cells: plain text, "=value|shown" for a number with two decimals, or ready cell XML.
    static QString zeile(const QStringList& zellen, const QString& attribute = QString())
    {
        QString z = "<table:table-row" + attribute + ">";
        for (const QString& c : zellen)
            z += c.startsWith('<') ? c
                 : c.startsWith('=') ? QString(R"(<table:table-cell table:style-name="ce2" office:value-type="float" )"
                                               R"(office:value="%1"><text:p>%2</text:p></table:table-cell>)")
                                           .arg(c.mid(1).section('|', 0, 0), c.section('|', 1))
                 : c.isEmpty() ? "<table:table-cell/>"
                               : "<table:table-cell><text:p>" + c.toHtmlEscaped() + "</text:p></table:table-cell>";
        return z + "</table:table-row>";
    }

private slots:
    void initTestCase()
    {
        neueDatenbank();
        const QString datum = R"(<table:table-cell table:style-name="ce1" office:value-type="date" )"
                              R"(office:date-value="2009-03-07"><text:p>07.03.2009</text:p></table:table-cell>)";
        fods("kunden",
             {{"Firma", "Nr", "Typ", "Name", "Strasse", "Zusatz", "G", "PLZ", "Ort", "Land", "Steuernummer", "L",
               "Tel2", "Tel", "Fax", "Email", "Seit", "Bemerkung"},
              {R"(<table:table-cell><text:p>Müller<text:s text:c="3"/>GmbH</text:p></table:table-cell>)", "=501|501",
               "=1|1", R"(<table:table-cell><text:p>Hans <text:span text:style-name="T1">Peter</text:span> Meier)"
                       "</text:p></table:table-cell>",
               R"(<table:table-cell table:number-columns-spanned="2"><text:p>Hauptstr. 1</text:p></table:table-cell>)",
               "<table:covered-table-cell/>", "x", "01234", "Köln", "DE", "DE123", "y", "0221-2", "0221-1", "0221-3",
               "m@example.org", datum,
               "<table:table-cell><text:p>Zeile eins</text:p><text:p>Zeile zwei</text:p></table:table-cell>"},
              {"Ohne Nummer", "", "", "", "Weg 2", "Hof", "", "", "", "", "", "", "", "", "", "", "7.3.2009"}});
        QList<QStringList> vda;
        for (const QString nr : {"Nr", "V1", "V2", "V3", "V3"}) {  // LibreOffice writes the last two as one row
            vda << QStringList(21);
            vda.last()[0] = nr;
            vda.last()[2] = nr == "Nr" ? QString() : "Ware " + nr;
            vda.last()[19] = nr == "Nr" ? "Preis" : nr == "V2" ? "ab" : "=12.5|12.50";
        }
        fods("vda_produkte", vda);
        fods("produkte", {{"Nr", "Name", "Preis", "Desc", "Typ"}, {"P1", "Neu", "=12.5|12.50", "Zwei  Wörter", "=0|0"},
                          {"", "Ohne Nummer", "=3|3.00"}, {"P2", "Zweite", "abc", "", "=2|2"}});
        QVERIFY(libreOffice(env.pfad("lo"), env.pfad("fods"), "ods", env.pfad("lo-out")));

        // The runs of empty cells and rows that spreadsheet programs write up to their limits.
        blatt("lo-out/gross.ods",
              zeile({"Firma", "Nr", R"(<table:table-cell table:number-columns-repeated="16383"/>)"})
                  + zeile({"<table:table-cell><text:p>A<text:tab/>1<text:line-break/>2</text:p></table:table-cell>",
                           R"(<table:table-cell table:number-columns-repeated="1000"/>)"})
                  + zeile({R"(<table:table-cell table:number-columns-repeated="16384"/>)"},
                          R"( table:number-rows-repeated="1048576")"));

        // The export files, read back by LibreOffice and openpyxl.
        QStandardItemModel daten, zeichen, formelModell;
        // Eingang as SQLite gives a date column, as ISO text; Notiz has one date-like text among texts;
        // the stores' row version is no data.
        daten.setHorizontalHeaderLabels({"Nr", "Name & <Firma>", "Preis", "Betrag", "Datum", "Zeit", "Code",
                                         "Version", "Eingang", "Notiz"});
        fuelleZeilen(daten, {{1, "Müller & Söhne\nGmbH", 1234567.89, "12,50", QDate(2024, 3, 1),
                              QDateTime(QDate(2024, 3, 1), QTime(10, 30)), "01234", 7, "2026-12-07T14:34:02",
                              "2024-03-01"},
                             {2, quote, -7.25, "0,00", QDate(1900, 3, 1),
                              QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)), "12,50 €", 8, "", "bald"}});
        // U+FFFE, U+FFFF and lone surrogate halves would make the XML files unreadable.
        zeichen.setHorizontalHeaderLabels({"Text"});
        fuelleZeilen(zeichen, {{QString("a") + QChar(0xFFFE) + "b" + QChar(0xFFFF) + "c" + QChar(0xD800) + "d"
                                + QChar(0xDC00) + "e " + smiley}});
        formelModell.setHorizontalHeaderLabels({"Wert"});
        for (const QString& t : formeln)
            fuelleZeilen(formelModell, {{t}});
        fuelleZeilen(formelModell, {{-7.25}});

        for (const QString ordner : {"in/text", "in/formel", "in/xml"})
            QVERIFY(QDir().mkpath(env.pfad(ordner)));
        for (const QString f : {"csv", "xls", "ods", "xlsx"}) {
            const QString ordner = env.pfad(f == "csv" ? "in/text/" : "in/xml/");
            QVERIFY(writer[f](&daten, ordner + "daten_" + f + "." + f, {}, false));
            if (f != "csv")
                QVERIFY(writer[f](&zeichen, ordner + "zeichen_" + f + "." + f, {}, false));
        }
        QVERIFY(exportCSV(&formelModell, env.pfad("in/formel/formeln_csv.csv"), {}, false));

        // One LibreOffice start per folder converting its files to CSV in out/. Our CSV is ";"-separated
        // UTF-8: read with every column as text the values stay exact; read with formula evaluation on,
        // no field of the data becomes a formula.
        for (const auto& [ordner, filter] :
             {std::pair{"in/text", "CSV:59,34,76,1,1/2/2/2/3/2/4/2/5/2/6/2/7/2/8/2/9/2"},
              {"in/formel", "CSV:59,34,76,1,,0,false,false,false,false,false,0,true"}, {"in/xml", ""}})
            QVERIFY(libreOffice(env.pfad("lo-profil"), env.pfad(ordner), "csv:Text - txt - csv (StarCalc):44,34,76,1",
                                env.pfad("out"), *filter ? QStringList{QString("--infilter=") + filter}
                                                         : QStringList()));
        // openpyxl reads the XLSX workbook's cells as kind:value, dates rounded to the second.
        QProcess p;
        p.start("/usr/bin/python3", {"-c",
            "import csv, datetime, glob, json, os, sys, openpyxl\n"
            "def z(v):\n"
            "    if isinstance(v, datetime.datetime):\n"
            "        return 'd:' + (v + datetime.timedelta(microseconds=500000)).replace(microsecond=0).isoformat()\n"
            "    return 'n:%r' % float(v) if isinstance(v, (int, float)) else 's:' + (v or '')\n"
            "alle = {os.path.basename(n)[:-4]: list(csv.reader(open(n, encoding='utf-8', newline='')))\n"
            "        for n in glob.glob(sys.argv[1] + '/*.csv')}\n"
            "ws = openpyxl.load_workbook(sys.argv[2]).active\n"
            "alle['openpyxl'] = [[ws.title]] + [[z(v) for v in r] for r in ws.iter_rows(values_only=True)]\n"
            "print(json.dumps(alle))", env.pfad("out"), env.pfad("in/xml/daten_xlsx.xlsx")});
        QVERIFY2(p.waitForFinished(60000) && p.exitCode() == 0, p.readAllStandardError().constData());
        const QVariantMap alle = QJsonDocument::fromJson(p.readAllStandardOutput()).object().toVariantMap();
        for (auto it = alle.begin(); it != alle.end(); ++it)
            for (const QVariant& z : it.value().toList())
                gelesen[it.key()] << z.toStringList();
        QCOMPARE(gelesen.size(), 9);
    }

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
        QVERIFY(schreibeDatei(env.pfad("ein.xml"), kopf + text));
        QVERIFY(befehl("Importieren", befehle[0], env.pfad("ein.xml")).endsWith("importiert, 0 übersprungen"));
        QVERIFY(befehl("Exportieren", befehle[1], env.pfad("aus.xml")).endsWith("exportiert"));
        QCOMPARE(liesDatei(env.pfad("aus.xml")), kopf + text);
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
            std::tie(k.Name, k.Seit) = std::make_tuple(QString("Kunde %1").arg(i), QDate(2010, 1, 1).addDays(i));
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
            std::tie(a.Kunde.Nr, a.Kunde.Typ, a.Typ, a.Status, a.Zahlung) =
                std::make_tuple(i % 20 + 1, i % 4, i % 4, i % 7, i % 6 - 1);
            std::tie(a.Kunde.Name, a.Kunde.Strasse) =
                std::make_tuple(QString("Kunde %1 & <Söhne>").arg(i % 20), QString("Straße %1\nHof").arg(i));
            a.Kunde.Email = i % 3 ? QString("k%1@example.org").arg(i) : QString();
            a.Dienst = i % 3 ? Auftrag::Produkte : Auftrag::Schulung;
            a.BestellNr = i % 5 ? QString("PO-%1").arg(i) : QString();
            a.Eingang = i % 100 == 1 ? QDateTime()
                        : QDateTime(QDate(2015, 1, 1).addDays(i % 100 ? i : 40000), QTime(i % 24, i % 60, i % 59));
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
                std::tie(z.Auftrag, z.Datum, z.Betrag, z.Art) =
                    std::make_tuple(a.Nr, QDate(2016, 1, 1).addDays(i), Betrag::ausCent(i + 1), i % 6 - 1);
                z.Referenz = i % 16 ? QString("Auszug <%1> & Co").arg(i) : QString();
                QVERIFY(w->auftragsStore()->addZahlung(z));
                ++zahlungen;
            }
        }
        const QString datei = env.pfad("journal.xml"), wieder = env.pfad("wieder.xml");
        QCOMPARE(befehl("Exportieren", "Auftragsdaten exportieren", datei), QString("1000 Aufträge exportiert"));
        int rc = -1;
        const QString xmllint = lauf("xmllint", {"--noout", datei}, &rc);
        QVERIFY2(rc == 0, qPrintable(xmllint));
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
        const auto fall = [](const char* name, const QStringList& befehl, const QString& status,
                             const QString& box = QString(), const QString& meldung = QString()) {
            QTest::newRow(name) << befehl << status << box << meldung;
        };
        const auto kunden = [](const QString& datei) {
            return QStringList{"Importieren", "Kundendaten importieren", datei};
        };
        const auto auftraege = [](const QString& saetze) {
            return QStringList{"Importieren", "Auftragsdaten importieren",
                               "<Auftragsliste>" + saetze + "</Auftragsliste>"};
        };
        fall("cut off", kunden("<Kundenliste>\n<Kunde/>\n<Kunde/>\n<Kunde Nr=\"42\"><Name>C</Nam"),
             "2 Kunden importiert, 0 übersprungen", "warning", "bis Zeile 4");
        fall("broken tag", auftraege("<Auftrag AuftragsNr=\"77\" Typ=\"1\"/>\n<Auftrag <"),
             "1 Aufträge importiert, 0 übersprungen", "warning", "bis Zeile 2");
        fall("missing file", {"Importieren", "Kundendaten importieren"}, "0 Kunden importiert, 0 übersprungen",
             "warning", "nicht gelesen");
        fall("no folder", {"Exportieren", "Kundedaten exportieren"}, "Nichts exportiert", "warning",
             "nicht geschrieben");
        fall("impossible dates",
             auftraege("<Auftrag AuftragsNr=\"1\" Typ=\"1\"><Eingang>99999-01-01T00:00:00</Eingang></Auftrag>"
                       "<Auftrag AuftragsNr=\"2\" Typ=\"1\"><Eingang>2024-02-30T00:00:00</Eingang></Auftrag>"
                       "<Auftrag AuftragsNr=\"3\" Typ=\"1\"><Eingang>2024-02-29T00:00:00</Eingang></Auftrag>"),
             "1 Aufträge importiert, 2 übersprungen", "warning",
             "Lieferschein Nr. 2: Eingang \"2024-02-30T00:00:00\" ist kein mögliches Datum");
        fall("amount not finite", auftraege("<Auftrag AuftragsNr=\"3\" Typ=\"1\"><Zeile Preis=\"1e999\"/></Auftrag>"),
             "0 Aufträge importiert, 1 übersprungen", "warning", "Lieferschein Nr. 3: Ein Betrag");
        fall("number out of range",
             kunden("<Kundenliste><Kunde Nr=\"2147483648\"><Name>G</Name></Kunde><Kunde Nr=\"7\"/></Kundenliste>"),
             "1 Kunden importiert, 1 übersprungen", "warning",
             "Kunde ohne Nummer (\"G\"): Nr \"2147483648\" ist keine mögliche Nummer");
        fall("document number or kind out of range",
             auftraege("<Auftrag AuftragsNr=\"-5\" Typ=\"2\"/><Auftrag Typ=\"4294967296\"/>"),
             "0 Aufträge importiert, 2 übersprungen", "warning", "AuftragsNr \"-5\" ist keine mögliche Nummer");
        fall("nested empty list",
             kunden("<Kundenliste><Kunde Nr=\"5\"/><Gruppe><Kundenliste/></Gruppe><Kunde Nr=\"6\"/></Kundenliste>"),
             "2 Kunden importiert, 0 übersprungen");
        fall("order file as customers",
             kunden("<Auftragsliste><Auftrag AuftragsNr=\"4\"><Kunde Nr=\"9\"/></Auftrag></Auftragsliste>"),
             "0 Kunden importiert, 0 übersprungen");
        fall("impossible payments",
             auftraege("<Auftrag AuftragsNr=\"8\" Typ=\"0\"><Zahlungen><Zahlung Datum=\"2024-01-05\" Betrag=\"0\"/>"
                       "</Zahlungen></Auftrag><Auftrag AuftragsNr=\"9\" Typ=\"3\"><Zahlung Datum=\"2024-01-05\" "
                       "Betrag=\"5\"/></Auftrag><Auftrag AuftragsNr=\"10\" Typ=\"0\"><Zahlung Datum=\"2024-01-05\" "
                       "Betrag=\"5.5\" Art=\"2\"/></Auftrag>"),
             "1 Aufträge importiert, 2 übersprungen", "warning", "Zahlung 0 vom 2024-01-05");
        fall("number twice", auftraege("<Auftrag AuftragsNr=\"7\" Typ=\"3\"/><Auftrag AuftragsNr=\"7\" Typ=\"3\"/>"),
             "1 Aufträge importiert, 1 übersprungen", "information", "vergeben ist:\n   Angebot Nr. 7");
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
            QVERIFY(schreibeDatei(name = env.pfad("kaputt.xml"), befehl[2]));
        QCOMPARE(this->befehl(befehl[0], befehl[1], name), status);
        QCOMPARE(dialoge.arten().filter(QRegularExpression("^(warning|information)$")),
                 box.isEmpty() ? QStringList() : QStringList{box});
        QVERIFY2(dialoge.fragen.last().text.contains(meldung), qPrintable(dialoge.fragen.last().text));
    }

    // The reader alone first: formatted empty rows after the table are left out, the sheet of
    // 1,048,576 repeated rows ends after its two filled ones, a flat file is no ODS.
    void importe()
    {
        neueDatenbank();
        const std::unique_ptr<QStandardItemModel> m(readODS(env.pfad("lo-out/kunden.ods")));
        QCOMPARE(QSize(m->columnCount(), m->rowCount()), QSize(18, 2));
        const std::unique_ptr<QStandardItemModel> g(readODS(env.pfad("lo-out/gross.ods")));
        QCOMPARE(QSize(g->columnCount(), g->rowCount()), QSize(2, 1));
        QCOMPARE(g->index(0, 0).data().toString(), QString("A\t1\n2"));
        const std::unique_ptr<QStandardItemModel> keine(readODS(env.pfad("fods/kunden.fods")));
        QCOMPARE(keine->rowCount() + keine->columnCount(), 0);

        QCOMPARE(befehl("Vendora", "Kunden importieren", env.pfad("lo-out/kunden.ods")),
                 QString("2 Kunden importiert, 0 übersprungen"));
        const Kunde k = w->kundenStore()->getKunde(501);
        QCOMPARE(QStringList({k.Firma, k.Name, k.Strasse, k.PLZ, k.Ort, k.Steuernummer, k.Tel, k.Tel2, k.Fax,
                              k.Email, k.Bemerkung}),
                 QStringList({"Müller   GmbH", "Hans Peter Meier", "Hauptstr. 1\n", "01234", "Köln", "DE123",
                              "0221-1", "0221-2", "0221-3", "m@example.org", "Zeile eins\nZeile zwei"}));
        const Kunde ohne = w->kundenStore()->getKunde(502);  // the next free number
        QCOMPARE(QVariantList({k.Typ, k.Seit, ohne.Firma, ohne.Strasse, ohne.Seit}),
                 QVariantList({1, QDate(2009, 3, 7), "Ohne Nummer", "Weg 2\nHof", QDate::currentDate()}));
        QCOMPARE(befehl("Vendora", "Kunden importieren", env.pfad("lo-out/kunden.ods")),
                 QString("1 Kunden importiert, 1 übersprungen"));

        QCOMPARE(befehl("Vendora", "Produkte importieren", env.pfad("lo-out/vda_produkte.ods")),
                 QString("3 Produkte importiert, 0 aktualisiert, 1 übersprungen"));
        ProduktStore* s = w->produktStore();
        QCOMPARE(QVariantList({s->getProdukt("V1").Preis, s->getProdukt("V2").Preis, s->getProdukt("V3").Name}),
                 QVariantList({12.5, 0.0, "Ware V3"}));
        QCOMPARE(befehl("Importieren", "Produkte importieren", env.pfad("lo-out/produkte.ods")),
                 QString("2 Produkte importiert, 0 aktualisiert, 1 übersprungen"));

        // The program's own product file reads back into the same products.
        dialoge.antworte(env.pfad("eigene_produkte.ods"));
        QVERIFY(menuBefehl(*w, {"Belegwerk", "Exportieren", "Produkte exportieren"}));
        QCOMPARE(befehl("Importieren", "Produkte importieren", env.pfad("eigene_produkte.ods")),
                 QString("0 Produkte importiert, 5 aktualisiert, 0 übersprungen"));
        const Produkt p = s->getProdukt("P1");
        QCOMPARE(QVariantList({p.Name, p.Desc, p.Preis, p.Typ, s->getProdukt("P2").Typ}),
                 QVariantList({"Neu", "Zwei  Wörter", 12.5, 0, 2}));
    }

    // A price is the number the cell holds, whatever its format or the user's locale shows; a
    // column the product sheet lacks leaves that field of an existing product as it is.
    void produktdatei_data()
    {
        QTest::addColumn<QStringList>("kopf");
        QTest::addColumn<QStringList>("zellen");
        QTest::addColumn<QVariantList>("produkt");  // Name, Preis, Desc, Typ of P1 after the import
        const QString waehrung = R"(<table:table-cell office:value-type="currency" office:currency="EUR" )"
                                 R"(office:value="99.9"><text:p>99,90 €</text:p></table:table-cell>)";
        QTest::newRow("Währung") << QStringList{"Nr", "Name", "Preis"} << QStringList{"P1", "Neu", waehrung}
                                 << QVariantList{"Neu", 99.9, "Alt", 2};
        QTest::newRow("Punkt im deutschen Gebietsschema")
            << QStringList{"Nr", "Name", "Preis"} << QStringList{"P1", "Alt", "=1.255|1.255"}
            << QVariantList{"Alt", 1.255, "Alt", 2};
        QTest::newRow("nur Nr und Name") << QStringList{"Nr", "Name"} << QStringList{"P1", "Neu"}
                                         << QVariantList{"Neu", 5.0, "Alt", 2};
        QTest::newRow("Text im Preis") << QStringList{"Nr", "Name", "Preis", "Desc", "Typ"}
                                       << QStringList{"P1", "Neu", "abc", "", "=0|0"} << QVariantList{"Neu", 0.0, "", 0};
    }
    void produktdatei()
    {
        QFETCH(QStringList, kopf);
        QFETCH(QStringList, zellen);
        QFETCH(QVariantList, produkt);
        ProduktStore* s = w->produktStore();
        Produkt alt("P1", "Alt", 5);
        std::tie(alt.Desc, alt.Typ) = std::make_tuple("Alt", 2);
        QVERIFY(s->getProdukt("P1").Nr.isEmpty() ? s->addProdukt(alt) : s->saveProdukt(alt));
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        blatt("preise.ods", zeile(kopf) + zeile(zellen));
        const QString status = befehl("Importieren", "Produkte importieren", env.pfad("preise.ods"));
        QLocale::setDefault(vorher);
        QCOMPARE(status, QString("0 Produkte importiert, 1 aktualisiert, 0 übersprungen"));
        const Produkt p = s->getProdukt("P1");
        QCOMPARE(QVariantList({p.Name, p.Preis, p.Desc, p.Typ}), produkt);
    }

    // A file that cannot be read whole, or would grow beyond the bounds of a table, is refused
    // with a message naming it, before anything of it is stored.
    void unlesbar_data()
    {
        QTest::addColumn<QString>("zeilen");
        QTest::addColumn<bool>("beschaedigt");
        const QString kopf = zeile({"Firma", "Nr"});
        QString viele;
        for (int i = 0; i < 3000; ++i)
            viele += zeile({QString("Firma %1").arg(i), QString("=%1|%1").arg(5000 + i)});
        QTest::newRow("beschädigtes Paket") << kopf + viele << true;
        QTest::newRow("XML bricht ab") << kopf + viele + "<table:table-row><table:table-cell>" << false;
        QTest::newRow("Zeilen mal Spalten")
            << kopf + zeile({"x", "=7|7"}, R"( table:number-rows-repeated="600000")") << false;
        QTest::newRow("wiederholte Spalten")
            << kopf + zeile({R"(<table:table-cell table:number-columns-repeated="16384"><text:p>x</text:p>)"
                             "</table:table-cell>"}, R"( table:number-rows-repeated="100")") << false;
        QTest::newRow("Leerzeichen ohne Ende")
            << kopf + zeile({"<table:table-cell><text:p>a" + QString(R"(<text:s text:c="16384"/>)").repeated(10)
                             + "</text:p></table:table-cell>"}) << false;
        QTest::newRow("langer Text") << kopf + zeile({QString(150000, 'x')}) << false;
    }
    void unlesbar()
    {
        QFETCH(QString, zeilen);
        QFETCH(bool, beschaedigt);
        blatt("unlesbar.ods", zeilen, beschaedigt);
        const qsizetype vorher = w->kundenStore()->getKunden().size();
        const QString status = befehl("Vendora", "Kunden importieren", env.pfad("unlesbar.ods"));
        QCOMPARE(dialoge.arten(), QStringList({"getOpenFileName", "warning"}));
        QVERIFY2(dialoge.fragen.last().text.contains(QDir::toNativeSeparators(env.pfad("unlesbar.ods"))),
                 qPrintable(dialoge.fragen.last().text));
        QCOMPARE(w->kundenStore()->getKunden().size(), vorher);
        QVERIFY(!status.isEmpty());
    }

    // Rows without data are no customers; more than 10,000 new ones only when the user agrees,
    // then stored in one go with one refresh of the lists; a cancelled import stores nothing.
    void vieleKunden_data()
    {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("abbrechen");
        QTest::addColumn<int>("neu");
        QTest::newRow("verneint") << int(QMessageBox::No) << false << 0;
        QTest::newRow("bejaht") << int(QMessageBox::Yes) << false << 10001;
        QTest::newRow("abgebrochen") << int(QMessageBox::Yes) << true << 0;
    }
    void vieleKunden()
    {
        QFETCH(int, antwort);
        QFETCH(bool, abbrechen);
        QFETCH(int, neu);
        QStringList nurG(7);  // column G is read by no import
        nurG[6] = "nur G";
        blatt("viele.ods", zeile({"Firma", "Nr"}) + zeile({"", " "}, R"( table:number-rows-repeated="50")")
                               + zeile(nurG) + zeile({"Firma"}, R"( table:number-rows-repeated="10001")"));
        const qsizetype vorher = w->kundenStore()->getKunden().size();
        QSignalSpy geaendert(w->kundenStore(), SIGNAL(storeChanged()));
        dialoge.vergiss();
        if (abbrechen) {
            // Cancelled at the last moment: every customer written, none committed.
            dialoge.antworte(antwort);
            const std::unique_ptr<QStandardItemModel> t(readODS(env.pfad("viele.ods")));
            TabellenImport::kundenVDA(t.get(), w->kundenStore(), w.get(), [](qint64 e, qint64 g) { return e < g; });
        } else {
            befehl("Vendora", "Kunden importieren", env.pfad("viele.ods"), {antwort});
        }
        QCOMPARE(dialoge.anzahl("question"), 1);
        QCOMPARE(w->kundenStore()->getKunden().size() - vorher, neu);
        QCOMPARE(geaendert.size(), neu > 0 ? 1 : 0);
    }

    void zellen_data()
    {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<QList<QStringList>>("erwartet");
        for (const QString f : {"csv", "xls", "ods", "xlsx"}) {
            const bool x = f != "csv";
            const QString nl = x ? " " : "\n";
            // Texts unchanged even where they look like numbers (line breaks become blanks in the
            // XML formats); dates as date cells in the sheet's formats, as ISO text in CSV.
            QTest::newRow(qPrintable("daten_" + f)) << "daten_" + f << QList<QStringList>{
                {"Nr", "Name & <Firma>", "Preis", "Betrag", "Datum", "Zeit", "Code", "Eingang", "Notiz"},
                {"1", "Müller & Söhne" + nl + "GmbH", "1234567.89", "12,50", x ? "01.03.2024" : "2024-03-01",
                 x ? "01.03.2024 10:30:00" : "2024-03-01T10:30:00.000", "01234",
                 x ? "07.12.2026 14:34:02" : "2026-12-07T14:34:02", "2024-03-01"},
                {"2", quote, "-7.25", "0,00", x ? "01.03.1900" : "1900-03-01",
                 x ? "31.12.2023 23:59:59" : "2023-12-31T23:59:59.000", "12,50 €", "", "bald"}};
            if (f != "csv")
                QTest::newRow(qPrintable("zeichen_" + f))
                    << "zeichen_" + f << QList<QStringList>{{"Text"}, {"abcde " + smiley}};
        }
        QList<QStringList> formelnGelesen{{"Wert"}};
        for (const QString& t : formeln)
            formelnGelesen << QStringList{"'" + t};
        QTest::newRow("formeln_csv") << "formeln_csv" << (formelnGelesen << QStringList{"-7.25"});
        QTest::newRow("openpyxl") << "openpyxl" << QList<QStringList>{
            {"Tabelle1"},
            {"s:Nr", "s:Name & <Firma>", "s:Preis", "s:Betrag", "s:Datum", "s:Zeit", "s:Code", "s:Eingang",
             "s:Notiz"},
            {"n:1.0", "s:Müller & Söhne GmbH", "n:1234567.89", "s:12,50", "d:2024-03-01T00:00:00",
             "d:2024-03-01T10:30:00", "s:01234", "d:2026-12-07T14:34:02", "s:2024-03-01"},
            {"n:2.0", "s:" + quote, "n:-7.25", "s:0,00", "d:1900-03-01T00:00:00", "d:2023-12-31T23:59:59",
             "s:12,50 €", "s:", "s:bald"}};
    }

    void zellen()
    {
        QFETCH(QString, datei);
        QTEST(gelesen.value(datei), "erwartet");
    }

    // Not in the read-back files: non-finite numbers, invalid dates and those before 1900, SQL's 64-bit
    // integers, columns past Z.
    void zellenUndNamen()
    {
        QList<int> arten;
        for (const QVariant& v : {QVariant(qInf()), QVariant(QDateTime()), QVariant(qlonglong(612345678)),
                                  QVariant(QDate(1899, 12, 31)), QVariant(QDate(1900, 1, 1))})
            arten << int(TabellenZelle::aus(v).art);
        QCOMPARE(arten, QList<int>({TabellenZelle::Text, TabellenZelle::Text, TabellenZelle::Zahl,
                                    TabellenZelle::Text, TabellenZelle::Datum}));
        QStringList namen;
        for (int k : {0, 25, 26, 701, 702})
            namen << TabellenZelle::columnName(k);
        QCOMPARE(namen, QStringList({"A", "Z", "AA", "ZZ", "AAA"}));
    }

    // "mimetype" first and stored, as OpenDocument wants; no empty column list, which Excel refuses.
    void zipInhalt()
    {
        const QString ods = env.pfad("in/xml/daten_ods.ods");
        QuaZip zip(ods);
        QuaZipFileInfo64 info;
        QVERIFY(zip.open(QuaZip::mdUnzip) && zip.goToFirstFile() && zip.getCurrentFileInfo(&info));
        QCOMPARE(zip.getFileNameList() << QString::number(info.method) << eintrag(ods, "mimetype"),
                 QStringList({"mimetype", "META-INF/manifest.xml", "content.xml", "0",
                              "application/vnd.oasis.opendocument.spreadsheet"}));
        QStandardItemModel breit(0, 28);
        QVERIFY(exportXLSX(&breit, env.pfad("breit.xlsx")));
        const QString b = eintrag(env.pfad("breit.xlsx"), "xl/worksheets/sheet1.xml");
        QVERIFY(b.contains("<dimension ref=\"A1:AB1\"/>") && !b.contains("<cols>"));
    }

    void schreibfehler_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("teil");   // the zip entry holding the rows
        QTest::addColumn<QString>("zeile");  // what starts a row there
        QTest::newRow("csv") << "csv" << QString() << "\n";
        QTest::newRow("xls") << "xls" << QString() << "<Row>";
        QTest::newRow("ods") << "ods" << "content.xml" << "<table:table-row ";
        QTest::newRow("xlsx") << "xlsx" << "xl/worksheets/sheet1.xml" << "<row ";
    }

    // Missing folder or folder in the way: nothing written; an old file replaced by every row of an SQL
    // model (which holds only its first rows until asked for more); no temporary left. Names up to the file
    // system's 255 bytes, new and replaced (keeping the old file's permissions); a symbolic link at the name
    // is written through to its target.
    void schreibfehler()
    {
        QFETCH(QString, format);
        QFETCH(QString, teil);
        QFETCH(QString, zeile);
        QVERIFY(QSqlQuery().exec("create table if not exists liste as with recursive n(Nr) as (select 1 union all"
                                 " select Nr + 1 from n where Nr < 300) select Nr, 'N' || Nr as Name from n"));
        QSqlTableModel m;
        m.setTable("liste");
        QVERIFY(m.select());
        const Writer w = writer.value(format);
        QVERIFY(!w(&m, env.pfad("fehlt/datei." + format), {}, false));
        const QString ordner = env.pfad("fehler_" + format);
        QDir().mkpath(ordner + "/im_weg." + format);
        QVERIFY(!w(&m, ordner + "/im_weg." + format, {}, false));
        const QString datei = ordner + "/alt." + format;
        QVERIFY(QFile(datei).open(QIODevice::WriteOnly) && QFile::resize(datei, 100000));
        QVERIFY(w(&m, datei, {}, false));
        QVERIFY(QFileInfo(datei).size() < 100000);
        QCOMPARE((teil.isEmpty() ? liesDatei(datei) : eintrag(datei, teil)).count(zeile), 301);
        QStringList namen{"alt." + format, "im_weg." + format};
        const auto privat = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser;
        for (int laenge : {241, 255}) {
            namen << QString(laenge - format.size() - 1, QLatin1Char('n')) + "." + format;
            const QString lang = ordner + "/" + namen.last();
            QVERIFY2(w(&m, lang, {}, false) && QFile::setPermissions(lang, privat) && w(&m, lang, {}, false),
                     qPrintable(QString::number(laenge)));
            QCOMPARE(QFile::permissions(lang), privat);
        }
        const QString ziel = ordner + "/ziel." + format;
        QVERIFY(QFile(ziel).open(QIODevice::WriteOnly) && QFile::resize(ziel, 100000));
        QVERIFY(QFile::link("ziel." + format, ordner + "/verweis." + format));
        QVERIFY(w(&m, ordner + "/verweis." + format, {}, false));
        QVERIFY(QFileInfo(ordner + "/verweis." + format).isSymLink());
        QCOMPARE(liesDatei(ziel).left(2), liesDatei(datei).left(2));
        QVERIFY(QFileInfo(ziel).size() < 100000);
        namen << "verweis." + format << "ziel." + format;
        namen.sort();
        QCOMPARE(QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), namen);
    }

    void exportBefehl_data()
    {
        QTest::addColumn<QString>("antwort");  // empty: cancelled; "name|chosen filter"
        QTest::addColumn<QString>("datei");    // expected file; empty: none
        QTest::addColumn<QString>("anfang");   // its first bytes; a name chosen that gives no file is warned of
        // The folder's name has a dot, which is no extension.
        QTest::newRow("no dot in the name gets .xlsx") << "liste" << "liste.xlsx" << "PK";
        QTest::newRow("no dot, ODS filter chosen") << "liste|Open Document ( *.ods )" << "liste.ods" << "PK";
        QTest::newRow("ods") << "l.ods" << "l.ods" << "PK";
        QTest::newRow("upper-case CSV") << "L.CSV" << "L.CSV" << "\"";
        QTest::newRow("upper-case XLS") << "L2.XLS" << "L2.XLS" << "<?xml";
        QTest::newRow("cancel") << QString() << QString() << QString();
        QTest::newRow("unknown ending") << "l.txt" << QString() << QString();
        QTest::newRow("unwritable folder") << "fehlt/l.ods" << QString() << QString();
    }

    void exportBefehl()
    {
        QFETCH(QString, antwort);
        QFETCH(QString, datei);
        QFETCH(QString, anfang);
        const bool warnung = datei.isEmpty() && !antwort.isEmpty();
        const QString ordner = env.pfad(QString("befehl.%1").arg(QTest::currentDataTag()));
        QDir().mkpath(ordner);
        QStandardItemModel m(2, 3);
        dialoge.vergiss();
        const QStringList wahl = antwort.split('|');
        dialoge.antworte(antwort.isEmpty() ? QVariant()
                         : wahl.size() > 1 ? QVariant(QStringList{ordner + "/" + wahl[0], wahl[1]})
                                           : QVariant(ordner + "/" + antwort));
        QCOMPARE(exportTabelle(nullptr, "Kunden exportieren", &m), !datei.isEmpty());
        QCOMPARE(dialoge.anzahl("warning"), warnung ? 1 : 0);
        if (warnung)
            QVERIFY(dialoge.fragen.last().text.contains(ordner + "/" + antwort));
        QCOMPARE(QDir(ordner).entryList(QDir::Files | QDir::Hidden),
                 datei.isEmpty() ? QStringList() : QStringList{datei});
        QVERIFY(datei.isEmpty() || liesDatei(ordner + "/" + datei).startsWith(anfang));
    }

    void commandTextsExtractedForTranslation()
    {
        // lupdate must find the texts, or they stay German in every language.
        const QString ts = env.pfad("export.ts");
        lauf(QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lupdate",
             {qEnvironmentVariable("BELEGWERK_SOURCE_DIR") + "/exchange/tabellenexport.cpp", "-ts", ts});
        const QString inhalt = liesDatei(ts);
        QCOMPARE(QList<qsizetype>({inhalt.count("<name>TabellenExport</name>"), inhalt.count("<source>")}),
                 QList<qsizetype>({1, 3}));
    }
};

QTEST_MAIN(TestAustausch)
#include "tst_austausch.moc"
