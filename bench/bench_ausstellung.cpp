// Issuing an invoice (render, store status and file in one transaction, write
// the file) against saving it as PDF without issuing, as before; a reprint
// from the archive; and the archive's size per invoice.
// Usage: bench_ausstellung [rounds, default 15]
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

#include <algorithm>
#include <cstdio>

namespace {

Auftrag rechnung()
{
    Auftrag a;
    a.Zahlung = Zahlungsart::Ueberweisung;
    a.Eingang = QDateTime(QDate(2026, 3, 2), QTime(9, 0));
    a.Kunde.Nr = 12;
    a.Kunde.Firma = "ACME";
    a.Kunde.Strasse = "3 rue Neuve";
    a.Kunde.PLZ = "69002";
    a.Kunde.Ort = "Lyon";
    a.Kunde.Land = "Frankreich";
    for (int i = 0; i < 20; ++i) {
        AuftragsLine l;
        l.Anzahl = 1 + i % 5;
        l.ProduktNr = QString("P-%1").arg(i);
        l.Produkt = QString("Produit numéro %1").arg(i);
        l.Preis = 12.5 * l.Anzahl;
        a.Zeilen << l;
    }
    return a;
}

double median(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v.isEmpty() ? 0.0 : v.at(v.size() / 2);
}

}  // namespace

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
        Auftrag vorher = rechnung();
        Auftrag neu = rechnung();
        store.addAuftrag(vorher);
        store.addAuftrag(neu);
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
    std::printf("  PDF save without issuing (as before):  %8.1f ms\n", median(speichern));
    std::printf("  issue (render, store, archive, save):  %8.1f ms\n", median(ausstellen));
    std::printf("  ratio issue / PDF save:                %8.2f (goal <= 1.5)\n",
                median(ausstellen) / median(speichern));
    std::printf("  reprint from the archive:              %8.1f ms\n", median(nachdruck));
    std::printf("  archived file per invoice:             %8.1f kB\n", groesse / 1024.0);
    return 0;
}
