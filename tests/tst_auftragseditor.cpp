#include "delegates/formateddatetimedelegate.h"
#include "delegates/stringlistdelegate.h"
#include "records/codetabellen.h"
#include "store/ausstellung.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlproduktstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/menuauswahl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/auftragsaktionen.h"
#include "windows/auftragsdialog.h"
#include "windows/auftragseditor.h"
#include "windows/auftragsliste.h"
#include "windows/kundenauftragsdialog.h"
#include "windows/produktewidget.h"
#include "windows/zahlungsdialog.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

// The order list and the customer's orders (context menu commands, status, admin delete, export) and the
// order dialog (new and stored orders, the collection into the order, "Drucken" with its store write).
class TestAuftragsEditor : public QObject
{
    Q_OBJECT

    Testumgebung env;
    SkriptInteraktion dialoge;
    SqlAuftragsStore* store = nullptr;
    SqlProduktStore* produkte = nullptr;
    QList<Auftrag> gedruckt;

    // A new order, of 5 March 2021 unless said otherwise.
    int neu(int typ = Auftragsart::Rechnung, int kundenNr = 1,
            const QDateTime& eingang = QDateTime(QDate(2021, 3, 5), QTime(10, 0)))
    {
        Auftrag a;
        std::tie(a.Typ, a.Eingang, a.Kunde.Nr) = std::tie(typ, eingang, kundenNr);
        a.Zahlung = Zahlungsart::Bar;
        a.Zeilen = {{1, {}, {}, {}, 12.5}};
        [&] { QVERIFY(store->addAuftrag(a)); }();
        return a.Nr;
    }

    static QPoint zeileVon(QTableView* view, int nr) { return zeileMit(view, 0, QString::number(nr)); }

    void zeigeMaerz(AuftragsEditor& e, bool admin = false)
    {
        e.vonEdit()->setDate(QDate(2021, 3, 1));
        e.bisEdit()->setDate(QDate(2021, 3, 10));
        e.setAdmin(admin);
        e.setStore(store);
        e.show();
    }

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
        Auftrag a = store->getAuftrag(neu(Auftragsart::Rechnung, 1, QDateTime(QDate(2020, 5, 4), QTime(9, 30))));
        a.Status = status;
        [&] { QVERIFY(store->saveAuftrag(a)); }();
        return store->getAuftrag(a.Nr);
    }

    void oeffne(AuftragsDialog& d, const Auftrag& a)
    {
        // What the print command does with a stored order once it has printed.
        connect(&d, &AuftragsDialog::drucken, this, [this](Auftrag& a) {
            gedruckt << a;
            if (a.Status == AuftragsStatus::Gespeichert) {
                a.Status = AuftragsStatus::Gedruckt;
                store->saveAuftrag(a);
            }
        }, Qt::DirectConnection);
        d.setProduktStore(produkte);
        d.setAuftragsStore(store);
        d.setAuftrag(a);
        d.show();
    }

private slots:
    // A database of its own per test: the program never lets issued documents go.
    void init()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        dialoge.vergiss();
        gedruckt.clear();
        store = new SqlAuftragsStore(nullptr);
        store->createTables();
        produkte = new SqlProduktStore(nullptr);
        produkte->createTable();
        QVERIFY(produkte->addProdukt(Produkt("K-1", "Kabel", 20.0)));
    }

    void cleanup()
    {
        delete store;
        delete produkte;
    }

    // The entries hand on the row's customer and the whole order; a status is written with the lines kept.
    void befehle()
    {
        const int nr = neu(Auftragsart::Angebot, 7);
        neu(Auftragsart::Rechnung, 1, QDateTime(QDate(2021, 3, 11), QTime(0, 0)));  // the day after the range
        AuftragsEditor e;
        zeigeMaerz(e);
        QCOMPARE(spalte(e.tabelle(), 0), QStringList{QString::number(nr)});
        QStringList gesendet;  // command, customer, lines
        connect(&e, &AuftragsEditor::befohlen, this, [&](AuftragsBefehl b, const Auftrag& a) {
            gesendet << QString("%1 %2 %3").arg(int(b)).arg(a.Kunde.Nr).arg(a.Zeilen.size());
        });
        for (const QStringList& eintrag : QList<QStringList>{
                 {"Kunden anzeigen"}, {"Rechnung aus Angebot erstellen"}, {"Status setzen", "Storniert"}})
            imMenu(e.tabelle(), zeileVon(e.tabelle(), nr), eintrag);
        MenuAuswahl keine({});  // no menu below the rows
        emit e.tabelle()->customContextMenuRequested(QPoint(20, e.tabelle()->height() - 5));
        QCOMPARE(QVariantList({gesendet, keine.gezeigt}),
                 QVariantList({QStringList{"1 7 1", "7 7 1"}, false}));
        const Auftrag a = store->getAuftrag(nr);
        const int status = AuftragsListe::spalte(e.tabelle(), "Status");
        QCOMPARE(QList<int>({a.Status, e.tabelle()->model()->index(0, status).data().toInt(), int(a.Zeilen.size())}),
                 QList<int>({AuftragsStatus::Storniert, AuftragsStatus::Storniert, 1}));
    }

    void befehleJeArt_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("kundenNr");
        QTest::addColumn<QStringList>("aus");  // disabled entries
        QTest::newRow("offer") << int(Auftragsart::Angebot) << 3
                               << QStringList{"XML speichern", "Gutschrift aus Rechnung erstellen", "Zahlungen…"};
        QTest::newRow("invoice") << int(Auftragsart::Rechnung) << 3
                                 << QStringList{"Rechnung aus Angebot erstellen"};
        QTest::newRow("credit note, no customer")
            << int(Auftragsart::Gutschrift) << 0
            << QStringList{"Kunden anzeigen", "Rechnung aus Angebot erstellen",
                           "Gutschrift aus Rechnung erstellen", "Zahlungen…"};
        QTest::newRow("delivery note")
            << int(Auftragsart::Lieferschein) << 3
            << QStringList{"XML speichern", "Rechnung aus Angebot erstellen",
                           "Gutschrift aus Rechnung erstellen", "Zahlungen…"};
    }

    // The context menu and the actions that follow the current row enable the same commands.
    void befehleJeArt()
    {
        QFETCH(int, typ);
        QFETCH(int, kundenNr);
        QFETCH(QStringList, aus);
        const int nr = neu(typ, kundenNr);
        AuftragsEditor e;
        zeigeMaerz(e);
        const QStringList aktiv = imMenu(e.tabelle(), zeileVon(e.tabelle(), nr));
        // The view may have made the row current on focus already.
        e.tabelle()->setCurrentIndex(QModelIndex());
        e.tabelle()->setCurrentIndex(e.tabelle()->model()->index(0, 1));
        QStringList alle, gefolgt;  // every command but those disabled in menu order; those enabled
        for (int b = 0; b <= int(AuftragsBefehl::Zahlungen); ++b) {
            const QAction* aktion = e.aktionen()->aktion(AuftragsBefehl(b));
            if (!aus.contains(aktion->text()))
                alle << aktion->text();
            if (aktion->isEnabled())
                gefolgt << aktion->text();
        }
        QCOMPARE(aktiv, alle + QStringList{"Status setzen"});
        QCOMPARE(gefolgt, alle);
    }

    // An invoice of 12.50: what the payment dialog does with an amount typed (and the answer to
    // its question), what it asked or told, and what is open afterwards.
    void zahlungErfassen_data()
    {
        QTest::addColumn<QString>("betrag");
        QTest::addColumn<int>("antwort");
        QTest::addColumn<QStringList>("gefragt");
        QTest::addColumn<QString>("offen");
        QTest::addColumn<int>("status");
        const int keine = 0, no = QMessageBox::No, yes = QMessageBox::Yes,
                  gespeichert = AuftragsStatus::Gespeichert;
        QTest::newRow("not a number") << "NaN" << keine << QStringList{"warning"} << "12.50" << gespeichert;
        QTest::newRow("zero") << "0,00" << keine << QStringList{"warning"} << "12.50" << gespeichert;
        QTest::newRow("negative") << "-3" << keine << QStringList{"warning"} << "12.50" << gespeichert;
        QTest::newRow("part") << "5,25" << keine << QStringList{} << "7.25" << gespeichert;
        QTest::newRow("all") << "12.50 €" << keine << QStringList{} << "0.00" << int(AuftragsStatus::Bezahlt);
        QTest::newRow("over-payment refused") << "20" << no << QStringList{"question"} << "12.50" << gespeichert;
        QTest::newRow("over-payment confirmed")
            << "20" << yes << QStringList{"question"} << "-7.50" << int(AuftragsStatus::Bezahlt);
    }
    void zahlungErfassen()
    {
        QFETCH(QString, betrag);
        QFETCH(int, antwort);
        const int nr = neu();
        ZahlungsDialog d(store, nr, nullptr);
        if (antwort)
            dialoge.antworte(antwort);
        d.erfasse(betrag, QDate(2021, 3, 20), Zahlungsart::Ueberweisung, "Kontoauszug 7");
        QTEST(dialoge.arten(), "gefragt");
        QTEST(store->offenposten(nr).offen().zahl(), "offen");
        QTEST(store->getAuftrag(nr).Status, "status");
        QCOMPARE(d.tabelle()->rowCount(), int(store->getZahlungen(nr).size()));
        // A wrong payment is removed only when confirmed.
        if (d.tabelle()->rowCount() == 1) {
            const int zahlung = store->getZahlungen(nr).first().Nr;
            dialoge.antworte(int(QMessageBox::No));
            QVERIFY(!d.entferne(zahlung));
            dialoge.antworte(int(QMessageBox::Yes));
            QVERIFY(d.entferne(zahlung));
            QCOMPARE(d.tabelle()->rowCount(), 0);
        }
    }

    void adminLoeschen_data()
    {
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<bool>("geloescht");
        QTest::addColumn<bool>("ausgestellt");
        QTest::newRow("geschlossen") << QVariant() << false << false;
        QTest::newRow("Ja") << QVariant(int(QMessageBox::Yes)) << true << false;
        QTest::newRow("ausgestellt: bleibt, die Liste zeigt es") << QVariant(int(QMessageBox::Yes)) << false << true;
    }

    void adminLoeschen()
    {
        QFETCH(QVariant, antwort);
        QFETCH(bool, geloescht);
        QFETCH(bool, ausgestellt);
        const int nr = neu();
        Auftrag a = Ausstellung::vorbereiten(store->getAuftrag(nr), QDateTime(QDate(2021, 3, 5), QTime(11, 0)));
        QVERIFY(!ausgestellt || store->stelleAus(a, "%PDF"));
        AuftragsEditor e;
        zeigeMaerz(e, true);
        dialoge.antworte(antwort);
        const QPoint zeile = zeileVon(e.tabelle(), nr);
        const int spalte = qobject_cast<QSqlTableModel*>(e.tabelle()->model())->fieldIndex("Ausgestellt");
        const QModelIndex zelle = e.tabelle()->indexAt(zeile).siblingAtColumn(spalte);
        const auto* datum = qobject_cast<FormatedDateTimeDelegate*>(e.tabelle()->itemDelegateForColumn(spalte));
        QVERIFY(datum);
        const QString gezeigt = ausgestellt ? datum->text(zelle.data()) : QString();
        imMenu(e.tabelle(), zeile, {"Löschen"});
        QCOMPARE(QVariantList({dialoge.arten().size(), store->getAuftrag(nr).Nr == 0,
                               e.tabelle()->model()->rowCount() == 0, e.tabelle()->isColumnHidden(spalte),
                               gezeigt}),
                 QVariantList({ausgestellt ? 2 : 1, geloescht, geloescht, false,
                               ausgestellt ? QString("05.03.2021 11:00") : QString()}));
    }

    void export_()
    {
        neu(Auftragsart::Angebot);
        AuftragsEditor e;
        zeigeMaerz(e);
        dialoge.antworte(env.pfad("auftraege.csv"));
        e.save();
        // The coded columns are written as their names, the header as the column names
        // while the list shows readable titles.
        const QString csv = liesDatei(env.pfad("auftraege.csv"));
        for (const char* name : {"\"Gespeichert\"", "\"Angebot\"", "\"Bar\"", "\"Produkte\""})
            QVERIFY2(csv.contains(name), qPrintable(csv));
        QVERIFY2(csv.startsWith("\"Nr\";\"AuftragsNr\";\"KundenNr\";\"Firma\""), qPrintable(csv.left(80)));
    }

    void kundenAuftraege()
    {
        const int a = neu(0, 5);
        const int b = neu(3, 5, QDateTime(QDate(2015, 1, 1), QTime(8, 0)));
        neu(0, 6);
        KundenAuftragsDialog d;
        Kunde k;
        k.Nr = 5, k.Name = "Meier", k.Firma = "ACME";
        d.setKunde(k);
        d.setStore(store);
        d.show();
        QCOMPARE(spalte(d.tabelle(), 0), QStringList({QString::number(a), QString::number(b)}));  // of every date
        // Every status and payment is named, a cancelled order paid by cheque's too.
        Auftrag storniert = store->getAuftrag(b);
        std::tie(storniert.Status, storniert.Zahlung) = std::pair(AuftragsStatus::Storniert, Zahlungsart::Scheck);
        QVERIFY(store->saveAuftrag(storniert));
        const QModelIndex zeile = d.tabelle()->indexAt(zeileVon(d.tabelle(), b));
        QStringList texte;
        for (const char* name : {"Status", "Zahlung"}) {
            const int spalte = AuftragsListe::spalte(d.tabelle(), name);
            auto* codes = qobject_cast<StringListDelegate*>(d.tabelle()->itemDelegateForColumn(spalte));
            texte << codes->text(zeile.siblingAtColumn(spalte).data());
        }
        QCOMPARE(texte, QStringList({"Storniert", "Scheck"}));
        // Payments are recorded from here as from the order list.
        int gezahlt = 0;
        connect(&d, &KundenAuftragsDialog::befohlen, this, [&gezahlt](AuftragsBefehl b, const Auftrag& x) {
            gezahlt = b == AuftragsBefehl::Zahlungen ? x.Nr : -1;
        });
        imMenu(d.tabelle(), zeileVon(d.tabelle(), a), {"Zahlungen…"});
        QCOMPARE(gezahlt, a);
    }

    void felderUndSammlung_data()
    {
        QTest::addColumn<int>("status");  // 0: a new order, never stored
        QTest::addColumn<bool>("eingangNeu");
        QTest::newRow("nicht gespeichert") << 0 << true;
        QTest::newRow("Gespeichert") << 1 << true;
        QTest::newRow("Gedruckt") << 2 << false;
        QTest::newRow("Storniert -1") << -1 << false;
    }

    // A status can be set on stored orders only; OK collects the input.
    void felderUndSammlung()
    {
        QFETCH(int, status);
        const bool gespeichert = status != 0;
        QFETCH(bool, eingangNeu);
        Auftrag a = gespeichert ? this->gespeichert(status) : beispiel();
        // A new order is delivered where the customer wants its goods; a stored one keeps its address.
        a.Kunde.Lieferanschrift = "Lager Süd\nHafen 2";
        AuftragsDialog d;
        oeffne(d, a);
        QCOMPARE(QVariantList({d.statusBox()->isEnabled(), d.zahlungBox()->currentIndex()}),
                 QVariantList({gespeichert, gespeichert ? int(Zahlungsart::Bar) : -1}));

        d.zahlungBox()->setCurrentIndex(Zahlungsart::EC);
        d.komentarEdit()->setPlainText("bitte liefern");
        d.bestellNrBox()->setText("PO-4711");
        const QDateTime vorher = QDateTime::currentDateTime().addSecs(-1);
        QTest::mouseClick(d.okKnopf(), Qt::LeftButton);
        // Reading the order changes nothing; taking the inputs over does.
        QCOMPARE(QVariantList({d.auftrag().Eingang, d.auftrag().Komentar}), QVariantList({a.Eingang, a.Komentar}));
        d.uebernehmeEingaben();
        const Auftrag b = d.auftrag();
        QCOMPARE(QVariantList({d.result(), b.Nr, b.AuftragsNr, b.BestellNr, b.Zahlung, b.Komentar, b.Status,
                               b.Lieferanschrift}),
                 QVariantList({int(QDialog::Accepted), a.Nr, a.AuftragsNr, "PO-4711", int(Zahlungsart::EC),
                               "bitte liefern", a.Status, gespeichert ? "" : "Lager Süd\nHafen 2"}));
        QVERIFY(eingangNeu ? b.Eingang > vorher : b.Eingang == a.Eingang);
    }

    // The acceptance handling updates the stored order with the collected
    // values; the status printing set must survive it.
    void druckenGespeichert()
    {
        const Auftrag alt = gespeichert(AuftragsStatus::Gespeichert);
        const int vorher = store->count();
        AuftragsDialog d;
        oeffne(d, alt);
        QTest::mouseClick(d.druckenKnopf(), Qt::LeftButton);
        QCOMPARE(QList<int>({int(gedruckt.size()), store->count()}), QList<int>({1, vorher}));
        d.uebernehmeEingaben();
        QVERIFY(store->saveAuftrag(d.auftrag()));
        QCOMPARE(store->getAuftrag(alt.Nr).Status, int(AuftragsStatus::Gedruckt));
    }

    void druckenSpeichernScheitert()
    {
        AuftragsDialog d;
        oeffne(d, beispiel());
        d.zahlungBox()->setCurrentIndex(Zahlungsart::Bar);
        d.komentarEdit()->setPlainText("wichtig");
        QVERIFY(QSqlQuery().exec("alter table auftragslines rename to weg"));
        QTest::mouseClick(d.druckenKnopf(), Qt::LeftButton);
        QVERIFY(QSqlQuery().exec("alter table weg rename to auftragslines"));

        QCOMPARE(QVariantList({dialoge.arten(), d.isVisible(), gedruckt.size(),
                               d.komentarEdit()->toPlainText(), d.produkte()->lines().size(), d.auftrag().Nr,
                               d.auftrag().AuftragsNr}),
                 QVariantList({QStringList{"warning"}, true, 0, "wichtig", 1, 0, 0}));

        // A second try once the store works again goes through.
        QTest::mouseClick(d.druckenKnopf(), Qt::LeftButton);
        QCOMPARE(QList<int>({d.result(), int(gedruckt.size())}), QList<int>({QDialog::Accepted, 1}));
    }
};

QTEST_MAIN(TestAuftragsEditor)
#include "tst_auftragseditor.moc"
