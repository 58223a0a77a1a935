#include "stats/kundenstatdialog.h"
#include "stats/produktstatdialog.h"
#include "stats/umsatzdiagramm.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"

#include <QSqlQuery>
#include <QtCharts>
#include <QtTest>
#include <QtWidgets>

// Customer and product statistics over a small journal of March 2026 with
// orders at both edges of the month and just outside it.
class TestStatistik : public QObject
{
    Q_OBJECT

    Testumgebung env;
    SkriptInteraktion dialoge;
    std::unique_ptr<SqlKundenStore> kunden;
    std::unique_ptr<SqlAuftragsStore> auftraege;

    void auftrag(int kundenNr, int typ, int zahlung, int status, const QDateTime& eingang,
                 const QList<AuftragsLine>& zeilen)  // lines: Anzahl, Produkt, ProduktNr, Komentar, Preis
    {
        Auftrag a;
        a.Kunde = kunden->getKunde(kundenNr);
        a.Typ = typ, a.Zahlung = zahlung, a.Status = status, a.Eingang = eingang, a.Zeilen = zeilen;
        QVERIFY(auftraege->addAuftrag(a));
    }
    // A dialog computed over von..bis; filter: positions of kind, payment, status, customer type.
    std::unique_ptr<StatistikDialog> rechne(bool produkte, const QString& text = {}, const QString& filter = {},
                                            const QDate& von = {2026, 3, 1}, const QDate& bis = {2026, 3, 31})
    {
        std::unique_ptr<StatistikDialog> d(produkte ? static_cast<StatistikDialog*>(new ProduktStatDialog)
                                                    : new KundenStatDialog);
        d->setKundenStore(kunden.get());
        d->setAuftragsStore(auftraege.get());
        d->findChild<QDateEdit*>("von")->setDate(von);
        d->findChild<QDateEdit*>("bis")->setDate(bis);
        d->findChild<QCheckBox*>("summe")->setChecked(true);
        const QStringList f = filter.split(',', Qt::SkipEmptyParts);
        int i = 0;
        for (const char* name : {"art", "zahlung", "status", "typ"})
            if (auto* box = d->findChild<QComboBox*>(name); box && i < f.size())
                box->setCurrentIndex(f[i++].toInt());
        if (!produkte)
            d->findChild<QLineEdit*>("filter")->setText(text);
        // Drop-downs and dates take effect at once, the text on "Berechnen".
        if (!text.isEmpty())
            QTest::mouseClick(knopf(d.get(), "Berechnen"), Qt::LeftButton);
        return d;
    }
    // Every row as "cell|cell|..." of the given columns, in model order.
    static QStringList zeilen(const QStandardItemModel* m, const QList<int>& spalten)
    {
        QStringList liste;
        for (int r = 0; r < m->rowCount(); ++r) {
            liste << QString();
            for (int c : spalten)
                liste.last() += (c == spalten.first() ? "" : "|") + m->index(r, c).data().toString();
        }
        return liste;
    }

private slots:
    void initTestCase()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        kunden = std::make_unique<SqlKundenStore>(nullptr);
        auftraege = std::make_unique<SqlAuftragsStore>(nullptr);
        kunden->createTable();
        auftraege->createTables();
        for (const auto& [firma, name, typ] : QList<std::tuple<QString, QString, int>>{
                 {"ACME", "Meier", 0}, {"", "Dupont", 1}, {"Intern", "Haus", 3}, {"Alt SA", "Ancien", 2}}) {
            Kunde k;
            k.Firma = firma, k.Name = name, k.Typ = typ, k.Ort = "Lyon", k.PLZ = "01234";
            QVERIFY(kunden->addKunde(k));
        }
        enum { acme = 1, dupont, intern, weg };  // numbered in order; weg is deleted below
        // Printed (issued) but for the last invoice of March; the offer never counts by default.
        auftrag(dupont, 0, 0, 2, {{2026, 2, 28}, {23, 59, 59}}, {{1, "Stift", "P1", {}, 1000.0}});
        auftrag(acme, 0, 0, 2, {{2026, 3, 1}, {0, 0}}, {{2, "Stift", "P1", {}, 20.0}});
        auftrag(intern, 0, 2, 3, {{2026, 3, 10}, {9, 0}}, {{1, "Porto", "", {}, 4.0}, {2, "Neun", "9", {}, 9.0}});
        auftrag(dupont, 2, 0, 2, {{2026, 3, 15}, {12, 0}}, {{1, "Stift neu", "P1", {}, 10.0}});
        auftrag(weg, 0, 0, 4, {{2026, 3, 20}, {8, 0}}, {{1.5, "Zehn", "10", {}, 30.0}, {1, "Versand", "", {}, 2.0}});
        auftrag(acme, 3, 1, 1, {{2026, 3, 31}, {23, 59, 59}}, {{1, "Heft", "P2", {}, 5.5}});
        auftrag(acme, 0, 0, 2, {{2026, 4, 1}, {0, 0}}, {{1, "Stift", "P1", {}, 100.0}});
        QVERIFY(kunden->delKunde(weg));
    }

    void zaehlen_data()
    {
        QTest::addColumn<bool>("produkte");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");  // "Nr|Anzahl|Summe" (products: "Nr|Name|Anzahl|Summe"), then the total row
        QTest::addColumn<QVariantMap>("einstellungen");
        QTest::newRow("all Alle, range edges") << false << "0,0,0,0" << "" << QStringList{"1|1|20", "2|1|-10", "3|1|13", "4|1|32", "|4|55"} << QVariantMap();
        QTest::newRow("offers when chosen") << false << "4,0,0,0" << "" << QStringList{"1|1|5.5", "|1|5.5"} << QVariantMap();
        QTest::newRow("Rechnung") << false << "1,0,0,0" << "" << QStringList{"1|1|20", "3|1|13", "4|1|32", "|3|65"} << QVariantMap();
        QTest::newRow("payment Bar") << false << "0,1,0,0" << "" << QStringList{"1|1|20", "2|1|-10", "4|1|32", "|3|42"} << QVariantMap();
        QTest::newRow("status Gedruckt") << false << "0,0,3,0" << "" << QStringList{"1|1|20", "2|1|-10", "|2|10"} << QVariantMap();
        QTest::newRow("Kunde1, no Intern") << false << "0,0,0,1" << "" << QStringList{"1|1|20", "|1|20"} << QVariantMap();
        QTest::newRow("deleted customer's type") << false << "0,0,0,3" << "" << QStringList{"4|1|32", "|1|32"} << QVariantMap();
        QTest::newRow("Firma") << false << "0,0,0,0" << "ACME" << QStringList{"1|1|20", "|1|20"} << QVariantMap();
        QTest::newRow("Name only") << false << "0,0,0,0" << "Dupont" << QStringList{"2|1|-10", "|1|-10"} << QVariantMap();
        QTest::newRow("case-sensitive") << false << "0,0,0,0" << "meier" << QStringList{"|0|0"} << QVariantMap();
        QTest::newRow("deleted customer's name") << false << "0,0,0,0" << "Ancien" << QStringList{"4|1|32", "|1|32"} << QVariantMap();
        QTest::newRow("products, all kinds") << true << "0,0,0,0" << "" << QStringList{"|Sonstige|2|6", "10|Zehn|1.5|30", "9|Neun|2|9", "P1|Stift neu|1|10", "|Summe|6.5|55"} << QVariantMap();
        QTest::newRow("products, a credit note takes back") << true << "3,0,0,0" << "" << QStringList{"P1|Stift neu|-1|-10", "|Summe|-1|-10"} << QVariantMap();
        // The documents' net: tax taken out of gross amounts, not from the internal customer's.
        QTest::newRow("gross stored: the documents' net") << false << "0,0,0,0" << ""
            << QStringList{"1|1|16.72", "2|1|-8.36", "3|1|13", "4|1|26.75", "|4|48.11"}
            << QVariantMap{{"Steuer/Typ", 1}};
    }
    void cleanup() { env.leereEinstellungen(); }
    void zaehlen()
    {
        QFETCH(bool, produkte);
        QFETCH(QString, filter);
        QFETCH(QString, text);
        QFETCH(QVariantMap, einstellungen);
        PdfSeiten::setze(einstellungen);
        const auto d = rechne(produkte, text, filter);
        const QStandardItemModel* m = d->ergebnis();
        QTEST(zeilen(m, produkte ? QList<int>{0, 1, 2, 3} : QList<int>{0, 5, 6}), "erwartet");
        // The current record, or the order's snapshot for a deleted customer.
        const QMap<QString, QString> stamm{{"1", "ACME|Meier|Lyon|01234"}, {"4", "Alt SA|Ancien|Lyon|01234"}};
        if (!produkte && stamm.contains(m->index(0, 0).data().toString()))
            QCOMPARE(zeilen(m, {1, 2, 3, 4}).first(), stamm[m->index(0, 0).data().toString()]);
    }

    void diagramm_data()
    {
        QTest::addColumn<bool>("produkte");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<double>>("werte");  // each month's table total
        QTest::newRow("customers shown only") << false << "Meier" << QList<double>{0.0, 20.0, 100.0};
        QTest::newRow("products") << true << "" << QList<double>{1000.0, 55.0, 100.0};
    }
    void diagramm()
    {
        QFETCH(bool, produkte);
        QFETCH(QString, text);
        const auto d = rechne(produkte, text, {}, {2026, 2, 10}, {2026, 4, 30});
        QCOMPARE(d->diagramm()->monate(), (QList<QDate>{{2026, 2, 1}, {2026, 3, 1}, {2026, 4, 1}}));
        QTEST(d->diagramm()->werte(), "werte");
        // A recomputation replaces the axes; the old ones must not stay behind.
        QList<QPointer<QAbstractAxis>> alt;
        for (QAbstractAxis* achse : d->diagramm()->chart()->axes())
            alt << achse;
        QTest::mouseClick(knopf(d.get(), "Berechnen"), Qt::LeftButton);
        QCOMPARE(d->diagramm()->chart()->axes().size(), 2);
        QCOMPARE(alt.count(nullptr), 2);
        QTEST(d->diagramm()->werte(), "werte");
        dialoge.antworte(env.pfad(QTest::currentDataTag()));
        QVERIFY(d->diagramm()->speichereBild());
        QVERIFY(QImage(env.pfad(QTest::currentDataTag() + QString(".png"))).width() > 100);
    }

    // A failed read is told, not shown as a period without turnover.
    void leseFehler()
    {
        QVERIFY(QSqlQuery().exec("alter table auftrag rename to weg"));
        dialoge.vergiss();
        const auto d = rechne(false);
        QVERIFY(QSqlQuery().exec("alter table weg rename to auftrag"));
        QVERIFY(dialoge.arten().contains("warning"));
    }

    // The export writes the table with counts and sums as numbers, not as their texts.
    void exportiert()
    {
        const auto d = rechne(true);
        dialoge.antworte(env.pfad("produkte.csv"));
        QTest::mouseClick(knopf(d.get(), "Exportieren"), Qt::LeftButton);
        QVERIFY(liesDatei(env.pfad("produkte.csv")).contains("Stift neu"));
        QCOMPARE(QList<int>({d->ergebnis()->index(0, 2).data().typeId(), d->ergebnis()->index(0, 3).data().typeId()}),
                 QList<int>(2, QMetaType::Double));
    }
};

QTEST_MAIN(TestStatistik)
#include "tst_statistik.moc"
