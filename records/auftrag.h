#ifndef AUFTRAG_H
#define AUFTRAG_H

#include "records/auftragsline.h"
#include "records/kunde.h"
#include "records/zahlung.h"

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
    // What a document bills, as French invoices and e-invoices must say.
    enum class Leistungsart { Waren, Dienste, Beides };

    int Nr = 0;        // database key; 0: not yet stored
    int Typ = 0;       // Auftragsart
    int Zahlung = -1;  // Zahlungsart; -1: none chosen
    int Dienst = Produkte;
    ::Kunde Kunde;  // snapshot of the customer when the order was saved
    QDateTime Eingang;
    QDateTime Lieferung;
    QDateTime Druck;
    QList<AuftragsLine> Zeilen;
    // Payments received, carried only where the whole order moves (the XML
    // exchange); a new order is stored with them. Otherwise empty: ask the store.
    QList<::Zahlung> Zahlungen;
    // The customer's purchase-order reference ("PO-4711"); empty: none.
    QString BestellNr;
    int Status = 0;      // AuftragsStatus
    int AuftragsNr = 0;  // document number, assigned on first save
    double Summe = 0.0;
    QString Komentar;
    // Where the goods go, its lines separated by line breaks; empty: the
    // billing address.
    QString Lieferanschrift;
    // The document number as printed and in the e-invoice: the prefix of its
    // series and AuftragsNr, fixed when the order is first stored.
    QString BelegNr;
    QDateTime Ausgestellt;  // null until the document is issued; then it is final
    QDate Faellig;          // due date, fixed at issue
    int Mahnstufe = 0;      // the last reminder's level, 1 to 3; 0: never reminded
    QDate Gemahnt;          // the last reminder's date; null: never reminded
    int Bezug = 0;          // a credit note: record number of the invoice it corrects
    // Read with the order, not stored: number and date of the invoice Bezug names.
    QString BezugBelegNr;
    QDate BezugDatum;

    // The number to print: BelegNr, or for an order stored before numbers had
    // prefixes its AuftragsNr; empty while the order has none.
    QString belegNummer() const;
    // Training is a service; a goods order bills services on its lines
    // with a time or flat-fee unit.
    Leistungsart leistungsart() const;
};

QDebug operator<<(QDebug dbg, const Auftrag& a);

#endif
