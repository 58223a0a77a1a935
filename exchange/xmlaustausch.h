#ifndef XMLAUSTAUSCH_H
#define XMLAUSTAUSCH_H

#include "exchange/fortschritt.h"
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
    // The customers or the orders of a file in one transaction; meldung shows
    // the progress and can cancel, and then nothing is stored.
    ImportBericht importKunden(const QString& fileName, const Fortschritt::Meldung& meldung = {});
    ImportBericht importAuftraege(const QString& fileName, const Fortschritt::Meldung& meldung = {});

    // The lists: every customer; every order, each with the current customer
    // record while it is only saved. They return the count.
    int writeKunden(QXmlStreamWriter& w);
    int writeAuftraege(QXmlStreamWriter& w);
    // Read a list and store it; the report tells what came of every record.
    ImportBericht readKunden(QXmlStreamReader& r, const Fortschritt::Meldung& meldung = {});
    ImportBericht readAuftraege(QXmlStreamReader& r, const Fortschritt::Meldung& meldung = {});

    // The records read up to the end of the list or the first XML error; a
    // record cut off by the error is left out, and so is one with an impossible
    // value, named in the report's refused records. meldung is told the bytes
    // read of the file's size; when it cancels, the result is empty and the
    // report says so.
    static QList<Kunde> leseKunden(QXmlStreamReader& r, ImportBericht* bericht = nullptr,
                                   const Fortschritt::Meldung& meldung = {});
    static QList<Auftrag> leseAuftraege(QXmlStreamReader& r, ImportBericht* bericht = nullptr,
                                        const Fortschritt::Meldung& meldung = {});
    // Stores read orders in one transaction; one whose number its numbering has
    // already is skipped and named in the report.
    void speichereAuftraege(QList<Auftrag>& liste, ImportBericht& bericht,
                            const Fortschritt::Meldung& meldung = {});

    static void writeKunde(QXmlStreamWriter& w, const Kunde& k);
    static void writeAuftrag(QXmlStreamWriter& w, const Auftrag& a);
    // One element, the reader standing on its start tag; children in any order.
    // fehler, when given, gets the impossible values (a date that is none, a
    // number out of range), empty when there are none.
    static Kunde readKunde(QXmlStreamReader& r, QString* fehler = nullptr);
    static Auftrag readAuftrag(QXmlStreamReader& r, QString* fehler = nullptr);

private:
    QString exportiere(QWidget* parent, bool auftraege);
    QString importiere(QWidget* parent, bool auftraege);

    KundenStore* m_kunden;
    AuftragsStore* m_auftraege;
};

#endif
