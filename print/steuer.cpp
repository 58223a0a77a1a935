#include "print/steuer.h"

#include <QSettings>

#include <cmath>

int Steuer::modus()
{
    return QSettings().value("Steuer/Typ", 0).toInt();
}

int Steuer::satzWahl()
{
    return QSettings().value("Steuer/Satz", 0).toInt();
}

double Steuer::satz()
{
    QSettings s;
    const int wahl = s.value("Steuer/Satz", 0).toInt();
    double r = 0.0;
    if (wahl == SatzB)
        r = s.value("Steuer/Satz B", 0.196).toDouble();
    else if (wahl <= SatzA)
        r = s.value("Steuer/Satz A", 0.196).toDouble();
    // "nan" and "inf" parse as numbers, and -100 % divides by zero in the
    // gross mode: either would put inf or NaN on every amount.
    if (!std::isfinite(r) || r <= -1.0)
        return 0.0;
    return r;
}
