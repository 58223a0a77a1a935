#ifndef PDFSEITEN_H
#define PDFSEITEN_H

#include <QList>
#include <QPrinter>
#include <QString>
#include <QVariantMap>

class Auftrag;
class Drucker;

// The words of a PDF with their boxes in points and their page (from 1), as
// "pdftotext -bbox" reads them; and the writing of an order into a PDF.
class PdfSeiten
{
public:
    struct Wort {
        QString text;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        int seite = 0;
    };

    explicit PdfSeiten(const QString& datei, const QByteArray& pdf = {});  // datei "-": the bytes pdf
    static bool schreibe(const Drucker& d, const Auftrag& a, const QString& datei,
                         QPrinter::PrinterMode modus = QPrinter::ScreenResolution);
    // Invoice 1042 of 02.03.2011 to customer 55 "ACME Dupont" in Lyon; lines
    // "R<i>" "Artikel<i>", quantity 2, amount 100 × i.
    static Auftrag beispiel(int zeilen);
    static void setze(const QVariantMap& werte);  // into the settings

    int seiten() const { return m_breiten.size(); }
    double breite() const { return m_breiten.value(0); }
    const QList<Wort>& woerter() const { return m_woerter; }
    QString text(int seite = 0) const;  // one page (0: all), single spaces
    int finde(const QString& text, bool letzte = false) const;  // first (last) such word, or -1
    QList<qint64> betraege(int i) const;  // the amounts on the line of word i, left to right, in cents

private:
    QList<Wort> m_woerter;
    QList<double> m_breiten;
};

#endif
