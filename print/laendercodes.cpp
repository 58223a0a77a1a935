#include "print/laendercodes.h"

#include <QHash>
#include <QStringList>

namespace {

struct Land {
    const char* code;
    const char* namen;  // "|"-separated, already in the folded form of schluessel()
};

// The EU, its neighbours and the countries a small French or German business
// most often invoices.
const Land laender[] = {
    {"FR", "frankreich|france|french republic|republique francaise"},
    {"DE", "deutschland|allemagne|germany|brd|bundesrepublik deutschland"},
    {"AT", "osterreich|oesterreich|autriche|austria"},
    {"BE", "belgien|belgique|belgium"},
    {"BG", "bulgarien|bulgarie|bulgaria"},
    {"CY", "zypern|chypre|cyprus"},
    {"CZ", "tschechien|tschechische republik|republique tcheque|tchequie|czech republic|czechia"},
    {"DK", "danemark|denmark|dannemark"},
    {"EE", "estland|estonie|estonia"},
    {"ES", "spanien|espagne|spain|espana"},
    {"FI", "finnland|finlande|finland"},
    {"GR", "griechenland|grece|greece"},
    {"HR", "kroatien|croatie|croatia"},
    {"HU", "ungarn|hongrie|hungary"},
    {"IE", "irland|irlande|ireland"},
    {"IT", "italien|italie|italy|italia"},
    {"LT", "litauen|lituanie|lithuania"},
    {"LU", "luxemburg|luxembourg"},
    {"LV", "lettland|lettonie|latvia"},
    {"MT", "malta|malte"},
    {"NL", "niederlande|holland|pays-bas|pays bas|netherlands|the netherlands"},
    {"PL", "polen|pologne|poland"},
    {"PT", "portugal"},
    {"RO", "rumanien|rumaenien|roumanie|romania"},
    {"SE", "schweden|suede|sweden"},
    {"SI", "slowenien|slovenie|slovenia"},
    {"SK", "slowakei|slovaquie|slovakia"},
    {"CH", "schweiz|suisse|switzerland|svizzera"},
    {"LI", "liechtenstein"},
    {"NO", "norwegen|norvege|norway"},
    {"IS", "island|islande|iceland"},
    {"GB", "vereinigtes konigreich|vereinigtes koenigreich|grossbritannien|england|royaume-uni|"
           "royaume uni|united kingdom|great britain|uk"},
    {"MC", "monaco"},
    {"AD", "andorra|andorre"},
    {"US", "usa|vereinigte staaten|etats-unis|etats unis|united states|united states of america"},
    {"CA", "kanada|canada"},
    {"MA", "marokko|maroc|morocco"},
    {"TN", "tunesien|tunisie|tunisia"},
    {"DZ", "algerien|algerie|algeria"},
    {"TR", "turkei|tuerkei|turquie|turkey|turkiye"},
};

// Lower case, accents and "ß" folded, blanks collapsed: "Österreich" and
// "osterreich" are the same key.
QString schluessel(const QString& text)
{
    const QString zerlegt = text.simplified().toLower().normalized(QString::NormalizationForm_D);
    QString s;
    s.reserve(zerlegt.size());
    for (const QChar c : zerlegt) {
        if (c.category() == QChar::Mark_NonSpacing)
            continue;
        if (c == QChar(0x00DF))
            s += QLatin1String("ss");
        else
            s += c;
    }
    return s;
}

const QHash<QString, QString>& tabelle()
{
    static const QHash<QString, QString> t = [] {
        QHash<QString, QString> h;
        for (const Land& l : laender) {
            const QString code = QLatin1String(l.code);
            h.insert(code.toLower(), code);
            for (const QString& name : QString::fromUtf8(l.namen).split('|'))
                h.insert(name, code);
        }
        return h;
    }();
    return t;
}

}  // namespace

namespace Laendercodes {

QString iso(const QString& land)
{
    return tabelle().value(schluessel(land));
}

bool eu(const QString& iso)
{
    static const QStringList mitglieder = QString("AT BE BG CY CZ DE DK EE ES FI FR GR HR HU IE IT "
                                                  "LT LU LV MT NL PL PT RO SE SI SK").split(' ');
    return mitglieder.contains(iso);
}

}  // namespace Laendercodes
