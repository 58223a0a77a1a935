// XML export and import of the store benchmark's 50,000 orders, each against
// writing or reading the same orders as plain CSV in the same run, and readODS
// of a 100,000-row sheet written by LibreOffice with its peak memory.
//   bench_austausch [orders] [rows]   everything (orders 0: the sheet alone, rows 0: no sheet); readODS runs
//                                     in a child process
//   bench_austausch ods <file>        readODS alone (the child)
#include "bench/support/benchdatenbank.h"
#include "bench/support/benchstores.h"
#include "bench/support/messung.h"
#include "exchange/importbericht.h"
#include "exchange/odsleser.h"
#include "exchange/xmlaustausch.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardItemModel>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextStream>
#include <QUrl>
#include <QXmlStreamReader>

#include <sys/resource.h>

#include <ctime>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

using BenchMessung::millis;
using BenchMessung::vmHwmKb;

long peakKb()
{
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}


// Processor time of this process in milliseconds: on a machine shared with other
// work, wall time says more about the others than about the import.
double cpuMillis()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

void zeige(const char* was, double xml, double csv)
{
    std::printf("%-40s %9.1f ms   CSV %9.1f ms   ratio %5.2f\n", was, xml, csv, csv > 0 ? xml / csv : 0.0);
}

QString feld(const QString& s)
{
    return QLatin1Char('"') + QString(s).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// The same orders as CSV: one "A" line per order with its customer, one "Z" line per order line.
bool schreibeCsv(const QList<Auftrag>& liste, const QString& datei)
{
    QSaveFile f(datei);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QTextStream out(&f);
    for (const Auftrag& a : liste) {
        const Kunde& k = a.Kunde;
        out << "A;" << a.AuftragsNr << ';' << a.BestellNr << ';' << a.Dienst << ';'
            << QString::number(a.Summe, 'g', 17) << ';' << a.Status << ';' << a.Zahlung << ';' << a.Typ << ';'
            << a.Eingang.toString(Qt::ISODate) << ';' << a.Lieferung.toString(Qt::ISODate) << ';'
            << feld(a.Komentar) << ';' << k.Nr << ';' << k.Typ;
        for (const QString* s : {&k.Name, &k.Firma, &k.Strasse, &k.PLZ, &k.Ort, &k.Land, &k.Email, &k.Tel,
                                 &k.Tel2, &k.Fax, &k.Steuernummer, &k.IBAN, &k.BIC, &k.Bemerkung})
            out << ';' << feld(*s);
        out << '\n';
        for (const AuftragsLine& l : a.Zeilen)
            out << "Z;" << l.Anzahl << ';' << feld(l.ProduktNr) << ';' << feld(l.Produkt) << ';'
                << QString::number(l.Preis, 'g', 17) << ';' << feld(l.Komentar) << '\n';
    }
    out.flush();
    return f.commit();
}

QStringList csvFelder(const QString& zeile)
{
    QStringList felder;
    QString f;
    bool quote = false;
    for (int i = 0; i < zeile.size(); ++i) {
        const QChar c = zeile.at(i);
        if (quote && c == QLatin1Char('"') && i + 1 < zeile.size() && zeile.at(i + 1) == QLatin1Char('"')) {
            f += c;
            ++i;
        } else if (c == QLatin1Char('"')) {
            quote = !quote;
        } else if (c == QLatin1Char(';') && !quote) {
            felder << f;
            f.clear();
        } else {
            f += c;
        }
    }
    return felder << f;
}

QList<Auftrag> leseCsv(const QString& datei)
{
    QList<Auftrag> liste;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return liste;
    QTextStream in(&f);
    QString zeile;
    while (in.readLineInto(&zeile)) {
        const QStringList t = csvFelder(zeile);
        if (t.first() == QLatin1String("Z") && !liste.isEmpty() && t.size() >= 6) {
            liste.last().Zeilen.append({t[1].toDouble(), t[3], t[2], t[5], t[4].toDouble()});
            continue;
        }
        if (t.size() < 27)
            continue;
        Auftrag a;
        a.AuftragsNr = t[1].toInt();
        a.BestellNr = t[2];
        a.Dienst = t[3].toInt();
        a.Summe = t[4].toDouble();
        a.Status = t[5].toInt();
        a.Zahlung = t[6].toInt();
        a.Typ = t[7].toInt();
        a.Eingang = QDateTime::fromString(t[8], Qt::ISODate);
        a.Lieferung = QDateTime::fromString(t[9], Qt::ISODate);
        a.Komentar = t[10];
        Kunde& k = a.Kunde;
        k.Nr = t[11].toInt();
        k.Typ = t[12].toInt();
        int i = 13;
        for (QString* s : {&k.Name, &k.Firma, &k.Strasse, &k.PLZ, &k.Ort, &k.Land, &k.Email, &k.Tel, &k.Tel2,
                           &k.Fax, &k.Steuernummer, &k.IBAN, &k.BIC, &k.Bemerkung})
            *s = t[i++];
        liste.append(a);
    }
    return liste;
}

struct LeereDatenbank
{
    BenchDatenbank bank;
    SqlKundenStore kunden{nullptr};
    SqlAuftragsStore auftraege{nullptr};
    LeereDatenbank()
    {
        kunden.createTable();
        auftraege.createTables();
    }
};

int odsKind(const QString& datei)
{
    const long vorher = vmHwmKb();
    int zeilen = 0;
    const double ms = millis([&] {
        std::unique_ptr<QStandardItemModel> m(readODS(datei));
        zeilen = m->rowCount();
    });
    const long nachher = vmHwmKb();
    std::printf("readODS %d rows: %.1f ms, peak memory %ld kB (VmHWM; %ld kB before reading, %.0f bytes "
                "per row; getrusage ru_maxrss %ld kB)\n",
                zeilen, ms, nachher, vorher, zeilen ? (nachher - vorher) * 1024.0 / zeilen : 0.0, peakKb());
    return 0;
}

void ods(int zeilen, const QString& dir)
{
    const QString csv = dir + "/sheet.csv";
    {
        QFile f(csv);
        f.open(QIODevice::WriteOnly);
        QTextStream out(&f);
        out << "Firma,Nr,Typ,Name,Strasse,Zusatz,G,PLZ,Ort,Land,Steuernummer,L,Tel2,Tel,Fax,Email,Seit,Bemerkung\n";
        for (int i = 0; i < zeilen; ++i)
            out << "\"Société " << i << "  SARL\"," << i + 1 << ',' << i % 4 << ",Nom " << i << ",\"" << i % 200
                << " rue de la Gare\",,," << 10000 + i % 89999 << ",Lyon,FR,FR" << i << ",,03 " << i << ",04 " << i
                << ",,kunde" << i << "@example.fr," << QString("%1.%2.20%3").arg(1 + i % 28, 2, 10, QChar('0'))
                       .arg(1 + i % 12, 2, 10, QChar('0')).arg(10 + i % 15)
                << ",Remarque " << i << '\n';
    }
    QProcess p;
    const double konvert = millis([&] {
        p.start("soffice", {"-env:UserInstallation=" + QUrl::fromLocalFile(dir + "/lo").toString(), "--headless",
                            "--norestore", "--convert-to", "ods", "--outdir", dir, csv});
        p.waitForFinished(-1);
    });
    const QString datei = dir + "/sheet.ods";
    std::printf("LibreOffice wrote %d rows x 18 columns as ODS (%lld bytes) in %.0f ms\n", zeilen,
                QFileInfo(datei).size(), konvert);
    double csvMs = millis([&] {
        QFile f(csv);
        f.open(QIODevice::ReadOnly);
        QTextStream in(&f);
        QStandardItemModel m;
        QString zeile;
        while (in.readLineInto(&zeile)) {
            QList<QStandardItem*> items;
            for (const QString& t : zeile.split(QLatin1Char(',')))
                items << new QStandardItem(t);
            m.appendRow(items);
        }
    });
    QProcess kind;
    kind.setProcessChannelMode(QProcess::ForwardedChannels);
    const double odsMs = millis([&] {
        kind.start(QCoreApplication::applicationFilePath(), {"ods", datei});
        kind.waitForFinished(-1);
    });
    zeige("readODS (child process, incl. start)", odsMs, csvMs);
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && QString(argv[1]) == "ods")
        return odsKind(argv[2]);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    BenchDatenbank::Umfang umfang;
    if (argc > 1)
        umfang.auftraege = QString(argv[1]).toInt();
    const int odsZeilen = argc > 2 ? QString(argv[2]).toInt() : 100000;
    const QString xml = dir.filePath("auftragsdaten.xml");
    const QString csv = dir.filePath("auftragsdaten.csv");
    const QDateTime von(QDate(1900, 1, 1), QTime(0, 0));
    // First, while this process is small: the child inherits its peak figure.
    if (odsZeilen > 0)
        ods(odsZeilen, dir.path());
    if (umfang.auftraege == 0)
        return 0;  // "bench_austausch 0": the sheet alone

    {
        BenchDatenbank bank;
        BenchStores stores;
        std::printf("building %d customers, %d products, %d orders ...\n", umfang.kunden, umfang.produkte,
                    umfang.auftraege);
        const double fuellen = bank.fuelle(stores, umfang);
        std::printf("addAuftrag while building: %.3f ms per order\n", fuellen / umfang.auftraege);
        XmlAustausch austausch(&stores.kunden, &stores.auftraege);
        int n = 0;
        const double x = millis([&] { n = austausch.exportAuftraege(xml); });
        const auto alle = [&] { return stores.auftraege.getAuftraege(von, QDateTime::currentDateTime()); };
        const double c = millis([&] { schreibeCsv(alle(), csv); });
        const double lesen = millis(alle);
        std::printf("%d orders; XML %lld bytes, CSV %lld bytes; reading them from the store alone %.1f ms\n", n,
                    QFileInfo(xml).size(), QFileInfo(csv).size(), lesen);
        zeige("export (store + file)", x, c);
    }

    QList<Auftrag> ausXml;
    QList<Auftrag> ausCsv;
    const double px = millis([&] {
        QFile f(xml);
        f.open(QIODevice::ReadOnly);
        QXmlStreamReader r(&f);
        ausXml = XmlAustausch::leseAuftraege(r);
    });
    const double pc = millis([&] { ausCsv = leseCsv(csv); });
    std::printf("parsed %lld orders from XML, %lld from CSV\n", qint64(ausXml.size()), qint64(ausCsv.size()));
    zeige("import, parsing only", px, pc);

    double ix = 0;
    double ic = 0;
    {
        // As the import stored before: a transaction, a number check and a list refresh per order.
        LeereDatenbank leer;
        int gespeichert = 0;
        const double cpu = cpuMillis();
        const double einzeln = millis([&] {
            QFile f(xml);
            f.open(QIODevice::ReadOnly);
            QXmlStreamReader r(&f);
            for (Auftrag& a : XmlAustausch::leseAuftraege(r)) {
                a.Nr = 0;
                if (!(a.AuftragsNr > 0 && leer.auftraege.nummerVergeben(a)) && leer.auftraege.addAuftrag(a))
                    ++gespeichert;
            }
        });
        std::printf("XML import order by order (before): %d orders stored in %.1f ms (processor %.1f ms)\n",
                    gespeichert, einzeln, cpuMillis() - cpu);
    }
    {
        LeereDatenbank leer;
        XmlAustausch austausch(&leer.kunden, &leer.auftraege);
        ImportBericht b;
        qint64 meldungen = 0;
        const double cpu = cpuMillis();
        ix = millis([&] {
            b = austausch.importAuftraege(xml, [&](qint64, qint64) { return ++meldungen > 0; });
        });
        std::printf("XML import in one transaction (after): %s, %.1f ms (processor %.1f ms), %lld progress calls\n",
                    qPrintable(b.statusText()), ix, cpuMillis() - cpu, meldungen);
    }
    {
        LeereDatenbank leer;
        ic = millis([&] {
            for (Auftrag& a : leseCsv(csv))
                if (!leer.auftraege.addAuftrag(a))
                    qFatal("an imported order was not stored");
        });
    }
    zeige("import into an empty database", ix, ic);
    return 0;
}
