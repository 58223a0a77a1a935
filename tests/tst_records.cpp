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
        k.Nr = 7, k.Name = "Meier", k.Typ = 2, k.PLZ = "69001";
        AuftragsLine l{3, "", "K1", {}, 7.5};
        Auftrag a;
        a.Nr = 12, a.Kunde = k;
        a.Eingang = QDateTime(QDate(2011, 3, 2), QTime(10, 30));
        a.Zeilen = {l, l};
        QString s;
        QDebug(&s) << k << l << a;
        QVERIFY2(s.startsWith(R"(( 7 "Meier" "" "" "" "" 2 "" "69001" ) ( 3 "" ( "K1" ) 7.5 ) ( 12 ( 7)"),
                 qPrintable(s));
        QVERIFY2(s.contains("QDateTime(2011-03-02 10:30:00"), qPrintable(s));
        QVERIFY2(s.trimmed().endsWith(" 2 )"), qPrintable(s));
    }

    void codeNames()
    {
        // Positions are what the database stores; outside the list there is no name.
        using C = CodeTabellen;
        const QStringList namen{C::name(C::auftragsarten(), 3), C::name(C::zahlungsarten(), 2),
                                C::name(C::zahlungsarten(), -1), C::name(C::auftragsStatus(), 6),
                                C::name(C::auftragsStatus(), 7), C::name(C::kundenTypen(), 3)};
        QCOMPARE(namen, (QStringList{"Angebot", "Überweisung", "", "Storniert", "", "Intern"}));
    }
};

QTEST_GUILESS_MAIN(TestRecords)
#include "tst_records.moc"
