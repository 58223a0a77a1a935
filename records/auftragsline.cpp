#include "records/auftragsline.h"

#include <QDebug>
#include <QHash>

QDebug operator<<(QDebug dbg, const AuftragsLine& l)
{
    QDebugStateSaver saver(dbg);
    dbg.setAutoInsertSpaces(true);
    dbg << "(" << l.Anzahl << l.Produkt << "(" << l.ProduktNr << ")" << l.Preis << ")";
    return dbg;
}

QString AuftragsLine::einheitCode() const
{
    // The units the line entry offers, in each language of the interface.
    static const QHash<QString, QString> codes{
        {"stunde", "HUR"}, {"stunden", "HUR"}, {"std", "HUR"}, {"h", "HUR"}, {"heure", "HUR"},
        {"heures", "HUR"}, {"hour", "HUR"}, {"hours", "HUR"}, {"tag", "DAY"}, {"tage", "DAY"},
        {"jour", "DAY"}, {"jours", "DAY"}, {"day", "DAY"}, {"days", "DAY"}, {"kg", "KGM"},
        {"m", "MTR"}, {"pauschal", "LS"}, {"pauschale", "LS"}, {"forfait", "LS"}, {"flat rate", "LS"}};
    return codes.value(Einheit.trimmed().toLower().remove('.'), QStringLiteral("C62"));
}

bool AuftragsLine::istLeistung() const
{
    const QString code = einheitCode();
    return code == QLatin1String("HUR") || code == QLatin1String("DAY") || code == QLatin1String("LS");
}
