#include "windows/zahlungsdialog.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The columns of the payments table, in the order of its titles.
enum Spalte { DatumSpalte, BetragSpalte, ArtSpalte, ReferenzSpalte, Spalten };

}  // namespace

ZahlungsDialog::ZahlungsDialog(AuftragsStore* store, int auftrag, QWidget* parent)
    : QDialog(parent),
      m_store(store),
      m_auftrag(auftrag),
      m_offen(new QLabel(this)),
      m_tabelle(new QTableWidget(0, Spalten, this)),
      m_datum(new QDateEdit(QDate::currentDate(), this)),
      m_betrag(new QLineEdit(this)),
      m_art(new QComboBox(this)),
      m_referenz(new QLineEdit(this))
{
    const Auftrag a = store ? store->getAuftrag(auftrag) : Auftrag();
    setWindowTitle(tr("Zahlungen zu %1").arg(a.belegNummer()));
    m_tabelle->setHorizontalHeaderLabels({tr("Datum"), tr("Betrag"), tr("Art"), tr("Referenz")});
    m_tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabelle->verticalHeader()->hide();
    m_tabelle->horizontalHeader()->setStretchLastSection(true);
    m_datum->setCalendarPopup(true);
    m_art->addItem(QString(), -1);
    const QStringList arten = CodeTabellen::zahlungsarten();
    for (int i = 0; i < arten.size(); ++i)
        m_art->addItem(arten.at(i), i);
    m_art->setCurrentIndex(m_art->findData(a.Zahlung) >= 0 ? m_art->findData(a.Zahlung) : 0);

    auto* erfassen = new QPushButton(tr("Erfassen"), this);
    auto* entfernen = new QPushButton(tr("Entfernen"), this);
    auto* schliessen = new QPushButton(tr("Schließen"), this);
    for (QPushButton* b : {erfassen, entfernen, schliessen})
        b->setAutoDefault(false);

    auto* eingabe = new QFormLayout;
    eingabe->addRow(tr("Datum"), m_datum);
    eingabe->addRow(tr("Betrag"), m_betrag);
    eingabe->addRow(tr("Art"), m_art);
    eingabe->addRow(tr("Referenz"), m_referenz);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(erfassen);
    knoepfe->addWidget(entfernen);
    knoepfe->addStretch(1);
    knoepfe->addWidget(schliessen);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_offen);
    layout->addWidget(m_tabelle);
    layout->addLayout(eingabe);
    layout->addLayout(knoepfe);

    connect(erfassen, &QPushButton::clicked, this, &ZahlungsDialog::erfassePressed);
    connect(entfernen, &QPushButton::clicked, this, &ZahlungsDialog::entfernePressed);
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    resize(m_settings.value(Einstellung::fenster(staticMetaObject, Einstellung::Groesse), QSize(520, 360))
               .toSize());
    zeige();
}

ZahlungsDialog::~ZahlungsDialog()
{
    m_settings.setValue(Einstellung::fenster(staticMetaObject, Einstellung::Groesse), size());
}

void ZahlungsDialog::zeige()
{
    m_tabelle->setRowCount(0);
    if (!m_store)
        return;
    const Offenposten o = m_store->offenposten(m_auftrag);
    m_offen->setText(tr("Brutto %1, bezahlt %2, gutgeschrieben %3, offen %4")
                         .arg(o.brutto.text(), o.bezahlt.text(), o.gutgeschrieben.text(), o.offen().text()));
    m_betrag->setText(o.offen() > Betrag() ? o.offen().zahl() : QString());
    const QStringList arten = CodeTabellen::zahlungsarten();
    for (const Zahlung& z : m_store->getZahlungen(m_auftrag)) {
        const int r = m_tabelle->rowCount();
        m_tabelle->insertRow(r);
        auto* datum = new QTableWidgetItem(z.Datum.toString("dd.MM.yyyy"));
        datum->setData(Qt::UserRole, z.Nr);
        m_tabelle->setItem(r, DatumSpalte, datum);
        auto* betrag = new QTableWidgetItem(z.Betrag.text());
        betrag->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_tabelle->setItem(r, BetragSpalte, betrag);
        m_tabelle->setItem(r, ArtSpalte, new QTableWidgetItem(CodeTabellen::name(arten, z.Art)));
        m_tabelle->setItem(r, ReferenzSpalte, new QTableWidgetItem(z.Referenz));
    }
}

bool ZahlungsDialog::erfasse(const QString& text, const QDate& datum, int art, const QString& referenz)
{
    if (!m_store)
        return false;
    const QString titel = tr("Zahlung erfassen");
    // Digits only: "nan", "inf" or an exponent are no amount.
    const std::optional<Betrag> betrag = Betrag::lies(text.trimmed());
    if (!betrag) {
        Interaktion::instance()->warning(this, titel,
                                         tr("„%1“ ist kein Betrag in Euro mit höchstens zwei Nachkommastellen.")
                                             .arg(text));
        return false;
    }
    if (*betrag <= Betrag()) {
        Interaktion::instance()->warning(this, titel, tr("Der Betrag einer Zahlung muss größer als 0 sein."));
        return false;
    }
    const Betrag offen = m_store->offenposten(m_auftrag).offen();
    if (*betrag > offen) {
        const auto antwort = Interaktion::instance()->question(
            this, titel,
            tr("Die Zahlung von %1 ist höher als der offene Betrag von %2. Trotzdem erfassen?")
                .arg(betrag->text(), offen.text()),
            QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Warning);
        if (antwort != QMessageBox::Yes)
            return false;
    }
    Zahlung z;
    z.Auftrag = m_auftrag;
    z.Datum = datum;
    z.Betrag = *betrag;
    z.Art = art;
    z.Referenz = referenz;
    return geschrieben(m_store->addZahlung(z), titel, tr("Die Zahlung konnte nicht gespeichert werden."));
}

bool ZahlungsDialog::entferne(int nr)
{
    if (!m_store || nr <= 0)
        return false;
    const QString titel = tr("Zahlung entfernen");
    if (Interaktion::instance()->question(this, titel, tr("Diese Zahlung wirklich entfernen?"),
                                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                                          QMessageBox::Question)
        != QMessageBox::Yes)
        return false;
    return geschrieben(m_store->delZahlung(nr), titel, tr("Die Zahlung konnte nicht entfernt werden."));
}

bool ZahlungsDialog::geschrieben(bool ok, const QString& titel, const QString& fehler)
{
    if (!ok)
        Interaktion::instance()->warning(this, titel, fehler + "\n" + m_store->letzterFehler().text);
    else
        zeige();
    return ok;
}

void ZahlungsDialog::erfassePressed()
{
    if (erfasse(m_betrag->text(), m_datum->date(), m_art->currentData().toInt(), m_referenz->text()))
        m_referenz->clear();
}

void ZahlungsDialog::entfernePressed()
{
    const int zeile = m_tabelle->currentRow();
    if (zeile >= 0)
        entferne(m_tabelle->item(zeile, DatumSpalte)->data(Qt::UserRole).toInt());
}
