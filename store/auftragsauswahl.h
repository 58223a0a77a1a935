#ifndef AUFTRAGSAUSWAHL_H
#define AUFTRAGSAUSWAHL_H

#include "records/betrag.h"

#include <QDate>
#include <QString>

// Which orders the order list shows. The entry-date range applies only while
// no open, overdue or search filter is on: those look through the whole journal.
struct Auftragsauswahl
{
    QDate von;  // both days included
    QDate bis;
    int typ = -1;     // Auftragsart; -1: every kind
    int status = -1;  // AuftragsStatus; -1: every status
    bool offen = false;         // invoices with an amount still open
    bool ueberfaellig = false;  // open invoices whose due date has passed
    QString suche;  // document number, customer name or number, or an amount
    QDate heute;    // the day overdue is measured against; null: the current date

    bool zeitraumGilt() const { return !offen && !ueberfaellig && suche.trimmed().isEmpty(); }
};

// The sums of the orders a selection shows.
struct Auftragssummen
{
    int anzahl = 0;
    Betrag netto;
    Betrag brutto;
    Betrag offen;
    Betrag ueberfaellig;  // of offen, what is due before the selection's today
};

#endif
