#ifndef PRODUKTEDIALOG_H
#define PRODUKTEDIALOG_H

#include <QDialog>
#include <QPoint>
#include <QPointer>
#include <QSettings>

class BetragFeld;
class ProduktStore;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSqlTableModel;
class QTableView;

// The product catalogue: a row to add products, the table of all products
// edited in place (each cell written at once) and deletion by context menu.
class ProdukteDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ProdukteDialog(QWidget* parent = nullptr);
    ~ProdukteDialog() override;

    // Shows the store's own table model.
    void setStore(ProduktStore* s);

    QTableView* tabelle() const { return m_view; }

protected slots:
    // Adds the product of the input row; an empty or taken number or an
    // unreadable price is refused with a warning and the input stays.
    void neuesProdukt();
    void view_context(QPoint p);

private:
    QSqlTableModel* m_model = nullptr;
    QPointer<ProduktStore> m_store;
    QTableView* m_view;
    QLineEdit* m_nr;
    QLineEdit* m_name;
    BetragFeld* m_preis;
    QPushButton* m_neu;
    QPushButton* m_schliessen;
    QComboBox* m_typ;
    QComboBox* m_einheit;
    QSettings m_settings;
};

#endif
