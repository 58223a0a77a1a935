#ifndef IMPORTBERICHT_H
#define IMPORTBERICHT_H

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

// What one import did: the figures for the status bar and, when something went
// wrong, for the one message the user gets.
class ImportBericht
{
    Q_DECLARE_TR_FUNCTIONS(ImportBericht)

public:
    enum Art { Kunden, Auftraege, Produkte };

    explicit ImportBericht(Art art = Kunden) : art(art) {}

    // Something the user must be told in a box: a damaged file or refused records.
    bool fehlerhaft() const { return abgelehnt > 0 || !fehler.isEmpty(); }
    // Worth a box of its own even without a fault: records skipped by name.
    bool mitHinweis() const { return fehlerhaft() || !uebersprungeneSaetze.isEmpty(); }
    // "n Kunden importiert, m übersprungen" and the like.
    QString statusText() const;
    // The figures, the refused records and the line of the XML error.
    QString fehlerText() const;
    // Counts one new record: skipped when it is there already, else stored by speichere or refused.
    void neu(bool vorhanden, const std::function<bool()>& speichere);

    Art art;
    int gelesen = 0;        // complete records read from the file
    int gespeichert = 0;    // new records stored
    int aktualisiert = 0;   // existing records updated (product files only)
    int uebersprungen = 0;  // present already, or without a number: not stored
    int abgelehnt = 0;      // refused by the store
    QString fehler;         // why reading stopped early; empty when the file was read whole
    qint64 fehlerZeile = 0;
    bool abgebrochen = false;         // cancelled by the user: nothing stored
    QStringList uebersprungeneSaetze;  // which record was skipped, one line each
    QStringList abgelehnteSaetze;      // which record was refused and why, one line each
};

#endif
