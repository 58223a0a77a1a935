#include "bench/support/beispielrechnung.h"

#include "records/codetabellen.h"

namespace BenchMessung {

Auftrag beispielRechnung()
{
    Auftrag a;
    a.Zahlung = Zahlungsart::Ueberweisung;
    a.Eingang = QDateTime(QDate(2026, 3, 2), QTime(9, 0));
    a.Kunde.Nr = 12;
    a.Kunde.Firma = "ACME";
    a.Kunde.Strasse = "3 rue Neuve";
    a.Kunde.PLZ = "69002";
    a.Kunde.Ort = "Lyon";
    a.Kunde.Land = "Frankreich";
    for (int i = 0; i < 20; ++i) {
        AuftragsLine l;
        l.Anzahl = 1 + i % 5;
        l.ProduktNr = QString("P-%1").arg(i);
        l.Produkt = QString("Produit numéro %1").arg(i);
        l.Preis = 12.5 * l.Anzahl;
        a.Zeilen << l;
    }
    return a;
}

}  // namespace BenchMessung
