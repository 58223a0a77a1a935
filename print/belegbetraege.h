#ifndef BELEGBETRAEGE_H
#define BELEGBETRAEGE_H

#include "records/auftrag.h"
#include "records/betrag.h"

#include <QCoreApplication>
#include <QDate>
#include <QList>
#include <QString>

// The amounts of one document, as the chosen layout prints them:
// every line's net, tax and gross rounded once, every total the sum of the
// rounded lines, so columns and totals agree. Stored amounts stay as they are;
// the settings are read once, when the amounts are computed.
class Belegbetraege
{
    Q_DECLARE_TR_FUNCTIONS(Belegbetraege)

public:
    enum class Layout { Gewaehlt, Fr1, De1 };
    // Why a document carries tax or not.
    enum class Steuerfall {
        Standard,               // tax at the rate of the settings (modes 0 and 1)
        Befreit,                // service invoice of layout "fr_1": "Exonération TVA"
        Innergemeinschaftlich,  // customer type 1: intra-community, no tax charged
        NichtSteuerbar          // customer type 3 or mode 2: outside the tax
    };

    struct Zeile {
        int anzahl = 0;
        double einzelNetto = 0.0;  // unit net price in euros, unrounded (net / quantity)
        Betrag netto;
        Betrag steuer;
        Betrag brutto;             // always netto + steuer
        double satz = 0.0;         // rate of this line as a fraction (0 without tax)
    };
    struct Satzsumme {
        double satz = 0.0;  // fraction
        Betrag netto;
        Betrag steuer;
    };

    // Computes the amounts of a for the layout (Gewaehlt: "Rechnung/Layout").
    explicit Belegbetraege(const Auftrag& a, Layout layout = Layout::Gewaehlt);

    // The layout the amounts were computed for (never Gewaehlt).
    Layout layout() const { return m_layout; }
    Steuerfall steuerfall() const { return m_fall; }
    // True when tax is charged: the document shows net and tax columns.
    bool mitSteuer() const { return m_fall == Steuerfall::Standard; }
    // The rate charged as a fraction (0 unless Standard).
    double satz() const { return m_satz; }
    // The rate in percent as printed ("19.6", "19").
    QString satzText() const;
    // One entry per order line, in line order.
    const QList<Zeile>& zeilen() const { return m_zeilen; }
    Betrag netto() const { return m_netto; }
    Betrag steuer() const { return m_steuer; }
    Betrag brutto() const { return m_brutto; }
    // Net and tax per rate (one entry; every line shares the rate).
    QList<Satzsumme> aufschluesselung() const;
    // Eingang plus "Rechnung/Zahlungsziel" days (default 30); null without Eingang.
    QDate faelligAm() const { return m_faellig; }
    // True when the order's status is "Bezahlt".
    bool bezahlt() const { return m_bezahlt; }

    // The sum label text: gross and net in brackets, or the total alone without tax.
    QString summenText() const;

private:
    Layout m_layout;
    Steuerfall m_fall = Steuerfall::Standard;
    double m_satz = 0.0;
    int m_modus = 0;  // "Steuer/Typ" as read
    QList<Zeile> m_zeilen;
    Betrag m_netto;
    Betrag m_steuer;
    Betrag m_brutto;
    QDate m_faellig;
    bool m_bezahlt = false;
};

#endif
