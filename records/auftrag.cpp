#include "records/auftrag.h"

#include <QDebug>

QDebug operator<<(QDebug dbg, const Auftrag& a)
{
    QDebugStateSaver saver(dbg);
    dbg.setAutoInsertSpaces(true);
    dbg << "(" << a.Nr << a.Kunde << a.Eingang << a.Lieferung << a.Zeilen.size() << ")";
    return dbg;
}

QString Auftrag::belegNummer() const
{
    if (!BelegNr.isEmpty())
        return BelegNr;
    return AuftragsNr > 0 ? QString::number(AuftragsNr) : QString();
}

Auftrag::Leistungsart Auftrag::leistungsart() const
{
    if (Dienst == Schulung)
        return Leistungsart::Dienste;
    bool waren = false, dienste = false;
    for (const AuftragsLine& l : Zeilen)
        (l.istLeistung() ? dienste : waren) = true;
    return dienste ? (waren ? Leistungsart::Beides : Leistungsart::Dienste) : Leistungsart::Waren;
}
