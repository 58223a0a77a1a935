#ifndef BEISPIELRECHNUNG_H
#define BEISPIELRECHNUNG_H

#include "records/auftrag.h"

namespace BenchMessung {

// The 20-line invoice the document benchmarks render: a French business customer, bank transfer.
Auftrag beispielRechnung();

}  // namespace BenchMessung

#endif
