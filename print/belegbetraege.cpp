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

// The ground a line carries whose category was chosen in the line itself.
Grund grundDerKategorie(const QString& kat)
{
    if (kat == "K")
        return Grund::Innergemeinschaftlich;
    if (kat == "AE")
        return Grund::Autoliquidation;
    if (kat == "G")
        return Grund::Ausfuhr;
    if (kat == "O")
        return Grund::Drittland;
    if (kat == "E")
        return Grund::Schulung;  // the one exemption a product carries
    return Grund::Keiner;
}

}  // namespace

Belegbetraege::Belegbetraege(const Auftrag& a, Layout layout) : m_layout(layout)
{
    if (m_layout == Layout::Gewaehlt)
        m_layout = Layouts::deutsch() ? Layout::De1 : Layout::Fr1;
    const bool de = m_layout == Layout::De1;
    const QSettings s;
    m_modus = Steuer::modus(s);
    m_land = Steuer::land(de, s);
    // Lines stored before lines had a rate take the rate of the settings.
    const double regel = Steuer::regelsatz(de, s);
    // The mode "Keine" (and any unknown mode) always meant: the seller charges no VAT.
    const bool franchise = Einstellung::schalter(Einstellung::SteuerFranchise, s) ||
                           (m_modus != Steuer::Brutto && m_modus != Steuer::Netto);
    const bool schulungFrei = s.contains(Einstellung::name(Einstellung::SteuerSchulung))
                                  ? Einstellung::schalter(Einstellung::SteuerSchulung, s)
                                  : !de;
    const bool dienst = a.Dienst == Auftrag::Schulung;

    // The customer's situation: where, business or private, with a VAT number.
    const Kunde& k = a.Kunde;
    QString kundenLand = Laendercodes::iso(k.Land);
    if (kundenLand.isEmpty())
        kundenLand = m_land;
    const bool ustId = !k.Steuernummer.trimmed().isEmpty();
    const bool firma = ustId || !k.Firma.trimmed().isEmpty();
    const bool ausland = kundenLand != m_land;
    // A customer marked intra-community before countries were kept counts as abroad.
    const bool euAusland =
        (ausland && Laendercodes::eu(kundenLand)) || (k.Typ == KundenTyp::Kunde2 && !ausland);
    const bool drittland = ausland && !Laendercodes::eu(kundenLand);

    m_zeilen.reserve(a.Zeilen.size());
    for (const AuftragsLine& l : a.Zeilen) {
        QString kat = l.Kategorie.trimmed().toUpper();
        // A category typed into the catalogue that the law does not know reads as none.
        if (!QStringList{"S", "Z", "E", "AE", "K", "G", "O"}.contains(kat))
            kat.clear();
        double satz = std::isfinite(l.Satz) && l.Satz > 0.0 ? l.Satz : 0.0;
        const bool alt = kat.isEmpty();
        if (alt)
            std::tie(kat, satz) = std::make_tuple(QStringLiteral("S"), regel);
        if (kat == "S" && satz <= 0.0)
            kat = "Z";
        Grund g = Grund::Keiner;
        // Amounts entered with tax included lose it where none is charged,
        // except where the seller charges none at all.
        bool herausrechnen = m_modus == Steuer::Netto;
        const bool steuerbar = kat == "S" || kat == "Z";
        if (k.Typ == KundenTyp::Intern) {
            std::tie(kat, g, herausrechnen) = std::make_tuple(QStringLiteral("O"), Grund::Intern, false);
        } else if (franchise || (alt && regel <= 0.0)) {
            // No rate in the settings meant no tax: the seller charges none.
            std::tie(kat, g, herausrechnen) = std::make_tuple(QStringLiteral("E"), Grund::Franchise, false);
        } else if (!steuerbar) {
            g = grundDerKategorie(kat);
        } else if (euAusland && ustId) {
            kat = dienst ? "AE" : "K";
            g = dienst ? Grund::Autoliquidation : Grund::Innergemeinschaftlich;
        } else if (drittland && !dienst) {
            std::tie(kat, g) = std::make_tuple(QStringLiteral("G"), Grund::Ausfuhr);
        } else if (drittland && firma) {
            std::tie(kat, g) = std::make_tuple(QStringLiteral("O"), Grund::Drittland);
        } else if (dienst && schulungFrei) {
            std::tie(kat, g) = std::make_tuple(QStringLiteral("E"), Grund::Schulung);
        }

        Zeile z;
        z.anzahl = l.Anzahl;
        z.kategorie = kat;
        z.grund = g;
        z.prozent = kat == "S" ? satz : 0.0;
        const double netto = herausrechnen ? l.Preis / (1.0 + satz / 100.0) : l.Preis;
        z.netto = Betrag::ausEuro(netto);
        z.einzelNetto = l.Anzahl != 0 ? netto / l.Anzahl : netto;
        m_zeilen << z;

        int i = 0;
        while (i < m_gruppen.size() &&
               (m_gruppen[i].kategorie != kat || m_gruppen[i].prozent != z.prozent))
            ++i;
        if (i == m_gruppen.size())
            m_gruppen << Satzsumme{kat, z.prozent, g, Betrag(), Betrag()};
        m_gruppen[i].netto += z.netto;
    }

    for (Satzsumme& t : m_gruppen) {
        // The rate applied to the category's net total, not the sum of rounded line taxes.
        t.steuer = t.netto.anteil(t.prozent / 100.0);
        m_mitSteuer = m_mitSteuer || t.kategorie == "S" || t.kategorie == "Z";
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
