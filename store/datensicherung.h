#ifndef DATENSICHERUNG_H
#define DATENSICHERUNG_H

#include <QCoreApplication>
#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

class QSqlDatabase;

// The whole database in one SQLite file: every table the database holds (an
// SQLite database as its file's bytes, PostgreSQL's tables column by column),
// the settings without the password, and a manifest (program version, date,
// rows per table, SHA-256 of the file). Either kind of database writes the
// same format and can take it back. Copying column by column also moves all
// data into an empty database of the other kind.
class Datensicherung
{
    Q_DECLARE_TR_FUNCTIONS(Datensicherung)

public:
    // What a backup file holds, as its manifest says and its content confirms.
    struct Inhalt
    {
        QString fehler;  // why the file is refused; empty for a sound backup
        QString format;  // of the file's layout and hash
        QString version;
        QDateTime erstellt;
        QString quelle;                // the driver of the database it was taken from
        QMap<QString, qint64> anzahl;  // rows per table
        QString sha256;
    };

    static const char* const Endung;  // ".belegwerk-sicherung"

    // The program's tables the database holds (every table but the database's
    // own), sorted: whatever the program of any version created.
    static QStringList tabellen(const QSqlDatabase& db);

    // Writes a backup of db into datei, consistent while other programs write.
    // The file appears under that name only when complete. Empty on success,
    // else the reason.
    static QString sichere(const QSqlDatabase& db, const QString& datei, Inhalt* inhalt = nullptr);
    // Checks a backup file (SQLite integrity, manifest, counts, hash) without changing it.
    static Inhalt pruefe(const QString& datei);
    // Replaces all data of db by the backup's in one step, after checking the
    // file and keeping the replaced data as the backup vorher. An SQLite file
    // no other program has open is swapped for the backup and db opened again
    // on it; otherwise the data is replaced in one transaction. Empty on
    // success, else the reason; on failure nothing has changed.
    static QString stelleWiederHer(const QSqlDatabase& db, const QString& datei,
                                   const QString& vorher);
    // Copies every table of von into nach, which holds no rows, keeping every
    // number; sequences of nach continue after them. Empty on success, else why.
    static QString uebertrage(const QSqlDatabase& von, const QSqlDatabase& nach);
};

#endif
