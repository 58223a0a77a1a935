#include "print/druckeinrichtung.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "records/auftrag.h"
#include "records/codetabellen.h"

#include <QPrinter>
#include <QSettings>

bool Druckeinrichtung::richteEin(QPrinter& printer, const Auftrag& a, QWidget* parent)
{
    const QSettings settings;
    const QString name = Einstellung::text(Einstellung::RechnungDruckerName, settings);
    printer.setPrinterName(name);
    printer.setCopyCount(Einstellung::zahl(Einstellung::RechnungCopies, settings));
    // The job title names the document in the printer queue.
    printer.setDocName(QString("%1 %2")
                           .arg(CodeTabellen::name(CodeTabellen::auftragsarten(), a.Typ))
                           .arg(a.belegNummer()));
    if (Einstellung::schalter(Einstellung::RechnungZeigeDialog, settings) || name.isEmpty())
        return Interaktion::instance()->printDialog(&printer, parent);
    return true;
}
