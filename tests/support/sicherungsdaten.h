#ifndef SICHERUNGSDATEN_H
#define SICHERUNGSDATEN_H

#include "records/auftrag.h"

#include <QMap>
#include <QStringList>

class QSqlDatabase;

// Data for the tests of the database and of its backup, restore and transfer: a database of
// every kind of record, its rows for comparing, and backup files damaged on purpose.
namespace Sicherungsdaten {

// An order of typ with zeilen lines; its BestellNr tells how many lines belong to it.
Auftrag auftrag(int zeilen, int typ = 0);
// Customers, products, twelve orders of every kind, three of them issued and archived.
void fuelle();
// Every row of every table, in key order, as text (bytes as hex).
QMap<QString, QList<QStringList>> inhalt(const QSqlDatabase& db);
// Damages the backup file: "kippen" flips a byte of an archived document,
// "abschneiden" cuts it in half, "aendern" changes a value through SQLite,
// "fremd" drops the manifest, "text" writes a text file, "fehlt" removes it,
// "format1" turns it into a sound backup of the first format (rows hashed).
void beschaedige(const QString& datei, const QString& art);

}  // namespace Sicherungsdaten

#endif
