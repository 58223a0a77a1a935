#ifndef AUFTRAGSLINE_H
#define AUFTRAGSLINE_H

#include <QList>
#include <QString>

class QDebug;

// One line of an order. Preis is the price of the whole line
// (quantity times unit price).
class AuftragsLine
{
public:
    int Anzahl = 0;
    QString Produkt;
    QString ProduktNr;
    QString Komentar;
    double Preis = 0.0;
};

QDebug operator<<(QDebug dbg, const AuftragsLine& l);

#endif
