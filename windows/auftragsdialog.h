#ifndef AUFTRAGSDIALOG_H
#define AUFTRAGSDIALOG_H

#include "records/auftrag.h"
#include "records/kunde.h"

#include <QDialog>
#include <QPointer>

class AuftragsStore;
class ProdukteWidget;
class ProduktStore;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QLineEdit;

// Creates or edits one order. The customer is fixed and only shown; the lines
// are entered in the embedded ProdukteWidget.
class AuftragsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AuftragsDialog(QWidget* parent = nullptr);

    void setProduktStore(ProduktStore* store);
    void setAuftragsStore(AuftragsStore* store);
    void setAuftrag(Auftrag a);
    // Takes the controls over into the held order; while the order is new or
    // saved this also moves its Eingang to now.
    void uebernehmeEingaben();
    // The held order as last loaded or taken over; changes nothing.
    const Auftrag& auftrag() const { return m_auftrag; }

    QComboBox* zahlungBox() const { return m_zahlung; }
    QComboBox* statusBox() const { return m_status; }
    QLineEdit* bestellNrBox() const { return m_bestellNr; }
    QPlainTextEdit* komentarEdit() const { return m_komentar; }
    ProdukteWidget* produkte() const { return m_produkte; }
    QPushButton* okKnopf() const { return m_ok; }
    QPushButton* druckenKnopf() const { return m_drucken; }
    // Says which VAT numbers an intra-community invoice lacks; hidden otherwise.
    // Says that an issued document is final and how it is corrected; hidden otherwise.
    QLabel* ausgestelltHinweis() const { return m_ausgestelltHinweis; }

signals:
    void drucken(Auftrag& a);

public slots:
    void print();
    // Asks before changes typed into the dialog are dropped.
    void reject() override;
    void data_changed();
    void typ_changed();

private:
    // What the user can change, as one text, to tell whether anything was changed.
    QString eingaben() const;
    void zeigeUstIdHinweis();

    Auftrag m_auftrag;
    Kunde m_kunde;
    QPointer<ProduktStore> m_produktStore;
    QPointer<AuftragsStore> m_auftragsStore;

    QComboBox* m_typ;
    QComboBox* m_dienst;
    QComboBox* m_zahlung;
    QComboBox* m_status;
    QLineEdit* m_bestellNr;
    QLabel* m_kundeLabel;
    QLabel* m_ustIdHinweis;
    QLabel* m_ausgestelltHinweis;
    QPlainTextEdit* m_komentar;
    QPlainTextEdit* m_lieferanschrift;
    ProdukteWidget* m_produkte;
    QPushButton* m_ok;
    QPushButton* m_abbrechen;
    QPushButton* m_drucken;
    QString m_anfang;  // eingaben() as the dialog was filled
};

#endif
