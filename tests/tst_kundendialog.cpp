#include "store/sqlkundenstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/kundendialog.h"
#include "windows/kundeneditor.h"
#include "windows/kundenwidget.h"

#include <QSqlQuery>
#include <QtTest>
#include <QtWidgets>

// Drives the customer list, form and dialog with keys and clicks as a user would.
class TestKunden : public QObject
{
    Q_OBJECT

    Testumgebung env;
    SkriptInteraktion dialoge;
    std::unique_ptr<SqlKundenStore> store;
    QMap<QString, int> nummern;  // customer name -> Nr

    void neuerKunde(const QString& firma, const QString& name, int typ, const QString& email,
                    const QString& ort = QString(), const QString& tel = QString())
    {
        Kunde k;
        std::tie(k.Firma, k.Name, k.Typ, k.Email, k.Ort, k.Tel) = std::tie(firma, name, typ, email, ort, tel);
        k.Strasse = "Hauptstr. 1";  // a whole address but for the country
        k.PLZ = "69001";
        QVERIFY(store->addKunde(k));
        nummern[name] = k.Nr;
    }

    void oeffne(KundenDialog& d, const Kunde& k = Kunde())
    {
        d.setStore(store.get());
        if (k.Nr)
            d.setKunde(k);
        QVERIFY(zeige(&d));
    }

private slots:
    void init()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        dialoge.vergiss();
        store.reset(new SqlKundenStore(nullptr));
        store->createTable();
        neuerKunde("ACME", "Meier", 0, "m@acme.fr", "Lyon");
        neuerKunde("", "O'Brien", 1, "");
        neuerKunde("Obelix SARL", "Martin", 3, "martin@obelix.fr", "Lyon");
        neuerKunde("", "Oberle", 3, "", "Paris", "04 78 12 55");
    }
    void cleanup() { store.reset(); }  // before the next test's database replaces its connection

    void okayFolgtVollstaendigkeit_data()
    {
        QTest::addColumn<QStringList>("felder");  // Firma, Name, Strasse, PLZ, Ort, Land
        QTest::addColumn<bool>("okay");
        QTest::newRow("firma") << QStringList{"ACME", "", "W", "75001", "P", "Frankreich"} << true;
        QTest::newRow("nur name") << QStringList{"", "Meier", "W", "75001", "P", "X"} << true;
        QTest::newRow("kein name") << QStringList{"", "", "W", "75001", "P", "X"} << false;
        QTest::newRow("plz 4 in Frankreich") << QStringList{"ACME", "", "W", "7500", "P", "Frankreich"} << false;
        QTest::newRow("plz mit Buchstaben in Deutschland")
            << QStringList{"ACME", "", "W", "1234A", "P", "Deutschland"} << false;
        QTest::newRow("Belgien") << QStringList{"ACME", "", "W", "1000", "Bruxelles", "Belgien"} << true;
        QTest::newRow("Niederlande") << QStringList{"ACME", "", "W", "1012 AB", "A", "Niederlande"} << true;
        QTest::newRow("UK, Zeichen ausser Buchstaben, Ziffern, Blank, Bindestrich fallen weg")
            << QStringList{"ACME", "", "W", "SW1A 1AA/", "London", "UK"} << true;
        QTest::newRow("nur Bindestriche") << QStringList{"ACME", "", "W", "--", "P", "Schweiz"} << false;
        QTest::newRow("kein land") << QStringList{"ACME", "", "W", "75001", "P", ""} << false;
    }
    void okayFolgtVollstaendigkeit()
    {
        QFETCH(QStringList, felder);
        QFETCH(bool, okay);
        KundenDialog d;
        oeffne(d);
        QVERIFY(!knopf(&d, "Okay")->isEnabled());
        const QStringList namen{"Firma", "Name", "Strasse", "PLZ", "Ort", "Land"};
        for (int i = 0; i < namen.size(); ++i)
            tippe(&d, namen[i], felder[i]);
        // A grey button alone does not say why: the form does.
        const QLabel* hinweis = d.findChild<QLabel*>("Hinweis");
        QCOMPARE(QVariantList({knopf(&d, "Okay")->isEnabled(), hinweis && hinweis->isVisible()}),
                 QVariantList({okay, !okay}));
        if (!okay)
            return;
        QCOMPARE(d.form()->kunde().PLZ, felder[3].remove('/'));
        tippe(&d, "EAdresse", "0225:987654321_FAC ");
        tippe(&d, "LeitwegId", "04011000-12345-34");
        QCOMPARE(QStringList({d.form()->kunde().EAdresse, d.form()->kunde().LeitwegId}),
                 QStringList({"0225:987654321_FAC", "04011000-12345-34"}));
    }

    // Return moves on from an empty number or postcode too; Tab moves on from the remark, Ctrl+Tab
    // types a tab into it.
    void tastatur()
    {
        KundenDialog d;
        oeffne(d);
        QTest::keyClick(feld(&d, "PLZ"), Qt::Key_Return);
        const QWidget* nachPlz = QApplication::focusWidget();
        QTest::keyClick(feld(&d, "KundenNr"), Qt::Key_Return);
        QCOMPARE(QList<const QWidget*>({nachPlz, QApplication::focusWidget()}),
                 QList<const QWidget*>({feld(&d, "Ort"), feld(&d, "Firma")}));
        auto* bemerkung = d.findChild<QTextEdit*>("Bemerkung");
        bemerkung->setFocus();
        QTest::keyClick(bemerkung, Qt::Key_Tab, Qt::ControlModifier);
        QTest::keyClick(bemerkung, Qt::Key_Tab);
        QCOMPARE(QVariantList({bemerkung->toPlainText(), bemerkung->hasFocus()}), QVariantList({"\t", false}));
    }

    // A change is stored only after the question; a taken number or a failed write keeps the dialog
    // and the input and hands nothing on.
    void speichern_data()
    {
        QTest::addColumn<bool>("neu");  // typed number "-7a7": signs and letters are dropped
        QTest::addColumn<bool>("vergeben");  // the stored customer's number typed instead
        QTest::addColumn<bool>("kaputt");  // the store refuses every write
        QTest::addColumn<QVariant>("antwort");  // none: nothing typed
        QTest::addColumn<QString>("knopfText");
        QTest::addColumn<QString>("gespeichert");
        const QVariant ja(int(QMessageBox::Yes));
        const QVariant nein(int(QMessageBox::No));
        QTest::newRow("ja") << false << false << false << ja << "Okay" << "Dupont";
        QTest::newRow("nein") << false << false << false << nein << "Okay" << "Meier";
        QTest::newRow("unveraendert") << false << false << false << QVariant() << "Okay" << "Meier";
        QTest::newRow("neu") << true << false << false << ja << "Neue Rechnung" << "Meier";
        QTest::newRow("nummer vergeben") << true << true << false << ja << "Neue Rechnung" << "Meier";
        QTest::newRow("neu scheitert") << true << false << true << ja << "Okay" << "Meier";
        QTest::newRow("aenderung scheitert") << false << false << true << ja << "Okay" << "Meier";
    }
    void speichern()
    {
        QFETCH(bool, neu);
        QFETCH(bool, vergeben);
        QFETCH(bool, kaputt);
        QFETCH(QVariant, antwort);
        QFETCH(QString, knopfText);
        QFETCH(QString, gespeichert);
        const Kunde k = store->getKunde(nummern["Meier"]);
        if (kaputt)  // the database refuses every write, as a locked or full one would
            for (const char* schreiben : {"insert", "update"})
                QVERIFY(QSqlQuery().exec(QString("create trigger nein_%1 before %1 on kunden begin "
                                                 "select raise(abort, 'gesperrt'); end").arg(schreiben)));
        KundenDialog d;
        QSignalSpy rechnung(&d, qOverload<Kunde>(&KundenDialog::neueRechnung));
        oeffne(d, neu ? Kunde() : store->getKunde(k.Nr));
        if (antwort.isValid())
            for (const auto& [name, text] : {std::pair{"Firma", "Atelier Roux"}, {"Strasse", "1 rue Haute"},
                                             {"PLZ", "01000"}, {"Ort", "Bourg"}, {"Name", "Dupont"}})
                tippe(&d, name, text);
        if (neu)
            tippe(&d, "KundenNr", vergeben ? QString::number(k.Nr) : "-7a7");
        dialoge.antworte(antwort);
        QTest::mouseClick(knopf(&d, knopfText), Qt::LeftButton);
        const bool offen = kaputt || vergeben;
        const bool weiter = knopfText != "Okay" && !offen;
        QCOMPARE(QVariantList({dialoge.anzahl("question"), dialoge.anzahl("warning"), d.isVisible(),
                               d.result() == QDialog::Accepted, d.form()->isNew(),
                               feld(&d, "KundenNr")->isReadOnly(), store->getKunde(k.Nr).Name,
                               store->getKunde(77).PLZ, rechnung.value(0).value(0).value<Kunde>().Nr}),
                 QVariantList({int(antwort.isValid() && !neu), int(offen), offen, !offen, neu && offen,
                               !(neu && offen), gespeichert, neu && !offen ? "01000" : "", weiter ? 77 : 0}));
        if (offen)
            QCOMPARE(QStringList({feld(&d, "Firma")->text(), feld(&d, "Name")->text()}),
                     QStringList({"Atelier Roux", "Dupont"}));
    }

    // Escape with typed input asks; the default goes on editing. Nothing typed closes at once.
    void verlassenFragt_data()
    {
        QTest::addColumn<bool>("getippt");
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<bool>("offen");
        QTest::newRow("nothing typed") << false << QVariant() << false;
        QTest::newRow("typed, default") << true << QVariant() << true;
        QTest::newRow("typed, discard") << true << QVariant(int(QMessageBox::Discard)) << false;
    }

    void verlassenFragt()
    {
        QFETCH(bool, getippt);
        QFETCH(QVariant, antwort);
        QFETCH(bool, offen);
        KundenDialog d;
        oeffne(d, store->getKunde(nummern["Meier"]));
        if (getippt)
            tippe(&d, "Name", "Dupont");
        dialoge.antworte(antwort);  // unused when nothing asks
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(QVariantList({dialoge.fragen.size(), d.isVisible()}), QVariantList({int(getippt), offen}));
    }

    void nurLesen()
    {
        KundenDialog d;
        QSignalSpy mail(&d, &KundenDialog::email);
        d.setReadOnly();  // before the customer: loading it must not enable the commands
        oeffne(d, store->getKunde(nummern["Meier"]));
        QVERIFY(!knopf(&d, "Okay")->isEnabled());
        QTest::mouseClick(knopf(&d, "Email"), Qt::LeftButton);
        QCOMPARE(QVariantList({mail.value(0).value(0).value<Kunde>().Email, dialoge.fragen.size()}),
                 QVariantList({"m@acme.fr", 0}));
    }

    // Type and text together, every word anywhere; "Alle" shows everyone.
    void filter_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("firma") << 0 << "AC" << QStringList{"Meier"};
        QTest::newRow("intern") << 4 << "Obe" << QStringList{"Martin", "Oberle"};
        QTest::newRow("word inside") << 0 << "brie" << QStringList{"O'Brien"};
        QTest::newRow("town") << 0 << "lyon" << QStringList{"Martin", "Meier"};
        QTest::newRow("phone") << 0 << "78 12" << QStringList{"Oberle"};
        QTest::newRow("e-mail") << 0 << "obelix.fr" << QStringList{"Martin"};
        QTest::newRow("two words") << 0 << "lyon acme" << QStringList{"Meier"};
        QTest::newRow("customer number") << 0 << "3" << QStringList{"Martin"};
        QTest::newRow("% typed") << 0 << "%" << QStringList{};
    }
    void filter()
    {
        QFETCH(int, typ);
        QFETCH(QString, text);
        KundenEditor e;
        e.setStore(store.get());
        e.findChild<QComboBox*>()->setCurrentIndex(typ);
        QTest::keyClicks(e.findChild<QLineEdit*>(), text);
        QTEST(spalte(e.view(), 2), "erwartet");
        QTest::mouseClick(knopf(&e, "Alle"), Qt::LeftButton);
        QCOMPARE(spalte(e.view(), 2).size(), 4);
    }

    // The double click and each menu entry hand on the customer of their row.
    void zeilenBefehle()
    {
        KundenEditor e;
        e.setStore(store.get());
        e.resize(800, 400);
        QVERIFY(zeige(&e));
        QSignalSpy geklickt(&e, &KundenEditor::kundeClicked);
        QSignalSpy liste(&e, &KundenEditor::listRechnungen);
        QSignalSpy rechnung(&e, &KundenEditor::neueRechnung);
        QSignalSpy email(&e, &KundenEditor::email);
        const QPoint zeile = zeileMit(e.view(), 2, "Oberle");
        // The view takes a double click only on the row it saw pressed.
        QTest::mouseClick(e.view()->viewport(), Qt::LeftButton, {}, zeile);
        QTest::mouseDClick(e.view()->viewport(), Qt::LeftButton, {}, zeile);
        for (int i = 0; i < 4; ++i)
            std::unique_ptr<QMenu>(e.kontextMenu(zeileMit(e.view(), 2, "Meier")))->actions().at(i)->trigger();
        const auto nr = [](const QSignalSpy& s, int i) { return s.value(i).value(0).value<Kunde>().Nr; };
        QCOMPARE(QVariantList({geklickt.value(0).value(0), geklickt.value(1).value(0), nr(liste, 0),
                               nr(rechnung, 0), nr(email, 0), geklickt.size() + liste.size()
                               + rechnung.size() + email.size()}),
                 QVariantList({nummern["Oberle"], nummern["Meier"], nummern["Meier"], nummern["Meier"],
                               nummern["Meier"], 5}));
        // "Email schreiben" only with an address; no menu below the last row.
        std::unique_ptr<QMenu> menu(e.kontextMenu(zeileMit(e.view(), 2, "O'Brien")));
        QVERIFY(!menu->actions().at(3)->isEnabled());
        QVERIFY(!e.kontextMenu(QPoint(10, e.view()->viewport()->height() - 2)));
    }

    void spaltenlayout()
    {
        {
            KundenEditor e;
            e.setStore(store.get());
            QTableView* v = e.view();
            QVERIFY(v->isColumnHidden(6));
            v->setColumnWidth(2, 231);
            v->setColumnHidden(3, true);
            v->sortByColumn(2, Qt::DescendingOrder);
            // A new model per keystroke keeps what the user arranged.
            QTest::keyClicks(e.findChild<QLineEdit*>(), "O");
            QCOMPARE(v->columnWidth(2), 231);
            QVERIFY(v->isColumnHidden(3) && v->isColumnHidden(6));
            QCOMPARE(v->model()->index(0, 2).data().toString(), QString("Oberle"));
        }
        KundenEditor e;
        e.setStore(store.get());
        QCOMPARE(e.view()->columnWidth(2), 231);
        QVERIFY(e.view()->isColumnHidden(3));
    }
};

QTEST_MAIN(TestKunden)
#include "tst_kundendialog.moc"
