#ifndef AUFTRAGSEDITOR_H
#define AUFTRAGSEDITOR_H

#include "records/auftrag.h"
#include "records/auftragsbefehl.h"

#include <QPointer>
#include <QSettings>
#include <QWidget>

#include "store/auftragsauswahl.h"

class AuftragsAktionen;
class AuftragsStore;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QSqlTableModel;
class QTableView;
class QTimer;

// The orders whose entry date lies in a chosen range, with every order command
// in the context menu; in admin mode edited in place and deleted permanently.
class AuftragsEditor : public QWidget
{
    Q_OBJECT

public:
    explicit AuftragsEditor(QWidget* parent = nullptr);
    ~AuftragsEditor() override;

    // Call before setStore().
    void setAdmin(bool on);
    void setStore(AuftragsStore* store);

    QTableView* tabelle() const { return m_view; }
    QDateEdit* vonEdit() const { return m_von; }
    QDateEdit* bisEdit() const { return m_bis; }
    QPushButton* aktualisierenKnopf() const { return m_aktualisieren; }
    QComboBox* artWahl() const { return m_art; }
    QComboBox* statusWahl() const { return m_status; }
    QCheckBox* offenSchalter() const { return m_nurOffen; }
    QCheckBox* ueberfaelligSchalter() const { return m_ueberfaellig; }
    QLineEdit* suchFeld() const { return m_suche; }
    // The sums of the rows shown, and the open and overdue totals of the journal.
    QLabel* summenZeile() const { return m_summen; }
    QLabel* offenZeile() const { return m_offen; }
    // The day overdue is measured against; null (the default) is the current date.
    void setHeute(const QDate& heute);
    // What the filters choose now.
    Auftragsauswahl auswahl() const;
    QSqlTableModel* model() const { return m_model; }
    // The order commands, enabled for the order last right-clicked.
    AuftragsAktionen* aktionen() const { return m_aktionen; }

signals:
    void auftragClicked(int Nr);
    // An order command chosen from a menu; the main window carries it out.
    void befohlen(AuftragsBefehl b, const Auftrag& a);

public slots:
    void save();

protected slots:
    void selected(QModelIndex idx);
    void dateChanged();
    void resizeTable();
    void view_context(QPoint p);
    void view_admin_context(QPoint p);

private:
    void zeigeModel(QSqlTableModel* model);
    void zeigeSummen();

    QTableView* m_view;
    QDateEdit* m_von;
    QDateEdit* m_bis;
    QPushButton* m_aktualisieren;
    QComboBox* m_art;
    QComboBox* m_status;
    QCheckBox* m_nurOffen;
    QCheckBox* m_ueberfaellig;
    QLineEdit* m_suche;
    QLabel* m_summen;
    QLabel* m_offen;
    QDate m_heute;
    AuftragsAktionen* m_aktionen;
    QTimer* m_summenFolgen;  // computes the sums when the list was read anew
    QSqlTableModel* m_model = nullptr;
    QPointer<AuftragsStore> m_store;
    QSettings m_settings;
    bool m_admin = false;
};

#endif
