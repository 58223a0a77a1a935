#ifndef DRUCKER_H
#define DRUCKER_H

#include "platform/einstellung.h"
#include "records/auftrag.h"
#include "records/betrag.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QSettings>
#include <QStringList>

class Belegbetraege;
class QPainter;
class QPrinter;
class Seitensatz;

// Renders one order as the invoice layout "fr_1" on any printer device: paper,
// PDF or a preview widget's printer. The German layout derives from it, so a
// caller holding a Drucker* can use either.
class Drucker : public QObject
{
    Q_OBJECT
    // A reminder is a letter on the invoices' letterhead.
    friend class Mahnung;

public:
    explicit Drucker(QObject* parent = nullptr);

    // The late-payment text printed when "Rechnung/Mahntext" is not set.
    static QString standardMahntext();

    // Paints all pages of order a on printer; false when the device could not
    // be opened or a page could not be started. Holds no order between calls.
    virtual bool print(QPrinter* printer, const Auftrag& a) const;

protected:
    struct Spalte {
        QString kopf;
        bool rechts = false;     // amounts: right-aligned, never wrapped
        double hoechstens = 0;   // a wrapping column's widest; 0: takes the rest
        double breite = 0;       // set by spaltenBreiten
    };
    struct Summenzeile {
        QString text;
        QString betrag;
        bool fett = false;
    };
    struct Vermerk {
        QString text;
        QFont font;
        QColor farbe = Qt::black;
    };

    // A settings text, empty when the key is not set.
    QString wert(Einstellung::Schluessel schluessel) const;
    // Non-empty texts joined by trenner.
    static QString verbinde(const QStringList& teile, const QString& trenner);
    // The title of the document's kind (Typ), with its document number filled
    // into muster ("%2 Nº %1") once the order is stored.
    static QString titelNachArt(const Auftrag& a, const QStringList& titel,
                                const QString& muster);

    // The order as printed: a credit note stored with negative amounts shows
    // the amount refunded or deducted, positive.
    static Auftrag druckfassung(const Auftrag& a);
    // The last day an offer binds the seller: "Angebot/Gueltigkeit" days after it.
    QDate gueltigBis(const Auftrag& a) const;

    // The labels of a layout's VAT breakdown; base and vat take the rate as %1.
    struct Steuertexte {
        QString unversteuert, basis, steuer, nettoGesamt, steuerGesamt, brutto;
    };
    // The totals under the lines: base and VAT of each rate, one line per
    // ground of what is untaxed, the overall sums when there are several
    // rates, and the gross amount in bold.
    static QList<Summenzeile> steuerZeilen(const Belegbetraege& b, const Steuertexte& t);

    // Whether some line names its unit: the table then has a unit column.
    static bool mitEinheit(const Auftrag& a);
    // The recipient's lines: company, contact, street, postcode and town, and
    // the country when it is not the seller's (ISO code landIso).
    QStringList empfaenger(const Kunde& k, const QString& landIso) const;

    // Column widths for the given rows inside gesamt: amounts as wide as the
    // widest (the last column as the total summe), headers never wrapped, the
    // rest to the variable column.
    static void spaltenBreiten(QList<Spalte>& spalten, const QList<QStringList>& zeilen,
                               double gesamt, const QString& summe);
    // The table as header and one unsplit piece per row, starting at x links.
    static void tabelle(Seitensatz& satz, const QList<Spalte>& spalten,
                        const QList<QStringList>& zeilen, double links);
    // The totals rows right-aligned under the last column, then the notes:
    // one piece that moves to the next page whole.
    static void summen(Seitensatz& satz, const QList<Summenzeile>& zeilen,
                       const QList<Vermerk>& vermerke, double links, double breite,
                       double spaltenBreite);
    // A paragraph of text as one piece.
    static void absatz(Seitensatz& satz, const QString& text, const QFont& font, double links,
                       double breite);
    // Draws the notes one under the other when p is set; returns their height.
    static double stapel(QPainter* p, double x, double y, double breite,
                         const QList<Vermerk>& vermerke);
    // A thin rule from x1 to x2 at y.
    static void linie(QPainter& p, double x1, double x2, double y);

    QSettings m_settings;

private:
    static QString titel(const Auftrag& a);
    static QString zahlungsWort(const Auftrag& a);
    QList<Vermerk> briefkopf() const;
    QList<Vermerk> anschrift(const Auftrag& a) const;
    QList<Vermerk> fuss(const Auftrag& a) const;
    // Dates and references under the title: supply date, the customer's order.
    QStringList angaben(const Auftrag& a) const;
    // The mentions French law asks for under the lines.
    QStringList mentionen(const Auftrag& a) const;
    QList<Vermerk> zahlung(const Auftrag& a, const Belegbetraege& b) const;
};

#endif
