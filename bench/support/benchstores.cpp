#include "bench/support/benchstores.h"

BenchStores::BenchStores()
{
    produkte.createTable();
    kunden.createTable();
    auftraege.createTables();
}
