#ifndef CIIRECHNUNG_H
#define CIIRECHNUNG_H

#include "records/belegtypcode.h"
#include "records/betrag.h"
#include "records/steuerkategorie.h"

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
        QString kennung;  // seller identifier without scheme (BT-29); left out when empty
        QString name;
        QString strasse;
        QString plz;
        QString ort;
        QString land;   // ISO 3166-1 alpha-2
        QString ustId;  // VAT number; left out when empty
        QString steuerNr;  // tax number, written only without VAT number
        QString siren;  // legal registration (SIREN or SIRET); left out when empty
        QString eAdresse;  // electronic address; left out when empty
        QString eSchema;   // its scheme (ISO 6523 / EAS code: 0225, 0204, EM)
        QString kontakt;   // contact person, phone, e-mail; the group left out when all empty
        QString telefon;
        QString email;
    };
    struct Position {
        QString produktNr;
        QString name;
        QString beschreibung;
        double menge = 0.0;
        QString einheit = QStringLiteral("C62");  // UN/ECE Rec 20 unit code
        Betrag netto;  // line net amount
        Steuerkategorie kategorie = Steuerkategorie::Normalsatz;
        double prozent = 0.0;
    };
    struct Steuer {
        Steuerkategorie kategorie = Steuerkategorie::Normalsatz;
        double prozent = 0.0;
        Betrag basis;
        Betrag betrag;
        QString grund;      // exemption reason (E, AE, K, G, O)
        QString grundCode;  // VATEX code, may stay empty
        QString faelligCode;  // when the VAT is due (UNTDID 2475: 5 invoice date); may stay empty
    };
    struct Notiz {
        QString text;
        QString code;  // subject code (UNTDID 4451: PMT, PMD, AAB); may stay empty
    };
    // UNTDID 4461 payment means: 10 cash, 20 cheque, 54 credit card,
    // 55 debit card, 58 SEPA credit transfer, 59 SEPA direct debit, 1 not
    // defined (a card whose number the invoice cannot name); 0 none.
    enum Zahlungsmittel { KeinZahlungsmittel = 0, Unbestimmt = 1, Bar = 10, Scheck = 20, Kreditkarte = 54,
                          Debitkarte = 55, Ueberweisung = 58, Lastschrift = 59 };

    // The standard the invoice follows (BT-24): EN 16931, or XRechnung on top of it.
    QString spezifikation = QStringLiteral("urn:cen.eu:en16931:2017");
    QString prozess;  // business process (BT-23); left out when empty
    QList<Notiz> notizen;
    QString kaeuferReferenz;  // buyer reference (BT-10, Leitweg-ID); left out when empty
    QString nummer;
    Belegtypcode typCode = Belegtypcode::Rechnung;
    QDate datum;
    QString bestellNr;  // the buyer's order reference; left out when empty
    Partei verkaeufer;
    Partei kaeufer;
    bool lieferort = false;  // a deliver-to address: lieferAn, or the buyer's when it has no country
    Partei lieferAn;
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
    QString zahlungsInfo;  // payment means text; left out when empty
    QString glaeubigerId;  // the seller's SEPA creditor id (direct debit)
    QDate faellig;        // left out when null
    QString zahlungsText; // payment terms as printed, may stay empty
    QString bezugNr;      // a credit note: the invoice it corrects; left out when empty
    QDate bezugDatum;     // and that invoice's date; left out when null

    QByteArray xml() const;

    // The quantity as written: at most four decimals, no trailing zeros.
    static QString mengeText(double menge);
    static const char* xrechnung();  // BT-24 of XRechnung 3.0
};

#endif
