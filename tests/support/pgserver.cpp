#include "tests/support/pgserver.h"

#include <QtSql>

#include <pwd.h>
#include <unistd.h>

namespace {
const QString binDir = QStringLiteral("/usr/lib/postgresql/15/bin/");
}  // namespace

PgServer::PgServer() : m_dir(QStringLiteral("/tmp/belegwerk-pg-XXXXXX"))
{
    if (!QFile::exists(binDir + "initdb") || !QSqlDatabase::isDriverAvailable("QPSQL") || !m_dir.isValid()) {
        m_fehler = "PostgreSQL binaries, the QPSQL driver or a temporary folder missing";
        return;
    }
    // The server refuses to run as root; its folder then belongs to postgres.
    const passwd* pg = ::geteuid() == 0 ? ::getpwnam("postgres") : nullptr;
    if (::geteuid() == 0 && (!pg || ::chown(qPrintable(m_dir.path()), pg->pw_uid, pg->pw_gid) != 0)) {
        m_fehler = "no postgres system user to run the server";
        return;
    }
    const QString daten = m_dir.filePath("data");
    const QString optionen = QString("-p %1 -k %2 -c listen_addresses='' -c fsync=off -c max_connections=40")
                                 .arg(QString::number(port()), m_dir.path());
    m_laeuft = starte("initdb", {"-D", daten, "-A", "trust", "-U", benutzer(), "-E", "UTF8", "--no-locale",
                                 "--no-sync"})
               && starte("pg_ctl", {"-D", daten, "-l", m_dir.filePath("server.log"), "-w", "-o", optionen,
                                    "start"});
}

PgServer::~PgServer()
{
    if (m_laeuft)
        starte("pg_ctl", {"-D", m_dir.filePath("data"), "-m", "immediate", "-w", "stop"});
}

bool PgServer::starte(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    if (::geteuid() == 0)
        p.start("runuser", QStringList{"-u", "postgres", "--", binDir + programm} + argumente);
    else
        p.start(binDir + programm, argumente);
    if (p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return true;
    m_fehler = programm + ": " + QString::fromLocal8Bit(p.readAll());
    return false;
}

QString PgServer::neueDatenbank()
{
    const QString name = QString("test%1").arg(++m_datenbanken);
    starte("createdb", {"-h", host(), "-p", QString::number(port()), "-U", benutzer(), name});
    return name;
}
