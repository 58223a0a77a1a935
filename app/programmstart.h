#ifndef PROGRAMMSTART_H
#define PROGRAMMSTART_H

#include <QString>
#include <QStringList>

class QApplication;
class QDateTime;
class QTextStream;
class QTranslator;
class QWidget;

// The program's start-up: identity, translations, the one database connection,
// the optional wipe of all orders, then the main window and the event loop.
class Programmstart
{
public:
    static const char* const organisationDomain;

    // Runs the program on app; returns the event loop's exit code.
    static int run(QApplication& app);

    // Names the application for the settings store and makes that store's file
    // readable by the user alone.
    static void benenneAnwendung();
    // The language code: "-l CODE" after the program name, else the first two
    // letters of systemLocale when that is "fr" or "en", otherwise "de".
    static QString sprache(const QStringList& args, const QString& systemLocale);
    // Loads and installs "qt_"+lang and "belegwerk_"+lang where found.
    static void ladeUebersetzungen(const QString& lang, const QString& appDir, QTranslator& qt,
                                   QTranslator& programm);
    // Opens the default connection from the "Datenbank/..." settings; a damaged
    // SQLite file is opened but every write on it refused.
    static bool openDatabase();
    // openDatabase(), telling the user when it failed or the file is damaged.
    static bool verbindeDatenbank();
    // First start: most of the primary screen's free area, centred.
    static void passeAnBildschirm(QWidget& fenster);
    // After a failed open: asks for the password a server wants when none is
    // stored, and keeps it when the connection then opens.
    static bool fragePasswort();
    // The automatic backup of the day, on its first start; a failure is shown.
    static void sichereTaeglich(const QDateTime& jetzt);
    // Whether args ask for a command without a window ("--backup FILE", "--check").
    static bool ohneFenster(const QStringList& args);
    // Runs that command on the database of the settings and prints what it
    // did into aus; the exit code, 0 only when everything went well.
    static int kommandozeile(const QStringList& args, QTextStream& aus);
    // With "--clearAuftrag": asks, and on Yes empties the order tables.
    static void frageAuftraegeLoeschen(const QStringList& args);
};

#endif
