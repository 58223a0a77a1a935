#include "exchange/odsleser.h"

#include "exchange/tabellenzelle.h"
#include "exchange/zipeintrag.h"

#include <QDir>
#include <QLocale>
#include <QStandardItemModel>
#include <QXmlStreamReader>

#include <cmath>

namespace {

// The largest sheet the spreadsheet programs make; cells beyond it are no content.
constexpr int maxSpalten = 16384;
// The unpacked content.xml: far more than a table of the cells allowed needs.
constexpr qint64 maxInhalt = 256LL * 1024 * 1024;

// The repeat count of a row or cell; 0 when it is no positive number.
qint64 wiederholung(const QXmlStreamReader& r, QLatin1String attribut)
{
    const QStringView wert = r.attributes().value(attribut);
    if (wert.isNull())
        return 1;
    bool ok = false;
    const qint64 n = wert.toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

}  // namespace

QStandardItemModel* readODS(const QString& fileName, QString* fehler,
                            const std::function<bool(qint64, qint64)>& weiter)
{
    auto* model = new QStandardItemModel;
    // A text within the bounds of a cell, written with character references, fits the run allowed.
    ZipEintrag content(fileName, QStringLiteral("content.xml"), maxInhalt, 10LL * OdsLeser::maxZeichen + 1000);
    if (!content.oeffne() && content.fehler() == ZipEintrag::Keiner)
        return model;
    QXmlStreamReader r(&content);
    OdsLeser leser(model);
    const bool ganz = content.fehler() == ZipEintrag::Keiner && leser.lies(r, content.groesse(), weiter)
                      && content.leseZuEnde();
    if (ganz)
        return model;

    const QString datei = QDir::toNativeSeparators(fileName);
    const QLocale locale;
    // The packed run too long to unpack is a cell too long as well.
    const QString zuLang = OdsLeser::tr("Die Datei \"%1\" hat eine Zelle mit mehr als %2 Zeichen und wird nicht gelesen.")
                               .arg(datei, locale.toString(OdsLeser::maxZeichen));
    QString grund;
    // A damaged package also breaks the XML; its own error comes first.
    switch (content.fehler()) {
    case ZipEintrag::Lesefehler:
        grund = OdsLeser::tr("Die Datei \"%1\" ist beschädigt und konnte nicht ganz gelesen werden.").arg(datei);
        break;
    case ZipEintrag::ZuGross:
        grund = OdsLeser::tr("Die Tabelle der Datei \"%1\" ist größer als %2 MB und wird nicht gelesen.")
                    .arg(datei, locale.toString(maxInhalt / 1024 / 1024));
        break;
    case ZipEintrag::LaufZuLang:
        grund = zuLang;
        break;
    case ZipEintrag::Keiner:
        switch (leser.fehler()) {
        case OdsLeser::Xml:
            grund = OdsLeser::tr("Die Datei \"%1\" ist fehlerhaft (Zeile %2: %3) und wird nicht gelesen.")
                        .arg(datei)
                        .arg(r.lineNumber())
                        .arg(r.errorString());
            break;
        case OdsLeser::ZuVieleZellen:
            grund = OdsLeser::tr("Die Tabelle der Datei \"%1\" hat mehr als %2 Zellen und wird nicht gelesen.")
                        .arg(datei, locale.toString(OdsLeser::maxZellen));
            break;
        case OdsLeser::ZelleZuLang:
            grund = zuLang;
            break;
        case OdsLeser::Abgebrochen:
        case OdsLeser::Keiner:
            break;
        }
        break;
    }
    if (fehler)
        *fehler = grund;
    // Nothing of a file read in part: its rows would be imported as if they were all.
    delete model;
    return new QStandardItemModel;
}

bool OdsLeser::lies(QXmlStreamReader& r, qint64 gesamt, const std::function<bool(qint64, qint64)>& weiter)
{
    qint64 gesehen = 0;
    while (laeuft(r)) {
        r.readNext();
        if (!r.isStartElement() || r.qualifiedName() != QLatin1String("table:table-row"))
            continue;
        if (weiter && ++gesehen % 256 == 0 && !weiter(r.characterOffset(), qMax(gesamt, r.characterOffset()))) {
            m_fehler = Abgebrochen;
            break;
        }
        const qint64 mal = wiederholung(r, QLatin1String("table:number-rows-repeated"));
        const QList<Zelle> zellen = leseZeile(r);
        if (!laeuft(r))
            break;
        zeilen(zellen, mal);
    }
    if (r.hasError() && m_fehler == Keiner)
        m_fehler = Xml;
    return m_fehler == Keiner;
}

QList<OdsLeser::Zelle> OdsLeser::leseZeile(QXmlStreamReader& r)
{
    QList<Zelle> zellen;
    qint64 leere = 0;  // empty cells seen since the last one with text
    while (laeuft(r)) {
        r.readNext();
        if (r.isEndElement() && r.qualifiedName() == QLatin1String("table:table-row"))
            break;
        if (!r.isStartElement())
            continue;
        const QStringView name = r.qualifiedName();
        // A cell covered by a merged area still holds its column, but shows nothing.
        const bool verdeckt = name == QLatin1String("table:covered-table-cell");
        if (!verdeckt && name != QLatin1String("table:table-cell")) {
            r.skipCurrentElement();
            continue;
        }
        const qint64 mal = wiederholung(r, QLatin1String("table:number-columns-repeated"));
        Zelle zelle;
        if (verdeckt)
            r.skipCurrentElement();
        else
            zelle = leseZelle(r);
        if (zelle.text.isEmpty()) {
            leere = mal >= maxSpalten ? maxSpalten : qMin<qint64>(leere + mal, maxSpalten);
            continue;
        }
        for (; leere > 0 && zellen.size() < maxSpalten; --leere)
            zellen.append(Zelle());
        leere = 0;
        for (qint64 i = 0; i < mal && zellen.size() < maxSpalten; ++i)
            zellen.append(zelle);
    }
    // Trailing empty cells only up to the header's width: the header row itself
    // ends with its last title.
    if (m_zeilen > 0)
        for (; leere > 0 && zellen.size() < m_breite; --leere)
            zellen.append(Zelle());
    return zellen;
}

OdsLeser::Zelle OdsLeser::leseZelle(QXmlStreamReader& r)
{
    Zelle zelle;
    // The shown text of a number depends on its format ("99,90 €", "1.255"); the value does not.
    const QStringView art = r.attributes().value(QLatin1String("office:value-type"));
    if (art == QLatin1String("float") || art == QLatin1String("currency")
        || art == QLatin1String("percentage")) {
        bool ok = false;
        const double wert = r.attributes().value(QLatin1String("office:value")).toDouble(&ok);
        if (ok && std::isfinite(wert)) {
            zelle.wert = wert;
            zelle.hatWert = true;
        }
    }
    zelle.text = zellText(r);
    // A cell may carry its number without a paragraph to show it.
    if (zelle.text.isEmpty() && zelle.hatWert)
        zelle.text = TabellenZelle::zahlText(zelle.wert);
    return zelle;
}

QString OdsLeser::zellText(QXmlStreamReader& r)
{
    QString text;
    int tiefe = 0;    // elements open inside the cell
    int absatz = 0;   // paragraphs open
    bool erster = true;
    const auto passt = [&](qint64 mehr) {
        if (text.size() + mehr <= maxZeichen)
            return true;
        m_fehler = ZelleZuLang;
        return false;
    };
    while (laeuft(r)) {
        r.readNext();
        if (r.isCharacters()) {
            if (absatz > 0 && passt(r.text().size()))
                text += r.text();
            continue;
        }
        if (r.isEndElement()) {
            if (tiefe == 0)
                break;
            --tiefe;
            const QStringView name = r.qualifiedName();
            if (name == QLatin1String("text:p") || name == QLatin1String("text:h"))
                --absatz;
            continue;
        }
        if (!r.isStartElement())
            continue;
        const QStringView name = r.qualifiedName();
        // Comments and drawings anchored in the cell are not its text.
        if (name == QLatin1String("office:annotation") || name.startsWith(QLatin1String("draw:"))) {
            r.skipCurrentElement();
            continue;
        }
        ++tiefe;
        if (name == QLatin1String("text:p") || name == QLatin1String("text:h")) {
            if (absatz == 0 && !erster && passt(1))
                text += QLatin1Char('\n');
            erster = false;
            ++absatz;
        } else if (name == QLatin1String("text:s")) {
            const QStringView c = r.attributes().value(QLatin1String("text:c"));
            const qint64 n = c.isNull() ? 1 : qMax<qint64>(0, c.toLongLong());
            if (passt(n))
                text += QString(qsizetype(n), QLatin1Char(' '));
        } else if (name == QLatin1String("text:tab")) {
            if (passt(1))
                text += QLatin1Char('\t');
        } else if (name == QLatin1String("text:line-break")) {
            if (passt(1))
                text += QLatin1Char('\n');
        }
    }
    return text;
}

void OdsLeser::zeilen(const QList<Zelle>& zellen, qint64 mal)
{
    if (mal == 0)
        return;
    if (m_zeilen++ == 0) {
        m_breite = int(zellen.size());
        m_model->setColumnCount(m_breite);
        QStringList titel;
        for (const Zelle& z : zellen)
            titel.append(z.text);
        m_model->setHorizontalHeaderLabels(titel);
        for (int i = 0; i < m_breite; ++i)
            m_model->setHeaderData(i, Qt::Horizontal, titel.at(i), Qt::ToolTipRole);
        // A header row repeated is the header and as many rows like it.
        if (--mal == 0)
            return;
    }
    bool leer = true;
    for (const Zelle& z : zellen)
        leer = leer && z.text.isEmpty();
    // A run of empty rows counts once, and only when content follows: the
    // spreadsheet programs fill the sheet up to its last row with such runs.
    if (leer) {
        ++m_leereZeilen;
        return;
    }
    const qint64 spalten = qMax<qint64>(m_model->columnCount(), zellen.size());
    const qint64 zeilen = m_model->rowCount() + m_leereZeilen + qMin(mal, maxZellen);
    if (mal > maxZellen || (zeilen + 1) * spalten > maxZellen) {
        m_fehler = ZuVieleZellen;
        return;
    }
    if (m_leereZeilen > 0) {
        m_model->insertRows(m_model->rowCount(), int(m_leereZeilen));
        m_leereZeilen = 0;
    }
    for (qint64 n = 0; n < mal; ++n) {
        QList<QStandardItem*> items;
        items.reserve(zellen.size());
        // An empty cell needs no item: the model reads it as empty text all the same.
        for (const Zelle& z : zellen) {
            QStandardItem* item = z.text.isEmpty() ? nullptr : new QStandardItem(z.text);
            if (item && z.hatWert)
                item->setData(z.wert, WertRolle);
            items.append(item);
        }
        m_model->appendRow(items);
    }
}
