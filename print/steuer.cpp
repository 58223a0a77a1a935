#include "print/steuer.h"

#include "platform/einstellung.h"
#include "print/laendercodes.h"
#include "records/steuerkategorie.h"

#include <QSettings>

#include <cmath>

namespace {

double gelesen(Einstellung::Schluessel k, bool deutsch, bool zweiter, const QSettings& s)
{
    if (s.contains(Einstellung::name(k)))
        return Steuer::prozent(s.value(Einstellung::name(k)));
    if (Steuer::landGesetzt(s)) {
        const QList<double> saetze = Steuer::landesSaetze(Steuer::land(deutsch, s));
        if (!saetze.isEmpty())
            return saetze.value(zweiter ? 1 : 0, saetze.first());
    }
    if (deutsch)
        return zweiter ? 7.0 : 19.0;
    return Steuer::prozent(Einstellung::standard(k));
}

}  // namespace

int Steuer::modus(const QSettings& s)
{
    return Einstellung::zahl(Einstellung::SteuerTyp, s);
}

int Steuer::satzWahl(const QSettings& s)
{
    return Einstellung::zahl(Einstellung::SteuerSatz, s);
}

bool Steuer::landGesetzt(const QSettings& s)
{
    return s.contains(Einstellung::name(Einstellung::FirmaLand)) &&
           !Einstellung::text(Einstellung::FirmaLand, s).trimmed().isEmpty();
}

QString Steuer::land(bool deutschesLayout, const QSettings& s)
{
    if (landGesetzt(s))
        return Laendercodes::iso(Einstellung::text(Einstellung::FirmaLand, s));
    return deutschesLayout ? QStringLiteral("DE") : QStringLiteral("FR");
}

QList<double> Steuer::landesSaetze(const QString& iso)
{
    if (iso == "FR")
        return {20.0, 10.0, 5.5, 2.1};
    if (iso == "DE")
        return {19.0, 7.0};
    return {};
}

double Steuer::prozent(const QVariant& wert)
{
    bool ok = false;
    double p = wert.toDouble(&ok);
    if (!ok || !std::isfinite(p))
        return 0.0;
    if (p < 1.0)
        p *= 100.0;
    // Rounded to the hundredth: 0.055 × 100 is 5.500000000000001.
    p = std::round(p * 100.0) / 100.0;
    return p <= -100.0 ? 0.0 : p;
}

double Steuer::prozentA(bool deutschesLayout, const QSettings& s)
{
    return gelesen(Einstellung::SteuerSatzA, deutschesLayout, false, s);
}

double Steuer::prozentB(bool deutschesLayout, const QSettings& s)
{
    return gelesen(Einstellung::SteuerSatzB, deutschesLayout, true, s);
}

double Steuer::regelsatz(bool deutschesLayout, const QSettings& s)
{
    const int wahl = satzWahl(s);
    if (wahl == SatzB)
        return prozentB(deutschesLayout, s);
    if (wahl <= SatzA)
        return prozentA(deutschesLayout, s);
    return 0.0;
}

QList<Steuer::Wahl> Steuer::auswahl(bool deutschesLayout)
{
    QList<double> saetze = landesSaetze(land(deutschesLayout));
    for (double p : {prozentA(deutschesLayout), prozentB(deutschesLayout)})
        if (p > 0.0 && !saetze.contains(p))
            saetze << p;
    QList<Wahl> w;
    for (double p : saetze)
        w << Wahl{Steuerkategorien::code(Steuerkategorie::Normalsatz), p, tr("S %1 %").arg(QString::number(p, 'g', 6))};
    w << Wahl{Steuerkategorien::code(Steuerkategorie::Nullsatz), 0.0, tr("Z 0 % (Nullsatz)")}
      << Wahl{Steuerkategorien::code(Steuerkategorie::Befreit), 0.0, tr("E steuerfrei (Schulung)")};
    return w;
}
