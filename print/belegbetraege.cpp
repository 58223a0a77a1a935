#include "print/belegbetraege.h"

#include "platform/einstellung.h"
#include "print/laendercodes.h"
#include "print/layouts.h"
#include "print/steuer.h"
#include "records/codetabellen.h"

#include <QSettings>

#include <cmath>
#include <tuple>

namespace {

using Grund = Belegbetraege::Grund;
using Kat = Steuerkategorie;

// What decides a line's category besides the line: the seller's settings and
// the customer's situation.
struct Lage {
    double regel = 0.0;           // the rate of the settings, for lines stored before lines had one
    bool franchise = false;       // the seller charges no VAT
    bool herausrechnen = false;   // amounts entered with tax included
    bool schulungFrei = false;
    bool dienst = false;          // the order bills training
    bool intern = false;
    bool ustId = false;
    bool firma = false;
    bool euAusland = false;
    bool drittland = false;
};

Lage lage(const Auftrag& a, bool de, const QSettings& s, int modus, const QString& land)
{
    Lage l;
    l.regel = Steuer::regelsatz(de, s);
    // The mode "Keine" (and any unknown mode) always meant: the seller charges no VAT.
    l.franchise = Einstellung::schalter(Einstellung::SteuerFranchise, s) ||
                  (modus != Steuer::Brutto && modus != Steuer::Netto);
    l.herausrechnen = modus == Steuer::Netto;
    l.schulungFrei = s.contains(Einstellung::name(Einstellung::SteuerSchulung))
                         ? Einstellung::schalter(Einstellung::SteuerSchulung, s)
                         : !de;
    l.dienst = a.Dienst == Auftrag::Schulung;

    // The customer's situation: where, business or private, with a VAT number.
    const Kunde& k = a.Kunde;
    l.intern = k.Typ == KundenTyp::Intern;
    QString kundenLand = Laendercodes::iso(k.Land);
    if (kundenLand.isEmpty())
        kundenLand = land;
    l.ustId = !k.Steuernummer.trimmed().isEmpty();
    l.firma = l.ustId || !k.Firma.trimmed().isEmpty();
    const bool ausland = kundenLand != land;
    // A customer marked intra-community before countries were kept counts as abroad.
    l.euAusland = (ausland && Laendercodes::eu(kundenLand)) || (k.Typ == KundenTyp::Kunde2 && !ausland);
    l.drittland = ausland && !Laendercodes::eu(kundenLand);
    return l;
}

// The ground a line carries whose category was chosen in the line itself.
Grund grundDerKategorie(Kat kat)
{
    switch (kat) {
    case Kat::Innergemeinschaftlich: return Grund::Innergemeinschaftlich;
    case Kat::Umkehrung: return Grund::Autoliquidation;
    case Kat::Ausfuhr: return Grund::Ausfuhr;
    case Kat::NichtSteuerbar: return Grund::Drittland;
    case Kat::Befreit: return Grund::Schulung;  // the one exemption a product carries
    case Kat::Normalsatz:
    case Kat::Nullsatz: break;
    }
    return Grund::Keiner;
}

// One line's category, ground and net amount in the situation l.
Belegbetraege::Zeile zeileIn(const AuftragsLine& line, const Lage& l)
{
    // A category typed into the catalogue that the law does not know reads as none.
    const std::optional<Kat> gewaehlt = Steuerkategorien::ausCode(line.Kategorie);
    // Lines stored before lines had a rate take the rate of the settings.
    const bool alt = !gewaehlt;
    Kat kat = gewaehlt.value_or(Kat::Normalsatz);
    double satz = alt ? l.regel : (std::isfinite(line.Satz) && line.Satz > 0.0 ? line.Satz : 0.0);
    if (kat == Kat::Normalsatz && satz <= 0.0)
        kat = Kat::Nullsatz;
    Grund g = Grund::Keiner;
    // Amounts entered with tax included lose it where none is charged,
    // except where the seller charges none at all.
    bool herausrechnen = l.herausrechnen;
    if (l.intern) {
        std::tie(kat, g, herausrechnen) = std::make_tuple(Kat::NichtSteuerbar, Grund::Intern, false);
    } else if (l.franchise || (alt && l.regel <= 0.0)) {
        // No rate in the settings meant no tax: the seller charges none.
        std::tie(kat, g, herausrechnen) = std::make_tuple(Kat::Befreit, Grund::Franchise, false);
    } else if (!Steuerkategorien::steuerbar(kat)) {
        g = grundDerKategorie(kat);
    } else if (l.euAusland && l.ustId) {
        kat = l.dienst ? Kat::Umkehrung : Kat::Innergemeinschaftlich;
        g = l.dienst ? Grund::Autoliquidation : Grund::Innergemeinschaftlich;
    } else if (l.drittland && !l.dienst) {
        std::tie(kat, g) = std::make_tuple(Kat::Ausfuhr, Grund::Ausfuhr);
    } else if (l.drittland && l.firma) {
        std::tie(kat, g) = std::make_tuple(Kat::NichtSteuerbar, Grund::Drittland);
    } else if (l.dienst && l.schulungFrei) {
        std::tie(kat, g) = std::make_tuple(Kat::Befreit, Grund::Schulung);
    }

    Belegbetraege::Zeile z;
    z.anzahl = line.Anzahl;
    z.kategorie = kat;
    z.grund = g;
    z.prozent = kat == Kat::Normalsatz ? satz : 0.0;
    const double netto = herausrechnen ? line.Preis / (1.0 + satz / 100.0) : line.Preis;
    z.netto = Betrag::ausEuro(netto);
    z.einzelNetto = line.Anzahl != 0 ? netto / line.Anzahl : netto;
    return z;
}

}  // namespace

Belegbetraege::Belegbetraege(const Auftrag& a, Layout layout, const QSettings& s) : m_layout(layout)
{
    if (m_layout == Layout::Gewaehlt)
        m_layout = Layouts::deutsch(s) ? Layout::De1 : Layout::Fr1;
    const bool de = m_layout == Layout::De1;
    m_modus = Steuer::modus(s);
    m_land = Steuer::land(de, s);
    const Lage l = lage(a, de, s, m_modus, m_land);

    m_zeilen.reserve(a.Zeilen.size());
    for (const AuftragsLine& line : a.Zeilen) {
        const Zeile z = zeileIn(line, l);
        m_zeilen << z;
        int i = 0;
        while (i < m_gruppen.size() &&
               (m_gruppen[i].kategorie != z.kategorie || m_gruppen[i].prozent != z.prozent))
            ++i;
        if (i == m_gruppen.size())
            m_gruppen << Satzsumme{z.kategorie, z.prozent, z.grund, Betrag(), Betrag()};
        m_gruppen[i].netto += z.netto;
    }

    for (Satzsumme& t : m_gruppen) {
        // The rate applied to the category's net total, not the sum of rounded line taxes.
        t.steuer = t.netto.anteil(t.prozent / 100.0);
        m_mitSteuer = m_mitSteuer || Steuerkategorien::steuerbar(t.kategorie);
        m_netto += t.netto;
        m_steuer += t.steuer;
    }
    m_brutto = m_netto + m_steuer;

    if (a.Faellig.isValid()) {
        m_faellig = a.Faellig;  // fixed when the document was issued
    } else if (a.Eingang.isValid()) {
        const int tage = Einstellung::zahl(Einstellung::RechnungZahlungsziel, s);
        m_faellig = a.Eingang.date().addDays(qMax(0, tage));
    }
    m_bezahlt = a.Status == AuftragsStatus::Bezahlt;
}

QString Belegbetraege::einzelpreis(double preis, double anzahl, Betrag summe)
{
    for (int stellen = 2; stellen < 6; ++stellen) {
        const QString t = QString::number(preis, 'f', stellen);
        if (Betrag::ausEuro(t.toDouble() * (anzahl != 0 ? anzahl : 1.0)) == summe)
            return t;
    }
    return QString::number(preis, 'f', 6);
}

QString Belegbetraege::prozentText(double p)
{
    return QString::number(p, 'g', 6);
}

QString Belegbetraege::grundText(Grund g) const
{
    if (m_land == "DE") {
        switch (g) {
        case Grund::Keiner: return QString();
        case Grund::Innergemeinschaftlich:
            return tr("Steuerfreie innergemeinschaftliche Lieferung (§ 4 Nr. 1b UStG)");
        case Grund::Autoliquidation: return tr("Steuerschuldnerschaft des Leistungsempfängers");
        case Grund::Ausfuhr: return tr("Steuerfreie Ausfuhrlieferung (§ 4 Nr. 1a UStG)");
        case Grund::Drittland: return tr("Nicht im Inland steuerbare Leistung");
        case Grund::Franchise: return tr("Gemäß § 19 UStG wird keine Umsatzsteuer berechnet.");
        case Grund::Schulung: return tr("Steuerfrei nach § 4 Nr. 21 UStG");
        case Grund::Intern: return tr("Nicht steuerbarer Innenumsatz");
        }
    }
    switch (g) {
    case Grund::Keiner: return QString();
    case Grund::Innergemeinschaftlich: return tr("Exonération de TVA, article 262 ter I du CGI");
    case Grund::Autoliquidation: return tr("Autoliquidation");
    case Grund::Ausfuhr: return tr("Exonération de TVA, article 262 I du CGI");
    case Grund::Drittland: return tr("TVA non applicable, art. 259-1 du CGI");
    case Grund::Franchise: return tr("TVA non applicable, art. 293 B du CGI");
    case Grund::Schulung: return tr("Exonération de TVA, article 261-4-4° a du CGI");
    case Grund::Intern: return tr("Opération interne, hors du champ de la TVA");
    }
    return QString();
}

QString Belegbetraege::grundCode(Grund g, const QString& land)
{
    switch (g) {
    case Grund::Innergemeinschaftlich: return QStringLiteral("VATEX-EU-IC");
    case Grund::Autoliquidation: return QStringLiteral("VATEX-EU-AE");
    case Grund::Ausfuhr: return QStringLiteral("VATEX-EU-G");
    case Grund::Drittland:
    case Grund::Intern: return QStringLiteral("VATEX-EU-O");
    case Grund::Franchise: return land == "FR" ? QStringLiteral("VATEX-FR-FRANCHISE") : QString();
    case Grund::Schulung: return QStringLiteral("VATEX-EU-132-1I");
    case Grund::Keiner: break;
    }
    return QString();
}

QStringList Belegbetraege::gruende() const
{
    QStringList g;
    for (const Satzsumme& t : m_gruppen) {
        const QString text = grundText(t.grund);
        if (!text.isEmpty() && !g.contains(text))
            g << text;
    }
    return g;
}

QString Belegbetraege::summenText() const
{
    if (m_modus != Steuer::Brutto && m_modus != Steuer::Netto && m_modus != Steuer::Keine)
        return QString();
    if (mitSteuer())
        return QCoreApplication::translate("Steuer", "Summe: %1 € ( %2 € )")
            .arg(m_brutto.zahl(), m_netto.zahl());
    return QCoreApplication::translate("Steuer", "Summe: %1 €").arg(m_brutto.zahl());
}
