#include "app/programmstart.h"
#include "records/codetabellen.h"
#include "store/ausstellung.h"
#include "store/datenbank.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "platform/einstellung.h"
#include "tests/support/pgserver.h"
#include "tests/support/sicherungsdaten.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "tests/support/zwischenstelle.h"
#include "windows/speicherhinweis.h"
#include "windows/kundendialog.h"
#include "windows/kundenwidget.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

using Sicherungsdaten::auftrag;

namespace {

// One program of the concurrency test: stores n documents with an order list open, as the
// main window has, in turn invoices of both services, credit notes and offers, and issues
// the invoices and credit notes; while another program holds the database it tries again.
int speichere(SqlAuftragsStore& store, int n)
{
    QSqlQuery("PRAGMA synchronous=OFF").exec();  // SQLite only, for speed; the locking is the same
    std::unique_ptr<QSqlTableModel> liste(
        store.filterModel(QDateTime(QDate(2000, 1, 1), QTime()), QDateTime(QDate(2100, 1, 1), QTime())));
    int fehler = 0;
    for (int i = 0; i < n; ++i) {
        Auftrag a = auftrag(2);
        a.Typ = i % 4 == 2 ? Auftragsart::Gutschrift : i % 4 == 3 ? Auftragsart::Angebot : Auftragsart::Rechnung;
        a.Dienst = i % 2;
        fehler += Testumgebung::wiederholt(store, [&] { return store.addAuftrag(a); });
        if (Ausstellung::wirdAusgestellt(a)) {
            Auftrag b = Ausstellung::vorbereiten(a, QDateTime::currentDateTime());
            fehler += Testumgebung::wiederholt(store, [&] { return store.stelleAus(b, "%PDF"); });
        }
    }
    return fehler;
}

}  // namespace

// New, shared, busy and damaged databases.
class TestGemeinsameDatenbank : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    QString datei;
    std::unique_ptr<PgServer> sslServer;  // started by the first test that needs it

    static void erzeugeTabellen()
    {
        SqlProduktStore(nullptr).createTable();
        SqlKundenStore(nullptr).createTable();
        SqlAuftragsStore(nullptr).createTables();
    }

    // The server's socket, behind the connection of init().
    static QString serverSocket()
    {
        const QSqlDatabase db = QSqlDatabase::database();
        return db.hostName() + "/.s.PGSQL." + QString::number(db.port());
    }
    // Opens the default connection as start-up does, with the time bound
    // sekunden, through z when given.
    bool verbinde(int sekunden, const Zwischenstelle* z = nullptr)
    {
        env.schreibeVerbindung();
        QSettings s;
        s.setValue("Datenbank/Zeitlimit", sekunden);
        if (z) {
            s.setValue("Datenbank/Host", "127.0.0.1");
            s.setValue("Datenbank/Port", z->port());
        }
        Testumgebung::schliesseDatenbank();
        return Programmstart::openDatabase();
    }

private slots:
    void init()
    {
        env.leereEinstellungen();
        datei = env.neueDatenbank();
        erzeugeTabellen();
    }

    void cleanup() { Testumgebung::schliesseDatenbank(true); }  // and the test's other connections

    // A store made before its table shows it once created. Postcodes of every country:
    // a database that enforces lengths is widened at start-up.
    void newAndOlderDatabases()
    {
        env.neueDatenbank();  // without the tables of init()
        SqlKundenStore kunden(nullptr);
        kunden.createTable();
        erzeugeTabellen();
        if (Testumgebung::postgres())
            for (const char* t : {"kunden", "auftrag", "auftragskunden"})
                QVERIFY(QSqlQuery().exec(QString("alter table %1 alter column \"PLZ\" type varchar(5)").arg(t)));
        erzeugeTabellen();
        Auftrag a = auftrag(2);
        a.Kunde.PLZ = "SW1A 1AA";  // the server refuses what is too long, it never cuts it
        QVERIFY(kunden.addKunde(a.Kunde) && SqlAuftragsStore(nullptr).addAuftrag(a));
        QCOMPARE(kunden.model()->rowCount(), 1);
    }

    void programsStoringAtOnceAllComplete()
    {
        const int programme = 4, jeProgramm = 500;
        QProcess kinder[programme];
        for (QProcess& p : kinder)
            env.starteSchreiber(p, jeProgramm);
        QList<int> ergebnisse;
        for (QProcess& p : kinder)
            ergebnisse << (p.waitForFinished(240000) ? p.exitCode() : -1);
        QCOMPARE(ergebnisse, QList<int>(programme, 0));

        // Each series 1..n without a double or a gap, every printed number once, every
        // line stored, and every invoice and credit note issued.
        const int n = programme * jeProgramm / 4;
        const QString ausgestellt = QString("%1 %1 1 %1 %1 %1").arg(n), angebote = QString("%1 %1 1 %1 %1 0").arg(n);
        QCOMPARE(Testumgebung::abfrage("select count(*), count(distinct \"AuftragsNr\"), min(\"AuftragsNr\"), "
                                       "max(\"AuftragsNr\"), count(distinct \"BelegNr\"), count(\"Ausgestellt\") "
                                       "from auftrag group by \"Typ\", case when \"Typ\"=0 then \"Dienst\" end "
                                       "order by \"Typ\", 1"),
                 (QStringList{ausgestellt, ausgestellt, ausgestellt, angebote}));
        QCOMPARE(Testumgebung::abfrage("select count(distinct \"BelegNr\"), (select count(*) from auftragslines), "
                                       "(select count(*) from belegarchiv) from auftrag"),
                 QStringList{QString("%1 %2 %3").arg(4 * n).arg(8 * n).arg(3 * n)});
    }

    void secondSaveOfAChangedRecordIsTold()
    {
        QVERIFY(QSqlDatabase::cloneDatabase(QSqlDatabase::database(), "zweite").open());
        SqlAuftragsStore hier(nullptr), dort(nullptr, "zweite");
        SqlKundenStore kundenHier(nullptr), kundenDort(nullptr, "zweite");
        std::unique_ptr<QSqlTableModel> liste(kundenHier.filterModel(0, ""));
        Auftrag a = auftrag(2);
        QVERIFY(hier.addAuftrag(a));
        Kunde k = a.Kunde;
        k.Nr = 0;
        QVERIFY(kundenDort.addKunde(k));
        if (Testumgebung::postgres())  // only the server tells of writes elsewhere
            QTRY_COMPARE(liste->rowCount(), 1);

        Auftrag meins = hier.getAuftrag(a.Nr), deins = dort.getAuftrag(a.Nr);
        deins.Komentar = "dort";
        QVERIFY(dort.saveAuftrag(deins));
        meins.Komentar = "hier";
        QVERIFY(!hier.saveAuftrag(meins));
        QCOMPARE(hier.letzterFehler().art, Speicherfehler::Geaendert);
        QCOMPARE(hier.getAuftrag(a.Nr).Komentar, QString("dort"));
        QVERIFY(hier.saveAuftrag(meins = hier.getAuftrag(a.Nr)));  // reloaded: may be saved again
        // A cancellation is a change too: the older copy no longer undoes it.
        QVERIFY(dort.storniereAuftrag(a.Nr));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(Datenbank::Geaendert));
        QVERIFY(!hier.saveAuftrag(meins));
        QCOMPARE(hier.getAuftrag(a.Nr).Status, -1);

        // An issued invoice is final for every connection; only its status moves on.
        Auftrag b = auftrag(2);
        QVERIFY(hier.addAuftrag(b));
        Auftrag fest = Ausstellung::vorbereiten(hier.getAuftrag(b.Nr), QDateTime::currentDateTime());
        QVERIFY(hier.stelleAus(fest, "%PDF"));
        QSqlDatabase zweite = QSqlDatabase::database("zweite");
        for (const char* s : {"update auftragslines set \"Preis\"=1", "delete from auftragslines",
                              "insert into auftragslines (\"Auftrag\") select \"Nr\" from auftrag where \"Ausgestellt\" is not null",
                              "update auftragskunden set \"Name\"='x'", "update auftrag set \"Summe\"=1", "update auftrag set \"Lieferanschrift\"='x'",
                              "update auftrag set \"Status\"=1", "delete from auftrag",
                              "update belegarchiv set \"Datei\"=null", "delete from belegarchiv"})
            QVERIFY2(!QSqlQuery(zweite).exec(s), s);
        QVERIFY(QSqlQuery(zweite).exec("update auftrag set \"Status\"=3"));
        QCOMPARE(QVariantList({hier.getAuftrag(b.Nr).Summe, int(hier.getAuftrag(b.Nr).Zeilen.size()),
                               hier.archivierterBeleg(b.Nr)}),
                 QVariantList({6.0, 2, QByteArray("%PDF")}));
        QVERIFY(!dort.storniereAuftrag(b.Nr));

        // The customer dialog offers to reload a customer changed elsewhere.
        Kunde anderswo = kundenDort.getKunde(k.Nr);
        KundenDialog d;
        d.setStore(&kundenHier);
        d.setKunde(kundenHier.getKunde(k.Nr));
        anderswo.Ort = "Metz";
        QVERIFY(kundenDort.saveKunde(anderswo));
        SkriptInteraktion dialoge;
        dialoge.antworte(QMessageBox::Yes);  // save the change
        dialoge.antworte(QMessageBox::Yes);  // reload
        d.form()->findChild<QLineEdit*>("Name")->setText("Roux-Meyer");
        QVERIFY(!d.save());
        QCOMPARE(dialoge.arten(), (QStringList{"question", "question"}));
        QCOMPARE(QStringList({d.form()->kunde().Ort, kundenHier.getKunde(k.Nr).Name}),
                 QStringList({"Metz", "Roux"}));
    }

    // Waits on a slow or unreachable server, a locked row and a workstation
    // hanging in a transaction end after the time bound, and say so. A start while
    // another workstation stores does not wait: the complete schema is left as it is.
    void boundedWaits_data()
    {
        QTest::addColumn<int>("art");  // of the failure to save; -1: no connection
        QTest::newRow("slow server") << int(Speicherfehler::Zeitueberschreitung);
        QTest::newRow("row locked elsewhere") << int(Speicherfehler::Belegt);
        QTest::newRow("hung workstation") << int(Speicherfehler::Keiner);
        QTest::newRow("black-holed network") << -1;
        QTest::newRow("start while another stores") << int(Speicherfehler::Keiner);
    }

    void boundedWaits()
    {
        if (!Testumgebung::postgres())
            QSKIP("the bounds of a shared database");
        QFETCH(int, art);
        const QByteArray fall = QTest::currentDataTag();
        Zwischenstelle z(serverSocket());
        Kunde k;
        QVERIFY(SqlKundenStore(nullptr).addKunde(k));
        QSqlDatabase anderes = QSqlDatabase::cloneDatabase(QSqlDatabase::database(), "anderes");
        QVERIFY(anderes.open());
        QSqlQuery q(anderes);
        if (fall == "slow server")
            QVERIFY(q.exec("create function langsam() returns trigger language plpgsql as "
                           "$$ begin perform pg_sleep(5); return new; end $$")
                    && q.exec("create trigger langsam before update on kunden for each row "
                              "execute function langsam()"));
        if (fall == "row locked elsewhere")
            QVERIFY(anderes.transaction() && q.exec("update kunden set \"Ort\"='Metz'"));
        if (fall == "start while another stores")  // as storing holds them; reading holds a weaker lock
            QVERIFY(anderes.transaction() && q.exec("lock table produkte, kunden, auftrag, auftragslines, "
                                                    "auftragskunden, belegarchiv in row exclusive mode"));
        if (fall == "hung workstation") {
            // Bounded itself, it takes the customer numbering and stops answering.
            QVERIFY(verbinde(1, &z));
            QSqlDatabase haengt = QSqlDatabase::cloneDatabase(QSqlDatabase::database(), "haengt");
            QVERIFY(haengt.open() && haengt.transaction());
            QVERIFY(QSqlQuery(haengt).exec("select pg_advisory_xact_lock(1114841446)"));
            z.schwarzesLoch(true);
        }
        if (fall == "black-holed network")
            z.schwarzesLoch(true);
        QCOMPARE(verbinde(fall == "hung workstation" ? 4 : 1, fall == "hung workstation" ? nullptr : &z),
                 art >= 0);
        if (fall == "start while another stores") {
            QTest::failOnWarning(QRegularExpression("."));
            erzeugeTabellen();
        }
        if (art < 0) {
            QVERIFY2(QSqlDatabase::database(QSqlDatabase::defaultConnection, false)
                         .lastError().text().contains("timeout"),
                     "connecting ended by its bound");
        } else {
            SqlKundenStore store(nullptr);
            Kunde neu;
            k.Name = "Roux";
            QCOMPARE(store.saveKunde(k) && store.addKunde(neu), art == Speicherfehler::Keiner);
            QCOMPARE(int(store.letzterFehler().art), art);
            if (art == Speicherfehler::Zeitueberschreitung) {
                SkriptInteraktion dialoge;
                dialoge.antworte(QMessageBox::Retry);
                QCOMPARE(Speicherhinweis::zeige(nullptr, "Kunde", "nicht gespeichert", store.letzterFehler()),
                         Speicherhinweis::Wiederholen);
            }
        }
    }

    // A lost connection is opened again: a read is repeated on it, a failed
    // write can be, and a commit whose answer was lost is found stored.
    void lostConnectionReopens()
    {
        if (!Testumgebung::postgres())
            QSKIP("a connection of a shared database");
        Zwischenstelle z(serverSocket());
        QVERIFY(verbinde(3, &z));
        SqlKundenStore kunden(nullptr);
        SqlAuftragsStore auftraege(nullptr);
        Kunde k, l;
        QVERIFY(kunden.addKunde(k));
        z.trenneAlle();
        QVERIFY(!kunden.addKunde(l));
        QCOMPARE(kunden.letzterFehler().art, Speicherfehler::Unterbrochen);
        QVERIFY(kunden.addKunde(l));  // "Wiederholen"
        z.trenneAlle();
        QCOMPARE(kunden.getKunde(l.Nr).Nr, l.Nr);
        z.trenneAlle();
        QVERIFY(kunden.model()->select());
        QCOMPARE(kunden.model()->rowCount(), 2);

        Auftrag a = auftrag(2);
        z.trenneNachCommit();
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(Datenbank::DochGespeichert));
        QVERIFY(auftraege.addAuftrag(a));
        QCOMPARE(auftraege.count(), 1);
        QCOMPARE(auftraege.getAuftrag(a.Nr).Zeilen.size(), 2);
    }

    // A server that wants the password an import dropped: start-up asks for it.
    void passwordAskedWhenMissing()
    {
        if (!Testumgebung::postgres())
            QSKIP("a server's password");
        QSqlDatabase db = QSqlDatabase::database();
        // Only the database of this test wants it: the tests after it need nothing undone.
        QFile hba(db.hostName() + "/data/pg_hba.conf");
        QVERIFY(hba.open(QIODevice::ReadWrite));
        const QByteArray vorher = hba.readAll();
        QVERIFY(hba.seek(0) && hba.write("local " + db.databaseName().toUtf8() + " all scram-sha-256\n" + vorher) > 0);
        hba.close();
        QVERIFY(QSqlQuery().exec("alter role belegwerk password 'geheim'"));
        QVERIFY(QSqlQuery().exec("select pg_reload_conf()"));
        int probe = 0;  // connections without a password until the server wants one
        QTRY_VERIFY(!QSqlDatabase::cloneDatabase(db, QString("probe%1").arg(++probe)).open());
        env.schreibeVerbindung();
        Testumgebung::schliesseDatenbank();
        SkriptInteraktion dialoge;
        dialoge.antworte(QString("geheim"));
        QVERIFY(Programmstart::verbindeDatenbank());
        QCOMPARE(dialoge.arten(), QStringList{"getText"});
        QCOMPARE(QSettings().value("Datenbank/Passwort").toString(), QString("geheim"));
    }

    // The encryption the settings ask for, against a server with a certificate
    // of its own: one that the CA file does not vouch for is refused, saying why.
    void sslModes_data()
    {
        QTest::addColumn<QString>("modus");
        QTest::addColumn<QString>("ca");          // "eigene": the server's certificate; "andere": the system's CAs
        QTest::addColumn<int>("verschluesselt");  // -1 refused, 0 plain, 1 encrypted
        QTest::newRow("verify-full, the CA of another server") << "verify-full" << "andere" << -1;
        QTest::newRow("verify-full, the server's own") << "verify-full" << "eigene" << 1;
        QTest::newRow("require, no CA") << "require" << "" << 1;
        QTest::newRow("disable, the CA of another server") << "disable" << "andere" << 0;
    }
    void sslModes()
    {
        QFETCH(QString, modus);
        QFETCH(QString, ca);
        QFETCH(int, verschluesselt);
        if (Testumgebung::postgres())
            QSKIP("starts a server of its own");
        if (!QFile::exists("/usr/lib/postgresql/15/bin/initdb"))
            QSKIP("no PostgreSQL server binaries");
        if (!sslServer)
            sslServer = std::make_unique<PgServer>(true);
        QVERIFY2(sslServer->laeuft(), qPrintable(sslServer->fehler()));
        const QString andere = "/etc/ssl/certs/ca-certificates.crt";  // none of them signed the server's
        Einstellung::setze(Einstellung::DatenbankTreiber, "QPSQL");
        Einstellung::setze(Einstellung::DatenbankHost, "127.0.0.1");
        Einstellung::setze(Einstellung::DatenbankPort, sslServer->port());
        Einstellung::setze(Einstellung::DatenbankUser, PgServer::benutzer());
        Einstellung::setze(Einstellung::DatenbankName, sslServer->neueDatenbank());
        Einstellung::setze(Einstellung::DatenbankSSL, modus);
        Einstellung::setze(Einstellung::DatenbankCA, ca == "eigene" ? sslServer->zertifikat()
                                                     : ca == "andere" ? andere : QString());
        Testumgebung::schliesseDatenbank();
        SkriptInteraktion dialoge;
        QCOMPARE(Programmstart::verbindeDatenbank(), verschluesselt >= 0);
        if (verschluesselt < 0) {
            QCOMPARE(dialoge.arten(), QStringList{"warning"});
            const QString text = dialoge.fragen.first().text;
            QVERIFY2(text.contains("certificate verify failed") && text.contains(andere), qPrintable(text));
            return;
        }
        QCOMPARE(Testumgebung::abfrage("select ssl from pg_stat_ssl where pid = pg_backend_pid()"),
                 QStringList{verschluesselt == 1 ? "true" : "false"});
    }

    void busyDatabaseOffersRetry()
    {
        if (Testumgebung::postgres())
            QSKIP("SQLite locks the whole file; PostgreSQL locks rows");
        QSqlDatabase db = QSqlDatabase::database();
        db.close();
        db.setConnectOptions("QSQLITE_BUSY_TIMEOUT=100");
        QVERIFY(db.open());
        QSqlDatabase anderes = QSqlDatabase::cloneDatabase(db, "anderes");
        QVERIFY(anderes.open());
        QVERIFY(QSqlQuery(anderes).exec("BEGIN IMMEDIATE"));
        SqlKundenStore store(nullptr);
        KundenDialog d;
        d.setStore(&store);
        d.form()->findChild<QLineEdit*>("Name")->setText("Roux");
        SkriptInteraktion dialoge;
        dialoge.antworte(QMessageBox::Retry);  // then the default: Cancel
        QVERIFY(!d.save());
        QCOMPARE(dialoge.arten(), (QStringList{"question", "question"}));
        QVERIFY(QSqlQuery(anderes).exec("ROLLBACK"));
        QVERIFY(d.save());
        QCOMPARE(store.getKunden().size(), 1);
    }

    void wipeWithManyOrders()
    {
        SqlAuftragsStore store(nullptr);
        Auftrag a;
        for (int i = 0; i < 300; ++i)
            QVERIFY(store.addAuftrag(a = auftrag(2)));
        std::unique_ptr<QSqlTableModel> liste(store.filterModel(1));
        QCOMPARE(liste->rowCount(), 300);
        QVERIFY(store.deleteAll());
        QCOMPARE(QList<int>({store.count(), liste->rowCount()}), QList<int>({0, 0}));
        QVERIFY(store.addAuftrag(a = auftrag(2)));
        QCOMPARE(QList<int>({a.AuftragsNr, liste->rowCount()}), QList<int>({1, 1}));
    }

    void impossibleValuesAreRefused_data()
    {
        QTest::addColumn<double>("preis");  // of both lines
        QTest::addColumn<QDate>("eingang");
        QTest::addColumn<QDate>("seit");
        const QDate gut(2024, 5, 6);
        QTest::newRow("NaN price") << qQNaN() << gut << gut;
        QTest::newRow("sum overflows") << 1e308 << gut << gut;
        QTest::newRow("year 10000") << 1.0 << QDate(10000, 1, 1) << gut;
        QTest::newRow("year -44") << 1.0 << QDate(-44, 3, 15) << gut;
        QTest::newRow("customer since year 10000") << 1.0 << gut << QDate(10000, 1, 1);
    }

    void impossibleValuesAreRefused()
    {
        QFETCH(double, preis);
        QFETCH(QDate, eingang);
        QFETCH(QDate, seit);
        SqlAuftragsStore auftraege(nullptr);
        Auftrag a = auftrag(2);
        a.Zeilen[0].Preis = a.Zeilen[1].Preis = preis;
        a.Eingang = QDateTime(eingang, QTime(10, 0));
        a.Kunde.Seit = seit;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(Datenbank::Unmoeglich));
        QVERIFY(!auftraege.addAuftrag(a));
        QVERIFY(auftraege.letzterFehler().art == Speicherfehler::Ungueltig
                && !auftraege.letzterFehler().text.isEmpty() && auftraege.count() == 0);
        if (!qIsFinite(preis)) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(Datenbank::Unmoeglich));
            QVERIFY(!SqlProduktStore(nullptr).addProdukt(Produkt("K-1", "Kabel", preis)));
        }
        if (seit.year() > 9999) {
            SqlKundenStore kunden(nullptr);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(Datenbank::Unmoeglich));
            QVERIFY(!kunden.addKunde(a.Kunde) && kunden.getKunden().isEmpty());
        }
    }

    void damagedFileIsKeptAndNeverWritten_data()
    {
        QTest::addColumn<qint64>("ab");
        QTest::addColumn<qint64>("laenge");  // bytes overwritten from ab; -1 cuts the file there
        QTest::newRow("random bytes") << qint64(0) << qint64(1 << 20);
        QTest::newRow("truncated") << qint64(4096 * 3) << qint64(-1);
        QTest::newRow("overwritten pages") << qint64(4096 * 2) << qint64(4096 * 2);
    }

    void damagedFileIsKeptAndNeverWritten()
    {
        if (Testumgebung::postgres())
            QSKIP("a file check of SQLite");
        QFETCH(qint64, ab);
        QFETCH(qint64, laenge);
        QVERIFY(QSqlQuery().exec("with recursive n(i) as (select 1 union all select i + 1 from n "
                                 "where i < 200) insert into kunden (Bemerkung) "
                                 "select hex(randomblob(100)) from n"));
        Testumgebung::schliesseDatenbank();
        QFile f(datei);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(laenge < 0 ? f.resize(ab) : f.seek(ab));
        QList<quint32> muell(std::max<qint64>(0, std::min(laenge, f.size() - ab)) / 4);
        QRandomGenerator::global()->fillRange(muell.data(), muell.size());
        f.write(reinterpret_cast<const char*>(muell.constData()), muell.size() * 4);
        QVERIFY(f.seek(0));
        const QByteArray vorher = f.readAll();
        f.close();
        QSettings().setValue("Datenbank/Name", datei);
        SkriptInteraktion dialoge;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("^") + Datenbank::Beschaedigt));
        QVERIFY(!Programmstart::verbindeDatenbank());
        QCOMPARE(dialoge.arten(), QStringList{"warning"});

        erzeugeTabellen();
        SqlKundenStore kunden(nullptr);
        Kunde k;
        QVERIFY(!kunden.addKunde(k));
        QCOMPARE(kunden.letzterFehler().art, Speicherfehler::Gesperrt);
        Testumgebung::schliesseDatenbank();
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), vorher);
    }
};

BELEGWERK_TEST_MIT_SCHREIBER(TestGemeinsameDatenbank, speichere)
#include "tst_gemeinsamedatenbank.moc"
