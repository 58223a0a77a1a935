#include "stats/kundenstatdialog.h"

#include "print/belegbetraege.h"
#include "store/kundenstore.h"

#include <QComboBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {

struct Posten
{
    int anzahl = 0;
    Betrag summe;
    QMap<QDate, Betrag> proMonat;
    const AuftragsKennzahlen* letzter = nullptr;  // the last order met
};

// The columns the statistics fills, in the order of its titles.
enum Spalte { KundenNrSpalte, FirmaSpalte, NameSpalte, OrtSpalte, PlzSpalte, AnzahlSpalte, SummenSpalte };

// Beyond this many customers one read of the whole file beats one query each.
const int einzelnLesenBis = 200;

}  // namespace

KundenStatDialog::KundenStatDialog(QWidget* parent)
    : StatistikDialog(QStringLiteral("KundenStatDialog"), SummenSpalte, parent),
      m_typ(new QComboBox(this)),
      m_filter(new QLineEdit(this))
{
    setWindowTitle(tr("Kundenstatistik"));
    m_typ->addItems({"Alle", "Kunde1", "Kunde2", "Kunde3"});
    m_typ->setObjectName(QStringLiteral("typ"));
    m_filter->setObjectName(QStringLiteral("filter"));
    m_filter->setMinimumWidth(120);
    auto* typ = new QLabel(tr("T&yp"), this);
    typ->setBuddy(m_typ);
    fuegeFilterEin(typ);
    fuegeFilterEin(m_typ);
    fuegeFilterEin(new QLabel(tr("Filter"), this));
    fuegeFilterEin(m_filter, 10);
    tabelle()->setContextMenuPolicy(Qt::CustomContextMenu);

    connect(m_berechnen, &QPushButton::pressed, this, &KundenStatDialog::updateModel);
    connect(this, &StatistikDialog::filterGeaendert, this, &KundenStatDialog::updateModel);
    connect(m_typ, &QComboBox::currentIndexChanged, this, &KundenStatDialog::updateModel);
    connect(m_exportieren, &QPushButton::pressed, this, &KundenStatDialog::save);
    connect(tabelle(), &QAbstractItemView::doubleClicked, this, &KundenStatDialog::selected);
    connect(tabelle(), &QWidget::customContextMenuRequested, this, &KundenStatDialog::view_context);
    updateModel();
}

void KundenStatDialog::selected(QModelIndex index)
{
    emit kundeClicked(index.siblingAtColumn(KundenNrSpalte).data().toInt());
}

void KundenStatDialog::view_context(QPoint p)
{
    const QModelIndex index = tabelle()->indexAt(p);
    if (!index.isValid() || !m_kundenStore)
        return;
    const int nr = index.siblingAtColumn(KundenNrSpalte).data().toInt();
    if (nr <= 0)
        return;
    const Kunde k = m_kundenStore->getKunde(nr);

    QMenu menu(this);
    QAction* anzeigen = menu.addAction(tr("Anzeigen"));
    QAction* rechnungen = menu.addAction(tr("Zeige Rechnungen"));
    QAction* neu = menu.addAction(tr("Neue Rechnung"));
    QAction* mail = menu.addAction(tr("Email schreiben"));
    mail->setEnabled(!k.Email.isEmpty());

    QAction* gewaehlt = menu.exec(tabelle()->viewport()->mapToGlobal(p));
    if (gewaehlt == anzeigen)
        emit kundeClicked(nr);
    else if (gewaehlt == rechnungen)
        emit listRechnungen(k);
    else if (gewaehlt == neu)
        emit neueRechnung(k);
    else if (gewaehlt == mail)
        emit email(k);
}

void KundenStatDialog::save()
{
    exportiere(tr("Statistik Exportieren"));
}

void KundenStatDialog::updateModel()
{
    if (!beginne({tr("KundenNr"), tr("Firma"), tr("Name"), tr("Ort"), tr("PLZ"), tr("Anzahl"),
                  tr("Summe")}))
        return;
    const int typ = m_typ->currentIndex();
    const QString text = m_filter->text();

    QMap<int, Posten> proKunde;  // ascending customer numbers
    const QList<AuftragsKennzahlen> auftraege = gefilterteAuftraege(true);
    const QSettings einstellungen;
    for (const AuftragsKennzahlen& a : auftraege) {
        Posten& p = proKunde[a.KundenNr];
        ++p.anzahl;
        // The net the document prints.
        const Betrag netto = Belegbetraege(a.auftrag(), Belegbetraege::Layout::Gewaehlt, einstellungen).netto();
        // A credit note takes back its amount, whichever sign its lines were typed with.
        const Betrag summe = gewicht(a) < 0 && netto > Betrag() ? -netto : netto;
        p.summe += summe;
        p.proMonat[monat(a)] += summe;
        p.letzter = &a;
    }

    const bool ganzeKartei = proKunde.size() > einzelnLesenBis;
    const QList<Kunde> kartei = ganzeKartei ? m_kundenStore->getKunden() : QList<Kunde>();
    QHash<int, int> stelle;  // customer number -> position in kartei
    for (int i = 0; i < kartei.size(); ++i)
        stelle.insert(kartei.at(i).Nr, i);

    int anzahl = 0;
    Betrag summe;
    QMap<QDate, Betrag> proMonat;
    for (auto it = proKunde.cbegin(); it != proKunde.cend(); ++it) {
        const int i = stelle.value(it.key(), -1);
        Kunde k = !ganzeKartei ? m_kundenStore->getKunde(it.key()) : i >= 0 ? kartei.at(i) : Kunde();
        // A customer deleted since keeps the number and name its orders carry,
        // so the turnover stays attributable.
        if (k.Nr == 0) {
            k = it->letzter->kunde();
        }
        if (typ >= 1 && k.Typ != typ - 1)
            continue;
        if (!text.isEmpty() && !k.Firma.contains(text) && !k.Name.contains(text))
            continue;
        anzahl += it->anzahl;
        summe += it->summe;
        for (auto m = it->proMonat.cbegin(); m != it->proMonat.cend(); ++m)
            proMonat[m.key()] += m.value();
        ergebnis()->appendRow({zahlItem(k.Nr), textItem(k.Firma), textItem(k.Name),
                               textItem(k.Ort), textItem(k.PLZ), zahlItem(it->anzahl),
                               betragItem(it->summe)});
    }
    if (mitSumme())
        haengeSummenZeileAn({textItem(QString()), textItem(QStringLiteral("Summe")),
                             textItem(QString()), textItem(QString()), textItem(QString()),
                             zahlItem(anzahl), betragItem(summe)});
    zeigeErgebnis(proMonat);
}
