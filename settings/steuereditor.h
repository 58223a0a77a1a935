#ifndef STEUEREDITOR_H
#define STEUEREDITOR_H

#include <QSettings>
#include <QWidget>

class BetragFeld;
class QCheckBox;
class QComboBox;

// Settings page of the tax mode, the rates, the product filter, the franchise
// and the training exemption. Rates are shown as percentages as the documents
// read them and stored as fractions (19.6 % as 0.196) once changed.
class SteuerEditor : public QWidget
{
    Q_OBJECT

public:
    explicit SteuerEditor(QWidget* parent = nullptr);

public slots:
    void load();
    void save();

private:
    QComboBox* m_typ;
    QComboBox* m_satz;
    BetragFeld* m_satzA;
    BetragFeld* m_satzB;
    QCheckBox* m_filter;
    QCheckBox* m_franchise;
    QCheckBox* m_schulung;
    QCheckBox* m_debits;
    QSettings m_settings;
};

#endif
