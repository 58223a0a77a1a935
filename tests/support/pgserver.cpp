#include "tests/support/pgserver.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

#include <pwd.h>
#include <unistd.h>

namespace {
const char* const Verwaltung = "pgserver-verwaltung";
}

const char* const PgServer::binDir = "/usr/lib/postgresql/15/bin";

bool PgServer::vorhanden()
{
    return QFile::exists(QString(binDir) + "/initdb") && QFile::exists(QString(binDir) + "/pg_ctl")
           && QSqlDatabase::isDriverAvailable("QPSQL");
}

PgServer::PgServer() : m_dir(QStringLiteral("/tmp/belegwerk-pg-XXXXXX"))
{
    if (!vorhanden() || !m_dir.isValid()) {
        m_fehler = "PostgreSQL binaries, the QPSQL driver or a temporary folder missing";
        return;
    }
    // The server refuses to run as root; its folder then belongs to postgres.
    if (::geteuid() == 0) {
        const passwd* pg = ::getpwnam("postgres");
        if (!pg || ::chown(qPrintable(m_dir.path()), pg->pw_uid, pg->pw_gid) != 0) {
            m_fehler = "no postgres system user to run the server";
            return;
        }
    }
    QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                            | QFile::ReadOther | QFile::ExeOther | QFile::ExeGroup
                                            | QFile::ReadGroup);
    // Only a socket in the server's own folder, so any port number is free.
    m_port = 5432;
    const QString daten = m_dir.filePath("data");
    if (!starte("initdb", {"-D", daten, "-A", "trust", "-U", benutzer(), "-E", "UTF8",
                           "--no-locale", "--no-sync"})
        || !starte("pg_ctl", {"-D", daten, "-l", m_dir.filePath("server.log"), "-w", "-o",
                              QString("-p %1 -k %2 -c listen_addresses='' -c fsync=off "
                                      "-c max_connections=40")
                                  .arg(m_port)
                                  .arg(m_dir.path()),
                              "start"}))
        return;
    m_laeuft = true;
    QSqlDatabase v = QSqlDatabase::addDatabase("QPSQL", Verwaltung);
    v.setHostName(host());
    v.setPort(m_port);
    v.setUserName(benutzer());
    v.setDatabaseName("postgres");
    if (!v.open())
        m_fehler = v.lastError().text();
}

PgServer::~PgServer()
{
    if (QSqlDatabase::contains(Verwaltung)) {
        QSqlDatabase::database(Verwaltung, false).close();
        QSqlDatabase::removeDatabase(Verwaltung);
    }
    if (m_laeuft)
        starte("pg_ctl", {"-D", m_dir.filePath("data"), "-m", "immediate", "-w", "stop"});
}

bool PgServer::starte(const QString& programm, const QStringList& argumente)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    const QString pfad = QString(binDir) + "/" + programm;
    if (::geteuid() == 0)
        p.start("runuser", QStringList{"-u", "postgres", "--", pfad} + argumente);
    else
        p.start(pfad, argumente);
    if (p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0)
        return true;
    m_fehler = programm + ": " + QString::fromLocal8Bit(p.readAll());
    return false;
}

QString PgServer::neueDatenbank()
{
    const QString name = QString("test%1").arg(++m_datenbanken);
    QSqlQuery q(QSqlDatabase::database(Verwaltung));
    if (!q.exec("create database " + name))
        m_fehler = q.lastError().text();
    return name;
}
