#ifndef SEITENSATZ_H
#define SEITENSATZ_H

#include <QColor>
#include <QFont>
#include <QList>
#include <QString>

#include <functional>

class QPainter;
class QPrinter;

// Sets the pieces of a document on pages: a piece never splits, table rows
// get the table header again at the top of every page, and every page gets
// the frame of its layout (letterhead, footer, page number). Lengths are in
// units of a tenth of a point, whatever the printer's resolution.
class Seitensatz
{
public:
    using Zeichnen = std::function<void(QPainter&, double y)>;
    using Rahmen = std::function<void(QPainter&, int seite, int seiten)>;

    // What the warnings of a failed print say.
    static constexpr char Fehler[] = "error printing Auftrag";
    static constexpr char ZuKlein[] = "page too small";

    // Units per millimetre.
    static constexpr double mm = 7200.0 / 254.0;

    // Arial at a size in points, as units.
    static QFont schrift(double punkte, bool fett = false);
    // Height of text wrapped into breite: at word boundaries, inside a word
    // longer than the line; "\n" starts a new line. An empty text has height 0.
    static double hoehe(const QString& text, const QFont& font, double breite);
    // Draws text wrapped as hoehe() measures it; returns its height.
    static double zeichne(QPainter& p, double x, double y, double breite, const QString& text,
                          const QFont& font, Qt::Alignment ausrichtung = Qt::AlignLeft,
                          const QColor& farbe = Qt::black);
    // Width of text on one line.
    static double breite(const QString& text, const QFont& font);

    // Body of the first page from oben1, of the others from oben, both to unten.
    Seitensatz(double oben1, double oben, double unten);

    // The header drawn above the table rows on every page that holds one.
    void setTabellenkopf(double hoehe, Zeichnen zeichnen);
    // A piece below the last; a table row repeats the header after a page break.
    void anfuegen(double hoehe, Zeichnen zeichnen, bool tabellenZeile = false);
    // Space below the last piece, dropped at the top of a page.
    void abstand(double hoehe);

    // Number of pages the pieces fill.
    int seiten();
    // Paints all pages on printer, the full paper as page; the frame of each
    // page is drawn first. False (logged) when the device or a page fails.
    bool drucke(QPrinter* printer, const Rahmen& rahmen);

private:
    struct Stueck {
        double hoehe = 0;
        Zeichnen zeichnen;
        bool tabellenZeile = false;
        bool abstand = false;
        int seite = 0;
        double y = 0;
        bool kopfDavor = false;  // the table header stands right above it
    };
    void setze();

    double m_oben1;
    double m_oben;
    double m_unten;
    double m_kopfHoehe = 0;
    Zeichnen m_kopf;
    QList<Stueck> m_stuecke;
    int m_seiten = 1;
    bool m_gesetzt = false;
};

#endif
