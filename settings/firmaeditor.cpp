#include "settings/firmaeditor.h"

#include "platform/einstellung.h"

#include <QFormLayout>
#include <QLineEdit>

namespace {

struct Zeile
{
    const char* label;
    Einstellung::Schluessel key;
    const char* beispiel;  // placeholder showing what belongs in the field
};

const Zeile zeilen[] = {
    {QT_TRANSLATE_NOOP("FirmaEditor", "Firma"), Einstellung::FirmaFirma, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Strasse"), Einstellung::FirmaStrasse, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "PLZ"), Einstellung::FirmaPLZ, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Ort"), Einstellung::FirmaOrt, nullptr},
    // Decides the law of the invoices: German rates and grounds for Germany.
    {QT_TRANSLATE_NOOP("FirmaEditor", "Land"), Einstellung::FirmaLand,
     QT_TRANSLATE_NOOP("FirmaEditor", "z. B. Frankreich, Deutschland")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Tel"), Einstellung::FirmaTel, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Email"), Einstellung::FirmaEmail, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Ansprechpartner"), Einstellung::FirmaKontakt, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "E-Rechnungsadresse"), Einstellung::FirmaEAdresse,
     QT_TRANSLATE_NOOP("FirmaEditor", "leer: die SIREN")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "URL"), Einstellung::FirmaURL, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Bank"), Einstellung::FirmaBank, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "BLZ"), Einstellung::FirmaBLZ, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Konto"), Einstellung::FirmaKontoNr, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "SteuerNr"), Einstellung::FirmaSteuerNr,
     QT_TRANSLATE_NOOP("FirmaEditor", "z. B. 27/123/45678")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "UStId"), Einstellung::FirmaUStId,
     QT_TRANSLATE_NOOP("FirmaEditor", "z. B. FR12345678901")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Rechtsform, Kapital"), Einstellung::FirmaRechtsform,
     QT_TRANSLATE_NOOP("FirmaEditor", "z. B. SARL au capital de 10 000 €")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "SIREN/SIRET"), Einstellung::FirmaSIREN,
     QT_TRANSLATE_NOOP("FirmaEditor", "z. B. 123 456 789 (9 oder 14 Ziffern)")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "RCS"), Einstellung::FirmaRCS,
     QT_TRANSLATE_NOOP("FirmaEditor", "z. B. RCS Lyon B 123 456 789")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "IBAN"), Einstellung::FirmaIBAN, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "BIC"), Einstellung::FirmaBIC, nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Gläubiger-ID"), Einstellung::FirmaGlaeubigerId,
     QT_TRANSLATE_NOOP("FirmaEditor", "für Lastschriften, z. B. DE98ZZZ09999999999")},
};

}  // namespace

FirmaEditor::FirmaEditor(QWidget* parent) : QWidget(parent)
{
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const Zeile& z : zeilen) {
        auto* feld = new QLineEdit(this);
        feld->setObjectName(Einstellung::name(z.key));
        // Wide enough for an IBAN of 34 characters with its blanks.
        feld->setMinimumWidth(45 * feld->fontMetrics().averageCharWidth());
        if (z.beispiel)
            feld->setPlaceholderText(tr(z.beispiel));
        form->addRow(tr(z.label), feld);
        m_felder << feld;
    }
}

void FirmaEditor::load()
{
    for (QLineEdit* feld : m_felder)
        feld->setText(m_settings.value(feld->objectName()).toString());
}

void FirmaEditor::save()
{
    for (QLineEdit* feld : m_felder) {
        // An empty country stays unset: its default keeps the invoices' country.
        if (feld->objectName() == Einstellung::name(Einstellung::FirmaLand) && feld->text().trimmed().isEmpty())
            m_settings.remove(feld->objectName());
        else
            m_settings.setValue(feld->objectName(), feld->text());
    }
}
