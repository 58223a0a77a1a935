#ifndef PRODUKT_H
#define PRODUKT_H

#include <QList>
#include <QString>

// A catalogue product.
class Produkt
{
public:
    Produkt() = default;
    Produkt(const QString& nr, const QString& name, double preis);

    QString Nr;
    QString Name;
    double Preis = 0.0;
    QString Desc;
    int Typ = 1;  // ProduktTyp, 1 = goods
    // The VAT category and rate in percent a new line takes ("S" 20, "S" 5.5,
    // "Z" 0, "E" 0: exempt training); empty: the rate of the tax settings.
    QString Kategorie;
    double Satz = 0.0;
    QString Einheit;  // the unit a new line takes; empty: pieces
};

#endif
