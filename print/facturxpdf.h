#ifndef FACTURXPDF_H
#define FACTURXPDF_H

#include <QByteArray>
#include <QString>

// The step from printed pages to a Factur-X file: a PDF/A-1b file as Qt
// writes it becomes PDF/A-3b carrying the invoice XML as "factur-x.xml"
// (associated file, relationship Alternative, text/xml), with XMP metadata
// declaring PDF/A-3 and the Factur-X fields of the EN 16931 profile.
class FacturXPdf
{
public:
    static const char* const dateiName;  // "factur-x.xml"

    // The Factur-X file for the pages pdf and the XML xml; empty, with the
    // reason in *fehler, when pdf cannot be read or carries no PDF/A metadata.
    static QByteArray einbetten(const QByteArray& pdf, const QByteArray& xml,
                                QString* fehler = nullptr);

    // The invoice XML carried by a Factur-X file; empty when it carries none.
    static QByteArray xmlAus(const QByteArray& pdf);

    // The XMP packet xmp of a PDF/A-1 file rewritten for PDF/A-3 with the
    // Factur-X schema of the conformance level stufe ("EN 16931", "XRECHNUNG");
    // empty when xmp declares no PDF/A part.
    static QByteArray xmpFuerFacturX(const QByteArray& xmp, const QString& stufe);
};

#endif
