#ifndef DATENPRUEFUNG_H
#define DATENPRUEFUNG_H

#include <QCoreApplication>
#include <QStringList>

class QSqlDatabase;

// The health of a database: the file's integrity, document numbers without
// doubles within their numbering, and every issued document archived with
// the hash of its bytes.
class Datenpruefung
{
    Q_DECLARE_TR_FUNCTIONS(Datenpruefung)

public:
    struct Befund
    {
        QStringList geprueft;  // what was checked, one line each
        QStringList fehler;    // every fault found; empty when sound
    };

    static Befund pruefe(const QSqlDatabase& db);
};

#endif
