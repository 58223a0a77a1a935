#include "settings/steuereditor.h"

#include "delegates/betragfeld.h"
#include "platform/einstellung.h"

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

qint64 hundertstelProzent(double bruch)
{
    return std::isfinite(bruch) ? std::llround(bruch * 10000.0) : 0;
}

void ladeSatz(BetragFeld* feld, const QSettings& s, Einstellung::Schluessel key)
{
    feld->setWert(hundertstelProzent(Einstellung::dezimal(key, s)));
}

// A rate left as loaded keeps the stored value to the last digit; an
// unreadable one is not stored (its field shows why).
void speichereSatz(const BetragFeld* feld, QSettings& s, Einstellung::Schluessel key)
{
    const std::optional<qint64> wert = feld->wert();
    if (!wert || *wert == hundertstelProzent(Einstellung::dezimal(key, s)))
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
      m_filter(new QCheckBox(tr("Nur passende Produkte anzeigen"), this))
{
    m_typ->setObjectName(Einstellung::name(Einstellung::SteuerTyp));
    // The stored value is the position, so the names may follow the language.
    m_typ->addItems({tr("Brutto"), tr("Netto"), tr("Keine")});
    m_satz->setObjectName(Einstellung::name(Einstellung::SteuerSatz));
    m_satz->addItems({tr("A"), tr("B"), tr("Beide"), tr("Keiner")});
    m_filter->setObjectName(Einstellung::name(Einstellung::ProdukteFilter));

    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("Typ"), m_typ);
    form->addRow(tr("Verwenden"), m_satz);
    form->addRow(tr("MwSt Satz A"), m_satzA);
    form->addRow(tr("MwSt Satz B"), m_satzB);
    form->addRow(m_filter);
}

void SteuerEditor::load()
{
    m_typ->setCurrentIndex(Einstellung::zahl(Einstellung::SteuerTyp, m_settings));
    m_satz->setCurrentIndex(Einstellung::zahl(Einstellung::SteuerSatz, m_settings));
    ladeSatz(m_satzA, m_settings, Einstellung::SteuerSatzA);
    ladeSatz(m_satzB, m_settings, Einstellung::SteuerSatzB);
    m_filter->setChecked(Einstellung::schalter(Einstellung::ProdukteFilter, m_settings));
}

void SteuerEditor::save()
{
    Einstellung::setze(Einstellung::SteuerTyp, m_typ->currentIndex(), m_settings);
    Einstellung::setze(Einstellung::SteuerSatz, m_satz->currentIndex(), m_settings);
    speichereSatz(m_satzA, m_settings, Einstellung::SteuerSatzA);
    speichereSatz(m_satzB, m_settings, Einstellung::SteuerSatzB);
    Einstellung::setze(Einstellung::ProdukteFilter, m_filter->isChecked(), m_settings);
}
