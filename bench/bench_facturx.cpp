#include "bench/support/beispielrechnung.h"
#include "bench/support/messung.h"
#include "print/belegpdf.h"
#include "print/ciiaufbau.h"
#include "print/drucker.h"
#include "print/facturxpdf.h"
#include "records/codetabellen.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>


// Saves a 20-line invoice as Factur-X and as plain PDF, alternately in the same
// run, and prints the median of each, their ratio and the parts of the
// Factur-X save (pages as PDF/A-1b, XML, the PDF/A-3 step).
// Usage: bench_facturx [rounds, default 15]
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir tmp;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, tmp.filePath("settings"));
    QSettings s;
    s.setValue("Firma/Firma", "Atelier");
    s.setValue("Firma/IBAN", "FR7630006000011234567890189");
    s.setValue("Firma/SIREN", "123456789");
    const int runden = argc > 1 ? qMax(1, atoi(argv[1])) : 15;

    Auftrag a = BenchMessung::beispielRechnung();
    a.Nr = 1;
    a.AuftragsNr = 1001;
    a.Status = AuftragsStatus::Gedruckt;
    a.Kunde.Siren = "987654321";  // a French business customer's electronic address
    Drucker d;
    QList<double> fx, einfach, seiten, xml, schritt;
    QElapsedTimer t;
    for (int i = 0; i <= runden; ++i) {
        // Round 0 warms fonts and caches and is not counted.
        s.setValue("Firma/UStId", "FR32123456789");
        t.start();
        BelegPdf::schreiben(&d, a, tmp.filePath("facturx.pdf"));
        const double f = t.nsecsElapsed() / 1e6;
        s.remove("Firma/UStId");  // the same invoice can only be a plain PDF now
        t.start();
        BelegPdf::schreiben(&d, a, tmp.filePath("einfach.pdf"));
        const double e = t.nsecsElapsed() / 1e6;
        s.setValue("Firma/UStId", "FR32123456789");
        t.start();
        const QByteArray pdfA = BelegPdf::seiten(&d, a, true);
        const double p = t.nsecsElapsed() / 1e6;
        t.start();
        const QByteArray x = CiiAufbau(a).rechnung().xml();
        const double c = t.nsecsElapsed() / 1e6;
        t.start();
        FacturXPdf::einbetten(pdfA, x);
        const double q = t.nsecsElapsed() / 1e6;
        if (i == 0)
            continue;
        fx << f;
        einfach << e;
        seiten << p;
        xml << c;
        schritt << q;
    }
    QTextStream out(stdout);
    QFile gespeichert(tmp.filePath("facturx.pdf"));
    if (!gespeichert.open(QIODevice::ReadOnly) || FacturXPdf::xmlAus(gespeichert.readAll()).isEmpty())
        out << "warning: the invoice was saved as a plain PDF, not as Factur-X\n";
    out << QString("20-line invoice, median of %1 rounds\n").arg(runden);
    out << QString("  Factur-X save: %1 ms (pages PDF/A-1b %2 ms, XML %3 ms, PDF/A-3 step %4 ms)\n")
               .arg(BenchMessung::median(fx), 0, 'f', 1)
               .arg(BenchMessung::median(seiten), 0, 'f', 1)
               .arg(BenchMessung::median(xml), 0, 'f', 2)
               .arg(BenchMessung::median(schritt), 0, 'f', 1);
    out << QString("  plain PDF save: %1 ms\n").arg(BenchMessung::median(einfach), 0, 'f', 1);
    out << QString("  ratio Factur-X / plain: %1 (goal 1.5)\n")
               .arg(BenchMessung::median(fx) / BenchMessung::median(einfach), 0, 'f', 2);
    return 0;
}
