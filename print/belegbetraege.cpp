#include "print/belegbetraege.h"

#include "platform/einstellung.h"
#include "print/druckerde1.h"
#include "print/layouts.h"
#include "print/steuer.h"
#include "records/codetabellen.h"

#include <QSettings>

Belegbetraege::Belegbetraege(const Auftrag& a, Layout layout) : m_layout(layout)
{
    if (m_layout == Layout::Gewaehlt)
        m_layout = Layouts::deutsch() ? Layout::De1 : Layout::Fr1;
    QSettings s;
    m_modus = Steuer::modus();
    double r = Steuer::satz();
    if (m_layout == Layout::De1) {
        // The German layout reads the rates in percent, with rates of its own.
        const int wahl = Steuer::satzWahl();
        r = 0.0;
        if (wahl == Steuer::SatzB)
            r = DruckerDE1::prozent(s.value(Einstellung::name(Einstellung::SteuerSatzB), 7)) / 100.0;
        else if (wahl <= Steuer::SatzA)
            r = DruckerDE1::prozent(s.value(Einstellung::name(Einstellung::SteuerSatzA), 19)) / 100.0;
    }

    const int kundenTyp = a.Kunde.Typ;
    const bool ohneModus = m_modus != Steuer::Brutto && m_modus != Steuer::Netto;
    if (kundenTyp == KundenTyp::Intern || ohneModus)
        m_fall = Steuerfall::NichtSteuerbar;
    else if (m_layout == Layout::Fr1 && a.Dienst == Auftrag::Schulung)
        m_fall = Steuerfall::Befreit;
    else if (kundenTyp == KundenTyp::Kunde2)
        m_fall = Steuerfall::Innergemeinschaftlich;
    m_satz = mitSteuer() ? r : 0.0;
    // Amounts entered with tax included lose it when none is charged; a
    // customer outside the tax pays the stored amounts as they are.
    const bool herausrechnen = m_modus == Steuer::Netto && m_fall != Steuerfall::NichtSteuerbar;

    m_zeilen.reserve(a.Zeilen.size());
    for (const AuftragsLine& l : a.Zeilen) {
        Zeile z;
        z.anzahl = l.Anzahl;
        z.satz = m_satz;
        const double p = l.Preis;
        double netto = herausrechnen ? p / (r + 1.0) : p;
        if (mitSteuer() && m_modus == Steuer::Brutto) {
            z.netto = Betrag::ausEuro(p);
            z.steuer = Betrag::ausEuro(r * p);
            z.brutto = z.netto + z.steuer;
        } else if (mitSteuer()) {
            z.brutto = Betrag::ausEuro(p);
            z.steuer = Betrag::ausEuro(r * p / (r + 1.0));
            z.netto = z.brutto - z.steuer;
        } else {
            z.netto = Betrag::ausEuro(netto);
            z.brutto = z.netto;
        }
        z.einzelNetto = l.Anzahl != 0 ? netto / l.Anzahl : netto;
        m_netto += z.netto;
        m_steuer += z.steuer;
        m_brutto += z.brutto;
        m_zeilen << z;
    }

    if (a.Faellig.isValid()) {
        m_faellig = a.Faellig;  // fixed when the document was issued
    } else if (a.Eingang.isValid()) {
        const int tage = Einstellung::zahl(Einstellung::RechnungZahlungsziel, s);
        m_faellig = a.Eingang.date().addDays(qMax(0, tage));
    }
    m_bezahlt = a.Status == AuftragsStatus::Bezahlt;
}

QString Belegbetraege::satzText() const
{
    return QString::number(m_satz * 100.0, 'g');
}

QList<Belegbetraege::Satzsumme> Belegbetraege::aufschluesselung() const
{
    Satzsumme s;
    s.satz = m_satz;
    s.netto = m_netto;
    s.steuer = m_steuer;
    return {s};
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
