#include "records/dezimaltext.h"

namespace {

// More digits than this would not fit a qint64 once scaled.
const int hoechstensStellen = 17;

qint64 zehnHoch(int n)
{
    qint64 p = 1;
    while (n-- > 0)
        p *= 10;
    return p;
}

}  // namespace

std::optional<qint64> leseDezimal(const QString& text, int stellen, const QString& einheit)
{
    QString t = text.trimmed();
    if (!einheit.isEmpty() && t.endsWith(einheit))
        t = t.chopped(einheit.size()).trimmed();
    bool negativ = false;
    if (t.startsWith('-') || t.startsWith('+')) {
        negativ = t.startsWith('-');
        t.remove(0, 1);
    }
    qint64 ganz = 0, bruch = 0;
    int ganzStellen = 0, bruchStellen = 0;
    bool komma = false;
    for (const QChar c : t) {
        if (c == ',' || c == '.') {
            if (komma)
                return std::nullopt;
            komma = true;
        } else if (c >= '0' && c <= '9') {
            const int ziffer = c.unicode() - '0';
            if (komma) {
                if (++bruchStellen > stellen)
                    return std::nullopt;
                bruch = bruch * 10 + ziffer;
            } else {
                if (++ganzStellen + stellen > hoechstensStellen)
                    return std::nullopt;
                ganz = ganz * 10 + ziffer;
            }
        } else {
            return std::nullopt;
        }
    }
    // "5." and ",5" are read, a lone mark is not.
    if (ganzStellen + bruchStellen == 0)
        return std::nullopt;
    const qint64 wert = ganz * zehnHoch(stellen) + bruch * zehnHoch(stellen - bruchStellen);
    return negativ ? -wert : wert;
}

QString dezimalText(qint64 wert, int stellen)
{
    const quint64 betrag = wert < 0 ? 0 - quint64(wert) : quint64(wert);
    const quint64 teiler = quint64(zehnHoch(stellen));
    QString s = QString::number(betrag / teiler);
    if (stellen > 0)
        s += '.' + QString::number(betrag % teiler).rightJustified(stellen, '0');
    return wert < 0 ? '-' + s : s;
}

QString mengenText(double anzahl)
{
    QString t = dezimalText(qRound64(anzahl * 1000.0), 3);
    while (t.endsWith('0'))
        t.chop(1);
    if (t.endsWith('.'))
        t.chop(1);
    return t == QLatin1String("-0") ? QStringLiteral("0") : t;
}
