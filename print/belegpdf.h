#ifndef BELEGPDF_H
#define BELEGPDF_H

#include "records/auftrag.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <functional>

class Drucker;
class QPrinter;

// The PDF file of an order as it is saved or mailed: invoices and credit notes
// as Factur-X (the pages as PDF/A-3 with the CII XML inside), delivery notes
// and offers as plain PDF. An invoice that cannot be valid is still written,
// as plain PDF, with a warning that names what is missing.
class BelegPdf
{
    Q_DECLARE_TR_FUNCTIONS(BelegPdf)

public:
    // Paints a with the renderer d into datei (written completely or not at
    // all). *hinweis gets the warning for an invoice written as plain PDF,
    // else stays empty. False when the file could not be written.
    static bool schreiben(const Drucker* d, const Auftrag& a, const QString& datei,
                          QString* hinweis = nullptr);
    // The file schreiben would write, as bytes; empty on failure.
    static QByteArray datei(const Drucker* d, const Auftrag& a, QString* hinweis = nullptr);
    // Writes inhalt into datei completely or not at all.
    static bool speichere(const QString& datei, const QByteArray& inhalt);
    // The pages of a painted by d; as PDF/A-1b when pdfA. Empty on failure.
    static QByteArray seiten(const Drucker* d, const Auftrag& a, bool pdfA);
    // The pages malen paints on a PDF printer, the document named titel;
    // empty when malen fails.
    static QByteArray pdf(const std::function<bool(QPrinter*)>& malen, const QString& titel,
                          bool pdfA = false);
    // Why a has no valid XML (not an invoice, what is missing); empty when it has.
    static QString xmlHindernis(const Auftrag& a);
    // Writes the bare CII XML of a into datei; false with the reason in
    // *fehler (what is missing, or the file error).
    static bool xmlSchreiben(const Auftrag& a, const QString& datei, QString* fehler = nullptr);
    // The warning naming the missing items.
    static QString hinweisText(const QStringList& fehlt);
};

#endif
