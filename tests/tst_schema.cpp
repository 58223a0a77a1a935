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
        SqlProduktStore(nullptr).createTable();
        SqlKundenStore(nullptr).createTable();
        SqlAuftragsStore(nullptr).createTables();
    }

    // Columns of every table and the indexes, as one text.
    static QString schema()
    {
        QStringList teile;
        for (const char* t : {"kunden", "produkte", "auftrag", "auftragslines", "auftragskunden"}) {
            const QSqlRecord r = QSqlDatabase::database().record(t);
            QStringList namen;
            for (int i = 0; i < r.count(); ++i)
                namen << r.fieldName(i);
            teile << QString(t) + ": " + namen.join(' ');
        }
        QSqlQuery q(Testumgebung::postgres()
                        ? "select indexname from pg_indexes where schemaname='public' and "
                          "indexname not like '%_pkey' order by 1"
                        : "select name from sqlite_master where type='index' and name not like "
                          "'sqlite_%' order by 1");
        while (q.next())
            teile << q.value(0).toString();
        return teile.join('\n');
    }

private slots:
    void newDatabaseAndSecondStart()
    {
        env.neueDatenbank();
        // The stores exist before their tables on a new database; their
        // models must still show the tables once created.
        SqlKundenStore kunden(nullptr);
        SqlAuftragsStore auftraege(nullptr);
        kunden.createTable();
        starte();
        const QString s = schema();
        QCOMPARE(s.section('\n', 0, 4),
                 QString("kunden: Nr Firma Name Strasse Ort Email Tel Tel2 Fax PLZ Bemerkung Typ IBAN "
                         "BIC Steuernummer Seit Land Version\n"
                         "produkte: Nr Name Preis Desc Typ\n"
                         "auftrag: Nr AuftragsNr KundenNr Firma Name Strasse PLZ Ort Bemerkung Summe "
                         "Eingang Lieferung Status Typ Zahlung BestellNr Dienst Komentar Version\n"
                         "auftragslines: Nr Auftrag Anzahl ProduktNr Produkt Preis Komentar\n"
                         "auftragskunden: AuftragsNr Nr Firma Name Strasse Ort Email Tel Tel2 Fax "
                         "PLZ Bemerkung Typ IBAN BIC Steuernummer Seit Land"));
        for (const char* index : {"auftragslines_auftrag", "auftrag_eingang", "auftrag_kundennr",
                                  "auftrag_art_eindeutig", "auftrag_rechnung_eindeutig"})
            QVERIFY2(s.contains(index), index);

        Kunde k;
        k.Land = "Belgique";
        QVERIFY(kunden.addKunde(k));
        QCOMPARE(kunden.model()->rowCount(), 1);
        Auftrag a;
        a.Kunde = k;
        a.Komentar = "bleibt";
        QVERIFY(auftraege.addAuftrag(a));
        starte();
        starte();
        QCOMPARE(schema(), s);
        const Auftrag r = auftraege.getAuftrag(1);
        QCOMPARE(QStringList({kunden.getKunde(1).Land, r.Komentar, r.Kunde.Land}),
                 QStringList({"Belgique", "bleibt", "Belgique"}));
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
