#include "app/mainwindow.h"
#include "app/programmstart.h"
#include "platform/einstellung.h"
#include "store/datenbank.h"
#include "store/datenpruefung.h"
#include "store/datensicherung.h"
#include "store/sicherungsplan.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "tests/support/menubefehl.h"
#include "tests/support/pgserver.h"
#include "tests/support/sicherungsdaten.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

using namespace Sicherungsdaten;

namespace {

// The second program of the concurrency tests: stores n orders of 1 to 4 lines;
// with n 0 it says when it has the database open and stores one order on a line of input.
int speichere(SqlAuftragsStore& store, int n)
{
    if (n == 0) {
        std::puts("offen");
        std::fflush(stdout);
        QFile eingabe;
        if (!eingabe.open(stdin, QIODevice::ReadOnly) || eingabe.readLine().isEmpty())
            return 1;
        Auftrag a = auftrag(1);
        return store.addAuftrag(a) ? 0 : 1;
    }
    int fehler = 0;
    for (int i = 0; i < n; ++i) {
        Auftrag a = auftrag(i % 4 + 1);
        fehler += Testumgebung::wiederholt(store, [&] { return store.addAuftrag(a); });
    }
    return fehler;
}

QSqlDatabase db() { return QSqlDatabase::database(); }

}  // namespace

class TestDatensicherung : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Testumgebung> env;

private slots:
    void init()
    {
        env = std::make_unique<Testumgebung>();
        env->neueDatenbank();
    }
    void cleanup() { env.reset(); }

    // A backup taken while another program stores 500 orders holds every order
    // whole (with its lines and customer snapshot), and the last one restores row for row.
    void sichernWaehrendAndereSchreiben()
    {
        if (Testumgebung::postgres())
            QSKIP("the online backup of the file database");
        fuelle();
        QProcess kind;
        env->starteSchreiber(kind, 500);
        QVERIFY(kind.waitForStarted());
        QStringList sicherungen;
        while (kind.state() != QProcess::NotRunning && sicherungen.size() < 200) {
            sicherungen << env->pfad(QString("laufend%1").arg(sicherungen.size()));
            QCOMPARE(Datensicherung::sichere(db(), sicherungen.last()), QString());
            kind.waitForFinished(1);
        }
        QVERIFY(kind.state() == QProcess::NotRunning || kind.waitForFinished(240000));
        QCOMPARE(kind.exitCode(), 0);
        sicherungen << env->pfad("letzte");
        QVERIFY(Datensicherung::sichere(db(), sicherungen.last()).isEmpty());
        const auto original = inhalt(db());
        QCOMPARE(original.value("auftrag").size(), 512);
        for (const QString& datei : sicherungen) {
            const Datensicherung::Inhalt i = Datensicherung::pruefe(datei);
            QVERIFY2(i.fehler.isEmpty(), qPrintable(i.fehler));
            env->neueDatenbank();
            QCOMPARE(Datensicherung::stelleWiederHer(db(), datei, datei + ".vorher"), QString());
            QCOMPARE(Testumgebung::abfrage("select count(*) from auftrag a where a.BestellNr <> (select count(*) from "
                                           "auftragslines l where l.Auftrag=a.Nr) or not exists (select 1 from "
                                           "auftragskunden k where k.AuftragsNr=a.Nr)"),
                     QStringList{"0"});
            QCOMPARE(qint64(inhalt(db()).value("auftrag").size()), i.anzahl.value("auftrag"));
        }
        QCOMPARE(inhalt(db()), original);
    }

    // A restore puts back every row, keeps the data it replaces as a backup of
    // its own, and refuses a damaged, truncated or foreign file changing nothing.
    void wiederherstellen_data()
    {
        QTest::addColumn<QString>("schaden");
        QTest::addColumn<bool>("abgelehnt");
        QTest::newRow("sound") << "" << false;
        QTest::newRow("of the first format, rows hashed") << "format1" << false;
        QTest::newRow("one byte of an archived document flipped") << "kippen" << true;
        QTest::newRow("cut off") << "abschneiden" << true;
        QTest::newRow("a value changed through SQLite") << "aendern" << true;
        QTest::newRow("an SQLite file of another program") << "fremd" << true;
        QTest::newRow("a text file") << "text" << true;
        QTest::newRow("missing") << "fehlt" << true;
        QTest::newRow("data the database refuses halfway") << "ziel" << true;
    }
    void wiederherstellen()
    {
        QFETCH(QString, schaden);
        QFETCH(bool, abgelehnt);
        fuelle();
        const auto gesichert = inhalt(db());
        const QString datei = env->pfad("sicherung");
        Datensicherung::Inhalt i;
        QVERIFY(Datensicherung::sichere(db(), datei, &i).isEmpty());
        QCOMPARE(i.anzahl.value("auftrag"), 12);
        QCOMPARE(i.anzahl.value("belegarchiv"), 3);
        beschaedige(datei, schaden);

        // Changes after the backup that a restore undoes.
        for (const char* aenderung : {"delete from kunden where [Nr]=3",
                                      "update auftrag set [Komentar]='neu' where [Nr]=5",
                                      "insert into produkte ([Nr], [Name]) values ('neu', 'neu')"})
            QVERIFY(QSqlQuery(db()).exec(Datenbank::sql(db(), aenderung)));
        if (schaden == "ziel") {  // the backup holds two customers with this remark
            QVERIFY(QSqlQuery(db()).exec(Datenbank::sql(db(), "create unique index nein on kunden([Bemerkung])")));
            // Where the file could be swapped for the backup, the index would go with it.
            QSqlQuery(db()).exec("PRAGMA journal_mode=WAL");
        }
        const auto geaendert = inhalt(db());
        const QString vorher = env->pfad("vorher");

        const QString fehler = Datensicherung::stelleWiederHer(db(), datei, vorher);
        // Issued documents stay guarded, whether the restore failed or not.
        for (const char* s : {"delete from belegarchiv", "update auftrag set [Komentar]='x' where [Nr]=1",
                              "update auftrag set [Lieferanschrift]='x' where [Nr]=1"})
            QVERIFY(!QSqlQuery(db()).exec(Datenbank::sql(db(), s)));
        if (abgelehnt) {
            QVERIFY(!fehler.isEmpty());
            QCOMPARE(Datensicherung::pruefe(datei).fehler.isEmpty(), schaden == "ziel");
            QCOMPARE(inhalt(db()), geaendert);
            QCOMPARE(QFile::exists(vorher), schaden == "ziel");
            return;
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QCOMPARE(inhalt(db()), gesichert);
        // The replaced data is one more backup, which restores in turn.
        QVERIFY(Datensicherung::pruefe(vorher).fehler.isEmpty());
        QVERIFY(Datensicherung::stelleWiederHer(db(), vorher, env->pfad("vorher2")).isEmpty());
        QCOMPARE(inhalt(db()), geaendert);
    }

    // From the file database to an empty shared one and back: the same rows,
    // the same document bytes, and new records numbered after the old ones.
    void uebertragen()
    {
        if (Testumgebung::postgres())
            QSKIP("starts its own server");
        if (!QFile::exists("/usr/lib/postgresql/15/bin/initdb"))
            QSKIP("no PostgreSQL server binaries");
        fuelle();
        const auto original = inhalt(db());
        PgServer server;
        QVERIFY2(server.laeuft(), qPrintable(server.fehler()));
        QSqlDatabase pg = QSqlDatabase::addDatabase("QPSQL", "pg");
        pg.setHostName(server.host());
        pg.setPort(server.port());
        pg.setUserName(PgServer::benutzer());
        pg.setDatabaseName(server.neueDatenbank());
        QVERIFY(pg.open());

        QCOMPARE(Datensicherung::uebertrage(db(), pg), QString());
        QCOMPARE(inhalt(pg), original);
        QCOMPARE(Testumgebung::abfrage("select nextval(pg_get_serial_sequence('auftrag','Nr'))", pg), QStringList{"13"});

        // Back into a new file, once directly (the program made its tables, with
        // their guards) and once through a backup of the shared database.
        env->neueDatenbank();
        SqlAuftragsStore(nullptr).createTables();
        // A target that holds data is refused, even where no number would clash.
        QVERIFY(QSqlQuery(db()).exec("insert into auftrag (Nr, Typ) values (99, 0)"));
        QVERIFY(!Datensicherung::uebertrage(pg, db()).isEmpty());
        QCOMPARE(inhalt(db()).value("auftrag").size(), 1);
        QVERIFY(QSqlQuery(db()).exec("delete from auftrag"));
        QCOMPARE(Datensicherung::uebertrage(pg, db()), QString());
        QCOMPARE(inhalt(db()), original);
        const QString datei = env->pfad("pg-sicherung");
        QCOMPARE(Datensicherung::sichere(pg, datei), QString());
        env->neueDatenbank();
        QCOMPARE(Datensicherung::stelleWiederHer(db(), datei, env->pfad("vorher")), QString());
        QCOMPARE(inhalt(db()), original);
    }

    // Daily starts over a year and a half leave the newest 7 days, the newest
    // of each of 4 weeks and of each of 12 months; other files stay untouched.
    void rotation()
    {
        QStringList dateien{"notizen.txt"};
        QDate tag(2025, 1, 1);
        for (int i = 0; i < 540; ++i, tag = tag.addDays(1)) {
            dateien << Sicherungsplan::dateiname(tag);
            dateien = Sicherungsplan::behalten(dateien) + QStringList{"notizen.txt"};
        }
        dateien.removeAll("notizen.txt");
        QStringList erwartet;
        for (const char* t : {"2025-07-31", "2025-08-31", "2025-09-30", "2025-10-31", "2025-11-30",
                              "2025-12-31", "2026-01-31", "2026-02-28", "2026-03-31", "2026-04-30",
                              "2026-05-31", "2026-06-07", "2026-06-14", "2026-06-18", "2026-06-19",
                              "2026-06-20", "2026-06-21", "2026-06-22", "2026-06-23", "2026-06-24"})
            erwartet << Sicherungsplan::dateiname(QDate::fromString(t, Qt::ISODate));
        dateien.sort();
        QCOMPARE(dateien, erwartet);
    }

    // The first start of a day backs up, later ones that day do not; a failure
    // is recorded, shown at start, and the next start tries again.
    void taeglich()
    {
        fuelle();
        const QString ordner = env->pfad("auto");
        Einstellung::setze(Einstellung::SicherungOrdner, ordner);
        const QDateTime morgens(QDate(2026, 3, 2), QTime(8, 0));
        QVERIFY(Sicherungsplan::taeglich(db(), morgens).isEmpty());
        QVERIFY(Sicherungsplan::taeglich(db(), morgens.addSecs(3600)).isEmpty());
        QCOMPARE(Einstellung::text(Einstellung::SicherungLetzte), morgens.toString(Qt::ISODate));
        const QString datei = QDir(ordner).filePath(Sicherungsplan::dateiname(morgens.date()));
        QCOMPARE(Datensicherung::pruefe(datei).anzahl.value("auftrag"), 12);
        QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), 1);

        // A folder that cannot be made: reported at start, the last success kept.
        QVERIFY(QFile(env->pfad("blockiert")).open(QIODevice::WriteOnly));
        Einstellung::setze(Einstellung::SicherungOrdner, env->pfad("blockiert/auto"));
        SkriptInteraktion skript;
        Programmstart::sichereTaeglich(morgens.addDays(1));
        QCOMPARE(skript.arten(), QStringList{"warning"});
        QVERIFY(!Einstellung::text(Einstellung::SicherungFehler).isEmpty());
        QCOMPARE(Einstellung::text(Einstellung::SicherungLetzte), morgens.toString(Qt::ISODate));

        Einstellung::setze(Einstellung::SicherungOrdner, ordner);
        Programmstart::sichereTaeglich(morgens.addDays(1));
        QCOMPARE(skript.arten(), QStringList{"warning"});
        QVERIFY(Einstellung::text(Einstellung::SicherungFehler).isEmpty());
        QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), 2);
    }

    // The window's restore asks with "No" as default, and on "Yes" replaces the
    // data and shows it in the lists.
    void wiederherstellenImFenster()
    {
        fuelle();
        const QString datei = env->pfad("sicherung");
        QVERIFY(Datensicherung::sichere(db(), datei).isEmpty());
        Einstellung::setze(Einstellung::SicherungOrdner, env->pfad("auto"));
        MainWindow w;
        auto* kunden = static_cast<SqlKundenStore*>(w.kundenStore());
        QSqlQuery(db()).exec("delete from kunden");
        kunden->updateModel();
        QCOMPARE(kunden->model()->rowCount(), 0);
        SkriptInteraktion skript;
        skript.antworte(datei);  // the question unanswered: its default
        QVERIFY(menuBefehl(w, {"Belegwerk", "Datensicherung wiederherstellen"}));
        QCOMPARE(skript.arten(), (QStringList{"getOpenFileName", "question"}));
        QCOMPARE(kunden->model()->rowCount(), 0);
        skript.antworte(datei);
        skript.antworte(QMessageBox::Yes);
        QVERIFY(menuBefehl(w, {"Belegwerk", "Datensicherung wiederherstellen"}));
        QCOMPARE(skript.arten().last(), "information");
        QCOMPARE(kunden->model()->rowCount(), 3);
        QCOMPARE(QDir(env->pfad("auto")).entryList(QDir::Files).size(), 1);
    }

    // "--check" and "--backup" without a window: a fault found is a non-zero
    // exit. A foreign tool that damages the data drops the database's guards first.
    void kommandozeile_data()
    {
        QTest::addColumn<QStringList>("schaden");
        QTest::addColumn<int>("fehler");
        const QString trigger = Testumgebung::postgres() ? "drop trigger belegarchiv_fest on belegarchiv"
                                                          : "drop trigger belegarchiv_fest";
        QTest::newRow("sound") << QStringList() << 0;
        QTest::newRow("a flipped byte in an archived PDF")
            << QStringList{trigger, "update belegarchiv set [Datei]=? where [Auftrag]=2"} << 1;
        QTest::newRow("a document number twice")
            << QStringList{"drop index auftrag_art_eindeutig", "drop index auftrag_rechnung_eindeutig",
                           "update auftrag set [AuftragsNr]=1 where [Nr]=5"} << 1;
        QTest::newRow("a prefixed number twice")
            << QStringList{"drop index auftrag_belegnr", "update auftrag set [BelegNr]='RE-1' where [Nr]=5"} << 1;
        QTest::newRow("an issued document not archived")
            << QStringList{"update auftrag set [Ausgestellt]='2024-05-07' where [Nr]=7"} << 1;
    }
    void kommandozeile()
    {
        QFETCH(QStringList, schaden);
        QFETCH(int, fehler);
        fuelle();
        for (const QString& s : schaden) {
            QSqlQuery q(db());
            // PostgreSQL prepares no schema statements; the changed document's bytes but one.
            const bool bytes = s.contains('?');
            if (bytes && q.prepare(Datenbank::sql(db(), s)))
                q.addBindValue("%PDF-1.7\n" + QByteArray(2000, char(2)) + QByteArray("\0\xfe", 2));
            const bool ok = bytes ? q.exec() : q.exec(Datenbank::sql(db(), s));
            QVERIFY2(ok || s.startsWith("drop"), qPrintable(q.lastError().text()));  // a guard it may lack
        }
        const Datenpruefung::Befund befund = Datenpruefung::pruefe(db());
        QCOMPARE(befund.fehler.size(), fehler);

        env->schreibeVerbindung();
        Testumgebung::schliesseDatenbank();
        const QString datei = env->pfad("cron.sicherung");
        QString text;
        QTextStream aus(&text);
        QCOMPARE(Programmstart::kommandozeile({"belegwerk", "--backup", datei, "--check"}, aus), fehler ? 1 : 0);
        QVERIFY2(text.contains(datei) && text.contains(befund.geprueft.last()), qPrintable(text));
        for (const QString& f : befund.fehler)
            QVERIFY2(text.contains(f), qPrintable(text));
        QCOMPARE(Datensicherung::pruefe(datei).anzahl.value("auftrag"), 12);
        // A folder that is not there: no backup, and the exit says so.
        QCOMPARE(Programmstart::kommandozeile({"belegwerk", "--backup", env->pfad("fehlt/x")}, aus), 1);
        QVERIFY(!QFile::exists(env->pfad("fehlt/x")));
    }

    // Another program with the database open goes on writing into the restored
    // data, not into a file swapped away under it.
    void wiederherstellenWaehrendAndereOffenHaben()
    {
        if (Testumgebung::postgres())
            QSKIP("the file database");
        fuelle();
        const QString datei = env->pfad("sicherung");
        QVERIFY(Datensicherung::sichere(db(), datei).isEmpty());
        const auto gesichert = inhalt(db());
        QVERIFY(QSqlQuery(db()).exec("delete from kunden where [Nr]=3"));
        QProcess kind;
        env->starteSchreiber(kind, 0);
        QVERIFY(kind.waitForReadyRead(30000));
        QCOMPARE(Datensicherung::stelleWiederHer(db(), datei, env->pfad("vorher")), QString());
        QCOMPARE(inhalt(db()), gesichert);
        kind.write("weiter\n");
        QVERIFY(kind.waitForFinished(30000));
        QCOMPARE(kind.exitCode(), 0);
        QCOMPARE(inhalt(db()).value("auftrag").size(), gesichert.value("auftrag").size() + 1);
    }
};

BELEGWERK_TEST_MIT_SCHREIBER(TestDatensicherung, speichere)
#include "tst_datensicherung.moc"
