#ifndef TABELLENQUELLE_H
#define TABELLENQUELLE_H

#include "exchange/tabellenzelle.h"

#include <QList>
#include <QString>
#include <QVariant>

class QAbstractItemModel;

// What a spreadsheet writer reads from a model: the header texts and the
// display values of the chosen rows, with the vertical header as an extra
// first column when asked for. Every row of the model is fetched first.
// The stores' row version column is left out: it counts saves for the
// detection of concurrent changes and is no data of the record.
class TabellenQuelle
{
public:
    TabellenQuelle(QAbstractItemModel* model, const QList<int>& rows, bool verticalHeader);

    int spalten() const { return int(m_spalten.size()); }
    int zeilen() const { return int(m_rows.size()); }

    QString kopf(int k) const;
    // The display value in column k of the i-th row to write, unchanged.
    QVariant wert(int i, int k) const;
    // That value as a spreadsheet cell: in a date column, the dates the
    // database holds as ISO 8601 texts become date or date-time cells.
    TabellenZelle zelle(int i, int k) const;
    // Datum or DatumZeit when every value of column k is such a date (or
    // empty), else Text.
    TabellenZelle::Art spaltenArt(int k) const;

    // The header role holding a column's own name where the list shows a
    // readable title instead; exports write that name.
    static constexpr int SpaltenName = Qt::UserRole + 17;

    // The header of the stores' row version column.
    static QString zeilenVersion() { return QStringLiteral("Version"); }

private:
    void findeArten() const;
    QString kopfVon(int c) const;  // the column name of model column c

    QAbstractItemModel* m_model;
    QList<int> m_rows;
    QList<int> m_spalten;  // model column per written column; -1 the vertical header
    // Found on first use, so writers that ask no cell (CSV) do not pay the pass.
    mutable QList<TabellenZelle::Art> m_arten;
};

#endif
