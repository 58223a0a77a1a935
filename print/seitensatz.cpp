#include "print/seitensatz.h"

#include <QDebug>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextLayout>

namespace {

// Lays text out in lines of width breite; returns the height used.
double setzeZeilen(QTextLayout& layout, double breite)
{
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.setCacheEnabled(true);
    layout.beginLayout();
    double y = 0;
    const double zeilenAbstand = QFontMetricsF(layout.font()).leading();
    for (QTextLine zeile = layout.createLine(); zeile.isValid(); zeile = layout.createLine()) {
        zeile.setLineWidth(qMax(1.0, breite));
        zeile.setPosition(QPointF(0, y));
        y += zeile.height() + qMax(0.0, zeilenAbstand);
    }
    layout.endLayout();
    return y;
}

QString zeilen(const QString& text)
{
    // A vertical tab is the line break word processors paste.
    QString t = text;
    t.replace(QLatin1Char('\n'), QChar::LineSeparator);
    t.replace(QLatin1Char('\v'), QChar::LineSeparator);
    return t;
}

}  // namespace

QFont Seitensatz::schrift(double punkte, bool fett)
{
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(qRound(punkte * 10.0));
    f.setHintingPreference(QFont::PreferNoHinting);
    if (fett)
        f.setWeight(QFont::Bold);
    return f;
}

double Seitensatz::hoehe(const QString& text, const QFont& font, double breite)
{
    if (text.isEmpty())
        return 0;
    QTextLayout layout(zeilen(text), font);
    return setzeZeilen(layout, breite);
}

double Seitensatz::zeichne(QPainter& p, double x, double y, double breite, const QString& text,
                           const QFont& font, Qt::Alignment ausrichtung, const QColor& farbe)
{
    if (text.isEmpty())
        return 0;
    QTextLayout layout(zeilen(text), font);
    const double h = setzeZeilen(layout, breite);
    p.save();
    p.setPen(farbe);
    for (int i = 0; i < layout.lineCount(); ++i) {
        QTextLine zeile = layout.lineAt(i);
        double dx = 0;
        if (ausrichtung & Qt::AlignRight)
            dx = breite - zeile.naturalTextWidth();
        else if (ausrichtung & Qt::AlignHCenter)
            dx = (breite - zeile.naturalTextWidth()) / 2;
        zeile.draw(&p, QPointF(x + dx, y));
    }
    p.restore();
    return h;
}

double Seitensatz::breite(const QString& text, const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

Seitensatz::Seitensatz(double oben1, double oben, double unten)
    : m_oben1(oben1), m_oben(oben), m_unten(unten)
{
}

void Seitensatz::setTabellenkopf(double hoehe, Zeichnen zeichnen)
{
    m_kopfHoehe = hoehe;
    m_kopf = std::move(zeichnen);
    m_gesetzt = false;
}

void Seitensatz::anfuegen(double hoehe, Zeichnen zeichnen, bool tabellenZeile)
{
    Stueck s;
    s.hoehe = hoehe;
    s.zeichnen = std::move(zeichnen);
    s.tabellenZeile = tabellenZeile;
    m_stuecke << s;
    m_gesetzt = false;
}

void Seitensatz::abstand(double hoehe)
{
    Stueck s;
    s.hoehe = hoehe;
    s.abstand = true;
    m_stuecke << s;
    m_gesetzt = false;
}

void Seitensatz::setze()
{
    if (m_gesetzt)
        return;
    int seite = 0;
    double y = m_oben1;
    bool imKopf = false;  // the header stands on this page above the rows so far
    for (Stueck& s : m_stuecke) {
        const double oben = seite == 0 ? m_oben1 : m_oben;
        if (s.abstand) {
            s.seite = seite;
            s.y = y;
            if (y > oben)
                y += s.hoehe;
            continue;
        }
        const bool kopf = s.tabellenZeile && !imKopf;
        double bedarf = s.hoehe + (kopf ? m_kopfHoehe : 0);
        // A piece taller than a page goes on a page of its own, cut at the foot.
        if (y + bedarf > m_unten && y > oben) {
            ++seite;
            y = m_oben;
            imKopf = false;
            if (s.tabellenZeile)
                bedarf = s.hoehe + m_kopfHoehe;
        }
        s.kopfDavor = s.tabellenZeile && !imKopf;
        if (s.kopfDavor)
            y += m_kopfHoehe;
        s.seite = seite;
        s.y = y;
        y += s.hoehe;
        imKopf = s.tabellenZeile;
    }
    m_seiten = seite + 1;
    m_gesetzt = true;
}

int Seitensatz::seiten()
{
    setze();
    return m_seiten;
}

bool Seitensatz::drucke(QPrinter* printer, const Rahmen& rahmen)
{
    setze();
    // A page without room for a row below its frame would give one page per piece.
    if (m_unten - qMax(m_oben, m_oben1) < 20 * mm) {
        qWarning() << Fehler << ZuKlein << printer->pageLayout();
        return false;
    }
    printer->setFullPage(true);
    QPainter p;
    if (!p.begin(printer)) {
        qWarning() << Fehler << printer->outputFileName();
        return false;
    }
    p.scale(printer->logicalDpiX() / 720.0, printer->logicalDpiY() / 720.0);
    int seite = -1;
    for (const Stueck& s : m_stuecke) {
        while (seite < s.seite) {
            if (seite >= 0 && !printer->newPage()) {
                qWarning() << Fehler << "- no new page" << seite + 1;
                p.end();
                return false;
            }
            ++seite;
            rahmen(p, seite + 1, m_seiten);
        }
        if (s.abstand)
            continue;
        if (s.kopfDavor && m_kopf)
            m_kopf(p, s.y - m_kopfHoehe);
        s.zeichnen(p, s.y);
    }
    while (seite + 1 < m_seiten) {
        if (seite >= 0 && !printer->newPage()) {
            p.end();
            return false;
        }
        ++seite;
        rahmen(p, seite + 1, m_seiten);
    }
    return p.end();
}
