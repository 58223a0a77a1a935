#ifndef BENCHSTORES_H
#define BENCHSTORES_H

#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"

// The three stores on the default connection with their tables, made as the
// program makes them at its start.
struct BenchStores
{
    BenchStores();

    SqlProduktStore produkte{nullptr};
    SqlKundenStore kunden{nullptr};
    SqlAuftragsStore auftraege{nullptr};
};

#endif
