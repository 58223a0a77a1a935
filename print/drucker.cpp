#include "print/drucker.h"

#include "print/steuer.h"
#include "records/codetabellen.h"

#include <QDebug>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

#include <memory>

namespace {

QTextLength prozent(double p)
{
    return QTextLength(QTextLength::PercentageLength, p);
}

QTextTableFormat tabellenFormat(const QList<QTextLength>& spalten)
{
    QTextTableFormat f;
    f.setWidth(prozent(100));
    f.setCellSpacing(0);
    f.setColumnWidthConstraints(spalten);
    return f;
}

}  // namespace

Drucker::Drucker(QObject* parent) : QObject(parent) {}

void Drucker::setAuftrag(const Auftrag& a)
{
    m_auftrag = a;
}

void Drucker::clear()
{
    m_auftrag = Auftrag();
}

QTextCharFormat Drucker::schrift(double punkte, bool fett)
{
    QTextCharFormat f;
    f.setFontFamilies({QStringLiteral("Arial")});
    f.setFontPointSize(punkte);
    if (fett)
        f.setFontWeight(QFont::Bold);
    return f;
}

QTextDocument* Drucker::neuesDokument()
{
    auto* doc = new QTextDocument(this);
    doc->setUndoRedoEnabled(false);
    QFont basis(QStringLiteral("Arial"));
    basis.setPointSizeF(10);
    doc->setDefaultFont(basis);
    // Break lines between words only: an amount split over two lines in a
    // narrow column reads as two numbers.
    QTextOption umbruch = doc->defaultTextOption();
    umbruch.setWrapMode(QTextOption::WordWrap);
    doc->setDefaultTextOption(umbruch);
    doc->addResource(QTextDocument::ImageResource, QUrl("data:logo.png"),
                     QImage(":logo.png"));
    return doc;
}

void Drucker::zelle(QTextTable* t, int zeile, int spalte, const QString& text,
                    const QTextCharFormat& format, bool rechts)
{
    QTextCursor c = t->cellAt(zeile, spalte).firstCursorPosition();
    if (rechts) {
        QTextBlockFormat b;
        b.setAlignment(Qt::AlignRight);
        c.setBlockFormat(b);
    }
    c.insertText(text, format);
}

double Drucker::layoutDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen && screen->logicalDotsPerInchY() > 0 ? screen->logicalDotsPerInchY() : 96.0;
}

double Drucker::skalierung(QPaintDevice* geraet)
{
    if (!geraet || geraet->logicalDpiY() <= 0)
        return 1.0;
    return geraet->logicalDpiY() / layoutDpi();
}

void Drucker::abschliessen(QTextDocument* doc, QTextCursor& c)
{
    c.movePosition(QTextCursor::End);
    c.endEditBlock();
    QTextFrameFormat f = doc->rootFrame()->frameFormat();
    f.setMargin(0);
    doc->rootFrame()->setFrameFormat(f);
}

bool Drucker::beginne(QPainter& painter, QPrinter* printer, double& breite,
                      double& hoehe) const
{
    if (!painter.begin(printer)) {
        qWarning() << "error printing Auftrag" << m_auftrag.Nr << printer->outputFileName();
        return false;
    }
    const double s = skalierung(printer);
    painter.scale(s, s);
    breite = printer->width() / s;
    hoehe = printer->height() / s;
    return true;
}

void Drucker::produktZelle(QTextTable* t, int zeile, const AuftragsLine& l)
{
    QTextCursor c = t->cellAt(zeile, 1).firstCursorPosition();
    c.insertText(l.Produkt, schrift(10));
    if (!l.Komentar.isEmpty()) {
        c.insertBlock();
        c.insertText(l.Komentar, schrift(10));
    }
}

void Drucker::summenAbstand(QTextCursor& c)
{
    c.movePosition(QTextCursor::End);
    c.insertBlock();
    QTextBlockFormat abstand;
    abstand.setTopMargin(50);
    c.insertBlock(abstand);
}

QTextDocument* Drucker::dokumentKopf(const QString& titel, QTextCursor& c)
{
    QTextDocument* doc = neuesDokument();
    c = QTextCursor(doc);

    QTextFrameFormat logo;
    logo.setWidth(prozent(40));
    logo.setBorder(0);
    c.insertFrame(logo);
    c.insertText(m_settings.value("Rechnung/LogoText", tr("LogoText")).toString(), schrift(7));
    c.movePosition(QTextCursor::End);

    c.insertHtml(tr("<h2>Atelier Belegwerk</h2>"));
    c.insertBlock(QTextBlockFormat(), schrift(10));
    c.insertBlock();
    c.insertText(tr("12 rue des Exemples\n69001 Lyon France\nTel. 04 00 00 00 00\n"
                    "Fax: 04 00 00 00 01\nUst.Id.Nr: FR00000000000\n"
                    "E-mail: contact@exemple.fr\nURL: www.exemple.fr"),
                 schrift(9));

    QTextFrameFormat datum;
    datum.setPosition(QTextFrameFormat::FloatRight);
    datum.setWidth(prozent(30));
    datum.setBorder(0);
    datum.setTopMargin(40);
    datum.setBottomMargin(30);
    datum.setRightMargin(0);
    c.insertFrame(datum);
    c.insertText(tr("Date: %1").arg(m_auftrag.Eingang.toString("dd.MM.yyyy")), schrift(8));
    c.movePosition(QTextCursor::End);

    for (int i = 0; i < 6; ++i)
        c.insertBlock(QTextBlockFormat(), schrift(10));

    QString t = titel;
    if (m_auftrag.Typ == Auftragsart::Gutschrift)
        t = tr("Note de crédit");
    else if (m_auftrag.Typ == Auftragsart::Angebot)
        t = tr("Devis");
    if (m_auftrag.Nr > 0)
        t = tr("%2 Nº %1").arg(m_auftrag.AuftragsNr).arg(t);
    c.insertText(t, schrift(12, true));
    c.insertBlock(QTextBlockFormat(), schrift(10));

    c.insertText(m_settings.value("Rechnung/Head", "Kopf").toString(), schrift(10));
    c.insertBlock();
    if (!m_auftrag.Komentar.isEmpty()) {
        c.insertBlock();
        c.insertText(m_auftrag.Komentar, schrift(10));
        c.insertBlock();
        c.insertBlock();
    }
    return doc;
}

QString Drucker::zahlungsText() const
{
    static const char* const woerter[] = {
        QT_TR_NOOP("paiement en espèces"), QT_TR_NOOP("carte EC"), QT_TR_NOOP("transfert"),
        QT_TR_NOOP("débit"), QT_TR_NOOP("carte de crédit"), QT_TR_NOOP("chèques")};
    const int z = m_auftrag.Zahlung;
    const QString wort = z >= 0 && z < 6 ? tr(woerter[z]) : QString();
    if (m_auftrag.Typ == Auftragsart::Angebot)
        return tr("A payer par %1").arg(wort);
    return tr("Payé par %1 - %2").arg(wort, m_auftrag.Eingang.toString("dd-MM-yyyy"));
}

void Drucker::zahlungsZeile(QTextTable* t, int zeile, int letzteSpalte)
{
    zelle(t, zeile, 0, zahlungsText(), schrift(10));
    if (m_auftrag.Typ != Auftragsart::Angebot) {
        QTextCharFormat rot = schrift(12, true);
        rot.setForeground(Qt::red);
        zelle(t, zeile, letzteSpalte, tr("Payé"), rot);
    }
}

QTextDocument* Drucker::getDocument(QPrinter*)
{
    QTextCursor c;
    QTextDocument* doc = dokumentKopf(tr("Facture Matériel"), c);
    c.beginEditBlock();

    const int kundenTyp = m_auftrag.Kunde.Typ;
    const double r = Steuer::satz();
    int m = Steuer::modus();
    if (kundenTyp == KundenTyp::Intern)
        m = Steuer::Keine;
    const bool vier = Steuer::satzWahl() == Steuer::Keiner || m == Steuer::Keine ||
                      kundenTyp == KundenTyp::Kunde2;
    const int spalten = vier ? 4 : 6;
    const QString rate = QString::number(r * 100.0, 'g');

    QList<QTextLength> breiten{prozent(10), QTextLength()};
    for (int i = 2; i < spalten; ++i)
        breiten << prozent(10);
    QTextTableFormat tf = tabellenFormat(breiten);
    tf.setHeaderRowCount(1);  // repeated on every page of a long order
    const auto& zeilen = m_auftrag.Zeilen;
    QTextTable* table = c.insertTable(zeilen.size() + 1, spalten, tf);

    const QTextCharFormat basis = schrift(10);
    QStringList kopf{tr("Réf. Produit"), tr("Description"), tr("Quant.")};
    if (!vier)
        kopf << tr("Prix Net €") << tr("TVA %1% €").arg(rate);
    kopf << tr("Prix €");
    for (int i = 0; i < kopf.size(); ++i)
        zelle(table, 0, i, kopf[i], basis);

    double summe = 0.0;
    double steuer = 0.0;
    for (int i = 0; i < zeilen.size(); ++i) {
        const AuftragsLine& l = zeilen[i];
        const int z = i + 1;
        const double p = l.Preis;
        zelle(table, z, 0, l.ProduktNr, basis);
        produktZelle(table, z, l);
        zelle(table, z, 2, QString::number(l.Anzahl), basis);
        if (!vier) {
            zelle(table, z, 3, Steuer::betrag(Steuer::netto(p, m, r)), basis, true);
            zelle(table, z, 4, Steuer::betrag(Steuer::steuer(p, m, r)), basis, true);
        }
        zelle(table, z, spalten - 1, Steuer::betrag(Steuer::brutto(p, m, r)), basis, true);
        summe += Steuer::brutto(p, m, r);
        steuer += Steuer::steuer(p, m, r);
    }

    summenAbstand(c);

    const QTextCharFormat titel = schrift(12, true);
    if (!vier) {
        QTextTable* t = c.insertTable(
            5, 4, tabellenFormat({QTextLength(), prozent(10), prozent(10), prozent(10)}));
        zelle(t, 0, 0, tr("Base TVA %1%").arg(rate), basis);
        zelle(t, 0, 1, Steuer::betrag(summe - steuer), basis, true);
        zelle(t, 1, 0, tr("TVA %1%").arg(rate), basis);
        zelle(t, 1, 2, Steuer::betrag(steuer), basis, true);
        zelle(t, 2, 0, tr("Total TTC"), titel);
        zelle(t, 2, 3, Steuer::betrag(summe), titel, true);
        zahlungsZeile(t, 4, 3);
    } else {
        QTextTable* t = c.insertTable(3, 2, tabellenFormat({QTextLength(), prozent(10)}));
        zelle(t, 0, 0, tr("Total TTC"), titel);
        zelle(t, 0, 1, Steuer::betrag(summe), titel, true);
        zahlungsZeile(t, 2, 1);
    }
    abschliessen(doc, c);
    return doc;
}

QTextDocument* Drucker::getDocument2(QPrinter*)
{
    QTextCursor c;
    QTextDocument* doc = dokumentKopf(tr("Facture Service"), c);
    c.beginEditBlock();

    const double r = Steuer::satz();
    const int m = Steuer::modus();
    QTextTableFormat tf = tabellenFormat(
        {prozent(10), QTextLength(), prozent(10), prozent(10), prozent(8), prozent(10)});
    tf.setHeaderRowCount(1);
    const auto& zeilen = m_auftrag.Zeilen;
    QTextTable* table = c.insertTable(zeilen.size() + 1, 6, tf);

    const QTextCharFormat basis = schrift(10);
    const QStringList kopf{tr("Réf. Produit"), tr("Description"), tr("Prix €"),
                           tr("Quant."),       tr("C.TVA"),       tr("Total €")};
    for (int i = 0; i < kopf.size(); ++i)
        zelle(table, 0, i, kopf[i], basis);

    double summe = 0.0;
    for (int i = 0; i < zeilen.size(); ++i) {
        const AuftragsLine& l = zeilen[i];
        const int z = i + 1;
        const double total = Steuer::netto(l.Preis, m, r);
        // Without a quantity there is no unit price to derive; show the line amount.
        const double einzel = l.Anzahl != 0 ? total / l.Anzahl : total;
        zelle(table, z, 0, l.ProduktNr, basis);
        produktZelle(table, z, l);
        zelle(table, z, 2, Steuer::betrag(einzel), basis, true);
        zelle(table, z, 3, QString::number(l.Anzahl), basis);
        zelle(table, z, 4, QStringLiteral("EXOTV"), basis);
        zelle(table, z, 5, Steuer::betrag(total), basis, true);
        summe += total;
    }

    summenAbstand(c);

    const QTextCharFormat titel = schrift(12, true);
    QTextTable* t =
        c.insertTable(5, 3, tabellenFormat({QTextLength(), prozent(15), prozent(10)}));
    zelle(t, 0, 0, tr("Exonération TVA"), basis);
    zelle(t, 0, 1, tr("Sous-total"), basis);
    zelle(t, 0, 2, Steuer::betrag(summe), basis, true);
    zelle(t, 1, 1, tr("TVA"), basis);
    zelle(t, 1, 2, Steuer::betrag(0.0), basis, true);
    zelle(t, 2, 1, tr("Total TTC"), titel);
    zelle(t, 2, 2, Steuer::betrag(summe), titel, true);
    zahlungsZeile(t, 4, 2);
    abschliessen(doc, c);
    return doc;
}

bool Drucker::print(QPrinter* printer)
{
    if (!printer)
        return false;
    const int dienst = m_auftrag.Dienst;
    std::unique_ptr<QTextDocument> doc(dienst == Auftrag::Schulung ? getDocument2(printer)
                                                                    : getDocument(printer));

    QPainter painter;
    double breite = 0;
    double hoehe = 0;
    if (!beginne(painter, printer, breite, hoehe))
        return false;
    const double d = printer->widthMM() > 0 ? breite / printer->widthMM() : 96.0 / 25.4;
    const int rand = int(6.0 * d);
    const int oben = int(31.0 * d);
    const double textBreite = breite - 2 * rand;

    QTextDocument fuss;
    fuss.setUndoRedoEnabled(false);
    fuss.setTextWidth(textBreite);
    {
        QTextCursor c(&fuss);
        const QTextCharFormat klein = schrift(6);
        c.setCharFormat(klein);
        if (dienst == Auftrag::Schulung)
            c.insertText(m_settings.value("Rechnung/Foot", tr("Fuß")).toString(), klein);
        else if (dienst == Auftrag::Produkte)
            c.insertText(m_settings.value("Rechnung/Foot2", tr("Fuß")).toString(), klein);
        const int typ = m_auftrag.Kunde.Typ;
        if (typ == KundenTyp::Kunde2 || typ == KundenTyp::Intern) {
            c.insertBlock();
            c.insertText(tr("\nLivraisons Intracommunautaires\nArt. 262 ter, 1-1° du CGi"), klein);
        }
    }
    const int fussHoehe = int(qRound(fuss.size().height()) + 17.0 * d);

    const QString firma = m_settings.value("Firma/Firma").toString();
    const QString strasse = m_settings.value("Firma/Strasse").toString();
    const QString plz = m_settings.value("Firma/PLZ").toString();
    const QString ort = m_settings.value("Firma/Ort").toString();
    QTextDocument adresse;
    adresse.setUndoRedoEnabled(false);
    adresse.setTextWidth(qMax(50.0, breite - 100.0 * d - rand));
    {
        QTextCursor c(&adresse);
        QTextFrameFormat rahmen;
        rahmen.setBorder(0);
        c.insertFrame(rahmen);
        if (!firma.isEmpty() && !strasse.isEmpty() && !plz.isEmpty() && !ort.isEmpty()) {
            QTextCharFormat absender = schrift(8, true);
            absender.setFontUnderline(true);
            c.insertText(tr("%1 - %2 - %3 %4").arg(firma, strasse, plz, ort), absender);
            c.insertBlock();
        }
        const Kunde& k = m_auftrag.Kunde;
        const QTextCharFormat fett = schrift(10, true);
        c.insertText(k.Firma + " " + k.Name, fett);
        c.insertBlock();
        c.insertText(k.Strasse, fett);
        c.insertBlock();
        c.insertText(k.PLZ + " " + k.Ort, fett);
        c.insertBlock();
        c.insertBlock();
        c.insertBlock();
        c.insertText(tr("n° de client: %1").arg(k.Nr), fett);
        if (!k.Steuernummer.isEmpty()) {
            c.insertBlock();
            c.insertText(tr("UstId-Nr: %1").arg(k.Steuernummer), fett);
        }
    }

    // The body pages of the document end where the footer begins, so the
    // layout moves a row that would cross that line to the next page.
    const double koerper = hoehe - fussHoehe - oben;
    if (koerper < 20.0 || textBreite < 20.0) {
        qWarning() << "error printing Auftrag: page too small" << breite << hoehe;
        painter.end();
        return false;
    }
    doc->setPageSize(QSizeF(textBreite, koerper));

    const int seiten = doc->pageCount();
    const double linie = hoehe - fussHoehe;
    for (int seite = 0; seite < seiten; ++seite) {
        if (seite > 0 && !printer->newPage()) {
            qWarning() << "error printing Auftrag: no new page" << seite;
            painter.end();
            return false;
        }
        const QRectF ausschnitt(0, seite * koerper, textBreite, koerper);
        painter.save();
        painter.translate(rand, oben - ausschnitt.top());
        doc->drawContents(&painter, ausschnitt);
        painter.restore();
        if (seite == 0) {
            painter.save();
            painter.translate(100.0 * d, 40.0 * d);
            adresse.drawContents(&painter);
            painter.restore();
        }
        painter.drawLine(QPointF(rand, linie), QPointF(breite, linie));
        painter.save();
        painter.translate(rand, linie);
        fuss.drawContents(&painter);
        painter.restore();
    }
    return painter.end();
}
