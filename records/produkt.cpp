#include "records/produkt.h"

Produkt::Produkt(const QString& nr, const QString& name, double preis)
    : Nr(nr), Name(name), Preis(preis)
{
}
