#ifndef AUFTRAGSKENNZAHLEN_H
#define AUFTRAGSKENNZAHLEN_H

#include "records/auftrag.h"

#include <QDate>
#include <QList>
#include <QString>

// What the statistics read of one order: its codes and sum, the day it was
// entered, the customer as stored with it, and its lines. A few fields instead
// of a whole order, so that years of orders are read quickly.
class AuftragsKennzahlen
{
public:
    int Nr = 0;
    int Typ = 0;
    int Zahlung = -1;
    int Status = 0;
    double Summe = 0.0;
    QDate Eingang;  // the day of the entry date-time
    bool Ausgestellt = false;  // the document is issued
    int KundenNr = 0;
    QString Firma;
    QString Name;
    QString PLZ;
    QString Ort;
    int KundenTyp = 0;
    // What decides the VAT, so the turnover is the document's net.
    int Dienst = Auftrag::Produkte;
    QString Land;
    QString Steuernummer;
    QList<AuftragsLine> Zeilen;  // Anzahl, ProduktNr, Produkt, Preis, Kategorie and Satz

    static AuftragsKennzahlen aus(const Auftrag& a);
    // The customer as stored with the order, as far as these fields hold it.
    ::Kunde kunde() const;
    // The order as far as these fields hold it: enough for its document's amounts.
    Auftrag auftrag() const;
};

#endif
