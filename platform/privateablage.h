#ifndef PRIVATEABLAGE_H
#define PRIVATEABLAGE_H

#include <QString>

// Where the program keeps what no other local user may read: the data folder,
// the database file, the settings file and the PDFs handed to the mail program.
class PrivateAblage
{
public:
    // Creates folder with its parents when missing and makes it the user's alone (0700).
    static bool ordner(const QString& pfad);
    // Creates an empty file only the user may read and write (0600) when none exists.
    static bool neueDatei(const QString& pfad);
    // Makes the settings file and its folder the user's alone, creating the file when missing.
    static bool einstellungen();

    // A path for fileName in a new folder of unpredictable name inside the
    // private mail folder; empty when it could not be created.
    static QString mailAnhang(const QString& fileName);
    // Removes the attachments earlier runs left in the private mail folder.
    static void raeumeMailAnhaengeAuf();

private:
    static QString mailOrdner();
};

#endif
