#include "tests/support/pdfseiten.h"

#include "print/drucker.h"
#include "records/codetabellen.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QXmlStreamReader>

#include <algorithm>
#include <tuple>

PdfSeiten::PdfSeiten(const QString& datei, const QByteArray& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-bbox", datei, "-"});
    p.write(pdf);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    QXmlStreamReader xml(p.readAllStandardOutput());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        const auto z = [&a](const char* n) { return a.value(n).toDouble(); };
        if (xml.name() == QLatin1String("page")) {
            m_breiten << z("width");
        } else if (xml.name() == QLatin1String("word")) {
            m_woerter << Wort{QString(), z("xMin"), z("yMin"), z("xMax"), z("yMax"), int(m_breiten.size())};
            m_woerter.last().text = xml.readElementText();
        }
    }
}

bool PdfSeiten::schreibe(const Drucker& d, const Auftrag& a, const QString& datei, QPrinter::PrinterMode modus)
{
    QPrinter printer(modus);
    printer.setOutputFileName(datei);  // a PDF by its suffix
    return d.print(&printer, a);
}

Auftrag PdfSeiten::beispiel(int zeilen)
{
    Auftrag a;
    std::tie(a.Nr, a.AuftragsNr, a.Kunde.Nr, a.Zahlung) = std::make_tuple(7, 1042, 55, int(Zahlungsart::Ueberweisung));
    a.Eingang = QDateTime(QDate(2011, 3, 2), QTime(10, 0));
    std::tie(a.Kunde.Firma, a.Kunde.Name, a.Kunde.Strasse, a.Kunde.PLZ, a.Kunde.Ort) =
        std::make_tuple("ACME", "Dupont", "3 rue Neuve", "69002", "Lyon");
    for (int i = 1; i <= zeilen; ++i) {
        AuftragsLine l;
        std::tie(l.Anzahl, l.ProduktNr, l.Produkt, l.Preis) =
            std::make_tuple(2, QString("R%1").arg(i), QString("Artikel%1").arg(i), 100.0 * i);
        a.Zeilen << l;
    }
    return a;
}

void PdfSeiten::setze(const QVariantMap& werte)
{
    QSettings s;
    for (auto it = werte.cbegin(); it != werte.cend(); ++it)
        s.setValue(it.key(), it.value());
}

QString PdfSeiten::text(int seite) const
{
    QStringList t;
    for (const Wort& w : m_woerter)
        if (seite == 0 || w.seite == seite)
            t << w.text;
    return t.join(' ');
}

int PdfSeiten::finde(const QString& text, bool letzte) const
{
    for (int n = 0; n < m_woerter.size(); ++n) {
        const int i = letzte ? m_woerter.size() - 1 - n : n;
        if (m_woerter[i].text == text)
            return i;
    }
    return -1;
}

QList<qint64> PdfSeiten::betraege(int i) const
{
    static const QRegularExpression betrag("^(-?)(\\d+)\\.(\\d\\d)$");
    QList<const Wort*> zeile;
    const Wort& w = m_woerter[i];
    for (const Wort& v : m_woerter)
        if (v.seite == w.seite && qAbs(v.y1 - w.y1) < 1.0 && betrag.match(v.text).hasMatch())
            zeile << &v;
    std::sort(zeile.begin(), zeile.end(), [](const Wort* a, const Wort* b) { return a->x1 < b->x1; });
    QList<qint64> cent;
    for (const Wort* v : zeile) {
        const auto m = betrag.match(v->text);
        const qint64 c = m.captured(2).toLongLong() * 100 + m.captured(3).toLongLong();
        cent << (m.captured(1).isEmpty() ? c : -c);
    }
    return cent;
}
