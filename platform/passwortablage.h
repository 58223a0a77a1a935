#ifndef PASSWORTABLAGE_H
#define PASSWORTABLAGE_H

#include <QString>

class QSettings;

// Where the database password lives: in the desktop's secret store when one
// runs, with "Datenbank/Passwort" kept empty; otherwise in that key, the
// settings file then readable by the user only.
class Passwortablage
{
public:
    // Stores passwort for the settings s (an empty one removes it).
    static void speichere(QSettings& s, const QString& passwort);
    // The key's value when it holds one, else the secret store's entry when
    // s says the password is kept there.
    static QString lies(QSettings& s);
    // Writes the password of quelle in plain text into the exported file ziel,
    // which then holds it under the key like any other value.
    static void alsKlartext(QSettings& ziel, QSettings& quelle);
};

#endif
