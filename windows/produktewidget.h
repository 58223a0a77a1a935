#ifndef PRODUKTEWIDGET_H
#define PRODUKTEWIDGET_H

#include "records/auftrag.h"

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QSettings>

class AsCompleter;
class ProduktLineModel;
class ProduktStore;
class QLabel;
class QLineEdit;
class QSpinBox;
class QSqlTableModel;
class QTableView;
class QToolButton;

// Entry of the lines of one order: a product number or name with a quantity,
// completed from the product store, and the running sum under the tax mode.
class ProdukteWidget : public QFrame
{
    Q_OBJECT

public:
    // The units offered for a line, in the interface language (pièce, heure, jour… in French).
    static QStringList standardEinheiten();
    explicit ProdukteWidget(QWidget* parent = nullptr);
    ~ProdukteWidget() override;

    void setProduktStore(ProduktStore* store);
    double summe() const;
    QList<AuftragsLine> lines() const;

    QSpinBox* mengeBox() const { return m_menge; }
    QLineEdit* eingabeZeile() const { return m_eingabe; }
    QTableView* tabelle() const { return m_view; }
    QLabel* summenLabel() const { return m_summe; }
    QToolButton* prozentKnopf() const { return m_prozent; }
    AsCompleter* completer() const { return m_completer; }

public slots:
    void clear();
    void setAuftrag(Auftrag a);
    void setTyp(Auftrag::dienstTyp typ);
    void eingabe();
    void eingabe(QString text);
    void view_item_context(QPoint pos);
    void prozente();
    void updateSumme();

private:
    void filtereProdukte(int typ);
    // The commands of a line's context menu.
    void entfernen(const QModelIndex& index);
    void preisAendern(const QModelIndex& index);
    void mengeAendern(const QModelIndex& index);
    void einheitAendern(const QModelIndex& index);
    void komentarAendern(const QModelIndex& index);
    void mwstAendern(const QModelIndex& index);

    QSpinBox* m_menge;
    QLineEdit* m_eingabe;
    QToolButton* m_liste;
    QToolButton* m_prozent;
    QTableView* m_view;
    ProduktLineModel* m_model;
    QLabel* m_summe;
    QPointer<ProduktStore> m_store;
    AsCompleter* m_completer;
    QSqlTableModel* m_filterModel = nullptr;  // owned; the store hands it out
    int m_dienst = Auftrag::Produkte;  // of the order shown: the sum follows its tax
    Kunde m_kunde;  // whose situation decides the VAT
    QSettings m_settings;
};

#endif
