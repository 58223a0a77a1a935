#ifndef BELEGTYPCODE_H
#define BELEGTYPCODE_H

// The document type codes of an e-invoice (UNTDID 1001), as written.
enum class Belegtypcode { Rechnung = 380, Gutschrift = 381 };

namespace Belegtypcodes {

// The code written for a document kind (Auftragsart): a credit note 381,
// every other kind 380.
Belegtypcode fuerArt(int auftragsart);
int code(Belegtypcode t);

}  // namespace Belegtypcodes

#endif
