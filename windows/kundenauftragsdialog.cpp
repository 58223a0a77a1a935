#include "windows/kundenauftragsdialog.h"

#include "platform/einstellung.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "windows/auftragsaktionen.h"
#include "windows/auftragsliste.h"
#include "windows/speicherhinweis.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>

KundenAuftragsDialog::KundenAuftragsDialog(QWidget* parent)
    : QDialog(parent),
      m_view(new QTableView(this)),
      m_neu(new QPushButton(tr("Neue Rechnung"), this)),
      m_aktionen(new AuftragsAktionen(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* oben = new QHBoxLayout;
    oben->setContentsMargins(2, 2, 2, 2);
    oben->addStretch(8);
    oben->addWidget(m_neu);
    layout->addLayout(oben);
    layout->addWidget(m_view);

    m_neu->setAutoDefault(false);
    connect(m_neu, &QPushButton::pressed, this, &KundenAuftragsDialog::neuPressed);
    setMinimumWidth(500);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            &KundenAuftragsDialog::view_context);
    connect(m_aktionen, &AuftragsAktionen::befohlen, this, &KundenAuftragsDialog::befehl);
    const QString groesse = Einstellung::fenster(staticMetaObject, Einstellung::Groesse);
    resize(m_settings.value(groesse, QSize(610, 300)).toSize());
}

KundenAuftragsDialog::~KundenAuftragsDialog()
{
    m_settings.setValue(Einstellung::fenster(staticMetaObject, Einstellung::Kopfzeile),
        m_view->horizontalHeader()->saveState());
    m_settings.setValue(Einstellung::fenster(staticMetaObject, Einstellung::Groesse), geometry().size());
    m_view->setModel(nullptr);
    delete m_model;
}

void KundenAuftragsDialog::setKunde(const Kunde& k)
{
    m_kundenNr = k.Nr;
    QString name = k.Name.trimmed();
    if (!k.Firma.trimmed().isEmpty())
        name = name.isEmpty() ? k.Firma.trimmed() : QString("%1 (%2)").arg(name, k.Firma.trimmed());
    setWindowTitle(name.isEmpty() ? tr("Rechnungen für KundenNr %1").arg(k.Nr)
                                  : tr("Rechnungen für %1").arg(name));
}

void KundenAuftragsDialog::setStore(AuftragsStore* store)
{
    m_store = store;
    if (!store)
        return;
    AuftragsListe::ersetzeModel(m_view, m_model, store->filterModel(m_kundenNr));
    Speicherhinweis::pruefeListe(this, windowTitle(), m_model);
    // The customer is the dialog's own; of the order it shows number, sum, date, codes and document.
    for (const char* name : {"Nr", "KundenNr", "Firma", "Name", "Strasse", "PLZ", "Ort", "Bemerkung",
                             "Lieferung", "BestellNr", "Dienst", "Komentar", "Version", "Faellig", "Bezug"})
        m_view->hideColumn(AuftragsListe::spalte(m_view, name));
    m_view->setSortingEnabled(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAlternatingRowColors(true);
    AuftragsListe::setzeDelegaten(m_view, this, CodeTabellen::zahlungsarten(),
                                  CodeTabellen::auftragsStatus());
    connect(m_view, &QAbstractItemView::doubleClicked, this, &KundenAuftragsDialog::selected,
            Qt::UniqueConnection);
    resizeTable();
}

void KundenAuftragsDialog::selected(QModelIndex idx)
{
    emit auftragClicked(idx.sibling(idx.row(), AuftragsListe::Nr).data().toInt());
}

void KundenAuftragsDialog::resizeTable()
{
    AuftragsListe::setzeSpalten(m_view, m_settings, Einstellung::fenster(staticMetaObject,
        Einstellung::Kopfzeile));
}

void KundenAuftragsDialog::view_context(QPoint p)
{
    const int nr = AuftragsListe::nrUnter(m_view, p);
    if (nr <= 0 || !m_store)
        return;
    Auftrag a = m_store->getAuftrag(nr);
    m_aktionen->waehle(a);

    QMenu menu(this);
    m_aktionen->fuelle(&menu, {AuftragsBefehl::Anzeigen, AuftragsBefehl::Vorschau,
                               AuftragsBefehl::Drucken, AuftragsBefehl::Pdf,
                               AuftragsBefehl::Email, AuftragsBefehl::Zahlungen});
    QMenu* status = AuftragsListe::statusMenu(&menu, AuftragsStatus::Bezahlt);
    // The order commands answer through their actions while the menu runs.
    QAction* gewaehlt = menu.exec(m_view->viewport()->mapToGlobal(p));
    if (gewaehlt && status->actions().contains(gewaehlt))
        AuftragsListe::setzeStatus(m_store, a, gewaehlt->data().toInt(), this);
}

void KundenAuftragsDialog::befehl(AuftragsBefehl b, Auftrag a)
{
    switch (b) {
    case AuftragsBefehl::Anzeigen:
        emit auftragClicked(a.Nr);
        break;
    case AuftragsBefehl::Vorschau:
        emit auftragVorschau(a);
        break;
    case AuftragsBefehl::Drucken:
        emit auftragDrucken(a);
        break;
    case AuftragsBefehl::Pdf:
        emit auftragPDF(a);
        break;
    case AuftragsBefehl::Email:
        emit auftragEmail(a);
        break;
    case AuftragsBefehl::Zahlungen:
        emit auftragZahlungen(a);
        break;
    default:  // not offered here
        break;
    }
}

void KundenAuftragsDialog::neuPressed()
{
    accept();
    emit neuerAuftrag(m_kundenNr);
}
