#include "windows/auftragseditor.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "exchange/tabellenexport.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "windows/auftragsaktionen.h"
#include "windows/auftragsliste.h"
#include "windows/speicherhinweis.h"
#include "exchange/tabellenquelle.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMenu>
#include <QPushButton>
#include <QSqlTableModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

AuftragsEditor::AuftragsEditor(QWidget* parent)
    : QWidget(parent),
      m_view(new QTableView(this)),
      m_von(new QDateEdit(this)),
      m_bis(new QDateEdit(this)),
      m_aktualisieren(new QPushButton(tr("Aktualisieren"), this)),
      m_art(new QComboBox(this)),
      m_status(new QComboBox(this)),
      m_nurOffen(new QCheckBox(tr("offen"), this)),
      m_ueberfaellig(new QCheckBox(tr("überfällig"), this)),
      m_suche(new QLineEdit(this)),
      m_summen(new QLabel(this)),
      m_offen(new QLabel(this)),
      m_aktionen(new AuftragsAktionen(this)),
      m_summenFolgen(new QTimer(this))
{
    m_summenFolgen->setSingleShot(true);
    m_summenFolgen->setInterval(0);
    connect(m_summenFolgen, &QTimer::timeout, this, &AuftragsEditor::zeigeSummen);
    // Entry i means code i - 1; the first, every code.
    m_art->addItem(tr("Alle Arten"));
    m_art->addItems(CodeTabellen::auftragsarten());
    m_status->addItem(tr("Jeder Status"));
    m_status->addItems(CodeTabellen::auftragsStatus());
    m_suche->setPlaceholderText(tr("Suche: Nummer, Kunde, Betrag"));
    m_suche->setClearButtonEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* oben = new QHBoxLayout;
    oben->setContentsMargins(2, 2, 2, 2);
    oben->addWidget(m_offen);
    oben->addStretch(6);
    oben->addWidget(m_suche);
    oben->addWidget(m_art);
    oben->addWidget(m_status);
    oben->addWidget(m_nurOffen);
    oben->addWidget(m_ueberfaellig);
    oben->addSpacing(10);
    oben->addWidget(new QLabel(tr("Von"), this));
    oben->addWidget(m_von);
    oben->addWidget(new QLabel(tr("Bis"), this));
    oben->addWidget(m_bis);
    oben->addSpacing(10);
    oben->addWidget(m_aktualisieren);
    layout->addLayout(oben);
    layout->addWidget(m_view);
    auto* unten = new QHBoxLayout;
    unten->setContentsMargins(2, 2, 2, 2);
    unten->addStretch(1);
    unten->addWidget(m_summen);
    layout->addLayout(unten);

    m_aktualisieren->setAutoDefault(false);
    m_von->setCalendarPopup(true);
    m_bis->setCalendarPopup(true);
    m_von->setDate(QDate::currentDate().addDays(-31));
    m_bis->setDate(QDate::currentDate());

    connect(m_von, &QDateEdit::dateChanged, this, &AuftragsEditor::dateChanged);
    connect(m_bis, &QDateEdit::dateChanged, this, &AuftragsEditor::dateChanged);
    connect(m_aktualisieren, &QPushButton::pressed, this, &AuftragsEditor::dateChanged);
    connect(m_art, &QComboBox::currentIndexChanged, this, &AuftragsEditor::dateChanged);
    connect(m_status, &QComboBox::currentIndexChanged, this, &AuftragsEditor::dateChanged);
    connect(m_nurOffen, &QCheckBox::toggled, this, &AuftragsEditor::dateChanged);
    connect(m_ueberfaellig, &QCheckBox::toggled, this, &AuftragsEditor::dateChanged);
    connect(m_suche, &QLineEdit::textChanged, this, &AuftragsEditor::dateChanged);

    setMinimumWidth(1000);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &AuftragsEditor::view_context);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    connect(m_aktionen, &AuftragsAktionen::befohlen, this, &AuftragsEditor::befohlen);
}

AuftragsEditor::~AuftragsEditor()
{
    m_settings.setValue(Einstellung::fenster(staticMetaObject, Einstellung::Kopfzeile),
        m_view->horizontalHeader()->saveState());
    m_view->setModel(nullptr);
    delete m_model;
}

void AuftragsEditor::setAdmin(bool on)
{
    m_admin = on;
    if (!on)
        return;
    disconnect(m_view, &QWidget::customContextMenuRequested, this, &AuftragsEditor::view_context);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            &AuftragsEditor::view_admin_context);
    m_view->setEditTriggers(QAbstractItemView::SelectedClicked
                            | QAbstractItemView::EditKeyPressed);
}

void AuftragsEditor::setStore(AuftragsStore* store)
{
    m_store = store;
    if (!store)
        return;
    zeigeModel(m_admin ? store->filterModel(m_von->dateTime(), m_bis->dateTime()) : store->listenModel(auswahl()));
    AuftragsListe::richteEin(m_view, this);
    // Only the administrator edits in place; the list opens an order on a double click.
    if (!m_admin) {
        m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
        connect(m_view, &QAbstractItemView::doubleClicked, this, &AuftragsEditor::selected,
                Qt::UniqueConnection);
    }
    resizeTable();
}

void AuftragsEditor::selected(QModelIndex idx)
{
    emit auftragClicked(idx.sibling(idx.row(), AuftragsListe::Nr).data().toInt());
}

void AuftragsEditor::dateChanged()
{
    if (!m_store)
        return;
    // The store compares calendar dates, inclusive at both ends, so "to"
    // itself is the last day listed.
    zeigeModel(m_admin ? m_store->filterModel(m_von->dateTime(), m_bis->dateTime())
                       : m_store->listenModel(auswahl()));
    resizeTable();
}

void AuftragsEditor::setHeute(const QDate& heute)
{
    m_heute = heute;
    dateChanged();
}

Auftragsauswahl AuftragsEditor::auswahl() const
{
    Auftragsauswahl w;
    w.von = m_von->date();
    w.bis = m_bis->date();
    w.typ = m_art->currentIndex() - 1;
    w.status = m_status->currentIndex() - 1;
    w.offen = m_nurOffen->isChecked();
    w.ueberfaellig = m_ueberfaellig->isChecked();
    w.suche = m_suche->text();
    w.heute = m_heute;
    return w;
}

void AuftragsEditor::zeigeSummen()
{
    if (!m_store || m_admin)
        return;
    const Auftragssummen s = m_store->summen(auswahl());
    m_summen->setText(tr("%n Aufträge: netto %1, brutto %2, offen %3", "", s.anzahl)
                          .arg(s.netto.text(), s.brutto.text(), s.offen.text()));
    Auftragsauswahl offen;
    offen.offen = true;
    offen.heute = m_heute;
    const Auftragssummen o = m_store->summen(offen);
    m_offen->setText(tr("Offen %1, überfällig %2").arg(o.offen.text(), o.ueberfaellig.text()));
}

void AuftragsEditor::zeigeModel(QSqlTableModel* model)
{
    AuftragsListe::ersetzeModel(m_view, m_model, model);
    Speicherhinweis::pruefeListe(this, tr("Aufträge"), model);
    // The commands follow the current row, so a menu or tool bar holding
    // them acts on the order the user picked.
    m_aktionen->waehle(Auftrag());
    if (m_view->selectionModel())
        connect(m_view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
                [this](const QModelIndex& index) {
                    const int nr = index.sibling(index.row(), AuftragsListe::Nr).data().toInt();
                    m_aktionen->waehle(nr > 0 && m_store ? m_store->getAuftrag(nr) : Auftrag());
                });
    // A new model brings all columns back.
    for (const char* name : {"Nr", "Ort", "Bemerkung", "Lieferung", "Komentar", "Version", "Bezug", "Netto"})
        m_view->hideColumn(AuftragsListe::spalte(m_view, name));
    // The sums follow the list, also when the store reads it again after a write;
    // once for the resets of one turn of the event loop (a new list, then sorted).
    if (model && !m_admin) {
        connect(model, &QAbstractItemModel::modelReset, m_summenFolgen, qOverload<>(&QTimer::start));
        m_summenFolgen->start();
    }
}

void AuftragsEditor::resizeTable()
{
    AuftragsListe::setzeSpalten(m_view, m_settings, Einstellung::fenster(staticMetaObject,
        Einstellung::Kopfzeile));
}

void AuftragsEditor::view_context(QPoint p)
{
    AuftragsListe::kontextMenu(m_view, p, m_store, m_aktionen,
                               {AuftragsBefehl::Anzeigen, AuftragsBefehl::KundeAnzeigen,
                                AuftragsBefehl::Vorschau, AuftragsBefehl::Drucken, AuftragsBefehl::Pdf,
                                AuftragsBefehl::Xml, AuftragsBefehl::Email,
                                AuftragsBefehl::RechnungAusAngebot, AuftragsBefehl::GutschriftAusRechnung,
                                AuftragsBefehl::Kundendaten, AuftragsBefehl::Zahlungen,
                                 AuftragsBefehl::Mahnung},
                               AuftragsStatus::Storniert);
}

void AuftragsEditor::view_admin_context(QPoint p)
{
    const int nr = AuftragsListe::nrUnter(m_view, p);
    if (nr <= 0 || !m_store)
        return;
    QMenu menu(this);
    QAction* loeschen = menu.addAction(tr("Löschen"));
    if (menu.exec(m_view->viewport()->mapToGlobal(p)) != loeschen)
        return;
    const QMessageBox::StandardButton antwort = Interaktion::instance()->question(
        this, tr("Auftrag löschen"), tr("Wollen Sie diesen Auftrag wirklich permanent löschen?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Warning);
    if (antwort != QMessageBox::Yes)
        return;
    if (!m_store->delAuftrag(nr))
        Interaktion::instance()->warning(this, tr("Auftrag löschen"),
                                         tr("Der Auftrag konnte nicht gelöscht werden.") + "\n"
                                             + m_store->letzterFehler().text);
}

void AuftragsEditor::save()
{
    if (!m_model)
        return;
    // Every row the filter selected, not only those fetched for display.
    while (m_model->canFetchMore())
        m_model->fetchMore();

    const int zeilen = m_model->rowCount();
    const int spalten = m_model->columnCount();
    auto kopie = std::make_unique<QStandardItemModel>(zeilen, spalten);
    for (int c = 0; c < spalten; ++c)
        for (int rolle : {int(Qt::DisplayRole), TabellenQuelle::SpaltenName})
            kopie->setHeaderData(c, Qt::Horizontal, m_model->headerData(c, Qt::Horizontal, rolle), rolle);

    // The coded columns are written as their names.
    const QMap<int, QStringList> codes{{AuftragsListe::Status, CodeTabellen::auftragsStatus()},
                                       {AuftragsListe::Typ, CodeTabellen::auftragsarten()},
                                       {AuftragsListe::Zahlung, CodeTabellen::zahlungsarten()},
                                       {AuftragsListe::Dienst, CodeTabellen::dienstTypen()}};
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            const QVariant wert = m_model->index(r, c).data();
            auto* item = new QStandardItem;
            if (codes.contains(c))
                item->setText(CodeTabellen::name(codes[c], wert.toInt()));
            else
                item->setData(wert, Qt::DisplayRole);
            kopie->setItem(r, c, item);
        }
    }
    exportTabelle(this, tr("Aufträge exportieren"), kopie.get());
}
