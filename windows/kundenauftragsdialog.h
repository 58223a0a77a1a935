#ifndef KUNDENAUFTRAGSDIALOG_H
#define KUNDENAUFTRAGSDIALOG_H

#include "records/auftrag.h"
#include "records/auftragsbefehl.h"

#include "records/kunde.h"

#include <QDialog>
#include <QPointer>
#include <QSettings>

class AuftragsAktionen;
class AuftragsStore;
class QModelIndex;
class QPushButton;
class QSqlTableModel;
class QTableView;

// The orders of one customer, with the print commands, a few status commands
// and a new order for that customer.
class KundenAuftragsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit KundenAuftragsDialog(QWidget* parent = nullptr);
    ~KundenAuftragsDialog() override;

    // The customer whose orders are listed, titled by name; call before setStore().
    void setKunde(const Kunde& k);
    void setStore(AuftragsStore* store);

    QTableView* tabelle() const { return m_view; }

signals:
    void auftragClicked(int Nr);
    void auftragDrucken(Auftrag& a);
    void auftragVorschau(Auftrag a);
    void auftragEmail(Auftrag a);
    void auftragPDF(Auftrag a);
    void auftragZahlungen(Auftrag a);
    void neuerAuftrag(int kunde);

protected slots:
    void selected(QModelIndex idx);
    void resizeTable();
    void view_context(QPoint p);
    void neuPressed();

private:
    // Reports command b for order a by the matching signal.
    void befehl(AuftragsBefehl b, Auftrag a);

    QTableView* m_view;
    QPushButton* m_neu;
    AuftragsAktionen* m_aktionen;
    QSqlTableModel* m_model = nullptr;
    QPointer<AuftragsStore> m_store;
    int m_kundenNr = 0;
    QSettings m_settings;
};

#endif
