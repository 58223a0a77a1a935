#ifndef UMSATZDIAGRAMM_H
#define UMSATZDIAGRAMM_H

#include <QChartView>
#include <QDate>
#include <QMap>

// Turnover per month as bars, one bar for every month of a range (empty
// months included), amounts in euros; saved as PNG from its context menu.
class UmsatzDiagramm : public QChartView
{
    Q_OBJECT

public:
    explicit UmsatzDiagramm(QWidget* parent = nullptr);

    // proMonat: turnover keyed by the first day of its month.
    void setzeUmsatz(const QDate& von, const QDate& bis, const QMap<QDate, double>& proMonat);
    void leere();

    // The months shown (first days) and their bars, in axis order.
    QList<QDate> monate() const { return m_monate; }
    QList<double> werte() const;

public slots:
    // Asks for a file name and writes the chart as PNG; true when written.
    bool speichereBild();

private:
    void kontextMenue(const QPoint& p);

    QList<QDate> m_monate;
};

#endif
