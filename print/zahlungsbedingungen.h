#ifndef ZAHLUNGSBEDINGUNGEN_H
#define ZAHLUNGSBEDINGUNGEN_H

#include <QCoreApplication>
#include <QString>

// The payment terms printed on invoices, read from the settings at every
// call, with the defaults a French business-to-business invoice needs.
class Zahlungsbedingungen
{
    Q_DECLARE_TR_FUNCTIONS(Zahlungsbedingungen)

public:
    // "Rechnung/Zahlungsziel": days until payment is due, default 30.
    static int zahlungsziel();
    // "Rechnung/Mahntext": the late-payment terms; the default when unset.
    static QString mahntext();
    static QString standardMahntext();
};

#endif
