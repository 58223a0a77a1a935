#include "app/programmstart.h"
#include "store/datenbank.h"
#include "store/datenpruefung.h"
#include "store/datensicherung.h"
#include "store/sicherungsplan.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "app/mainwindow.h"
#include "platform/einstellung.h"
#include "tests/support/menubefehl.h"
#include "tests/support/pgserver.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

namespace {

Auftrag auftrag(int zeilen, int typ = 0)
{
    Auftrag a;
    a.Typ = typ;
    a.Eingang = QDateTime(QDate(2024, 5, 6), QTime(10, 0));
    a.Kunde.Nr = 1;
    a.Kunde.Name = "Roux";
    a.BestellNr = QString::number(zeilen);  // tells the test how many lines belong to the order
    for (int i = 0; i < zeilen; ++i)
        a.Zeilen.append(AuftragsLine{i + 1.0, "Kabel", "K1", "lang", 2.5 + i});
    return a;
}

void archiviere(QSqlDatabase db, int nr, const QByteArray& pdf)
{
    QSqlQuery q(db);
    q.prepare(Datenbank::sql(db, "insert into belegarchiv ([Auftrag],[Zeit],[Sha256],[Datei]) "
                                 "values (?,?,?,?)"));
    q.addBindValue(nr);
    q.addBindValue("2024-05-06T10:00:00");
    q.addBindValue(QString::fromLatin1(QCryptographicHash::hash(pdf, QCryptographicHash::Sha256).toHex()));
    q.addBindValue(pdf);
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    QVERIFY(q.exec(Datenbank::sql(db, QString("update auftrag set [Ausgestellt]='2024-05-06T10:00:00', "
                                              "[BelegNr]='RE-%1' where [Nr]=%1").arg(nr))));
}

// Customers, products, orders of every kind, three of them issued and archived.
void fuelle()
{
    SqlProduktStore produkte(nullptr);
    SqlKundenStore kunden(nullptr);
    SqlAuftragsStore auftraege(nullptr);
    produkte.createTable();
    kunden.createTable();
    auftraege.createTables();
    for (int i = 0; i < 3; ++i) {
        Kunde k;
        k.Name = QString("Kunde %1 äöü").arg(i);
        k.Bemerkung = i == 1 ? QString() : "Zeile\nzwei";
        QVERIFY(kunden.addKunde(k));
        QVERIFY(produkte.addProdukt(Produkt(QString("P%1").arg(i), "Kabel", 0.1 * i)));
    }
    for (int i = 0; i < 12; ++i) {
        Auftrag a = auftrag(i % 4 + 1, i % 4);
        QVERIFY(auftraege.addAuftrag(a));
    }
    for (int nr = 1; nr <= 3; ++nr) {
        QByteArray pdf("%PDF-1.7\n");
        pdf += QByteArray(2000, char(nr)) + QByteArray("\0\xff", 2);
        archiviere(QSqlDatabase::database(), nr, pdf);
    }
}

// Every row of every table, in key order, as text (bytes as hex).
QMap<QString, QList<QStringList>> inhalt(const QSqlDatabase& db)
{
    QMap<QString, QList<QStringList>> alles;
    for (const QString& t : Datensicherung::tabellen(db)) {
        QSqlQuery q(db);
        q.exec(QString("select * from %1 order by 1, 2").arg(t));
        while (q.next()) {
            QStringList zeile;
            for (int i = 0; i < q.record().count(); ++i) {
                const QVariant v = q.value(i);
                zeile << (v.isNull() ? "NULL"
                          : v.metaType().id() == QMetaType::QByteArray
                              ? QString::fromLatin1(v.toByteArray().toHex())
                              : v.metaType().id() == QMetaType::QDateTime ? v.toDateTime().toString(Qt::ISODate)
                                                                          : v.toString());
            }
            alles[t] << zeile;
        }
    }
    return alles;
}

// Orders without their lines or their customer snapshot.
int unvollstaendige(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.exec(Datenbank::sql(db, "select count(*) from auftrag a where a.[BestellNr] <> "
                              "(select count(*) from auftragslines l where l.[Auftrag]=a.[Nr]) "
                              "or not exists (select 1 from auftragskunden k where k.[AuftragsNr]=a.[Nr])"));
    return q.next() ? q.value(0).toInt() : -1;
}

// The second program of the concurrency test: stores n orders of 1 to 4 lines.
int speichereAlsKind(const QString& einstellungen, int n)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, einstellungen);
    Programmstart::benenneAnwendung();
    if (!Programmstart::openDatabase())
        return 100;
    SqlAuftragsStore store(nullptr);
    int fehler = 0;
    for (int i = 0; i < n; ++i) {
        Auftrag a = auftrag(i % 4 + 1);
        for (int versuche = 0; !store.addAuftrag(a) && store.letzterFehler().art == Speicherfehler::Belegt
                               && ++versuche < 50;) {
        }
        fehler += store.letzterFehler().art == Speicherfehler::Keiner ? 0 : 1;
    }
    return std::min(fehler, 99);
}

void kippeByte(const QString& datei, qint64 stelle)
{
    QFile f(datei);
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.seek(stelle);
    char c = 0;
    f.getChar(&c);
    f.seek(stelle);
    f.putChar(char(c ^ 0x20));
}

// Where the bytes of the first archived document lie in the file.
qint64 stelleVon(const QString& datei, const QByteArray& muster)
{
    QFile f(datei);
    return f.open(QIODevice::ReadOnly) ? f.readAll().indexOf(muster) : -1;
}

}  // namespace

class TestDatensicherung : public QObject
{
    Q_OBJECT

private:
    Testumgebung* env = nullptr;

private slots:
    void init()
    {
        env = new Testumgebung;
        env->neueDatenbank();
    }
    void cleanup()
    {
        delete env;
        env = nullptr;
    }

    // A backup taken while another program stores 500 orders holds every
    // order whole, and the last one restores row for row.
    void sichernWaehrendAndereSchreiben()
    {
        if (Testumgebung::postgres())
            QSKIP("the online backup of the file database");
        fuelle();
        env->schreibeVerbindung();
        QProcess kind;
        kind.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        kind.start(QCoreApplication::applicationFilePath(), {"--speichere", env->pfad("settings"), "500"});
        QVERIFY(kind.waitForStarted());
        QStringList sicherungen;
        while (kind.state() != QProcess::NotRunning && sicherungen.size() < 200) {
            const QString datei = env->pfad(QString("laufend%1").arg(sicherungen.size()));
            const QString fehler = Datensicherung::sichere(QSqlDatabase::database(), datei);
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
            sicherungen << datei;
            kind.waitForFinished(1);
        }
        QVERIFY(kind.state() == QProcess::NotRunning || kind.waitForFinished(240000));
        QCOMPARE(kind.exitCode(), 0);
        const QString letzte = env->pfad("letzte");
        QVERIFY(Datensicherung::sichere(QSqlDatabase::database(), letzte).isEmpty());
        const auto original = inhalt(QSqlDatabase::database());
        QCOMPARE(original.value("auftrag").size(), 512);

        for (const QString& datei : sicherungen + QStringList{letzte}) {
            const Datensicherung::Inhalt i = Datensicherung::pruefe(datei);
            QVERIFY2(i.fehler.isEmpty(), qPrintable(i.fehler));
            env->neueDatenbank();
            const QString fehler = Datensicherung::stelleWiederHer(QSqlDatabase::database(), datei,
                                                                 datei + ".vorher");
            QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
            QCOMPARE(unvollstaendige(QSqlDatabase::database()), 0);
            QCOMPARE(qint64(inhalt(QSqlDatabase::database()).value("auftrag").size()), i.anzahl.value("auftrag"));
        }
        QCOMPARE(inhalt(QSqlDatabase::database()), original);
    }

    // A restore puts back every row, keeps the data it replaces as a backup of
    // its own, and refuses a damaged, truncated or foreign file changing nothing.
    void wiederherstellen_data()
    {
        QTest::addColumn<QString>("schaden");
        QTest::newRow("sound") << "";
        QTest::newRow("one byte of an archived document flipped") << "kippen";
        QTest::newRow("cut off") << "abschneiden";
        QTest::newRow("a value changed through SQLite") << "aendern";
        QTest::newRow("an SQLite file of another program") << "fremd";
        QTest::newRow("a text file") << "text";
        QTest::newRow("missing") << "fehlt";
        QTest::newRow("data the database refuses halfway") << "ziel";
    }
    void wiederherstellen()
    {
        QFETCH(QString, schaden);
        fuelle();
        QSqlDatabase db = QSqlDatabase::database();
        const auto gesichert = inhalt(db);
        const QString datei = env->pfad("sicherung");
        Datensicherung::Inhalt i;
        QVERIFY(Datensicherung::sichere(db, datei, &i).isEmpty());
        QCOMPARE(i.anzahl.value("auftrag"), 12);
        QCOMPARE(i.anzahl.value("belegarchiv"), 3);

        if (schaden == "kippen") {
            const qint64 stelle = stelleVon(datei, QByteArray(2000, char(2)));
            QVERIFY(stelle > 0);
            kippeByte(datei, stelle + 1000);
        } else if (schaden == "abschneiden") {
            QFile f(datei);
            QVERIFY(f.resize(f.size() / 2));
        } else if (schaden == "aendern" || schaden == "fremd") {
            QSqlDatabase s = QSqlDatabase::addDatabase("QSQLITE", "schaden");
            s.setDatabaseName(datei);
            QVERIFY(s.open());
            QSqlQuery q(s);
            QVERIFY(q.exec(schaden == "fremd" ? "drop table belegwerk_manifest"
                                              : "update auftragslines set Preis=Preis+1 where Nr=11"));
            q.finish();
            s.close();
            s = QSqlDatabase();
            QSqlDatabase::removeDatabase("schaden");
        } else if (schaden == "text") {
            QFile f(datei);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray("Nr;Name\n").repeated(40));
        } else if (schaden == "fehlt") {
            QVERIFY(QFile::remove(datei));
        }

        // Changes after the backup that a restore undoes.
        for (const char* aenderung : {"delete from kunden where [Nr]=3",
                                      "update auftrag set [Komentar]='neu' where [Nr]=5",
                                      "insert into produkte ([Nr], [Name]) values ('neu', 'neu')"})
            QVERIFY(QSqlQuery(db).exec(Datenbank::sql(db, aenderung)));
        if (schaden == "ziel")  // the backup holds two customers with this remark
            QVERIFY(QSqlQuery(db).exec(Datenbank::sql(db, "create unique index nein on kunden([Bemerkung])")));
        const auto geaendert = inhalt(db);
        const QString vorher = env->pfad("vorher");

        const QString fehler = Datensicherung::stelleWiederHer(db, datei, vorher);
        // Issued documents stay guarded, whether the restore failed or not.
        const auto geschuetzt = [&db] {
            for (const char* s : {"delete from belegarchiv", "update auftrag set [Komentar]='x' where [Nr]=1",
                                  "update auftrag set [Lieferanschrift]='x' where [Nr]=1"})
                QVERIFY(!QSqlQuery(db).exec(Datenbank::sql(db, s)));
        };
        if (!schaden.isEmpty()) {
            QVERIFY(!fehler.isEmpty());
            QCOMPARE(Datensicherung::pruefe(datei).fehler.isEmpty(), schaden == "ziel");
            QCOMPARE(inhalt(db), geaendert);
            QCOMPARE(QFile::exists(vorher), schaden == "ziel");
            geschuetzt();
            return;
        }
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QCOMPARE(inhalt(db), gesichert);
        geschuetzt();
        // The replaced data is one more backup, which restores in turn.
        QVERIFY(Datensicherung::pruefe(vorher).fehler.isEmpty());
        QVERIFY(Datensicherung::stelleWiederHer(db, vorher, env->pfad("vorher2")).isEmpty());
        QCOMPARE(inhalt(db), geaendert);
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
        const auto original = inhalt(QSqlDatabase::database());
        PgServer server;
        QVERIFY2(server.laeuft(), qPrintable(server.fehler()));
        QSqlDatabase pg = QSqlDatabase::addDatabase("QPSQL", "pg");
        pg.setHostName(server.host());
        pg.setPort(server.port());
        pg.setUserName(PgServer::benutzer());
        pg.setDatabaseName(server.neueDatenbank());
        QVERIFY(pg.open());

        QString fehler = Datensicherung::uebertrage(QSqlDatabase::database(), pg);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QCOMPARE(inhalt(pg), original);
        // A target that holds data is refused.
        QVERIFY(!Datensicherung::uebertrage(QSqlDatabase::database(), pg).isEmpty());
        QCOMPARE(inhalt(pg), original);
        {
            QSqlQuery q(pg);
            QVERIFY2(q.exec("insert into auftrag (\"Typ\") values (0) returning \"Nr\""),
                     qPrintable(q.lastError().text()));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toInt(), 13);
            QVERIFY(q.exec("delete from auftrag where \"Nr\"=13"));
        }

        // Back into a new file, once directly (the program made its tables, with
        // their guards) and once through a backup of the shared database.
        env->neueDatenbank();
        SqlAuftragsStore(nullptr).createTables();
        fehler = Datensicherung::uebertrage(pg, QSqlDatabase::database());
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QCOMPARE(inhalt(QSqlDatabase::database()), original);
        const QString datei = env->pfad("pg-sicherung");
        fehler = Datensicherung::sichere(pg, datei);
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        env->neueDatenbank();
        fehler = Datensicherung::stelleWiederHer(QSqlDatabase::database(), datei, env->pfad("vorher"));
        QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
        QCOMPARE(inhalt(QSqlDatabase::database()), original);
        pg.close();
        pg = QSqlDatabase();
        QSqlDatabase::removeDatabase("pg");
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
        QSqlDatabase db = QSqlDatabase::database();
        const QString ordner = env->pfad("auto");
        Einstellung::setze(Einstellung::SicherungOrdner, ordner);
        const QDateTime morgens(QDate(2026, 3, 2), QTime(8, 0));
        QVERIFY(Sicherungsplan::taeglich(db, morgens).isEmpty());
        QVERIFY(Sicherungsplan::taeglich(db, morgens.addSecs(3600)).isEmpty());
        QCOMPARE(Einstellung::text(Einstellung::SicherungLetzte), morgens.toString(Qt::ISODate));
        const QString datei = QDir(ordner).filePath(Sicherungsplan::dateiname(morgens.date()));
        QCOMPARE(Datensicherung::pruefe(datei).anzahl.value("auftrag"), 12);
        QCOMPARE(QDir(ordner).entryList(QDir::Files).size(), 1);

        // A folder that cannot be made: reported at start, the last success kept.
        QFile datei2(env->pfad("blockiert"));
        QVERIFY(datei2.open(QIODevice::WriteOnly));
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
        QVERIFY(Datensicherung::sichere(QSqlDatabase::database(), datei).isEmpty());
        Einstellung::setze(Einstellung::SicherungOrdner, env->pfad("auto"));
        MainWindow w;
        auto* kunden = static_cast<SqlKundenStore*>(w.kundenStore());
        QSqlQuery(QSqlDatabase::database()).exec("delete from kunden");
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

    // "--check" and "--backup" without a window: a fault found is a non-zero exit.
    void kommandozeile_data()
    {
        QTest::addColumn<QString>("schaden");
        QTest::addColumn<int>("fehler");
        QTest::newRow("sound") << "" << 0;
        QTest::newRow("a flipped byte in an archived PDF") << "kippen" << 1;
        QTest::newRow("a document number twice") << "doppelt" << 1;
        QTest::newRow("a prefixed number twice") << "belegnr" << 1;
        QTest::newRow("an issued document not archived") << "archiv" << 1;
    }
    void kommandozeile()
    {
        QFETCH(QString, schaden);
        QFETCH(int, fehler);
        fuelle();
        Datenpruefung::Befund befund;
        {
        QSqlDatabase db = QSqlDatabase::database();
        QSqlQuery q(db);
        // A foreign tool must drop the database's guard first.
        if (schaden == "kippen") {
            q.exec(Testumgebung::postgres() ? "drop trigger belegarchiv_fest on belegarchiv"
                                            : "drop trigger belegarchiv_fest");
            q.prepare(Datenbank::sql(db, "update belegarchiv set [Datei]=? where [Auftrag]=2"));
            QByteArray pdf("%PDF-1.7\n");
            pdf += QByteArray(2000, char(2)) + QByteArray("\0\xfe", 2);
            q.addBindValue(pdf);
            QVERIFY(q.exec());
        } else if (schaden == "doppelt") {
            q.exec("drop index auftrag_art_eindeutig");
            q.exec("drop index auftrag_rechnung_eindeutig");
            QVERIFY(q.exec(Datenbank::sql(db, "update auftrag set [AuftragsNr]=1 where [Nr]=5")));
        } else if (schaden == "belegnr") {
            q.exec("drop index auftrag_belegnr");
            QVERIFY(q.exec(Datenbank::sql(db, "update auftrag set [BelegNr]='RE-1' where [Nr]=5")));
        } else if (schaden == "archiv") {
            QVERIFY(q.exec(Datenbank::sql(db, "update auftrag set [Ausgestellt]='2024-05-07' where [Nr]=7")));
        }
        befund = Datenpruefung::pruefe(db);
        QCOMPARE(befund.fehler.size(), fehler);
        QCOMPARE(befund.geprueft.size(), Testumgebung::postgres() ? 2 : 3);
        }

        env->schreibeVerbindung();
        Testumgebung::schliesseDatenbank();
        const QString datei = env->pfad("cron.sicherung");
        QString text;
        QTextStream aus(&text);
        QCOMPARE(Programmstart::kommandozeile({"belegwerk", "--backup", datei, "--check"}, aus),
                 fehler ? 1 : 0);
        QVERIFY2(text.contains(datei) && text.contains(befund.geprueft.last()), qPrintable(text));
        for (const QString& f : befund.fehler)
            QVERIFY2(text.contains(f), qPrintable(text));
        QCOMPARE(Datensicherung::pruefe(datei).anzahl.value("auftrag"), 12);
        // A folder that is not there: no backup, and the exit says so.
        QCOMPARE(Programmstart::kommandozeile({"belegwerk", "--backup", env->pfad("fehlt/x")}, aus), 1);
        QVERIFY(!QFile::exists(env->pfad("fehlt/x")));
    }
};

int main(int argc, char* argv[])
{
    if (argc == 4 && QByteArray(argv[1]) == "--speichere") {
        QCoreApplication app(argc, argv);
        return speichereAlsKind(QString::fromLocal8Bit(argv[2]), QString(argv[3]).toInt());
    }
    QApplication app(argc, argv);
    TestDatensicherung test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_datensicherung.moc"
