#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "tests/support/testumgebung.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QtTest>

// The tables the stores create, on a new database and on an existing one.
class TestSchema : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;

    static void starte()
    {
        SqlProduktStore produkte(nullptr);
        SqlKundenStore kunden(nullptr);
        SqlAuftragsStore auftraege(nullptr);
        produkte.createTable();
        kunden.createTable();
        auftraege.createTables();
    }

    static QStringList spalten(const QString& tabelle)
    {
        const QSqlRecord r = QSqlDatabase::database().record(tabelle);
        QStringList namen;
        for (int i = 0; i < r.count(); ++i)
            namen << r.fieldName(i);
        return namen;
    }

    static QStringList indizes()
    {
        QSqlQuery q("select name from sqlite_master where type='index' and name not like 'sqlite_%'");
        QStringList namen;
        while (q.next())
            namen << q.value(0).toString();
        namen.sort();
        return namen;
    }

private slots:
    void newDatabase()
    {
        env.neueDatenbank();
        starte();
        QCOMPARE(spalten("auftrag"),
                 QString("Nr AuftragsNr KundenNr Firma Name Strasse PLZ Ort Bemerkung Summe Eingang "
                         "Lieferung Status Typ Zahlung BestellNr Dienst Komentar Version")
                     .split(' '));
        QCOMPARE(spalten("produkte"), QString("Nr Name Preis Desc Typ").split(' '));
        QCOMPARE(spalten("kunden"),
                 QString("Nr Firma Name Strasse Ort Email Tel Tel2 Fax PLZ Bemerkung Typ IBAN BIC "
                         "Steuernummer Seit Land Version")
                     .split(' '));
        QCOMPARE(spalten("auftragslines"),
                 QString("Nr Auftrag Anzahl ProduktNr Produkt Preis Komentar").split(' '));
        QCOMPARE(spalten("auftragskunden").first(), QString("AuftragsNr"));
        QCOMPARE(spalten("auftragskunden").last(), QString("Land"));
        QVERIFY(indizes().contains("auftragslines_auftrag"));
        QVERIFY(indizes().contains("auftrag_eingang"));
        QVERIFY(indizes().contains("auftrag_kundennr"));
        QVERIFY(indizes().contains("auftrag_auftragsnr"));
    }

    void secondStartIsHarmless()
    {
        env.neueDatenbank();
        starte();
        {
            SqlKundenStore kunden(nullptr);
            SqlAuftragsStore auftraege(nullptr);
            Kunde k;
            k.Name = "Meier";
            k.Land = "Belgique";
            QVERIFY(kunden.addKunde(k));
            Auftrag a;
            a.Kunde = k;
            a.Komentar = "bleibt";
            QVERIFY(auftraege.addAuftrag(a));
        }
        const QStringList vorher = {spalten("kunden").join(','), spalten("auftrag").join(','),
                                    spalten("auftragskunden").join(','), indizes().join(',')};
        starte();
        starte();
        QCOMPARE((QStringList{spalten("kunden").join(','), spalten("auftrag").join(','),
                              spalten("auftragskunden").join(','), indizes().join(',')}),
                 vorher);

        SqlKundenStore kunden(nullptr);
        SqlAuftragsStore auftraege(nullptr);
        QCOMPARE(kunden.getKunde(1).Land, QString("Belgique"));
        QCOMPARE(auftraege.getAuftrag(1).Komentar, QString("bleibt"));
        QCOMPARE(auftraege.getAuftrag(1).Kunde.Land, QString("Belgique"));
    }

    void modelsOfFreshDatabaseShowTheTables()
    {
        // The stores exist before their tables on a new database; their
        // models must still show the tables once created.
        env.neueDatenbank();
        SqlKundenStore kunden(nullptr);
        kunden.createTable();
        Kunde k;
        k.Name = "Neu";
        QVERIFY(kunden.addKunde(k));
        QCOMPARE(kunden.model()->rowCount(), 1);
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
