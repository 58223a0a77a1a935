#include "records/codetabellen.h"

QStringList CodeTabellen::auftragsarten()
{
    return {tr("Rechnung"), tr("Lieferschein"), tr("Gutschrift"), tr("Angebot")};
}

QStringList CodeTabellen::zahlungsarten()
{
    return {tr("Bar"), tr("EC"), tr("Überweisung"), tr("Bankeinzug"), tr("Kreditkarte"),
            tr("Scheck")};
}

QStringList CodeTabellen::auftragsStatus()
{
    return {tr("Neu"), tr("Gespeichert"), tr("Gedruckt"), tr("Bezahlt"), tr("Versand"),
            tr("Fertig"), tr("Storniert")};
}

QStringList CodeTabellen::dienstTypen()
{
    return {tr("Schulung"), tr("Produkte")};
}

QStringList CodeTabellen::kundenTypen()
{
    return {tr("Kunde1"), tr("Kunde2"), tr("Kunde3"), tr("Intern")};
}

QStringList CodeTabellen::produktTypen()
{
    return {tr("Dienstleistung"), tr("Waren"), tr("Kosten"), tr("Sonstiges")};
}

QString CodeTabellen::name(const QStringList& namen, int code)
{
    return code >= 0 && code < namen.size() ? namen.at(code) : QString();
}
