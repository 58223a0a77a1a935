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
