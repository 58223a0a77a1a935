#include "tests/support/tabellenmodell.h"

void fuelleZeilen(QStandardItemModel& model, const QList<QList<QVariant>>& zeilen)
{
    for (const auto& z : zeilen) {
        QList<QStandardItem*> items;
        for (const QVariant& v : z) {
            auto* it = new QStandardItem;
            it->setData(v, Qt::DisplayRole);
            items << it;
        }
        model.appendRow(items);
    }
}
