#ifndef DATENBANK_H
#define DATENBANK_H

#include "store/speicherfehler.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QVariantMap>

#include <functional>

class QDate;
class QDateTime;
class QSqlDatabase;
class QObject;
class QSqlError;
class QSqlQuery;

// What the SQL stores share about their connection: the driver's dialect,
// write transactions that wait for other programs, the refusal of every write
// on a damaged file, and the reason of a failure.
class Datenbank
{
    Q_DECLARE_TR_FUNCTIONS(Datenbank)

public:
    static bool istPostgres(const QSqlDatabase& db);
    static bool istSqlite(const QSqlDatabase& db);
    // The statement for the driver: every [Name] becomes the identifier quoted
    // by the driver (case kept, reserved words allowed); on PostgreSQL "like"
    // compares without case, as SQLite's does, and the column types are mapped.
    static QString sql(const QSqlDatabase& db, const QString& text);
    // Binds each of werte to the placeholder it is keyed by.
    static void binde(QSqlQuery& q, const QVariantMap& werte);
    // Prepares text for db with :nr bound to nr and runs it into q.
    static bool mitNummer(QSqlQuery& q, const QSqlDatabase& db, const QString& text, qint64 nr);
    // Whether a query that reads its rows once should be forward-only: on
    // PostgreSQL that fetches row by row, much slower than the whole result.
    static bool vorwaerts(const QSqlDatabase& db) { return !istPostgres(db); }
    // Runs schreibe in one write transaction and commits when it returns true.
    // On SQLite the write lock is taken at the start, so that the busy timeout
    // covers waiting for another program. f tells why it failed; a failed
    // begin or commit is logged with the operation's word was.
    // Inside another schreibe() on the same connection it runs in a savepoint
    // instead: a failure undoes only its own writes.
    // A lost connection is opened again and f tells Unterbrochen (nothing
    // written, trying again is safe); when the answer to the commit was lost,
    // gespeichert (when given) is asked on the new connection whether the
    // write arrived: true makes the result true, false Unterbrochen; without
    // it f tells Ungewiss.
    static bool schreibe(QSqlDatabase& db, Speicherfehler& f, const char* was,
                         const std::function<bool()>& schreibe,
                         const std::function<bool()>& gespeichert = {});
    // Runs einer(i) for i from 0 to anzahl-1 in one schreibe(), each in its own
    // savepoint; ok[i] tells which succeeded. weiter(done, anzahl) is asked now
    // and then; when it returns false, or the transaction fails, nothing is
    // written, every ok is false and the result is false.
    static bool stapel(QSqlDatabase& db, Speicherfehler& f, const char* was, qsizetype anzahl,
                       const std::function<bool(qsizetype)>& einer, QList<bool>& ok,
                       const std::function<bool(qint64, qint64)>& weiter);
    // Executes the read q; when the connection turns out lost (outside a write
    // transaction), opens it again and repeats q once on it. Whether q succeeded.
    static bool lies(QSqlDatabase& db, QSqlQuery& q);
    // The same; f tells why it failed, none when it succeeded.
    static bool lies(QSqlDatabase& db, QSqlQuery& q, Speicherfehler& f);
    // Waits, at most the statement bound, until the server session sitzung has ended.
    static void warteAufEnde(QSqlDatabase& db, const QVariant& sitzung);
    // Whether e meant a lost connection, outside a write transaction, that is
    // now open again (then the failed read may be repeated).
    static bool wiederVerbunden(QSqlDatabase& db, const QSqlError& e);
    // The failure for an error of the driver.
    static Speicherfehler fehler(const QSqlError& e);
    // What the stores' warnings say of a failure, for whoever reads the log.
    static constexpr char Beschaedigt[] = "database damaged";
    static constexpr char DochGespeichert[] = "stored after all";
    static constexpr char Unmoeglich[] = "impossible value";
    static constexpr char Geaendert[] = "changed elsewhere";

    // PostgreSQL: calls geaendert on the GUI thread whenever another
    // connection wrote tabelle (LISTEN/NOTIFY); nothing on other drivers.
    static void folge(QSqlDatabase& db, const QString& tabelle, QObject* empfaenger,
                      const std::function<void()>& geaendert);
    // Tells the other connections that tabelle changed, at the commit of the
    // running transaction.
    static void melde(QSqlDatabase& db, const QString& tabelle);

    // Checks the file of an SQLite database; the error found, empty when sound.
    static QString pruefe(QSqlDatabase& db);
    // Refuses every later write on db's connection, giving grund.
    static void sperre(QSqlDatabase& db, const QString& grund);
    static QString sperrgrund(const QSqlDatabase& db);

    // Values a database can hold and give back: finite amounts, dates in the
    // years 1 to 9999 (a null date is "none" and allowed).
    static bool gueltig(double betrag);
    static bool gueltig(const QDate& d);
    static bool gueltig(const QDateTime& d);

    // Customer and document numbers lie in 1 to GroessteNummer: the next
    // number is counted from these only and never overflows an int.
    static constexpr int GroessteNummer = 999999999;
    static bool nummerGueltig(qint64 nr) { return nr >= 1 && nr <= GroessteNummer; }
    // A numbering offset of the settings (unset means 0): its first number,
    // offset + 1, must be a valid number. Empty when valid, otherwise why it is
    // refused; offset receives the value when valid.
    static QString pruefeOffset(const QString& key, const QVariant& wert, int* offset = nullptr);
    // Widens a text column of an existing table to laenge characters where the
    // database enforces a smaller one (PostgreSQL); looks before it alters.
    static void erweitereSpalte(QSqlDatabase& db, const QString& tabelle, const QString& spalte,
                                int laenge);

    // Start-up changes the schema only where something is missing: on a shared
    // database each such statement waits for every workstation's open
    // transaction on the table and holds up their writes meanwhile.
    // Creates tabelle with spalten ("[Nr] integer primary key,...") if it is missing.
    static void erzeugeTabelle(QSqlDatabase& db, const QString& tabelle, const QString& spalten);
    // Adds the column spalte of typ to tabelle if it is missing.
    static void ergaenzeSpalte(QSqlDatabase& db, const QString& tabelle, const QString& spalte,
                               const QString& typ);
    // Runs anweisung (as given, for this database), which creates the index or
    // trigger name, if it is missing.
    static void erzeuge(QSqlDatabase& db, const QString& name, const QString& anweisung);
    // Runs a schema statement as given; a failure is logged.
    static bool aendereSchema(QSqlDatabase& db, const QString& anweisung);

private:
    // One attempt of schreibe(), without opening a lost connection again.
    static bool schreibeEinmal(QSqlDatabase& db, Speicherfehler& f, const char* was,
                               const std::function<bool()>& schreibe);
};

#endif
