// Backup and restore of ten years of orders (50,000) on SQLite, against
// copying the database file with cp: the backup should take at most twice,
// the restore at most three times as long.
#include "bench/support/benchdatenbank.h"
#include "bench/support/benchstores.h"
#include "bench/support/messung.h"
#include "store/datensicherung.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

using BenchMessung::millis;

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    BenchDatenbank::Umfang umfang;
    if (argc > 1)
        umfang.auftraege = QString(argv[1]).toInt();
    BenchDatenbank bank;
    {
        BenchStores stores;
        bank.fuelle(stores, umfang);
    }
    // The durability a user's database has: the benchmark's own is switched off.
    QSqlQuery("PRAGMA journal_mode=DELETE").exec();
    QSqlQuery("PRAGMA synchronous=FULL").exec();
    QTemporaryDir dir;
    const QString kopie = dir.filePath("kopie.db");
    const QString sicherung = dir.filePath("sicherung");
    const double cp = millis([&] { QProcess::execute("cp", {bank.datei(), kopie}); });
    // cp leaves the copy in the page cache; a backup is on the disk when it is done.
    QFile::remove(kopie);
    const double cpSync = millis([&] {
        QProcess::execute("cp", {bank.datei(), kopie});
        QProcess::execute("sync", {kopie});
    });
    QString fehler;
    const double sichern = millis([&] { fehler = Datensicherung::sichere(QSqlDatabase::database(), sicherung); });
    const double pruefen = millis([&] { Datensicherung::pruefe(sicherung); });
    const double vacuum = millis([&] {
        QSqlQuery q;
        q.prepare("vacuum into ?");
        q.addBindValue(dir.filePath("vacuum"));
        q.exec();
    });
    const double zurueck = millis([&] {
        fehler += Datensicherung::stelleWiederHer(QSqlDatabase::database(), sicherung, dir.filePath("vorher"));
    });
    if (!fehler.isEmpty())
        std::printf("FAILED: %s\n", qPrintable(fehler));
    std::printf("orders: %d, database file: %.1f MB, backup file: %.1f MB\n", umfang.auftraege,
                QFileInfo(bank.datei()).size() / 1e6, QFileInfo(sicherung).size() / 1e6);
    std::printf("cp of the database file:      %8.0f ms\n", cp);
    std::printf("cp, then sync of the copy:    %8.0f ms\n", cpSync);
    std::printf("backup (--backup):            %8.0f ms  = %.2f x cp (goal <= 2), %.2f x cp+sync\n", sichern,
                sichern / cp, sichern / cpSync);
    std::printf("  SQLite's VACUUM INTO alone: %8.0f ms\n", vacuum);
    std::printf("checking a backup file:       %8.0f ms\n", pruefen);
    std::printf("restore (check, keep, swap):  %8.0f ms  = %.2f x cp (goal <= 3), %.2f x cp+sync\n", zurueck,
                zurueck / cp, zurueck / cpSync);
    return fehler.isEmpty() ? 0 : 1;
}
