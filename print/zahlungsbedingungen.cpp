#include "print/zahlungsbedingungen.h"

#include <QSettings>

int Zahlungsbedingungen::zahlungsziel()
{
    return QSettings().value("Rechnung/Zahlungsziel", 30).toInt();
}

QString Zahlungsbedingungen::mahntext()
{
    return QSettings().value("Rechnung/Mahntext", standardMahntext()).toString();
}

QString Zahlungsbedingungen::standardMahntext()
{
    return tr("En cas de retard de paiement, des pénalités égales à trois fois le taux d'intérêt "
              "légal sont exigibles de plein droit, ainsi qu'une indemnité forfaitaire pour frais "
              "de recouvrement de 40 € (art. L441-10 du Code de commerce).\n"
              "Pas d'escompte pour paiement anticipé.");
}
