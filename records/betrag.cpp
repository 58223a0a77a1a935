#include "records/betrag.h"

#include "records/dezimaltext.h"

#include <QCoreApplication>

#include <cmath>

Betrag Betrag::ausCent(qint64 cent)
{
    return Betrag(cent);
}

Betrag Betrag::ausEuro(double euro)
{
    return rundeCent(euro * 100.0);
}

Betrag Betrag::rundeCent(double cent)
{
    // Beyond what a qint64 holds there is no amount to round.
    if (!std::isfinite(cent) || std::fabs(cent) >= 9.2e18)
        return Betrag();
    // The nudge makes 100.49999… (1.005 typed) round as the user wrote it.
    return Betrag(std::llround(cent + (cent < 0 ? -1e-6 : 1e-6)));
}

std::optional<Betrag> Betrag::lies(const QString& text)
{
    const std::optional<qint64> cent = leseDezimal(text, 2, QStringLiteral("€"));
    if (!cent)
        return std::nullopt;
    return Betrag(*cent);
}

QString Betrag::zahl() const
{
    return dezimalText(m_cent, 2);
}

QString Betrag::text() const
{
    return QCoreApplication::translate("Betrag", "%1 €").arg(zahl());
}

Betrag Betrag::anteil(double satz) const
{
    return rundeCent(satz * double(m_cent));
}
