#ifndef PGSERVER_H
#define PGSERVER_H

#include <QString>
#include <QTemporaryDir>

// A PostgreSQL server of its own for tests and benchmarks: a new cluster in a temporary folder,
// reached only through its socket there, run as "postgres" when the caller is root; gone with the object.
class PgServer
{
public:
    // ssl: it also listens on 127.0.0.1 at port(), a free one, with SSL and a
    // self-signed certificate for 127.0.0.1 made for it (zertifikat()).
    explicit PgServer(bool ssl = false);
    ~PgServer();

    bool laeuft() const { return m_laeuft; }
    QString fehler() const { return m_fehler; }
    QString host() const { return m_dir.path(); }  // the folder of the server's socket
    int port() const { return m_port; }  // any number is free for a socket only
    QString zertifikat() const { return m_dir.filePath("server.crt"); }
    static QString benutzer() { return QStringLiteral("belegwerk"); }
    QString neueDatenbank();  // a new, empty database on the server; returns its name

private:
    bool starte(const QString& programm, const QStringList& argumente);

    QTemporaryDir m_dir;
    int m_port = 5432;
    int m_datenbanken = 0;
    bool m_laeuft = false;
    QString m_fehler;
};

#endif
