#ifndef BELEGBETRAEGE_H
#define BELEGBETRAEGE_H

#include "records/auftrag.h"
#include "records/betrag.h"
#include "records/steuerkategorie.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QSettings>
#include <QString>

// The amounts of one document as the law computes them: each line's VAT
// category and rate from the line, the customer's situation and the seller's
// settings; each line's net in cents; the VAT of each category and rate that
// rate applied to the category's net total; gross = net + VAT. Stored amounts
// stay as they are; the settings are read once, when the amounts are computed.
class Belegbetraege
{
    Q_DECLARE_TR_FUNCTIONS(Belegbetraege)

public:
    enum class Layout { Gewaehlt, Fr1, De1 };
    // Why a line carries the VAT it carries; each has its printed ground.
    enum class Grund {
        Keiner,                 // taxed (S, Z)
        Innergemeinschaftlich,  // K: goods to a business in another EU country
        Autoliquidation,        // AE: services to a business in another EU country
        Ausfuhr,                // G: goods leaving the EU
        Drittland,              // O: services to a business outside the EU
        Franchise,              // E: the seller's small-business franchise
        Schulung,               // E: exempt training
        Intern                  // O: internal customer, outside the scope of VAT
    };

    struct Zeile {
        double anzahl = 0;
        double einzelNetto = 0.0;  // unit net price in euros, unrounded (net / quantity)
        Betrag netto;
        Steuerkategorie kategorie = Steuerkategorie::Normalsatz;
        double prozent = 0.0;      // rate in percent; 0 unless Normalsatz
        Grund grund = Grund::Keiner;
    };
    // One entry of the VAT breakdown: one category and rate.
    struct Satzsumme {
        Steuerkategorie kategorie = Steuerkategorie::Normalsatz;
        double prozent = 0.0;
        Grund grund = Grund::Keiner;
        Betrag netto;
        Betrag steuer;
    };

    // Computes the amounts of a for the layout (Gewaehlt: "Rechnung/Layout")
    // under the settings s; one computation over many documents reads them once.
    explicit Belegbetraege(const Auftrag& a, Layout layout = Layout::Gewaehlt, const QSettings& s = QSettings());

    // The layout the amounts were computed for (never Gewaehlt).
    Layout layout() const { return m_layout; }
    // The seller's country (ISO code) whose law applies.
    const QString& land() const { return m_land; }
    // True when some line is taxed (S or Z): the document shows the VAT.
    bool mitSteuer() const { return m_mitSteuer; }
    // One entry per order line, in line order.
    const QList<Zeile>& zeilen() const { return m_zeilen; }
    Betrag netto() const { return m_netto; }
    Betrag steuer() const { return m_steuer; }
    Betrag brutto() const { return m_brutto; }
    // Net and VAT per category and rate, in the order the lines first name them.
    const QList<Satzsumme>& aufschluesselung() const { return m_gruppen; }
    // The grounds of the untaxed lines as printed, one per ground.
    QStringList gruende() const;
    // The printed ground of g under the seller's law; empty for Keiner.
    QString grundText(Grund g) const;
    // The VATEX code of g, empty where the list has none.
    static QString grundCode(Grund g, const QString& land);
    // A unit price as printed: the fewest decimals (two or more) that make
    // price × anzahl round to the line total summe, so the page adds up for a
    // line stored as a total (100.00 for 3 pieces: 33.333).
    static QString einzelpreis(double preis, double anzahl, Betrag summe);
    // A rate as printed: "20", "5.5".
    static QString prozentText(double p);
    // Eingang plus "Rechnung/Zahlungsziel" days (default 30); null without Eingang.
    QDate faelligAm() const { return m_faellig; }
    // True when the order's status is "Bezahlt".
    bool bezahlt() const { return m_bezahlt; }

    // The sum label text: gross and net in brackets, or the total alone without tax.
    QString summenText() const;

private:
    Layout m_layout;
    QString m_land;
    bool m_mitSteuer = false;
    int m_modus = 0;  // "Steuer/Typ" as read
    QList<Zeile> m_zeilen;
    QList<Satzsumme> m_gruppen;
    Betrag m_netto;
    Betrag m_steuer;
    Betrag m_brutto;
    QDate m_faellig;
    bool m_bezahlt = false;
};

#endif
