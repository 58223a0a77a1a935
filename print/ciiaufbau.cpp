#include "print/ciiaufbau.h"

#include "platform/einstellung.h"
#include "print/laendercodes.h"
#include "records/codetabellen.h"

#include <QSettings>

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

}  // namespace

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
    const qint64 vzMenge = umkehren ? -1 : 1;

    r.nummer = a.belegNummer();
    if (a.Typ == Auftragsart::Gutschrift) {
        r.bezugNr = a.BezugBelegNr;
        r.bezugDatum = a.BezugDatum;
    }
    r.typCode = a.Typ == Auftragsart::Gutschrift ? 381 : 380;
    r.datum = a.Eingang.date();
    if (a.BestellNr > 0)
        r.bestellNr = QString::number(a.BestellNr);

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

    const Kunde& k = a.Kunde;
    r.kaeufer.name = (k.Firma.trimmed().isEmpty() ? k.Name : k.Firma).trimmed();
    r.kaeufer.strasse = k.Strasse.trimmed();
    r.kaeufer.plz = k.PLZ.trimmed();
    r.kaeufer.ort = k.Ort.trimmed();
    r.kaeufer.land = Laendercodes::iso(k.Land);
    if (!ohneUst)
        r.kaeufer.ustId = k.Steuernummer.trimmed();

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
    if (r.zahlungsmittel == CiiRechnung::Ueberweisung) {
        r.iban = Einstellung::text(Einstellung::FirmaIBAN, s).trimmed();
        r.bic = Einstellung::text(Einstellung::FirmaBIC, s).trimmed();
    } else if (r.zahlungsmittel == CiiRechnung::Lastschrift) {
        r.iban = k.IBAN.trimmed();
    }

    pruefe(!r.nummer.isEmpty(), tr("Rechnungsnummer (der Auftrag ist noch nicht gespeichert)"));
    pruefe(r.datum.isValid(), tr("Rechnungsdatum"));
    pruefe(!r.positionen.isEmpty(), tr("mindestens eine Position"));
    pruefe(!r.verkaeufer.name.isEmpty(), tr("Name der Firma (Einstellungen, Firma)"));
    pruefe(!r.verkaeufer.land.isEmpty(), tr("Land der Firma"));
    // An exempt seller may name its tax number instead; the others need the VAT number.
    pruefe(ohneUst || !firmaUstId.isEmpty() || (nurBefreit && !r.verkaeufer.steuerNr.isEmpty()),
           tr("USt-IdNr. der Firma (Einstellungen, Firma)"), innergemeinschaftlich);
    // The buyer must find the seller by VAT number or legal registration.
    pruefe(!r.verkaeufer.ustId.isEmpty() || !r.verkaeufer.siren.isEmpty(),
           tr("USt-IdNr. oder SIREN/Registernummer der Firma (Einstellungen, Firma)"));
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
