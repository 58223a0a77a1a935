#include "exchange/xmlaustausch.h"

#include "exchange/tabellenzelle.h"
#include "platform/interaktion.h"
#include "platform/speicherdatei.h"
#include "records/codetabellen.h"
#include "records/steuerkategorie.h"
#include "store/auftragsstore.h"
#include "store/kundenstore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <cmath>
#include <functional>
#include <limits>
#include <tuple>

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
    {"Siren", &Kunde::Siren}, {"EAdresse", &Kunde::EAdresse},
    {"LeitwegId", &Kunde::LeitwegId}, {"Lieferanschrift", &Kunde::Lieferanschrift},
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

// A text element. A carriage return goes out as a character reference: a reader
// turns a bare one into a line feed, and the text would not come back as it was.
void schreibeText(QXmlStreamWriter& w, QLatin1String name, const QString& text)
{
    const QString t = xmlText(text);
    if (!t.contains(QLatin1Char('\r'))) {
        w.writeTextElement(name, t);
        return;
    }
    w.writeStartElement(name);
    const QStringList teile = t.split(QLatin1Char('\r'));
    for (qsizetype i = 0; i < teile.size(); ++i) {
        if (i > 0)
            w.writeEntityReference(QStringLiteral("#13"));
        w.writeCharacters(teile.at(i));
    }
    w.writeEndElement();
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

// A value quoted in a message, cut short when a file holds a huge one.
QString zitat(QStringView text)
{
    const qsizetype laenge = 40;
    return QLatin1Char('"') + text.left(laenge).toString()
           + (text.size() > laenge ? QStringLiteral("…\"") : QStringLiteral("\""));
}

// A number or code: missing or empty gives 0; a text that is no int (a number
// out of range such as 2147483648) would give 0 as well, which stores the record
// under a new number or as another kind, so it is noted as impossible.
int nummer(const QXmlStreamAttributes& a, const char* name, QStringList& fehler,
           int kleinste = std::numeric_limits<int>::min())
{
    const QStringView text = a.value(QLatin1String(name));
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok || n < kleinste) {
        fehler << XmlAustausch::tr("%1 %2 ist keine mögliche Nummer").arg(QLatin1String(name), zitat(text));
        return 0;
    }
    return n;
}

// A date of the file: empty gives none; a text that is no date (30 February,
// the year 99999) would store the record without its date, so it is noted.
template<class Datum>
Datum datum(QXmlStreamReader& r, QStringList& fehler)
{
    const QString name = r.name().toString();
    const QString text = r.readElementText().trimmed();
    const Datum d = Datum::fromString(text, Qt::ISODate);
    if (!text.isEmpty() && !d.isValid())
        fehler << XmlAustausch::tr("%1 %2 ist kein mögliches Datum").arg(name, zitat(text));
    return d;
}

QString bezeichnung(const Kunde& k)
{
    return k.Nr > 0 ? XmlAustausch::tr("Kunde %1 (%2)").arg(k.Nr).arg(zitat(k.Name))
                    : XmlAustausch::tr("Kunde ohne Nummer (%1)").arg(zitat(k.Name));
}

QString bezeichnung(const Auftrag& a)
{
    QString art = CodeTabellen::name(CodeTabellen::auftragsarten(), a.Typ);
    if (art.isEmpty())
        art = XmlAustausch::tr("Beleg der Art %1").arg(a.Typ);
    // Invoices are numbered per kind of service: the number alone does not say which.
    if (a.Typ == Auftragsart::Rechnung)
        art += QLatin1Char(' ') + CodeTabellen::name(CodeTabellen::dienstTypen(), a.Dienst);
    return a.AuftragsNr > 0 ? XmlAustausch::tr("%1 Nr. %2").arg(art).arg(a.AuftragsNr)
                            : XmlAustausch::tr("%1 ohne Nummer").arg(art);
}

QString vorschlag(bool auftraege)
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(auftraege ? QStringLiteral("auftragsdaten.xml") : QStringLiteral("kundendaten.xml"));
}

// The file of a command, asked for under titel; empty when the user cancelled.
QString frageDatei(QWidget* parent, const QString& titel, bool auftraege, bool speichern)
{
    Interaktion* frage = Interaktion::instance();
    const QString filter = XmlAustausch::tr("Daten (*.xml)");
    return speichern ? frage->getSaveFileName(parent, titel, vorschlag(auftraege), filter)
                     : frage->getOpenFileName(parent, titel, vorschlag(auftraege), filter);
}

int schreibeDatei(const QString& fileName, const std::function<int(QXmlStreamWriter&)>& liste)
{
    // Committed only when complete: a failure leaves an existing backup untouched.
    SpeicherDatei datei(fileName);
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

// The records of a list up to its end or the first XML error; the start tag of
// the list begins it anew. A list element nested inside the list is no new list:
// an empty one must neither drop the records before it nor end the reading.
// Elements named fremd hold records of another kind with elements of this kind
// inside (the customer of an order): skipped.
template<class T>
QList<T> leseListe(QXmlStreamReader& r, QLatin1String liste, QLatin1String element, QLatin1String fremd,
                   T (*lies)(QXmlStreamReader&, QString*), ImportBericht* bericht,
                   const Fortschritt::Meldung& meldung)
{
    QList<T> gelesen;
    QStringList abgelehnt;
    int tiefe = 0;  // of list elements
    qint64 anzahl = 0;
    const qint64 groesse = r.device() ? r.device()->size() : 0;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isStartElement() && r.name() == liste) {
            if (tiefe++ == 0) {
                gelesen.clear();
                abgelehnt.clear();
            }
        } else if (r.isStartElement() && r.name() == element) {
            QString fehler;
            const T t = lies(r, &fehler);
            if (r.hasError())
                break;  // cut off by the error: incomplete
            if (fehler.isEmpty())
                gelesen.append(t);
            else
                abgelehnt << bezeichnung(t) + QLatin1String(": ") + fehler;
            if (meldung && ++anzahl % 256 == 0
                && !meldung(r.device() ? r.device()->pos() : r.characterOffset(), groesse)) {
                if (bericht)
                    bericht->abgebrochen = true;
                return {};
            }
        } else if (r.isEndElement() && r.name() == liste) {
            if (--tiefe <= 0)
                break;
        } else if (r.isStartElement() && !fremd.isEmpty() && r.name() == fremd) {
            r.skipCurrentElement();
        }
    }
    if (bericht) {
        lesefehler(r, *bericht);
        bericht->gelesen = int(gelesen.size() + abgelehnt.size());
        bericht->abgelehnt += int(abgelehnt.size());
        bericht->abgelehnteSaetze += abgelehnt;
    }
    return gelesen;
}

// One bar for both steps of an import: reading the file is the first half
// (anfang 0), storing the second (anfang 500).
Fortschritt::Meldung haelfte(const Fortschritt::Meldung& meldung, qint64 anfang)
{
    if (!meldung)
        return {};
    return [&meldung, anfang](qint64 erledigt, qint64 gesamt) {
        return meldung(anfang + (gesamt > 0 ? 500 * erledigt / gesamt : 0), 1000);
    };
}

// Runs a store's bulk write under meldung. When it fails, the report tells
// whether the user cancelled or the database refused the whole run (why).
bool speichereAlle(ImportBericht& bericht, qsizetype anzahl, const Fortschritt::Meldung& meldung,
                   const std::function<bool(const Fortschritt::Meldung&)>& schreibe,
                   const std::function<QString()>& warum)
{
    bool abgebrochen = false;
    if (schreibe(Fortschritt::merkend(meldung, abgebrochen)))
        return true;
    if (abgebrochen) {
        bericht.abgebrochen = true;
    } else {
        bericht.abgelehnt += int(anzahl);
        bericht.abgelehnteSaetze << warum();
    }
    return false;
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
            schreibeText(w, QLatin1String(f.name), k.*f.feld);
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
    if (!a.BestellNr.isEmpty())
        w.writeAttribute(QStringLiteral("BestellNr"), a.BestellNr);
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
        // Integers as before ("2"), decimals as far as the third ("1.5").
        w.writeAttribute(QStringLiteral("Menge"),
                         QString::number(double(qRound64(l.Anzahl * 1000.0)) / 1000.0, 'g', 15));
        if (!l.Einheit.isEmpty())
            w.writeAttribute(QStringLiteral("Einheit"), xmlText(l.Einheit));
        w.writeAttribute(QStringLiteral("ProduktNr"), xmlText(l.ProduktNr));
        w.writeAttribute(QStringLiteral("Produkt"), xmlText(l.Produkt));
        w.writeAttribute(QStringLiteral("Preis"), TabellenZelle::zahlText(l.Preis));
        if (!l.Komentar.isEmpty())
            w.writeAttribute(QStringLiteral("Komentar"), xmlText(l.Komentar));
        // Lines without a VAT category stay without, and read as the tax settings say.
        if (!l.Kategorie.isEmpty()) {
            w.writeAttribute(QStringLiteral("Kategorie"), xmlText(l.Kategorie));
            w.writeAttribute(QStringLiteral("Satz"), TabellenZelle::zahlText(l.Satz));
        }
    }
    w.writeEndElement();
    if (!a.Zahlungen.isEmpty()) {
        w.writeStartElement(QStringLiteral("Zahlungen"));
        for (const Zahlung& z : a.Zahlungen) {
            w.writeEmptyElement(QStringLiteral("Zahlung"));
            w.writeAttribute(QStringLiteral("Datum"), z.Datum.toString(Qt::ISODate));
            w.writeAttribute(QStringLiteral("Betrag"), z.Betrag.zahl());
            if (z.Art >= 0)
                w.writeAttribute(QStringLiteral("Art"), QString::number(z.Art));
            if (!z.Referenz.isEmpty())
                w.writeAttribute(QStringLiteral("Referenz"), xmlText(z.Referenz));
        }
        w.writeEndElement();
    }
    if (!a.Komentar.isEmpty())
        schreibeText(w, QLatin1String("Komentar"), a.Komentar);
    if (!a.Lieferanschrift.isEmpty())
        schreibeText(w, QLatin1String("Lieferanschrift"), a.Lieferanschrift);
    w.writeEndElement();
}

namespace {

// Advances to the next child element of the element named ende; false at its
// end tag or the end of the file.
bool naechstesKind(QXmlStreamReader& r, QLatin1String ende)
{
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement() && r.name() == ende)
            return false;
        if (r.isStartElement())
            return true;
    }
    return false;
}

AuftragsLine leseZeile(const QXmlStreamAttributes& z)
{
    AuftragsLine l;
    const double menge = z.value(QLatin1String("Menge")).toDouble();
    // A quantity no line can hold reads as 0, like any unreadable number.
    l.Anzahl = std::isfinite(menge) && std::abs(menge) < 1e9 ? double(qRound64(menge * 1000.0)) / 1000.0 : 0.0;
    l.Einheit = z.value(QLatin1String("Einheit")).toString();
    l.ProduktNr = z.value(QLatin1String("ProduktNr")).toString();
    l.Produkt = z.value(QLatin1String("Produkt")).toString();
    l.Preis = z.value(QLatin1String("Preis")).toDouble();
    l.Komentar = z.value(QLatin1String("Komentar")).toString();
    // Only the categories the documents know; a rate that is no number is none.
    const std::optional<Steuerkategorie> kategorie =
        Steuerkategorien::ausCode(z.value(QLatin1String("Kategorie")).toString());
    const double satz = z.value(QLatin1String("Satz")).toDouble();
    if (kategorie && std::isfinite(satz) && satz >= 0.0 && satz < 100.0)
        std::tie(l.Kategorie, l.Satz) = std::make_tuple(Steuerkategorien::code(*kategorie), satz);
    return l;
}

Zahlung leseZahlung(const QXmlStreamAttributes& z, QStringList& fehler)
{
    Zahlung zahlung;
    zahlung.Datum = QDate::fromString(z.value(QLatin1String("Datum")).toString(), Qt::ISODate);
    const std::optional<Betrag> betrag = Betrag::lies(z.value(QLatin1String("Betrag")).toString());
    // A payment that cannot be one refuses its order, rather than leave it looking unpaid.
    if (!betrag || *betrag <= Betrag() || !zahlung.Datum.isValid())
        fehler << XmlAustausch::tr("Zahlung %1 vom %2 ist keine mögliche Zahlung")
                      .arg(z.value(QLatin1String("Betrag")).toString(), z.value(QLatin1String("Datum")).toString());
    zahlung.Betrag = betrag.value_or(Betrag());
    zahlung.Art = z.hasAttribute(QLatin1String("Art")) ? zahl(z, "Art") : -1;
    zahlung.Referenz = z.value(QLatin1String("Referenz")).toString();
    return zahlung;
}

Kunde leseKunde(QXmlStreamReader& r, QStringList& fehler)
{
    Kunde k;
    k.Nr = nummer(r.attributes(), "Nr", fehler);
    k.Typ = zahl(r.attributes(), "Typ");
    while (naechstesKind(r, QLatin1String("Kunde"))) {
        const QStringView name = r.name();
        if (name == QLatin1String("Seit")) {
            k.Seit = datum<QDate>(r, fehler);
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

}  // namespace

Kunde XmlAustausch::readKunde(QXmlStreamReader& r, QString* fehler)
{
    QStringList gefunden;
    const Kunde k = leseKunde(r, gefunden);
    if (fehler)
        *fehler = gefunden.join(QLatin1String("; "));
    return k;
}

Auftrag XmlAustausch::readAuftrag(QXmlStreamReader& r, QString* fehler)
{
    Auftrag a;
    QStringList gefunden;
    const QXmlStreamAttributes at = r.attributes();
    a.Nr = zahl(at, "Nr");  // the store gives a new one
    // A document number is kept as it is; 0 or none asks for a new one.
    a.AuftragsNr = nummer(at, "AuftragsNr", gefunden, 0);
    // Older files wrote a number, 0 for none.
    a.BestellNr = at.value(QLatin1String("BestellNr")).toString().trimmed();
    if (a.BestellNr == QLatin1String("0"))
        a.BestellNr.clear();
    // A code that is no number would read as 0 and make the document an invoice, paid in cash.
    a.Dienst = nummer(at, "Dienst", gefunden);
    a.Zahlung = nummer(at, "Zahlungsart", gefunden);
    a.Typ = nummer(at, "Typ", gefunden);
    a.Status = nummer(at, "Status", gefunden);
    a.Summe = at.value(QLatin1String("Summe")).toDouble();
    while (naechstesKind(r, QLatin1String("Auftrag"))) {
        const QStringView name = r.name();
        if (name == QLatin1String("Eingang"))
            a.Eingang = datum<QDateTime>(r, gefunden);
        else if (name == QLatin1String("Versand"))
            a.Lieferung = datum<QDateTime>(r, gefunden);
        else if (name == QLatin1String("Druck"))
            a.Druck = datum<QDateTime>(r, gefunden);
        else if (name == QLatin1String("Kunde"))
            a.Kunde = leseKunde(r, gefunden);
        else if (name == QLatin1String("Komentar"))
            a.Komentar = r.readElementText();
        else if (name == QLatin1String("Lieferanschrift"))
            a.Lieferanschrift = r.readElementText();
        else if (name == QLatin1String("Zeile"))
            a.Zeilen.append(leseZeile(r.attributes()));
        else if (name == QLatin1String("Zahlung"))
            a.Zahlungen.append(leseZahlung(r.attributes(), gefunden));
    }
    if (fehler)
        *fehler = gefunden.join(QLatin1String("; "));
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
    // A backup holds every order: also those without a date or dated ahead.
    const QList<Auftrag> liste = m_auftraege->getAlleAuftraege();
    QHash<int, QList<Zahlung>> zahlungen;  // by invoice
    for (const Zahlung& z : m_auftraege->getAlleZahlungen())
        zahlungen[z.Auftrag].append(z);
    QHash<int, Kunde> aktuell;  // one look-up per customer, however many orders are open
    w.writeStartElement(QStringLiteral("Auftragsliste"));
    for (Auftrag a : liste) {
        a.Zahlungen = zahlungen.value(a.Nr);
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

QList<Kunde> XmlAustausch::leseKunden(QXmlStreamReader& r, ImportBericht* bericht,
                                     const Fortschritt::Meldung& meldung)
{
    // An order file chosen by mistake must not make customers of the orders' snapshots.
    return leseListe<Kunde>(r, QLatin1String("Kundenliste"), QLatin1String("Kunde"), QLatin1String("Auftrag"),
                            &readKunde, bericht, meldung);
}

QList<Auftrag> XmlAustausch::leseAuftraege(QXmlStreamReader& r, ImportBericht* bericht,
                                          const Fortschritt::Meldung& meldung)
{
    return leseListe<Auftrag>(r, QLatin1String("Auftragsliste"), QLatin1String("Auftrag"), QLatin1String(),
                              &readAuftrag, bericht, meldung);
}

ImportBericht XmlAustausch::readKunden(QXmlStreamReader& r, const Fortschritt::Meldung& meldung)
{
    ImportBericht bericht(ImportBericht::Kunden);
    QList<Kunde> gelesen = leseKunden(r, &bericht, haelfte(meldung, 0));
    if (bericht.abgebrochen)
        return bericht;
    // The same number again, in the database or earlier in the file, is the same customer: kept as it is.
    QList<Kunde> liste;
    QSet<int> nummern;
    for (const Kunde& k : std::as_const(gelesen)) {
        if (k.Nr > 0 && (nummern.contains(k.Nr) || m_kunden->getKunde(k.Nr).Nr == k.Nr)) {
            ++bericht.uebersprungen;
            continue;
        }
        nummern.insert(k.Nr);
        liste.append(k);
    }
    QList<bool> ok;
    const bool geschrieben = speichereAlle(
        bericht, liste.size(), haelfte(meldung, 500),
        [&](const Fortschritt::Meldung& weiter) { return m_kunden->addKunden(liste, ok, weiter); },
        [&] {
            return tr("Die Datenbank hat den Import abgelehnt, kein Kunde wurde gespeichert: %1")
                .arg(m_kunden->letzterFehler().text);
        });
    if (!geschrieben)
        return bericht;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        if (ok.value(i)) {
            ++bericht.gespeichert;
        } else {
            ++bericht.abgelehnt;
            bericht.abgelehnteSaetze << bezeichnung(liste.at(i));
        }
    }
    return bericht;
}

void XmlAustausch::speichereAuftraege(QList<Auftrag>& liste, ImportBericht& bericht,
                                      const Fortschritt::Meldung& meldung)
{
    for (Auftrag& a : liste)
        a.Nr = 0;
    QList<AuftragsStore::Verbleib> verbleib;
    const bool ok = speichereAlle(
        bericht, liste.size(), meldung,
        [&](const Fortschritt::Meldung& weiter) {
            return m_auftraege->addAuftraege(liste, verbleib, weiter);
        },
        [&] {
            return tr("Die Datenbank hat den Import abgelehnt, kein Auftrag wurde gespeichert: %1")
                .arg(m_auftraege->letzterFehler().text);
        });
    if (!ok)
        return;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        switch (verbleib.at(i).art) {
        case AuftragsStore::Verbleib::Gespeichert:
            ++bericht.gespeichert;
            break;
        case AuftragsStore::Verbleib::NummerVergeben:
            ++bericht.uebersprungen;
            bericht.uebersprungeneSaetze << bezeichnung(liste.at(i));
            break;
        case AuftragsStore::Verbleib::Abgelehnt:
            ++bericht.abgelehnt;
            bericht.abgelehnteSaetze << bezeichnung(liste.at(i)) + QLatin1String(": ") + verbleib.at(i).grund;
            break;
        }
    }
}

ImportBericht XmlAustausch::readAuftraege(QXmlStreamReader& r, const Fortschritt::Meldung& meldung)
{
    ImportBericht bericht(ImportBericht::Auftraege);
    QList<Auftrag> liste = leseAuftraege(r, &bericht, haelfte(meldung, 0));
    if (!bericht.abgebrochen)
        speichereAuftraege(liste, bericht, haelfte(meldung, 500));
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

ImportBericht XmlAustausch::importKunden(const QString& fileName, const Fortschritt::Meldung& meldung)
{
    return ausDatei(fileName, ImportBericht::Kunden,
                    [this, &meldung](QXmlStreamReader& r) { return readKunden(r, meldung); });
}

ImportBericht XmlAustausch::importAuftraege(const QString& fileName, const Fortschritt::Meldung& meldung)
{
    return ausDatei(fileName, ImportBericht::Auftraege,
                    [this, &meldung](QXmlStreamReader& r) { return readAuftraege(r, meldung); });
}

QString XmlAustausch::exportiere(QWidget* parent, bool auftraege)
{
    const QString titel = auftraege ? tr("Auftragsdaten exportieren") : tr("Kundendaten exportieren");
    const QString datei = frageDatei(parent, titel, auftraege, true);
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
    const QString datei = frageDatei(parent, titel, auftraege, false);
    if (datei.isEmpty())
        return QString();
    Fortschritt fortschritt(parent, titel);
    const ImportBericht bericht = auftraege ? importAuftraege(datei, fortschritt.meldung())
                                            : importKunden(datei, fortschritt.meldung());
    const QString text = QDir::toNativeSeparators(datei) + QLatin1String(":\n") + bericht.fehlerText();
    // A cancelled import needs no box: the user knows, and the status bar says nothing was stored.
    if (!bericht.abgebrochen && bericht.fehlerhaft())
        Interaktion::instance()->warning(parent, titel, text);
    else if (!bericht.abgebrochen && bericht.mitHinweis())
        Interaktion::instance()->information(parent, titel, text);
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
