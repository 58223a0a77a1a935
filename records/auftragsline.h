#ifndef AUFTRAGSLINE_H
#define AUFTRAGSLINE_H

#include <QList>
#include <QString>

class QDebug;

// One line of an order. Preis is the price of the whole line
// (quantity times unit price), with its own VAT category and rate.
class AuftragsLine
{
public:
    double Anzahl = 0;  // up to three decimals (1.5 days, 3.25 kg)
    QString Produkt;
    QString ProduktNr;
    QString Komentar;
    double Preis = 0.0;
    // The code of the line's Steuerkategorie ("S", "AE"); empty for lines
    // stored before lines had one: they read as the tax settings say.
    // Initialised, so lists of the first five fields stay complete initialisers.
    QString Kategorie = QString();
    double Satz = 0.0;  // the rate in percent (20, 5.5)
    // The unit of Anzahl as typed ("Stück", "heure", "kg"); empty: pieces.
    QString Einheit = QString();

    // The UN/ECE Rec 20 code of Einheit; pieces (C62) for no or an unknown unit.
    QString einheitCode() const;
    // Whether the line bills a service rather than goods: its unit is time or
    // a flat fee.
    bool istLeistung() const;
};

QDebug operator<<(QDebug dbg, const AuftragsLine& l);

#endif
