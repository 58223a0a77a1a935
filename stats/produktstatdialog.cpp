#include "stats/produktstatdialog.h"

#include "print/belegbetraege.h"
#include "records/dezimaltext.h"

#include <algorithm>

#include <QHash>
#include <QPushButton>
#include <QStandardItemModel>

namespace {

struct Menge
{
    QString name;
    qint64 anzahl = 0;  // in thousandths: quantities have up to three decimals
    Betrag summe;
};

// A quantity summed in thousandths, shown as the lines show it ("3", "4.5").
QStandardItem* mengeItem(qint64 tausendstel)
{
    auto* item = new QStandardItem(mengenText(double(tausendstel) / 1000.0));
    item->setData(double(tausendstel) / 1000.0, Qt::EditRole);
    return item;
}

// The money column of ProduktNr, Produkt, Anzahl, Summe.
const int summenSpalte = 3;

}  // namespace

ProduktStatDialog::ProduktStatDialog(QWidget* parent)
    : StatistikDialog(QStringLiteral("ProduktStatDialog"), summenSpalte, parent)
{
    setWindowTitle(tr("Produktstatistik"));
    connect(m_berechnen, &QPushButton::pressed, this, &ProduktStatDialog::updateModel);
    connect(this, &StatistikDialog::filterGeaendert, this, &ProduktStatDialog::updateModel);
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

    QHash<QString, Menge> mengen;  // per product number
    QMap<QDate, Betrag> proMonat;
    const QSettings einstellungen;
    for (const AuftragsKennzahlen& a : gefilterteAuftraege(true)) {
        Betrag summe;
        // Each line's net as the document prints it.
        const Belegbetraege b(a.auftrag(), Belegbetraege::Layout::Gewaehlt, einstellungen);
        // A credit note takes back what it credits, whichever sign its lines were typed with.
        const bool zurueck = gewicht(a) < 0 && b.netto() > Betrag();
        for (int i = 0; i < a.Zeilen.size(); ++i) {
            const AuftragsLine& l = a.Zeilen.at(i);
            Menge& m = mengen[l.ProduktNr];
            m.name = l.Produkt;  // the name of the last line met wins
            m.anzahl += qRound64((zurueck ? -l.Anzahl : l.Anzahl) * 1000.0);
            const Betrag preis = zurueck ? -b.zeilen().at(i).netto : b.zeilen().at(i).netto;
            m.summe += preis;
            summe += preis;
        }
        proMonat[monat(a)] += summe;
    }

    // Sorted as strings, so "10" comes before "9" and the empty number first.
    QStringList nummern = mengen.keys();
    std::sort(nummern.begin(), nummern.end());
    qint64 anzahl = 0;
    Betrag summe;
    for (const QString& nr : nummern) {
        const Menge& m = mengen[nr];
        anzahl += m.anzahl;
        summe += m.summe;
        ergebnis()->appendRow({textItem(nr), textItem(nr.isEmpty() ? QStringLiteral("Sonstige") : m.name),
                               mengeItem(m.anzahl), betragItem(m.summe)});
    }
    if (mitSumme())
        haengeSummenZeileAn({textItem(QString()), textItem(QStringLiteral("Summe")),
                             mengeItem(anzahl), betragItem(summe)});
    zeigeErgebnis(proMonat);
}
