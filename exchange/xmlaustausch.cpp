#include "exchange/xmlaustausch.h"

#include "exchange/tabellenzelle.h"
#include "platform/interaktion.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "store/kundenstore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSaveFile>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <functional>

namespace {

struct KundenFeld
{
    const char* name;
    QString Kunde::*feld;
};

// The text children of "Kunde", in the order they are written.
const KundenFeld kundenFelder[] = {
    {"Name", &Kunde::Name},   {"Firma", &Kunde::Firma},
    {"Strasse", &Kunde::Strasse}, {"PLZ", &Kunde::PLZ},
    {"Ort", &Kunde::Ort},     {"Land", &Kunde::Land},
    {"Email", &Kunde::Email}, {"Tel", &Kunde::Tel},
    {"Tel2", &Kunde::Tel2},   {"Fax", &Kunde::Fax},
    {"Steuernummer", &Kunde::Steuernummer}, {"IBAN", &Kunde::IBAN},
    {"BIC", &Kunde::BIC},     {"Bemerkung", &Kunde::Bemerkung},
};

// XML cannot carry control characters other than tab and line ends; the
// writer would stop at the first one and the whole export would fail.
QString xmlText(const QString& s)
{
    QString r = s;
    for (QChar& c : r)
        if (c.unicode() < 0x20 && c != QLatin1Char('\t') && c != QLatin1Char('\n')
            && c != QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return r;
}

void schreibeDatum(QXmlStreamWriter& w, const char* name, const QDateTime& dt)
{
    if (dt.isValid())
        w.writeTextElement(QLatin1String(name), dt.toString(Qt::ISODate));
}

int zahl(const QXmlStreamAttributes& a, const char* name)
{
    return a.value(QLatin1String(name)).toInt();
}

QString vorschlag(bool auftraege)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(auftraege ? QStringLiteral("auftragsdaten.xml") : QStringLiteral("kundendaten.xml"));
}

int schreibeDatei(const QString& fileName, const std::function<int(QXmlStreamWriter&)>& liste)
{
    // Committed only when complete: a failure leaves an existing backup untouched.
    QSaveFile datei(fileName);
    if (!datei.open(QIODevice::WriteOnly)) {
        qWarning() << "cannot open" << fileName << datei.errorString();
        return -1;
    }
    QXmlStreamWriter w(&datei);
    w.setAutoFormatting(true);
    w.setAutoFormattingIndent(3);
    w.writeStartDocument();
    w.writeComment(QStringLiteral("Created by Belegwerk"));
    const int anzahl = liste(w);
    w.writeEndDocument();
    if (w.hasError() || !datei.commit()) {
        qWarning() << "error writing" << fileName << datei.errorString();
        return -1;
    }
    return anzahl;
}

void lesefehler(const QXmlStreamReader& r, ImportBericht& bericht)
{
    if (r.hasError() && r.error() != QXmlStreamReader::PrematureEndOfDocumentError)
        bericht.fehler = r.errorString();
    else if (r.hasError())
        bericht.fehler = XmlAustausch::tr("Die Datei endet mitten in den Daten.");
    if (r.hasError())
        bericht.fehlerZeile = r.lineNumber();
}

// The records of a list up to its end or the first XML error; a start tag of
// the list itself begins it anew.
template<class T>
QList<T> leseListe(QXmlStreamReader& r, QLatin1String liste, QLatin1String element,
                   T (*lies)(QXmlStreamReader&))
{
    QList<T> gelesen;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == liste) {
            gelesen.clear();
        } else if (r.isStartElement() && r.name() == element) {
            const T t = lies(r);
            if (r.hasError())
                break;  // cut off by the error: incomplete
            gelesen.append(t);
        } else if (r.isEndElement() && r.name() == liste) {
            break;
        }
    }
    return gelesen;
}

ImportBericht ausDatei(const QString& fileName, ImportBericht::Art art,
                       const std::function<ImportBericht(QXmlStreamReader&)>& lies)
{
    QFile datei(fileName);
    if (!datei.open(QIODevice::ReadOnly)) {
        ImportBericht bericht(art);
        bericht.fehler = datei.errorString();
        return bericht;
    }
    QXmlStreamReader r(&datei);
    return lies(r);
}

}  // namespace

XmlAustausch::XmlAustausch(KundenStore* kunden, AuftragsStore* auftraege)
    : m_kunden(kunden), m_auftraege(auftraege)
{
}

void XmlAustausch::writeKunde(QXmlStreamWriter& w, const Kunde& k)
{
    w.writeStartElement(QStringLiteral("Kunde"));
    if (k.Nr > 0)
        w.writeAttribute(QStringLiteral("Nr"), QString::number(k.Nr));
    if (k.Typ >= 0)
        w.writeAttribute(QStringLiteral("Typ"), QString::number(k.Typ));
    for (const KundenFeld& f : kundenFelder)
        if (!(k.*f.feld).isEmpty())
            w.writeTextElement(QLatin1String(f.name), xmlText(k.*f.feld));
    if (k.Seit.isValid())
        w.writeTextElement(QStringLiteral("Seit"), k.Seit.toString(Qt::ISODate));
    w.writeEndElement();
}

void XmlAustausch::writeAuftrag(QXmlStreamWriter& w, const Auftrag& a)
{
    w.writeStartElement(QStringLiteral("Auftrag"));
    if (a.Nr > 0)
        w.writeAttribute(QStringLiteral("Nr"), QString::number(a.Nr));
    if (a.AuftragsNr > 0)
        w.writeAttribute(QStringLiteral("AuftragsNr"), QString::number(a.AuftragsNr));
    if (a.BestellNr > 0)
        w.writeAttribute(QStringLiteral("BestellNr"), QString::number(a.BestellNr));
    w.writeAttribute(QStringLiteral("Dienst"), QString::number(a.Dienst));
    w.writeAttribute(QStringLiteral("Summe"), TabellenZelle::zahlText(a.Summe));
    w.writeAttribute(QStringLiteral("Status"), QString::number(a.Status));
    w.writeAttribute(QStringLiteral("Zahlungsart"), QString::number(a.Zahlung));
    w.writeAttribute(QStringLiteral("Typ"), QString::number(a.Typ));
    schreibeDatum(w, "Eingang", a.Eingang);
    schreibeDatum(w, "Versand", a.Lieferung);
    schreibeDatum(w, "Druck", a.Druck);
    writeKunde(w, a.Kunde);
    w.writeStartElement(QStringLiteral("Zeilen"));
    for (const AuftragsLine& l : a.Zeilen) {
        w.writeEmptyElement(QStringLiteral("Zeile"));
        w.writeAttribute(QStringLiteral("Menge"), QString::number(l.Anzahl));
        w.writeAttribute(QStringLiteral("ProduktNr"), xmlText(l.ProduktNr));
        w.writeAttribute(QStringLiteral("Produkt"), xmlText(l.Produkt));
        w.writeAttribute(QStringLiteral("Preis"), TabellenZelle::zahlText(l.Preis));
        if (!l.Komentar.isEmpty())
            w.writeAttribute(QStringLiteral("Komentar"), xmlText(l.Komentar));
    }
    w.writeEndElement();
    if (!a.Komentar.isEmpty())
        w.writeTextElement(QStringLiteral("Komentar"), xmlText(a.Komentar));
    w.writeEndElement();
}

Kunde XmlAustausch::readKunde(QXmlStreamReader& r)
{
    Kunde k;
    k.Nr = zahl(r.attributes(), "Nr");
    k.Typ = zahl(r.attributes(), "Typ");
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement() && r.name() == QLatin1String("Kunde"))
            break;
        if (!r.isStartElement())
            continue;
        const QStringView name = r.name();
        if (name == QLatin1String("Seit")) {
            k.Seit = QDate::fromString(r.readElementText(), Qt::ISODate);
            continue;
        }
        bool bekannt = false;
        for (const KundenFeld& f : kundenFelder) {
            if (name == QLatin1String(f.name)) {
                k.*f.feld = r.readElementText();
                bekannt = true;
                break;
            }
        }
        if (!bekannt)
            r.skipCurrentElement();
    }
    return k;
}

Auftrag XmlAustausch::readAuftrag(QXmlStreamReader& r)
{
    Auftrag a;
    const QXmlStreamAttributes at = r.attributes();
    a.Nr = zahl(at, "Nr");
    a.AuftragsNr = zahl(at, "AuftragsNr");
    a.BestellNr = zahl(at, "BestellNr");
    a.Dienst = zahl(at, "Dienst");
    a.Zahlung = zahl(at, "Zahlungsart");
    a.Typ = zahl(at, "Typ");
    a.Status = zahl(at, "Status");
    a.Summe = at.value(QLatin1String("Summe")).toDouble();
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement() && r.name() == QLatin1String("Auftrag"))
            break;
        if (!r.isStartElement())
            continue;
        const QStringView name = r.name();
        if (name == QLatin1String("Eingang"))
            a.Eingang = QDateTime::fromString(r.readElementText(), Qt::ISODate);
        else if (name == QLatin1String("Versand"))
            a.Lieferung = QDateTime::fromString(r.readElementText(), Qt::ISODate);
        else if (name == QLatin1String("Druck"))
            a.Druck = QDateTime::fromString(r.readElementText(), Qt::ISODate);
        else if (name == QLatin1String("Kunde"))
            a.Kunde = readKunde(r);
        else if (name == QLatin1String("Komentar"))
            a.Komentar = r.readElementText();
        else if (name == QLatin1String("Zeile")) {
            const QXmlStreamAttributes z = r.attributes();
            AuftragsLine l;
            l.Anzahl = zahl(z, "Menge");
            l.ProduktNr = z.value(QLatin1String("ProduktNr")).toString();
            l.Produkt = z.value(QLatin1String("Produkt")).toString();
            l.Preis = z.value(QLatin1String("Preis")).toDouble();
            l.Komentar = z.value(QLatin1String("Komentar")).toString();
            a.Zeilen.append(l);
        }
    }
    return a;
}

int XmlAustausch::writeKunden(QXmlStreamWriter& w)
{
    const QList<Kunde> liste = m_kunden->getKunden();
    w.writeStartElement(QStringLiteral("Kundenliste"));
    for (const Kunde& k : liste)
        writeKunde(w, k);
    w.writeEndElement();
    return int(liste.size());
}

int XmlAustausch::writeAuftraege(QXmlStreamWriter& w)
{
    const QList<Auftrag> liste = m_auftraege->getAuftraege(QDateTime(QDate(1900, 1, 1), QTime(0, 0)),
                                                           QDateTime::currentDateTime());
    QHash<int, Kunde> aktuell;  // one look-up per customer, however many orders are open
    w.writeStartElement(QStringLiteral("Auftragsliste"));
    for (const Auftrag& a : liste) {
        if (a.Status != AuftragsStatus::Gespeichert) {
            writeAuftrag(w, a);
            continue;
        }
        // A saved order is still open: it goes out with the customer's current data,
        // or with its snapshot when the customer no longer exists.
        auto it = aktuell.find(a.Kunde.Nr);
        if (it == aktuell.end())
            it = aktuell.insert(a.Kunde.Nr, m_kunden->getKunde(a.Kunde.Nr));
        Auftrag offen = a;
        if (it->Nr > 0)
            offen.Kunde = *it;
        writeAuftrag(w, offen);
    }
    w.writeEndElement();
    return int(liste.size());
}

QList<Kunde> XmlAustausch::leseKunden(QXmlStreamReader& r)
{
    return leseListe<Kunde>(r, QLatin1String("Kundenliste"), QLatin1String("Kunde"), &readKunde);
}

QList<Auftrag> XmlAustausch::leseAuftraege(QXmlStreamReader& r)
{
    return leseListe<Auftrag>(r, QLatin1String("Auftragsliste"), QLatin1String("Auftrag"), &readAuftrag);
}

ImportBericht XmlAustausch::readKunden(QXmlStreamReader& r)
{
    ImportBericht bericht(ImportBericht::Kunden);
    QList<Kunde> liste = leseKunden(r);
    lesefehler(r, bericht);
    bericht.gelesen = int(liste.size());
    // The same number again is the same customer: kept as it is.
    for (Kunde& k : liste)
        bericht.neu(k.Nr > 0 && m_kunden->getKunde(k.Nr).Nr == k.Nr, [&] { return m_kunden->addKunde(k); });
    return bericht;
}

void XmlAustausch::speichereAuftraege(QList<Auftrag>& liste, ImportBericht& bericht)
{
    for (Auftrag& a : liste) {
        a.Nr = 0;
        bericht.neu(a.AuftragsNr > 0 && m_auftraege->nummerVergeben(a), [&] { return m_auftraege->addAuftrag(a); });
    }
}

ImportBericht XmlAustausch::readAuftraege(QXmlStreamReader& r)
{
    ImportBericht bericht(ImportBericht::Auftraege);
    QList<Auftrag> liste = leseAuftraege(r);
    lesefehler(r, bericht);
    bericht.gelesen = int(liste.size());
    speichereAuftraege(liste, bericht);
    return bericht;
}

int XmlAustausch::exportKunden(const QString& fileName)
{
    return schreibeDatei(fileName, [this](QXmlStreamWriter& w) { return writeKunden(w); });
}

int XmlAustausch::exportAuftraege(const QString& fileName)
{
    return schreibeDatei(fileName, [this](QXmlStreamWriter& w) { return writeAuftraege(w); });
}

ImportBericht XmlAustausch::importKunden(const QString& fileName)
{
    return ausDatei(fileName, ImportBericht::Kunden, [this](QXmlStreamReader& r) { return readKunden(r); });
}

ImportBericht XmlAustausch::importAuftraege(const QString& fileName)
{
    return ausDatei(fileName, ImportBericht::Auftraege, [this](QXmlStreamReader& r) { return readAuftraege(r); });
}

QString XmlAustausch::exportiere(QWidget* parent, bool auftraege)
{
    const QString titel = auftraege ? tr("Auftragsdaten exportieren") : tr("Kundendaten exportieren");
    const QString datei = Interaktion::instance()->getSaveFileName(parent, titel, vorschlag(auftraege),
                                                                   tr("Daten (*.xml)"));
    if (datei.isEmpty())
        return QString();
    const int anzahl = auftraege ? exportAuftraege(datei) : exportKunden(datei);
    if (anzahl < 0) {
        Interaktion::instance()->warning(
            parent, titel,
            tr("Die Datei \"%1\" konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(datei)));
        return tr("Nichts exportiert");
    }
    return auftraege ? tr("%1 Aufträge exportiert").arg(anzahl) : tr("%1 Kunden exportiert").arg(anzahl);
}

QString XmlAustausch::importiere(QWidget* parent, bool auftraege)
{
    const QString titel = auftraege ? tr("Auftragsdaten importieren") : tr("Kundendaten importieren");
    const QString datei = Interaktion::instance()->getOpenFileName(parent, titel, vorschlag(auftraege),
                                                                   tr("Daten (*.xml)"));
    if (datei.isEmpty())
        return QString();
    const ImportBericht bericht = auftraege ? importAuftraege(datei) : importKunden(datei);
    if (bericht.fehlerhaft())
        Interaktion::instance()->warning(parent, titel,
                                         QDir::toNativeSeparators(datei) + QLatin1String(":\n")
                                             + bericht.fehlerText());
    return bericht.statusText();
}

QString XmlAustausch::exportKundenData(QWidget* parent)
{
    return exportiere(parent, false);
}

QString XmlAustausch::exportAuftragsData(QWidget* parent)
{
    return exportiere(parent, true);
}

QString XmlAustausch::importKundenData(QWidget* parent)
{
    return importiere(parent, false);
}

QString XmlAustausch::importAuftragsData(QWidget* parent)
{
    return importiere(parent, true);
}
