#ifndef BENCHDATENBANK_H
#define BENCHDATENBANK_H

#include <QDate>
#include <QString>
#include <QTemporaryDir>

class PgServer;
struct BenchStores;

// A realistic database for the benchmarks, in a temporary file: customers,
// products and orders of all kinds with 1 to 10 lines, spread over ten years,
// all stored through the stores. Customer 1 has far more orders than the rest.
class BenchDatenbank
{
public:
    struct Umfang
    {
        int kunden = 5000;
        int produkte = 500;
        int auftraege = 50000;
        QDate beginn = QDate(2016, 1, 1);
        int jahre = 10;
    };

    // Opens the default connection on a new file. Durability is switched off
    // for speed: this database is thrown away after the run. With eigeneDatei
    // false the default connection opened by the caller is used instead.
    explicit BenchDatenbank(bool eigeneDatei = true);
    // Opens the default connection on the database name of server.
    BenchDatenbank(const PgServer& server, const QString& name);
    ~BenchDatenbank();

    // Fills the database through stores; returns the milliseconds spent in addAuftrag.
    double fuelle(BenchStores& stores, const Umfang& umfang);

    QString datei() const { return m_datei; }

private:
    QTemporaryDir m_dir;
    QString m_datei;
};

#endif
