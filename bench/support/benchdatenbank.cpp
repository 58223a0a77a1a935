#include "bench/support/benchdatenbank.h"

#include "bench/support/benchstores.h"
#include "records/codetabellen.h"
#include "tests/support/pgserver.h"

#include <QElapsedTimer>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <random>

BenchDatenbank::BenchDatenbank(bool eigeneDatei)
{
    if (!eigeneDatei)
        return;
    m_datei = m_dir.filePath("bench.db");
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
    db.setDatabaseName(m_datei);
    if (!db.open())
        qFatal("no database in %s", qPrintable(m_datei));
    QSqlQuery q(db);
    q.exec("PRAGMA synchronous=OFF");
    q.exec("PRAGMA journal_mode=MEMORY");
}

BenchDatenbank::BenchDatenbank(const PgServer& server, const QString& name)
{
    QSqlDatabase db = QSqlDatabase::addDatabase("QPSQL");
    db.setHostName(server.host());
    db.setPort(server.port());
    db.setUserName(PgServer::benutzer());
    db.setDatabaseName(name);
    if (!db.open())
        qFatal("no connection to %s", qPrintable(name));
}

BenchDatenbank::~BenchDatenbank()
{
    QSqlDatabase::database().close();
}

double BenchDatenbank::fuelle(BenchStores& stores, const Umfang& umfang)
{
    std::mt19937 zufall(4711);
    auto bis = [&zufall](int n) { return int(zufall() % unsigned(n)); };
    static const QStringList namen = {"Martin", "Bernard", "Dubois", "Thomas", "Robert",
                                      "Richard", "Petit", "Durand", "Leroy", "Moreau",
                                      "Simon", "Laurent", "Lefebvre", "Michel", "Garcia"};
    static const QStringList orte = {"Lyon", "Paris", "Strasbourg", "Metz", "Nancy", "Lille"};

    QList<Kunde> alleKunden;
    for (int i = 0; i < umfang.kunden; ++i) {
        Kunde k;
        k.Name = namen.at(bis(namen.size())) + QString(" %1").arg(i);
        k.Firma = i % 3 == 0 ? QString("Société %1").arg(i) : QString();
        k.Strasse = QString("%1 rue de la Gare").arg(1 + bis(200));
        k.Ort = orte.at(bis(orte.size()));
        k.PLZ = QString::number(10000 + bis(89999));
        k.Tel = QString("03 %1").arg(10000000 + bis(89999999));
        k.Email = QString("kunde%1@example.fr").arg(i);
        k.Typ = bis(4);
        k.Seit = umfang.beginn.addDays(bis(3650));
        if (!stores.kunden.addKunde(k))
            qFatal("customer %d was not stored", i);
        alleKunden.append(k);
    }

    QList<Produkt> alleProdukte;
    for (int i = 0; i < umfang.produkte; ++i) {
        Produkt p(QString("P%1").arg(i, 4, 10, QChar('0')), QString("Produit %1").arg(i),
                  5.0 + bis(50000) / 100.0);
        p.Typ = i % 5 == 0 ? ProduktTyp::Dienstleistung : ProduktTyp::Waren;
        if (!stores.produkte.addProdukt(p))
            qFatal("product %d was not stored", i);
        alleProdukte.append(p);
    }

    const qint64 sekunden = qint64(umfang.jahre) * 365 * 24 * 3600;
    const QDateTime beginn(umfang.beginn, QTime(8, 0));
    double ms = 0.0;
    QElapsedTimer uhr;
    for (int i = 0; i < umfang.auftraege; ++i) {
        Auftrag a;
        // One customer in fifty orders is the big customer number 1.
        a.Kunde = bis(50) == 0 ? alleKunden.first() : alleKunden.at(bis(alleKunden.size()));
        a.Typ = bis(10) < 7 ? Auftragsart::Rechnung : bis(4);
        a.Dienst = bis(5) == 0 ? Auftrag::Schulung : Auftrag::Produkte;
        a.Zahlung = bis(6);
        a.Eingang = beginn.addSecs(qint64(i) * sekunden / umfang.auftraege);
        a.Lieferung = a.Eingang.addDays(3);
        a.BestellNr = QString::number(bis(100000));
        const int zeilen = 1 + bis(10);
        for (int z = 0; z < zeilen; ++z) {
            const Produkt& p = alleProdukte.at(bis(alleProdukte.size()));
            AuftragsLine l;
            l.Anzahl = 1 + bis(5);
            l.Produkt = p.Name;
            l.ProduktNr = p.Nr;
            l.Preis = l.Anzahl * p.Preis;
            a.Zeilen.append(l);
        }
        uhr.start();
        const bool gespeichert = stores.auftraege.addAuftrag(a);
        ms += uhr.nsecsElapsed() / 1e6;
        // Figures of a half-filled database would mislead.
        if (!gespeichert)
            qFatal("order %d was not stored", i);
    }
    return ms;
}
