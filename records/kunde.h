#ifndef KUNDE_H
#define KUNDE_H

#include <QDate>
#include <QList>
#include <QString>

class QDebug;

// A customer. A value type: copied freely, filled and written by the stores.
class Kunde
{
public:
    int Nr = 0;  // 0: not yet stored
    QString Firma;
    QString Name;
    QString Strasse;
    QString Ort;
    QString Tel;
    QString Tel2;
    QString Fax;  // the third telephone number
    QString Email;
    QString PLZ;
    QString Land;
    QString Bemerkung;
    QString IBAN;
    QString BIC;
    QString Steuernummer;  // the VAT id
    QString Siren;         // French company register number (9 digits)
    // The electronic invoicing address; empty: the SIREN serves.
    QString EAdresse;
    // A German public buyer's routing id; non-empty: it receives XRechnung.
    QString LeitwegId;
    // A second address new orders are delivered to, its lines separated by line
    // breaks; empty: the billing address.
    QString Lieferanschrift;
    int Typ = 0;  // KundenTyp
    QDate Seit;
};

QDebug operator<<(QDebug dbg, const Kunde& k);

#endif
