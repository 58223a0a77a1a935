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
    // Takes over the keys of the chosen file that the program knows, after
    // listing those it changes and asking; refuses a database the program
    // would not open. A password moves into the secret store where one runs;
    // a changed server without one drops the stored password.
    static void importiere(QWidget* parent);
};

#endif
