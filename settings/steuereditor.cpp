#include "settings/steuereditor.h"

#include "delegates/betragfeld.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>

#include <cmath>

namespace {

// Rates in hundredths of a percent: 19.6 % is 1960, shown as "19.60".
const int satzStellen = 2;

BetragFeld* satzFeld(QWidget* parent, const char* key)
{
    auto* feld = new BetragFeld(parent);
    feld->setObjectName(key);
    feld->setFormat(satzStellen, QStringLiteral("%"), 0, 9999);
    feld->setMaximumWidth(10 * feld->fontMetrics().averageCharWidth() + 12);
    return feld;
}

qint64 hundertstelProzent(double bruch)
{
    return std::isfinite(bruch) ? std::llround(bruch * 10000.0) : 0;
}

void ladeSatz(BetragFeld* feld, const QSettings& s, const char* key)
{
    feld->setWert(hundertstelProzent(s.value(key, 0.196).toDouble()));
}

// A rate left as loaded keeps the stored value to the last digit; an
// unreadable one is not stored (its field shows why).
void speichereSatz(const BetragFeld* feld, QSettings& s, const char* key)
{
    const std::optional<qint64> wert = feld->wert();
    if (!wert || *wert == hundertstelProzent(s.value(key, 0.196).toDouble()))
        return;
    s.setValue(key, double(*wert) / 10000.0);
}

}  // namespace

SteuerEditor::SteuerEditor(QWidget* parent)
    : QWidget(parent),
      m_typ(new QComboBox(this)),
      m_satz(new QComboBox(this)),
      m_satzA(satzFeld(this, "Steuer/Satz A")),
      m_satzB(satzFeld(this, "Steuer/Satz B")),
      m_filter(new QCheckBox(tr("Nur passende Produkte anzeigen"), this))
{
    m_typ->setObjectName("Steuer/Typ");
    m_typ->addItems({"Brutto", "Netto", "Keine"});
    m_satz->setObjectName("Steuer/Satz");
    m_satz->addItems({"A", "B", "Beide", "Keiner"});
    m_filter->setObjectName("Produkte/filter");

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
    m_typ->setCurrentIndex(m_settings.value("Steuer/Typ", 0).toInt());
    m_satz->setCurrentIndex(m_settings.value("Steuer/Satz", 0).toInt());
    ladeSatz(m_satzA, m_settings, "Steuer/Satz A");
    ladeSatz(m_satzB, m_settings, "Steuer/Satz B");
    m_filter->setChecked(m_settings.value("Produkte/filter").toBool());
}

void SteuerEditor::save()
{
    m_settings.setValue("Steuer/Typ", m_typ->currentIndex());
    m_settings.setValue("Steuer/Satz", m_satz->currentIndex());
    speichereSatz(m_satzA, m_settings, "Steuer/Satz A");
    speichereSatz(m_satzB, m_settings, "Steuer/Satz B");
    m_settings.setValue("Produkte/filter", m_filter->isChecked());
}
