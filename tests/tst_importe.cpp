#include "app/mainwindow.h"
#include "exchange/odsleser.h"
#include "exchange/tabellenimport.h"
#include "exchange/zippaket.h"
#include "store/kundenstore.h"
#include "store/produktstore.h"
#include "tests/support/menubefehl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtTest>
#include <QtWidgets>

// The spreadsheet imports on files that LibreOffice wrote, and on the program's own product file.
class TestImporte : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    SkriptInteraktion dialoge;
    std::unique_ptr<MainWindow> w;

    // A cell: plain text, "=value|shown" for a number with two decimals, or ready cell XML.
    static QString zelle(const QString& c)
    {
        if (c.startsWith('<'))
            return c;
        if (c.startsWith('='))
            return QString(R"(<table:table-cell table:style-name="ce2" office:value-type="float" office:value="%1">)"
                           "<text:p>%2</text:p></table:table-cell>").arg(c.mid(1).section('|', 0, 0), c.section('|', 1));
        return c.isEmpty() ? "<table:table-cell/>"
                           : "<table:table-cell><text:p>" + c.toHtmlEscaped() + "</text:p></table:table-cell>";
    }
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
        for (const QStringList& z : zeilen) {
            out << "<table:table-row>";
            for (const QString& c : z)
                out << zelle(c);
            out << "</table:table-row>";
        }
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
    static QString zeile(const QStringList& zellen, const QString& attribute = QString())
    {
        QString z = "<table:table-row" + attribute + ">";
        for (const QString& c : zellen)
            z += zelle(c);
        return z + "</table:table-row>";
    }
    QString importiere(const QStringList& pfad, const QString& datei, const QVariantList& antworten = {})
    {
        dialoge.antworte(env.pfad(datei));
        for (const QVariant& a : antworten)
            dialoge.antworte(a);
        w->statusBar()->clearMessage();
        return menuBefehl(*w, pfad) ? w->statusBar()->currentMessage() : "nicht im Menü";
    }

private slots:
    void initTestCase()
    {
        env.neueDatenbank();
        w = std::make_unique<MainWindow>();
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
        QList<QStringList> vda{QStringList(21)};
        vda[0][0] = "Nr";
        vda[0][19] = "Preis";
        for (const QString nr : {"V1", "V2", "V3", "V3"}) {  // LibreOffice writes the last two as one row, repeated
            vda << QStringList(21);
            vda.last()[0] = nr;
            vda.last()[2] = "Ware " + nr;
            vda.last()[19] = nr == "V2" ? "ab" : "=12.5|12.50";
        }
        fods("vda_produkte", vda);
        fods("produkte", {{"Nr", "Name", "Preis", "Desc", "Typ"}, {"P1", "Neu", "=12.5|12.50", "Zwei  Wörter", "=0|0"},
                          {"", "Ohne Nummer", "=3|3.00"}, {"P2", "Zweite", "abc", "", "=2|2"}});
        QProcess lo;
        lo.start("soffice", QStringList{"-env:UserInstallation=" + QUrl::fromLocalFile(env.pfad("lo")).toString(),
                                        "--headless", "--norestore", "--convert-to", "ods", "--outdir",
                                        env.pfad("lo-out")} + QDir(env.pfad("fods")).entryList({"*.fods"})
                                           .replaceInStrings(QRegularExpression("^"), env.pfad("fods/")));
        QVERIFY(lo.waitForFinished(180000) && lo.exitCode() == 0);

        // The runs of empty cells and rows that spreadsheet programs write up to their limits.
        blatt("lo-out/gross.ods",
              zeile({"Firma", "Nr", R"(<table:table-cell table:number-columns-repeated="16383"/>)"})
                  + zeile({"<table:table-cell><text:p>A<text:tab/>1<text:line-break/>2</text:p></table:table-cell>",
                           R"(<table:table-cell table:number-columns-repeated="1000"/>)"})
                  + zeile({R"(<table:table-cell table:number-columns-repeated="16384"/>)"},
                          R"( table:number-rows-repeated="1048576")"));
    }

    // The reader alone first: formatted empty rows after the table are left out, the sheet of
    // 1,048,576 repeated rows ends after its two filled ones, a flat file is no ODS.
    void importe()
    {
        const std::unique_ptr<QStandardItemModel> m(readODS(env.pfad("lo-out/kunden.ods")));
        QCOMPARE(m->columnCount(), 18);
        QCOMPARE(m->rowCount(), 2);
        const std::unique_ptr<QStandardItemModel> g(readODS(env.pfad("lo-out/gross.ods")));
        QCOMPARE(QSize(g->columnCount(), g->rowCount()), QSize(2, 1));
        QCOMPARE(g->index(0, 0).data().toString(), QString("A\t1\n2"));
        const std::unique_ptr<QStandardItemModel> keine(readODS(env.pfad("fods/kunden.fods")));
        QCOMPARE(keine->rowCount() + keine->columnCount(), 0);

        const QStringList vendora{"Belegwerk", "Vendora", "Kunden importieren"};
        QCOMPARE(importiere(vendora, "lo-out/kunden.ods"), QString("2 Kunden importiert, 0 übersprungen"));
        const Kunde k = w->kundenStore()->getKunde(501);
        QCOMPARE(QStringList({k.Firma, k.Name, k.Strasse, k.PLZ, k.Ort, k.Steuernummer, k.Tel, k.Tel2, k.Fax,
                              k.Email, k.Bemerkung}),
                 QStringList({"Müller   GmbH", "Hans Peter Meier", "Hauptstr. 1\n", "01234", "Köln", "DE123",
                              "0221-1", "0221-2", "0221-3", "m@example.org", "Zeile eins\nZeile zwei"}));
        const Kunde ohne = w->kundenStore()->getKunde(502);  // the next free number
        QCOMPARE(QVariantList({k.Typ, k.Seit, ohne.Firma, ohne.Strasse, ohne.Seit}),
                 QVariantList({1, QDate(2009, 3, 7), "Ohne Nummer", "Weg 2\nHof", QDate::currentDate()}));
        QCOMPARE(importiere(vendora, "lo-out/kunden.ods"), QString("1 Kunden importiert, 1 übersprungen"));

        QCOMPARE(importiere({"Belegwerk", "Vendora", "Produkte importieren"}, "lo-out/vda_produkte.ods"),
                 QString("3 Produkte importiert, 0 aktualisiert, 1 übersprungen"));
        ProduktStore* s = w->produktStore();
        QCOMPARE(QVariantList({s->getProdukt("V1").Preis, s->getProdukt("V2").Preis, s->getProdukt("V3").Name}),
                 QVariantList({12.5, 0.0, "Ware V3"}));
        QCOMPARE(importiere({"Belegwerk", "Importieren", "Produkte importieren"}, "lo-out/produkte.ods"),
                 QString("2 Produkte importiert, 0 aktualisiert, 1 übersprungen"));

        // The program's own product file reads back into the same products.
        dialoge.antworte(env.pfad("eigene_produkte.ods"));
        QVERIFY(menuBefehl(*w, {"Belegwerk", "Exportieren", "Produkte exportieren"}));
        QCOMPARE(importiere({"Belegwerk", "Importieren", "Produkte importieren"}, "eigene_produkte.ods"),
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
        alt.Desc = "Alt";
        alt.Typ = 2;
        QVERIFY(s->getProdukt("P1").Nr.isEmpty() ? s->addProdukt(alt) : s->saveProdukt(alt));
        const QLocale vorher;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        blatt("preise.ods", zeile(kopf) + zeile(zellen));
        const QString status = importiere({"Belegwerk", "Importieren", "Produkte importieren"}, "preise.ods");
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
        dialoge.vergiss();
        const QString status = importiere({"Belegwerk", "Vendora", "Kunden importieren"}, "unlesbar.ods");
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
            importiere({"Belegwerk", "Vendora", "Kunden importieren"}, "viele.ods", {antwort});
        }
        QCOMPARE(dialoge.anzahl("question"), 1);
        QCOMPARE(w->kundenStore()->getKunden().size() - vorher, neu);
        QCOMPARE(geaendert.size(), neu > 0 ? 1 : 0);
    }
};

QTEST_MAIN(TestImporte)
#include "tst_importe.moc"
