#ifndef DRUCKEINRICHTUNG_H
#define DRUCKEINRICHTUNG_H

class Auftrag;
class QPrinter;
class QWidget;

// Sets a printer up for one order from the settings read at this moment
// ("Rechnung/DruckerName", "Rechnung/Copies", "Rechnung/ZeigeDialog").
class Druckeinrichtung
{
public:
    // Names the printer, the copies and the job after a; shows the print
    // dialog when the settings ask for it or name no printer. False when the
    // user cancelled that dialog: nothing is to be printed then.
    static bool richteEin(QPrinter& printer, const Auftrag& a, QWidget* parent);
};

#endif
