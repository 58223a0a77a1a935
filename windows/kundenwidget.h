#ifndef KUNDENWIDGET_H
#define KUNDENWIDGET_H

#include "records/kunde.h"

#include <QFrame>

class KundenStore;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QTextEdit;

// The form for one customer, driven by the keyboard: Return moves on to the
// next field, and input_changed() tells whether the address is complete.
class KundenWidget : public QFrame
{
    Q_OBJECT

public:
    explicit KundenWidget(QWidget* parent = nullptr);

    Kunde kunde() const;
    bool isNew() const { return m_neu; }
    void setStore(KundenStore* store) { m_store = store; }

signals:
    void input_changed(bool ok);
    void changed();

public slots:
    void setKunde(const Kunde& k);
    void clear();

protected slots:
    virtual void data_changed();

private:
    QLineEdit* neuesFeld(const QString& name);
    void baueFelder();
    void baueFormular();
    void verbinde();

    int m_nr = 0;
    bool m_neu = true;
    KundenStore* m_store = nullptr;

    QLineEdit* m_kundenNr;
    QComboBox* m_typ;
    QLineEdit* m_firma;
    QLineEdit* m_name;
    QLineEdit* m_strasse;
    QLineEdit* m_plz;
    QLineEdit* m_ort;
    QLineEdit* m_land;
    QLineEdit* m_tel;
    QLineEdit* m_tel2;
    QLineEdit* m_fax;
    QLineEdit* m_email;
    QLineEdit* m_iban;
    QLineEdit* m_bic;
    QLineEdit* m_steuerNr;
    QLineEdit* m_siren;
    QLineEdit* m_eAdresse;
    QLineEdit* m_leitwegId;
    QPlainTextEdit* m_lieferanschrift;
    QTextEdit* m_bemerkung;
    QLabel* m_hinweis;  // what is missing or wrong for the customer to be stored
};

#endif
