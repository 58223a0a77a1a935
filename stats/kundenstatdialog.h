#ifndef KUNDENSTATDIALOG_H
#define KUNDENSTATDIALOG_H

#include "records/kunde.h"
#include "stats/statistikdialog.h"

class QLineEdit;
class QModelIndex;

// Orders and turnover per customer over a date range, filtered by customer
// type and text (on the current customer record) and by the orders' kind,
// payment and status. Opening a customer and the like is left to the main
// window through the signals.
class KundenStatDialog : public StatistikDialog
{
    Q_OBJECT

public:
    explicit KundenStatDialog(QWidget* parent = nullptr);

signals:
    void kundeClicked(int nr);
    void listRechnungen(Kunde k);
    void neueRechnung(Kunde k);
    void email(Kunde k);

public slots:
    void selected(QModelIndex index);
    void view_context(QPoint p);
    void save();
    void updateModel();

private:
    QComboBox* m_typ;
    QLineEdit* m_filter;
};

#endif
