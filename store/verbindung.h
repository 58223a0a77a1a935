#ifndef VERBINDUNG_H
#define VERBINDUNG_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QSettings;
class QSqlDatabase;
class QSqlError;

// The settings of the one database connection and what the program checks
// before it uses them: the drivers it supports, a database file that is the
// user's own, and the bounds in time and the encryption of a shared database.
class Verbindung
{
    Q_DECLARE_TR_FUNCTIONS(Verbindung)

public:
    // The drivers the program is written and tested for; no other is loaded.
    static QStringList treiber();
    // The SSL modes offered for a shared database, safest last.
    static QStringList sslModi();
    // Why the program does not use this database, empty when it may: a driver it
    // does not support, or an SQLite file of another user or writable by group or others.
    static QString pruefe(const QString& treiber, const QString& name);
    // Sets db's connect options from the settings s. PostgreSQL: bounds for
    // connecting, noticing a dead peer, each statement, each lock wait and a
    // transaction left idle; the SSL mode and CA file.
    static void richteEin(QSqlDatabase& db, const QSettings& s);
    // Whether the failure e of db means the connection itself is gone (not
    // just the statement refused): then it tries a round trip to be sure.
    static bool verloren(QSqlDatabase& db, const QSqlError& e);
    // Closes and opens db again, with the notifications it had subscribed to;
    // true when it is open again.
    static bool oeffneNeu(QSqlDatabase& db);
    // For the user, where opening db failed with e because the server's
    // certificate was not vouched for: which CA file and host it was checked
    // against (settings s). Empty for every other failure.
    static QString zertifikatAbgelehnt(const QSqlDatabase& db, const QSqlError& e, const QSettings& s);
    // Whether e is a statement or lock wait that ran out of its time bound.
    static bool zeitUeberschritten(const QSqlError& e);
};

#endif
