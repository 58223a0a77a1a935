#ifndef KUNDENDIALOG_H
#define KUNDENDIALOG_H

#include "records/kunde.h"

#include <QDialog>
#include <QSettings>

#include <optional>

class KundenStore;
class KundenWidget;
class QPushButton;

// One customer in a modal dialog: "Okay" stores it (insert or confirmed
// update); the other commands are handed to the main window by signals.
class KundenDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KundenDialog(QWidget* parent = nullptr);
    ~KundenDialog() override;

    void setStore(KundenStore* store);
    // A customer seen through an order: nothing can be changed or stored.
    void setReadOnly();
    KundenWidget* form() const { return m_form; }

signals:
    void listRechnungen(Kunde k);
    void neueRechnung(Kunde k);
    void email(Kunde k);

public slots:
    void setKunde(const Kunde& k);
    // Asks before changes typed into the form are dropped.
    void reject() override;
    void neueRechnung();
    void listRechnungen();
    void sendEmail();
    // True when the dialog may close: stored, nothing to store, or the change
    // refused. False keeps the dialog open with the input as typed.
    bool save();
    void kunde_changed(bool ok);
    void data_changed();

private:
    QPushButton* neuerKnopf(const QString& text);
    bool speichereNeu(Kunde k);
    bool speichereAenderung(const Kunde& k);
    std::optional<Kunde> gespeicherterKunde();

    KundenWidget* m_form;
    QPushButton* m_okay;
    QPushButton* m_abbrechen;
    QPushButton* m_zeigeRechnungen;
    QPushButton* m_neueRechnung;
    QPushButton* m_email;
    KundenStore* m_store = nullptr;
    bool m_modified = false;
    bool m_readOnly = false;
    QSettings m_settings;
};

#endif
