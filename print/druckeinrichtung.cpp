#include "print/druckeinrichtung.h"

#include "platform/interaktion.h"
#include "records/auftrag.h"
#include "records/codetabellen.h"

#include <QPrinter>
#include <QSettings>

bool Druckeinrichtung::richteEin(QPrinter& printer, const Auftrag& a, QWidget* parent)
{
    const QSettings settings;
    const QString name = settings.value("Rechnung/DruckerName").toString();
    printer.setPrinterName(name);
    printer.setCopyCount(settings.value("Rechnung/Copies", 1).toInt());
    // The job title names the document in the printer queue.
    printer.setDocName(QString("%1 %2")
                           .arg(CodeTabellen::name(CodeTabellen::auftragsarten(), a.Typ))
                           .arg(a.AuftragsNr));
    if (settings.value("Rechnung/ZeigeDialog", true).toBool() || name.isEmpty())
        return Interaktion::instance()->printDialog(&printer, parent);
    return true;
}
