#include "exchange/tabellenzelle.h"

#include <cmath>

TabellenZelle TabellenZelle::aus(const QVariant& v, bool mitDatum)
{
    TabellenZelle z;
    z.text = v.toString();
    const double d = v.toDouble();
    if (z.text == QString::number(d, 'g', 6) && std::isfinite(d)) {
        z.art = Zahl;
        z.zahl = d;
        z.alsText = true;
        return z;
    }
    z.punktText = z.text;
    z.punktText.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double p = z.punktText.toDouble(&ok);
    // "inf" and "nan" parse as numbers but are no values a spreadsheet can hold.
    if (ok && p != 0 && std::isfinite(p)) {
        z.art = Zahl;
        z.zahl = p;
        return z;
    }
    if (z.punktText == QLatin1String("0.00")) {
        z.art = Zahl;
        return z;
    }
    if (mitDatum) {
        const int typ = v.metaType().id();
        if (typ == QMetaType::QDateTime && v.toDateTime().isValid()) {
            z.art = DatumZeit;
            z.zeit = v.toDateTime();
        } else if (typ == QMetaType::QDate && v.toDate().isValid()) {
            z.art = Datum;
            z.zeit = QDateTime(v.toDate(), QTime(0, 0));
        }
    }
    return z;
}

QString TabellenZelle::xmlEscape(const QString& s)
{
    bool noetig = false;
    for (const QChar c : s) {
        const ushort u = c.unicode();
        if (u < 32 || u == '&' || u == '<' || u == '>') {
            noetig = true;
            break;
        }
    }
    if (!noetig)
        return s;
    QString r;
    r.reserve(s.size() + 16);
    for (const QChar c : s) {
        switch (c.unicode()) {
        case '&': r += QLatin1String("&amp;"); break;
        case '<': r += QLatin1String("&lt;"); break;
        case '>': r += QLatin1String("&gt;"); break;
        default: r += c.unicode() < 32 ? QChar(' ') : c;
        }
    }
    return r;
}

QString TabellenZelle::columnName(int k)
{
    QString name;
    int n = qMax(k, 0) + 1;
    while (n >= 1) {
        const int m = (n - 1) % 26;
        name.prepend(QChar('A' + m));
        n = (n - m) / 26;
    }
    return name;
}

qint64 TabellenZelle::datumSerial(const QDate& d)
{
    const QDate basis(1900, 1, 1);
    qint64 serial = basis.daysTo(d) + 1;
    if (d > QDate(1900, 2, 28))
        ++serial;
    return serial;
}

QString TabellenZelle::zeitZiffern(const QTime& t)
{
    const double anteil = QTime(0, 0).secsTo(t) / 3600.0 / 24.0;
    return QString::number(anteil, 'f', 8).mid(2);
}

QString TabellenZelle::zahlText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
