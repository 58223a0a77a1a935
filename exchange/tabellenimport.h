#ifndef TABELLENIMPORT_H
#define TABELLENIMPORT_H

#include "exchange/fortschritt.h"
#include "exchange/importbericht.h"

#include <QCoreApplication>

class KundenStore;
class ProduktStore;
class QAbstractItemModel;
class QWidget;

// The spreadsheet imports: the program's own product file and the product and
// customer lists of the Vendora shop. A row without text in the columns an
// import reads is no record. The records of a file are stored in one
// transaction, or none of them when the user cancels; more than maxOhneFrage
// new records only when the user agrees.
class TabellenImport
{
    Q_DECLARE_TR_FUNCTIONS(TabellenImport)

public:
    static constexpr int maxOhneFrage = 10000;

    // The commands: ask for an OpenDocument file and import it, with a progress
    // window. They return the text for the status bar, empty when the user
    // cancelled the file choice; a file that cannot be read is named in a message.
    static QString importProdukte(QWidget* parent, ProduktStore* store);
    static QString importProdukteVDA(QWidget* parent, ProduktStore* store);
    static QString importKundenVDA(QWidget* parent, KundenStore* store);

    // Columns Nr, Name, Preis, Desc, Typ: updates the products that exist, adds the
    // rest. A column the sheet has no title for leaves that field as it is.
    static ImportBericht produkte(QAbstractItemModel* tabelle, ProduktStore* store, QWidget* parent = nullptr,
                                  const Fortschritt::Meldung& weiter = Fortschritt::ohne());
    // Nr in A, Name in C, Preis in T: adds new products, never changes one.
    static ImportBericht produkteVDA(QAbstractItemModel* tabelle, ProduktStore* store, QWidget* parent = nullptr,
                                     const Fortschritt::Meldung& weiter = Fortschritt::ohne());
    // Firma, Nr, Typ, Name, street in two lines, PLZ, Ort, ...: adds new customers.
    static ImportBericht kundenVDA(QAbstractItemModel* tabelle, KundenStore* store, QWidget* parent = nullptr,
                                   const Fortschritt::Meldung& weiter = Fortschritt::ohne());

    // A price as the sheet shows it: in the user's locale, else with a decimal point; 0 otherwise.
    static double zahl(const QString& text);

private:
    // Asks before more than maxOhneFrage new records are stored.
    static bool bestaetigt(QWidget* parent, const ImportBericht& bericht, qsizetype neu);
    static QString ausDatei(QWidget* parent, const QString& titel,
                            const std::function<ImportBericht(QAbstractItemModel*, const Fortschritt::Meldung&)>&
                                importiere);
};

#endif
