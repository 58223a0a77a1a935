#include "exchange/importbericht.h"

namespace {

// A list that stays readable in a message box however long the file was.
QString aufzaehlung(const QString& titel, const QStringList& saetze)
{
    const qsizetype zeigen = 20;
    QString text = QLatin1Char('\n') + titel;
    for (qsizetype i = 0; i < qMin(zeigen, saetze.size()); ++i)
        text += QLatin1String("\n   ") + saetze.at(i);
    if (saetze.size() > zeigen)
        text += QLatin1String("\n   ") + ImportBericht::tr("… und %1 weitere").arg(saetze.size() - zeigen);
    return text;
}

}  // namespace

QString ImportBericht::statusText() const
{
    if (abgebrochen)
        return tr("Import abgebrochen, nichts gespeichert");
    // Records the store refused are not imported either; the box, where there is one, tells them apart.
    const int uebersprungen = this->uebersprungen + abgelehnt;
    switch (art) {
    case Kunden:
        return tr("%1 Kunden importiert, %2 übersprungen").arg(gespeichert).arg(uebersprungen);
    case Auftraege:
        return tr("%1 Aufträge importiert, %2 übersprungen").arg(gespeichert).arg(uebersprungen);
    case Produkte:
        break;
    }
    return tr("%1 Produkte importiert, %2 aktualisiert, %3 übersprungen")
        .arg(gespeichert)
        .arg(aktualisiert)
        .arg(uebersprungen);
}

QString ImportBericht::fehlerText() const
{
    QString text;
    if (fehlerZeile > 0)
        text = tr("Die Datei ist fehlerhaft und wurde nur bis Zeile %1 gelesen: %2")
                   .arg(fehlerZeile)
                   .arg(fehler)
               + QLatin1Char('\n');
    else if (!fehler.isEmpty())
        text = tr("Die Datei konnte nicht gelesen werden: %1").arg(fehler) + QLatin1Char('\n');
    text += tr("Gelesen: %1, gespeichert: %2, bereits vorhanden: %3, abgelehnt: %4.")
                .arg(gelesen)
                .arg(gespeichert + aktualisiert)
                .arg(uebersprungen)
                .arg(abgelehnt);
    if (abgelehnt > abgelehnteSaetze.size())
        text += QLatin1Char('\n') + tr("Abgelehnte Datensätze hat die Datenbank nicht angenommen; "
                                       "sie stehen im Protokoll.");
    if (!abgelehnteSaetze.isEmpty())
        text += aufzaehlung(tr("Nicht gespeichert:"), abgelehnteSaetze);
    if (!uebersprungeneSaetze.isEmpty())
        text += aufzaehlung(tr("Übersprungen, weil die Nummer schon vergeben ist:"), uebersprungeneSaetze);
    return text;
}
