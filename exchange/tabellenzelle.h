#ifndef TABELLENZELLE_H
#define TABELLENZELLE_H

#include <QDateTime>
#include <QString>
#include <QVariant>

// How the spreadsheet writers see one data cell: a number, a date, a
// date-time or a text, decided by the type of the display value, so a text
// is always written as a text.
class TabellenZelle
{
public:
    enum Art { Text, Zahl, Datum, DatumZeit };

    // Classifies v by its type.
    static TabellenZelle aus(const QVariant& v);

    // "&", "<", ">" as entities; control characters, which XML cannot carry, as
    // blanks; U+FFFE, U+FFFF and lone surrogates, which XML forbids, dropped.
    static QString xmlEscape(const QString& s);
    // Column index from 0 as spreadsheet letters: 0 "A", 25 "Z", 26 "AA".
    static QString columnName(int k);
    // Days in the 1900 date system of spreadsheets (1 Jan 1900 is 1, 1 Mar 1900 is 61).
    static qint64 datumSerial(const QDate& d);
    // The time of day as the decimals of a fraction of a day, at least eight and
    // as many as reading it back to the second needs ("43750000" for 10:30).
    static QString zeitZiffern(const QTime& t);
    // A number as written into a file: the shortest text that reads back the same value.
    static QString zahlText(double value);

    // A date or date-time cell's value as "yyyy-MM-ddTHH:mm:ss" and as shown,
    // "dd.MM.yyyy" or "dd.MM.yyyy HH:mm:ss" (formatted directly: a QDateTime
    // format string costs more than the rest of the cell).
    QString isoText() const;
    QString anzeigeText() const;

    Art art = Text;
    QString text;  // the display text
    double zahl = 0;
    QDateTime zeit;
};

#endif
