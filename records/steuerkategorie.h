#ifndef STEUERKATEGORIE_H
#define STEUERKATEGORIE_H

#include <QString>

#include <optional>

// The VAT categories of EN 16931 that lines and documents carry. Lines,
// files, databases and e-invoices keep them as their letter codes.
enum class Steuerkategorie {
    Normalsatz,             // S
    Nullsatz,               // Z
    Befreit,                // E
    Umkehrung,              // AE: reverse charge, services to a business in another EU country
    Innergemeinschaftlich,  // K: goods to a business in another EU country
    Ausfuhr,                // G: goods leaving the EU
    NichtSteuerbar          // O: outside the scope of VAT
};

namespace Steuerkategorien {

// The letter code ("S", "AE").
QString code(Steuerkategorie k);
// The category of a code as typed or stored, case and outer spaces aside;
// none for an empty or unknown code.
std::optional<Steuerkategorie> ausCode(const QString& code);
// True for the categories that charge VAT at some rate (S, Z).
bool steuerbar(Steuerkategorie k);

}  // namespace Steuerkategorien

#endif
