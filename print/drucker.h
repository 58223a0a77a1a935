#ifndef DRUCKER_H
#define DRUCKER_H

#include "platform/einstellung.h"
#include "print/belegbetraege.h"
#include "print/seitensatz.h"
#include "records/auftrag.h"
#include "records/betrag.h"

#include <QColor>
#include <QFont>
#include <QObject>
#include <QSettings>
#include <QStringList>

#include <functional>

class QPainter;
class QPrinter;
class QSizeF;

// Renders one order as the invoice layout "fr_1" on any printer device: paper,
// PDF or a preview widget's printer. print composes the document of sections;
// the German layout derives from it and overrides the sections where it
// differs, so a caller holding a Drucker* can use either.
class Drucker : public QObject
{
    Q_OBJECT

public:
    explicit Drucker(QObject* parent = nullptr);

    // The late-payment text printed when "Rechnung/Mahntext" is not set.
    static QString standardMahntext();

    // Paints all pages of order a on printer; false when the device could not
    // be opened or a page could not be started. Holds no order between calls.
    virtual bool print(QPrinter* printer, const Auftrag& a) const;

    // The pieces of the layout's documents that a letter on its paper uses too.

    // Where a layout sets the body of its pages, and what it paints around
    // the body on every page (letterhead, address, foot, page number).
    struct Blatt {
        double links = 0;
        double breite = 0;
        double oben1 = 0;  // the body's top on the first page
        double oben = 0;   // on the others
        double unten = 0;
        Seitensatz::Rahmen rahmen;
    };
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
    // The paper as the layout prints on it: the body's margins, letterhead
    // and address block of the first page, the columns of the foot.
    struct Briefbogen {
        double links = 0;
        double rechts = 0;
        double kopfUnten = 0;                 // below letterhead and address
        std::function<void(QPainter&)> kopf;  // paints them
        QList<QList<Vermerk>> fuss;           // side by side
    };
    // A foot at the bottom of every page.
    struct Fusszeile {
        double unten = 0;  // where the body must end above it
        Seitensatz::Rahmen zeichnen;
    };

    // The paper of a document for order a on paper of size papier (units).
    virtual Briefbogen briefbogen(const QSizeF& papier, const Auftrag& a) const;
    // bogen's columns under a rule at the bottom of paper hoehe units high,
    // the page number in seitenSchrift right-aligned above the rule.
    Fusszeile spaltenFuss(const Briefbogen& bogen, double hoehe, const QFont& seitenSchrift) const;
    // The pages of a document on bogen above fuss, as letters and the French
    // invoices set them: letterhead and address on the first page, titel on
    // the others, datum at the top right of every page.
    static Blatt brief(const Briefbogen& bogen, const Fusszeile& fuss, const QString& titel,
                       const QString& datum);

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

protected:
    // The columns the line table may show; a layout chooses their order.
    enum class Feld { Referenz, Beschreibung, Menge, Einheit, Einzelpreis, Satz, Netto };
    // The labels of a layout's VAT breakdown; base and vat take the rate as %1.
    struct Steuertexte {
        QString unversteuert, basis, steuer, nettoGesamt, steuerGesamt, brutto;
    };

    // The sections, in the order print composes them. The amounts are
    // computed for layout().
    virtual Belegbetraege::Layout layout() const;
    // The pages' geometry and frame on paper of size papier (units).
    virtual Blatt blatt(const QSizeF& papier, const Auftrag& a) const;
    // The title of the document's kind with its number.
    virtual QString titel(const Auftrag& a) const;
    // The line under a credit note's title naming the invoice it corrects:
    // its number as %1, its date as %2.
    virtual QString bezugsMuster() const;
    // What stands between the title and the lines.
    virtual void einleitung(Seitensatz& satz, const Auftrag& a, const Blatt& b) const;
    // The table's columns in the layout's order, and each one's header.
    virtual QList<Feld> felder() const;
    virtual Spalte spalte(Feld f, bool steuer) const;
    virtual Steuertexte steuertexte() const;
    // The notes under the totals after the grounds of untaxed lines; on a
    // delivery note, which has no totals, the paragraphs under the lines.
    virtual QList<Vermerk> vermerke(const Auftrag& a, const Belegbetraege& b) const;
    // The letterhead and the address block of the first page.
    virtual QList<Vermerk> briefkopf() const;
    virtual QList<Vermerk> anschrift(const Auftrag& a) const;
    // The page number's text: the page as %1, the pages as %2.
    virtual QString seitenMuster() const;

    // The sections every layout shares: title and corrected invoice; the
    // line table (returns its last column's width); totals and notes.
    void ueberschrift(Seitensatz& satz, const Auftrag& a, const Blatt& b) const;
    double positionen(Seitensatz& satz, const Auftrag& a, const Belegbetraege& b, const Blatt& bl) const;
    void schluss(Seitensatz& satz, const Auftrag& a, const Belegbetraege& b, const Blatt& bl,
                 double spaltenBreite) const;

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

    // The totals under the lines: base and VAT of each rate, one line per
    // ground of what is untaxed, the overall sums when there are several
    // rates, and the gross amount in bold.
    static QList<Summenzeile> steuerZeilen(const Belegbetraege& b, const Steuertexte& t);

    // Whether some line names its unit: the table then has a unit column.
    static bool mitEinheit(const Auftrag& a);
    // The recipient's lines: company, contact, street, postcode and town, and
    // the country when it is not the seller's (ISO code landIso).
    QStringList empfaenger(const Kunde& k, const QString& landIso) const;

    QSettings m_settings;

private:
    // One line's text in column f.
    static QString zelle(Feld f, const AuftragsLine& l, const Belegbetraege::Zeile& z);
    static QString zahlungsWort(const Auftrag& a);
    QList<Vermerk> fuss(const Auftrag& a) const;
    // fuss(a) across bogen with the page number under it.
    Fusszeile fusszeile(const Auftrag& a, const Briefbogen& bogen, double hoehe) const;
    // Dates and references under the title: supply date, the customer's order.
    QStringList angaben(const Auftrag& a) const;
    // The mentions French law asks for under the lines.
    QStringList mentionen(const Auftrag& a) const;
    QList<Vermerk> zahlung(const Auftrag& a, const Belegbetraege& b) const;
};

#endif
