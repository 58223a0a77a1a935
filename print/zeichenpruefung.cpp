#include "print/zeichenpruefung.h"

#include "print/seitensatz.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QRawFont>

namespace {

// Whether the documents' font or, as Qt falls back to them, any installed
// font has a glyph for c.
bool darstellbar(char32_t c, QHash<char32_t, bool>& bekannt)
{
    const QChar::Category art = QChar::category(c);
    if (QChar::isSpace(c) || art == QChar::Other_Control || art == QChar::Other_Format)
        return true;
    const auto it = bekannt.constFind(c);
    if (it != bekannt.constEnd())
        return *it;
    bool ja = QFontMetrics(Seitensatz::schrift(10)).inFontUcs4(c);
    const QStringList familien = ja ? QStringList() : QFontDatabase::families();
    for (const QString& familie : familien) {
        if (QRawFont::fromFont(QFont(familie)).supportsCharacter(c)) {
            ja = true;
            break;
        }
    }
    bekannt.insert(c, ja);
    return ja;
}

QString fehlendeIn(const QString& text, QHash<char32_t, bool>& bekannt)
{
    QStringList zeichen;
    for (const char32_t c : text.toUcs4()) {
        if (darstellbar(c, bekannt))
            continue;
        const QString name = QStringLiteral("U+") + QString::number(uint(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
        if (!zeichen.contains(name))
            zeichen << name;
    }
    return zeichen.join(QLatin1String(", "));
}

}  // namespace

QStringList Zeichenpruefung::fehlende(const Auftrag& a)
{
    QHash<char32_t, bool> bekannt;
    QStringList ergebnis;
    const auto pruefe = [&](const QString& ort, const QString& text) {
        const QString f = fehlendeIn(text, bekannt);
        if (!f.isEmpty())
            ergebnis << tr("%1: %2").arg(ort, f);
    };
    const Kunde& k = a.Kunde;
    pruefe(tr("Kunde, Firma"), k.Firma);
    pruefe(tr("Kunde, Name"), k.Name);
    pruefe(tr("Kunde, Straße"), k.Strasse);
    pruefe(tr("Kunde, PLZ"), k.PLZ);
    pruefe(tr("Kunde, Ort"), k.Ort);
    pruefe(tr("Kunde, Land"), k.Land);
    pruefe(tr("Kunde, USt-IdNr."), k.Steuernummer);
    pruefe(tr("BestellNr"), a.BestellNr);
    pruefe(tr("Lieferanschrift"), a.Lieferanschrift);
    for (int i = 0; i < a.Zeilen.size(); ++i) {
        const AuftragsLine& l = a.Zeilen[i];
        pruefe(tr("Zeile %1").arg(i + 1), QStringList{l.ProduktNr, l.Produkt, l.Komentar, l.Einheit}.join(' '));
    }
    pruefe(tr("Bemerkung"), a.Komentar);
    return ergebnis;
}
