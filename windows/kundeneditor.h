#ifndef KUNDENEDITOR_H
#define KUNDENEDITOR_H

#include "records/kunde.h"

#include <QModelIndex>
#include <QPointer>
#include <QSettings>
#include <QWidget>

class KundenFilter;
class KundenStore;
class QComboBox;
class QLineEdit;
class QMenu;
class QSqlTableModel;
class QTableView;

// The "Kunden" tab: every customer, narrowed by type and by words found in
// the number, name, address, phones or e-mail. Commands go to the main window as signals.
class KundenEditor : public QWidget
{
    Q_OBJECT

public:
    explicit KundenEditor(QWidget* parent = nullptr);
    ~KundenEditor() override;

    void setStore(KundenStore* store);
    QTableView* view() const { return m_view; }
    // The context menu for the row at pos (viewport coordinates), owned by the
    // caller; nullptr below the last row.
    QMenu* kontextMenu(const QPoint& pos);

signals:
    void neuerKunde();
    void kundeClicked(int Nr);
    void listRechnungen(Kunde k);
    void neueRechnung(Kunde k);
    void email(Kunde k);

public slots:
    void save();

protected slots:
    void selected(const QModelIndex& idx);
    void resetFilter();
    void updateFilter();
    void view_context(const QPoint& p);

private:
    void zeigeModell(int typ, const QString& text);
    void versteckeSpalten();
    void passeSpaltenAn();

    QTableView* m_view;
    KundenStore* m_store = nullptr;
    QComboBox* m_typ;
    QLineEdit* m_filter;
    QSettings m_settings;
    QPointer<QSqlTableModel> m_model;  // every customer
    KundenFilter* m_filterModell;      // what the view shows
};

#endif
