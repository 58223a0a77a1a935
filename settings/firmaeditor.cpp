#include "settings/firmaeditor.h"

#include <QFormLayout>
#include <QLineEdit>

namespace {

struct Zeile
{
    const char* label;
    const char* key;
    const char* beispiel;  // placeholder showing what belongs in the field
};

const Zeile zeilen[] = {
    {QT_TRANSLATE_NOOP("FirmaEditor", "Firma"), "Firma/Firma", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Strasse"), "Firma/Strasse", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "PLZ"), "Firma/PLZ", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Ort"), "Firma/Ort", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Tel"), "Firma/Tel", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Email"), "Firma/Email", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "URL"), "Firma/URL", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Bank"), "Firma/Bank", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "BLZ"), "Firma/BLZ", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Konto"), "Firma/KontoNr", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "SteuerNr"), "Firma/SteuerNr", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "UStId"), "Firma/UStId", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "Rechtsform, Kapital"), "Firma/Rechtsform",
     QT_TRANSLATE_NOOP("FirmaEditor", "z. B. SARL au capital de 10 000 €")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "SIREN/SIRET"), "Firma/SIREN",
     QT_TRANSLATE_NOOP("FirmaEditor", "9 oder 14 Ziffern")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "RCS"), "Firma/RCS",
     QT_TRANSLATE_NOOP("FirmaEditor", "z. B. RCS Lyon")},
    {QT_TRANSLATE_NOOP("FirmaEditor", "IBAN"), "Firma/IBAN", nullptr},
    {QT_TRANSLATE_NOOP("FirmaEditor", "BIC"), "Firma/BIC", nullptr},
};

}  // namespace

FirmaEditor::FirmaEditor(QWidget* parent) : QWidget(parent)
{
    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const Zeile& z : zeilen) {
        auto* feld = new QLineEdit(this);
        feld->setObjectName(z.key);
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
    for (QLineEdit* feld : m_felder)
        m_settings.setValue(feld->objectName(), feld->text());
}
