#ifndef LAENDERCODES_H
#define LAENDERCODES_H

#include <QString>

// Country names as users type them into the customer's "Land" (German, French
// or English, with or without accents, any case) mapped to ISO 3166-1 alpha-2
// codes, as electronic invoices need them.
namespace Laendercodes {

// The code for land; a two-letter code that is in the table passes as it is.
// Empty for an empty or unknown name: the caller must not guess a country.
QString iso(const QString& land);
// True for the member states of the European Union.
bool eu(const QString& iso);

}  // namespace Laendercodes

#endif
