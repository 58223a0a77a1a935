#ifndef AUFTRAGSBEFEHL_H
#define AUFTRAGSBEFEHL_H

#include "records/auftrag.h"

// The commands a user can give for one order, in menu order, and which of
// them an order allows. The order lists and the main window share this rule.
enum class AuftragsBefehl {
    Anzeigen,
    KundeAnzeigen,
    Vorschau,
    Drucken,
    Pdf,
    Xml,
    Email,
    RechnungAusAngebot,
    GutschriftAusRechnung,
    Kundendaten,
    Zahlungen,
    Mahnung
};

// Whether order a allows command b: an invoice is derived from an offer, a
// credit note from an invoice, XML only for the kinds an e-invoice exists for,
// the current customer only when the order names a stored one, payments
// only for a stored invoice, and a reminder only for an issued invoice that is
// neither paid nor cancelled and whose due date has passed by heute.
bool auftragsBefehlErlaubt(AuftragsBefehl b, const Auftrag& a,
                           const QDate& heute = QDate::currentDate());

#endif
