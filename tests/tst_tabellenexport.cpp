#include "exchange/tabellenexport.h"
#include "exchange/tabellenzelle.h"
#include "tests/support/bedienung.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/tabellenmodell.h"
#include "tests/support/testumgebung.h"

#include <QtGui>
#include <QtSql>
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
        return QMap<QString, Writer>{{"csv", exportCSV}, {"xls", exportXLS}, {"ods", exportODS}}.value(format, exportXLSX);
    }

    static QString eintrag(const QString& zip, const QString& name)
    {
        QuaZipFile f(zip, name);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
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
    // What the read-back files don't hold: number-like texts, big integers, invalid dates.
    void zellenUndNamen()
    {
        QList<int> arten;
        for (const QVariant& v : {QVariant("12.50"), QVariant("1e5"), QVariant("inf"), QVariant(QDateTime()),
                                  QVariant(qlonglong(612345678))})
            arten << int(TabellenZelle::aus(v, true).art);
        QCOMPARE(arten, QList<int>({TabellenZelle::Text, TabellenZelle::Text, TabellenZelle::Text,
                                    TabellenZelle::Text, TabellenZelle::Zahl}));
        QCOMPARE(TabellenZelle::aus(qlonglong(612345678), true).zahl, 612345678.0);
        QStringList namen;
        for (int k : {0, 25, 26, 701, 702})
            namen << TabellenZelle::columnName(k);
        QCOMPARE(namen, QStringList({"A", "Z", "AA", "ZZ", "AAA"}));
        // The spreadsheet count keeps the 29 February 1900 that never was.
        QList<qint64> serien;
        for (const QDate& d : {QDate(1900, 1, 1), QDate(1900, 2, 28), QDate(1900, 3, 1), QDate(2024, 3, 1)})
            serien << TabellenZelle::datumSerial(d);
        QCOMPARE(serien, QList<qint64>({1, 59, 61, 45352}));
        QCOMPARE(TabellenZelle::xmlEscape("a&b<c>\"d'\te\nf\r"), QString("a&amp;b&lt;c&gt;\"d' e f "));
    }

    // Chosen rows with their numbers in front; the cells themselves are read back by LibreOffice.
    void csvInhalt()
    {
        QStandardItemModel m;
        fuelle(m);
        const QString datei = env.pfad("inhalt.csv");
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
        QCOMPARE(zip.getFileNameList(), QStringList({"mimetype", "META-INF/manifest.xml", "content.xml"}));
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
        QVERIFY(!b.contains("<cols>"));
    }

    void fehler_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("teil");   // the zip entry holding the rows
        QTest::addColumn<QString>("zeile");  // what starts a row there
        QTest::newRow("csv") << "csv" << QString() << "\n";
        QTest::newRow("xls") << "xls" << QString() << "<Row>";
        QTest::newRow("ods") << "ods" << "content.xml" << "<table:table-row ";
        QTest::newRow("xlsx") << "xlsx" << "xl/worksheets/sheet1.xml" << "<row ";
    }

    void fehler()
    {
        QFETCH(QString, format);
        QStandardItemModel m;
        fuelle(m);
        const Writer w = writer(format);
        QVERIFY(!w(&m, env.pfad("fehlt/datei." + format), {}, false));
        QVERIFY(!QFileInfo::exists(env.pfad("fehlt")));

        // A folder in the way: nothing written. An existing file is replaced. No temporary file is left.
        const QString ordner = env.pfad("fehler_" + format);
        QDir().mkpath(ordner + "/im_weg." + format);
        QVERIFY(!w(&m, ordner + "/im_weg." + format, {}, false));
        const QString datei = ordner + "/alt." + format;
        QFile alt(datei);
        QVERIFY(alt.open(QIODevice::WriteOnly) && alt.write(QByteArray(100000, 'x')) > 0);
        alt.close();
        QVERIFY(w(&m, datei, {}, false));
        QVERIFY(QFileInfo(datei).size() < 100000);
        QCOMPARE(QDir(ordner).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList({"alt." + format, "im_weg." + format}));
        QVERIFY(!w(nullptr, datei, {}, false));
    }

    void sqlModelWrittenWhole_data() { fehler_data(); }

    void sqlModelWrittenWhole()
    {
        // An SQL model holds only its first rows until asked for more.
        QFETCH(QString, format);
        QFETCH(QString, teil);
        QFETCH(QString, zeile);
        env.neueDatenbank();
        QVERIFY(QSqlQuery().exec("create table liste as with recursive n(Nr) as (select 1 union all select Nr + 1"
                                 " from n where Nr < 300) select Nr, 'N' || Nr as Name from n"));
        QSqlTableModel m;
        m.setTable("liste");
        QVERIFY(m.select());
        const QString datei = env.pfad("sql." + format);
        QVERIFY(writer(format)(&m, datei, {}, false));
        QCOMPARE((teil.isEmpty() ? liesDatei(datei) : eintrag(datei, teil)).count(zeile), 301);
    }

    void befehl_data()
    {
        QTest::addColumn<QString>("antwort");  // empty: cancelled
        QTest::addColumn<QString>("datei");    // expected file, relative; empty: none
        QTest::addColumn<QString>("anfang");   // its first bytes
        QTest::addColumn<bool>("warnung");
        QTest::newRow("no dot gets .xlsx") << "liste" << "liste.xlsx" << "PK" << false;
        QTest::newRow("dot in the folder only") << "a.b/liste" << "a.b/liste.xlsx" << "PK" << false;
        QTest::newRow("ods") << "l.ods" << "l.ods" << "PK" << false;
        QTest::newRow("upper-case CSV") << "L.CSV" << "L.CSV" << "\"" << false;
        QTest::newRow("upper-case XLS") << "L2.XLS" << "L2.XLS" << "<?xml" << false;
        QTest::newRow("cancel") << QString() << QString() << QString() << false;
        QTest::newRow("unknown ending") << "l.txt" << QString() << QString() << true;
        QTest::newRow("unwritable folder") << "fehlt/l.ods" << QString() << QString() << true;
    }

    void befehl()
    {
        QFETCH(QString, antwort);
        QFETCH(QString, datei);
        QFETCH(QString, anfang);
        QFETCH(bool, warnung);
        const QString ordner = env.pfad(QString("befehl_%1").arg(QTest::currentDataTag()));
        QDir().mkpath(ordner + "/a.b");
        QStandardItemModel m;
        fuelle(m);
        SkriptInteraktion dialoge;
        dialoge.antworte(antwort.isEmpty() ? QVariant() : QVariant(ordner + "/" + antwort));
        QCOMPARE(exportTabelle(nullptr, "Kunden exportieren", &m), !datei.isEmpty());
        QCOMPARE(dialoge.anzahl("warning"), warnung ? 1 : 0);
        if (warnung)
            QVERIFY(dialoge.fragen.last().text.contains(ordner + "/" + antwort));
        QStringList dateien = QDir(ordner).entryList(QDir::Files | QDir::Hidden);
        for (const QString& n : QDir(ordner + "/a.b").entryList(QDir::Files | QDir::Hidden))
            dateien << "a.b/" + n;
        QCOMPARE(dateien, datei.isEmpty() ? QStringList() : QStringList{datei});
        QVERIFY(datei.isEmpty() || liesDatei(ordner + "/" + datei).startsWith(anfang));
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
