#include "print/drucker.h"
#include "print/druckerde1.h"
#include "records/codetabellen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPrinter>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

// Renders orders of 10, 100 and 1,000 lines to PDF with both layouts and
// prints the time of each and the growth between them.
// Usage: bench_drucker [folder to keep the PDF files in]
namespace {

Auftrag auftrag(int zeilen, int dienst)
{
    Auftrag a;
    a.Nr = 1;
    a.AuftragsNr = 1001;
    a.Dienst = dienst;
    a.Zahlung = Zahlungsart::Ueberweisung;
    a.Eingang = QDateTime(QDate(2011, 3, 2), QTime(9, 0));
    a.Kunde.Nr = 12;
    a.Kunde.Firma = "ACME";
    a.Kunde.Name = "Dupont";
    a.Kunde.Strasse = "3 rue Neuve";
    a.Kunde.PLZ = "69002";
    a.Kunde.Ort = "Lyon";
    for (int i = 0; i < zeilen; ++i) {
        AuftragsLine l;
        l.Anzahl = 1 + i % 5;
        l.ProduktNr = QString("P-%1").arg(i);
        l.Produkt = QString("Produit numéro %1").arg(i);
        if (i % 7 == 0)
            l.Komentar = "Livré avec notice";
        l.Preis = 12.5 * l.Anzahl;
        a.Zeilen << l;
    }
    return a;
}

double millisekunden(Drucker& d, const Auftrag& a, const QString& datei)
{
    QPrinter printer(QPrinter::ScreenResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(datei);
    QElapsedTimer t;
    t.start();
    d.print(&printer, a);
    return t.nsecsElapsed() / 1e6;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir tmp;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, tmp.filePath("settings"));
    const QString ordner = argc > 1 ? QString::fromLocal8Bit(argv[1]) : tmp.path();
    QDir().mkpath(ordner);

    QTextStream out(stdout);
    const QList<int> groessen{10, 100, 1000};
    struct Fall
    {
        const char* name;
        int dienst;
        bool deutsch;
    };
    for (const Fall& f : {Fall{"fr_1 Matériel", Auftrag::Produkte, false},
                          Fall{"fr_1 Service", Auftrag::Schulung, false},
                          Fall{"de", Auftrag::Produkte, true}}) {
        std::unique_ptr<Drucker> d(f.deutsch ? new DruckerDE1 : new Drucker);
        millisekunden(*d, auftrag(10, f.dienst), QDir(ordner).filePath("warm.pdf"));
        QList<double> zeiten;
        for (int n : groessen) {
            const QString datei =
                QDir(ordner).filePath(QString("%1_%2.pdf").arg(f.deutsch ? "de" : f.dienst == Auftrag::Schulung ? "service" : "materiel").arg(n));
            // The best of three runs: the machine may be busy with other work.
            double beste = 0;
            for (int lauf = 0; lauf < 3; ++lauf) {
                const double ms = millisekunden(*d, auftrag(n, f.dienst), datei);
                beste = lauf == 0 ? ms : qMin(beste, ms);
            }
            zeiten << beste;
        }
        out << f.name << ":";
        for (int i = 0; i < groessen.size(); ++i)
            out << QString("  %1 lines %2 ms").arg(groessen[i]).arg(zeiten[i], 0, 'f', 1);
        out << QString("  ratio 100/10 %1, 1000/100 %2\n")
                   .arg(zeiten[1] / zeiten[0], 0, 'f', 2)
                   .arg(zeiten[2] / zeiten[1], 0, 'f', 2);
    }
    return 0;
}
