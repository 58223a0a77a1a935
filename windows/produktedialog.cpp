#include "windows/produktedialog.h"

#include "delegates/betragfeld.h"
#include "delegates/formateddoubledelegate.h"
#include "delegates/stringlistdelegate.h"
#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "records/codetabellen.h"
#include "store/listenmodell.h"
#include "store/produktstore.h"
#include "windows/produktewidget.h"
#include "windows/speicherhinweis.h"
#include "windows/spaltentitel.h"

#include <QComboBox>
#include <QDebug>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>

ProdukteDialog::ProdukteDialog(QWidget* parent)
    : QDialog(parent),
      m_view(new QTableView(this)),
      m_nr(new QLineEdit(this)),
      m_name(new QLineEdit(this)),
      m_preis(new BetragFeld(this)),
      m_neu(new QPushButton(tr("Neu"), this)),
      m_schliessen(new QPushButton(tr("Schließen"), this)),
      m_typ(new QComboBox(this)),
      m_einheit(new QComboBox(this))
{
    setWindowTitle(tr("Produkte"));
    setMinimumWidth(640);

    m_nr->setObjectName("Nr");
    m_nr->setValidator(
        new QRegularExpressionValidator(QRegularExpression("\\d+\\-{0,1}\\d*"), m_nr));
    m_name->setObjectName("Name");
    m_preis->setObjectName("Preis");
    m_preis->setFormat(2, QStringLiteral("€"), 0, 999999999);
    m_typ->addItems(CodeTabellen::produktTypen());
    // A unit of the list or any other typed.
    m_einheit->setObjectName("Einheit");
    m_einheit->setEditable(true);
    m_einheit->addItems(ProdukteWidget::standardEinheiten());
    // Room for the name; number and price need a dozen characters.
    m_nr->setMaximumWidth(12 * m_nr->fontMetrics().averageCharWidth() + 12);
    m_preis->setMaximumWidth(m_nr->maximumWidth());
    m_neu->setAutoDefault(false);
    m_schliessen->setAutoDefault(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    auto* eingabe = new QHBoxLayout;
    eingabe->addWidget(new QLabel(tr("Nr"), this));
    eingabe->addWidget(m_nr);
    eingabe->addWidget(new QLabel(tr("Name"), this));
    eingabe->addWidget(m_name, 5);
    eingabe->addWidget(new QLabel(tr("Preis"), this));
    eingabe->addWidget(m_preis);
    eingabe->addWidget(m_einheit);
    eingabe->addWidget(m_typ);
    eingabe->addWidget(m_neu);
    layout->addLayout(eingabe);
    layout->addWidget(m_view);
    auto* unten = new QHBoxLayout;
    unten->addStretch(4);
    unten->addWidget(m_schliessen);
    layout->addLayout(unten);

    connect(m_neu, &QPushButton::clicked, this, &ProdukteDialog::neuesProdukt);
    connect(m_schliessen, &QPushButton::pressed, this, &QDialog::accept);
    connect(m_nr, &QLineEdit::returnPressed, m_name, qOverload<>(&QWidget::setFocus));
    connect(m_name, &QLineEdit::returnPressed, m_preis, qOverload<>(&QWidget::setFocus));
    connect(m_preis, &QLineEdit::returnPressed, this, &ProdukteDialog::neuesProdukt);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &ProdukteDialog::view_context);

    m_view->setSortingEnabled(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    const QString groesse = Einstellung::fenster(staticMetaObject, Einstellung::Groesse);
    resize(m_settings.value(groesse, QSize(640, 400)).toSize());
}

ProdukteDialog::~ProdukteDialog()
{
    m_settings.setValue(Einstellung::fenster(staticMetaObject, Einstellung::Kopfzeile),
        m_view->horizontalHeader()->saveState());
    m_settings.setValue(Einstellung::fenster(staticMetaObject, Einstellung::Groesse), size());
    // The model belongs to the store and outlives this view.
    m_view->setModel(nullptr);
}

void ProdukteDialog::setStore(ProduktStore* s)
{
    m_store = s;
    m_model = s ? s->model() : nullptr;
    Spaltentitel::setze(m_model);
    m_view->setModel(m_model);
    if (!m_model)
        return;
    // Told after the editor has closed, not in the middle of its commit.
    if (auto* liste = qobject_cast<ListenModell*>(m_model))
        connect(liste, &ListenModell::abgelehnt, this, [this](const QString& grund) {
            Interaktion::instance()->warning(
                this, tr("Produkte"),
                tr("Die Änderung wurde nicht gespeichert; die Tabelle zeigt wieder den gespeicherten "
                   "Wert.") + "\n" + grund);
        }, Qt::QueuedConnection);
    m_view->verticalHeader()->hide();
    // Sized so that the largest price and every column fit the default width.
    const QFontMetrics fm = m_view->fontMetrics();
    const int preis = m_model->fieldIndex("Preis");
    const int typ = m_model->fieldIndex("Typ");
    m_view->setColumnWidth(m_model->fieldIndex("Nr"), 80);
    m_view->setColumnWidth(m_model->fieldIndex("Name"), 220);
    m_view->setColumnWidth(preis, fm.horizontalAdvance(tr("%1 €").arg("9999999.99")) + 12);
    m_view->setColumnWidth(typ, fm.horizontalAdvance(tr("Dienstleistung")) + 30);
    m_view->horizontalHeader()->setStretchLastSection(true);
    auto* geld = new FormatedDoubleDelegate(tr("%1 €"), 2);
    geld->setParent(m_view);
    m_view->setItemDelegateForColumn(preis, geld);
    m_view->setItemDelegateForColumn(typ, new StringListDelegate(CodeTabellen::produktTypen(), m_view));
    const QByteArray kopf = m_settings.value(Einstellung::fenster(staticMetaObject,
        Einstellung::Kopfzeile)).toByteArray();
    if (!kopf.isEmpty())
        m_view->horizontalHeader()->restoreState(kopf);
}

void ProdukteDialog::neuesProdukt()
{
    if (!m_store)
        return;
    Produkt p;
    p.Nr = m_nr->text();
    p.Name = m_name->text();
    p.Typ = m_typ->currentIndex();
    p.Einheit = m_einheit->currentText().trimmed();
    // An empty price is a product at 0.00.
    const std::optional<Betrag> preis =
        m_preis->text().trimmed().isEmpty() ? std::optional<Betrag>(Betrag()) : m_preis->betrag();
    if (!preis) {
        Interaktion::instance()->warning(this, tr("Neues Produkt"), m_preis->hinweis());
        m_preis->setFocus();
        return;
    }
    p.Preis = preis->euro();
    if (p.Nr.isEmpty()) {
        Interaktion::instance()->warning(this, tr("Neues Produkt"),
                                         tr("Bitte geben Sie eine Produktnummer ein."));
        m_nr->setFocus();
        return;
    }
    if (!m_store->addProdukt(p)) {
        Interaktion::instance()->warning(
            this, tr("Neues Produkt"),
            tr("Das Produkt %1 konnte nicht angelegt werden. Gibt es die Nummer schon?").arg(p.Nr));
        m_nr->setFocus();
        return;
    }
    m_nr->clear();
    m_name->clear();
    m_preis->clear();
    m_nr->setFocus();
}

void ProdukteDialog::view_context(QPoint p)
{
    qDebug() << "view context" << p;
    if (!m_store || !m_model)
        return;
    const QModelIndex unter = m_view->indexAt(p);
    const int nrSpalte = m_model->fieldIndex("Nr");
    const QString nr = unter.sibling(unter.row(), nrSpalte).data().toString();
    if (nr.isEmpty())
        return;
    const QModelIndexList zeilen = m_view->selectionModel()->selectedRows(nrSpalte);

    QMenu menu(this);
    QAction* entfernen = menu.addAction(tr("entfernen"));
    if (menu.exec(m_view->viewport()->mapToGlobal(p)) != entfernen)
        return;
    const bool eines = zeilen.size() == 1;
    const auto antwort = Interaktion::instance()->question(
        this, eines ? tr("Produkt entfernen") : tr("Produkte entfernen"),
        eines ? tr("Wollen Sie dieses Produkt wirklich permanent löschen")
              : tr("Wollen Sie diese Produkte wirklich permanent löschen"),
        QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, QMessageBox::Warning);
    if (antwort != QMessageBox::Ok)
        return;
    // Numbers first: every delete re-selects the model and moves the rows.
    QStringList nummern;
    if (eines)
        nummern << nr;
    else
        for (const QModelIndex& i : zeilen)
            nummern.prepend(i.data().toString());
    for (const QString& n : std::as_const(nummern)) {
        // The rest is not tried after a refusal the user gave up on.
        if (!Speicherhinweis::wiederhole(this, eines ? tr("Produkt entfernen") : tr("Produkte entfernen"),
                                         tr("Das Produkt %1 wurde nicht gelöscht.").arg(n), m_store.data(),
                                         [&] { return m_store->delProdukt(n); }))
            return;
    }
}
