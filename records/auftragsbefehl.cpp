#include "records/auftragsbefehl.h"

#include "records/codetabellen.h"

bool auftragsBefehlErlaubt(AuftragsBefehl b, const Auftrag& a, const QDate& heute)
{
    switch (b) {
    case AuftragsBefehl::KundeAnzeigen:
        return a.Kunde.Nr >= 1;
    case AuftragsBefehl::Xml:
        return a.Typ == Auftragsart::Rechnung || a.Typ == Auftragsart::Gutschrift;
    case AuftragsBefehl::RechnungAusAngebot:
        return a.Typ == Auftragsart::Angebot;
    case AuftragsBefehl::GutschriftAusRechnung:
        return a.Typ == Auftragsart::Rechnung;
    case AuftragsBefehl::Zahlungen:
        return a.Typ == Auftragsart::Rechnung && a.Nr > 0;
    case AuftragsBefehl::Mahnung:
        return a.Typ == Auftragsart::Rechnung && a.Nr > 0 && a.Ausgestellt.isValid()
               && a.Status != AuftragsStatus::Bezahlt && a.Status != AuftragsStatus::Storniert
               && a.Status >= 0 && a.Faellig.isValid() && a.Faellig < heute;
    default:
        return true;
    }
}
