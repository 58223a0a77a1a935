#include "records/codetabellen.h"
#include "store/sqlauftragsstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/menuauswahl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/auftragseditor.h"
#include "windows/kundenauftragsdialog.h"

#include <QtTest>
#include <QtWidgets>

// The order list and the customer's orders: date range, context menu commands, status, admin delete, export.
class TestAuftragsEditor : public QObject
{
    Q_OBJECT

    Testumgebung env;
    SkriptInteraktion dialoge;
    SqlAuftragsStore* store = nullptr;

    int neu(const QDateTime& eingang, int typ = Auftragsart::Rechnung, int kundenNr = 1)
    {
        Auftrag a;
        a.Typ = typ;
        a.Zahlung = Zahlungsart::Bar;
        a.Eingang = eingang;
        a.Kunde.Nr = kundenNr;
        a.Kunde.Name = QString("Kunde %1").arg(kundenNr);
        a.Zeilen = {{1, {}, {}, {}, 12.5}};
        [&] { QVERIFY(store->addAuftrag(a)); }();
        return a.Nr;
    }
    int neuImMaerz(int typ = Auftragsart::Rechnung, int kundenNr = 1)
    {
        return neu(QDateTime(QDate(2021, 3, 5), QTime(10, 0)), typ, kundenNr);
    }

    static QStringList nummern(QTableView* view) { return spalte(view, 0); }
    static QStringList texte(QList<int> n)
    {
        QStringList t;
        for (int i : n)
            t << QString::number(i);
        t.sort();
        return t;
    }
    static QPoint zeileVon(QTableView* view, int nr) { return zeileMit(view, 0, QString::number(nr)); }

    // The list from 1 to 10 March 2021, shown.
    void zeigeMaerz(AuftragsEditor& e, bool admin = false)
    {
        e.vonEdit()->setDate(QDate(2021, 3, 1));
        e.bisEdit()->setDate(QDate(2021, 3, 10));
        e.setAdmin(admin);
        e.setStore(store);
        e.show();
    }

private slots:
    void initTestCase()
    {
        env.neueDatenbank();
        store = new SqlAuftragsStore(nullptr);
        store->createTables();
    }

    void cleanupTestCase()
    {
        delete store;
    }

    void init()
    {
        QVERIFY(store->deleteAll());
        dialoge.vergiss();
        env.leereEinstellungen();
    }

    void zeitraum()
    {
        neu(QDateTime(QDate(2021, 2, 28), QTime(23, 59)));
        const int erster = neu(QDateTime(QDate(2021, 3, 1), QTime(0, 0)));
        const int letzter = neu(QDateTime(QDate(2021, 3, 10), QTime(23, 59)));
        neu(QDateTime(QDate(2021, 3, 11), QTime(0, 0)));

        AuftragsEditor e;
        zeigeMaerz(e);
        QCOMPARE(nummern(e.tabelle()), texte({erster, letzter}));
    }

    // Each entry hands the order on; a status is written with the lines kept.
    void befehle()
    {
        const int nr = neuImMaerz(Auftragsart::Angebot, 7);
        AuftragsEditor e;
        zeigeMaerz(e);
        QStringList gesendet;
        auto nummer = [&](const char* was, int n) { gesendet << was + QString::number(n); };
        connect(&e, &AuftragsEditor::auftragClicked, this, [&](int n) { nummer("zeige ", n); });
        connect(&e, &AuftragsEditor::kundeClicked, this, [&](int n) { nummer("kunde ", n); });
        connect(&e, &AuftragsEditor::auftragDrucken, this, [&](Auftrag& a) { nummer("drucke ", a.Nr); });
        connect(&e, &AuftragsEditor::rechnungFromAngebot, this,
                [&](Auftrag a) { nummer("Zeilen ", a.Zeilen.size()); });
        connect(&e, &AuftragsEditor::auftragKunde, this, [&](Kunde& k) { gesendet << k.Name; });

        const QPoint p = zeileVon(e.tabelle(), nr);
        for (const QStringList& eintrag : QList<QStringList>{{"Anzeigen"}, {"Kunden anzeigen"}, {"Drucken"},
                                                              {"Rechnung aus Angebot erstellen"},
                                                              {"Kundendaten anzeigen"},
                                                              {"Status setzen", "Storniert"}}) {
            MenuAuswahl wahl(eintrag);
            emit e.tabelle()->customContextMenuRequested(p);
        }
        emit e.tabelle()->doubleClicked(e.tabelle()->indexAt(p));
        MenuAuswahl keine({});  // no menu below the rows
        emit e.tabelle()->customContextMenuRequested(QPoint(20, e.tabelle()->height() - 5));
        QVERIFY(!keine.gezeigt);
        const QString n = QString::number(nr);
        QCOMPARE(gesendet, (QStringList{"zeige " + n, "kunde 7", "drucke " + n, "Zeilen 1", "Kunde 7",
                                        "zeige " + n}));
        const Auftrag a = store->getAuftrag(nr);
        QCOMPARE(QList<int>({a.Status, e.tabelle()->model()->index(0, 12).data().toInt(),
                             int(a.Zeilen.size())}),
                 QList<int>({AuftragsStatus::Storniert, AuftragsStatus::Storniert, 1}));
    }

    void adminLoeschen_data()
    {
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<bool>("geloescht");
        QTest::newRow("geschlossen") << QVariant() << false;
        QTest::newRow("Ja") << QVariant(int(QMessageBox::Yes)) << true;
    }

    void adminLoeschen()
    {
        QFETCH(QVariant, antwort);
        QFETCH(bool, geloescht);
        const int nr = neuImMaerz();
        AuftragsEditor e;
        zeigeMaerz(e, true);
        dialoge.antworte(antwort);
        MenuAuswahl wahl({"Löschen"});
        emit e.tabelle()->customContextMenuRequested(zeileVon(e.tabelle(), nr));
        QCOMPARE(dialoge.arten(), QStringList{"question"});
        QCOMPARE(QList<bool>({store->getAuftrag(nr).Nr == 0, e.tabelle()->model()->rowCount() == 0}),
                 QList<bool>(2, geloescht));
    }

    void export_()
    {
        neuImMaerz(Auftragsart::Angebot);
        AuftragsEditor e;
        zeigeMaerz(e);
        dialoge.antworte(env.pfad("auftraege.csv"));
        e.save();
        // The coded columns are written as their names.
        const QString csv = liesDatei(env.pfad("auftraege.csv"));
        for (const char* name : {"\"Gespeichert\"", "\"Angebot\"", "\"Bar\"", "\"Produkte\""})
            QVERIFY2(csv.contains(name), qPrintable(csv));
    }

    void kundenAuftraege()
    {
        const int a = neuImMaerz(0, 5);
        const int b = neu(QDateTime(QDate(2015, 1, 1), QTime(8, 0)), 3, 5);
        neuImMaerz(0, 6);
        KundenAuftragsDialog d;
        d.setKundenNr(5);
        d.setStore(store);
        d.show();
        QCOMPARE(nummern(d.tabelle()), texte({a, b}));  // of every date
        MenuAuswahl wahl({"Status setzen", "Bezahlt"});
        emit d.tabelle()->customContextMenuRequested(zeileVon(d.tabelle(), b));
        QCOMPARE(store->getAuftrag(b).Status, int(AuftragsStatus::Bezahlt));
    }
};

QTEST_MAIN(TestAuftragsEditor)
#include "tst_auftragseditor.moc"
