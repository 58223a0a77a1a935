#include "records/auftrag.h"
#include "records/codetabellen.h"

#include <QDebug>
#include <QtTest>

// The debug print the store's warnings rely on, and the code tables whose
// positions are stored in the database.
class TestRecords : public QObject
{
    Q_OBJECT

private slots:
    void debugFormats()
    {
        Kunde k;
        k.Nr = 7;
        k.Name = "Meier";
        k.Typ = 2;
        k.PLZ = "69001";
        AuftragsLine l;
        l.Anzahl = 3;
        l.ProduktNr = "K1";
        l.Preis = 7.5;
        Auftrag a;
        a.Nr = 12;
        a.Kunde = k;
        a.Eingang = QDateTime(QDate(2011, 3, 2), QTime(10, 30));
        a.Zeilen = {l, l};
        QString s;
        QDebug(&s) << k << l << a;
        QVERIFY2(s.startsWith(R"(( 7 "Meier" "" "" "" "" 2 "" "69001" ) ( 3 "" ( "K1" ) 7.5 ) ( 12 ( 7)"),
                 qPrintable(s));
        QVERIFY2(s.contains("QDateTime(2011-03-02 10:30:00"), qPrintable(s));
        QVERIFY2(s.trimmed().endsWith(" 2 )"), qPrintable(s));
    }

    void codeNames_data()
    {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("Angebot") << CodeTabellen::auftragsarten() << 3 << "Angebot";
        QTest::newRow("Überweisung") << CodeTabellen::zahlungsarten() << 2 << "Überweisung";
        QTest::newRow("keine Zahlung") << CodeTabellen::zahlungsarten() << -1 << "";
        QTest::newRow("Storniert") << CodeTabellen::auftragsStatus() << 6 << "Storniert";
        QTest::newRow("Status 7") << CodeTabellen::auftragsStatus() << 7 << "";
        QTest::newRow("Schulung") << CodeTabellen::dienstTypen() << 0 << "Schulung";
        QTest::newRow("Intern") << CodeTabellen::kundenTypen() << 3 << "Intern";
        QTest::newRow("Kosten") << CodeTabellen::produktTypen() << 2 << "Kosten";
    }

    void codeNames()
    {
        QFETCH(QStringList, namen);
        QFETCH(int, code);
        QFETCH(QString, name);
        QCOMPARE(CodeTabellen::name(namen, code), name);
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
