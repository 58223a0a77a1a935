#include "records/auftragsline.h"

#include <QDebug>

QDebug operator<<(QDebug dbg, const AuftragsLine& l)
{
    QDebugStateSaver saver(dbg);
    dbg.setAutoInsertSpaces(true);
    dbg << "(" << l.Anzahl << l.Produkt << "(" << l.ProduktNr << ")" << l.Preis << ")";
    return dbg;
}
