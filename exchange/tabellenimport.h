#ifndef TABELLENIMPORT_H
#define TABELLENIMPORT_H

#include "exchange/importbericht.h"

#include <QCoreApplication>

class KundenStore;
class ProduktStore;
class QAbstractItemModel;
class QWidget;

// The spreadsheet imports: the program's own product file and the product and
// customer lists of the Vendora shop. Rows without any text are no records.
class TabellenImport
{
    Q_DECLARE_TR_FUNCTIONS(TabellenImport)

public:
    // The commands: ask for an OpenDocument file and import it. They return
    // the text for the status bar, empty when the user cancelled.
    static QString importProdukte(QWidget* parent, ProduktStore* store);
    static QString importProdukteVDA(QWidget* parent, ProduktStore* store);
    static QString importKundenVDA(QWidget* parent, KundenStore* store);

    // Columns Nr, Name, Preis, Desc, Typ: updates the products that exist, adds the rest.
    static ImportBericht produkte(QAbstractItemModel* tabelle, ProduktStore* store);
    // Nr in A, Name in C, Preis in T: adds new products, never changes one.
    static ImportBericht produkteVDA(QAbstractItemModel* tabelle, ProduktStore* store);
    // Firma, Nr, Typ, Name, street in two lines, PLZ, Ort, ...: adds new customers.
    static ImportBericht kundenVDA(QAbstractItemModel* tabelle, KundenStore* store);

    // A price as the sheet shows it: in the user's locale, else with a decimal point; 0 otherwise.
    static double zahl(const QString& text);
};

#endif
