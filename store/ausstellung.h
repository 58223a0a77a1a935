#ifndef AUSSTELLUNG_H
#define AUSSTELLUNG_H

#include "records/auftrag.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QSettings>
#include <QString>

// What issuing a document means: invoices and credit notes become final
// when they are first printed, saved as PDF or XML or mailed; their exact
// file is archived with the status change.
class Ausstellung
{
    Q_DECLARE_TR_FUNCTIONS(Ausstellung)

public:
    // Invoices and credit notes are issued; offers and delivery notes are not.
    static bool wirdAusgestellt(const Auftrag& a);
    static bool istAusgestellt(const Auftrag& a) { return a.Ausgestellt.isValid(); }
    // a as it is issued at jetzt: a document still new or saved is dated then
    // and becomes "Gedruckt"; the due date follows from the payment term.
    static Auftrag vorbereiten(Auftrag a, const QDateTime& jetzt, const QSettings& s = QSettings());
    // Hex SHA-256 of the file, as stored beside it.
    static QString pruefsumme(const QByteArray& datei);
    // Why an issued document cannot be changed, for the dialog and the store.
    static QString grund(const Auftrag& a);
    // The prefix of a's numbering series from the settings.
    static QString praefix(const Auftrag& a, const QSettings& s = QSettings());
};

#endif
