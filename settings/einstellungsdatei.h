#ifndef EINSTELLUNGSDATEI_H
#define EINSTELLUNGSDATEI_H

#include <QCoreApplication>

class QWidget;

// Exports all settings to an ini file the user chooses ("belegwerk.ini" in
// the documents folder proposed) and imports them from one.
class EinstellungsDatei
{
    Q_DECLARE_TR_FUNCTIONS(EinstellungsDatei)

public:
    // Asks before writing the database password in clear text; the file is
    // readable by its owner only. Reports a file that could not be written.
    static void exportiere(QWidget* parent);
    // Takes over every key of the chosen file; a password moves into the
    // secret store where one runs.
    static void importiere(QWidget* parent);
};

#endif
