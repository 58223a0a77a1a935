#include "app/mainwindow.h"
#include "app/programmstart.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QFileInfo>
#include <QLibraryInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlTableModel>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include <sys/stat.h>

class TestProgrammstart : public QObject
{
    Q_OBJECT

private:
    Testumgebung* env = nullptr;

    static QString datenbankName()
    {
        return QSqlDatabase::database(QSqlDatabase::defaultConnection, false).databaseName();
    }

private slots:
    void init()
    {
        env = new Testumgebung;
    }

    void cleanup()
    {
        delete env;
    }

    void defaultDatabaseInDataFolder()
    {
        const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(dataDir.startsWith(env->pfad("")));
        QVERIFY(!QFileInfo::exists(dataDir));

        QVERIFY(Programmstart::openDatabase());
        QCOMPARE(datenbankName(), dataDir + "/belegwerk.db");
        QVERIFY(QFileInfo(dataDir).isDir());
        QVERIFY(QFileInfo::exists(dataDir + "/belegwerk.db"));
    }

    void databaseFromSettings()
    {
        QSettings().setValue("Datenbank/Name", env->pfad("eigene.db"));
        QVERIFY(Programmstart::openDatabase());
        QCOMPARE(datenbankName(), env->pfad("eigene.db"));
    }

    void sprache_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("sprache");
        QTest::newRow("system locale") << QStringList{"belegwerk"} << "de";
        QTest::newRow("-l fr") << QStringList{"belegwerk", "-l", "fr"} << "fr";
        QTest::newRow("-l among others") << QStringList{"belegwerk", "--admin", "-l", "en", "x"}
                                         << "en";
        QTest::newRow("-l last is ignored") << QStringList{"belegwerk", "-l"} << "de";
        QTest::newRow("-l as program name") << QStringList{"-l", "fr"} << "de";
        QTest::newRow("case sensitive") << QStringList{"belegwerk", "-L", "fr"} << "de";
    }

    void sprache()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, sprache);
        QCOMPARE(Programmstart::sprache(args, "de_DE"), sprache);
    }

    void translationsLoadedWhereFound()
    {
        // The program's catalogue is looked for beside the executable.
        const QString appDir = env->pfad("app/");
        QDir().mkpath(appDir);
        QVERIFY(QFile::copy(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm",
                            appDir + "belegwerk_de.qm"));
        QTranslator qt, programm;
        Programmstart::ladeUebersetzungen("de", appDir, qt, programm);
        QVERIFY(!qt.isEmpty());
        QVERIFY(!programm.isEmpty());
        QCoreApplication::removeTranslator(&qt);
        QCoreApplication::removeTranslator(&programm);

        QTranslator qt2, programm2;
        QTest::ignoreMessage(QtWarningMsg, "unable to load qt_ \"xx\"");
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QString("unable to load  \"%1\" \"belegwerk_xx\"").arg(appDir)));
        Programmstart::ladeUebersetzungen("xx", appDir, qt2, programm2);
        QVERIFY(qt2.isEmpty());
        QVERIFY(programm2.isEmpty());
    }

    void clearAuftrag_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<int>("fragen");
        QTest::addColumn<int>("auftraegeDanach");
        QTest::newRow("no switch") << QStringList{"belegwerk"} << QVariant() << 0 << 1;
        QTest::newRow("answered No") << QStringList{"belegwerk", "--clearAuftrag"}
                                     << QVariant(int(QMessageBox::No)) << 1 << 1;
        QTest::newRow("closed") << QStringList{"belegwerk", "--clearAuftrag"} << QVariant() << 1
                                << 1;
        QTest::newRow("answered Yes") << QStringList{"belegwerk", "--clearAuftrag"}
                                      << QVariant(int(QMessageBox::Yes)) << 1 << 0;
    }

    void clearAuftrag()
    {
        QFETCH(QStringList, args);
        QFETCH(QVariant, antwort);
        QFETCH(int, fragen);
        QFETCH(int, auftraegeDanach);

        env->neueDatenbank();
        {
            SqlProduktStore produkte(nullptr);
            SqlKundenStore kunden(nullptr);
            SqlAuftragsStore auftraege(nullptr);
            produkte.createTable();
            kunden.createTable();
            auftraege.createTables();
            Kunde k;
            k.Name = "Meier";
            QVERIFY(kunden.addKunde(k));
            QVERIFY(produkte.addProdukt(Produkt("P1", "Kabel", 3.0)));
            Auftrag a;
            a.Kunde = k;
            QVERIFY(auftraege.addAuftrag(a));
            QVERIFY(auftraege.addAuftrag(a = Auftrag()));
        }

        SkriptInteraktion dialoge;
        if (antwort.isValid())
            dialoge.antworte(antwort);
        Programmstart::frageAuftraegeLoeschen(args);
        QCOMPARE(dialoge.anzahl("question"), fragen);
        if (fragen) {
            QCOMPARE(dialoge.fragen.first().titel, QString("Alle Aufträge löschen"));
            QCOMPARE(dialoge.fragen.first().text,
                     QString("Wollen sie wirklich unwiderruflich alle Aufträge löschen?"));
        }

        // The next start creates the tables again.
        SqlProduktStore produkte(nullptr);
        SqlKundenStore kunden(nullptr);
        SqlAuftragsStore auftraege(nullptr);
        produkte.createTable();
        kunden.createTable();
        auftraege.createTables();
        QCOMPARE(auftraege.count() > 0, auftraegeDanach > 0);
        QCOMPARE(kunden.getKunden().size(), 1);
        QCOMPARE(produkte.getProdukt("P1").Name, QString("Kabel"));
        Auftrag neu;
        QVERIFY(auftraege.addAuftrag(neu));
        QCOMPARE(neu.AuftragsNr, auftraegeDanach ? 3 : 1);
    }

    void wrongDriverStillStarts()
    {
        QSettings().setValue("Datenbank/Treiber", "QNICHTDA");
        SkriptInteraktion dialoge;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QSqlDatabase: QNICHTDA driver not loaded"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("QSqlDatabase: available drivers"));
        QVERIFY(!Programmstart::verbindeDatenbank());
        QCOMPARE(dialoge.arten(), QStringList{"warning"});
        QCOMPARE(dialoge.fragen.first().titel, QString("Datenbank"));
        QVERIFY(dialoge.fragen.first().text.startsWith("Die Datenbank konnte nicht geöffnet werden:\n"));
        QVERIFY(dialoge.fragen.first().text.size() > QString("Die Datenbank konnte nicht geöffnet werden:\n").size());

        MainWindow w;
        w.show();
        QVERIFY(w.kundenStore()->getKunden().isEmpty());
        QCOMPARE(w.auftragsStore()->count(), -1);  // failed, not "no orders"
    }

    void privateFileModes()
    {
        // Readable by the user alone, whatever the umask lets others have.
        const mode_t alt = ::umask(022);
        Programmstart::benenneAnwendung();
        QSettings().setValue("Datenbank/Port", 0);
        QSettings().sync();
        QVERIFY(Programmstart::openDatabase());
        ::umask(alt);
        const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        auto modus = [](const QString& pfad) {
            struct stat st;
            return ::stat(QFile::encodeName(pfad).constData(), &st) == 0 ? int(st.st_mode & 0777) : -1;
        };
        QCOMPARE(modus(dataDir), 0700);
        QCOMPARE(modus(datenbankName()), 0600);
        QCOMPARE(modus(QSettings().fileName()), 0600);
    }
};

QTEST_MAIN(TestProgrammstart)
#include "tst_programmstart.moc"
