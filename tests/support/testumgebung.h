#ifndef TESTUMGEBUNG_H
#define TESTUMGEBUNG_H

#include <QSettings>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class PgServer;
class QProcess;
class SqlAuftragsStore;

// A private world for one test (data folder, settings, HOME, database), made after the
// application object. With BELEGWERK_TEST_DB=QPSQL the databases live on a PostgreSQL server of its own.
class Testumgebung
{
public:
    Testumgebung();
    ~Testumgebung();

    QString pfad(const QString& name) const { return m_dir.filePath(name); }  // inside the temporary folder
    // Replaces the default connection by a new, empty database; returns its name (SQLite: the path).
    QString neueDatenbank();
    static bool postgres() { return qgetenv("BELEGWERK_TEST_DB") == "QPSQL"; }
    // Writes the current database into the settings, for openDatabase() in this or another process.
    void schreibeVerbindung() const;
    // Closes and removes the default connection, with alle every other one too.
    static void schliesseDatenbank(bool alle = false);
    // Each row of a query: its values joined by blanks.
    static QStringList abfrage(const QString& sql, const QSqlDatabase& db = QSqlDatabase::database());
    void leereEinstellungen() { QSettings().clear(); }

    // Writers at once: the test program started again as a second program that stores n
    // documents into the database of schreibeVerbindung() and exits with the number of failures.
    void starteSchreiber(QProcess& p, int n) const;
    // In main(): that exit code when this program is such a writer, else -1.
    static int alsSchreiber(int argc, char* argv[], int (*speichere)(SqlAuftragsStore& store, int n));
    // Repeats a write while another program holds the database: 0 when it got through, else 1.
    static int wiederholt(const SqlAuftragsStore& store, const std::function<bool()>& schreibe);

private:
    QTemporaryDir m_dir;
    int m_datenbanken = 0;
    QString m_name;
    std::unique_ptr<PgServer> m_pg;
};

// main() of a test whose program also serves as its second writer (starteSchreiber()).
#define BELEGWERK_TEST_MIT_SCHREIBER(Testklasse, speichere)                              \
    int main(int argc, char* argv[])                                                    \
    {                                                                                   \
        if (const int schreiber = Testumgebung::alsSchreiber(argc, argv, speichere); schreiber >= 0) \
            return schreiber;                                                           \
        QApplication app(argc, argv);                                                   \
        Testklasse test;                                                                \
        QTEST_SET_MAIN_SOURCE_PATH                                                      \
        return QTest::qExec(&test, argc, argv);                                         \
    }

#endif
