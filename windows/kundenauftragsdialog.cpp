#include "windows/kundenauftragsdialog.h"

#include "records/codetabellen.h"
#include "store/auftragsstore.h"
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
    : QDialog(parent), m_view(new QTableView(this)), m_neu(new QPushButton(tr("Neue Rechnung"), this))
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
    resize(m_settings.value("KundenAuftragsDialog/size", QSize(610, 300)).toSize());
}

KundenAuftragsDialog::~KundenAuftragsDialog()
{
    m_settings.setValue("KundenAuftragsDialog/header", m_view->horizontalHeader()->saveState());
    m_settings.setValue("KundenAuftragsDialog/size", geometry().size());
    m_view->setModel(nullptr);
    delete m_model;
}

void KundenAuftragsDialog::setKundenNr(int nr)
{
    m_kundenNr = nr;
    setWindowTitle(tr("Rechnungen für KundenNr %1").arg(nr));
}

void KundenAuftragsDialog::setStore(AuftragsStore* store)
{
    m_store = store;
    if (!store)
        return;
    AuftragsListe::ersetzeModel(m_view, m_model, store->filterModel(m_kundenNr));
    Speicherhinweis::pruefeListe(this, windowTitle(), m_model);
    for (int spalte : {0, 2, 3, 4, 5, 6, 7, 8, 11, 15, 16, 17, 18})
        m_view->hideColumn(spalte);
    m_view->setSortingEnabled(true);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAlternatingRowColors(true);
    AuftragsListe::setzeDelegaten(m_view, this, CodeTabellen::zahlungsarten().mid(0, 5),
                                  CodeTabellen::auftragsStatus().mid(0, 4));
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
    AuftragsListe::setzeSpalten(m_view, m_settings, "KundenAuftragsDialog/header");
}

void KundenAuftragsDialog::view_context(QPoint p)
{
    const int nr = AuftragsListe::nrUnter(m_view, p);
    if (nr <= 0 || !m_store)
        return;
    Auftrag a = m_store->getAuftrag(nr);

    QMenu menu(this);
    QAction* anzeigen = menu.addAction(tr("Anzeigen"));
    QAction* vorschau = menu.addAction(tr("Druckvorschau"));
    QAction* drucken = menu.addAction(tr("Drucken"));
    QAction* pdf = menu.addAction(tr("als PDF speichern"));
    QAction* email = menu.addAction(tr("als Email senden"));
    QMenu* status = AuftragsListe::statusMenu(&menu, AuftragsStatus::Bezahlt);

    QAction* gewaehlt = menu.exec(m_view->viewport()->mapToGlobal(p));
    if (!gewaehlt)
        return;
    if (gewaehlt == anzeigen)
        emit auftragClicked(nr);
    else if (gewaehlt == vorschau)
        emit auftragVorschau(a);
    else if (gewaehlt == drucken)
        emit auftragDrucken(a);
    else if (gewaehlt == pdf)
        emit auftragPDF(a);
    else if (gewaehlt == email)
        emit auftragEmail(a);
    else if (status->actions().contains(gewaehlt))
        AuftragsListe::setzeStatus(m_store, a, gewaehlt->data().toInt(), this);
}

void KundenAuftragsDialog::neuPressed()
{
    accept();
    emit neuerAuftrag(m_kundenNr);
}
