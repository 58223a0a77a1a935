#include "exchange/tabellenexport.h"
#include "tests/support/tabellenmodell.h"
#include "tests/support/testumgebung.h"

#include <QtGui>
#include <QtTest>

// Every writer's file read back by real spreadsheet programs: LibreOffice converts
// all four formats to CSV, openpyxl loads the XLSX workbook.
class TestTabellenExportLesen : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    QMap<QString, QList<QStringList>> gelesen;  // LibreOffice's CSV per file name; openpyxl's cells
    const QString quote = "Sagt \"Hallo\"; Tschüß & <Ende> 5 €";
    const QString smiley = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QStringList formeln{"=HYPERLINK(\"http://example.com\";\"klick\")", "+1+1", "-1+1", "@x", "\t=1"};

    // One LibreOffice start converting the files of a folder to CSV in out/.
    bool konvertiere(const QString& ordner, const QString& infilter = QString())
    {
        QStringList args{"-env:UserInstallation=" + QUrl::fromLocalFile(env.pfad("lo-profil")).toString(),
                         "--headless", "--norestore", "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1",
                         "--outdir", env.pfad("out")};
        if (!infilter.isEmpty())
            args << "--infilter=" + infilter;
        QProcess p;
        p.start("soffice", args + QDir(env.pfad(ordner)).entryList(QDir::Files)
                                      .replaceInStrings(QRegularExpression("^"), env.pfad(ordner + "/")));
        return p.waitForFinished(120000) && p.exitCode() == 0;
    }

private slots:
    void initTestCase()
    {
        using Writer = bool (*)(QAbstractItemModel*, const QString&, QList<int>, bool);
        QMap<QString, Writer> schreibe{{"csv", exportCSV}, {"xls", exportXLS}, {"ods", exportODS},
                                       {"xlsx", exportXLSX}};
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
            QVERIFY(schreibe[f](&daten, ordner + "daten_" + f + "." + f, {}, false));
            if (f != "csv")
                QVERIFY(schreibe[f](&zeichen, ordner + "zeichen_" + f + "." + f, {}, false));
        }
        QVERIFY(exportCSV(&formelModell, env.pfad("in/formel/formeln_csv.csv"), {}, false));

        // Our CSV is ";"-separated UTF-8: read with every column as text the values stay exact;
        // read with formula evaluation on, no field of the data becomes a formula.
        QVERIFY(konvertiere("in/text", "CSV:59,34,76,1,1/2/2/2/3/2/4/2/5/2/6/2/7/2/8/2/9/2"));
        QVERIFY(konvertiere("in/formel", "CSV:59,34,76,1,,0,false,false,false,false,false,0,true"));
        QVERIFY(konvertiere("in/xml"));
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
};

QTEST_MAIN(TestTabellenExportLesen)
#include "tst_tabellenexport_lesen.moc"
