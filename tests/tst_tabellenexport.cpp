#include "exchange/tabellenexport.h"
#include "exchange/tabellenzelle.h"
#include "tests/support/bedienung.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtGui>
#include <QtSql>
#include <QtTest>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

// What the read-back programs cannot see or forgive, the writers' failures, the export command.
class TestTabellenExport : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;

    using Writer = bool (*)(QAbstractItemModel*, const QString&, QList<int>, bool);
    const QMap<QString, Writer> writer{{"csv", exportCSV}, {"xls", exportXLS}, {"ods", exportODS},
                                       {"xlsx", exportXLSX}};

    static QString eintrag(const QString& zip, const QString& name)
    {
        QuaZipFile f(zip, name);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

private slots:
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
        QStandardItemModel m(2, 3);
        const QString ods = env.pfad("inhalt.ods");
        QVERIFY(exportODS(&m, ods));
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

    // Missing folder or folder in the way: nothing written; an old file replaced; no temporary left.
    // Names up to the file system's 255 bytes, new and replaced (keeping the old file's permissions);
    // a symbolic link at the name is written through to its target.
    void fehler()
    {
        QFETCH(QString, format);
        QStandardItemModel m(2, 3);
        const Writer w = writer.value(format);
        QVERIFY(!w(&m, env.pfad("fehlt/datei." + format), {}, false));
        const QString ordner = env.pfad("fehler_" + format);
        QDir().mkpath(ordner + "/im_weg." + format);
        QVERIFY(!w(&m, ordner + "/im_weg." + format, {}, false));
        const QString datei = ordner + "/alt." + format;
        QVERIFY(QFile(datei).open(QIODevice::WriteOnly) && QFile::resize(datei, 100000));
        QVERIFY(w(&m, datei, {}, false));
        QVERIFY(QFileInfo(datei).size() < 100000);
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
        QVERIFY(writer.value(format)(&m, datei, {}, false));
        QCOMPARE((teil.isEmpty() ? liesDatei(datei) : eintrag(datei, teil)).count(zeile), 301);
    }

    void befehl_data()
    {
        QTest::addColumn<QString>("antwort");  // empty: cancelled; "name|chosen filter"
        QTest::addColumn<QString>("datei");    // expected file; empty: none
        QTest::addColumn<QString>("anfang");   // its first bytes
        QTest::addColumn<bool>("warnung");
        // The folder's name has a dot, which is no extension.
        QTest::newRow("no dot in the name gets .xlsx") << "liste" << "liste.xlsx" << "PK" << false;
        QTest::newRow("no dot, ODS filter chosen") << "liste|Open Document ( *.ods )" << "liste.ods" << "PK" << false;
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
        const QString ordner = env.pfad(QString("befehl.%1").arg(QTest::currentDataTag()));
        QDir().mkpath(ordner);
        QStandardItemModel m(2, 3);
        SkriptInteraktion dialoge;
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
        QProcess p;
        p.start(QLibraryInfo::path(QLibraryInfo::BinariesPath) + "/lupdate",
                {qEnvironmentVariable("BELEGWERK_SOURCE_DIR") + "/exchange/tabellenexport.cpp", "-ts", ts});
        QVERIFY(p.waitForFinished(60000));
        const QString inhalt = liesDatei(ts);
        QCOMPARE(QList<qsizetype>({inhalt.count("<name>TabellenExport</name>"), inhalt.count("<source>")}),
                 QList<qsizetype>({1, 3}));
    }
};

QTEST_MAIN(TestTabellenExport)
#include "tst_tabellenexport.moc"
