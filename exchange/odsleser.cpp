#include "exchange/odsleser.h"

#include <QStandardItemModel>
#include <QXmlStreamReader>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

namespace {

// The largest sheet the spreadsheet programs make; a count beyond it is no content.
constexpr int maxSpalten = 16384;
constexpr int maxZeilen = 1048576;

int wiederholung(const QXmlStreamReader& r, QLatin1String attribut)
{
    const QStringView wert = r.attributes().value(attribut);
    if (wert.isNull())
        return 1;
    bool ok = false;
    const int n = wert.toInt(&ok);
    return ok && n > 0 ? n : 0;
}

bool alleLeer(const QStringList& texte)
{
    for (const QString& t : texte)
        if (!t.isEmpty())
            return false;
    return true;
}

}  // namespace

QStandardItemModel* readODS(const QString& fileName)
{
    auto* model = new QStandardItemModel;
    QuaZip zip(fileName);
    if (!zip.open(QuaZip::mdUnzip))
        return model;
    if (zip.setCurrentFile(QStringLiteral("content.xml"))) {
        QuaZipFile content(&zip);
        if (content.open(QIODevice::ReadOnly)) {
            QXmlStreamReader r(&content);
            OdsLeser(model).lies(r);
            content.close();
        }
    }
    zip.close();
    return model;
}

void OdsLeser::lies(QXmlStreamReader& r)
{
    while (!r.atEnd() && m_zeilen < maxZeilen) {
        r.readNext();
        if (!r.isStartElement() || r.qualifiedName() != QLatin1String("table:table-row"))
            continue;
        const int mal = wiederholung(r, QLatin1String("table:number-rows-repeated"));
        const QStringList texte = leseZeile(r);
        if (r.hasError())
            break;
        // A repeated row of content is that many rows on the sheet; the run of
        // empty rows up to the sheet's end is one.
        const int n = alleLeer(texte) ? qMin(mal, 1) : qMin(mal, maxZeilen - m_zeilen);
        for (int i = 0; i < n; ++i)
            zeile(texte);
    }
}

QStringList OdsLeser::leseZeile(QXmlStreamReader& r) const
{
    QStringList texte;
    qint64 leere = 0;  // empty cells seen since the last one with text
    while (!r.atEnd()) {
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
        const int mal = wiederholung(r, QLatin1String("table:number-columns-repeated"));
        QString text;
        if (verdeckt)
            r.skipCurrentElement();
        else
            text = zellText(r);
        if (text.isEmpty()) {
            leere += mal;
            continue;
        }
        for (; leere > 0 && texte.size() < maxSpalten; --leere)
            texte.append(QString());
        leere = 0;
        for (int i = 0; i < mal && texte.size() < maxSpalten; ++i)
            texte.append(text);
    }
    // Trailing empty cells only up to the header's width: the header row itself
    // ends with its last title.
    if (m_zeilen > 0)
        for (; leere > 0 && texte.size() < m_breite; --leere)
            texte.append(QString());
    return texte;
}

QString OdsLeser::zellText(QXmlStreamReader& r)
{
    QString text;
    int tiefe = 0;    // elements open inside the cell
    int absatz = 0;   // paragraphs open
    bool erster = true;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isCharacters()) {
            if (absatz > 0)
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
            if (absatz == 0 && !erster)
                text += QLatin1Char('\n');
            erster = false;
            ++absatz;
        } else if (name == QLatin1String("text:s")) {
            const QStringView c = r.attributes().value(QLatin1String("text:c"));
            const int n = c.isNull() ? 1 : c.toInt();
            text += QString(qBound(0, n, maxSpalten), QLatin1Char(' '));
        } else if (name == QLatin1String("text:tab")) {
            text += QLatin1Char('\t');
        } else if (name == QLatin1String("text:line-break")) {
            text += QLatin1Char('\n');
        }
    }
    return text;
}

void OdsLeser::zeile(const QStringList& texte)
{
    if (m_zeilen++ == 0) {
        m_breite = int(texte.size());
        m_model->setColumnCount(m_breite);
        m_model->setHorizontalHeaderLabels(texte);
        for (int i = 0; i < m_breite; ++i)
            m_model->setHeaderData(i, Qt::Horizontal, texte.at(i), Qt::ToolTipRole);
        return;
    }
    QList<QStandardItem*> items;
    items.reserve(texte.size());
    // An empty cell needs no item: the model reads it as empty text all the same.
    for (const QString& t : texte)
        items.append(t.isEmpty() ? nullptr : new QStandardItem(t));
    m_model->appendRow(items);
}
