#ifndef UMSATZREGEL_H
#define UMSATZREGEL_H

#include "records/auftragskennzahlen.h"

// How an order counts in the statistics, in plain functions the dialogs and
// tests share. With every kind shown, turnover is what was invoiced: issued
// invoices add, issued credit notes subtract, offers, delivery notes and
// drafts do not count. A kind chosen in the filter shows all its orders, a
// credit note still subtracting.
namespace Umsatzregel {

// Issued: an issue time, or for an order stored before documents were issued,
// a status from "Gedruckt" to "Fertig".
bool ausgestellt(const AuftragsKennzahlen& a);
// +1, -1 or 0 (not counted) for a under the kind filter's entry artIndex
// (0: every kind, i: Auftragsart i - 1).
int gewicht(const AuftragsKennzahlen& a, int artIndex);

}  // namespace Umsatzregel

#endif
