#include "records/auftragsline.h"

#include <QDebug>
#include <QStringList>

QDebug operator<<(QDebug dbg, const AuftragsLine& l)
{
    QDebugStateSaver saver(dbg);
    dbg.setAutoInsertSpaces(true);
    dbg << "(" << l.Anzahl << l.Produkt << "(" << l.ProduktNr << ")" << l.Preis << ")";
    return dbg;
}

bool AuftragsLine::istLeistung() const
{
    static const QStringList leistungen = {"stunde", "stunden", "std", "h", "heure", "heures", "tag", "tage",
                                           "jour", "jours", "pauschal", "forfait"};
    return leistungen.contains(Einheit.trimmed().toLower());
}
