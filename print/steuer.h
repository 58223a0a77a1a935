#ifndef STEUER_H
#define STEUER_H

#include <QCoreApplication>
#include <QString>

// The tax rule set. Stored line amounts are never converted; whether they are
// net or gross and which rate applies is read from the settings at every use;
// the amounts themselves follow in Belegbetraege.
class Steuer
{
    Q_DECLARE_TR_FUNCTIONS(Steuer)

public:
    enum Modus { Brutto = 0, Netto = 1, Keine = 2 };        // "Steuer/Typ"
    enum SatzWahl { SatzA = 0, SatzB = 1, Beide = 2, Keiner = 3 };  // "Steuer/Satz"

    static int modus();     // "Steuer/Typ", default 0
    static int satzWahl();  // "Steuer/Satz", default 0
    // The effective rate r as a fraction: rate B for selector 1, rate A for 0
    // or less, else 0. A rate that is not finite or -100 % or below reads as 0.
    static double satz();
};

#endif
