#ifndef SPEICHERFEHLER_H
#define SPEICHERFEHLER_H

#include <QString>

// Why the last operation of a store failed, so that the window can tell the
// user and offer what helps (trying again, reloading).
struct Speicherfehler
{
    enum Art {
        Keiner,          // the operation succeeded
        Belegt,          // another program holds the database; trying again may help
        Geaendert,       // the record was changed or deleted elsewhere since it was read
        Ungueltig,       // a value the database cannot hold (text says which)
        Gesperrt,        // the database file is damaged; nothing is written
        Fehlgeschlagen,  // any other failure of the database (text is its message)
        Zeitueberschreitung,  // the server did not answer within the bound; trying again may help
        Unterbrochen,    // the connection was lost, nothing written; it is open again when it could be
        Ungewiss,        // the connection was lost at the commit: whether it was stored is unknown
    };
    Art art = Keiner;
    QString text;
};

#endif
