#include "store/sqlkundenstore.h"
#include "tests/support/testumgebung.h"

#include <QtSql>
#include <QtTest>

#include <memory>
#include <tuple>

class TestKundenStore : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    std::unique_ptr<SqlKundenStore> store;

    static Kunde neuerKunde(const QString& name, const QString& firma = {}, int typ = 0)
    {
        Kunde k;
        std::tie(k.Name, k.Firma, k.Typ, k.PLZ) = std::make_tuple(name, firma, typ, "69001");
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

private slots:
    void init()
    {
        env.neueDatenbank();
        store.reset(new SqlKundenStore(nullptr));
        store->createTable();
    }

    // Many customers in one transaction: one the database refuses (its number is taken) costs only
    // itself, the lists hear of the change once, and a cancelled run leaves nothing.
    void addsManyInOneTransaction()
    {
        QSignalSpy changed(store.get(), &SqlKundenStore::storeChanged);
        Kunde vorhanden = neuerKunde("Weber");
        vorhanden.Nr = 40;
        QVERIFY(store->addKunde(vorhanden));
        QList<Kunde> kunden{neuerKunde("A"), neuerKunde("B"), neuerKunde("C")};
        kunden[1].Nr = 40;
        QList<bool> ok;
        QVERIFY(!store->addKunden(kunden, ok, [](qint64 erledigt, qint64 gesamt) { return erledigt < gesamt; }));
        QCOMPARE(QList<qsizetype>({store->getKunden().size(), changed.count(), kunden.at(0).Nr}),
                 QList<qsizetype>({1, 1, 0}));
        QVERIFY(store->addKunden(kunden, ok, [](qint64, qint64) { return true; }));
        QCOMPARE(ok, QList<bool>({true, false, true}));
        QCOMPARE(QVariantList({store->getKunden().size(), changed.count(), store->getKunde(kunden.at(2).Nr).Name}),
                 QVariantList({3, 2, "C"}));
    }

    void writesAndRoundTrips()
    {
        QSignalSpy changed(store.get(), &SqlKundenStore::storeChanged);
        std::unique_ptr<QSqlTableModel> alle(store->filterModel(0, ""));
        delete store->filterModel(0, "M");  // dropped from the refresh list at the next write
        Kunde a = neuerKunde("Meier", "ACME", 2);
        a.Seit = QDate(2011, 3, 2);
        QVERIFY(store->addKunde(a));
        QCOMPARE(felder(store->getKunde(1)), felder(a));
        Kunde b = neuerKunde("Huber");
        QVERIFY(store->addKunde(b));
        QCOMPARE(QVariantList({store->getKunde(b.Nr).Seit, alle->rowCount()}), QVariantList({QDate::currentDate(), 2}));

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
        QCOMPARE(QList<int>({int(changed.count()), int(store->getKunden().size()), store->getKunde(1).Nr,
                             alle->rowCount()}),
                 QList<int>({2 + 2, 1, 0, 1}));
    }

    // Numbers given in turn (0: a new customer) after rows stored by an older program.
    void numbersAtTheirLimits_data()
    {
        QTest::addColumn<QList<int>>("alt");
        QTest::addColumn<QList<int>>("nummern");
        QTest::addColumn<QList<int>>("vergeben");  // 0: refused
        QTest::newRow("largest int given") << QList<int>{} << QList<int>{2147483647, 0} << QList<int>{0, 1};
        QTest::newRow("negative given gets a new number") << QList<int>{} << QList<int>{-5, 0} << QList<int>{1, 2};
        QTest::newRow("next from numbers in range only")
            << QList<int>{2147483647, -5, 7} << QList<int>{0, 0} << QList<int>{8, 9};
        QTest::newRow("last number") << QList<int>{} << QList<int>{999999999, 0, 1000000000}
                                     << QList<int>{999999999, 0, 0};
    }

    void numbersAtTheirLimits()
    {
        QFETCH(QList<int>, alt);
        QFETCH(QList<int>, nummern);
        for (int nr : alt)
            QVERIFY(QSqlQuery().exec(QString("insert into kunden (\"Nr\", \"Name\") values (%1, 'alt')").arg(nr)));
        QList<int> vergeben;
        for (int nr : nummern) {
            Kunde k = neuerKunde("Neu");
            k.Nr = nr;
            const bool ok = store->addKunde(k);
            vergeben << (ok ? k.Nr : 0);
            QVERIFY(ok ? store->getKunde(k.Nr).Name == "Neu"
                       : k.Nr == nr && store->letzterFehler().art == Speicherfehler::Ungueltig);
        }
        QTEST(vergeben, "vergeben");
    }

    // The customer list filter: a type (0 = all) and the start of Name or Firma.
    void filterModels_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("muster");
        QTest::addColumn<QStringList>("gefunden");
        QTest::newRow("all") << 0 << "" << QStringList{"1%_\\x", "Meier", "Merz", "O'Brien", "Schulz", "Weber"};
        QTest::newRow("type Kunde2, Me") << 2 << "Me" << QStringList{"Merz"};
        QTest::newRow("Me in name") << 0 << "Me" << QStringList{"Meier", "Merz"};
        QTest::newRow("firma") << 0 << "Schu" << QStringList{"Schulz", "Weber"};
        QTest::newRow("quote") << 0 << "O'Brien" << QStringList{"O'Brien"};
        QTest::newRow("widening") << 0 << "x' or '1'='1" << QStringList{};
        QTest::newRow("widening with type") << 1 << "x%' or Typ=1 or Name like '" << QStringList{};
        QTest::newRow("backslash before quote") << 0 << "\\' or 1=1 --" << QStringList{};
        // What was typed is searched for, wildcards and backslash included.
        QTest::newRow("percent") << 0 << "M%z" << QStringList{};
        QTest::newRow("underscore") << 0 << "M_r" << QStringList{};
        QTest::newRow("percent, underscore, backslash") << 0 << "1%_\\" << QStringList{"1%_\\x"};
    }

    void filterModels()
    {
        QFETCH(int, typ);
        QFETCH(QString, muster);
        for (Kunde k : {neuerKunde("Meier"), neuerKunde("Merz", {}, 1), neuerKunde("O'Brien"),
                        neuerKunde("Schulz", {}, 3), neuerKunde("Weber", "Schuhhaus Weber", 1), neuerKunde("1%_\\x")})
            QVERIFY(store->addKunde(k));
        std::unique_ptr<QSqlTableModel> m(store->filterModel(typ, muster));
        QStringList namen;
        for (int row = 0; row < m->rowCount(); ++row)
            namen << m->record(row).value("Name").toString();
        namen.sort();
        QTEST(namen, "gefunden");
    }
};

QTEST_GUILESS_MAIN(TestKundenStore)
#include "tst_kundenstore.moc"
