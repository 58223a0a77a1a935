#ifndef CIIRECHNUNG_H
#define CIIRECHNUNG_H

#include "records/betrag.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>

// One invoice or credit note as Cross Industry Invoice XML of the EN 16931
// profile: the data the XML needs, every amount a Betrag, and the writer.
// It computes nothing: amounts and totals come filled in, so the XML says
// exactly what the printed page says.
class CiiRechnung
{
public:
    struct Partei {
        QString name;
        QString strasse;
        QString plz;
        QString ort;
        QString land;   // ISO 3166-1 alpha-2
        QString ustId;  // VAT number; left out when empty
        QString steuerNr;  // tax number, written only without VAT number
        QString siren;  // legal registration (SIREN or SIRET); left out when empty
    };
    struct Position {
        QString produktNr;
        QString name;
        QString beschreibung;
        qint64 menge = 0;
        Betrag netto;  // line net amount
        QString kategorie;  // VAT category code: S, Z, E, AE, K, G, O
        double prozent = 0.0;
    };
    struct Steuer {
        QString kategorie;
        double prozent = 0.0;
        Betrag basis;
        Betrag betrag;
        QString grund;      // exemption reason (E, AE, K, G, O)
        QString grundCode;  // VATEX code, may stay empty
    };
    // UNTDID 4461 payment means: 10 cash, 20 cheque, 54 credit card,
    // 55 debit card, 58 SEPA credit transfer, 59 SEPA direct debit; 0 none.
    enum Zahlungsmittel { KeinZahlungsmittel = 0, Bar = 10, Scheck = 20, Kreditkarte = 54,
                          Debitkarte = 55, Ueberweisung = 58, Lastschrift = 59 };

    QString nummer;
    int typCode = 380;  // 380 invoice, 381 credit note
    QDate datum;
    QString bestellNr;  // the buyer's order reference; left out when empty
    Partei verkaeufer;
    Partei kaeufer;
    bool lieferort = false;  // the buyer's address as deliver-to address
    QDate lieferDatum;       // left out when null
    QList<Position> positionen;
    QList<Steuer> steuern;
    Betrag netto;    // sum of the line net amounts = tax basis
    Betrag steuer;   // tax total
    Betrag brutto;   // grand total
    Betrag bezahlt;  // paid in advance
    int zahlungsmittel = KeinZahlungsmittel;
    QString iban;         // the seller's account (transfer) or the buyer's (direct debit)
    QString bic;
    QDate faellig;        // left out when null
    QString zahlungsText; // payment terms as printed, may stay empty
    QString bezugNr;      // a credit note: the invoice it corrects; left out when empty
    QDate bezugDatum;     // and that invoice's date; left out when null

    QByteArray xml() const;
};

#endif
