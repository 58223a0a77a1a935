#ifndef AUFTRAG_H
#define AUFTRAG_H

#include "records/auftragsline.h"
#include "records/kunde.h"

#include <QDateTime>
#include <QList>
#include <QString>

class QDebug;

// An order or commercial document: invoice, delivery note, credit note or offer.
// Carries full copies of its customer and its lines.
class Auftrag
{
public:
    enum dienstTyp { Schulung = 0, Produkte = 1 };

    int Nr = 0;        // database key; 0: not yet stored
    int Typ = 0;       // Auftragsart
    int Zahlung = -1;  // Zahlungsart; -1: none chosen
    int Dienst = Produkte;
    ::Kunde Kunde;  // snapshot of the customer when the order was saved
    QDateTime Eingang;
    QDateTime Lieferung;
    QDateTime Druck;
    QList<AuftragsLine> Zeilen;
    int BestellNr = 0;
    int Status = 0;      // AuftragsStatus
    int AuftragsNr = 0;  // document number, assigned on first save
    double Summe = 0.0;
    QString Komentar;
};

QDebug operator<<(QDebug dbg, const Auftrag& a);

#endif
