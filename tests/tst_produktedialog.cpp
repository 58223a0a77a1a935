#include "delegates/formateddoubledelegate.h"
#include "store/sqlproduktstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/menuauswahl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/produktedialog.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

// The product catalogue: input row, in-place editing, deletion.
class TestProdukteDialog : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    std::unique_ptr<SkriptInteraktion> dialoge;
    std::unique_ptr<SqlProduktStore> store;
    std::unique_ptr<ProdukteDialog> d;

    QModelIndex zelle(const QString& nr, int spalte)
    {
        QSqlTableModel* m = store->model();
        return m->match(m->index(0, 0), Qt::DisplayRole, nr).value(0).siblingAtColumn(spalte);
    }
    static QStringList nummern()
    {
        QStringList n;
        for (QSqlQuery q("select Nr from produkte order by Nr"); q.next();)
            n << q.value(0).toString();
        return n;
    }
    // Right-click on the first of the selected rows nr and choose "entfernen".
    void entferne(const QStringList& nr)
    {
        d->tabelle()->clearSelection();
        for (const QString& n : nr)
            d->tabelle()->selectionModel()->select(zelle(n, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        MenuAuswahl menu({"entfernen"});
        const QPoint p = d->tabelle()->visualRect(zelle(nr.first(), 1)).center();
        RUFE(d.get(), "view_context", Q_ARG(QPoint, p));
    }
    void oeffne()
    {
        d.reset();  // the old dialog writes its layout first
        d.reset(new ProdukteDialog);
        d->setStore(store.get());
        QVERIFY(zeige(d.get()));
    }

private slots:
    void init()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        dialoge.reset(new SkriptInteraktion);
        store.reset(new SqlProduktStore(nullptr));
        store->createTable();
        for (const char* nr : {"1", "2", "3"})
            QVERIFY(store->addProdukt(Produkt(nr, "P", 1.0)));
        oeffne();
    }

    void cleanup() { d.reset(); store.reset(); dialoge.reset(); }

    // Return moves Nr -> Name -> Preis -> added; a refused number keeps what was typed.
    void inputRow()
    {
        d->findChild<QComboBox*>()->setCurrentIndex(2);
        QWidget* w = feld(d.get(), "Nr");
        for (const QString getippt : {"-1a0-1-2", "Cable", "24,90"}) {  // shown: "10-12", "Cable", "24,90"
            QTest::keyClicks(w, getippt);
            QTest::keyClick(w, Qt::Key_Return);
            w = QApplication::focusWidget();
        }
        const Produkt p = store->getProdukt("10-12");
        QVERIFY2(p.Name == "Cable" && p.Preis == 24.9 && p.Typ == 2, qPrintable(QString::number(p.Preis)));
        QCOMPARE(spalte(d->tabelle(), 2).join(' '), "1 1 1 24.9");
        QCOMPARE(feld(d.get(), "Nr")->text() + feld(d.get(), "Name")->text() + feld(d.get(), "Preis")->text(),
                 QString());
        for (const QString nr : {"", "2"}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^addProdukt "));
            QVERIFY(!store->addProdukt(Produkt(nr, "direkt", 1.0)));
            feld(d.get(), "Nr")->setText(nr);
            feld(d.get(), "Name")->setText("Neu");
            if (!nr.isEmpty())
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^addProdukt "));
            QTest::mouseClick(d->findChild<QPushButton*>(), Qt::LeftButton);
            QCOMPARE(feld(d.get(), "Name")->text(), QString("Neu"));
        }
        // A price it cannot read is refused with its hint; nothing is added, the input stays.
        tippe(d.get(), "Nr", "20");
        tippe(d.get(), "Preis", "1.234,56");
        QTest::keyClick(feld(d.get(), "Preis"), Qt::Key_Return);
        QCOMPARE(feld(d.get(), "Nr")->text() + " " + feld(d.get(), "Preis")->text(), "20 1.234,56");
        QCOMPARE(dialoge->fragen.last().text, feld(d.get(), "Preis")->toolTip());
        QCOMPARE(dialoge->anzahl("warning"), 3);
        QCOMPARE(nummern(), (QStringList{"1", "10-12", "2", "3"}));
    }

    void deleteAsksSingularOrPlural()
    {
        entferne({"1", "3"});  // unanswered: the default, Cancel
        QCOMPARE(nummern(), (QStringList{"1", "2", "3"}));
        dialoge->antworte(QMessageBox::Ok);
        entferne({"1", "3"});
        dialoge->antworte(QMessageBox::Ok);
        entferne({"2"});
        QVERIFY(nummern().isEmpty());
        QStringList titel;  // plural, then singular
        for (const auto& frage : dialoge->fragen)
            titel << frage.titel.section(' ', 0, 0);
        QCOMPARE(titel, (QStringList{"Produkte", "Produkte", "Produkt"}));
    }

    // An edit or a delete the database refuses is told; the table shows what is stored.
    void refusedWritesAreToldAndUndone()
    {
        QSqlQuery q;
        for (const char* s : {"create trigger nein before update on produkte begin select raise(abort, 'gesperrt'); end",
                              "create trigger nein2 before delete on produkte begin select raise(abort, 'gesperrt'); end"})
            QVERIFY(q.exec(s));
        QVERIFY(!store->model()->setData(zelle("2", 2), 7.25));
        QTRY_COMPARE(dialoge->anzahl("warning"), 1);
        dialoge->antworte(QMessageBox::Ok);
        entferne({"2"});
        QCOMPARE(QVariantList({zelle("2", 2).data(), dialoge->anzahl("warning"), nummern().size()}),
                 QVariantList({1.0, 2, 3}));
        QVERIFY(dialoge->fragen.last().text.contains("gesperrt"));

        QVERIFY(q.exec("drop trigger nein"));  // later edits are written, the refused one not again
        QVERIFY(store->model()->setData(zelle("3", 2), 3.5));
        QCOMPARE(QList<double>({store->getProdukt("2").Preis, store->getProdukt("3").Preis}),
                 QList<double>({1.0, 3.5}));
    }

    // "," and "." are the decimal mark in the table as in the row, whatever the locale; the editor
    // opens on the amount stored; what it cannot read changes nothing.
    void priceEditWrittenAtOnceAndLayoutKept()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QStringList gesehen;
        for (const QString getippt : {"45.50", "24,90", "1.234,56"}) {
            d->tabelle()->edit(zelle("2", 2));
            QWidget* editor = QApplication::focusWidget();
            gesehen << editor->metaObject()->userProperty().read(editor).toString();
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor, getippt);
            QTest::keyClick(editor, Qt::Key_Return);
            if (getippt == "1.234,56") {  // kept open with its hint until the user gives up
                gesehen << (d->tabelle()->indexWidget(zelle("2", 2)) && !editor->toolTip().isEmpty() ? "hint" : "");
                QTest::keyClick(editor, Qt::Key_Escape);
            }
            QTRY_VERIFY(!d->tabelle()->indexWidget(zelle("2", 2)));  // the delegate commits on the next event
            gesehen << QString::number(store->getProdukt("2").Preis);
        }
        QLocale::setDefault(QLocale::c());
        QCOMPARE(gesehen, (QStringList{"1.00", "45.5", "45.50", "24.9", "24.90", "hint", "24.9"}));
        auto* geld = qobject_cast<FormatedDoubleDelegate*>(d->tabelle()->itemDelegateForColumn(2));
        QCOMPARE(geld->text(zelle("2", 2).data()), QString("24.90 €"));

        d->resize(720, 450);
        d->tabelle()->horizontalHeader()->resizeSection(1, 123);
        oeffne();
        QCOMPARE(d->size(), QSize(720, 450));
        QCOMPARE(d->tabelle()->horizontalHeader()->sectionSize(1), 123);
    }
};

QTEST_MAIN(TestProdukteDialog)
#include "tst_produktedialog.moc"
