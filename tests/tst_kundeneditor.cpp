#include "store/sqlkundenstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/kundeneditor.h"

#include <QtTest>
#include <QtWidgets>

// Drives the customer list: filter, type selector, context menu, layout.
class TestKundenEditor : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    SkriptInteraktion* dialoge = nullptr;
    SqlKundenStore* store = nullptr;
    QMap<QString, int> nummern;  // customer name -> Nr

    void neuerKunde(const QString& firma, const QString& name, int typ, const QString& email)
    {
        Kunde k;
        k.Firma = firma;
        k.Name = name;
        k.Typ = typ;
        k.Email = email;
        QVERIFY(store->addKunde(k));
        nummern[name] = k.Nr;
    }
    static QLineEdit* filterFeld(KundenEditor& e) { return e.findChild<QLineEdit*>(); }
    static QComboBox* typWahl(KundenEditor& e) { return e.findChild<QComboBox*>(); }
    static QStringList namen(KundenEditor& e) { return spalte(e.view(), 2); }
    static QPoint zeilenMitte(KundenEditor& e, const QString& name) { return zeileMit(e.view(), 2, name); }
    void zeige(KundenEditor& e)
    {
        e.setStore(store);
        e.resize(800, 400);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
    }

private slots:
    void init()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        store = new SqlKundenStore(nullptr);
        store->createTable();
        dialoge = new SkriptInteraktion;
        neuerKunde("ACME", "Meier", 0, "m@acme.fr");
        neuerKunde("", "O'Brien", 1, "");
        neuerKunde("Obelix SARL", "Martin", 3, "martin@obelix.fr");
        neuerKunde("", "Oberle", 3, "");
        neuerKunde("Atelier", "Bernard", 2, "");
    }
    void cleanup()
    {
        delete dialoge;
        delete store;
        Testumgebung::schliesseDatenbank();
    }

    void filterEngtBeimTippenEin_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<QStringList>>("nachJedemZeichen");
        QTest::newRow("O'Brien") << 0 << "O'B"
                                 << QList<QStringList>{{"Martin", "O'Brien", "Oberle"},
                                                       {"O'Brien"},
                                                       {"O'Brien"}};
        QTest::newRow("firma") << 0 << "At" << QList<QStringList>{{"Bernard", "Meier"}, {"Bernard"}};
        QTest::newRow("intern") << 4 << "Obe" << QList<QStringList>(3, {"Martin", "Oberle"});
        QTest::newRow("kunde2") << 2 << "O" << QList<QStringList>{{"O'Brien"}};
        QTest::newRow("sql") << 0 << "' or '1'='1" << QList<QStringList>(11, QStringList{});
    }
    void filterEngtBeimTippenEin()
    {
        QFETCH(int, typ);
        QFETCH(QString, text);
        QFETCH(QList<QStringList>, nachJedemZeichen);
        KundenEditor e;
        e.setStore(store);
        QCOMPARE(namen(e).size(), 5);
        typWahl(e)->setCurrentIndex(typ);
        for (int i = 0; i < text.size(); ++i) {
            QTest::keyClick(filterFeld(e), text.at(i).toLatin1());
            QCOMPARE(namen(e), nachJedemZeichen.at(i));
        }
    }

    void typWahlUndAlle()
    {
        KundenEditor e;
        e.setStore(store);
        typWahl(e)->setCurrentIndex(4);
        QTest::mouseClick(knopf(&e, "Alle"), Qt::LeftButton);
        QCOMPARE(namen(e).size(), 5);
        // The next change filters by both again.
        QTest::keyClicks(filterFeld(e), "M");
        QCOMPARE(namen(e), QStringList({"Martin"}));
        // The list follows the store.
        neuerKunde("", "Mbappe", 3, "");
        QCOMPARE(namen(e), QStringList({"Martin", "Mbappe"}));
    }

    void kontextMenu_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("eintrag");
        QTest::addColumn<bool>("mail");  // "Email schreiben" only with an address
        QTest::newRow("Anzeigen") << "Martin" << 0 << true;
        QTest::newRow("Zeige Rechnungen") << "Meier" << 1 << true;
        QTest::newRow("Neue Rechnung ohne Adresse") << "O'Brien" << 2 << false;
        QTest::newRow("Email schreiben") << "Martin" << 3 << true;
    }
    void kontextMenu()
    {
        QFETCH(QString, name);
        QFETCH(int, eintrag);
        QFETCH(bool, mail);
        KundenEditor e;
        zeige(e);
        QSignalSpy geklickt(&e, &KundenEditor::kundeClicked);
        QSignalSpy liste(&e, &KundenEditor::listRechnungen);
        QSignalSpy rechnung(&e, &KundenEditor::neueRechnung);
        QSignalSpy email(&e, &KundenEditor::email);
        QSignalSpy* spies[] = {&geklickt, &liste, &rechnung, &email};

        std::unique_ptr<QMenu> menu(e.kontextMenu(zeilenMitte(e, name)));
        QVERIFY(menu);
        QCOMPARE(menu->actions().at(3)->isEnabled(), mail);
        menu->actions().at(eintrag)->trigger();
        for (int i = 0; i < 4; ++i)
            QCOMPARE(spies[i]->count(), i == eintrag ? 1 : 0);
        const QVariant v = spies[eintrag]->at(0).at(0);
        QCOMPARE(eintrag == 0 ? v.toInt() : v.value<Kunde>().Nr, nummern[name]);
        // Below the last row.
        QVERIFY(!e.kontextMenu(QPoint(10, e.view()->viewport()->height() - 2)));
    }

    void doppelklickUndNeu()
    {
        KundenEditor e;
        zeige(e);
        QSignalSpy geklickt(&e, &KundenEditor::kundeClicked);
        QSignalSpy neu(&e, &KundenEditor::neuerKunde);
        const QPoint zeile = zeilenMitte(e, "Oberle");
        // The view takes a double click only on the row it saw pressed.
        QTest::mouseClick(e.view()->viewport(), Qt::LeftButton, {}, zeile);
        QTest::mouseDClick(e.view()->viewport(), Qt::LeftButton, {}, zeile);
        QCOMPARE(geklickt.count(), 1);
        QCOMPARE(geklickt[0][0].toInt(), nummern["Oberle"]);
        QTest::mouseClick(knopf(&e, "Neu"), Qt::LeftButton);
        QCOMPARE(neu.count(), 1);
    }

    void spaltenlayout()
    {
        {
            KundenEditor e;
            e.setStore(store);
            QTableView* v = e.view();
            QVERIFY(v->isColumnHidden(6));
            v->setColumnWidth(2, 231);
            v->setColumnHidden(3, true);
            v->sortByColumn(2, Qt::DescendingOrder);
            // A new model per keystroke keeps what the user arranged.
            QTest::keyClicks(filterFeld(e), "O");
            QCOMPARE(v->columnWidth(2), 231);
            QVERIFY(v->isColumnHidden(3) && v->isColumnHidden(6));
            QCOMPARE(v->model()->index(0, 2).data().toString(), QString("Oberle"));
        }
        KundenEditor e;
        e.setStore(store);
        QCOMPARE(e.view()->columnWidth(2), 231);
        QVERIFY(e.view()->isColumnHidden(3));
    }
};

QTEST_MAIN(TestKundenEditor)
#include "tst_kundeneditor.moc"
