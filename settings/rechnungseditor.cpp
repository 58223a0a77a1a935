#include "settings/rechnungseditor.h"

#include "platform/einstellung.h"
#include "print/drucker.h"
#include "print/layouts.h"
#include "store/datenbank.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinterInfo>
#include <QSpinBox>

namespace {

// A text field showing zeilen lines without scrolling, 50 characters wide.
QPlainTextEdit* textFeld(QWidget* parent, Einstellung::Schluessel key, int zeilen = 3)
{
    auto* feld = new QPlainTextEdit(parent);
    feld->setObjectName(Einstellung::name(key));
    feld->setTabChangesFocus(true);
    const QFontMetrics fm = feld->fontMetrics();
    const int rand = 2 * (feld->frameWidth() + int(feld->document()->documentMargin()));
    feld->setFixedHeight(zeilen * fm.height() + rand);
    feld->setMinimumWidth(50 * fm.averageCharWidth() + rand);
    feld->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    return feld;
}

QSpinBox* zahlFeld(QWidget* parent, Einstellung::Schluessel key, int min, int max)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(Einstellung::name(key));
    box->setRange(min, max);
    return box;
}

const Einstellung::Schluessel praefixSchluessel[] = {
    Einstellung::NummernRechnung1, Einstellung::NummernRechnung0, Einstellung::NummernGutschrift,
    Einstellung::NummernAngebot, Einstellung::NummernLieferschein};

}  // namespace

RechnungsEditor::RechnungsEditor(QWidget* parent)
    : QWidget(parent),
      m_druckerNamen(QPrinterInfo::availablePrinterNames()),
      m_kopf(textFeld(this, Einstellung::RechnungHead)),
      m_fussSchulung(textFeld(this, Einstellung::RechnungFoot)),
      m_fussProdukte(textFeld(this, Einstellung::RechnungFoot2)),
      m_logoText(textFeld(this, Einstellung::RechnungLogoText)),
      m_drucker(new QComboBox(this)),
      m_zeigeDialog(new QCheckBox(this)),
      m_kopien(zahlFeld(this, Einstellung::RechnungCopies, 1, 99)),
      // The first number, offset + 1, must be a valid document number.
      m_offsetProdukte(zahlFeld(this, Einstellung::RechnungOffset1, 0, Datenbank::GroessteNummer - 1)),
      m_offsetSchulung(zahlFeld(this, Einstellung::RechnungOffset2, 0, Datenbank::GroessteNummer - 1)),
      m_offsetHinweis(new QLabel(this)),
      m_layout(new QComboBox(this)),
      m_zahlungsziel(zahlFeld(this, Einstellung::RechnungZahlungsziel, 0, 365)),
      m_gueltigkeit(zahlFeld(this, Einstellung::AngebotGueltigkeit, 0, 365)),
      m_mahntext(textFeld(this, Einstellung::RechnungMahntext, 5))
{
    m_drucker->setObjectName(Einstellung::name(Einstellung::RechnungDruckerName));
    m_drucker->addItems(m_druckerNamen);
    m_drucker->setMinimumContentsLength(24);
    m_drucker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_zeigeDialog->setObjectName(Einstellung::name(Einstellung::RechnungZeigeDialog));
    m_layout->setObjectName(Einstellung::name(Einstellung::RechnungLayout));
    m_layout->addItems({tr("de"), tr("fr_1")});
    m_zahlungsziel->setSuffix(tr(" Tage"));
    m_gueltigkeit->setSuffix(tr(" Tage"));
    // A label, not a stored key: the settings table does not list it.
    m_offsetHinweis->setObjectName(QStringLiteral("offsetHinweis"));
    m_offsetHinweis->setWordWrap(true);
    m_offsetHinweis->setStyleSheet("color: #b00000");
    m_offsetHinweis->hide();

    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(tr("Kopf"), m_kopf);
    form->addRow(tr("Fuß (Schulung)"), m_fussSchulung);
    form->addRow(tr("Fuß (Produkte)"), m_fussProdukte);
    form->addRow(tr("LogoText"), m_logoText);
    form->addRow(tr("Drucker"), m_drucker);
    form->addRow(tr("Zeige Druckerdialog"), m_zeigeDialog);
    form->addRow(tr("Kopien"), m_kopien);
    form->addRow(tr("Produkt Offset"), m_offsetProdukte);
    form->addRow(tr("Schulung Offset"), m_offsetSchulung);
    form->addRow(QString(), m_offsetHinweis);
    const QStringList praefixNamen = {tr("Präfix Rechnung Produkte"), tr("Präfix Rechnung Schulung"),
                                      tr("Präfix Gutschrift"), tr("Präfix Angebot"),
                                      tr("Präfix Lieferschein")};
    for (int i = 0; i < praefixNamen.size(); ++i) {
        auto* feld = new QLineEdit(this);
        feld->setObjectName(Einstellung::name(praefixSchluessel[i]));
        feld->setMaxLength(20);
        m_praefixe << feld;
        form->addRow(praefixNamen.at(i), feld);
    }
    form->addRow(tr("Layout"), m_layout);
    form->addRow(tr("Zahlungsziel"), m_zahlungsziel);
    form->addRow(tr("Angebote gültig"), m_gueltigkeit);
    form->addRow(tr("Mahntext"), m_mahntext);
}

void RechnungsEditor::load()
{
    for (const auto& [feld, key] : textFelder())
        feld->setPlainText(Einstellung::text(key, m_settings));
    // The defaults the invoice prints while the keys are unset.
    for (const auto& [feld, key] : zahlFelder())
        feld->setValue(Einstellung::zahl(key, m_settings));
    m_drucker->setCurrentIndex(
        m_druckerNamen.indexOf(Einstellung::text(Einstellung::RechnungDruckerName, m_settings)));
    m_zeigeDialog->setChecked(Einstellung::schalter(Einstellung::RechnungZeigeDialog, m_settings));
    // An offset the numbering refuses (from a settings file, say) is not
    // shown as a nearby valid one: the page says so and offers 0 instead.
    QStringList ungueltig;
    for (QSpinBox* feld : {m_offsetProdukte, m_offsetSchulung}) {
        int offset = 0;
        const QString grund =
            Datenbank::pruefeOffset(feld->objectName(), m_settings.value(feld->objectName()), &offset);
        if (!grund.isEmpty())
            ungueltig << grund;
        feld->setValue(offset);
    }
    m_offsetHinweis->setText(ungueltig.join('\n') + '\n'
                             + tr("Mit diesem Versatz wird keine Rechnung gespeichert; "
                                  "\"OK\" speichert den angezeigten Wert."));
    m_offsetHinweis->setVisible(!ungueltig.isEmpty());
    // Printing also understands the layout's name; either form shows its entry.
    m_layout->setCurrentIndex(Layouts::deutsch() ? 0 : 1);
    for (int i = 0; i < m_praefixe.size(); ++i)
        m_praefixe[i]->setText(Einstellung::text(praefixSchluessel[i], m_settings));
}

void RechnungsEditor::save()
{
    for (const auto& [feld, key] : textFelder())
        Einstellung::setze(key, feld->toPlainText(), m_settings);
    for (const auto& [feld, key] : zahlFelder())
        Einstellung::setze(key, feld->value(), m_settings);
    Einstellung::setze(Einstellung::RechnungDruckerName, m_drucker->currentText(), m_settings);
    Einstellung::setze(Einstellung::RechnungZeigeDialog, m_zeigeDialog->isChecked(), m_settings);
    Einstellung::setze(Einstellung::RechnungOffset1, m_offsetProdukte->value(), m_settings);
    Einstellung::setze(Einstellung::RechnungOffset2, m_offsetSchulung->value(), m_settings);
    Einstellung::setze(Einstellung::RechnungLayout, m_layout->currentIndex(), m_settings);
    for (int i = 0; i < m_praefixe.size(); ++i)
        Einstellung::setze(praefixSchluessel[i], m_praefixe[i]->text().trimmed(), m_settings);
}

QList<std::pair<QPlainTextEdit*, Einstellung::Schluessel>> RechnungsEditor::textFelder() const
{
    return {{m_kopf, Einstellung::RechnungHead},         {m_fussSchulung, Einstellung::RechnungFoot},
            {m_fussProdukte, Einstellung::RechnungFoot2}, {m_logoText, Einstellung::RechnungLogoText},
            {m_mahntext, Einstellung::RechnungMahntext}};
}

QList<std::pair<QSpinBox*, Einstellung::Schluessel>> RechnungsEditor::zahlFelder() const
{
    return {{m_kopien, Einstellung::RechnungCopies},
            {m_zahlungsziel, Einstellung::RechnungZahlungsziel},
            {m_gueltigkeit, Einstellung::AngebotGueltigkeit}};
}
