#include "windows/auftragsdialog.h"

#include "platform/interaktion.h"
#include "print/ciiaufbau.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "store/ausstellung.h"
#include "store/produktstore.h"
#include "windows/eingabeschutz.h"
#include "windows/produktewidget.h"
#include "windows/speicherhinweis.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QPushButton* knopf(const QString& text, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

// Codes outside the list leave the combo without a current item.
void setzeCode(QComboBox* box, int code)
{
    box->setCurrentIndex(code >= 0 && code < box->count() ? code : -1);
}

}  // namespace

AuftragsDialog::AuftragsDialog(QWidget* parent)
    : QDialog(parent),
      m_typ(new QComboBox(this)),
      m_dienst(new QComboBox(this)),
      m_zahlung(new QComboBox(this)),
      m_status(new QComboBox(this)),
      m_bestellNr(new QLineEdit(this)),
      m_kundeLabel(new QLabel(this)),
      m_ustIdHinweis(new QLabel(this)),
      m_ausgestelltHinweis(new QLabel(this)),
      m_komentar(new QPlainTextEdit(this)),
      m_lieferanschrift(new QPlainTextEdit(this)),
      m_produkte(new ProdukteWidget(this)),
      m_ok(knopf(tr("Ok"), this)),
      m_abbrechen(knopf(tr("Abbrechen"), this)),
      m_drucken(knopf(tr("Drucken"), this))
{
    m_bestellNr->setMaxLength(255);
    m_komentar->setMaximumHeight(80);
    Eingabeschutz::tabVerlaesst(m_komentar);
    m_lieferanschrift->setObjectName("Lieferanschrift");
    m_lieferanschrift->setMaximumHeight(80);
    m_lieferanschrift->setPlaceholderText(tr("leer: die Rechnungsanschrift"));
    Eingabeschutz::tabVerlaesst(m_lieferanschrift);
    m_produkte->setMinimumWidth(700);

    auto* form = new QFormLayout(this);
    m_ausgestelltHinweis->setWordWrap(true);
    m_ausgestelltHinweis->hide();
    form->addRow(m_ausgestelltHinweis);
    form->addRow(tr("Typ"), m_typ);
    form->addRow(tr("Auftragsart"), m_dienst);
    form->addRow(tr("Zahlungsart"), m_zahlung);
    form->addRow(tr("Status"), m_status);
    form->addRow(tr("BestellNr"), m_bestellNr);
    form->addRow(tr("Kunde"), m_kundeLabel);
    m_ustIdHinweis->setWordWrap(true);
    m_ustIdHinweis->setStyleSheet("color: #b00000");
    m_ustIdHinweis->hide();
    form->addRow(m_ustIdHinweis);
    form->addRow(tr("Lieferanschrift"), m_lieferanschrift);
    form->addRow(tr("Bemerkung"), m_komentar);
    form->addRow(m_produkte);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(m_ok);
    knoepfe->addWidget(m_abbrechen);
    knoepfe->addSpacing(200);
    knoepfe->addWidget(m_drucken);
    form->addRow(knoepfe);

    m_typ->addItems(CodeTabellen::auftragsarten());
    m_dienst->addItems(CodeTabellen::dienstTypen());
    m_zahlung->addItems(CodeTabellen::zahlungsarten());
    m_status->addItems(CodeTabellen::auftragsStatus());

    setWindowTitle(tr("Neue Rechnung"));

    connect(m_ok, &QPushButton::pressed, this, &QDialog::accept);
    connect(m_abbrechen, &QPushButton::pressed, this, &QDialog::reject);
    connect(m_drucken, &QPushButton::pressed, this, &AuftragsDialog::print);
    connect(m_zahlung, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AuftragsDialog::data_changed);
    connect(m_dienst, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AuftragsDialog::typ_changed);
    connect(m_typ, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &AuftragsDialog::zeigeUstIdHinweis);
    data_changed();
    m_anfang = eingaben();
}

void AuftragsDialog::setProduktStore(ProduktStore* store)
{
    m_produktStore = store;
    m_produkte->setProduktStore(store);
}

void AuftragsDialog::setAuftragsStore(AuftragsStore* store)
{
    m_auftragsStore = store;
}

void AuftragsDialog::setAuftrag(Auftrag a)
{
    m_kunde = a.Kunde;
    m_auftrag = a;

    if (a.Nr < 1)
        setWindowTitle(tr("Neuer Auftrag"));
    else
        setWindowTitle(tr("%1: %2")
                           .arg(CodeTabellen::name(CodeTabellen::auftragsarten(), a.Typ))
                           .arg(a.belegNummer()));

    setzeCode(m_typ, a.Typ);
    setzeCode(m_dienst, a.Dienst);
    setzeCode(m_status, a.Status);
    setzeCode(m_zahlung, a.Zahlung);

    m_kundeLabel->setText(QString("%1\n%2\n%3\n%4 %5")
                              .arg(m_kunde.Firma, m_kunde.Name, m_kunde.Strasse, m_kunde.PLZ,
                                   m_kunde.Ort));
    m_komentar->setPlainText(a.Komentar);
    // A new order goes where the customer has its goods delivered.
    m_lieferanschrift->setPlainText(a.Lieferanschrift.isEmpty() && a.Status == AuftragsStatus::Neu
                                        ? m_kunde.Lieferanschrift
                                        : a.Lieferanschrift);
    m_produkte->setAuftrag(a);
    m_bestellNr->setText(a.BestellNr);

    const bool neu = a.Status == AuftragsStatus::Neu;
    // An issued document is final: only its status moves on.
    const bool fest = Ausstellung::istAusgestellt(a);
    m_typ->setEnabled(neu && !fest);
    m_dienst->setEnabled(neu && !fest);
    m_status->setEnabled(a.Nr != 0);
    m_zahlung->setEnabled(!fest);
    m_bestellNr->setEnabled(!fest);
    m_komentar->setReadOnly(fest);
    m_lieferanschrift->setReadOnly(fest);
    m_produkte->setEnabled(!fest);
    m_ausgestelltHinweis->setText(fest ? Ausstellung::grund(a) : QString());
    m_ausgestelltHinweis->setVisible(fest);
    data_changed();
    zeigeUstIdHinweis();
    m_anfang = eingaben();
}

QString AuftragsDialog::eingaben() const
{
    QStringList teile{QString::number(m_typ->currentIndex()), QString::number(m_dienst->currentIndex()),
                      QString::number(m_zahlung->currentIndex()), QString::number(m_status->currentIndex()),
                      m_bestellNr->text(), m_komentar->toPlainText(),
                      m_lieferanschrift->toPlainText()};
    for (const AuftragsLine& l : m_produkte->lines())
        teile << QString::number(l.Anzahl) << l.Einheit << l.ProduktNr << l.Produkt << l.Komentar
              << QString::number(l.Preis, 'g', 17);
    return teile.join(QChar(0x1f));
}

void AuftragsDialog::reject()
{
    if (eingaben() != m_anfang && !Eingabeschutz::verwerfen(this))
        return;
    QDialog::reject();
}

void AuftragsDialog::uebernehmeEingaben()
{
    if (Ausstellung::istAusgestellt(m_auftrag)) {
        m_auftrag.Status = m_status->currentIndex();
        return;
    }
    m_auftrag.Zeilen = m_produkte->lines();
    if (m_auftrag.Status == AuftragsStatus::Neu || m_auftrag.Status == AuftragsStatus::Gespeichert)
        m_auftrag.Eingang = QDateTime::currentDateTime();
    m_auftrag.Zahlung = m_zahlung->currentIndex();
    m_auftrag.Typ = m_typ->currentIndex();
    m_auftrag.Dienst = m_dienst->currentIndex();
    m_auftrag.Status = m_status->currentIndex();
    m_auftrag.BestellNr = m_bestellNr->text().trimmed();
    m_auftrag.Komentar = m_komentar->toPlainText();
    m_auftrag.Lieferanschrift = m_lieferanschrift->toPlainText().trimmed();
}

void AuftragsDialog::print()
{
    uebernehmeEingaben();
    if (m_auftrag.AuftragsNr == 0) {
        // Nothing unstored is printed; the user keeps all input to retry.
        const QString text = tr("Der Auftrag konnte nicht gespeichert werden und wurde nicht gedruckt.");
        if (!m_auftragsStore) {
            Interaktion::instance()->warning(this, tr("Auftrag speichern"), text);
            return;
        }
        if (!Speicherhinweis::wiederhole(this, tr("Auftrag speichern"), text, m_auftragsStore.data(),
                                         [this] { return m_auftragsStore->addAuftrag(m_auftrag); }))
            return;
        // The store sets the status of a new order; show what it holds now.
        setzeCode(m_status, m_auftrag.Status);
        m_status->setEnabled(m_auftrag.Nr != 0);
    }
    accept();
    emit drucken(m_auftrag);
    // Printing may move the status on ("Gedruckt"); the next collection must
    // carry that, not the status the combo showed before.
    setzeCode(m_status, m_auftrag.Status);
}

void AuftragsDialog::data_changed()
{
    m_ok->setEnabled(m_zahlung->currentIndex() >= 0);
}

void AuftragsDialog::typ_changed()
{
    m_produkte->setTyp(Auftrag::dienstTyp(m_dienst->currentIndex()));
    zeigeUstIdHinweis();
}

void AuftragsDialog::zeigeUstIdHinweis()
{
    // Said while the order is entered, so the invoice does not fall back to a
    // plain PDF later; one line of the tax settings stands for the lines.
    Auftrag a = m_auftrag;
    a.Kunde = m_kunde;
    a.Typ = m_typ->currentIndex();
    a.Dienst = m_dienst->currentIndex();
    a.Zeilen = {AuftragsLine()};
    const QStringList fehlt =
        CiiAufbau::elektronisch(a) ? CiiAufbau(a).fehlendeUstIds() : QStringList();
    m_ustIdHinweis->setText(
        tr("Innergemeinschaftliche Lieferung: für die elektronische Rechnung fehlt %1.")
            .arg(fehlt.join(tr(" und "))));
    m_ustIdHinweis->setVisible(!fehlt.isEmpty());
}
