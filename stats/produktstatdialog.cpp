#include "stats/produktstatdialog.h"

#include <QPushButton>
#include <QStandardItemModel>

namespace {

struct Menge
{
    int anzahl = 0;
    double summe = 0.0;
};

}  // namespace

ProduktStatDialog::ProduktStatDialog(QWidget* parent)
    : StatistikDialog(QStringLiteral("ProduktStatDialog"), 3, parent)
{
    setWindowTitle(tr("Produktstatistik"));
    connect(m_berechnen, &QPushButton::pressed, this, &ProduktStatDialog::updateModel);
    connect(m_exportieren, &QPushButton::pressed, this, &ProduktStatDialog::save);
    updateModel();
}

void ProduktStatDialog::save()
{
    exportiere(tr("Statistik Exportieren"));
}

void ProduktStatDialog::updateModel()
{
    if (!beginne({tr("ProduktNr"), tr("Produkt"), tr("Anzahl"), tr("Summe")}))
        return;

    // Keyed by the product number as a string, so "10" sorts before "9".
    QMap<QString, QString> namen;  // the name of the last line met wins
    QMap<QString, Menge> mengen;
    QMap<QDate, double> proMonat;
    for (const Auftrag& a : gefilterteAuftraege(true)) {
        double summe = 0.0;
        for (const AuftragsLine& l : a.Zeilen) {
            namen[l.ProduktNr] = l.Produkt;
            Menge& m = mengen[l.ProduktNr];
            m.anzahl += l.Anzahl;
            m.summe += l.Preis;
            summe += l.Preis;
        }
        proMonat[monat(a)] += summe;
    }

    int anzahl = 0;
    double summe = 0.0;
    for (auto it = mengen.cbegin(); it != mengen.cend(); ++it) {
        const QString name = it.key().isEmpty() ? QStringLiteral("Sonstige") : namen.value(it.key());
        anzahl += it->anzahl;
        summe += it->summe;
        ergebnis()->appendRow(
            {textItem(it.key()), textItem(name), zahlItem(it->anzahl), betragItem(it->summe)});
    }
    if (mitSumme())
        haengeSummenZeileAn({textItem(QString()), textItem(QStringLiteral("Summe")),
                             zahlItem(anzahl), betragItem(summe)});
    zeigeDiagramm(proMonat);
}
