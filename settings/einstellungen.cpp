#include "settings/einstellungen.h"

#include "settings/databaseeditor.h"
#include "settings/firmaeditor.h"
#include "settings/rechnungseditor.h"
#include "settings/steuereditor.h"

#include <QDialogButtonBox>
#include <QTabWidget>
#include <QVBoxLayout>

Einstellungen::Einstellungen(QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    setWindowTitle(tr("Einstellungen"));
    m_firma = new FirmaEditor;
    m_firma->load();
    m_steuer = new SteuerEditor;
    m_steuer->load();
    m_rechnung = new RechnungsEditor;
    m_rechnung->load();
    m_datenbank = new DatabaseEditor;
    m_datenbank->load();
    m_tabs->addTab(m_steuer, tr("Steuer"));
    m_tabs->addTab(m_rechnung, tr("Rechnung"));
    m_tabs->addTab(m_firma, tr("Firma"));
    m_tabs->addTab(m_datenbank, tr("Datenbank"));

    auto* knoepfe =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(knoepfe);

    connect(knoepfe, &QDialogButtonBox::accepted, m_firma, &FirmaEditor::save);
    connect(knoepfe, &QDialogButtonBox::accepted, m_steuer, &SteuerEditor::save);
    connect(knoepfe, &QDialogButtonBox::accepted, m_rechnung, &RechnungsEditor::save);
    connect(knoepfe, &QDialogButtonBox::accepted, m_datenbank, &DatabaseEditor::save);
    connect(knoepfe, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(knoepfe, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
