#include "print/ciiaufbau.h"

#include "platform/einstellung.h"
#include "print/laendercodes.h"
#include "records/codetabellen.h"

#include <QMap>
#include <QRegularExpression>
#include <QSettings>

#include <tuple>

namespace {

int zahlungsmittel(int zahlung)
{
    switch (zahlung) {
    case Zahlungsart::Bar: return CiiRechnung::Bar;
    case Zahlungsart::EC: return CiiRechnung::Debitkarte;
    case Zahlungsart::Ueberweisung: return CiiRechnung::Ueberweisung;
    case Zahlungsart::Bankeinzug: return CiiRechnung::Lastschrift;
    case Zahlungsart::Kreditkarte: return CiiRechnung::Kreditkarte;
    case Zahlungsart::Scheck: return CiiRechnung::Scheck;
    default: return CiiRechnung::KeinZahlungsmittel;
    }
}

// A delivery address typed as lines: name, street, "postcode town", and
// optionally a country; what it lacks comes from the buyer.
CiiRechnung::Partei anschrift(const QString& text, const CiiRechnung::Partei& kaeufer)
{
    QStringList zeilen;
    for (const QString& z : text.split(QRegularExpression("[\\n\\r\\x0b]")))
        if (!z.trimmed().isEmpty())
            zeilen << z.trimmed();
    CiiRechnung::Partei p;
    p.land = kaeufer.land;
    const QRegularExpression ortZeile("^(?:[A-Z]{1,2}[- ])?(\\d{4,5})\\s+(.+)$");
    int ort = -1;
    for (int i = zeilen.size() - 1; i >= 0 && ort < 0; --i)
        if (ortZeile.match(zeilen.at(i)).hasMatch())
            ort = i;
    if (ort >= 0) {
        const auto m = ortZeile.match(zeilen.at(ort));
        std::tie(p.plz, p.ort) = std::make_tuple(m.captured(1), m.captured(2));
        if (ort + 1 < zeilen.size() && !Laendercodes::iso(zeilen.at(ort + 1)).isEmpty())
            p.land = Laendercodes::iso(zeilen.at(ort + 1));
        zeilen = zeilen.mid(0, ort);
    }
    p.name = zeilen.size() >= 2 ? zeilen.takeFirst() : kaeufer.name;
    p.strasse = zeilen.join(", ");
    return p;
}

// The late-payment notes a French invoice carries, taken from the printed
// text: the sentence naming the recovery fee (PMT), the one about a discount
// (AAB); the whole text stands for a subject it has no sentence of its own for.
QList<CiiRechnung::Notiz> rechtsNotizen(const QString& mahntext)
{
    const QString text = mahntext.simplified();
    const QStringList saetze = text.split(QRegularExpression("(?<=[.!])\\s+"), Qt::SkipEmptyParts);
    const auto finde = [&](const QRegularExpression& muster) {
        QStringList treffer;
        for (const QString& satz : saetze)
            if (satz.contains(muster))
                treffer << satz;
        return treffer.isEmpty() ? text : treffer.join(' ');
    };
    const QRegularExpression::PatternOption i = QRegularExpression::CaseInsensitiveOption;
    return {{finde(QRegularExpression("recouvrement|40\\s*€|pauschale", i)), "PMT"},
            {finde(QRegularExpression("pénalit|retard|verzug", i)), "PMD"},
            {finde(QRegularExpression("escompte|skonto", i)), "AAB"}};
}

}  // namespace

QString CiiAufbau::eAdresse(const QString& text, QString* schema)
{
    const QString t = text.trimmed();
    const auto m = QRegularExpression("^([0-9]{4}|EM|AN|AQ|AS|AU):(.+)$").match(t);
    if (m.hasMatch()) {
        *schema = m.captured(1);
        return m.captured(2).trimmed();
    }
    *schema = t.contains('@') ? QStringLiteral("EM") : QStringLiteral("0225");
    return *schema == "0225" ? QString(t).remove(' ') : t;
}

bool CiiAufbau::xrechnung(const Auftrag& a)
{
    return !a.Kunde.LeitwegId.trimmed().isEmpty();
}

bool CiiAufbau::elektronisch(const Auftrag& a)
{
    return a.Typ == Auftragsart::Rechnung || a.Typ == Auftragsart::Gutschrift;
}

void CiiAufbau::pruefe(bool ok, const QString& was, bool ustId)
{
    if (ok)
        return;
    m_fehlt << was;
    if (ustId)
        m_ustIds << was;
}

CiiAufbau::CiiAufbau(const Auftrag& a)
{
    const Belegbetraege b(a);
    const QSettings s;
    CiiRechnung& r = m_rechnung;

    // The categories of the printed page: each line's, one VAT group per category and rate.
    QStringList kategorien;
    for (const Belegbetraege::Satzsumme& t : b.aufschluesselung())
        kategorien << t.kategorie;
    const bool ohneUst = kategorien.contains("O");  // outside VAT: no VAT numbers at all
    const bool nurBefreit = !kategorien.isEmpty() && kategorien.count("E") == kategorien.size();
    const bool innergemeinschaftlich = kategorien.contains("K") || kategorien.contains("AE");

    // A credit note entered with negative amounts is stated with positive
    // ones; its type code already says the money flows back.
    const bool umkehren = a.Typ == Auftragsart::Gutschrift && b.brutto() < Betrag();
    const auto vz = [umkehren](Betrag x) { return umkehren ? -x : x; };
    const double vzMenge = umkehren ? -1 : 1;
    const bool frankreich = b.land() == "FR";
    const bool xr = xrechnung(a);
    const Kunde& k = a.Kunde;
    const bool geschaeftlich = !k.Firma.trimmed().isEmpty();

    r.nummer = a.belegNummer();
    if (a.Typ == Auftragsart::Gutschrift) {
        r.bezugNr = a.BezugBelegNr;
        r.bezugDatum = a.BezugDatum;
    }
    r.typCode = a.Typ == Auftragsart::Gutschrift ? 381 : 380;
    r.datum = a.Eingang.date();
    if (!a.BestellNr.isEmpty())
        r.bestellNr = a.BestellNr;

    r.verkaeufer.name = Einstellung::text(Einstellung::FirmaFirma, s).trimmed();
    r.verkaeufer.strasse = Einstellung::text(Einstellung::FirmaStrasse, s).trimmed();
    r.verkaeufer.plz = Einstellung::text(Einstellung::FirmaPLZ, s).trimmed();
    r.verkaeufer.ort = Einstellung::text(Einstellung::FirmaOrt, s).trimmed();
    r.verkaeufer.land = b.land();
    r.verkaeufer.siren = Einstellung::text(Einstellung::FirmaSIREN, s).trimmed();
    const QString firmaUstId = Einstellung::text(Einstellung::FirmaUStId, s).trimmed();
    if (!ohneUst)
        r.verkaeufer.ustId = firmaUstId;
    // The tax number stands for a seller without VAT number (franchise, exempt training).
    r.verkaeufer.steuerNr = Einstellung::text(Einstellung::FirmaSteuerNr, s).trimmed();
    // A German seller without VAT number or register is known by its tax number.
    if (!frankreich && r.verkaeufer.ustId.isEmpty() && r.verkaeufer.siren.isEmpty())
        r.verkaeufer.kennung = r.verkaeufer.steuerNr;
    const QString firmaEAdresse = Einstellung::text(Einstellung::FirmaEAdresse, s).trimmed();
    const QString firmaEmail = Einstellung::text(Einstellung::FirmaEmail, s).trimmed();
    const QString firmaSiren = QString(r.verkaeufer.siren).remove(' ').left(9);
    if (!firmaEAdresse.isEmpty())
        r.verkaeufer.eAdresse = eAdresse(firmaEAdresse, &r.verkaeufer.eSchema);
    else if (frankreich && !firmaSiren.isEmpty())
        std::tie(r.verkaeufer.eAdresse, r.verkaeufer.eSchema) = std::make_tuple(firmaSiren, "0225");
    else if (!firmaEmail.isEmpty())
        std::tie(r.verkaeufer.eAdresse, r.verkaeufer.eSchema) = std::make_tuple(firmaEmail, "EM");
    if (xr) {
        r.spezifikation = CiiRechnung::xrechnung();
        r.kaeuferReferenz = k.LeitwegId.trimmed();
        r.verkaeufer.kontakt = Einstellung::text(Einstellung::FirmaKontakt, s).trimmed();
        if (r.verkaeufer.kontakt.isEmpty())
            r.verkaeufer.kontakt = r.verkaeufer.name;
        r.verkaeufer.telefon = Einstellung::text(Einstellung::FirmaTel, s).trimmed();
        r.verkaeufer.email = firmaEmail;
    }
    if (frankreich) {
        r.prozess = a.leistungsart() == Auftrag::Leistungsart::Waren    ? "B1"
                    : a.leistungsart() == Auftrag::Leistungsart::Dienste ? "S1"
                                                                         : "M1";
        const QString mahn = Einstellung::text(Einstellung::RechnungMahntext, s).trimmed();
        if (!mahn.isEmpty())
            r.notizen << rechtsNotizen(mahn);
    }

    r.kaeufer.name = (k.Firma.trimmed().isEmpty() ? k.Name : k.Firma).trimmed();
    r.kaeufer.strasse = k.Strasse.trimmed();
    r.kaeufer.plz = k.PLZ.trimmed();
    r.kaeufer.ort = k.Ort.trimmed();
    r.kaeufer.land = Laendercodes::iso(k.Land);
    if (!ohneUst)
        r.kaeufer.ustId = k.Steuernummer.trimmed();
    r.kaeufer.siren = k.Siren.trimmed();
    const QString kundenSiren = QString(k.Siren).remove(' ').left(9);
    if (!k.EAdresse.trimmed().isEmpty())
        r.kaeufer.eAdresse = eAdresse(k.EAdresse, &r.kaeufer.eSchema);
    else if (xr)
        std::tie(r.kaeufer.eAdresse, r.kaeufer.eSchema) = std::make_tuple(k.LeitwegId.trimmed(), "0204");
    else if (!kundenSiren.isEmpty())
        std::tie(r.kaeufer.eAdresse, r.kaeufer.eSchema) = std::make_tuple(kundenSiren, "0225");
    else if (!k.Email.trimmed().isEmpty())
        std::tie(r.kaeufer.eAdresse, r.kaeufer.eSchema) = std::make_tuple(k.Email.trimmed(), "EM");
    const bool lieferanschrift = !a.Lieferanschrift.trimmed().isEmpty();
    if (lieferanschrift) {
        r.lieferort = true;
        r.lieferAn = anschrift(a.Lieferanschrift, r.kaeufer);
    }

    if (kategorien.contains("K")) {
        // Intra-community supplies name where and when the goods went.
        r.lieferort = true;
        r.lieferDatum = a.Lieferung.isValid() ? a.Lieferung.date() : a.Eingang.date();
    } else if (a.Lieferung.isValid()) {
        r.lieferDatum = a.Lieferung.date();
    }

    for (int i = 0; i < a.Zeilen.size() && i < b.zeilen().size(); ++i) {
        const AuftragsLine& l = a.Zeilen.at(i);
        CiiRechnung::Position p;
        p.produktNr = l.ProduktNr.trimmed();
        p.name = l.Produkt.trimmed();
        p.beschreibung = l.Komentar.trimmed();
        p.netto = vz(b.zeilen().at(i).netto);
        // The unit price is never negative: a reduction line is a negative quantity.
        p.menge = l.Anzahl != 0 ? l.Anzahl * vzMenge : 1;
        p.einheit = l.einheitCode();
        if ((p.netto < Betrag()) != (p.menge < 0) && p.netto != Betrag())
            p.menge = -p.menge;
        p.kategorie = b.zeilen().at(i).kategorie;
        p.prozent = b.zeilen().at(i).prozent;
        r.positionen << p;
    }
    for (const Belegbetraege::Satzsumme& t : b.aufschluesselung()) {
        CiiRechnung::Steuer e;
        e.kategorie = t.kategorie;
        e.prozent = t.prozent;
        e.grund = b.grundText(t.grund);
        e.grundCode = Belegbetraege::grundCode(t.grund, b.land());
        // VAT on services is due on payment unless the seller opted for debits.
        if (frankreich && Einstellung::schalter(Einstellung::SteuerDebits, s) && t.kategorie == "S"
            && a.leistungsart() != Auftrag::Leistungsart::Waren)
            e.faelligCode = "5";
        e.basis = vz(t.netto);
        e.betrag = vz(t.steuer);
        r.steuern << e;
    }
    r.netto = vz(b.netto());
    r.steuer = vz(b.steuer());
    r.brutto = vz(b.brutto());
    r.bezahlt = b.bezahlt() ? r.brutto : Betrag();
    r.faellig = b.faelligAm();

    r.zahlungsmittel = zahlungsmittel(a.Zahlung);
    if (xr && r.zahlungsmittel == CiiRechnung::KeinZahlungsmittel)
        r.zahlungsmittel = CiiRechnung::Ueberweisung;  // XRechnung always says how to pay
    if (xr && (r.zahlungsmittel == CiiRechnung::Kreditkarte || r.zahlungsmittel == CiiRechnung::Debitkarte)) {
        // The card group needs the card's number, which no order records.
        r.zahlungsInfo = r.zahlungsmittel == CiiRechnung::Kreditkarte ? tr("Kreditkarte") : tr("EC-Karte");
        r.zahlungsmittel = CiiRechnung::Unbestimmt;
    }
    if (r.zahlungsmittel == CiiRechnung::Ueberweisung) {
        r.iban = Einstellung::text(Einstellung::FirmaIBAN, s).trimmed();
        r.bic = Einstellung::text(Einstellung::FirmaBIC, s).trimmed();
    } else if (r.zahlungsmittel == CiiRechnung::Lastschrift) {
        r.iban = k.IBAN.trimmed();
        r.glaeubigerId = Einstellung::text(Einstellung::FirmaGlaeubigerId, s).trimmed();
    }

    pruefe(!r.nummer.isEmpty(), tr("Rechnungsnummer (der Auftrag ist noch nicht gespeichert)"));
    pruefe(r.datum.isValid(), tr("Rechnungsdatum"));
    pruefe(!r.positionen.isEmpty(), tr("mindestens eine Position"));
    pruefe(!r.verkaeufer.name.isEmpty(), tr("Name der Firma (Einstellungen, Firma)"));
    pruefe(!r.verkaeufer.land.isEmpty(), tr("Land der Firma"));
    // An exempt or German seller may name its tax number instead; the others
    // and every export or intra-community supply need the VAT number.
    if (frankreich || innergemeinschaftlich || kategorien.contains("G"))
        pruefe(ohneUst || !firmaUstId.isEmpty() || (nurBefreit && !r.verkaeufer.steuerNr.isEmpty()),
               tr("USt-IdNr. der Firma (Einstellungen, Firma)"), innergemeinschaftlich);
    else
        pruefe(ohneUst || !firmaUstId.isEmpty() || !r.verkaeufer.steuerNr.isEmpty(),
               tr("USt-IdNr. oder Steuernummer der Firma (Einstellungen, Firma)"));
    // The buyer must find the seller by VAT number, legal registration or tax number.
    pruefe(!r.verkaeufer.ustId.isEmpty() || !r.verkaeufer.siren.isEmpty() || !r.verkaeufer.kennung.isEmpty(),
           tr("USt-IdNr. oder SIREN/Registernummer der Firma (Einstellungen, Firma)"));
    // A French seller's business invoices go through the platforms.
    if (frankreich && geschaeftlich) {
        pruefe(QRegularExpression("^\\d{9}$").match(firmaSiren).hasMatch(),
               tr("SIREN der Firma, 9 Ziffern (Einstellungen, Firma)"));
        pruefe(!r.notizen.isEmpty(), tr("Mahntext mit Verzugszinsen, Pauschale von 40 € und Skonto "
                                        "(Einstellungen, Rechnung)"));
        pruefe(!r.kaeufer.eAdresse.isEmpty(),
               r.kaeufer.land == "FR" ? tr("SIREN oder E-Rechnungsadresse des Kunden")
                                      : tr("E-Rechnungsadresse oder E-Mail des Kunden"));
        pruefe(a.Typ != Auftragsart::Gutschrift || !r.bezugNr.isEmpty(),
               tr("die Rechnung, die die Gutschrift berichtigt"));
    }
    if (xr) {
        pruefe(!r.verkaeufer.telefon.isEmpty(), tr("Telefon der Firma (Einstellungen, Firma)"));
        pruefe(!r.verkaeufer.email.isEmpty(), tr("Email der Firma (Einstellungen, Firma)"));
        pruefe(!r.verkaeufer.plz.isEmpty() && !r.verkaeufer.ort.isEmpty(),
               tr("PLZ und Ort der Firma (Einstellungen, Firma)"));
        pruefe(!r.kaeufer.plz.isEmpty() && !r.kaeufer.ort.isEmpty(), tr("PLZ und Ort des Kunden"));
        pruefe(!lieferanschrift || (!r.lieferAn.plz.isEmpty() && !r.lieferAn.ort.isEmpty()),
               tr("PLZ und Ort der Lieferanschrift"));
        pruefe(r.zahlungsmittel != CiiRechnung::Lastschrift || !r.iban.isEmpty(),
               tr("IBAN des Kunden (Zahlung per Bankeinzug)"));
        pruefe(r.zahlungsmittel != CiiRechnung::Lastschrift || !r.glaeubigerId.isEmpty(),
               tr("Gläubiger-ID der Firma (Einstellungen, Firma; Zahlung per Bankeinzug)"));
    }
    // Outside VAT cannot share an e-invoice with taxed or exempt lines.
    pruefe(!ohneUst || kategorien.size() == 1,
           tr("getrennte Rechnungen für nicht steuerbare und andere Positionen"));
    pruefe(!r.kaeufer.name.isEmpty(), tr("Name oder Firma des Kunden"));
    if (k.Land.trimmed().isEmpty())
        pruefe(false, tr("Land des Kunden"));
    else
        pruefe(!r.kaeufer.land.isEmpty(),
               tr("Land des Kunden (\"%1\" ist kein bekanntes Land)").arg(k.Land.trimmed()));
    pruefe(!innergemeinschaftlich || !r.kaeufer.ustId.isEmpty(), tr("USt-IdNr. des Kunden"), true);
    pruefe(r.zahlungsmittel != CiiRechnung::Ueberweisung || !r.iban.isEmpty(),
           tr("IBAN der Firma (Zahlung per Überweisung)"));
}
