#include "app/mainwindow.h"
#include "app/programmstart.h"
#include "store/ausstellung.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The application's arguments, with a switch a test may set (Qt reads them anew at every arguments()).
char programm[] = "belegwerk";
char schalter[32] = "";
int argc = 2;
char* argv[] = {programm, schalter, nullptr};

}  // namespace

class TestProgrammstart : public QObject
{
    Q_OBJECT

    Testumgebung* env = nullptr;

    struct Stores {
        SqlProduktStore produkte{nullptr};
        SqlKundenStore kunden{nullptr};
        SqlAuftragsStore auftraege{nullptr};
        Stores() { produkte.createTable(); kunden.createTable(); auftraege.createTables(); }
    };

private slots:
    void init() { env = new Testumgebung; }
    void cleanup() { delete env; }

    void sprache_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("sprache");
        const QStringList ohne{"belegwerk"};
        QTest::newRow("French desktop") << ohne << "fr_FR" << "fr";
        QTest::newRow("English desktop") << ohne << "en_GB" << "en";
        QTest::newRow("other language: German") << ohne << "it_IT" << "de";
        QTest::newRow("-l chooses") << QStringList{"belegwerk", "--admin", "-l", "en", "x"} << "fr_FR" << "en";
        // "-l" counts after the program name only, followed by a code, and in small letters.
        QTest::newRow("-l last") << QStringList{"belegwerk", "-l"} << "de_DE" << "de";
        QTest::newRow("-l as program") << QStringList{"-l", "fr"} << "de_DE" << "de";
        QTest::newRow("-L") << QStringList{"belegwerk", "-L", "fr"} << "de_DE" << "de";
    }

    void sprache()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, locale);
        QTEST(Programmstart::sprache(args, locale), "sprache");
    }

    // Every text of the French catalogue is translated.
    void franzoesischerKatalog()
    {
        const QString ts = liesDatei(qEnvironmentVariable("BELEGWERK_SOURCE_DIR") + "/resources/belegwerk_fr.ts");
        QVERIFY(ts.contains("<message>"));
        QStringList offen;  // the sources of the unfinished ones
        for (const QString& eintrag : ts.split("</message>"))
            if (eintrag.contains("type=\"unfinished\""))
                offen << eintrag.section("<source>", 1).section("</source>", 0, 0);
        QVERIFY2(offen.isEmpty(), qPrintable(offen.join(" | ")));
    }

    // The program and Qt's own dialogs speak the language loaded, the invoice keeps its French texts.
    // ctest runs this once more as tst_programmstart_fr with LANG=fr_FR.UTF-8: the desktop chooses French.
    void kataloge_data()
    {
        QTest::addColumn<QString>("lang");
        QTest::addColumn<QStringList>("texte");
        QTest::newRow("en") << "en" << QStringList{"Customers", "Orders", "Cancel", "Facture Matériel"};
        QTest::newRow("fr") << "fr" << QStringList{"Clients", "Documents", "Annuler", "Facture Matériel"};
    }

    void kataloge()
    {
        QFETCH(QString, lang);
        if (QLocale::system().language() == QLocale::French)
            QCOMPARE(Programmstart::sprache(QCoreApplication::arguments(), QLocale::system().name()), "fr");
        env->neueDatenbank();
        QTranslator qt, programm;
        // The catalogues are built beside the program, one folder above the tests.
        Programmstart::ladeUebersetzungen(lang, QCoreApplication::applicationDirPath() + "/../", qt, programm);
        QStringList texte;
        {
            MainWindow w;
            texte << w.tabs()->tabText(0) << w.tabs()->tabText(1)
                  << QCoreApplication::translate("QPlatformTheme", "Cancel")
                  << QCoreApplication::translate("Drucker", "Facture Matériel");
        }
        QCoreApplication::removeTranslator(&qt);
        QCoreApplication::removeTranslator(&programm);
        QTEST(texte, "texte");
    }

    // The administrator mode is chosen by the exact switch "--admin": three tabs and its icon.
    void adminTab()
    {
        env->neueDatenbank();
        const QImage icon = QIcon(":/printer_admin_icon.png").pixmap(32).toImage();
        QVERIFY(!icon.isNull());
        for (const char* eingabe : {"--admin", "--Admin"}) {
            qstrncpy(schalter, eingabe, sizeof schalter);
            MainWindow w;
            const bool admin = eingabe[2] == 'a';
            QCOMPARE(QList<bool>({w.tabs()->count() == 3, w.windowIcon().pixmap(32).toImage() == icon}),
                     QList<bool>({admin, admin}));
        }
        schalter[0] = '\0';
    }

    void clearAuftrag_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<bool>("geloescht");
        QTest::addColumn<bool>("ausgestellt");  // one of the orders issued
        const QStringList mit{"belegwerk", "--clearAuftrag"};
        QTest::newRow("no switch") << QStringList{"belegwerk"} << QVariant(int(QMessageBox::Yes)) << false << false;
        QTest::newRow("answered No") << mit << QVariant(int(QMessageBox::No)) << false << false;
        QTest::newRow("answered Yes") << mit << QVariant(int(QMessageBox::Yes)) << true << false;
        QTest::newRow("an issued document is kept") << mit << QVariant(int(QMessageBox::Yes)) << false << true;
    }

    void clearAuftrag()
    {
        QFETCH(QStringList, args);
        QFETCH(QVariant, antwort);
        QFETCH(bool, geloescht);
        QFETCH(bool, ausgestellt);
        env->neueDatenbank();
        {
            Stores s;
            Kunde k;
            QVERIFY(s.kunden.addKunde(k));
            QVERIFY(s.produkte.addProdukt(Produkt("P1", "Kabel", 3.0)));
            Auftrag a, b;
            QVERIFY(s.auftraege.addAuftrag(a) && s.auftraege.addAuftrag(b));
            b = Ausstellung::vorbereiten(b, QDateTime::currentDateTime());
            QVERIFY(!ausgestellt || s.auftraege.stelleAus(b, "%PDF"));
        }
        SkriptInteraktion dialoge;
        dialoge.antworte(antwort);
        Programmstart::frageAuftraegeLoeschen(args);
        QCOMPARE(dialoge.anzahl("question"), args.size() - 1);
        QVERIFY(!ausgestellt || dialoge.fragen.last().text.startsWith("1 "));

        // The next start creates the tables again; customers and products stay.
        Stores s;
        QCOMPARE(s.auftraege.count(), geloescht ? 0 : 2);
        QVERIFY(s.kunden.getKunden().size() == 1 && s.produkte.getProdukt("P1").Name == "Kabel");
    }

    void connectionFailureIsReported_data()
    {
        QTest::addColumn<QString>("treiber");
        QTest::addColumn<QString>("grund");  // named in the warning
        QTest::newRow("own file") << "QSQLITE" << "";  // opened
        QTest::newRow("driver not supported") << "QNICHTDA" << "nicht unterstützt";
        QTest::newRow("server unreachable") << "QPSQL" << "127.0.0.1";
        QTest::newRow("file of another user") << "QSQLITE" << "anderen Benutzer";
        QTest::newRow("file writable by others") << "QSQLITE" << "beschreibbar";
    }

    void connectionFailureIsReported()
    {
        QFETCH(QString, treiber);
        QFETCH(QString, grund);
        // A file the customers' data must not go into stays as it is.
        const QString datei = env->pfad("fremd.db");
        QVERIFY(QFile(datei).open(QIODevice::WriteOnly));
        PdfSeiten::setze({{"Datenbank/Treiber", treiber}, {"Datenbank/Host", "127.0.0.1"}, {"Datenbank/Port", 1},
                          {"Datenbank/Name", datei}});
        if (grund == "beschreibbar")
            QVERIFY(QFile::setPermissions(datei, QFileDevice::Permissions(0x6666)));
        else if (grund == "anderen Benutzer" && ::geteuid() != 0)
            QSKIP("a file of another user needs root");
        else if (grund == "anderen Benutzer")
            QVERIFY(::chown(QFile::encodeName(datei).constData(), 65534, 65534) == 0);
        SkriptInteraktion dialoge;
        QCOMPARE(Programmstart::verbindeDatenbank(), grund.isEmpty());
        if (grund.isEmpty())
            return;
        QCOMPARE(dialoge.arten(), QStringList{"warning"});
        QVERIFY2(dialoge.fragen.first().text.contains(grund), qPrintable(dialoge.fragen.first().text));

        MainWindow w;  // starts all the same
        w.show();
        QVERIFY(w.kundenStore()->getKunden().isEmpty());
        QCOMPARE(w.auftragsStore()->count(), -1);  // failed, not "no orders"
        QCOMPARE(QFileInfo(datei).size(), 0);
    }

    void defaultDatabasePrivate()
    {
        // Made in the data folder, readable by the user alone whatever the umask lets others have.
        const mode_t alt = ::umask(022);
        Programmstart::benenneAnwendung();
        const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(!QFileInfo::exists(dataDir));
        QSettings().setValue("Datenbank/Port", 0);  // makes the settings file
        QVERIFY(Programmstart::openDatabase());
        ::umask(alt);
        QCOMPARE(QSqlDatabase::database().databaseName(), dataDir + "/belegwerk.db");
        QList<int> modi;  // owner, group, others (Qt's user bits repeat the owner's)
        for (const QString& pfad : {dataDir, QSqlDatabase::database().databaseName(), QSettings().fileName()})
            modi << int(QFile::permissions(pfad) & 0x7077);
        QCOMPARE(modi, QList<int>({0x7000, 0x6000, 0x6000}));
    }
};

int main(int testArgc, char* testArgv[])
{
    QApplication app(argc, argv);
    TestProgrammstart test;
    return QTest::qExec(&test, testArgc, testArgv);
}

#include "tst_programmstart.moc"
