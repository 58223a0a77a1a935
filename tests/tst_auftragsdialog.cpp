#include "records/codetabellen.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlproduktstore.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/ascompleter.h"
#include "windows/auftragsdialog.h"
#include "windows/produktewidget.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

// The order dialog: new and stored orders, the collection into the order, "Drucken" with its store write.
class TestAuftragsDialog : public QObject
{
    Q_OBJECT

    Testumgebung env;
    SkriptInteraktion dialoge;
    SqlProduktStore* produkte = nullptr;
    SqlAuftragsStore* auftraege = nullptr;
    QList<Auftrag> gedruckt;

    Auftrag beispiel() const
    {
        Auftrag a;
        a.Kunde.Nr = 4;
        a.Kunde.Name = "Claire Roux";
        a.Zeilen = {{2, {}, "K-1", {}, 40.0}};
        return a;
    }

    // A stored order with the given status, as the main window hands it on.
    Auftrag gespeichert(int status)
    {
        Auftrag a = beispiel();
        a.Zahlung = Zahlungsart::EC;
        a.Eingang = QDateTime(QDate(2020, 5, 4), QTime(9, 30));
        [&] { QVERIFY(auftraege->addAuftrag(a)); }();
        a.Status = status;
        [&] { QVERIFY(auftraege->saveAuftrag(a)); }();
        return auftraege->getAuftrag(a.Nr);
    }

    void oeffne(AuftragsDialog& d, const Auftrag& a)
    {
        connect(&d, &AuftragsDialog::drucken, this, &TestAuftragsDialog::druckeWieDasProgramm,
                Qt::DirectConnection);
        d.setProduktStore(produkte);
        d.setAuftragsStore(auftraege);
        d.setAuftrag(a);
        d.show();
    }

public slots:
    // What the print command does with a stored order once it has printed.
    void druckeWieDasProgramm(Auftrag& a)
    {
        gedruckt << a;
        if (a.Status == AuftragsStatus::Gespeichert) {
            a.Status = AuftragsStatus::Gedruckt;
            auftraege->saveAuftrag(a);
        }
    }

private slots:
    void initTestCase()
    {
        env.neueDatenbank();
        produkte = new SqlProduktStore(nullptr);
        produkte->createTable();
        auftraege = new SqlAuftragsStore(nullptr);
        auftraege->createTables();
        Produkt kurs("SCH-1", "Kurs Tabellen", 300.0);
        kurs.Typ = ProduktTyp::Dienstleistung;
        QVERIFY(produkte->addProdukt(kurs));
        QVERIFY(produkte->addProdukt(Produkt("K-1", "Kabel", 20.0)));
    }

    void cleanupTestCase()
    {
        delete auftraege;
        delete produkte;
    }

    void init()
    {
        dialoge.vergiss();
        gedruckt.clear();
    }

    void felderUndSammlung_data()
    {
        QTest::addColumn<bool>("gespeichert");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("eingangNeu");
        QTest::newRow("nicht gespeichert") << false << 0 << true;
        QTest::newRow("Gespeichert") << true << 1 << true;
        QTest::newRow("Gedruckt") << true << 2 << false;
        QTest::newRow("Storniert -1") << true << -1 << false;
    }

    // A status can be set on stored orders only; OK collects the input.
    void felderUndSammlung()
    {
        QFETCH(bool, gespeichert);
        QFETCH(int, status);
        QFETCH(bool, eingangNeu);
        const Auftrag a = gespeichert ? this->gespeichert(status) : beispiel();
        AuftragsDialog d;
        oeffne(d, a);
        QCOMPARE(QVariantList({d.statusBox()->isEnabled(), d.zahlungBox()->currentIndex()}),
                 QVariantList({gespeichert, gespeichert ? int(Zahlungsart::EC) : -1}));

        d.zahlungBox()->setCurrentIndex(Zahlungsart::Bar);
        d.komentarEdit()->setPlainText("bitte liefern");
        d.bestellNrBox()->setValue(4711);
        const QDateTime vorher = QDateTime::currentDateTime().addSecs(-1);
        QTest::mouseClick(d.okKnopf(), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const Auftrag b = d.auftrag();
        QCOMPARE(QVariantList({b.Nr, b.AuftragsNr, b.BestellNr, b.Zahlung, b.Komentar, b.Status}),
                 QVariantList({a.Nr, a.AuftragsNr, 4711, int(Zahlungsart::Bar), "bitte liefern", a.Status}));
        QVERIFY(eingangNeu ? b.Eingang > vorher : b.Eingang == a.Eingang);
    }

    void dienstWechselt()
    {
        QSettings().setValue("Produkte/filter", true);
        AuftragsDialog d;
        oeffne(d, beispiel());
        auto* proxy = qobject_cast<QSortFilterProxyModel*>(d.produkte()->completer()->listPopup()->model());
        QVariantList angeboten;  // goods only, then services only
        for (int dienst : {int(Auftrag::Produkte), int(Auftrag::Schulung)}) {
            d.dienstBox()->setCurrentIndex(dienst);
            angeboten << proxy->sourceModel()->rowCount() << proxy->sourceModel()->index(0, 0).data();
        }
        QCOMPARE(angeboten, QVariantList({1, "K-1", 1, "SCH-1"}));
        QSettings().remove("Produkte/filter");
    }

    // The acceptance handling updates the stored order with the collected
    // values; the status printing set must survive it.
    void druckenGespeichert()
    {
        const Auftrag alt = gespeichert(AuftragsStatus::Gespeichert);
        const int vorher = auftraege->count();
        AuftragsDialog d;
        oeffne(d, alt);
        QTest::mouseClick(d.druckenKnopf(), Qt::LeftButton);
        QCOMPARE(QList<int>({int(gedruckt.size()), auftraege->count()}), QList<int>({1, vorher}));
        const Auftrag a = d.auftrag();
        QVERIFY(auftraege->saveAuftrag(a));
        QCOMPARE(auftraege->getAuftrag(alt.Nr).Status, int(AuftragsStatus::Gedruckt));
    }

    void druckenSpeichernScheitert()
    {
        AuftragsDialog d;
        oeffne(d, beispiel());
        d.zahlungBox()->setCurrentIndex(Zahlungsart::Bar);
        d.komentarEdit()->setPlainText("wichtig");
        QSqlQuery q;
        QVERIFY(q.exec("alter table auftragslines rename to weg"));
        QTest::mouseClick(d.druckenKnopf(), Qt::LeftButton);
        QVERIFY(q.exec("alter table weg rename to auftragslines"));

        QCOMPARE(QVariantList({dialoge.arten(), d.isVisible(), gedruckt.size(),
                               d.komentarEdit()->toPlainText(), d.produkte()->lines().size(), d.auftrag().Nr,
                               d.auftrag().AuftragsNr}),
                 QVariantList({QStringList{"warning"}, true, 0, "wichtig", 1, 0, 0}));

        // A second try once the store works again goes through.
        QTest::mouseClick(d.druckenKnopf(), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(gedruckt.size(), 1);
    }
};

QTEST_MAIN(TestAuftragsDialog)
#include "tst_auftragsdialog.moc"
