#include "stats/statistikdialog.h"

#include "delegates/formateddoubledelegate.h"
#include "exchange/tabellenexport.h"
#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "records/codetabellen.h"
#include "stats/umsatzdiagramm.h"
#include "stats/umsatzregel.h"
#include "store/auftragsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QComboBox* auswahl(const QStringList& namen, QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->addItem(StatistikDialog::tr("Alle"));
    c->addItems(namen);
    return c;
}

QDateEdit* datum(const QDate& d, QWidget* parent)
{
    auto* e = new QDateEdit(d, parent);
    e->setCalendarPopup(true);
    e->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return e;
}

// A combo box position: 0 all, otherwise code position - 1.
bool passt(int index, int code)
{
    return index < 1 || code == index - 1;
}

}  // namespace

StatistikDialog::StatistikDialog(const QString& name, int summenSpalte, QWidget* parent)
    : QDialog(parent),
      m_berechnen(new QPushButton(tr("Berechnen"), this)),
      m_exportieren(new QPushButton(tr("Exportieren"), this)),
      m_name(name),
      m_summenSpalte(summenSpalte),
      m_view(new QTableView(this)),
      m_model(new QStandardItemModel(this)),
      m_seiten(new QTabWidget(this)),
      m_diagramm(new UmsatzDiagramm(this)),
      m_betragDelegate(std::make_unique<FormatedDoubleDelegate>(tr("%1 €"), 2)),
      m_filterZeile(new QHBoxLayout),
      m_art(auswahl(CodeTabellen::auftragsarten(), this)),
      m_zahlung(auswahl(CodeTabellen::zahlungsarten(), this)),
      m_status(auswahl(CodeTabellen::auftragsStatus(), this)),
      m_von(datum(QDate::currentDate().addDays(-31), this)),
      m_bis(datum(QDate::currentDate(), this)),
      m_summe(new QCheckBox(tr("Summe"), this))
{
    // Named so that scripts and tests find each filter.
    m_art->setObjectName(QStringLiteral("art"));
    m_zahlung->setObjectName(QStringLiteral("zahlung"));
    m_status->setObjectName(QStringLiteral("status"));
    m_von->setObjectName(QStringLiteral("von"));
    m_bis->setObjectName(QStringLiteral("bis"));
    m_summe->setObjectName(QStringLiteral("summe"));
    m_berechnen->setAutoDefault(false);
    m_exportieren->setAutoDefault(false);

    m_filterZeile->setContentsMargins(2, 2, 2, 2);
    m_filterZeile->addWidget(m_berechnen);
    m_filterZeile->addSpacing(20);
    m_einfuegeStelle = m_filterZeile->count();
    for (const auto& [text, box] : {std::pair{tr("&Art"), m_art}, std::pair{tr("&Zahlung"), m_zahlung},
                                    std::pair{tr("S&tatus"), m_status}}) {
        auto* label = new QLabel(text, this);
        label->setBuddy(box);
        m_filterZeile->addWidget(label);
        m_filterZeile->addWidget(box);
        // The figures follow each choice; "Berechnen" reads the database again.
        connect(box, &QComboBox::currentIndexChanged, this, &StatistikDialog::filterGeaendert);
    }
    m_filterZeile->addSpacing(10);
    m_filterZeile->addWidget(new QLabel(tr("Von"), this));
    m_filterZeile->addWidget(m_von);
    m_filterZeile->addWidget(new QLabel(tr("Bis"), this));
    m_filterZeile->addWidget(m_bis);
    m_filterZeile->addWidget(m_summe);
    connect(m_von, &QDateEdit::dateChanged, this, &StatistikDialog::filterGeaendert);
    connect(m_bis, &QDateEdit::dateChanged, this, &StatistikDialog::filterGeaendert);
    connect(m_summe, &QCheckBox::toggled, this, &StatistikDialog::filterGeaendert);

    // The chart is a second page beside the table, so the table keeps its room.
    m_seiten->addTab(m_view, tr("Tabelle"));
    m_seiten->addTab(m_diagramm, tr("Diagramm"));
    m_seiten->setDocumentMode(true);

    auto* unten = new QHBoxLayout;
    unten->setContentsMargins(2, 2, 2, 2);
    unten->addWidget(m_exportieren);
    unten->addStretch(5);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(m_filterZeile);
    layout->addWidget(m_seiten);
    layout->addLayout(unten);

    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAlternatingRowColors(true);
    m_view->setSortingEnabled(true);
    m_view->verticalHeader()->hide();
    m_view->setItemDelegateForColumn(summenSpalte, m_betragDelegate.get());
    m_view->setModel(m_model);

    resize(m_settings.value(Einstellung::fenster(m_name, Einstellung::Groesse), QSize(610, 300)).toSize());
}

StatistikDialog::~StatistikDialog()
{
    m_settings.setValue(Einstellung::fenster(m_name, Einstellung::Kopfzeile),
        m_view->horizontalHeader()->saveState());
    m_settings.setValue(Einstellung::fenster(m_name, Einstellung::Groesse), size());
    m_view->setItemDelegateForColumn(m_summenSpalte, nullptr);
}

void StatistikDialog::setKundenStore(KundenStore* store)
{
    m_kundenStore = store;
}

void StatistikDialog::setAuftragsStore(AuftragsStore* store)
{
    m_auftragsStore = store;
}

void StatistikDialog::fuegeFilterEin(QWidget* w, int abstandDanach)
{
    m_filterZeile->insertWidget(m_einfuegeStelle++, w);
    if (abstandDanach > 0)
        m_filterZeile->insertSpacing(m_einfuegeStelle++, abstandDanach);
}

bool StatistikDialog::beginne(const QStringList& spalten)
{
    // Filled apart from the view and shown when complete: a view that follows
    // every appended row makes thousands of rows slow.
    if (m_view->model() == m_model) {
        m_model = new QStandardItemModel(this);
        m_neu = true;
    } else {
        m_model->clear();
    }
    m_model->setHorizontalHeaderLabels(spalten);
    if (!m_kundenStore || !m_auftragsStore) {
        zeigeErgebnis({});
        return false;
    }
    return true;
}

void StatistikDialog::zeigeErgebnis(const QMap<QDate, Betrag>& proMonat)
{
    if (m_neu) {
        QAbstractItemModel* altesModel = m_view->model();
        QItemSelectionModel* alteAuswahl = m_view->selectionModel();
        m_view->setModel(m_model);
        delete alteAuswahl;
        delete altesModel;
        m_neu = false;
    }
    const QByteArray kopf = m_settings.value(Einstellung::fenster(m_name,
        Einstellung::Kopfzeile)).toByteArray();
    if (!kopf.isEmpty()) {
        // Column widths and order only: the rows stay in the order computed.
        const QSignalBlocker still(m_view->horizontalHeader());
        m_view->horizontalHeader()->restoreState(kopf);
    }
    if (m_kundenStore && m_auftragsStore) {
        QMap<QDate, double> euro;
        for (auto it = proMonat.cbegin(); it != proMonat.cend(); ++it)
            euro.insert(it.key(), it.value().euro());
        m_diagramm->setzeUmsatz(m_von->date(), m_bis->date(), euro);
    }
    else
        m_diagramm->leere();
}

QList<AuftragsKennzahlen> StatistikDialog::gefilterteAuftraege(bool mitZeilen)
{
    // Up to the last second of the "Bis" day: an order entered at the next
    // midnight belongs to the next range, so adjacent ranges add up.
    const QDateTime von(m_von->date(), QTime(0, 0, 0));
    const QDateTime bis(m_bis->date(), QTime(23, 59, 59));
    const int art = m_art->currentIndex();
    const int zahlung = m_zahlung->currentIndex();
    const int status = m_status->currentIndex();
    QList<AuftragsKennzahlen> liste = m_auftragsStore->getAuftraegeFuerStatistik(von, bis, mitZeilen);
    // An empty table must not pass for a period without turnover.
    if (m_auftragsStore->letzterFehler().art != Speicherfehler::Keiner)
        Interaktion::instance()->warning(this, windowTitle(),
                                         tr("Die Aufträge konnten nicht gelesen werden:\n%1")
                                             .arg(m_auftragsStore->letzterFehler().text));
    liste.erase(std::remove_if(liste.begin(), liste.end(),
                               [=](const AuftragsKennzahlen& a) {
                                   return Umsatzregel::gewicht(a, art) == 0 || !passt(zahlung, a.Zahlung)
                                          || !passt(status, a.Status);
                               }),
                liste.end());
    return liste;
}

int StatistikDialog::gewicht(const AuftragsKennzahlen& a) const
{
    return Umsatzregel::gewicht(a, m_art->currentIndex());
}

QDate StatistikDialog::monat(const AuftragsKennzahlen& a)
{
    return QDate(a.Eingang.year(), a.Eingang.month(), 1);
}

bool StatistikDialog::mitSumme() const
{
    return m_summe->isChecked();
}

void StatistikDialog::haengeSummenZeileAn(QList<QStandardItem*> zeile)
{
    for (QStandardItem* item : zeile)
        item->setData(QBrush(Qt::yellow), Qt::BackgroundRole);
    m_model->appendRow(zeile);
}

void StatistikDialog::exportiere(const QString& caption)
{
    exportTabelle(this, caption, m_model);
}

QStandardItem* StatistikDialog::textItem(const QString& text)
{
    return new QStandardItem(text);
}

QStandardItem* StatistikDialog::zahlItem(int n)
{
    auto* item = new QStandardItem(QString::number(n));
    item->setData(n, Qt::EditRole);
    return item;
}

QStandardItem* StatistikDialog::betragItem(Betrag betrag)
{
    auto* item = new QStandardItem(betrag.zahl());
    item->setData(betrag.euro(), Qt::EditRole);
    return item;
}
