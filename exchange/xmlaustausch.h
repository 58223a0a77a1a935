#ifndef XMLAUSTAUSCH_H
#define XMLAUSTAUSCH_H

#include "exchange/importbericht.h"
#include "records/auftrag.h"

#include <QCoreApplication>
#include <QList>

class AuftragsStore;
class KundenStore;
class QWidget;
class QXmlStreamReader;
class QXmlStreamWriter;

// Customers and orders as XML files ("Kundenliste", "Auftragsliste"), for
// backups and for moving data to another installation. Reads through the
// stores' look-ups and stores through their insert operations only.
class XmlAustausch
{
    Q_DECLARE_TR_FUNCTIONS(XmlAustausch)

public:
    XmlAustausch(KundenStore* kunden, AuftragsStore* auftraege);

    // The four commands: ask for the file, do the work, warn on failure. They
    // return the text for the status bar, empty when the user cancelled.
    QString exportKundenData(QWidget* parent);
    QString exportAuftragsData(QWidget* parent);
    QString importKundenData(QWidget* parent);
    QString importAuftragsData(QWidget* parent);

    // Whole files. An export writes all or nothing and returns the number of
    // records written, -1 when the file could not be written.
    int exportKunden(const QString& fileName);
    int exportAuftraege(const QString& fileName);
    ImportBericht importKunden(const QString& fileName);
    ImportBericht importAuftraege(const QString& fileName);

    // The lists: every customer; every order entered up to now, each with
    // the current customer record while it is only saved. They return the count.
    int writeKunden(QXmlStreamWriter& w);
    int writeAuftraege(QXmlStreamWriter& w);
    // Read a list and store it; the report tells what came of every record.
    ImportBericht readKunden(QXmlStreamReader& r);
    ImportBericht readAuftraege(QXmlStreamReader& r);

    // The records read up to the end of the list or the first XML error; a
    // record cut off by the error is left out.
    static QList<Kunde> leseKunden(QXmlStreamReader& r);
    static QList<Auftrag> leseAuftraege(QXmlStreamReader& r);
    // Stores read orders; one whose number its numbering has already is skipped.
    void speichereAuftraege(QList<Auftrag>& liste, ImportBericht& bericht);

    static void writeKunde(QXmlStreamWriter& w, const Kunde& k);
    static void writeAuftrag(QXmlStreamWriter& w, const Auftrag& a);
    // One element, the reader standing on its start tag; children in any order.
    static Kunde readKunde(QXmlStreamReader& r);
    static Auftrag readAuftrag(QXmlStreamReader& r);

private:
    QString exportiere(QWidget* parent, bool auftraege);
    QString importiere(QWidget* parent, bool auftraege);

    KundenStore* m_kunden;
    AuftragsStore* m_auftraege;
};

#endif
