#ifndef TABELLENMODELL_H
#define TABELLENMODELL_H

#include <QList>
#include <QStandardItemModel>
#include <QVariant>

// Appends one model row per list, each value as the cell's display value
// (so dates stay dates and numbers numbers).
inline void fuelleZeilen(QStandardItemModel& model, const QList<QList<QVariant>>& zeilen)
{
    for (const auto& z : zeilen) {
        QList<QStandardItem*> items;
        for (const QVariant& v : z) {
            items << new QStandardItem;
            items.last()->setData(v, Qt::DisplayRole);
        }
        model.appendRow(items);
    }
}

#endif
