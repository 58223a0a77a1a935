#include "windows/mahndialog.h"

#include "records/auftragsbefehl.h"
#include "store/auftragsstore.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Invoice a as a reminder lists it, when it is overdue at heute and something is open.
bool offenUndUeberfaellig(AuftragsStore* store, const Auftrag& a, const QDate& heute,
                          QList<Mahnung::Posten>& liste)
{
    if (!store || !auftragsBefehlErlaubt(AuftragsBefehl::Mahnung, a, heute))
        return false;
    const Betrag offen = store->offenposten(a.Nr).offen();
    if (offen <= Betrag())
        return false;
    liste << Mahnung::Posten{a, offen};
    return true;
}

}  // namespace

MahnDialog::MahnDialog(AuftragsStore* store, const Auftrag& rechnung, const QDate& heute, QWidget* parent)
    : QDialog(parent),
      m_store(store),
      m_heute(heute),
      m_nurDiese(new QRadioButton(tr("nur diese Rechnung"), this)),
      m_alleKnopf(new QRadioButton(tr("alle überfälligen Rechnungen des Kunden"), this)),
      m_stufe(new QSpinBox(this)),
      m_liste(new QLabel(this))
{
    setWindowTitle(tr("Mahnen"));
    offenUndUeberfaellig(store, rechnung, heute, m_diese);
    if (store && rechnung.Kunde.Nr > 0) {
        for (const Auftrag& a : store->getAuftraegeByKunde(rechnung.Kunde.Nr))
            offenUndUeberfaellig(store, a, heute, m_alle);
    }
    if (m_alle.isEmpty())
        m_alle = m_diese;
    m_nurDiese->setChecked(true);
    m_alleKnopf->setEnabled(m_alle.size() > 1);
    m_stufe->setObjectName("Mahnstufe");
    m_stufe->setRange(1, Mahnung::hoechsteStufe);
    m_liste->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    form->addRow(tr("Rechnungen"), m_nurDiese);
    form->addRow(QString(), m_alleKnopf);
    form->addRow(QString(), m_liste);
    form->addRow(tr("Mahnstufe"), m_stufe);
    auto* knoepfe = new QDialogButtonBox(this);
    const QList<QPair<QString, Ausgabe>> ausgaben{{tr("Vorschau"), Ausgabe::Vorschau},
                                                  {tr("Drucken"), Ausgabe::Drucken},
                                                  {tr("als PDF speichern"), Ausgabe::Pdf},
                                                  {tr("als Email senden"), Ausgabe::Email}};
    for (const auto& [text, art] : ausgaben) {
        QPushButton* k = knoepfe->addButton(text, QDialogButtonBox::ActionRole);
        k->setAutoDefault(false);
        k->setEnabled(!m_diese.isEmpty());
        const Ausgabe a = art;
        connect(k, &QPushButton::clicked, this, [this, a] { emit ausgeben(a, schreiben()); });
    }
    knoepfe->addButton(QDialogButtonBox::Cancel)->setAutoDefault(false);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(form);
    spalte->addWidget(knoepfe);
    connect(m_alleKnopf, &QRadioButton::toggled, this, &MahnDialog::zeige);
    zeige();
}

QList<Mahnung::Posten> MahnDialog::posten() const
{
    return m_alleKnopf->isChecked() ? m_alle : m_diese;
}

Mahnung::Schreiben MahnDialog::schreiben() const
{
    return Mahnung::Schreiben{posten(), m_stufe->value(), m_heute};
}

void MahnDialog::zeige()
{
    QStringList zeilen;
    int hoechste = 0;
    for (const Mahnung::Posten& p : posten()) {
        hoechste = qMax(hoechste, p.rechnung.Mahnstufe);
        zeilen << tr("%1 vom %2: %3 offen, %4 Tage überfällig, Mahnstufe %5")
                      .arg(p.rechnung.belegNummer(), p.rechnung.Eingang.date().toString("dd.MM.yyyy"),
                           p.offen.text())
                      .arg(Mahnung::tageUeberfaellig(p.rechnung, m_heute))
                      .arg(p.rechnung.Mahnstufe);
    }
    if (zeilen.isEmpty())
        zeilen << tr("Die Rechnung ist nicht überfällig oder ist bezahlt.");
    m_liste->setText(zeilen.join('\n'));
    m_stufe->setValue(qMin(hoechste + 1, int(Mahnung::hoechsteStufe)));
}
