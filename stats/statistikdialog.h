#ifndef STATISTIKDIALOG_H
#define STATISTIKDIALOG_H

#include "records/auftragskennzahlen.h"
#include "records/betrag.h"

#include <QDialog>
#include <QMap>
#include <QSettings>

#include <memory>

class AuftragsStore;
class FormatedDoubleDelegate;
class KundenStore;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QPushButton;
class QStandardItem;
class QStandardItemModel;
class QTabWidget;
class QTableView;
class UmsatzDiagramm;

// What the customer and the product statistics share: the filter row with
// kind, payment, status, date range and total row, the result table with its
// money column, the turnover chart, the export, and the size and column layout
// kept in the settings under the dialog's class name.
class StatistikDialog : public QDialog
{
    Q_OBJECT

public:
    ~StatistikDialog() override;

    void setKundenStore(KundenStore* store);
    void setAuftragsStore(AuftragsStore* store);

    QTableView* tabelle() const { return m_view; }
    QStandardItemModel* ergebnis() const { return m_model; }
    UmsatzDiagramm* diagramm() const { return m_diagramm; }

signals:
    // A filter of the row changed: the figures are computed again.
    void filterGeaendert();

protected:
    // name: the class name for the settings keys; summenSpalte: the money column.
    StatistikDialog(const QString& name, int summenSpalte, QWidget* parent);

    // Where the filters of a subclass go: after "Berechnen" and its spacing.
    void fuegeFilterEin(QWidget* w, int abstandDanach = 0);

    // Starts a new result with these columns; false when a store is missing.
    bool beginne(const QStringList& spalten);
    // Shows the result in the table and the chart.
    void zeigeErgebnis(const QMap<QDate, Betrag>& proMonat);
    // The orders of the date range, from "Von" 00:00:00 to the last second of
    // the "Bis" day, that pass the kind, payment and status filters.
    QList<AuftragsKennzahlen> gefilterteAuftraege(bool mitZeilen);
    static QDate monat(const AuftragsKennzahlen& a);
    // How a counts under the kind filter (Umsatzregel): -1 for a credit note.
    int gewicht(const AuftragsKennzahlen& a) const;
    bool mitSumme() const;
    // The total row: yellow, as an ordinary row of the model.
    void haengeSummenZeileAn(QList<QStandardItem*> zeile);
    void exportiere(const QString& caption);

    static QStandardItem* textItem(const QString& text);
    static QStandardItem* zahlItem(int n);
    // Shows the amount as the documents do; sorts and exports as euros.
    static QStandardItem* betragItem(Betrag betrag);

    KundenStore* m_kundenStore = nullptr;
    AuftragsStore* m_auftragsStore = nullptr;
    QPushButton* m_berechnen;
    QPushButton* m_exportieren;

private:
    QString m_name;
    int m_summenSpalte;
    bool m_neu = false;  // m_model is not in the view yet
    QTableView* m_view;
    QStandardItemModel* m_model;
    QTabWidget* m_seiten;
    UmsatzDiagramm* m_diagramm;
    std::unique_ptr<FormatedDoubleDelegate> m_betragDelegate;
    QHBoxLayout* m_filterZeile;
    int m_einfuegeStelle;
    QComboBox* m_art;
    QComboBox* m_zahlung;
    QComboBox* m_status;
    QDateEdit* m_von;
    QDateEdit* m_bis;
    QCheckBox* m_summe;
    QSettings m_settings;
};

#endif
