#include "records/belegtypcode.h"

#include "records/codetabellen.h"

Belegtypcode Belegtypcodes::fuerArt(int auftragsart)
{
    return auftragsart == Auftragsart::Gutschrift ? Belegtypcode::Gutschrift : Belegtypcode::Rechnung;
}

int Belegtypcodes::code(Belegtypcode t)
{
    return int(t);
}
