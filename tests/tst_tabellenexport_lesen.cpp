#include "exchange/tabellenexport.h"
#include "tests/support/tabellenmodell.h"
#include "tests/support/testumgebung.h"

#include <QDir>
#include <QProcess>
#include <QStandardItemModel>
#include <QtTest>

// Reads every writer's file back with real spreadsheet programs: LibreOffice
// converts all four formats to CSV, openpyxl loads the XLSX workbooks; the
// cells must match the model.
class TestTabellenExportLesen : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    QStandardItemModel model;
    QStandardItemModel leer{0, 3};
    QMap<QString, QList<QStringList>> gelesen;  // LibreOffice's CSV per file name

    const QString quote = "Sagt \"Hallo\"; Tschüß & <Ende> 5 €";

    static QList<QStringList> parseCsv(const QString& s)
    {
        QList<QStringList> zeilen;
        QStringList zeile;
        QString feld;
        bool inQuotes = false;
        for (int i = 0; i < s.size(); ++i) {
            const QChar c = s.at(i);
            if (inQuotes) {
                if (c == '"' && i + 1 < s.size() && s.at(i + 1) == '"') {
                    feld += '"';
                    ++i;
                } else if (c == '"') {
                    inQuotes = false;
                } else {
                    feld += c;
                }
            } else if (c == '"') {
                inQuotes = true;
            } else if (c == ',') {
                zeile << feld;
                feld.clear();
            } else if (c == '\n') {
                zeile << feld;
                zeilen << zeile;
                zeile.clear();
                feld.clear();
            } else if (c != '\r') {
                feld += c;
            }
        }
        if (!feld.isEmpty() || !zeile.isEmpty())
            zeilen << (zeile << feld);
        return zeilen;
    }

    // One LibreOffice start converting all files given to CSV in out/.
    bool konvertiere(const QStringList& dateien, const QString& infilter = QString())
    {
        QStringList args{"-env:UserInstallation=" + QUrl::fromLocalFile(env.pfad("lo-profil")).toString(),
                         "--headless", "--norestore"};
        if (!infilter.isEmpty())
            args << "--infilter=" + infilter;
        args << "--convert-to" << "csv:Text - txt - csv (StarCalc):44,34,76,1"
             << "--outdir" << env.pfad("out") << dateien;
        QProcess p;
        p.start("soffice", args);
        if (!p.waitForFinished(120000) || p.exitCode() != 0) {
            qWarning() << p.readAllStandardError();
            return false;
        }
        return true;
    }

private slots:
    void initTestCase()
    {
        model.setHorizontalHeaderLabels({"Nr", "Name & <Firma>", "Preis", "Betrag", "Datum",
                                         "Zeit", "Code"});
        const QList<QList<QVariant>> zeilen{
            {1, "Müller & Söhne", 12.5, "12,50", QDate(2024, 3, 1),
             QDateTime(QDate(2024, 3, 1), QTime(10, 30)), "01234"},
            {2, quote, -7.25, "0,00", QDate(1900, 3, 1),
             QDateTime(QDate(2023, 12, 31), QTime(23, 59, 59)), "12,50 €"},
            {3, "Zeile1\nZeile2", 1234567.89, "0,0", QDate(2000, 1, 1),
             QDateTime(QDate(2000, 1, 1), QTime(0, 0)), "Ölstraße; 7"}};
        fuelleZeilen(model, zeilen);
        leer.setHorizontalHeaderLabels({"a", "b", "c"});

        QDir().mkpath(env.pfad("in"));
        QStringList andere;
        for (const QString f : {"xls", "ods", "xlsx"}) {
            const QString d = env.pfad("in/daten_" + f + "." + f);
            const QString e = env.pfad("in/leer_" + f + "." + f);
            QVERIFY(f == "xls" ? exportXLS(&model, d) : f == "ods" ? exportODS(&model, d)
                                                                  : exportXLSX(&model, d));
            QVERIFY(f == "xls" ? exportXLS(&leer, e) : f == "ods" ? exportODS(&leer, e)
                                                                 : exportXLSX(&leer, e));
            andere << d << e;
        }
        QVERIFY(exportCSV(&model, env.pfad("in/daten_csv.csv")));
        QVERIFY(exportCSV(&leer, env.pfad("in/leer_csv.csv")));

        // Our CSV is ";"-separated UTF-8; every column read as text keeps the values exact.
        QVERIFY(konvertiere({env.pfad("in/daten_csv.csv"), env.pfad("in/leer_csv.csv")},
                            "CSV:59,34,76,1,1/2/2/2/3/2/4/2/5/2/6/2/7/2"));
        QVERIFY(konvertiere(andere));
        const QStringList namen = QDir(env.pfad("out")).entryList({"*.csv"});
        for (const QString& n : namen) {
            QFile f(env.pfad("out/" + n));
            QVERIFY(f.open(QIODevice::ReadOnly));
            gelesen.insert(QFileInfo(n).completeBaseName(), parseCsv(QString::fromUtf8(f.readAll())));
        }
        QCOMPARE(gelesen.size(), 8);
    }

    void libreOffice_data()
    {
        QTest::addColumn<QString>("format");
        for (const char* f : {"csv", "xls", "ods", "xlsx"})
            QTest::newRow(f) << QString(f);
    }

    void libreOffice()
    {
        QFETCH(QString, format);
        const bool csv = format == "csv";
        const bool xlsx = format == "xlsx";
        const QString nl = csv ? "\n" : " ";
        const QStringList kopf{"Nr", "Name & <Firma>", "Preis", "Betrag", "Datum", "Zeit", "Code"};
        // Texts unchanged, even where they look like numbers (line breaks become blanks in
        // the XML formats), numbers read as numbers, dates as dates with the sheet's
        // formats in XLSX and as text elsewhere.
        const QList<QStringList> erwartet{
            kopf,
            {"1", "Müller & Söhne", "12.5", "12,50",
             xlsx ? "01.03.2024" : "2024-03-01",
             xlsx ? "01.03.2024 10:30:00" : "2024-03-01T10:30:00.000", "01234"},
            {"2", quote, "-7.25", "0,00", xlsx ? "01.03.1900" : "1900-03-01",
             xlsx ? "31.12.2023 23:59:59" : "2023-12-31T23:59:59.000", "12,50 €"},
            {"3", "Zeile1" + nl + "Zeile2", "1234567.89", "0,0", xlsx ? "01.01.2000" : "2000-01-01",
             xlsx ? "01.01.2000 00:00:00" : "2000-01-01T00:00:00.000", "Ölstraße; 7"}};
        QCOMPARE(gelesen.value("daten_" + format), erwartet);
        QCOMPARE(gelesen.value("leer_" + format), QList<QStringList>({{"a", "b", "c"}}));
    }

    void openpyxl()
    {
        // Each cell as kind:value; dates rounded to the second.
        const QString skript = R"(
import sys, datetime, openpyxl
for name in sys.argv[1:]:
    ws = openpyxl.load_workbook(name).active
    print("sheet:" + ws.title)
    for row in ws.iter_rows():
        cells = []
        for c in row:
            v = c.value
            if isinstance(v, datetime.datetime):
                v = (v + datetime.timedelta(microseconds=500000)).replace(microsecond=0)
                cells.append("d:" + v.isoformat())
            elif isinstance(v, (int, float)):
                cells.append("n:" + repr(float(v)))
            else:
                cells.append("s:" + ("" if v is None else v))
        print("|".join(cells))
)";
        QProcess p;
        p.start("/usr/bin/python3", {"-c", skript, env.pfad("in/daten_xlsx.xlsx"),
                                     env.pfad("in/leer_xlsx.xlsx")});
        QVERIFY(p.waitForFinished(60000));
        QVERIFY2(p.exitCode() == 0, p.readAllStandardError().constData());
        const QStringList zeilen = QString::fromUtf8(p.readAllStandardOutput()).split('\n');
        const QStringList erwartet{
            "sheet:Tabelle1",
            "s:Nr|s:Name & <Firma>|s:Preis|s:Betrag|s:Datum|s:Zeit|s:Code",
            "n:1.0|s:Müller & Söhne|n:12.5|s:12,50|d:2024-03-01T00:00:00|d:2024-03-01T10:30:00|s:01234",
            "n:2.0|s:" + quote + "|n:-7.25|s:0,00|d:1900-03-01T00:00:00|d:2023-12-31T23:59:59|s:12,50 €",
            "n:3.0|s:Zeile1 Zeile2|n:1234567.89|s:0,0|d:2000-01-01T00:00:00|d:2000-01-01T00:00:00"
            "|s:Ölstraße; 7",
            "sheet:Tabelle1", "s:a|s:b|s:c", ""};
        QCOMPARE(zeilen, erwartet);
    }

    void forbiddenXmlCharactersDropped()
    {
        // U+FFFE, U+FFFF and lone surrogate halves would make the XML files unreadable.
        const QString text = QString("a") + QChar(0xFFFE) + "b" + QChar(0xFFFF) + "c" + QChar(0xD800)
                             + "d" + QChar(0xDC00) + "e " + QString::fromUtf8("\xF0\x9F\x98\x80");
        QStandardItemModel m;
        m.setHorizontalHeaderLabels({"Text"});
        fuelleZeilen(m, {{text}});
        QStringList dateien;
        for (const QString f : {"xls", "ods", "xlsx"}) {
            dateien << env.pfad("in/zeichen_" + f + "." + f);
            QVERIFY(f == "xls" ? exportXLS(&m, dateien.last()) : f == "ods" ? exportODS(&m, dateien.last())
                                                                           : exportXLSX(&m, dateien.last()));
        }
        QVERIFY(konvertiere(dateien));
        for (const QString f : {"xls", "ods", "xlsx"}) {
            QFile csv(env.pfad("out/zeichen_" + f + ".csv"));
            QVERIFY2(csv.open(QIODevice::ReadOnly), qPrintable(f));
            QCOMPARE(parseCsv(QString::fromUtf8(csv.readAll())),
                     QList<QStringList>({{"Text"}, {"abcde " + QString::fromUtf8("\xF0\x9F\x98\x80")}}));
        }
    }

    void csvFormulasStayText()
    {
        // Opened with formula evaluation on, no field of the data becomes a formula.
        const QStringList texte{"=HYPERLINK(\"http://example.com\";\"klick\")", "+1+1", "-1+1",
                                "@x", "\t=1"};
        QStandardItemModel m;
        m.setHorizontalHeaderLabels({"Wert"});
        for (const QString& t : texte)
            fuelleZeilen(m, {{t}});
        fuelleZeilen(m, {{-7.25}});
        QVERIFY(exportCSV(&m, env.pfad("in/formeln.csv")));
        QVERIFY(konvertiere({env.pfad("in/formeln.csv")}, "CSV:59,34,76,1,,0,false,false,false,false,false,0,true"));
        QFile f(env.pfad("out/formeln.csv"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QList<QStringList> erwartet{{"Wert"}};
        for (const QString& t : texte)
            erwartet << QStringList{"'" + t};
        erwartet << QStringList{"-7.25"};
        QCOMPARE(parseCsv(QString::fromUtf8(f.readAll())), erwartet);
    }
};

QTEST_MAIN(TestTabellenExportLesen)
#include "tst_tabellenexport_lesen.moc"
