#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "tests/support/testumgebung.h"

#include <QtSql>
#include <QtTest>

#include <memory>

class TestKundenStore : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    std::unique_ptr<SqlKundenStore> store;

    static Kunde neuerKunde(const QString& name, const QString& firma = {}, int typ = 0)
    {
        Kunde k;
        k.Name = name;
        k.Firma = firma;
        k.Typ = typ;
        k.PLZ = "69001";
        int i = 0;
        for (QString* f : {&k.Strasse, &k.Ort, &k.Tel, &k.Tel2, &k.Fax, &k.Email, &k.Land, &k.Bemerkung,
                           &k.IBAN, &k.BIC, &k.Steuernummer})
            *f = name + QString::number(++i);
        return k;
    }

    static QStringList felder(const Kunde& k)
    {
        return {QString::number(k.Nr), k.Firma, k.Name, k.Strasse, k.Ort, k.Tel, k.Tel2, k.Fax,
                k.Email, k.PLZ, k.Land, k.Bemerkung, k.IBAN, k.BIC, k.Steuernummer,
                QString::number(k.Typ), k.Seit.toString(Qt::ISODate)};
    }

    static QStringList namen(const QList<Kunde>& liste)
    {
        QStringList n;
        for (const Kunde& k : liste)
            n << k.Name;
        n.sort();
        return n;
    }

private slots:
    void init()
    {
        const QString name = env.neueDatenbank();
        if (Testumgebung::postgres()) {
            // As with MySQL's default, a backslash escapes in literals.
            QSqlQuery().exec("alter database " + name + " set standard_conforming_strings = off");
            QSqlDatabase::database().close();
            QSqlDatabase::database().open();
        }
        store.reset(new SqlKundenStore(nullptr));
        store->createTable();
        SqlProduktStore(nullptr).createTable();
    }

    void writesNumbersAndRoundTrips()
    {
        QSignalSpy changed(store.get(), &SqlKundenStore::storeChanged);
        std::unique_ptr<QSqlTableModel> alle(store->filterModel(0, ""));
        delete store->filterModel(0, "M");  // dropped from the refresh list at the next write
        Kunde a = neuerKunde("Meier", "ACME", 2);
        a.Seit = QDate(2011, 3, 2);
        QVERIFY(store->addKunde(a));
        QCOMPARE(felder(store->getKunde(1)), felder(a));
        Kunde c = neuerKunde("Weber");
        c.Nr = 40;
        QVERIFY(store->addKunde(c));
        Kunde b = neuerKunde("Huber");
        QVERIFY(store->addKunde(b));
        QVERIFY(b.Nr != 1 && b.Nr != 40);
        QCOMPARE(store->getKunde(b.Nr).Seit, QDate::currentDate());
        Kunde doppelt = neuerKunde("Doppelt");
        doppelt.Nr = 40;
        QVERIFY(!store->addKunde(doppelt));
        QCOMPARE(store->getKunde(40).Name, QString("Weber"));
        QCOMPARE(alle->rowCount(), 3);

        a.Seit = QDate(1999, 1, 1);
        a.Name = "Meier-Huber";
        a.Land = "Suisse";
        QVERIFY(store->saveKunde(a));
        const Kunde r = store->getKunde(a.Nr);
        QCOMPARE(QVariantList({r.Name, r.Land, r.Seit}),
                 QVariantList({"Meier-Huber", "Suisse", QDate(2011, 3, 2)}));  // a write keeps Seit
        a.Nr = 0;
        QVERIFY(!store->saveKunde(a));
        QVERIFY(store->delKunde(1));
        QCOMPARE(changed.count(), 3 + 2);
        QCOMPARE(namen(store->getKunden()), (QStringList{"Huber", "Weber"}));
        QCOMPARE(alle->rowCount(), 2);
    }

    // The customer list filter: a type (0 = all) and the start of Name or Firma.
    void filterModels_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("muster");
        QTest::addColumn<QStringList>("gefunden");
        QTest::newRow("all") << 0 << "" << QStringList{"Meier", "Merz", "O'Brien", "Schulz", "Weber"};
        QTest::newRow("type Kunde2") << 2 << "" << QStringList{"Merz", "Weber"};
        QTest::newRow("type Kunde2, Me") << 2 << "Me" << QStringList{"Merz"};
        QTest::newRow("Me in name") << 0 << "Me" << QStringList{"Meier", "Merz"};
        QTest::newRow("firma") << 0 << "Schu" << QStringList{"Schulz", "Weber"};
        QTest::newRow("quote") << 0 << "O'Brien" << QStringList{"O'Brien"};
        QTest::newRow("widening") << 0 << "x' or '1'='1" << QStringList{};
        QTest::newRow("widening with type") << 1 << "x%' or Typ=1 or Name like '" << QStringList{};
        QTest::newRow("backslash before quote") << 0 << "\\' or 1=1 --" << QStringList{};
        QTest::newRow("percent keeps meaning") << 0 << "M%z" << QStringList{"Merz"};
    }

    void filterModels()
    {
        QFETCH(int, typ);
        QFETCH(QString, muster);
        const struct { const char* name; const char* firma; int typ; } daten[] = {
            {"Meier", "", 0}, {"Merz", "", 1}, {"O'Brien", "", 0}, {"Schulz", "", 3},
            {"Weber", "Schuhhaus Weber", 1}};
        for (const auto& d : daten) {
            Kunde k = neuerKunde(d.name, d.firma, d.typ);
            QVERIFY(store->addKunde(k));
        }
        std::unique_ptr<QSqlTableModel> m(store->filterModel(typ, muster));
        QList<Kunde> liste;
        for (int row = 0; row < m->rowCount(); ++row)
            liste << store->getKunde(m->index(row, 0).data().toInt());
        QTEST(namen(liste), "gefunden");
    }

    void products()
    {
        SqlProduktStore produkte(nullptr);
        QSignalSpy changed(&produkte, &SqlProduktStore::storeChanged);
        Produkt p("K-1", "Kabel", 2.5);
        p.Desc = "3 m";
        QVERIFY(produkte.addProdukt(p));
        QVERIFY(produkte.addProdukt(Produkt("S-1", "Stecker", 1.0)));
        QVERIFY(!produkte.addProdukt(Produkt("K-1", "Stecker", 9.0)));  // number exists
        // By name: whole, with wildcards, whatever the case.
        QStringList nrs;
        for (const char* muster : {"Kabel", "Kab", "Kab%", "kabel"})
            nrs << produkte.getProduktByName(muster).Nr;
        QCOMPARE(nrs, (QStringList{"K-1", "", "K-1", "K-1"}));

        p.Preis = 0.1 + 0.2;  // stored unrounded
        p.Typ = 2;
        QVERIFY(produkte.saveProdukt(p));
        const Produkt r = produkte.getProdukt("K-1");
        QCOMPARE(QVariantList({r.Name, r.Desc, r.Preis, r.Typ}),
                 QVariantList({"Kabel", "3 m", 0.1 + 0.2, 2}));
        std::unique_ptr<QSqlTableModel> waren(produkte.filterModel(1));  // goods; K-1 is type 2
        QCOMPARE(QList<int>({waren->rowCount(), int(changed.count())}), QList<int>({1, 3}));
        QVERIFY(produkte.delProdukt("K-1"));
        QCOMPARE(QStringList({produkte.getProdukt("K-1").Nr, produkte.getProdukt("S-1").Nr}),
                 QStringList({"", "S-1"}));
        QCOMPARE(changed.count(), 4);
    }
};

QTEST_GUILESS_MAIN(TestKundenStore)
#include "tst_kundenstore.moc"
