#ifndef ZAHLUNGSDIALOG_H
#define ZAHLUNGSDIALOG_H

#include <QDialog>
#include <QPointer>
#include <QSettings>

class AuftragsStore;
class QComboBox;
class QDate;
class QDateEdit;
class QLabel;
class QLineEdit;
class QTableWidget;

// The payments of one invoice: what is still open, each payment received,
// recording a new one and removing a wrong one.
class ZahlungsDialog : public QDialog
{
    Q_OBJECT

public:
    ZahlungsDialog(AuftragsStore* store, int auftrag, QWidget* parent);
    ~ZahlungsDialog() override;

    // Records a payment of betrag (as typed) on datum. An amount that is not a
    // number, not finite or not above 0 is refused with a message; one above the
    // open amount is recorded only when the user confirms it.
    bool erfasse(const QString& betrag, const QDate& datum, int art, const QString& referenz);
    // Removes payment nr once the user confirms it.
    bool entferne(int nr);

    QTableWidget* tabelle() const { return m_tabelle; }
    QLabel* offenLabel() const { return m_offen; }

private:
    void zeige();
    void erfassePressed();
    void entfernePressed();
    // After a store write: the list anew when it worked, else the warning
    // fehler with the store's reason. Returns ok.
    bool geschrieben(bool ok, const QString& titel, const QString& fehler);

    QPointer<AuftragsStore> m_store;
    int m_auftrag;
    QLabel* m_offen;
    QTableWidget* m_tabelle;
    QDateEdit* m_datum;
    QLineEdit* m_betrag;
    QComboBox* m_art;
    QLineEdit* m_referenz;
    QSettings m_settings;
};

#endif
