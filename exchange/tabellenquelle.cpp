#include "exchange/tabellenquelle.h"

#include <QAbstractItemModel>
#include <QRegularExpression>

namespace {

// A date or date-time in the ISO 8601 form the stores write ("2026-12-07",
// "2026-12-07T14:34:02", with milliseconds or a zone as other programs write
// them); anything else, a free text that merely starts like a date included,
// stays as it is (an invalid QVariant).
QVariant isoDatum(const QVariant& v)
{
    if (v.metaType().id() != QMetaType::QString)
        return {};
    const QString s = v.toString();
    static const QRegularExpression datum(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d$"));
    static const QRegularExpression zeit(QStringLiteral(
        "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d(:\\d\\d(\\.\\d{1,3})?)?(Z|[+-]\\d\\d:\\d\\d)?$"));
    if (datum.match(s).hasMatch()) {
        const QDate d = QDate::fromString(s, Qt::ISODate);
        return d.isValid() ? QVariant(d) : QVariant();
    }
    if (zeit.match(s).hasMatch()) {
        const QDateTime dt = QDateTime::fromString(s, Qt::ISODate);
        return dt.isValid() ? QVariant(dt) : QVariant();
    }
    return {};
}

TabellenZelle::Art datumsArt(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::QDate: return TabellenZelle::Datum;
    case QMetaType::QDateTime: return TabellenZelle::DatumZeit;
    default: return TabellenZelle::Text;
    }
}

}  // namespace

TabellenQuelle::TabellenQuelle(QAbstractItemModel* model, const QList<int>& rows,
                               bool verticalHeader)
    : m_model(model), m_rows(rows)
{
    // SQL models fetch their rows on demand; an export writes them all.
    while (m_model->canFetchMore(QModelIndex()))
        m_model->fetchMore(QModelIndex());
    if (m_rows.isEmpty()) {
        const int n = m_model->rowCount(QModelIndex());
        m_rows.reserve(n);
        for (int r = 0; r < n; ++r)
            m_rows.append(r);
    }
    if (verticalHeader)
        m_spalten.append(-1);
    for (int c = 0; c < m_model->columnCount(QModelIndex()); ++c)
        if (kopfVon(c) != zeilenVersion())
            m_spalten.append(c);
}

TabellenZelle::Art TabellenQuelle::spaltenArt(int k) const
{
    if (m_arten.isEmpty())
        findeArten();
    return m_arten.at(k);
}

void TabellenQuelle::findeArten() const
{
    // A column is a date column when all its values are dates (or empty), so
    // a single date-like text among free texts stays a text.
    for (int k = 0; k < spalten(); ++k) {
        TabellenZelle::Art art = TabellenZelle::Text;
        bool text = m_spalten.at(k) < 0;
        for (int i = 0; i < zeilen() && !text; ++i) {
            const QVariant v = wert(i, k);
            const bool istText = v.metaType().id() == QMetaType::QString;
            if (!v.isValid() || (istText && v.toString().isEmpty()))
                continue;
            const QVariant d = istText ? isoDatum(v) : QVariant();
            const TabellenZelle::Art a = datumsArt(d.isValid() ? d : v);
            text = a == TabellenZelle::Text;
            if (art != TabellenZelle::DatumZeit)
                art = a;
        }
        m_arten.append(text ? TabellenZelle::Text : art);
    }
}

QString TabellenQuelle::kopf(int k) const
{
    const int c = m_spalten.at(k);
    return c < 0 ? QString() : kopfVon(c);
}

QString TabellenQuelle::kopfVon(int c) const
{
    const QVariant name = m_model->headerData(c, Qt::Horizontal, SpaltenName);
    return name.isValid() ? name.toString()
                          : m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
}

QVariant TabellenQuelle::wert(int i, int k) const
{
    const int r = m_rows.at(i);
    const int c = m_spalten.at(k);
    if (c < 0)
        return m_model->headerData(r, Qt::Vertical, Qt::DisplayRole).toString();
    return m_model->index(r, c).data(Qt::DisplayRole);
}

TabellenZelle TabellenQuelle::zelle(int i, int k) const
{
    const QVariant v = wert(i, k);
    if (spaltenArt(k) != TabellenZelle::Text) {
        // A date the spreadsheet cannot hold stays the text it was.
        const TabellenZelle z = TabellenZelle::aus(isoDatum(v));
        if (z.art != TabellenZelle::Text)
            return z;
    }
    return TabellenZelle::aus(v);
}
