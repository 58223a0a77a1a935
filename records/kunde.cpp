#include "records/kunde.h"

#include <QDebug>

QDebug operator<<(QDebug dbg, const Kunde& k)
{
    QDebugStateSaver saver(dbg);
    dbg.setAutoInsertSpaces(true);
    dbg << "(" << k.Nr << k.Name << k.Strasse << k.Ort << k.Tel << k.Email << k.Typ
                << k.Firma << k.PLZ << ")";
    return dbg;
}
