// Any bytes as a customer file and as an order file, read the way an import
// reads them, and every record read written out again: what is written must be
// well-formed and read back to the same records (a backup loses nothing).
#include "exchange/importbericht.h"
#include "exchange/tabellenzelle.h"
#include "exchange/xmlaustausch.h"

#include <QBuffer>
#include <QByteArray>
#include <QStringList>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// What the file carries of a customer, as the writer leaves it out or formats it.
QStringList felder(const Kunde& k)
{
    return {QString::number(k.Nr > 0 ? k.Nr : 0), QString::number(k.Typ >= 0 ? k.Typ : 0), k.Name, k.Firma,
            k.Strasse, k.PLZ, k.Ort, k.Land, k.Email, k.Tel, k.Tel2, k.Fax, k.Steuernummer, k.IBAN, k.BIC,
            k.Bemerkung, k.Seit.toString(Qt::ISODate)};
}

QStringList felder(const Auftrag& a)
{
    QStringList f{QString::number(a.Nr > 0 ? a.Nr : 0), QString::number(a.AuftragsNr > 0 ? a.AuftragsNr : 0),
                  a.BestellNr, QString::number(a.Dienst), TabellenZelle::zahlText(a.Summe), QString::number(a.Status),
                  QString::number(a.Zahlung), QString::number(a.Typ), a.Eingang.toString(Qt::ISODate),
                  a.Lieferung.toString(Qt::ISODate), a.Druck.toString(Qt::ISODate), a.Komentar};
    f += felder(a.Kunde);
    for (const AuftragsLine& l : a.Zeilen)
        f << QString::number(l.Anzahl) << l.ProduktNr << l.Produkt << TabellenZelle::zahlText(l.Preis)
          << l.Komentar;
    return f;
}

[[noreturn]] void verschieden(const QStringList& vorher, const QStringList& nachher, const QByteArray& xml)
{
    std::fprintf(stderr, "read back differently:\n%s\n--\n%s\n-- written:\n%s\n",
                 qPrintable(vorher.join(QLatin1Char('|'))), qPrintable(nachher.join(QLatin1Char('|'))),
                 xml.constData());
    std::abort();
}

// The records of bytes read as a file of the kind given, then written and read back.
template<class T>
void rundreise(const QByteArray& bytes, ImportBericht::Art art, const char* liste,
               QList<T> (*lies)(QXmlStreamReader&, ImportBericht*, const Fortschritt::Meldung&),
               void (*schreibe)(QXmlStreamWriter&, const T&))
{
    QBuffer datei;
    datei.setData(bytes);
    datei.open(QIODevice::ReadOnly);
    QXmlStreamReader quelle(&datei);
    ImportBericht gelesenBericht(art);
    const QList<T> gelesen = lies(quelle, &gelesenBericht, [](qint64, qint64) { return true; });
    gelesenBericht.fehlerText();

    QByteArray xml;
    QXmlStreamWriter w(&xml);
    w.setAutoFormatting(true);
    w.writeStartDocument();
    w.writeStartElement(QLatin1String(liste));
    for (const T& t : gelesen)
        schreibe(w, t);
    w.writeEndElement();
    w.writeEndDocument();
    if (w.hasError())
        verschieden({QStringLiteral("writer error")}, {}, xml);

    QXmlStreamReader r(xml);
    ImportBericht bericht;
    const QList<T> wieder = lies(r, &bericht, {});
    if (r.hasError() || bericht.abgelehnt != 0 || wieder.size() != gelesen.size())
        verschieden({r.errorString(), QString::number(gelesen.size())},
                    bericht.abgelehnteSaetze << QString::number(wieder.size()), xml);
    for (qsizetype i = 0; i < gelesen.size(); ++i)
        if (felder(gelesen[i]) != felder(wieder[i]))
            verschieden(felder(gelesen[i]), felder(wieder[i]), xml);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    rundreise<Kunde>(bytes, ImportBericht::Kunden, "Kundenliste", &XmlAustausch::leseKunden,
                     &XmlAustausch::writeKunde);
    rundreise<Auftrag>(bytes, ImportBericht::Auftraege, "Auftragsliste", &XmlAustausch::leseAuftraege,
                       &XmlAustausch::writeAuftrag);
    {
        // One record, the reader standing on whatever element comes first.
        QXmlStreamReader r(bytes);
        if (r.readNextStartElement()) {
            QString fehler;
            if (r.name() == QLatin1String("Kunde"))
                XmlAustausch::readKunde(r, &fehler);
            else
                XmlAustausch::readAuftrag(r, &fehler);
        }
    }
    return 0;
}
