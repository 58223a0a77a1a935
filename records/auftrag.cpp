#include "records/auftrag.h"

#include <QDebug>

QDebug operator<<(QDebug dbg, const Auftrag& a)
{
    QDebugStateSaver saver(dbg);
    dbg.setAutoInsertSpaces(true);
    dbg << "(" << a.Nr << a.Kunde << a.Eingang << a.Lieferung << a.Zeilen.size() << ")";
    return dbg;
}
