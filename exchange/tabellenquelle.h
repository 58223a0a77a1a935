#ifndef TABELLENQUELLE_H
#define TABELLENQUELLE_H

#include <QList>
#include <QString>
#include <QVariant>

class QAbstractItemModel;

// What a spreadsheet writer reads from a model: the header texts and the
// display values of the chosen rows, with the vertical header as an extra
// first column when asked for. Every row of the model is fetched first.
class TabellenQuelle
{
public:
    TabellenQuelle(QAbstractItemModel* model, const QList<int>& rows, bool verticalHeader);

    int spalten() const { return m_spalten; }
    int zeilen() const { return int(m_rows.size()); }
    int modellZeilen() const;
    bool mitZeilenkopf() const { return m_verticalHeader; }
    bool istZeilenkopf(int k) const { return m_verticalHeader && k == 0; }

    QString kopf(int k) const;
    // The value in column k of the i-th row to write.
    QVariant wert(int i, int k) const { return modellWert(m_rows.at(i), k); }
    // The value in column k of the model's row r.
    QVariant modellWert(int r, int k) const;

private:
    QAbstractItemModel* m_model;
    QList<int> m_rows;
    bool m_verticalHeader;
    int m_spalten;
};

#endif
