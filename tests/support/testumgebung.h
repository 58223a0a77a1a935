#ifndef TESTUMGEBUNG_H
#define TESTUMGEBUNG_H

#include <QString>
#include <QTemporaryDir>

#include <memory>

class PgServer;

// A private world for one test (data folder, settings, HOME, database), made after the
// application object. With BELEGWERK_TEST_DB=QPSQL the databases live on a PostgreSQL server of its own.
class Testumgebung
{
public:
    Testumgebung();
    ~Testumgebung();

    QString pfad(const QString& name) const;  // a path inside the temporary folder
    // Replaces the default connection by a new, empty database; returns its name (SQLite: the path).
    QString neueDatenbank();
    static bool postgres() { return qgetenv("BELEGWERK_TEST_DB") == "QPSQL"; }
    // Writes the current database into the settings, for openDatabase() in this or another process.
    void schreibeVerbindung() const;
    static void schliesseDatenbank();  // closes and removes the default connection
    void leereEinstellungen();

private:
    QTemporaryDir m_dir;
    int m_datenbanken = 0;
    QString m_name;
    std::unique_ptr<PgServer> m_pg;
};

#endif
