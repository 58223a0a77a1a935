#include "windows/kundenfilter.h"

#include <QRegularExpression>
#include <QSqlRecord>
#include <QSqlTableModel>

#include <algorithm>

KundenFilter::KundenFilter(QObject* parent) : QSortFilterProxyModel(parent)
{
    setSortCaseSensitivity(Qt::CaseInsensitive);
}

void KundenFilter::setSourceModel(QAbstractItemModel* source)
{
    if (sourceModel())
        disconnect(sourceModel(), nullptr, this, nullptr);
    m_zeilen.clear();
    // Connected before the proxy's own handlers, which filter at once.
    if (source) {
        const auto vergiss = [this] {
            m_zeilen.clear();
            m_zahlen.clear();
            m_texte.clear();
        };
        connect(source, &QAbstractItemModel::modelAboutToBeReset, this, vergiss);
        connect(source, &QAbstractItemModel::layoutAboutToBeChanged, this, vergiss);
        connect(source, &QAbstractItemModel::rowsRemoved, this, vergiss);
        connect(source, &QAbstractItemModel::dataChanged, this, vergiss);
        // Rows read in portions are appended; anything else starts over.
        connect(source, &QAbstractItemModel::rowsInserted, this,
                [this](const QModelIndex&, int first) {
                    if (first != m_zeilen.size())
                        m_zeilen.clear();
                    m_zahlen.clear();
            m_texte.clear();
                });
    }
    QSortFilterProxyModel::setSourceModel(source);
}

void KundenFilter::setzeFilter(int typ, const QString& text)
{
    m_typ = typ;
    m_woerter = text.toLower().split(QRegularExpression("\\s+"), Qt::SkipEmptyParts);
    // One layout change instead of a removal or insertion per run of rows: the
    // view and its header then measure once.
    invalidate();
}

void KundenFilter::ergaenze() const
{
    const auto* tabelle = qobject_cast<const QSqlTableModel*>(sourceModel());
    const int zeilen = sourceModel() ? sourceModel()->rowCount() : 0;
    if (!tabelle || m_zeilen.size() >= zeilen) {
        m_zeilen.resize(zeilen);
        return;
    }
    const QSqlRecord satz = tabelle->record();
    const int nr = satz.indexOf("Nr");
    const int typ = satz.indexOf("Typ");
    QVector<int> spalten;
    for (const char* name : {"Name", "Firma", "Strasse", "PLZ", "Ort", "Tel", "Tel2", "Email"})
        spalten << satz.indexOf(name);
    m_zeilen.reserve(zeilen);
    for (int row = m_zeilen.size(); row < zeilen; ++row) {
        Zeile z;
        z.nr = tabelle->index(row, nr).data().toLongLong();
        z.typ = tabelle->index(row, typ).data().toInt();
        for (const int spalte : std::as_const(spalten))
            z.text += tabelle->index(row, spalte).data().toString().toLower() + QLatin1Char('\n');
        m_zeilen.append(z);
    }
}

bool KundenFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    if (m_typ <= 0 && m_woerter.isEmpty())
        return true;
    if (sourceRow >= m_zeilen.size())
        ergaenze();
    if (sourceRow >= m_zeilen.size())
        return false;
    const Zeile& z = m_zeilen.at(sourceRow);
    if (m_typ > 0 && z.typ != m_typ - 1)
        return false;
    for (const QString& wort : m_woerter) {
        if (z.text.contains(wort))
            continue;
        bool zahl = false;
        const qlonglong nr = wort.toLongLong(&zahl);
        if (!(zahl && nr > 0 && nr == z.nr))
            return false;
    }
    return true;
}

bool KundenFilter::lessThan(const QModelIndex& links, const QModelIndex& rechts) const
{
    // The sorted column is read once per reading of the list, not twice per
    // comparison through the SQL model, and compared as numbers or as text.
    const int zeilen = sourceModel()->rowCount();
    if (std::max(m_zahlen.size(), m_texte.size()) != zeilen || m_schluesselSpalte != links.column()) {
        QVector<QVariant> werte;
        werte.reserve(zeilen);
        m_numerisch = true;
        for (int row = 0; row < zeilen; ++row) {
            werte.append(sourceModel()->index(row, links.column()).data(sortRole()));
            const int typ = werte.last().typeId();
            m_numerisch = m_numerisch && (typ == QMetaType::Int || typ == QMetaType::LongLong
                                          || typ == QMetaType::Double || werte.last().isNull());
        }
        m_zahlen.clear();
        m_texte.clear();
        for (const QVariant& wert : std::as_const(werte)) {
            if (m_numerisch)
                m_zahlen.append(wert.toDouble());
            else
                m_texte.append(wert.toString());
        }
        m_schluesselSpalte = links.column();
    }
    if (m_numerisch)
        return m_zahlen.at(links.row()) < m_zahlen.at(rechts.row());
    return m_texte.at(links.row()).compare(m_texte.at(rechts.row()), sortCaseSensitivity()) < 0;
}
