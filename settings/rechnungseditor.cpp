#include "settings/rechnungseditor.h"

#include "platform/einstellung.h"
#include "print/drucker.h"
#include "print/layouts.h"
#include "print/mahnung.h"
#include "store/datenbank.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
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

// The rates and fees of the reminders, as the editor shows them.
const Einstellung::Schluessel mahnSchluessel[] = {
    Einstellung::MahnungBasiszins, Einstellung::MahnungAufschlagUnternehmen,
    Einstellung::MahnungAufschlagVerbraucher, Einstellung::MahnungGebuehr1,
    Einstellung::MahnungGebuehr2, Einstellung::MahnungGebuehr3};

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
    form->addRow(mahnGruppe());
}

QGroupBox* RechnungsEditor::mahnGruppe()
{
    auto* gruppe = new QGroupBox(tr("Mahnungen"), this);
    auto* form = new QFormLayout(gruppe);
    m_mahnRegel = new QComboBox(gruppe);
    m_mahnRegel->setObjectName(Einstellung::name(Einstellung::MahnungRegel));
    m_mahnRegel->addItem(tr("nach dem Land der Firma"), QString());
    m_mahnRegel->addItem(tr("Deutschland (§ 288 BGB)"), QStringLiteral("DE"));
    m_mahnRegel->addItem(tr("Frankreich (Code de commerce L441-10)"), QStringLiteral("FR"));
    form->addRow(tr("Recht"), m_mahnRegel);
    const QStringList namen{tr("Basiszins"), tr("Aufschlag Unternehmen"), tr("Aufschlag Verbraucher"),
                            tr("Gebühr Stufe 1"), tr("Gebühr Stufe 2"), tr("Gebühr Stufe 3")};
    for (int i = 0; i < namen.size(); ++i) {
        auto* feld = new QDoubleSpinBox(gruppe);
        feld->setObjectName(Einstellung::name(mahnSchluessel[i]));
        feld->setDecimals(2);
        feld->setRange(i == 0 ? -10.0 : 0.0, i < 3 ? 100.0 : 100000.0);
        feld->setSuffix(i < 3 ? tr(" %") : tr(" €"));
        m_mahnWerte << feld;
        form->addRow(namen.at(i), feld);
    }
    m_mahnWerte[0]->setToolTip(
        tr("Deutschland: der Basiszinssatz der Bundesbank (1,27 % ab 1. Juli 2025); Frankreich: der "
           "gesetzliche Zinssatz für Gläubiger, die beruflich handeln (2,76 % im 2. Halbjahr 2025). "
           "Beide ändern sich jedes Halbjahr: bitte aktuell halten."));
    m_mahnWerte[1]->setToolTip(tr("Deutschland: 9 Prozentpunkte über dem Basiszins; Frankreich: das "
                                  "Dreifache des gesetzlichen Zinssatzes, zuzüglich dieses Aufschlags."));
    m_mahnWerte[2]->setToolTip(tr("Deutschland: 5 Prozentpunkte über dem Basiszins."));
    m_mahnWerte[5]->setToolTip(tr("Nur Unternehmen: die Pauschale von 40 € (§ 288 Abs. 5 BGB, "
                                  "Code de commerce D441-5)."));
    return gruppe;
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
    // The rates in force: those set, else the defaults of the country's rule.
    m_mahnRegel->setCurrentIndex(qMax(0, m_mahnRegel->findData(
        Einstellung::text(Einstellung::MahnungRegel, m_settings).trimmed().toUpper())));
    const QList<double> werte{Mahnung::basiszins(m_settings), Mahnung::aufschlag(true, m_settings),
                              Mahnung::aufschlag(false, m_settings),
                              Einstellung::dezimal(Einstellung::MahnungGebuehr1, m_settings),
                              Einstellung::dezimal(Einstellung::MahnungGebuehr2, m_settings),
                              Einstellung::dezimal(Einstellung::MahnungGebuehr3, m_settings)};
    for (int i = 0; i < m_mahnWerte.size(); ++i)
        m_mahnWerte[i]->setValue(werte.at(i));
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
    Einstellung::setze(Einstellung::MahnungRegel, m_mahnRegel->currentData(), m_settings);
    for (int i = 0; i < m_mahnWerte.size(); ++i)
        Einstellung::setze(mahnSchluessel[i], m_mahnWerte[i]->value(), m_settings);
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
