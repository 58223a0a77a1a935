#include "exchange/tabellenexport.h"
#include "exchange/tabellenzelle.h"
#include "tests/support/bedienung.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/tabellenmodell.h"
#include "tests/support/testumgebung.h"

#include <QDir>
#include <QLibraryInfo>
#include <QProcess>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QStandardItemModel>
#include <QtTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

// The file contents of the four writers, the cell rules they share, their
// behaviour on failure, and the export command with its save dialog.
class TestTabellenExport : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;

    using Writer = bool (*)(QAbstractItemModel*, const QString&, QList<int>, bool);

    static Writer writer(const QString& format)
    {
        if (format == "csv")
            return exportCSV;
        if (format == "xls")
            return exportXLS;
        if (format == "ods")
            return exportODS;
        return exportXLSX;
    }

    static QString eintrag(const QString& zip, const QString& name)
    {
        QuaZipFile f(zip, name);
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(f.readAll());
    }

    // Header with markup characters; a repeated text; dates in row 1.
    static void fuelle(QStandardItemModel& m)
    {
        m.setColumnCount(4);
        m.setHorizontalHeaderLabels({"A & B", "<Preis>", "Datum", "Zeit"});
        const QList<QList<QVariant>> zeilen{
            {"Müller", 12.5, QDate(2024, 3, 1), QDateTime(QDate(2024, 3, 1), QTime(10, 30))},
            {"Müller", "01234", QDate(1900, 3, 1), QDateTime(QDate(1900, 2, 28), QTime(6, 0))},
            {"Sagt \"Hi\";\nja", "12,50 €", "", ""}};
        fuelleZeilen(m, zeilen);
    }

private slots:
    void zellen_data()
    {
        QTest::addColumn<QVariant>("wert");
        QTest::addColumn<bool>("mitDatum");
        QTest::addColumn<int>("art");
        QTest::addColumn<double>("zahl");
        const int Z = TabellenZelle::Zahl, T = TabellenZelle::Text;
        QTest::newRow("12,50") << QVariant("12,50") << false << T << 0.0;
        QTest::newRow("12.50") << QVariant("12.50") << false << T << 0.0;
        QTest::newRow("0,00") << QVariant("0,00") << false << T << 0.0;
        QTest::newRow("1e5") << QVariant("1e5") << false << T << 0.0;
        QTest::newRow("long long") << QVariant(qlonglong(612345678)) << false << Z << 612345678.0;
        QTest::newRow("int 0") << QVariant(0) << false << Z << 0.0;
        QTest::newRow("0,0 is text") << QVariant("0,0") << false << T << 0.0;
        QTest::newRow("with euro sign") << QVariant("12,50 €") << false << T << 0.0;
        QTest::newRow("01234") << QVariant("01234") << false << T << 0.0;
        QTest::newRow("double") << QVariant(-1234567.89) << false << Z << -1234567.89;
        QTest::newRow("inf is text") << QVariant("inf") << false << T << 0.0;
        QTest::newRow("date in xlsx") << QVariant(QDate(2024, 1, 2)) << true
                                      << int(TabellenZelle::Datum) << 0.0;
        QTest::newRow("date elsewhere") << QVariant(QDate(2024, 1, 2)) << false << T << 0.0;
        QTest::newRow("date-time") << QVariant(QDateTime(QDate(2024, 1, 2), QTime(1, 2))) << true
                                   << int(TabellenZelle::DatumZeit) << 0.0;
        QTest::newRow("invalid date-time") << QVariant(QDateTime()) << true << T << 0.0;
    }

    void zellen()
    {
        QFETCH(QVariant, wert);
        QFETCH(bool, mitDatum);
        QFETCH(int, art);
        QFETCH(double, zahl);
        const TabellenZelle z = TabellenZelle::aus(wert, mitDatum);
        QCOMPARE(int(z.art), art);
        if (art == TabellenZelle::Zahl)
            QCOMPARE(z.zahl, zahl);
    }

    void namenUndSerien()
    {
        QStringList namen;
        for (int k : {0, 25, 26, 701, 702})
            namen << TabellenZelle::columnName(k);
        QCOMPARE(namen, QStringList({"A", "Z", "AA", "ZZ", "AAA"}));
        // The spreadsheet count keeps the 29 February 1900 that never was.
        QList<qint64> serien;
        for (const QDate& d : {QDate(1900, 1, 1), QDate(1900, 2, 28), QDate(1900, 3, 1), QDate(2024, 3, 1)})
            serien << TabellenZelle::datumSerial(d);
        QCOMPARE(serien, QList<qint64>({1, 59, 61, 45352}));
        QCOMPARE(TabellenZelle::zeitZiffern(QTime(10, 30)), QString("43750000"));
        QCOMPARE(TabellenZelle::xmlEscape("a&b<c>\"d'\te\nf\r"), QString("a&amp;b&lt;c&gt;\"d' e f "));
        QCOMPARE(TabellenZelle::zahlText(1234567.5), QString("1234567.5"));
    }

    void csvInhalt()
    {
        QStandardItemModel m;
        fuelle(m);
        const QString datei = env.pfad("inhalt.csv");
        QVERIFY(exportCSV(&m, datei));
        QCOMPARE(liesDatei(datei),
                 QString("\"A & B\";\"<Preis>\";\"Datum\";\"Zeit\"\n"
                         "\"Müller\";\"12.5\";\"2024-03-01\";\"2024-03-01T10:30:00.000\"\n"
                         "\"Müller\";\"01234\";\"1900-03-01\";\"1900-02-28T06:00:00.000\"\n"
                         "\"Sagt \"\"Hi\"\";\nja\";\"12,50 €\";\"\";\"\"\n"));
        QVERIFY(exportCSV(&m, datei, {2}, true));
        QCOMPARE(liesDatei(datei), QString("\"\";\"A & B\";\"<Preis>\";\"Datum\";\"Zeit\"\n"
                                      "\"3\";\"Sagt \"\"Hi\"\";\nja\";\"12,50 €\";\"\";\"\"\n"));
    }

    // The other contents are read back by real spreadsheet programs; these are
    // the container rules they forgive.
    void zipInhalt()
    {
        QStandardItemModel m;
        fuelle(m);
        const QString ods = env.pfad("inhalt.ods");
        QVERIFY(exportODS(&m, ods));
        QuaZip zip(ods);
        QVERIFY(zip.open(QuaZip::mdUnzip));
        QCOMPARE(zip.getFileNameList(),
                 QStringList({"mimetype", "META-INF/manifest.xml", "content.xml"}));
        QuaZipFileInfo64 info;
        QVERIFY(zip.goToFirstFile() && zip.getCurrentFileInfo(&info));
        QCOMPARE(int(info.method), 0);  // stored
        zip.close();
        QCOMPARE(eintrag(ods, "mimetype"), QString("application/vnd.oasis.opendocument.spreadsheet"));

        // Repeated texts are shared once; 28 columns end in "AB".
        const QString xlsx = env.pfad("inhalt.xlsx");
        QVERIFY(exportXLSX(&m, xlsx));
        QVERIFY(eintrag(xlsx, "xl/sharedStrings.xml").contains("count=\"11\" uniqueCount=\"9\">"));
        QStandardItemModel breit(0, 28);
        QVERIFY(exportXLSX(&breit, xlsx));
        const QString b = eintrag(xlsx, "xl/worksheets/sheet1.xml");
        QVERIFY(b.contains("<dimension ref=\"A1:AB1\"/>"));
        QVERIFY(b.contains("<c r=\"AA1\" t=\"s\"><v>26</v></c>\n<c r=\"AB1\" t=\"s\">"));
        QVERIFY(!b.contains("<cols>"));
    }

    void fehler_data()
    {
        QTest::addColumn<QString>("format");
        for (const char* f : {"csv", "xls", "ods", "xlsx"})
            QTest::newRow(f) << QString(f);
    }

    void fehler()
    {
        QFETCH(QString, format);
        QStandardItemModel m;
        fuelle(m);
        const Writer w = writer(format);
        QVERIFY(!w(&m, env.pfad("fehlt/datei." + format), {}, false));
        QVERIFY(!QFileInfo::exists(env.pfad("fehlt")));

        // A folder in the way: nothing written, no temporary file left beside it.
        const QString ordner = env.pfad("fehler_" + format);
        QDir().mkpath(ordner + "/im_weg." + format);
        QVERIFY(!w(&m, ordner + "/im_weg." + format, {}, false));
        QCOMPARE(QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"im_weg." + format}));

        // An existing file is replaced, and nothing else is left in the folder.
        const QString datei = ordner + "/alt." + format;
        QFile alt(datei);
        QVERIFY(alt.open(QIODevice::WriteOnly));
        alt.write(QByteArray(100000, 'x'));
        alt.close();
        QVERIFY(w(&m, datei, {}, false));
        QVERIFY(QFileInfo(datei).size() < 100000);
        QCOMPARE(QDir(ordner).entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(!w(nullptr, datei, {}, false));
    }

    void befehl_data()
    {
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<QString>("datei");   // expected file, relative; empty: none
        QTest::addColumn<QString>("anfang");  // its first bytes
        QTest::addColumn<bool>("warnung");
        QTest::newRow("no dot gets .xlsx") << QVariant("liste") << "liste.xlsx" << "PK" << false;
        QTest::newRow("dot in the folder only")
            << QVariant("a.b/liste") << "a.b/liste.xlsx" << "PK" << false;
        QTest::newRow("ods") << QVariant("l.ods") << "l.ods" << "PK" << false;
        QTest::newRow("upper-case CSV") << QVariant("L.CSV") << "L.CSV" << "\"" << false;
        QTest::newRow("upper-case XLS") << QVariant("L2.XLS") << "L2.XLS" << "<?xml" << false;
        QTest::newRow("cancel") << QVariant() << QString() << QString() << false;
        QTest::newRow("unknown ending") << QVariant("l.txt") << QString() << QString() << true;
        QTest::newRow("unwritable folder")
            << QVariant("fehlt/l.ods") << QString() << QString() << true;
    }

    void befehl()
    {
        QFETCH(QVariant, antwort);
        QFETCH(QString, datei);
        QFETCH(QString, anfang);
        QFETCH(bool, warnung);
        const QString ordner = env.pfad(QString("befehl_%1").arg(QTest::currentDataTag()));
        QDir().mkpath(ordner + "/a.b");
        QStandardItemModel m;
        fuelle(m);
        SkriptInteraktion dialoge;
        dialoge.antworte(antwort.isNull() ? antwort : QVariant(ordner + "/" + antwort.toString()));
        const bool ok = exportTabelle(nullptr, "Kunden exportieren", &m);
        QCOMPARE(ok, !datei.isEmpty());
        QCOMPARE(dialoge.fragen.first().art, QString("getSaveFileName"));
        QCOMPARE(dialoge.anzahl("warning"), warnung ? 1 : 0);
        if (warnung)
            QVERIFY(dialoge.fragen.last().text.contains(ordner + "/" + antwort.toString()));
        const QStringList dateien =
            QDir(ordner).entryList(QDir::Files | QDir::Hidden) + QDir(ordner + "/a.b").entryList(QDir::Files);
        QCOMPARE(dateien.size(), datei.isEmpty() ? 0 : 1);
        if (!datei.isEmpty()) {
            QFile f(ordner + "/" + datei);
            QVERIFY(f.open(QIODevice::ReadOnly));
            QVERIFY(f.read(8).startsWith(anfang.toUtf8()));
        }
    }

    void sqlModelWrittenWhole_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("teil");    // the zip entry holding the rows
        QTest::addColumn<QString>("zeile");   // what starts a row there
        QTest::newRow("csv") << "csv" << QString() << "\n";
        QTest::newRow("xls") << "xls" << QString() << "<Row>";
        QTest::newRow("ods") << "ods" << "content.xml" << "<table:table-row ";
        QTest::newRow("xlsx") << "xlsx" << "xl/worksheets/sheet1.xml" << "<row ";
    }

    void sqlModelWrittenWhole()
    {
        // An SQL model holds only its first rows until asked for more.
        QFETCH(QString, format);
        QFETCH(QString, teil);
        QFETCH(QString, zeile);
        env.neueDatenbank();
        QSqlQuery q;
        QVERIFY(q.exec("create table liste (Nr integer, Name text)"));
        QVERIFY(QSqlDatabase::database().transaction());
        for (int i = 1; i <= 300; ++i)
            QVERIFY(q.exec(QString("insert into liste values (%1, 'N%1')").arg(i)));
        QVERIFY(QSqlDatabase::database().commit());
        QSqlTableModel m;
        m.setTable("liste");
        QVERIFY(m.select());
        const QString datei = env.pfad("sql." + format);
        QVERIFY(writer(format)(&m, datei, {}, false));
        const QString inhalt = teil.isEmpty() ? liesDatei(datei) : eintrag(datei, teil);
        QCOMPARE(inhalt.count(zeile), 301);
    }

    void commandTextsExtractedForTranslation()
    {
        // lupdate must find the texts, or they stay German in every language.
        const QString ts = env.pfad("export.ts");
        QProcess p;
        p.start(QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lupdate",
                {qEnvironmentVariable("BELEGWERK_SOURCE_DIR") + "/exchange/tabellenexport.cpp",
                 "-ts", ts});
        QVERIFY(p.waitForFinished(60000));
        const QString inhalt = liesDatei(ts);
        QVERIFY2(inhalt.contains("<name>TabellenExport</name>"), qPrintable(inhalt));
        QCOMPARE(inhalt.count("<source>"), 3);
    }
};

QTEST_MAIN(TestTabellenExport)
#include "tst_tabellenexport.moc"
