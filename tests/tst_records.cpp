#include "records/auftrag.h"
#include "records/codetabellen.h"
#include "records/produkt.h"

#include <QDebug>
#include <QtTest>

// Checks the record defaults, the debug print the logs rely on, and the code
// tables whose positions are stored in the database.
class TestRecords : public QObject
{
    Q_OBJECT

private:
    template <typename T>
    static QString debugText(const T& value)
    {
        QString s;
        QDebug(&s) << value;
        return s.trimmed();
    }

private slots:
    void defaults()
    {
        const Auftrag a;
        QCOMPARE(a.Typ, int(Auftragsart::Rechnung));
        QCOMPARE(a.Dienst, int(Auftrag::Produkte));
        QCOMPARE(a.Status, int(AuftragsStatus::Neu));
        QCOMPARE(a.Zahlung, -1);
        QVERIFY(a.Zeilen.isEmpty());
        QCOMPARE(a.AuftragsNr, 0);
        QCOMPARE(a.Nr, 0);
        QVERIFY(a.Druck.isNull());

        const Produkt p;
        QCOMPARE(p.Typ, int(ProduktTyp::Waren));
        QCOMPARE(p.Preis, 0.0);
        const Produkt q("A-1", "Kabel", 2.5);
        QCOMPARE(q.Desc, QString());
        QCOMPARE(q.Typ, 1);
    }

    void debugFormats()
    {
        Kunde k;
        k.Nr = 7;
        k.Name = "Meier";
        k.Strasse = "Hauptstr. 1";
        k.Ort = "Lyon";
        k.Tel = "0123";
        k.Email = "m@x.fr";
        k.Typ = 2;
        k.Firma = "ACME";
        k.PLZ = "69001";
        QCOMPARE(debugText(k),
                 QString(R"(( 7 "Meier" "Hauptstr. 1" "Lyon" "0123" "m@x.fr" 2 "ACME" "69001" ))"));

        AuftragsLine l;
        l.Anzahl = 3;
        l.Produkt = "Kabel";
        l.ProduktNr = "K1";
        l.Preis = 7.5;
        QCOMPARE(debugText(l), QString(R"(( 3 "Kabel" ( "K1" ) 7.5 ))"));

        Auftrag a;
        a.Nr = 12;
        a.Kunde = k;
        a.Eingang = QDateTime(QDate(2011, 3, 2), QTime(10, 30));
        a.Zeilen = {l, l};
        const QString text = debugText(a);
        QVERIFY2(text.startsWith("( 12 ( 7 \"Meier\""), qPrintable(text));
        QVERIFY2(text.contains("QDateTime(2011-03-02 10:30:00"), qPrintable(text));
        QVERIFY2(text.endsWith(" 2 )"), qPrintable(text));
    }

    void codeNames_data()
    {
        QTest::addColumn<QStringList>("namen");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("Rechnung") << CodeTabellen::auftragsarten() << 0 << "Rechnung";
        QTest::newRow("Angebot") << CodeTabellen::auftragsarten() << 3 << "Angebot";
        QTest::newRow("Überweisung") << CodeTabellen::zahlungsarten() << 2 << "Überweisung";
        QTest::newRow("keine Zahlung") << CodeTabellen::zahlungsarten() << -1 << "";
        QTest::newRow("Storniert") << CodeTabellen::auftragsStatus() << 6 << "Storniert";
        QTest::newRow("Status 7") << CodeTabellen::auftragsStatus() << 7 << "";
        QTest::newRow("Status -1") << CodeTabellen::auftragsStatus() << -1 << "";
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
