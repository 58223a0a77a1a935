#ifndef PRODUKTSTATDIALOG_H
#define PRODUKTSTATDIALOG_H

#include "stats/statistikdialog.h"

// Quantity and amount per product number over the lines of the orders of a
// date range, filtered by the orders' kind, payment and status.
class ProduktStatDialog : public StatistikDialog
{
    Q_OBJECT

public:
    explicit ProduktStatDialog(QWidget* parent = nullptr);

public slots:
    void save();
    void updateModel();
};

#endif
