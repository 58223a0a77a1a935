#include "settings/steuereditor.h"

#include "delegates/betragfeld.h"
#include "platform/einstellung.h"
#include "print/layouts.h"
#include "print/steuer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>

#include <cmath>

namespace {

// Rates in hundredths of a percent: 19.6 % is 1960, shown as "19.60".
const int satzStellen = 2;

BetragFeld* satzFeld(QWidget* parent, Einstellung::Schluessel key)
{
    auto* feld = new BetragFeld(parent);
    feld->setObjectName(Einstellung::name(key));
    feld->setFormat(satzStellen, QStringLiteral("%"), 0, 9999);
    feld->setMaximumWidth(10 * feld->fontMetrics().averageCharWidth() + 12);
    return feld;
}

// The rate as the documents read it, in hundredths of a percent.
qint64 geltenderSatz(Einstellung::Schluessel key)
{
    const bool de = Layouts::deutsch();
    const double p = key == Einstellung::SteuerSatzA ? Steuer::prozentA(de) : Steuer::prozentB(de);
    return std::isfinite(p) ? std::llround(p * 100.0) : 0;
}

void ladeSatz(BetragFeld* feld, Einstellung::Schluessel key)
{
    feld->setWert(geltenderSatz(key));
    feld->setProperty("geladen", feld->wert().value_or(0));
}

// A rate left as loaded keeps the stored value to the last digit, or stays
// unset so the country's rates apply (also when the country changes in the
// same dialog); an unreadable one is not stored (its field shows why).
void speichereSatz(const BetragFeld* feld, QSettings& s, Einstellung::Schluessel key)
{
    const std::optional<qint64> wert = feld->wert();
    if (!wert || *wert == feld->property("geladen").toLongLong())
        return;
    Einstellung::setze(key, double(*wert) / 10000.0, s);
}

}  // namespace

SteuerEditor::SteuerEditor(QWidget* parent)
    : QWidget(parent),
      m_typ(new QComboBox(this)),
      m_satz(new QComboBox(this)),
      m_satzA(satzFeld(this, Einstellung::SteuerSatzA)),
      m_satzB(satzFeld(this, Einstellung::SteuerSatzB)),
      m_filter(new QCheckBox(tr("Nur passende Produkte anzeigen"), this)),
      m_franchise(new QCheckBox(tr("Kleinunternehmer: keine Umsatzsteuer (§ 19 UStG, art. 293 B CGI)"), this)),
      m_schulung(new QCheckBox(tr("Schulungen sind steuerfrei (Bildungsträger)"), this)),
      m_debits(new QCheckBox(tr("Steuer nach vereinbarten Entgelten (option pour les débits)"), this))
{
    m_typ->setObjectName(Einstellung::name(Einstellung::SteuerTyp));
    // The stored value is the position, so the names may follow the language.
    m_typ->addItems({tr("Brutto"), tr("Netto"), tr("Keine")});
    m_satz->setObjectName(Einstellung::name(Einstellung::SteuerSatz));
    m_satz->addItems({tr("A"), tr("B"), tr("Beide"), tr("Keiner")});
    m_filter->setObjectName(Einstellung::name(Einstellung::ProdukteFilter));
    m_franchise->setObjectName(Einstellung::name(Einstellung::SteuerFranchise));
    m_schulung->setObjectName(Einstellung::name(Einstellung::SteuerSchulung));
    m_debits->setObjectName(Einstellung::name(Einstellung::SteuerDebits));

    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("Typ"), m_typ);
    form->addRow(tr("Verwenden"), m_satz);
    form->addRow(tr("MwSt Satz A"), m_satzA);
    form->addRow(tr("MwSt Satz B"), m_satzB);
    form->addRow(m_filter);
    form->addRow(m_franchise);
    form->addRow(m_schulung);
    form->addRow(m_debits);
}

void SteuerEditor::load()
{
    m_typ->setCurrentIndex(Einstellung::zahl(Einstellung::SteuerTyp, m_settings));
    m_satz->setCurrentIndex(Einstellung::zahl(Einstellung::SteuerSatz, m_settings));
    ladeSatz(m_satzA, Einstellung::SteuerSatzA);
    ladeSatz(m_satzB, Einstellung::SteuerSatzB);
    m_filter->setChecked(Einstellung::schalter(Einstellung::ProdukteFilter, m_settings));
    m_franchise->setChecked(Einstellung::schalter(Einstellung::SteuerFranchise, m_settings));
    m_debits->setChecked(Einstellung::schalter(Einstellung::SteuerDebits, m_settings));
    // Unset, training is exempt as "fr_1" always had it.
    m_schulung->setChecked(m_settings.contains(m_schulung->objectName())
                               ? Einstellung::schalter(Einstellung::SteuerSchulung, m_settings)
                               : !Layouts::deutsch());
}

void SteuerEditor::save()
{
    Einstellung::setze(Einstellung::SteuerTyp, m_typ->currentIndex(), m_settings);
    Einstellung::setze(Einstellung::SteuerSatz, m_satz->currentIndex(), m_settings);
    speichereSatz(m_satzA, m_settings, Einstellung::SteuerSatzA);
    speichereSatz(m_satzB, m_settings, Einstellung::SteuerSatzB);
    Einstellung::setze(Einstellung::ProdukteFilter, m_filter->isChecked(), m_settings);
    Einstellung::setze(Einstellung::SteuerFranchise, m_franchise->isChecked(), m_settings);
    Einstellung::setze(Einstellung::SteuerDebits, m_debits->isChecked(), m_settings);
    // Left unset while it says what the layout always did.
    if (m_settings.contains(m_schulung->objectName()) || m_schulung->isChecked() == Layouts::deutsch())
        Einstellung::setze(Einstellung::SteuerSchulung, m_schulung->isChecked(), m_settings);
}
