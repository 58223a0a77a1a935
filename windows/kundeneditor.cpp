#include "windows/kundeneditor.h"

#include "exchange/tabellenexport.h"
#include "platform/einstellung.h"
#include "records/codetabellen.h"
#include "store/kundenstore.h"
#include "windows/kundenfilter.h"
#include "windows/speicherhinweis.h"
#include "windows/spaltentitel.h"

#include <QAbstractProxyModel>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
// The customer number of idx's row; 0 for none.
int kundenNr(const QModelIndex& idx)
{
    QModelIndex i = idx;
    while (const auto* filter = qobject_cast<const QAbstractProxyModel*>(i.model()))
        i = filter->mapToSource(i);
    const auto* model = qobject_cast<const QSqlTableModel*>(i.model());
    return model ? i.siblingAtColumn(model->fieldIndex("Nr")).data().toInt() : 0;
}
}  // namespace

KundenEditor::KundenEditor(QWidget* parent) : QWidget(parent)
{
    m_view = new QTableView(this);
    m_filterModell = new KundenFilter(this);
    m_view->setModel(m_filterModell);
    m_typ = new QComboBox(this);
    m_typ->addItem(tr("Alle"));
    m_typ->addItems(CodeTabellen::kundenTypen());
    m_filter = new QLineEdit(this);
    m_filter->setClearButtonEnabled(true);
    auto* neu = new QPushButton(tr("Neu"), this);
    auto* alle = new QPushButton(tr("Alle"), this);

    auto* oben = new QHBoxLayout;
    oben->addWidget(neu);
    oben->addSpacing(20);
    oben->addWidget(new QLabel(tr("Typ"), this));
    oben->addWidget(m_typ);
    oben->addWidget(new QLabel(tr("Filter"), this));
    oben->addWidget(m_filter);
    oben->addSpacing(20);
    oben->addWidget(alle);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(oben);
    layout->addWidget(m_view);

    connect(neu, &QPushButton::pressed, this, &KundenEditor::neuerKunde);
    connect(alle, &QPushButton::pressed, this, &KundenEditor::resetFilter);
    connect(m_typ, &QComboBox::currentIndexChanged, this, &KundenEditor::updateFilter);
    connect(m_filter, &QLineEdit::textChanged, this, &KundenEditor::updateFilter);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, &KundenEditor::view_context);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

KundenEditor::~KundenEditor()
{
    m_settings.setValue(Einstellung::fenster(staticMetaObject, Einstellung::Kopfzeile),
        m_view->horizontalHeader()->saveState());
    // The store parents its list models; the one shown belongs to us.
    m_filterModell->setSourceModel(nullptr);
    delete m_model;
}

void KundenEditor::setStore(KundenStore* store)
{
    m_store = store;
    // The whole list is read once and again when the store reports a change;
    // the filter narrows it in memory, so typing costs no query.
    QSqlTableModel* alt = m_model;
    m_model = store ? store->filterModel(0, QString()) : nullptr;
    Spaltentitel::setze(m_model);
    m_filterModell->setSourceModel(m_model);
    delete alt;
    Speicherhinweis::pruefeListe(this, tr("Kunden"), m_model);
    updateFilter();
    versteckeSpalten();
    connect(m_view, &QAbstractItemView::doubleClicked, this, &KundenEditor::selected,
            Qt::UniqueConnection);
    m_view->setSortingEnabled(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setAlternatingRowColors(true);
    // One line per customer; long addresses are elided rather than doubling the rows.
    m_view->setWordWrap(false);
    m_view->horizontalHeader()->setStretchLastSection(true);
    const QByteArray header = m_settings.value(Einstellung::fenster(staticMetaObject,
        Einstellung::Kopfzeile)).toByteArray();
    if (!header.isEmpty())
        m_view->horizontalHeader()->restoreState(header);
    else
        passeSpaltenAn();
}

void KundenEditor::passeSpaltenAn()
{
    m_view->resizeColumnsToContents();
    // A long remark must not push the other columns out of sight, and the
    // names and addresses get room before the first customer is there.
    const int zeichen = m_view->fontMetrics().horizontalAdvance(QLatin1Char('x'));
    const QStringList breit = {"Firma", "Name", "Strasse", "Ort", "Email"};
    for (int spalte = 0; spalte < m_view->model()->columnCount(); ++spalte) {
        const bool text = m_model && breit.contains(m_model->record().fieldName(spalte));
        m_view->setColumnWidth(spalte, std::clamp(m_view->columnWidth(spalte), text ? 18 * zeichen : 0,
                                                  40 * zeichen));
    }
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 8);
}

void KundenEditor::versteckeSpalten()
{
    if (!m_model)
        return;
    const QStringList versteckt = {"Tel", "Tel2", "Fax", "Typ", "IBAN", "BIC", "Steuernummer",
                                   "Seit", "Land", "Version"};
    for (int spalte = 0; spalte < m_model->columnCount(); ++spalte)
        m_view->setColumnHidden(spalte, versteckt.contains(m_model->record().fieldName(spalte)));
}

void KundenEditor::zeigeModell(int typ, const QString& text)
{
    m_filterModell->setzeFilter(typ, text);
}

void KundenEditor::updateFilter()
{
    zeigeModell(m_typ->currentIndex(), m_filter->text());
}

void KundenEditor::resetFilter()
{
    m_typ->setCurrentIndex(0);
    m_filter->clear();
    zeigeModell(0, QString());
}

void KundenEditor::selected(const QModelIndex& idx)
{
    emit kundeClicked(kundenNr(idx));
}

QMenu* KundenEditor::kontextMenu(const QPoint& pos)
{
    const QModelIndex idx = m_view->indexAt(pos);
    const int nr = kundenNr(idx);
    if (nr <= 0 || !m_store)
        return nullptr;
    const Kunde k = m_store->getKunde(nr);

    auto* menu = new QMenu(this);
    connect(menu->addAction(tr("Anzeigen")), &QAction::triggered, this,
            [this, nr] { emit kundeClicked(nr); });
    connect(menu->addAction(tr("Zeige Rechnungen")), &QAction::triggered, this,
            [this, k] { emit listRechnungen(k); });
    connect(menu->addAction(tr("Neue Rechnung")), &QAction::triggered, this,
            [this, k] { emit neueRechnung(k); });
    QAction* mail = menu->addAction(tr("Email schreiben"));
    mail->setEnabled(!k.Email.isEmpty());
    connect(mail, &QAction::triggered, this, [this, k] { emit email(k); });
    return menu;
}

void KundenEditor::view_context(const QPoint& p)
{
    QMenu* menu = kontextMenu(p);
    if (!menu)
        return;
    menu->exec(m_view->viewport()->mapToGlobal(p));
    delete menu;
}

void KundenEditor::save()
{
    exportTabelle(this, tr("Kunden exportieren"), m_view->model());
}
