#include "stats/umsatzregel.h"

#include "records/codetabellen.h"

bool Umsatzregel::ausgestellt(const AuftragsKennzahlen& a)
{
    return a.Ausgestellt || (a.Status >= AuftragsStatus::Gedruckt && a.Status <= AuftragsStatus::Fertig);
}

int Umsatzregel::gewicht(const AuftragsKennzahlen& a, int artIndex)
{
    const int vorzeichen = a.Typ == Auftragsart::Gutschrift ? -1 : 1;
    if (artIndex >= 1)
        return a.Typ == artIndex - 1 ? vorzeichen : 0;
    if (a.Typ != Auftragsart::Rechnung && a.Typ != Auftragsart::Gutschrift)
        return 0;
    return ausgestellt(a) ? vorzeichen : 0;
}
