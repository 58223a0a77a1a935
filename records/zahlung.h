#ifndef ZAHLUNG_H
#define ZAHLUNG_H

#include "records/betrag.h"

#include <QDate>
#include <QString>

class QDebug;

// One payment received against an invoice; an invoice may be paid in parts.
class Zahlung
{
public:
    int Nr = 0;       // database key; 0: not yet stored
    int Auftrag = 0;  // record number of the invoice
    QDate Datum;
    ::Betrag Betrag;
    int Art = -1;  // Zahlungsart; -1: not given
    QString Referenz;
};

// What is still owed on an invoice: its gross less the payments and the
// issued credit notes that refer to it.
struct Offenposten
{
    ::Betrag brutto;
    ::Betrag bezahlt;
    ::Betrag gutgeschrieben;
    ::Betrag offen() const { return brutto - bezahlt - gutgeschrieben; }
};

QDebug operator<<(QDebug dbg, const Zahlung& z);

#endif
