#ifndef RECHNUNGSEDITOR_H
#define RECHNUNGSEDITOR_H

#include "platform/einstellung.h"

#include <QList>
#include <QSettings>
#include <QStringList>
#include <QWidget>

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

// Settings page of the invoice texts, the printer, the numbering offsets, the
// layout and the payment terms.
class RechnungsEditor : public QWidget
{
    Q_OBJECT

public:
    explicit RechnungsEditor(QWidget* parent = nullptr);

public slots:
    void load();
    void save();

private:
    // The fields read and written as they are, with their keys.
    QList<std::pair<QPlainTextEdit*, Einstellung::Schluessel>> textFelder() const;
    QList<std::pair<QSpinBox*, Einstellung::Schluessel>> zahlFelder() const;

    QStringList m_druckerNamen;  // the installed printers, in the combo's order
    QPlainTextEdit* m_kopf;
    QPlainTextEdit* m_fussSchulung;
    QPlainTextEdit* m_fussProdukte;
    QPlainTextEdit* m_logoText;
    QComboBox* m_drucker;
    QCheckBox* m_zeigeDialog;
    QSpinBox* m_kopien;
    QSpinBox* m_offsetProdukte;
    QSpinBox* m_offsetSchulung;
    QLabel* m_offsetHinweis;  // says why a stored offset is not shown
    QComboBox* m_layout;
    QSpinBox* m_zahlungsziel;
    QSpinBox* m_gueltigkeit;
    QPlainTextEdit* m_mahntext;
    QList<QLineEdit*> m_praefixe;  // one per numbering series
    // Reminders: the country's rule, its rates and the fee of each level.
    QGroupBox* mahnGruppe();
    QComboBox* m_mahnRegel = nullptr;
    QList<QDoubleSpinBox*> m_mahnWerte;  // in the order of mahnSchluessel
    QSettings m_settings;
};

#endif
