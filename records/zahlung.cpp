#include "records/zahlung.h"

#include <QDebug>

QDebug operator<<(QDebug dbg, const Zahlung& z)
{
    QDebugStateSaver saver(dbg);
    dbg.nospace() << "Zahlung(" << z.Nr << ", Auftrag " << z.Auftrag << ", "
                  << z.Datum.toString(Qt::ISODate) << ", " << z.Betrag.zahl() << ", " << z.Art << ", "
                  << z.Referenz << ")";
    return dbg;
}
