// The Vendora customer import of a 5,000-row sheet into an empty database on a
// file with the program's own durability, with the customer list open as in
// the main window; and the peak memory readODS needs per cell read.
//   bench_tabellenimport [rows]          both; readODS runs in a child process
//   bench_tabellenimport ods <file>      readODS alone (the child)
#include "bench/support/messung.h"
#include "exchange/odsleser.h"
#include "exchange/tabellenimport.h"
#include "exchange/zippaket.h"
#include "store/sqlkundenstore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <cstdio>
#include <memory>

namespace {

using BenchMessung::millis;
using BenchMessung::vmHwmKb;

// Milliseconds of processor time this process has used, to tell the work from waiting on a busy machine.
double cpuMs()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 + (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

long maxRssKb()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

QString zelle(const QString& text)
{
    return "<table:table-cell office:value-type=\"string\"><text:p>" + text.toHtmlEscaped()
           + "</text:p></table:table-cell>";
}

QString zahl(int n)
{
    return QString("<table:table-cell office:value-type=\"float\" office:value=\"%1\"><text:p>%1</text:p>"
                   "</table:table-cell>")
        .arg(n);
}

// A customer sheet as LibreOffice writes it: 18 columns, the number and type as
// numbers, the empty columns repeated, the rest of the sheet one repeated empty row.
void kundenblatt(const QString& datei, int zeilen)
{
    ZipPaket zip(datei);
    zip.eintrag("content.xml", [zeilen](QTextStream& o) {
        o << "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
             "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
             "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
             "<table:table table:name=\"Kunden\"><table:table-row>";
        for (const QString t : {"Firma", "Nr", "Typ", "Name", "Strasse", "Zusatz", "G", "PLZ", "Ort", "Land",
                                "Steuernummer", "L", "Tel2", "Tel", "Fax", "Email", "Seit", "Bemerkung"})
            o << zelle(t);
        o << "</table:table-row>\n";
        for (int i = 0; i < zeilen; ++i) {
            o << "<table:table-row>" << zelle(QString("Société %1 SARL").arg(i)) << zahl(1000 + i) << zahl(i % 4)
              << zelle(QString("Nom %1").arg(i)) << zelle(QString("%1 rue de la Gare").arg(i % 200))
              << "<table:table-cell table:number-columns-repeated=\"2\"/>" << zelle(QString::number(10000 + i))
              << zelle("Lyon") << zelle("FR") << zelle(QString("FR%1").arg(i)) << "<table:table-cell/>"
              << zelle(QString("03 %1").arg(i)) << zelle(QString("04 %1").arg(i)) << "<table:table-cell/>"
              << zelle(QString("kunde%1@example.fr").arg(i))
              << zelle(QString("%1.%2.2015").arg(1 + i % 28, 2, 10, QChar('0')).arg(1 + i % 12, 2, 10, QChar('0')))
              << zelle(QString("Remarque %1").arg(i))
              << "<table:table-cell table:number-columns-repeated=\"1006\"/></table:table-row>\n";
        }
        o << "<table:table-row table:number-rows-repeated=\"1043575\"><table:table-cell "
             "table:number-columns-repeated=\"1024\"/></table:table-row></table:table></office:spreadsheet>"
             "</office:body></office:document-content>";
    });
    zip.abschliessen();
}

int odsKind(const QString& datei)
{
    const long hwmVorher = vmHwmKb();
    const long rssVorher = maxRssKb();
    qint64 zellen = 0;
    int zeilen = 0;
    const double ms = millis([&] {
        std::unique_ptr<QStandardItemModel> m(readODS(datei));
        zeilen = m->rowCount();
        zellen = qint64(zeilen + 1) * m->columnCount();
    });
    const long hwm = vmHwmKb() - hwmVorher;
    const long rss = maxRssKb() - rssVorher;
    std::printf("readODS %d rows, %lld cells: %.1f ms; peak memory +%ld kB VmHWM, +%ld kB ru_maxrss: "
                "%.0f bytes per cell\n",
                zeilen, zellen, ms, hwm, rss, zellen ? qMax(hwm, rss) * 1024.0 / zellen : 0.0);
    return 0;
}

void kundenImport(const QString& datei, const QString& dbDatei)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
        db.setDatabaseName(dbDatei);
        db.open();
        SqlKundenStore kunden(nullptr);
        kunden.createTable();
        // The customer list of the main window, re-selected on every storeChanged().
        std::unique_ptr<QSqlTableModel> liste(kunden.filterModel(0, QString()));
        int signale = 0;
        QObject::connect(&kunden, &SqlKundenStore::storeChanged, [&signale] { ++signale; });
        ImportBericht b;
        std::unique_ptr<QStandardItemModel> tabelle;
        const double cpu0 = cpuMs();
        const double lesen = millis([&] { tabelle.reset(readODS(datei)); });
        const double cpu1 = cpuMs();
        const double speichern = millis([&] { b = TabellenImport::kundenVDA(tabelle.get(), &kunden); });
        const double cpu2 = cpuMs();
        std::printf("Vendora customer import: %s in %.0f ms (processor %.0f ms): readODS %.0f ms (%.0f), "
                    "import %.0f ms (%.0f); %d storeChanged signals\n",
                    qPrintable(b.statusText()), lesen + speichern, cpu2 - cpu0, lesen, cpu1 - cpu0, speichern,
                    cpu2 - cpu1, signale);
    }
    QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QString(argv[1]) == "ods")
        return odsKind(argv[2]);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const int zeilen = argc > 1 ? QString(argv[1]).toInt() : 5000;
    const QString datei = dir.filePath("kunden.ods");
    kundenblatt(datei, zeilen);
    std::printf("customer sheet: %d rows x 18 columns, %lld bytes\n", zeilen, QFileInfo(datei).size());

    // First, while this process is small: the child starts from a small peak.
    QProcess kind;
    kind.setProcessChannelMode(QProcess::ForwardedChannels);
    kind.start(QCoreApplication::applicationFilePath(), {"ods", datei});
    kind.waitForFinished(-1);

    kundenImport(datei, dir.filePath("belegwerk.db"));
    return 0;
}
