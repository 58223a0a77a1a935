#ifndef PDFSEITENDRUCK_H
#define PDFSEITENDRUCK_H

#include <QByteArray>

class QPrinter;

// Puts the pages of a finished PDF file on a printer or a preview, as
// rendered images at the PDF's own page size: a reprint of an issued
// document shows exactly the file that was issued.
class PdfSeitenDruck
{
public:
    // Sets the printer's page size to the PDF's first page; call before painting.
    static bool richteEin(QPrinter* printer, const QByteArray& pdf);
    // Paints every page of pdf on printer; false when pdf cannot be read or
    // the device cannot be painted on.
    static bool drucke(QPrinter* printer, const QByteArray& pdf);
};

#endif
