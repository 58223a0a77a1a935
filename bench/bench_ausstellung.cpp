// Issuing an invoice (render, store status and file in one transaction, write
// the file) against saving it as PDF without issuing, as before; a reprint
// from the archive; and the archive's size per invoice.
// Usage: bench_ausstellung [rounds, default 15]
#include "bench/support/beispielrechnung.h"
#include "bench/support/benchdatenbank.h"
#include "bench/support/messung.h"
#include "print/belegpdf.h"
#include "print/drucker.h"
#include "records/codetabellen.h"
#include "store/ausstellung.h"
#include "store/sqlauftragsstore.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

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
    s.setValue("Firma/UStId", "FR32123456789");
    const int runden = argc > 1 ? qMax(1, atoi(argv[1])) : 15;

    BenchDatenbank bank;
    SqlAuftragsStore store(nullptr);
    store.createTables();
    Drucker d;
    QList<double> speichern, ausstellen, nachdruck;
    qint64 groesse = 0;
    for (int i = 0; i <= runden; ++i) {
        // Round 0 warms fonts and caches and is not counted.
        Auftrag vorher = BenchMessung::beispielRechnung();
        Auftrag neu = BenchMessung::beispielRechnung();
        if (!store.addAuftrag(vorher) || !store.addAuftrag(neu))
            qFatal("the sample invoices were not stored");
        const double p = BenchMessung::millis([&] { BelegPdf::schreiben(&d, vorher, tmp.filePath("vorher.pdf")); });
        bool ok = false;
        const double a = BenchMessung::millis([&] {
            Auftrag x = Ausstellung::vorbereiten(neu, QDateTime::currentDateTime());
            const QByteArray datei = BelegPdf::datei(&d, x);
            ok = store.stelleAus(x, datei) && BelegPdf::speichere(tmp.filePath("neu.pdf"), datei);
            groesse = datei.size();
        });
        const double n = BenchMessung::millis([&] {
            BelegPdf::speichere(tmp.filePath("kopie.pdf"), store.archivierterBeleg(neu.Nr));
        });
        if (!ok) {
            std::printf("issuing failed\n");
            return 1;
        }
        if (i == 0)
            continue;
        speichern << p;
        ausstellen << a;
        nachdruck << n;
    }
    std::printf("20-line invoice, median of %d rounds (SQLite, durability off)\n", runden);
    std::printf("  PDF save without issuing (as before):  %8.1f ms\n", BenchMessung::median(speichern));
    std::printf("  issue (render, store, archive, save):  %8.1f ms\n", BenchMessung::median(ausstellen));
    std::printf("  ratio issue / PDF save:                %8.2f (goal <= 1.5)\n",
                BenchMessung::median(ausstellen) / BenchMessung::median(speichern));
    std::printf("  reprint from the archive:              %8.1f ms\n", BenchMessung::median(nachdruck));
    std::printf("  archived file per invoice:             %8.1f kB\n", groesse / 1024.0);
    return 0;
}
