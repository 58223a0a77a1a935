#include "print/steuer.h"

#include "platform/einstellung.h"

#include <QSettings>

#include <cmath>

int Steuer::modus()
{
    return Einstellung::zahl(Einstellung::SteuerTyp);
}

int Steuer::satzWahl()
{
    return Einstellung::zahl(Einstellung::SteuerSatz);
}

double Steuer::satz()
{
    QSettings s;
    const int wahl = Einstellung::zahl(Einstellung::SteuerSatz, s);
    double r = 0.0;
    if (wahl == SatzB)
        r = Einstellung::dezimal(Einstellung::SteuerSatzB, s);
    else if (wahl <= SatzA)
        r = Einstellung::dezimal(Einstellung::SteuerSatzA, s);
    // "nan" and "inf" parse as numbers, and -100 % divides by zero in the
    // gross mode: either would put inf or NaN on every amount.
    if (!std::isfinite(r) || r <= -1.0)
        return 0.0;
    return r;
}
