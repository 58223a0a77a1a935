#include "store/sqlproduktstore.h"
#include "tests/support/testumgebung.h"

#include <QSignalSpy>
#include <QSqlTableModel>
#include <QtTest>

#include <memory>

class TestProduktStore : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    std::unique_ptr<SqlProduktStore> store;

private slots:
    void init()
    {
        env.neueDatenbank();
        store.reset(new SqlProduktStore(nullptr));
        store->createTable();
    }

    void insertUpdateDelete()
    {
        QSignalSpy changed(store.get(), &SqlProduktStore::storeChanged);
        Produkt p("K-1", "Kabel", 2.5);
        p.Desc = "3 m";
        QVERIFY(store->addProdukt(p));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^addProdukt \""));
        QVERIFY(!store->addProdukt(Produkt("K-1", "Stecker", 9.0)));  // number exists
        p.Preis = 0.1 + 0.2;  // stored unrounded
        p.Typ = 2;
        QVERIFY(store->saveProdukt(p));
        const Produkt r = store->getProdukt("K-1");
        QCOMPARE(QVariantList({r.Name, r.Desc, r.Preis, r.Typ}),
                 QVariantList({"Kabel", "3 m", 0.1 + 0.2, 2}));
        QVERIFY(store->delProdukt("K-1"));
        QCOMPARE(changed.count(), 3);
        QVERIFY(store->getProdukte().isEmpty());
    }

    void lookUpByName_data()
    {
        QTest::addColumn<QString>("muster");
        QTest::addColumn<QString>("nr");
        QTest::newRow("exact") << "Kabel" << "K-1";
        QTest::newRow("prefix needs wildcard") << "Kab" << "";
        QTest::newRow("prefix") << "Kab%" << "K-1";
        QTest::newRow("other case") << "kabel" << "K-1";
    }

    void lookUpByName()
    {
        QFETCH(QString, muster);
        QVERIFY(store->addProdukt(Produkt("K-1", "Kabel", 2.5)));
        QVERIFY(store->addProdukt(Produkt("S-1", "Stecker", 1.0)));
        QTEST(store->getProduktByName(muster).Nr, "nr");
    }

    void modelsEditAndFilter()
    {
        Produkt kurs("S-1", "Kurs", 100);
        kurs.Typ = 0;
        QVERIFY(store->addProdukt(kurs));
        QVERIFY(store->addProdukt(Produkt("K-1", "Kabel", 2.5)));
        QSqlTableModel* m = store->model();
        const int zeile = m->index(0, 0).data().toString() == "K-1" ? 0 : 1;
        QVERIFY(m->setData(m->index(zeile, 2), 7.25));  // written at once
        QCOMPARE(store->getProdukt("K-1").Preis, 7.25);
        std::unique_ptr<QSqlTableModel> waren(store->filterModel(1));
        QCOMPARE(waren->index(0, 0).data().toString(), QString("K-1"));
        // Not refreshed by the store: its user re-selects it.
        QVERIFY(store->addProdukt(Produkt("K-2", "Stecker", 1)));
        QCOMPARE(waren->rowCount(), 1);
        waren->select();
        QCOMPARE(waren->rowCount(), 2);
    }
};

QTEST_GUILESS_MAIN(TestProduktStore)
#include "tst_produktstore.moc"
