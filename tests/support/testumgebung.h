#ifndef TESTUMGEBUNG_H
#define TESTUMGEBUNG_H

#include <QString>
#include <QTemporaryDir>

// A private world for one test: its own data folder, settings store and
// database file, so no test touches the user's files. Create one in
// initTestCase() (or per test) after the application object exists.
class Testumgebung
{
public:
    Testumgebung();
    ~Testumgebung();

    QString pfad(const QString& name) const;  // a path inside the temporary folder
    // Replaces the default connection by a new, empty SQLite file; returns its path.
    QString neueDatenbank();
    // Closes and removes the default connection.
    static void schliesseDatenbank();
    // Empties the settings store.
    void leereEinstellungen();

private:
    QTemporaryDir m_dir;
    int m_datenbanken = 0;
};

#endif
