#include "settings/steuereditor.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

namespace {

QDoubleSpinBox* satzBox(QWidget* parent, const char* key)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(key);
    box->setDecimals(1);
    box->setRange(0.0, 99.9);
    box->setSuffix("%");
    return box;
}

}  // namespace

SteuerEditor::SteuerEditor(QWidget* parent)
    : QWidget(parent),
      m_typ(new QComboBox(this)),
      m_satz(new QComboBox(this)),
      m_satzA(satzBox(this, "Steuer/Satz A")),
      m_satzB(satzBox(this, "Steuer/Satz B")),
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
    m_satzA->setValue(m_settings.value("Steuer/Satz A", 0.196).toDouble() * 100.0);
    m_satzB->setValue(m_settings.value("Steuer/Satz B", 0.196).toDouble() * 100.0);
    m_filter->setChecked(m_settings.value("Produkte/filter").toBool());
}

void SteuerEditor::save()
{
    m_settings.setValue("Steuer/Typ", m_typ->currentIndex());
    m_settings.setValue("Steuer/Satz", m_satz->currentIndex());
    m_settings.setValue("Steuer/Satz A", m_satzA->value() / 100.0);
    m_settings.setValue("Steuer/Satz B", m_satzB->value() / 100.0);
    m_settings.setValue("Produkte/filter", m_filter->isChecked());
}
