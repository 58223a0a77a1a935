#include "exchange/tabellenzelle.h"

#include <cmath>

TabellenZelle TabellenZelle::aus(const QVariant& v)
{
    static const QDate ersterTag(1900, 1, 1);
    TabellenZelle z;
    z.text = v.toString();
    // Only the value's type decides: a text that looks like a number (a postcode
    // "01067", a phone number, "1e5") must reach the spreadsheet unchanged.
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Float:
    case QMetaType::Double:
        // inf and nan are no values a spreadsheet can hold.
        if (std::isfinite(v.toDouble())) {
            z.art = Zahl;
            z.zahl = v.toDouble();
        }
        break;
    // The 1900 date system of the Excel formats has no day before 1 January 1900.
    case QMetaType::QDateTime:
        if (v.toDateTime().isValid() && v.toDateTime().date() >= ersterTag) {
            z.art = DatumZeit;
            z.zeit = v.toDateTime();
        }
        break;
    case QMetaType::QDate:
        if (v.toDate().isValid() && v.toDate() >= ersterTag) {
            z.art = Datum;
            z.zeit = QDateTime(v.toDate(), QTime(0, 0));
        }
        break;
    default:
        break;
    }
    return z;
}

namespace {

// Characters XML 1.0 allows besides the blanks and the markup characters:
// no U+FFFE, U+FFFF, and no half of a surrogate pair standing alone.
bool xmlErlaubt(const QString& s, qsizetype i)
{
    const QChar c = s.at(i);
    if (c.isHighSurrogate())
        return i + 1 < s.size() && s.at(i + 1).isLowSurrogate();
    if (c.isLowSurrogate())
        return i > 0 && s.at(i - 1).isHighSurrogate();
    return c.unicode() < 0xFFFE;
}

}  // namespace

QString TabellenZelle::xmlEscape(const QString& s)
{
    bool noetig = false;
    for (qsizetype i = 0; i < s.size() && !noetig; ++i) {
        const ushort u = s.at(i).unicode();
        noetig = u < 32 || u == '&' || u == '<' || u == '>' || !xmlErlaubt(s, i);
    }
    if (!noetig)
        return s;
    QString r;
    r.reserve(s.size() + 16);
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s.at(i);
        switch (c.unicode()) {
        case '&': r += QLatin1String("&amp;"); break;
        case '<': r += QLatin1String("&lt;"); break;
        case '>': r += QLatin1String("&gt;"); break;
        default:
            if (c.unicode() < 32)
                r += QChar(' ');
            else if (xmlErlaubt(s, i))
                r += c;
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
    // Eight decimals are not enough: 14:34:02 would read back as 14:34:01.99998,
    // which spreadsheets show as 14:34:01.
    QString ziffern = QString::number(anteil, 'f', 15).mid(2);
    while (ziffern.size() > 8 && ziffern.endsWith(QLatin1Char('0')))
        ziffern.chop(1);
    return ziffern;
}

QString TabellenZelle::zahlText(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

QString TabellenZelle::isoText() const
{
    const QDate d = zeit.date();
    const QTime t = zeit.time();
    return QString::asprintf("%04d-%02d-%02dT%02d:%02d:%02d", d.year(), d.month(), d.day(), t.hour(),
                             t.minute(), t.second());
}

QString TabellenZelle::anzeigeText() const
{
    const QDate d = zeit.date();
    const QTime t = zeit.time();
    if (art == Datum)
        return QString::asprintf("%02d.%02d.%04d", d.day(), d.month(), d.year());
    return QString::asprintf("%02d.%02d.%04d %02d:%02d:%02d", d.day(), d.month(), d.year(), t.hour(),
                             t.minute(), t.second());
}
