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
    connect(m_aktionen, &AuftragsAktionen::befohlen, this, &KundenAuftragsDialog::befohlen);
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
    AuftragsListe::richteEin(m_view, this);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
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
    AuftragsListe::kontextMenu(m_view, p, m_store, m_aktionen,
                               {AuftragsBefehl::Anzeigen, AuftragsBefehl::Vorschau, AuftragsBefehl::Drucken,
                                AuftragsBefehl::Pdf, AuftragsBefehl::Email, AuftragsBefehl::Zahlungen,
                                AuftragsBefehl::Mahnung},
                               AuftragsStatus::Bezahlt);
}

void KundenAuftragsDialog::neuPressed()
{
    accept();
    emit neuerAuftrag(m_kundenNr);
}
