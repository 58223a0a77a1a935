#include "print/druckerde1.h"

#include "print/steuer.h"

#include <QDebug>
#include <QPainter>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <cmath>
#include <memory>

namespace {

// Height of the bank footer below the body of each page, in layout pixels.
const int fussHoehe = 135;

}  // namespace

DruckerDE1::DruckerDE1(QObject* parent) : Drucker(parent) {}

double DruckerDE1::prozent(const QVariant& wert)
{
    bool ok = false;
    double p = wert.toDouble(&ok);
    if (!ok || !std::isfinite(p))
        return 0.0;
    if (p < 1.0)
        p *= 100.0;
    return p <= -100.0 ? 0.0 : p;
}

QTextDocument* DruckerDE1::getDocument(QPrinter*)
{
    QTextDocument* doc = neuesDokument();
    QTextCursor c(doc);
    c.beginEditBlock();

    QTextFrameFormat logo;
    logo.setPosition(QTextFrameFormat::FloatRight);
    logo.setWidth(QTextLength(QTextLength::PercentageLength, 30));
    logo.setBorder(0);
    c.insertFrame(logo);
    c.insertImage("data:logo.png");
    c.insertBlock();
    c.insertText(m_settings.value("Rechnung/LogoText", tr("LogoText")).toString(), schrift(7));
    c.movePosition(QTextCursor::End);

    for (int i = 0; i < 5; ++i)
        c.insertBlock(QTextBlockFormat(), schrift(10));

    QTextCharFormat absender = schrift(12);
    absender.setFontUnderline(true);
    c.insertText(tr("%1 - %2 - %3 %4")
                     .arg(m_settings.value("Firma/Firma").toString(),
                          m_settings.value("Firma/Strasse").toString(),
                          m_settings.value("Firma/PLZ").toString(),
                          m_settings.value("Firma/Ort").toString()),
                 absender);
    c.insertBlock();
    const QTextCharFormat adresse = schrift(12);
    const Kunde& k = m_auftrag.Kunde;
    c.insertText(k.Name, adresse);
    c.insertBlock();
    c.insertText(k.Strasse, adresse);
    c.insertBlock();
    c.insertText(k.PLZ + " " + k.Ort, adresse);

    QTextFrameFormat datum;
    datum.setPosition(QTextFrameFormat::FloatRight);
    datum.setWidth(QTextLength(QTextLength::PercentageLength, 30));
    datum.setBorder(0);
    datum.setBottomMargin(30);
    datum.setRightMargin(0);
    c.insertFrame(datum);
    c.insertText(tr("Datum: %1").arg(m_auftrag.Eingang.toString("dd.MM.yyyy")), schrift(8));
    c.movePosition(QTextCursor::End);

    for (int i = 0; i < 6; ++i)
        c.insertBlock(QTextBlockFormat(), schrift(10));

    const QString titel =
        m_auftrag.Nr > 0
            ? tr("Rechnung Nr.%1").arg(m_auftrag.Nr + m_settings.value("Rechnung/Offset", 0).toInt())
            : tr("Rechnung");
    c.insertText(titel, schrift(12, true));
    c.insertBlock(QTextBlockFormat(), schrift(9));
    c.insertText(m_settings.value("Rechnung/Head", "Kopf").toString(), schrift(9));

    const int wahl = Steuer::satzWahl();
    const int m = Steuer::modus();
    double p = 0.0;
    if (wahl == Steuer::SatzB)
        p = prozent(m_settings.value("Steuer/Satz B", 7));
    else if (wahl <= Steuer::SatzA)
        p = prozent(m_settings.value("Steuer/Satz A", 19));
    const bool drei = wahl == Steuer::Keiner || m == Steuer::Keine;
    const int spalten = drei ? 3 : 4;
    const auto& zeilen = m_auftrag.Zeilen;

    QTextTableFormat tf;
    tf.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tf.setCellSpacing(0);
    tf.setHeaderRowCount(1);
    QList<QTextLength> breiten{QTextLength(QTextLength::PercentageLength, 10), QTextLength(),
                               QTextLength(QTextLength::PercentageLength, 10)};
    if (!drei)
        breiten << QTextLength(QTextLength::PercentageLength, 10);
    tf.setColumnWidthConstraints(breiten);
    QTextTable* table = c.insertTable(zeilen.size() + (drei ? 2 : 3), spalten, tf);

    const QTextCharFormat basis = schrift(10);
    QStringList kopf{tr("Menge"), tr("Produkt")};
    if (!drei)
        kopf << tr("MwSt €");
    kopf << tr("Preis €");
    for (int i = 0; i < kopf.size(); ++i)
        zelle(table, 0, i, kopf[i], basis);

    // The percent rate as a fraction, so the shared rules apply unchanged.
    const double r = p / 100.0;
    double summe = 0.0;
    double steuer = 0.0;
    for (int i = 0; i < zeilen.size(); ++i) {
        const AuftragsLine& l = zeilen[i];
        const int z = i + 1;
        zelle(table, z, 0, QString::number(l.Anzahl), basis);
        zelle(table, z, 1, l.Produkt, basis);
        const double brutto = Steuer::brutto(l.Preis, m, r);
        const double mwst = Steuer::steuer(l.Preis, m, r);
        if (!drei)
            zelle(table, z, 2, Steuer::betrag(mwst), basis, true);
        zelle(table, z, spalten - 1, Steuer::betrag(brutto), basis, true);
        summe += brutto;
        steuer += mwst;
    }
    int z = zeilen.size() + 1;
    if (!drei) {
        zelle(table, z, 1, tr("MwSt"), basis);
        zelle(table, z, 3, Steuer::betrag(steuer), basis, true);
        ++z;
    }
    zelle(table, z, 1, tr("Summe"), basis);
    zelle(table, z, spalten - 1, Steuer::betrag(summe), basis, true);

    c.movePosition(QTextCursor::End);
    QTextBlockFormat abstand;
    abstand.setTopMargin(10);
    c.insertBlock(abstand);
    c.insertText(m_settings.value("Rechnung/Footer", tr("Fuß")).toString(), schrift(9));
    abschliessen(doc, c);
    return doc;
}

bool DruckerDE1::print(QPrinter* printer)
{
    if (!printer)
        return false;
    // Only the painted pages go to the printer: they carry the bank footer.
    std::unique_ptr<QTextDocument> doc(getDocument(printer));
    QPainter painter;
    double breite = 0;
    double hoehe = 0;
    if (!beginne(painter, printer, breite, hoehe))
        return false;
    const double unten = hoehe - 1;         // B
    const double rechts = breite - 1;       // R
    const double linie = unten - fussHoehe;  // b
    const double koerper = linie + 1;
    if (koerper < 20.0 || breite < 320.0) {
        qWarning() << "error printing Auftrag: page too small" << breite << hoehe;
        painter.end();
        return false;
    }
    doc->setPageSize(QSizeF(breite, koerper));

    const QString bank = m_settings.value("Firma/Bank").toString();
    const QString blz = tr("BLZ %1").arg(m_settings.value("Firma/BLZ").toString());
    const QString konto = tr("Konto-Nr. %1").arg(m_settings.value("Firma/KontoNr").toString());
    const QString steuerNr =
        tr("Steuer-Nr: %1").arg(m_settings.value("Firma/SteuerNr").toString());
    const QString ustId = tr("Ust-Id: %1").arg(m_settings.value("Firma/UStId").toString());
    // 7 pt in layout pixels: the painter is scaled, so a point size would be
    // resolved a second time at the printer's resolution. Three lines 10
    // pixels apart must not touch.
    QFont klein(QStringLiteral("Arial"));
    klein.setPixelSize(qMax(1, qRound(7.0 * layoutDpi() / 72.0)));

    const int seiten = doc->pageCount();
    for (int seite = 0; seite < seiten; ++seite) {
        if (seite > 0 && !printer->newPage()) {
            qWarning() << "error printing Auftrag: no new page" << seite;
            painter.end();
            return false;
        }
        const QRectF ausschnitt(0, seite * koerper, breite, koerper);
        painter.save();
        painter.translate(0, -ausschnitt.top());
        doc->drawContents(&painter, ausschnitt);
        painter.restore();

        painter.drawLine(QPointF(0, linie), QPointF(breite, linie));
        painter.setFont(klein);
        painter.drawText(QPointF(10, unten - 120), tr("Bankverbindung:"));
        painter.drawText(QPointF(150, unten - 120), bank);
        painter.drawText(QPointF(150, unten - 110), blz);
        painter.drawText(QPointF(150, unten - 100), konto);
        painter.drawText(QPointF(rechts - 149, unten - 120), steuerNr);
        painter.drawText(QPointF(rechts - 149, unten - 110), ustId);
    }
    return painter.end();
}
