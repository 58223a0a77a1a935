#ifndef TABELLENMODELL_H
#define TABELLENMODELL_H

#include <QList>
#include <QStandardItemModel>
#include <QVariant>

// Appends one model row per list, each value as the cell's display value
// (so dates stay dates and numbers numbers).
void fuelleZeilen(QStandardItemModel& model, const QList<QList<QVariant>>& zeilen);

#endif
