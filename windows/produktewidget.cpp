#include "windows/produktewidget.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "delegates/betragfeld.h"
#include "delegates/formateddoubledelegate.h"
#include "print/belegbetraege.h"
#include "print/layouts.h"
#include "print/steuer.h"
#include "records/dezimaltext.h"
#include "store/produktstore.h"
#include "windows/ascompleter.h"
#include "windows/produktlinemodel.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSpinBox>
#include <QSqlTableModel>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>
#include <tuple>

namespace {

// The percentage of a reduction in hundredths of a percent: 0.10 % to 100 %.
const int prozentStellen = 2;
const qint64 prozentMin = 10, prozentMax = 10000;

QString pruefeProzent(const QString& text)
{
    return BetragFeld::pruefe(text, prozentStellen, QStringLiteral("%"), prozentMin, prozentMax);
}

// An amount asked in a box: its text when typed, nothing when cancelled.
std::optional<Betrag> frageBetrag(QWidget* parent, const QString& titel, const QString& text,
                                  Betrag vorgabe)
{
    bool ok = false;
    const QString t = Interaktion::instance()->getCheckedText(
        parent, titel, text, vorgabe.zahl(), [](const QString& s) { return BetragFeld::pruefeBetrag(s); },
        &ok);
    if (!ok)
        return std::nullopt;
    return Betrag::lies(t);
}

}  // namespace

ProdukteWidget::ProdukteWidget(QWidget* parent)
    : QFrame(parent),
      m_menge(new QSpinBox(this)),
      m_eingabe(new QLineEdit(this)),
      m_liste(new QToolButton(this)),
      m_prozent(new QToolButton(this)),
      m_view(new QTableView(this)),
      m_model(new ProduktLineModel(this)),
      m_summe(new QLabel(this)),
      m_completer(new AsCompleter(false, this))
{
    m_menge->setRange(1, 999);
    m_menge->setValue(1);
    m_liste->setArrowType(Qt::DownArrow);
    m_prozent->setText(tr("%"));

    auto* layout = new QVBoxLayout(this);
    auto* oben = new QHBoxLayout;
    oben->addWidget(m_menge, 0);
    oben->addWidget(m_eingabe, 8);
    oben->addWidget(m_liste);
    oben->addWidget(m_prozent);
    layout->addLayout(oben);
    layout->addWidget(m_view);
    auto* unten = new QHBoxLayout;
    unten->addSpacing(100);
    unten->addWidget(m_summe);
    unten->addSpacing(100);
    layout->addLayout(unten);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    m_view->setModel(m_model);
    const int breiten[ProduktLineModel::Spalten] = {50, 80, 380, 70, 70};
    for (int i = 0; i < ProduktLineModel::Spalten; ++i)
        m_view->setColumnWidth(i, breiten[i]);
    m_view->setAlternatingRowColors(true);
    m_view->setShowGrid(false);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    auto* geld = new FormatedDoubleDelegate(tr("%1 €"), 2);
    geld->setParent(this);
    m_view->setItemDelegateForColumn(ProduktLineModel::Netto, geld);
    m_view->setItemDelegateForColumn(ProduktLineModel::Brutto, geld);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);

    m_completer->setLineEdit(m_eingabe);

    connect(m_eingabe, &QLineEdit::returnPressed, this, qOverload<>(&ProdukteWidget::eingabe));
    connect(m_menge, &QSpinBox::editingFinished, m_eingabe, qOverload<>(&QWidget::setFocus));
    connect(m_completer, &AsCompleter::completed, this,
            qOverload<QString>(&ProdukteWidget::eingabe));
    connect(m_liste, &QToolButton::pressed, m_completer, &AsCompleter::listAll);
    connect(m_prozent, &QToolButton::pressed, this, &ProdukteWidget::prozente);
    connect(m_view, &QWidget::customContextMenuRequested, this,
            &ProdukteWidget::view_item_context);
}

ProdukteWidget::~ProdukteWidget()
{
    m_completer->setSourceModel(nullptr);
    delete m_filterModel;
}

void ProdukteWidget::setProduktStore(ProduktStore* store)
{
    m_store = store;
    QSqlTableModel* produkte = store ? store->model() : nullptr;
    m_completer->setSourceModel(produkte);
    if (!produkte)
        return;
    // Typed and listed: the name; entered: the product number. The filtered
    // models the store hands out have the same columns.
    m_completer->setDisplayColumn(produkte->fieldIndex("Name"));
    m_completer->setCompletionColumn(produkte->fieldIndex("Nr"));
    m_completer->setFilterKeyColumn(produkte->fieldIndex("Name"));
}

double ProdukteWidget::summe() const
{
    return m_model->summe();
}

QList<AuftragsLine> ProdukteWidget::lines() const
{
    return m_model->lines();
}

void ProdukteWidget::clear()
{
    m_menge->setValue(1);
    m_eingabe->clear();
    m_summe->clear();
    m_eingabe->setFocus();
}

void ProdukteWidget::setAuftrag(Auftrag a)
{
    m_model->setLines(a.Zeilen);
    m_dienst = a.Dienst;
    m_kunde = a.Kunde;
    filtereProdukte(a.Dienst);
    updateSumme();
}

void ProdukteWidget::setTyp(Auftrag::dienstTyp typ)
{
    m_dienst = typ;
    filtereProdukte(typ);
    updateSumme();
}

void ProdukteWidget::filtereProdukte(int typ)
{
    if (!m_store || !Einstellung::schalter(Einstellung::ProdukteFilter, m_settings))
        return;
    QSqlTableModel* alt = m_filterModel;
    m_filterModel = m_store->filterModel(typ);
    m_completer->setSourceModel(m_filterModel);
    delete alt;
}

void ProdukteWidget::eingabe()
{
    eingabe(m_eingabe->text());
}

void ProdukteWidget::eingabe(QString text)
{
    const int menge = m_menge->value();
    clear();

    Produkt p;
    if (m_store) {
        p = m_store->getProdukt(text);
        if (p.Nr.isEmpty())
            p = m_store->getProduktByName(text);
    }
    if (p.Nr.isEmpty()) {
        p = Produkt();
        p.Name = text;
        const std::optional<Betrag> preis =
            frageBetrag(this, tr("Unbekanntes Produkt"),
                        tr("Unbekanntes Produkt!\nBitte geben sie die Preis an."), Betrag());
        if (!preis) {
            updateSumme();
            return;
        }
        p.Preis = preis->euro();
    }

    AuftragsLine l;
    l.Anzahl = menge;
    l.Produkt = p.Name;
    l.ProduktNr = p.Nr;
    l.Komentar = p.Desc;
    l.Einheit = p.Einheit;
    // The line total: quantity × unit price, rounded to cents once.
    l.Preis = Betrag::ausEuro(menge * p.Preis).euro();
    // The product's VAT; none: the rate of the tax settings when printed.
    std::tie(l.Kategorie, l.Satz) = std::make_tuple(p.Kategorie, p.Satz);
    m_view->scrollTo(m_model->appendLine(l));
    updateSumme();
}

void ProdukteWidget::prozente()
{
    AuftragsLine l;
    l.Anzahl = m_menge->value();
    l.Produkt = m_eingabe->text();
    bool ok = false;
    const QString text = Interaktion::instance()->getCheckedText(
        this, tr("Prozente"), tr("Geben Sie den Prozentsatz ein"), dezimalText(500, prozentStellen),
        pruefeProzent, &ok);
    const std::optional<qint64> prozent = leseDezimal(text, prozentStellen, QStringLiteral("%"));
    if (ok && prozent) {
        // One reduction per VAT category and rate, so that each rate's base shrinks
        // by its share; each an amount in whole cents, as it prints.
        QList<AuftragsLine> gruppen;
        QList<Betrag> summen;
        for (const AuftragsLine& z : m_model->lines()) {
            qsizetype i = 0;
            while (i < gruppen.size() && (gruppen[i].Kategorie != z.Kategorie || gruppen[i].Satz != z.Satz))
                ++i;
            if (i == gruppen.size()) {
                std::tie(l.Kategorie, l.Satz) = std::make_tuple(z.Kategorie, z.Satz);
                gruppen << l;
                summen << Betrag();
            }
            summen[i] = summen[i] + Betrag::ausEuro(z.Preis);
        }
        const double anteil = double(*prozent) / 10000.0;
        for (qsizetype i = 0; i < gruppen.size(); ++i) {
            gruppen[i].Preis = (-summen[i].anteil(anteil)).euro();
            m_view->scrollTo(m_model->appendLine(gruppen[i]));
        }
    }
    updateSumme();
}

void ProdukteWidget::view_item_context(QPoint pos)
{
    const QModelIndex index = m_view->indexAt(pos);
    using Aendern = void (ProdukteWidget::*)(const QModelIndex&);
    const std::pair<QString, Aendern> befehle[] = {
        {tr("entfernen"), &ProdukteWidget::entfernen},
        {tr("Preis ändern"), &ProdukteWidget::preisAendern},
        {tr("Menge ändern"), &ProdukteWidget::mengeAendern},
        {tr("Komentar ändern"), &ProdukteWidget::komentarAendern},
        {tr("MwSt ändern"), &ProdukteWidget::mwstAendern},
        {tr("Einheit ändern"), &ProdukteWidget::einheitAendern}};
    QMenu menu(this);
    for (const auto& befehl : befehle)
        menu.addAction(befehl.first);
    QAction* a = menu.exec(m_view->mapToGlobal(pos));
    if (!a || !index.isValid())
        return;
    (this->*befehle[menu.actions().indexOf(a)].second)(index);
    updateSumme();
}

void ProdukteWidget::entfernen(const QModelIndex& index)
{
    m_model->removeLine(index);
}

void ProdukteWidget::preisAendern(const QModelIndex& index)
{
    AuftragsLine l = m_model->line(index);
    if (const std::optional<Betrag> p = frageBetrag(this, tr("Preis ändern"),
                                                    tr("Bitte geben sie den neuen Preis an."),
                                                    Betrag::ausEuro(l.Preis))) {
        l.Preis = p->euro();
        m_model->setLine(index, l);
    }
}

void ProdukteWidget::einheitAendern(const QModelIndex& index)
{
    AuftragsLine l = m_model->line(index);
    QStringList einheiten = standardEinheiten();
    if (!l.Einheit.isEmpty() && !einheiten.contains(l.Einheit))
        einheiten.prepend(l.Einheit);
    bool ok = false;
    const QString neu = Interaktion::instance()->getItem(this, tr("Einheit ändern"), tr("Einheit"), einheiten,
                                                         qMax(0, int(einheiten.indexOf(l.Einheit))), &ok);
    if (ok) {
        l.Einheit = neu.trimmed();
        m_model->setLine(index, l);
    }
}

void ProdukteWidget::komentarAendern(const QModelIndex& index)
{
    AuftragsLine l = m_model->line(index);
    bool ok = false;
    const QString text = Interaktion::instance()->getText(
        this, tr("Komentar ändern"), tr("Bitte geben sie den neuen Komentar ein."), l.Komentar, &ok);
    if (ok) {
        l.Komentar = text;
        m_model->setLine(index, l);
    }
}

void ProdukteWidget::mwstAendern(const QModelIndex& index)
{
    AuftragsLine l = m_model->line(index);
    const QList<Steuer::Wahl> wahl = Steuer::auswahl(Layouts::deutsch());
    QStringList texte;
    int jetzt = 0;
    for (const Steuer::Wahl& w : wahl) {
        if (w.kategorie == l.Kategorie && w.satz == l.Satz)
            jetzt = texte.size();
        texte << w.text;
    }
    bool ok = false;
    const QString gewaehlt = Interaktion::instance()->getItem(this, tr("MwSt ändern"),
                                                              tr("Umsatzsteuer der Zeile:"), texte, jetzt, &ok);
    if (ok && texte.contains(gewaehlt)) {
        const Steuer::Wahl& w = wahl.at(texte.indexOf(gewaehlt));
        std::tie(l.Kategorie, l.Satz) = std::make_tuple(w.kategorie, w.satz);
        m_model->setLine(index, l);
    }
}

void ProdukteWidget::mengeAendern(const QModelIndex& index)
{
    AuftragsLine l = m_model->line(index);
    bool ok = false;
    const auto pruefe = [](const QString& t) {
        const std::optional<qint64> m = leseDezimal(t, 3);
        return m && qAbs(*m) <= 9999999 ? QString() : tr("Eine Menge mit höchstens drei Nachkommastellen.");
    };
    const QString text = Interaktion::instance()->getCheckedText(
        this, tr("Menge ändern"), tr("Bitte geben sie die neue Menge an."),
        dezimalText(qRound64(l.Anzahl * 1000.0), 3), pruefe, &ok);
    const std::optional<qint64> tausendstel = leseDezimal(text, 3);
    if (!ok || !tausendstel)
        return;
    const double neu = double(*tausendstel) / 1000.0;
    if (l.Anzahl != 0) {
        // The unit price the line prints, so a total rounded once does not drift.
        const double einzel = Belegbetraege::einzelpreis(l.Preis / l.Anzahl, l.Anzahl,
                                                         Betrag::ausEuro(l.Preis)).toDouble();
        l.Preis = Betrag::ausEuro(neu * einzel).euro();
    } else if (m_store && !l.ProduktNr.isEmpty()) {
        // No unit price can be derived from a line of quantity 0.
        const Produkt p = m_store->getProdukt(l.ProduktNr);
        if (!p.Nr.isEmpty())
            l.Preis = Betrag::ausEuro(neu * p.Preis).euro();
    }
    if (!std::isfinite(l.Preis))
        l.Preis = 0.0;
    l.Anzahl = neu;
    m_model->setLine(index, l);
}

QStringList ProdukteWidget::standardEinheiten()
{
    return {tr("Stück"), tr("Stunde"), tr("Tag"), QStringLiteral("kg"), QStringLiteral("m"), tr("pauschal")};
}

void ProdukteWidget::updateSumme()
{
    // The totals of the document this order prints as: the service kind and
    // the customer's situation decide the tax as they do on paper, for the
    // sum and for the lines' columns alike.
    Auftrag a;
    a.Dienst = m_dienst;
    a.Kunde = m_kunde;
    m_model->setRahmen(a);
    const QString text = m_model->betraege().summenText();
    if (!text.isNull())
        m_summe->setText(text);
}
