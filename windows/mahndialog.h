#ifndef MAHNDIALOG_H
#define MAHNDIALOG_H

#include "print/mahnung.h"

#include <QDate>
#include <QDialog>
#include <QPointer>

class AuftragsStore;
class QLabel;
class QRadioButton;
class QSpinBox;

// Asks how to remind a customer of an overdue invoice: this invoice alone or
// every overdue invoice of the customer, and at which level. The letter goes
// out through the owner (ausgeben), which closes the dialog once it went out.
class MahnDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Ausgabe { Vorschau, Drucken, Pdf, Email };

    MahnDialog(AuftragsStore* store, const Auftrag& rechnung, const QDate& heute, QWidget* parent);

    // The letter as chosen now, dated heute.
    Mahnung::Schreiben schreiben() const;
    QRadioButton* alleKnopf() const { return m_alleKnopf; }

signals:
    void ausgeben(MahnDialog::Ausgabe art, const Mahnung::Schreiben& s);

private:
    // The list and the level follow the choice: one above the highest level
    // the listed invoices reached.
    void zeige();
    QList<Mahnung::Posten> posten() const;

    QPointer<AuftragsStore> m_store;
    QDate m_heute;
    QList<Mahnung::Posten> m_diese;  // the invoice the command was given for
    QList<Mahnung::Posten> m_alle;   // every overdue invoice of its customer
    QRadioButton* m_nurDiese;
    QRadioButton* m_alleKnopf;
    QSpinBox* m_stufe;
    QLabel* m_liste;
};

#endif
