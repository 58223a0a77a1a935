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

    void neuerKunde(const QString& firma, const QString& name, int typ, const QString& email,
                    const QString& ort = QString(), const QString& tel = QString())
    {
        Kunde k;
        k.Ort = ort;
        k.Tel = tel;
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

private slots:
    void init()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        store = new SqlKundenStore(nullptr);
        store->createTable();
        dialoge = new SkriptInteraktion;
        neuerKunde("ACME", "Meier", 0, "m@acme.fr", "Lyon");
        neuerKunde("", "O'Brien", 1, "");
        neuerKunde("Obelix SARL", "Martin", 3, "martin@obelix.fr", "Lyon");
        neuerKunde("", "Oberle", 3, "", "Paris", "04 78 12 55");
    }
    void cleanup()
    {
        delete dialoge;
        delete store;
        Testumgebung::schliesseDatenbank();
    }

    // Type and text together, every word anywhere; "Alle" shows everyone.
    void filter_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("erwartet");
        QTest::newRow("O'Brien") << 0 << "O'B" << QStringList{"O'Brien"};
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
        e.setStore(store);
        typWahl(e)->setCurrentIndex(typ);
        QTest::keyClicks(filterFeld(e), text);
        QTEST(namen(e), "erwartet");
        QTest::mouseClick(knopf(&e, "Alle"), Qt::LeftButton);
        QCOMPARE(namen(e).size(), 4);
    }

    // The double click and each menu entry hand on the customer of their row.
    void zeilenBefehle()
    {
        KundenEditor e;
        e.setStore(store);
        e.resize(800, 400);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QSignalSpy geklickt(&e, &KundenEditor::kundeClicked);
        QSignalSpy liste(&e, &KundenEditor::listRechnungen);
        QSignalSpy rechnung(&e, &KundenEditor::neueRechnung);
        QSignalSpy email(&e, &KundenEditor::email);
        const QPoint zeile = zeilenMitte(e, "Oberle");
        // The view takes a double click only on the row it saw pressed.
        QTest::mouseClick(e.view()->viewport(), Qt::LeftButton, {}, zeile);
        QTest::mouseDClick(e.view()->viewport(), Qt::LeftButton, {}, zeile);
        for (int i = 0; i < 4; ++i)
            std::unique_ptr<QMenu>(e.kontextMenu(zeilenMitte(e, "Meier")))->actions().at(i)->trigger();
        const auto nr = [](const QSignalSpy& s, int i) { return s.value(i).value(0).value<Kunde>().Nr; };
        QCOMPARE(QVariantList({geklickt.value(0).value(0), geklickt.value(1).value(0), nr(liste, 0),
                               nr(rechnung, 0), nr(email, 0), geklickt.size() + liste.size()
                               + rechnung.size() + email.size()}),
                 QVariantList({nummern["Oberle"], nummern["Meier"], nummern["Meier"], nummern["Meier"],
                               nummern["Meier"], 5}));
        // "Email schreiben" only with an address; no menu below the last row.
        std::unique_ptr<QMenu> menu(e.kontextMenu(zeilenMitte(e, "O'Brien")));
        QVERIFY(!menu->actions().at(3)->isEnabled());
        QVERIFY(!e.kontextMenu(QPoint(10, e.view()->viewport()->height() - 2)));
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
