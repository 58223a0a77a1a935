#include "records/codetabellen.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlproduktstore.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/ascompleter.h"
#include "windows/auftragsdialog.h"
#include "windows/produktewidget.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QSqlQuery>
#include <QtTest>

// The order dialog: new and stored orders, the enabling of its combos, the
// collection into the order, and "Drucken" with its store write.
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
        a.Kunde.Firma = "Atelier Roux";
        a.Kunde.Name = "Claire Roux";
        a.Kunde.Strasse = "12 rue des Lilas";
        a.Kunde.PLZ = "69003";
        a.Kunde.Ort = "Lyon";
        AuftragsLine l;
        l.Anzahl = 2;
        l.ProduktNr = "K-1";
        l.Preis = 40.0;
        a.Zeilen = {l};
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

    void neuerAuftrag()
    {
        AuftragsDialog d;
        oeffne(d, beispiel());
        QCOMPARE(QList<bool>({d.okKnopf()->isEnabled(), d.typBox()->isEnabled(), d.statusBox()->isEnabled(),
                              d.okKnopf()->autoDefault() || d.abbrechenKnopf()->autoDefault()
                                  || d.druckenKnopf()->autoDefault()}),
                 QList<bool>({false, true, false, false}));
        QCOMPARE(d.kundenLabel()->text(),
                 QString("Atelier Roux\nClaire Roux\n12 rue des Lilas\n69003 Lyon"));

        d.zahlungBox()->setCurrentIndex(Zahlungsart::Bar);
        QTest::mouseClick(d.okKnopf(), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.auftrag().Zahlung, int(Zahlungsart::Bar));
    }

    void gespeicherterAuftrag_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("artenAktiv");
        QTest::addColumn<bool>("eingangNeu");
        QTest::newRow("Neu") << 0 << true << true;
        QTest::newRow("Gespeichert") << 1 << false << true;
        QTest::newRow("Gedruckt") << 2 << false << false;
        QTest::newRow("Storniert -1") << -1 << false << false;
    }

    void gespeicherterAuftrag()
    {
        QFETCH(int, status);
        QFETCH(bool, artenAktiv);
        QFETCH(bool, eingangNeu);
        const Auftrag a = gespeichert(status);
        AuftragsDialog d;
        oeffne(d, a);
        QCOMPARE(QList<bool>({d.typBox()->isEnabled(), d.dienstBox()->isEnabled(), d.statusBox()->isEnabled()}),
                 QList<bool>({artenAktiv, artenAktiv, true}));
        QCOMPARE(d.zahlungBox()->currentIndex(), int(Zahlungsart::EC));

        d.komentarEdit()->setPlainText("bitte liefern");
        d.bestellNrBox()->setValue(4711);
        const QDateTime vorher = QDateTime::currentDateTime().addSecs(-1);
        const Auftrag b = d.auftrag();
        QCOMPARE(QList<int>({b.Nr, b.AuftragsNr, b.BestellNr}), QList<int>({a.Nr, a.AuftragsNr, 4711}));
        QCOMPARE(b.Komentar, QString("bitte liefern"));
        QVERIFY(eingangNeu ? b.Eingang > vorher : b.Eingang == a.Eingang);
    }

    void dienstWechselt()
    {
        QSettings().setValue("Produkte/filter", true);
        AuftragsDialog d;
        oeffne(d, beispiel());
        auto* proxy = qobject_cast<QSortFilterProxyModel*>(
            d.produkte()->completer()->listPopup()->model());
        QVERIFY(proxy);
        QCOMPARE(proxy->sourceModel()->rowCount(), 1);  // goods only
        QCOMPARE(proxy->sourceModel()->index(0, 0).data().toString(), QString("K-1"));
        d.dienstBox()->setCurrentIndex(Auftrag::Schulung);
        QCOMPARE(proxy->sourceModel()->rowCount(), 1);
        QCOMPARE(proxy->sourceModel()->index(0, 0).data().toString(), QString("SCH-1"));
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

        QCOMPARE(dialoge.arten(), QStringList{"warning"});
        QVERIFY(d.isVisible() && gedruckt.isEmpty());
        QCOMPARE(d.komentarEdit()->toPlainText(), QString("wichtig"));
        QCOMPARE(QList<int>({int(d.produkte()->lines().size()), d.auftrag().Nr, d.auftrag().AuftragsNr}),
                 QList<int>({1, 0, 0}));

        // A second try once the store works again goes through.
        QTest::mouseClick(d.druckenKnopf(), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(gedruckt.size(), 1);
    }
};

QTEST_MAIN(TestAuftragsDialog)
#include "tst_auftragsdialog.moc"
