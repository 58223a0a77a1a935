#include "print/druckerde1.h"

#include "print/belegbetraege.h"
#include "print/seitensatz.h"
#include "print/steuer.h"
#include "records/codetabellen.h"
#include "records/dezimaltext.h"

#include <QImage>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

const double mm = Seitensatz::mm;
// DIN 5008: text from 25 mm to 20 mm before the right edge, the address
// field 45 mm from the top, 20 mm from the left edge, 85 mm wide, its
// first 17.7 mm for the return address; the information block at 125 mm.
const double randLinks = 25 * mm;
const double randRechts = 20 * mm;
const double feldOben = 45 * mm;
const double feldLinks = 20 * mm;
const double feldBreite = 85 * mm;
const double vermerkZone = 17.7 * mm;
const double infoLinks = 125 * mm;

}  // namespace

DruckerDE1::DruckerDE1(QObject* parent) : Drucker(parent) {}

Belegbetraege::Layout DruckerDE1::layout() const
{
    return Belegbetraege::Layout::De1;
}

QString DruckerDE1::titel(const Auftrag& a) const
{
    // In the order of the document kinds.
    return titelNachArt(a, {tr("Rechnung"), tr("Lieferschein"), tr("Rechnungskorrektur"), tr("Angebot")},
                        tr("%2 Nr. %1"));
}

QList<Drucker::Vermerk> DruckerDE1::briefkopf() const
{
    QList<Vermerk> v;
    const QString firma = wert(Einstellung::FirmaFirma);
    if (!firma.isEmpty())
        v << Vermerk{firma, Seitensatz::schrift(14, true)};
    const QString adresse = verbinde(
        {wert(Einstellung::FirmaStrasse), verbinde({wert(Einstellung::FirmaPLZ),
            wert(Einstellung::FirmaOrt)}, " "),
         wert(Einstellung::FirmaTel).isEmpty() ? QString() : tr("Tel. %1").arg(wert(Einstellung::FirmaTel)),
         wert(Einstellung::FirmaEmail).isEmpty() ? QString() : tr("E-Mail: %1").arg(wert(Einstellung::FirmaEmail)),
         wert(Einstellung::FirmaURL)},
        "\n");
    if (!adresse.isEmpty())
        v << Vermerk{adresse, Seitensatz::schrift(9)};
    const QString logo = wert(Einstellung::RechnungLogoText);
    if (!logo.isEmpty())
        v << Vermerk{logo, Seitensatz::schrift(7)};
    return v;
}

QList<Drucker::Vermerk> DruckerDE1::anschrift(const Auftrag& a) const
{
    QList<Vermerk> v;
    QFont absender = Seitensatz::schrift(7);
    absender.setUnderline(true);
    const QString zeile = verbinde(
        {wert(Einstellung::FirmaFirma), wert(Einstellung::FirmaStrasse),
         verbinde({wert(Einstellung::FirmaPLZ), wert(Einstellung::FirmaOrt)}, " ")},
        " · ");
    v << Vermerk{zeile, absender};
    const Kunde& k = a.Kunde;
    v << Vermerk{empfaenger(k, Steuer::land(true, m_settings)).join("\n"), Seitensatz::schrift(11)};
    return v;
}

QList<Drucker::Vermerk> DruckerDE1::info(const Auftrag& a) const
{
    const QFont f = Seitensatz::schrift(9);
    QList<Vermerk> v;
    v << Vermerk{tr("Datum: %1").arg(a.Eingang.toString("dd.MM.yyyy")), f};
    // The date of supply: the delivery date, else the date of the document.
    const QDateTime lieferung =
        a.Lieferung.isValid() ? a.Lieferung : a.Eingang;
    if (a.Typ != Auftragsart::Angebot && lieferung.isValid())
        v << Vermerk{tr("Lieferdatum: %1").arg(lieferung.toString("dd.MM.yyyy")), f};
    if (a.Typ == Auftragsart::Angebot)
        v << Vermerk{tr("Gültig bis: %1").arg(gueltigBis(a).toString("dd.MM.yyyy")), f};
    if (!a.BestellNr.isEmpty())
        v << Vermerk{tr("Ihre Bestellung: %1").arg(a.BestellNr), f};
    v << Vermerk{tr("Kunden-Nr.: %1").arg(a.Kunde.Nr), f};
    if (!a.Kunde.Steuernummer.trimmed().isEmpty())
        v << Vermerk{tr("USt-IdNr.: %1").arg(a.Kunde.Steuernummer.trimmed()), f};
    return v;
}

QList<QList<Drucker::Vermerk>> DruckerDE1::fussSpalten() const
{
    const QFont f = Seitensatz::schrift(7);
    auto mit = [this](const char* muster, Einstellung::Schluessel schluessel) {
        const QString w = wert(schluessel);
        return w.isEmpty() ? QString() : tr(muster).arg(w);
    };
    const QString firma = verbinde(
        {wert(Einstellung::FirmaFirma), wert(Einstellung::FirmaRechtsform), wert(Einstellung::FirmaStrasse),
         verbinde({wert(Einstellung::FirmaPLZ), wert(Einstellung::FirmaOrt)}, " ")},
        "\n");
    const QString steuer =
        verbinde({mit(QT_TR_NOOP("Steuer-Nr.: %1"), Einstellung::FirmaSteuerNr),
                  mit(QT_TR_NOOP("USt-IdNr.: %1"), Einstellung::FirmaUStId), wert(Einstellung::FirmaRCS)},
                 "\n");
    const QString bank = verbinde(
        {wert(Einstellung::FirmaBank), mit(QT_TR_NOOP("IBAN: %1"), Einstellung::FirmaIBAN),
         mit(QT_TR_NOOP("BIC: %1"), Einstellung::FirmaBIC), mit(QT_TR_NOOP("BLZ %1"), Einstellung::FirmaBLZ),
         mit(QT_TR_NOOP("Konto-Nr. %1"), Einstellung::FirmaKontoNr)},
        "\n");
    QList<QList<Vermerk>> spalten;
    spalten << QList<Vermerk>{Vermerk{firma, f}} << QList<Vermerk>{Vermerk{steuer, f}};
    if (!bank.isEmpty())
        spalten << QList<Vermerk>{Vermerk{tr("Bankverbindung:"), f}, Vermerk{bank, f}};
    return spalten;
}

QString DruckerDE1::bezugsMuster() const
{
    return tr("Korrektur zur Rechnung %1 vom %2");
}

QList<Drucker::Feld> DruckerDE1::felder() const
{
    return {Feld::Menge, Feld::Einheit, Feld::Beschreibung, Feld::Einzelpreis, Feld::Satz, Feld::Netto};
}

Drucker::Spalte DruckerDE1::spalte(Feld f, bool steuer) const
{
    switch (f) {
    case Feld::Menge: return {tr("Menge"), true};
    case Feld::Einheit: return {tr("Einheit"), false, 20 * mm};
    case Feld::Einzelpreis: return {steuer ? tr("Einzelpreis netto €") : tr("Einzelpreis €"), true};
    case Feld::Satz: return {tr("USt."), true};
    case Feld::Netto: return {steuer ? tr("Netto €") : tr("Preis €"), true};
    case Feld::Referenz:
    case Feld::Beschreibung: break;
    }
    return {tr("Produkt")};
}

Drucker::Steuertexte DruckerDE1::steuertexte() const
{
    return {tr("Netto ohne USt."), tr("Netto %1 %"), tr("MwSt %1 %"), tr("Netto gesamt"), tr("MwSt gesamt"),
            tr("Summe")};
}

void DruckerDE1::einleitung(Seitensatz& satz, const Auftrag& a, const Blatt& b) const
{
    // Where the goods go, when not to the billing address in the window.
    const QString ziel = a.Lieferanschrift.trimmed();
    if (!ziel.isEmpty() && ziel != empfaenger(a.Kunde, Steuer::land(true, m_settings)).join("\n")) {
        absatz(satz, tr("Lieferanschrift:") + "\n" + ziel, Seitensatz::schrift(9), b.links, b.breite);
        satz.abstand(2 * mm);
    }
    absatz(satz, wert(Einstellung::RechnungHead), Seitensatz::schrift(9), b.links, b.breite);
}

QList<Drucker::Vermerk> DruckerDE1::vermerke(const Auftrag& a, const Belegbetraege& b) const
{
    const QFont basis = Seitensatz::schrift(10);
    const QString footer = wert(Einstellung::RechnungFooter);
    QList<Vermerk> v;
    if (a.Typ == Auftragsart::Lieferschein)
        return {Vermerk{footer, Seitensatz::schrift(9)}};
    if (a.Typ == Auftragsart::Gutschrift) {
        v << Vermerk{tr("Erstattungs- bzw. Verrechnungsbetrag: %1 €").arg(b.brutto().zahl()),
                     Seitensatz::schrift(10, true)};
    } else if (a.Typ == Auftragsart::Angebot) {
        v << Vermerk{tr("Dieses Angebot gilt bis %1.").arg(gueltigBis(a).toString("dd.MM.yyyy")), basis}
          << Vermerk{QString(), basis} << Vermerk{tr("Auftrag erteilt (Datum, Name, Unterschrift):"), basis}
          << Vermerk{QString(), basis} << Vermerk{QString(), basis}
          << Vermerk{QStringLiteral("______________________________"), basis};
    } else if (b.bezahlt()) {
        v << Vermerk{tr("Betrag dankend erhalten."), basis};
    } else if (b.faelligAm().isValid()) {
        v << Vermerk{tr("Zahlbar ohne Abzug bis %1.").arg(b.faelligAm().toString("dd.MM.yyyy")), basis};
    }
    if (!footer.isEmpty())
        v << Vermerk{QString(), basis} << Vermerk{footer, Seitensatz::schrift(9)};
    return v;
}

QString DruckerDE1::seitenMuster() const
{
    return tr("Seite %1 von %2");
}

Drucker::Briefbogen DruckerDE1::briefbogen(const QSizeF& papier, const Auftrag& a) const
{
    Briefbogen b;
    b.links = randLinks;
    b.rechts = papier.width() - randRechts;
    const QList<Vermerk> kopf = briefkopf();
    const QList<Vermerk> fenster = anschrift(a);
    const QList<Vermerk> absender{fenster.first()};
    const QList<Vermerk> adresse{fenster.last()};
    const double kopfBreite = infoLinks - randLinks - 5 * mm;
    const double x = feldLinks + 5 * mm;
    const double breite = feldBreite - 5 * mm;
    b.kopfUnten = std::max({12 * mm + stapel(nullptr, 0, 0, kopfBreite, kopf),
                            feldOben + 3 * mm + stapel(nullptr, 0, 0, breite, absender),
                            feldOben + vermerkZone + stapel(nullptr, 0, 0, breite, adresse)});
    b.kopf = [=](QPainter& p) {
        stapel(&p, randLinks, 12 * mm, kopfBreite, kopf);
        stapel(&p, x, feldOben + 3 * mm, breite, absender);
        stapel(&p, x, feldOben + vermerkZone, breite, adresse);
    };
    b.fuss = fussSpalten();
    return b;
}

Drucker::Blatt DruckerDE1::blatt(const QSizeF& papier, const Auftrag& a) const
{
    const Briefbogen bogen = briefbogen(papier, a);
    const Fusszeile fuss = spaltenFuss(bogen, papier.height(), Seitensatz::schrift(8));
    Blatt b;
    b.links = randLinks;
    const double rechts = bogen.rechts;
    const double breite = b.breite = rechts - randLinks;
    const QList<Vermerk> infos = info(a);
    const QString t = titel(a);
    b.oben = 20 * mm + Seitensatz::hoehe(t, Seitensatz::schrift(10, true), breite) + 5 * mm;
    // The body starts below the address field and the information block.
    b.oben1 = qMax(feldOben + 45 * mm + 8 * mm,
                   50 * mm + stapel(nullptr, 0, 0, rechts - infoLinks, infos) + 8 * mm);
    b.unten = fuss.unten;
    const QImage logo(":logo.png");
    b.rahmen = [=](QPainter& p, int seite, int seiten) {
        if (seite == 1) {
            if (!logo.isNull()) {
                const double h = 25 * mm;
                const double w = h * logo.width() / qMax(1, logo.height());
                p.drawImage(QRectF(rechts - w, 10 * mm, w, h), logo);
            }
            bogen.kopf(p);
            stapel(&p, infoLinks, 50 * mm, rechts - infoLinks, infos);
        } else {
            Seitensatz::zeichne(p, randLinks, 20 * mm, breite, t, Seitensatz::schrift(10, true));
        }
        fuss.zeichnen(p, seite, seiten);
    };
    return b;
}
