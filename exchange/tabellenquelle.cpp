#include "exchange/tabellenquelle.h"

#include <QAbstractItemModel>

TabellenQuelle::TabellenQuelle(QAbstractItemModel* model, const QList<int>& rows,
                               bool verticalHeader)
    : m_model(model), m_rows(rows), m_verticalHeader(verticalHeader)
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
    m_spalten = m_model->columnCount(QModelIndex()) + (m_verticalHeader ? 1 : 0);
}

int TabellenQuelle::modellZeilen() const
{
    return m_model->rowCount(QModelIndex());
}

QString TabellenQuelle::kopf(int k) const
{
    if (istZeilenkopf(k))
        return QString();
    return m_model->headerData(k - (m_verticalHeader ? 1 : 0), Qt::Horizontal, Qt::DisplayRole)
        .toString();
}

QVariant TabellenQuelle::modellWert(int r, int k) const
{
    if (istZeilenkopf(k))
        return m_model->headerData(r, Qt::Vertical, Qt::DisplayRole).toString();
    return m_model->index(r, k - (m_verticalHeader ? 1 : 0)).data(Qt::DisplayRole);
}
