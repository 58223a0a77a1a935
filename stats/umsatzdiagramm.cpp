#include "stats/umsatzdiagramm.h"

#include "platform/interaktion.h"
#include "platform/speicherdatei.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QValueAxis>

UmsatzDiagramm::UmsatzDiagramm(QWidget* parent) : QChartView(parent)
{
    setRenderHint(QPainter::Antialiasing);
    chart()->legend()->hide();
    chart()->setMargins(QMargins(2, 2, 2, 2));
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &UmsatzDiagramm::kontextMenue);
    leere();
}

void UmsatzDiagramm::leere()
{
    setzeUmsatz(QDate(), QDate(), {});
}

void UmsatzDiagramm::setzeUmsatz(const QDate& von, const QDate& bis,
                                 const QMap<QDate, double>& proMonat)
{
    QChart* c = chart();
    c->removeAllSeries();
    // removeAxis() hands the axis back to the caller: without delete, every
    // recomputation would keep the old axes and their labels.
    for (QAbstractAxis* achse : c->axes()) {
        c->removeAxis(achse);
        delete achse;
    }
    m_monate.clear();

    auto* balken = new QBarSet(tr("Umsatz"));
    double max = 0.0;
    double min = 0.0;
    if (von.isValid() && bis.isValid()) {
        for (QDate m(von.year(), von.month(), 1); m <= bis; m = m.addMonths(1)) {
            const double wert = proMonat.value(m, 0.0);
            m_monate.append(m);
            *balken << wert;
            max = qMax(max, wert);
            min = qMin(min, wert);
        }
    }
    auto* reihe = new QBarSeries;
    reihe->append(balken);
    reihe->setBarWidth(0.8);
    c->addSeries(reihe);

    // Bar i stands at x = i. Up to two years every month is named; beyond,
    // the names would not fit, so the years are named under their months.
    auto* x = new QCategoryAxis;
    x->setStartValue(-0.5);
    x->setRange(-0.5, qMax(m_monate.size(), 1) - 0.5);
    const QLocale locale;
    const bool einJahr = !m_monate.isEmpty() && m_monate.first().year() == m_monate.last().year();
    const bool monatsnamen = m_monate.size() <= 24;
    for (int i = 0; i < m_monate.size(); ++i) {
        const QDate& m = m_monate.at(i);
        if (monatsnamen)
            x->append(locale.toString(m, einJahr ? QStringLiteral("MMM") : QStringLiteral("MMM yy")),
                      i + 0.5);
        else if (m.month() == 12 || i + 1 == m_monate.size())
            x->append(QString::number(m.year()), i + 0.5);
    }
    if (monatsnamen && m_monate.size() > 12)
        x->setLabelsAngle(-90);
    auto* y = new QValueAxis;
    y->setRange(min, max > min ? max * 1.05 : min + 1.0);
    // The axis formats its labels through a Latin-1 printf, so the euro sign
    // goes into the title.
    y->setLabelFormat(max - min >= 100.0 ? QStringLiteral("%.0f") : QStringLiteral("%.2f"));
    y->setTitleText(tr("Umsatz in €"));
    y->applyNiceNumbers();
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    reihe->attachAxis(x);
    reihe->attachAxis(y);
    c->setTitle(tr("Umsatz pro Monat"));
}

QList<double> UmsatzDiagramm::werte() const
{
    QList<double> liste;
    const auto reihen = chart()->series();
    if (reihen.isEmpty())
        return liste;
    const auto* reihe = qobject_cast<QBarSeries*>(reihen.first());
    if (!reihe || reihe->barSets().isEmpty())
        return liste;
    const QBarSet* balken = reihe->barSets().first();
    for (int i = 0; i < balken->count(); ++i)
        liste << balken->at(i);
    return liste;
}

bool UmsatzDiagramm::speichereBild()
{
    QString datei = Interaktion::instance()->getSaveFileName(this, tr("Diagramm speichern"),
                                                             QStringLiteral("umsatz.png"),
                                                             tr("PNG-Bild (*.png)"));
    if (datei.isEmpty())
        return false;
    if (QFileInfo(datei).suffix().isEmpty())
        datei += QStringLiteral(".png");
    // A chart on a page never shown has no useful size yet.
    if (!isVisible())
        resize(size().expandedTo(QSize(800, 480)));
    const QImage bild = grab().toImage();
    SpeicherDatei f(datei);
    if (!f.open(QIODevice::WriteOnly) || !bild.save(&f, "PNG") || !f.commit()) {
        Interaktion::instance()->warning(this, tr("Diagramm speichern"),
                                         tr("Die Datei %1 konnte nicht geschrieben werden.")
                                             .arg(datei));
        return false;
    }
    return true;
}

void UmsatzDiagramm::kontextMenue(const QPoint& p)
{
    QMenu menu(this);
    QAction* speichern = menu.addAction(tr("Als PNG speichern"));
    if (menu.exec(mapToGlobal(p)) == speichern)
        speichereBild();
}
