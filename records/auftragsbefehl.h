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
    Zahlungen
};

// Whether order a allows command b: an invoice is derived from an offer, a
// credit note from an invoice, XML only for the kinds an e-invoice exists for,
// the current customer only when the order names a stored one, and payments
// only for a stored invoice.
bool auftragsBefehlErlaubt(AuftragsBefehl b, const Auftrag& a);

#endif
