#include "tests/support/pgserver.h"

#include <QTcpServer>
#include <QtSql>

#include <pwd.h>
#include <unistd.h>

namespace {
const QString binDir = QStringLiteral("/usr/lib/postgresql/15/bin/");
}  // namespace

PgServer::PgServer(bool ssl) : m_dir(QStringLiteral("/tmp/belegwerk-pg-XXXXXX"))
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
    QString tcp = QStringLiteral("''");
    if (ssl) {
        QTcpServer frei;
        frei.listen(QHostAddress::LocalHost);
        m_port = frei.serverPort();
        // Made by the user the server runs as: it reads only a key of its own.
        const QString schluessel = m_dir.filePath("server.key");
        if (!starte("/usr/bin/openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes", "-days", "2",
                                         "-subj", "/CN=127.0.0.1", "-keyout", schluessel, "-out", zertifikat()})
            || !QFile::setPermissions(schluessel, QFile::ReadOwner | QFile::WriteOwner))
            return;
        tcp = "127.0.0.1 -c ssl=on -c ssl_cert_file=" + zertifikat() + " -c ssl_key_file=" + schluessel;
    }
    // As with MySQL's default, a backslash escapes in literals: the program's SQL must not depend on it.
    const QString optionen = QString("-p %1 -k %2 -c fsync=off -c max_connections=40 -c listen_addresses=%3 "
                                     "-c standard_conforming_strings=off -c escape_string_warning=off")
                                 .arg(QString::number(port()), m_dir.path(), tcp);
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
    const QString pfad = programm.startsWith('/') ? programm : binDir + programm;
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
    starte("createdb", {"-h", host(), "-p", QString::number(port()), "-U", benutzer(), name});
    return name;
}
