#ifndef TESTUMGEBUNG_H
#define TESTUMGEBUNG_H

#include <QString>
#include <QTemporaryDir>

#include <memory>

class PgServer;

// A private world for one test: its own data folder, settings store and
// database file, so no test touches the user's files. Create one in
// initTestCase() (or per test) after the application object exists.
// With BELEGWERK_TEST_DB=QPSQL in the environment the databases are made on a
// PostgreSQL server of the test's own instead of SQLite files.
class Testumgebung
{
public:
    Testumgebung();
    ~Testumgebung();

    QString pfad(const QString& name) const;  // a path inside the temporary folder
    // Replaces the default connection by a new, empty database; returns its
    // name (for SQLite the file's path).
    QString neueDatenbank();
    static bool postgres();  // the databases are made on PostgreSQL
    // Writes the current database into the "Datenbank" settings, so that
    // Programmstart::openDatabase() opens it, in this or another process.
    void schreibeVerbindung() const;
    // Closes and removes the default connection.
    static void schliesseDatenbank();
    // Empties the settings store.
    void leereEinstellungen();

private:
    QTemporaryDir m_dir;
    int m_datenbanken = 0;
    QString m_name;
    std::unique_ptr<PgServer> m_pg;
};

#endif
