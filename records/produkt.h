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
};

#endif
