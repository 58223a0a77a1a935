// Exports a list of 100,000 rows x 18 columns (texts, money, dates, codes) and
// prints seconds, file size and peak memory. Each format runs in a process of
// its own so the peak figure belongs to that format alone:
//   bench_export            runs all four formats, each in a child process
//   bench_export <format>   runs one of csv, xls, ods, xlsx
#include "bench/support/messung.h"
#include "exchange/tabellenexport.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

// Values computed on request, like a table model over a query, so the model
// itself costs no memory worth measuring.
class ListenModell : public QAbstractTableModel
{
public:
    int rowCount(const QModelIndex& = QModelIndex()) const override { return 100000; }
    int columnCount(const QModelIndex& = QModelIndex()) const override { return 18; }
    QVariant headerData(int section, Qt::Orientation o, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        return o == Qt::Horizontal ? QVariant(QStringLiteral("Spalte %1").arg(section))
                                   : QVariant(section + 1);
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return QVariant();
        const int r = index.row();
        switch (index.column() % 6) {
        case 0: return QStringLiteral("Kunde %1 & Söhne <%2>").arg(r).arg(r % 97);
        case 1: return r * 1.37 + index.column();
        case 2: return QDateTime(QDate(2020, 1, 1).addDays(r % 1500), QTime(r % 24, r % 60));
        case 3: return r % 7;
        case 4: return QStringLiteral("%1,50").arg(r % 1000);
        default: return QDate(2021, 1, 1).addDays(r % 900);
        }
    }
};


int einFormat(const QString& format)
{
    QTemporaryDir dir;
    const QString datei = dir.filePath("bench." + format);
    ListenModell model;
    const long vorher = BenchMessung::vmHwmKb();
    QElapsedTimer t;
    t.start();
    bool ok = false;
    if (format == "csv")
        ok = exportCSV(&model, datei);
    else if (format == "xls")
        ok = exportXLS(&model, datei);
    else if (format == "ods")
        ok = exportODS(&model, datei);
    else if (format == "xlsx")
        ok = exportXLSX(&model, datei);
    const double sekunden = t.nsecsElapsed() / 1e9;
    std::printf("%-5s %s %8.2f s  file %8.1f MB  peak %7.1f MB (before %5.1f MB)\n",
                qPrintable(format), ok ? "ok    " : "FAILED", sekunden,
                QFileInfo(datei).size() / 1048576.0, BenchMessung::vmHwmKb() / 1024.0, vorher / 1024.0);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1)
        return einFormat(args.at(1));
    int fehler = 0;
    for (const QString f : {"csv", "xls", "ods", "xlsx"}) {
        QProcess p;
        p.setProcessChannelMode(QProcess::ForwardedChannels);
        p.start(app.applicationFilePath(), {f});
        p.waitForFinished(-1);
        fehler += p.exitCode();
    }
    return fehler;
}
