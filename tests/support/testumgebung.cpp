#include "tests/support/testumgebung.h"

#include "app/programmstart.h"
#include "store/sqlauftragsstore.h"
#include "tests/support/pgserver.h"

#include <QCoreApplication>
#include <QProcess>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStandardPaths>
#include <QTest>

Testumgebung::Testumgebung()
{
    Q_ASSERT(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    // Test mode keeps the standard folders under the home folder, so move that too.
    using Ordner = std::pair<const char*, QString>;
    for (const auto& [name, ordner] : {Ordner{"HOME", m_dir.path()}, {"TMPDIR", m_dir.path()},
                                       {"XDG_DATA_HOME", pfad("data")}, {"XDG_CONFIG_HOME", pfad("config")},
                                       {"XDG_CACHE_HOME", pfad("cache")}})
        qputenv(name, ordner.toUtf8());
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");  // no test reaches the desktop's secret store
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, pfad("settings"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, pfad("settings"));
    Programmstart::benenneAnwendung();
    leereEinstellungen();
}

Testumgebung::~Testumgebung()
{
    schliesseDatenbank(true);  // before the server ends
}

QString Testumgebung::neueDatenbank()
{
    schliesseDatenbank();
    QSqlDatabase db = QSqlDatabase::addDatabase(postgres() ? "QPSQL" : "QSQLITE");
    if (postgres()) {
        if (!m_pg)
            m_pg = std::make_unique<PgServer>();
        if (!m_pg->laeuft()) {
            QTest::qFail(qPrintable("the PostgreSQL server of the test did not start: " + m_pg->fehler()),
                         __FILE__, __LINE__);
            return m_name;
        }
        m_name = m_pg->neueDatenbank();
        db.setHostName(m_pg->host());
        db.setPort(m_pg->port());
        db.setUserName(PgServer::benutzer());
    } else {
        m_name = pfad(QString("test%1.db").arg(++m_datenbanken));
    }
    db.setDatabaseName(m_name);
    if (!db.open() && postgres())
        QTest::qFail(qPrintable("no connection to the test's PostgreSQL server: " + m_pg->fehler()), __FILE__,
                     __LINE__);
    return m_name;
}

void Testumgebung::schreibeVerbindung() const
{
    QSettings s;
    s.setValue("Datenbank/Treiber", postgres() ? "QPSQL" : "QSQLITE");
    s.setValue("Datenbank/Name", m_name);
    if (m_pg) {
        s.setValue("Datenbank/Host", m_pg->host());
        s.setValue("Datenbank/Port", m_pg->port());
        s.setValue("Datenbank/User", PgServer::benutzer());
    }
    s.sync();
}

void Testumgebung::schliesseDatenbank(bool alle)
{
    for (const QString& name : QSqlDatabase::connectionNames()) {
        if (alle || name == QSqlDatabase::defaultConnection) {
            QSqlDatabase::database(name, false).close();
            QSqlDatabase::removeDatabase(name);
        }
    }
}

QStringList Testumgebung::abfrage(const QString& sql, const QSqlDatabase& db)
{
    QStringList zeilen;
    for (QSqlQuery q(sql, db); q.next();) {
        QStringList werte;
        for (int i = 0; i < q.record().count(); ++i)
            werte << q.value(i).toString();
        zeilen << werte.join(' ');
    }
    return zeilen;
}

void Testumgebung::starteSchreiber(QProcess& p, int n) const
{
    schreibeVerbindung();
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    p.start(QCoreApplication::applicationFilePath(), {"--schreibe", pfad("settings"), QString::number(n)});
}

int Testumgebung::alsSchreiber(int argc, char* argv[], int (*speichere)(SqlAuftragsStore& store, int n))
{
    if (argc != 4 || QByteArray(argv[1]) != "--schreibe")
        return -1;
    QCoreApplication app(argc, argv);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromLocal8Bit(argv[2]));
    Programmstart::benenneAnwendung();
    if (!Programmstart::openDatabase())
        return 100;
    SqlAuftragsStore store(nullptr);
    return std::min(speichere(store, QByteArray(argv[3]).toInt()), 99);
}

int Testumgebung::wiederholt(const SqlAuftragsStore& store, const std::function<bool()>& schreibe)
{
    for (int versuche = 0; !schreibe() && store.letzterFehler().art == Speicherfehler::Belegt && ++versuche < 50;) {
    }
    return store.letzterFehler().art == Speicherfehler::Keiner ? 0 : 1;
}
