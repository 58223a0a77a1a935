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

struct CiiAufbau::Fall {
    Fall(const Auftrag& auftrag, const Belegbetraege& betraege, const QSettings& settings);

    // A credit note entered with negative amounts is stated with positive
    // ones; its type code already says the money flows back.
    Betrag vz(Betrag x) const { return umkehren ? -x : x; }
    QString wert(Einstellung::Schluessel k) const { return Einstellung::text(k, s).trimmed(); }

    const Auftrag& a;
    const Belegbetraege& b;
    const QSettings& s;
    // The categories of the printed page: one VAT group per category and rate.
    QList<Steuerkategorie> kategorien;
    bool ohneUst = false;  // outside VAT: no VAT numbers at all
    bool nurBefreit = false;
    bool innergemeinschaftlich = false;
    bool umkehren = false;
    bool frankreich = false;
    bool xr = false;
    bool geschaeftlich = false;
    bool lieferanschrift = false;
    QString firmaUstId;
    QString firmaSiren;  // the nine digits of the seller's SIREN or SIRET
};

CiiAufbau::Fall::Fall(const Auftrag& auftrag, const Belegbetraege& betraege, const QSettings& settings)
    : a(auftrag), b(betraege), s(settings)
{
    for (const Belegbetraege::Satzsumme& t : b.aufschluesselung())
        kategorien << t.kategorie;
    ohneUst = kategorien.contains(Steuerkategorie::NichtSteuerbar);
    nurBefreit = !kategorien.isEmpty() && kategorien.count(Steuerkategorie::Befreit) == kategorien.size();
    innergemeinschaftlich = kategorien.contains(Steuerkategorie::Innergemeinschaftlich)
                            || kategorien.contains(Steuerkategorie::Umkehrung);
    umkehren = a.Typ == Auftragsart::Gutschrift && b.brutto() < Betrag();
    frankreich = b.land() == "FR";
    xr = xrechnung(a);
    geschaeftlich = !a.Kunde.Firma.trimmed().isEmpty();
    lieferanschrift = !a.Lieferanschrift.trimmed().isEmpty();
    firmaUstId = wert(Einstellung::FirmaUStId);
    firmaSiren = wert(Einstellung::FirmaSIREN).remove(' ').left(9);
}

CiiAufbau::CiiAufbau(const Auftrag& a)
{
    const Belegbetraege b(a);
    const QSettings s;
    const Fall f(a, b, s);
    kopf(f);
    verkaeufer(f);
    kaeufer(f);
    lieferung(f);
    betraege(f);
    zahlung(f);
    pruefeVerkaeufer(f);
    pruefeEmpfang(f);
}

void CiiAufbau::kopf(const Fall& f)
{
    const Auftrag& a = f.a;
    CiiRechnung& r = m_rechnung;
    r.nummer = a.belegNummer();
    if (a.Typ == Auftragsart::Gutschrift) {
        r.bezugNr = a.BezugBelegNr;
        r.bezugDatum = a.BezugDatum;
    }
    r.typCode = Belegtypcodes::fuerArt(a.Typ);
    r.datum = a.Eingang.date();
    if (!a.BestellNr.isEmpty())
        r.bestellNr = a.BestellNr;
    if (f.xr)
        r.spezifikation = CiiRechnung::xrechnung();
    if (f.frankreich) {
        r.prozess = a.leistungsart() == Auftrag::Leistungsart::Waren    ? "B1"
                    : a.leistungsart() == Auftrag::Leistungsart::Dienste ? "S1"
                                                                         : "M1";
        const QString mahn = f.wert(Einstellung::RechnungMahntext);
        if (!mahn.isEmpty())
            r.notizen << rechtsNotizen(mahn);
    }
}

void CiiAufbau::verkaeufer(const Fall& f)
{
    CiiRechnung::Partei& v = m_rechnung.verkaeufer;
    v.name = f.wert(Einstellung::FirmaFirma);
    v.strasse = f.wert(Einstellung::FirmaStrasse);
    v.plz = f.wert(Einstellung::FirmaPLZ);
    v.ort = f.wert(Einstellung::FirmaOrt);
    v.land = f.b.land();
    v.siren = f.wert(Einstellung::FirmaSIREN);
    if (!f.ohneUst)
        v.ustId = f.firmaUstId;
    // The tax number stands for a seller without VAT number (franchise, exempt training).
    v.steuerNr = f.wert(Einstellung::FirmaSteuerNr);
    // A German seller without VAT number or register is known by its tax number.
    if (!f.frankreich && v.ustId.isEmpty() && v.siren.isEmpty())
        v.kennung = v.steuerNr;
    const QString firmaEAdresse = f.wert(Einstellung::FirmaEAdresse);
    const QString firmaEmail = f.wert(Einstellung::FirmaEmail);
    if (!firmaEAdresse.isEmpty())
        v.eAdresse = eAdresse(firmaEAdresse, &v.eSchema);
    else if (f.frankreich && !f.firmaSiren.isEmpty())
        std::tie(v.eAdresse, v.eSchema) = std::make_tuple(f.firmaSiren, "0225");
    else if (!firmaEmail.isEmpty())
        std::tie(v.eAdresse, v.eSchema) = std::make_tuple(firmaEmail, "EM");
    if (f.xr) {
        v.kontakt = f.wert(Einstellung::FirmaKontakt);
        if (v.kontakt.isEmpty())
            v.kontakt = v.name;
        v.telefon = f.wert(Einstellung::FirmaTel);
        v.email = firmaEmail;
    }
}

void CiiAufbau::kaeufer(const Fall& f)
{
    const Kunde& k = f.a.Kunde;
    CiiRechnung& r = m_rechnung;
    CiiRechnung::Partei& p = r.kaeufer;
    p.name = (k.Firma.trimmed().isEmpty() ? k.Name : k.Firma).trimmed();
    p.strasse = k.Strasse.trimmed();
    p.plz = k.PLZ.trimmed();
    p.ort = k.Ort.trimmed();
    p.land = Laendercodes::iso(k.Land);
    if (!f.ohneUst)
        p.ustId = k.Steuernummer.trimmed();
    p.siren = k.Siren.trimmed();
    const QString kundenSiren = QString(k.Siren).remove(' ').left(9);
    if (!k.EAdresse.trimmed().isEmpty())
        p.eAdresse = eAdresse(k.EAdresse, &p.eSchema);
    else if (f.xr)
        std::tie(p.eAdresse, p.eSchema) = std::make_tuple(k.LeitwegId.trimmed(), "0204");
    else if (!kundenSiren.isEmpty())
        std::tie(p.eAdresse, p.eSchema) = std::make_tuple(kundenSiren, "0225");
    else if (!k.Email.trimmed().isEmpty())
        std::tie(p.eAdresse, p.eSchema) = std::make_tuple(k.Email.trimmed(), "EM");
    if (f.xr)
        r.kaeuferReferenz = k.LeitwegId.trimmed();
}

void CiiAufbau::lieferung(const Fall& f)
{
    const Auftrag& a = f.a;
    CiiRechnung& r = m_rechnung;
    if (f.lieferanschrift) {
        r.lieferort = true;
        r.lieferAn = anschrift(a.Lieferanschrift, r.kaeufer);
    }
    if (f.kategorien.contains(Steuerkategorie::Innergemeinschaftlich)) {
        // Intra-community supplies name where and when the goods went.
        r.lieferort = true;
        r.lieferDatum = a.Lieferung.isValid() ? a.Lieferung.date() : a.Eingang.date();
    } else if (a.Lieferung.isValid()) {
        r.lieferDatum = a.Lieferung.date();
    }
}

void CiiAufbau::betraege(const Fall& f)
{
    const Auftrag& a = f.a;
    const Belegbetraege& b = f.b;
    CiiRechnung& r = m_rechnung;
    for (int i = 0; i < a.Zeilen.size() && i < b.zeilen().size(); ++i) {
        const AuftragsLine& l = a.Zeilen.at(i);
        CiiRechnung::Position p;
        p.produktNr = l.ProduktNr.trimmed();
        p.name = l.Produkt.trimmed();
        p.beschreibung = l.Komentar.trimmed();
        p.netto = f.vz(b.zeilen().at(i).netto);
        // The unit price is never negative: a reduction line is a negative quantity.
        p.menge = l.Anzahl != 0 ? l.Anzahl * (f.umkehren ? -1 : 1) : 1;
        p.einheit = l.einheitCode();
        if ((p.netto < Betrag()) != (p.menge < 0) && p.netto != Betrag())
            p.menge = -p.menge;
        p.kategorie = b.zeilen().at(i).kategorie;
        p.prozent = b.zeilen().at(i).prozent;
        r.positionen << p;
    }
    // VAT on services is due on payment unless the seller opted for debits.
    const bool debits = f.frankreich && Einstellung::schalter(Einstellung::SteuerDebits, f.s)
                        && a.leistungsart() != Auftrag::Leistungsart::Waren;
    for (const Belegbetraege::Satzsumme& t : b.aufschluesselung()) {
        CiiRechnung::Steuer e;
        e.kategorie = t.kategorie;
        e.prozent = t.prozent;
        e.grund = b.grundText(t.grund);
        e.grundCode = Belegbetraege::grundCode(t.grund, b.land());
        if (debits && t.kategorie == Steuerkategorie::Normalsatz)
            e.faelligCode = "5";
        e.basis = f.vz(t.netto);
        e.betrag = f.vz(t.steuer);
        r.steuern << e;
    }
    r.netto = f.vz(b.netto());
    r.steuer = f.vz(b.steuer());
    r.brutto = f.vz(b.brutto());
    r.bezahlt = b.bezahlt() ? r.brutto : Betrag();
    r.faellig = b.faelligAm();
}

void CiiAufbau::zahlung(const Fall& f)
{
    CiiRechnung& r = m_rechnung;
    r.zahlungsmittel = zahlungsmittel(f.a.Zahlung);
    if (f.xr && r.zahlungsmittel == CiiRechnung::KeinZahlungsmittel)
        r.zahlungsmittel = CiiRechnung::Ueberweisung;  // XRechnung always says how to pay
    if (f.xr && (r.zahlungsmittel == CiiRechnung::Kreditkarte || r.zahlungsmittel == CiiRechnung::Debitkarte)) {
        // The card group needs the card's number, which no order records.
        r.zahlungsInfo = r.zahlungsmittel == CiiRechnung::Kreditkarte ? tr("Kreditkarte") : tr("EC-Karte");
        r.zahlungsmittel = CiiRechnung::Unbestimmt;
    }
    if (r.zahlungsmittel == CiiRechnung::Ueberweisung) {
        r.iban = f.wert(Einstellung::FirmaIBAN);
        r.bic = f.wert(Einstellung::FirmaBIC);
    } else if (r.zahlungsmittel == CiiRechnung::Lastschrift) {
        r.iban = f.a.Kunde.IBAN.trimmed();
        r.glaeubigerId = f.wert(Einstellung::FirmaGlaeubigerId);
    }
}

void CiiAufbau::pruefeVerkaeufer(const Fall& f)
{
    const CiiRechnung& r = m_rechnung;
    pruefe(!r.nummer.isEmpty(), tr("Rechnungsnummer (der Auftrag ist noch nicht gespeichert)"));
    pruefe(r.datum.isValid(), tr("Rechnungsdatum"));
    pruefe(!r.positionen.isEmpty(), tr("mindestens eine Position"));
    pruefe(!r.verkaeufer.name.isEmpty(), tr("Name der Firma (Einstellungen, Firma)"));
    pruefe(!r.verkaeufer.land.isEmpty(), tr("Land der Firma"));
    // An exempt or German seller may name its tax number instead; the others
    // and every export or intra-community supply need the VAT number.
    if (f.frankreich || f.innergemeinschaftlich || f.kategorien.contains(Steuerkategorie::Ausfuhr))
        pruefe(f.ohneUst || !f.firmaUstId.isEmpty() || (f.nurBefreit && !r.verkaeufer.steuerNr.isEmpty()),
               tr("USt-IdNr. der Firma (Einstellungen, Firma)"), f.innergemeinschaftlich);
    else
        pruefe(f.ohneUst || !f.firmaUstId.isEmpty() || !r.verkaeufer.steuerNr.isEmpty(),
               tr("USt-IdNr. oder Steuernummer der Firma (Einstellungen, Firma)"));
    // The buyer must find the seller by VAT number, legal registration or tax number.
    pruefe(!r.verkaeufer.ustId.isEmpty() || !r.verkaeufer.siren.isEmpty() || !r.verkaeufer.kennung.isEmpty(),
           tr("USt-IdNr. oder SIREN/Registernummer der Firma (Einstellungen, Firma)"));
    // A French seller's business invoices go through the platforms.
    if (f.frankreich && f.geschaeftlich) {
        pruefe(QRegularExpression("^\\d{9}$").match(f.firmaSiren).hasMatch(),
               tr("SIREN der Firma, 9 Ziffern (Einstellungen, Firma)"));
        pruefe(!r.notizen.isEmpty(), tr("Mahntext mit Verzugszinsen, Pauschale von 40 € und Skonto "
                                        "(Einstellungen, Rechnung)"));
        pruefe(!r.kaeufer.eAdresse.isEmpty(),
               r.kaeufer.land == "FR" ? tr("SIREN oder E-Rechnungsadresse des Kunden")
                                      : tr("E-Rechnungsadresse oder E-Mail des Kunden"));
        pruefe(f.a.Typ != Auftragsart::Gutschrift || !r.bezugNr.isEmpty(),
               tr("die Rechnung, die die Gutschrift berichtigt"));
    }
}

void CiiAufbau::pruefeEmpfang(const Fall& f)
{
    const CiiRechnung& r = m_rechnung;
    if (f.xr) {
        pruefe(!r.verkaeufer.telefon.isEmpty(), tr("Telefon der Firma (Einstellungen, Firma)"));
        pruefe(!r.verkaeufer.email.isEmpty(), tr("Email der Firma (Einstellungen, Firma)"));
        pruefe(!r.verkaeufer.plz.isEmpty() && !r.verkaeufer.ort.isEmpty(),
               tr("PLZ und Ort der Firma (Einstellungen, Firma)"));
        pruefe(!r.kaeufer.plz.isEmpty() && !r.kaeufer.ort.isEmpty(), tr("PLZ und Ort des Kunden"));
        pruefe(!f.lieferanschrift || (!r.lieferAn.plz.isEmpty() && !r.lieferAn.ort.isEmpty()),
               tr("PLZ und Ort der Lieferanschrift"));
        pruefe(r.zahlungsmittel != CiiRechnung::Lastschrift || !r.iban.isEmpty(),
               tr("IBAN des Kunden (Zahlung per Bankeinzug)"));
        pruefe(r.zahlungsmittel != CiiRechnung::Lastschrift || !r.glaeubigerId.isEmpty(),
               tr("Gläubiger-ID der Firma (Einstellungen, Firma; Zahlung per Bankeinzug)"));
    }
    // Outside VAT cannot share an e-invoice with taxed or exempt lines.
    pruefe(!f.ohneUst || f.kategorien.size() == 1,
           tr("getrennte Rechnungen für nicht steuerbare und andere Positionen"));
    pruefe(!r.kaeufer.name.isEmpty(), tr("Name oder Firma des Kunden"));
    const QString land = f.a.Kunde.Land.trimmed();
    if (land.isEmpty())
        pruefe(false, tr("Land des Kunden"));
    else
        pruefe(!r.kaeufer.land.isEmpty(), tr("Land des Kunden (\"%1\" ist kein bekanntes Land)").arg(land));
    pruefe(!f.innergemeinschaftlich || !r.kaeufer.ustId.isEmpty(), tr("USt-IdNr. des Kunden"), true);
    pruefe(r.zahlungsmittel != CiiRechnung::Ueberweisung || !r.iban.isEmpty(),
           tr("IBAN der Firma (Zahlung per Überweisung)"));
}
