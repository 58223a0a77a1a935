#include "delegates/betragfeld.h"
#include "delegates/formateddatetimedelegate.h"
#include "delegates/formateddoubledelegate.h"
#include "delegates/stringlistdelegate.h"
#include "platform/qtinteraktion.h"
#include "print/steuer.h"
#include "store/sqlproduktstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/menuauswahl.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/ascompleter.h"
#include "windows/produktedialog.h"
#include "windows/produktewidget.h"

#include <QtSql>
#include <QtTest>
#include <QtWidgets>

#include <tuple>

// The order-line entry (look-up by number and name, completion, the price dialog of unknown products,
// the line menu and the sum label), the product catalogue (input row, in-place editing, deletion), and
// the amount field and list delegates they are built of.
class TestProdukte : public QObject
{
    Q_OBJECT

    Testumgebung env;
    SkriptInteraktion dialoge;
    std::unique_ptr<SqlProduktStore> store;
    std::unique_ptr<ProdukteWidget> w;
    std::unique_ptr<ProdukteDialog> d;

    void tippe(const QString& text, int menge = 1)
    {
        w->mengeBox()->setValue(menge);
        QTest::keyClicks(w->eingabeZeile(), text);
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Return);
    }

    AuftragsLine zeile(int row) const { return w->lines().value(row); }

    // The entry pfad of row's menu, with the answer to the question it asks.
    void menu(int row, const QStringList& pfad, const QVariant& antwort = {})
    {
        if (antwort.isValid())
            dialoge.antworte(antwort);
        imMenu(w->tabelle(), w->tabelle()->visualRect(w->tabelle()->model()->index(row, 2)).center(), pfad);
    }

    QModelIndex zelle(const QString& nr, int spalte)
    {
        QSqlTableModel* m = store->model();
        return m->match(m->index(0, 0), Qt::DisplayRole, nr).value(0).siblingAtColumn(spalte);
    }
    static QStringList nummern() { return Testumgebung::abfrage("select Nr from produkte order by Nr"); }
    // Right-click on the first of the selected rows nr, choose "entfernen" and give the answer.
    void entferne(const QStringList& nr, const QVariant& antwort = {})
    {
        if (antwort.isValid())
            dialoge.antworte(antwort);
        d->tabelle()->clearSelection();
        for (const QString& n : nr)
            d->tabelle()->selectionModel()->select(zelle(n, 0), QItemSelectionModel::Select | QItemSelectionModel::Rows);
        imMenu(d->tabelle(), d->tabelle()->visualRect(zelle(nr.first(), 1)).center(), {"entfernen"});
    }
    void oeffne()
    {
        w.reset();
        d.reset();  // the old dialog writes its layout first
        d.reset(new ProdukteDialog);
        d->setStore(store.get());
        QVERIFY(zeige(d.get()));
    }

    const QStringList statusNamen{"Neu", "Gespeichert", "Gedruckt", "Bezahlt", "Versendet", "Erledigt", "Storniert"};

    // Paints index into a white image with the given state; the image shows what was drawn.
    static QImage male(QAbstractItemDelegate& d, const QModelIndex& index, QStyle::State state)
    {
        QImage bild(120, 24, QImage::Format_ARGB32);
        bild.fill(Qt::white);
        QStyleOptionViewItem opt;
        opt.rect = bild.rect();
        opt.state = state | QStyle::State_Enabled;
        opt.decorationSize = QSize(16, 16);  // as a view sets it
        QPainter p(&bild);
        d.paint(&p, opt, index);
        return bild;
    }

private slots:
    void init()
    {
        env.neueDatenbank();
        env.leereEinstellungen();
        dialoge.vergiss();
        store.reset(new SqlProduktStore(nullptr));
        store->createTable();
        Produkt kabel("K-1", "Kabel", 20.0);
        kabel.Desc = "Kupferkabel 3 m";
        QVERIFY(store->addProdukt(kabel));
        Produkt stecker("S-2", "Stecker", 5.5);
        std::tie(stecker.Kategorie, stecker.Satz) = std::make_tuple("S", 5.5);
        QVERIFY(store->addProdukt(stecker));
        QVERIFY(store->addProdukt(Produkt("KS-3", "Kabelschuh", 0.25)));
        w.reset(new ProdukteWidget);
        w->setProduktStore(store.get());
        QVERIFY(zeige(w.get()));
    }

    void cleanup()
    {
        d.reset();
        w.reset();
        store.reset();
    }

    // A known product by number or name, an unknown one priced in a dialog.
    void eingabe_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("menge");
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<QVariantList>("zeile");  // number, quantity, price, comment, name
        QTest::newRow("Nummer, Menge 3")
            << "K-1" << 3 << QVariant() << QVariantList{"K-1", 3, 60.0, "Kupferkabel 3 m", "Kabel"};
        QTest::newRow("Name, andere Schreibung")
            << "kabelschuh" << 4 << QVariant() << QVariantList{"KS-3", 4, 1.0, "", "Kabelschuh"};
        QTest::newRow("unbekannt, abgebrochen") << "Montage vor Ort" << 2 << QVariant() << QVariantList();
        QTest::newRow("unbekannt, Preis 45.50") << "Montage vor Ort" << 2 << QVariant("45.50")
                                                << QVariantList{"", 2, 91.0, "", "Montage vor Ort"};
    }

    void eingabe()
    {
        QFETCH(QString, text);
        QFETCH(QVariantList, zeile);
        QFETCH(QVariant, antwort);
        const bool unbekannt = text.contains(' ');
        dialoge.antworte(antwort);  // asked for unknown products only
        QFETCH(int, menge);
        tippe(text, menge);
        QCOMPARE(dialoge.arten(), unbekannt ? QStringList{"getCheckedText"} : QStringList());
        QCOMPARE(w->lines().size(), zeile.isEmpty() ? 0 : 1);
        const AuftragsLine l = this->zeile(0);
        if (!zeile.isEmpty())
            QCOMPARE(QVariantList({l.ProduktNr, l.Anzahl, l.Preis, l.Komentar, l.Produkt}), zeile);
        // The inputs are ready for the next line.
        QCOMPARE(QVariantList({w->mengeBox()->value(), w->eingabeZeile()->text()}),
                 QVariantList({1, QString()}));
    }

    void completer()
    {
        AsCompleter* c = w->completer();
        QListView* liste = c->listPopup();
        QTest::keyClicks(w->eingabeZeile(), "kabel");
        QCOMPARE(QVariantList({liste->isVisible(), liste->model()->rowCount(), liste->modelColumn()}),
                 QVariantList({true, 2, 1}));  // names are listed, not numbers
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Escape);
        QVERIFY(!c->popupVisible());
        QTest::keyClicks(w->eingabeZeile(), "x");  // "kabelx" matches nothing
        QVERIFY(!c->popupVisible());
        w->eingabeZeile()->clear();
        QTest::keyClicks(w->eingabeZeile(), "steck");

        // Choosing the name delivers the number, which enters the line.
        w->mengeBox()->setValue(2);
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Down);
        liste->setCurrentIndex(liste->model()->index(0, 1));
        QTest::keyClick(liste, Qt::Key_Return);
        QCOMPARE(QVariantList({c->popupVisible(), zeile(0).ProduktNr, zeile(0).Preis}),
                 QVariantList({false, "S-2", 11.0}));

        // Emptying the line by hand keeps it closed.
        QTest::keyClicks(w->eingabeZeile(), "a");
        QTest::keyClick(w->eingabeZeile(), Qt::Key_Backspace);
        QVERIFY(!c->popupVisible());
    }

    void zeilenMenu()
    {
        tippe("K-1", 10);
        tippe("S-2", 10);
        QTest::keyClicks(w->eingabeZeile(), "Rabatt");
        dialoge.antworte("10");
        QTest::mouseClick(w->prozentKnopf(), Qt::LeftButton);
        // One reduction per rate: the cable's rate from the settings, the plug's 5.5 %.
        QCOMPARE(QVariantList({zeile(2).Produkt, zeile(2).Preis, zeile(2).Anzahl, zeile(2).Kategorie,
                               zeile(3).Preis, zeile(3).Satz, w->summe()}),
                 QVariantList({"Rabatt", -20.0, 1, "", -5.5, 5.5, 229.5}));
        QTest::mouseClick(w->prozentKnopf(), Qt::LeftButton);  // cancelled
        QCOMPARE(w->lines().size(), 4);
        menu(3, {"entfernen"});

        menu(1, {"Preis ändern"}, "45.50");
        menu(0, {"Komentar ändern"}, "mit Schirmung");
        menu(0, {"Preis ändern"});  // cancelled: unchanged
        QCOMPARE(QVariantList({zeile(0).Komentar, zeile(0).Preis, zeile(1).Preis}),
                 QVariantList({"mit Schirmung", 200.0, 45.5}));
        // A quantity scales the line's own price; from 0 the product's price applies, never NaN.
        for (const auto& [row, menge] : QList<std::pair<int, int>>{{1, 20}, {0, 0}, {0, 3}, {2, 0}, {2, 4}})
            menu(row, {"Menge ändern"}, menge);
        QCOMPARE(QVariantList({zeile(0).Preis, zeile(1).Preis, zeile(2).Preis, zeile(2).Anzahl}),
                 QVariantList({60.0, 91.0, 0.0, 4}));
        menu(0, {"entfernen"});
        QCOMPARE(QVariantList({w->lines().size(), zeile(0).ProduktNr, w->summe()}),
                 QVariantList({2, "S-2", 91.0}));
        // The line takes the product's VAT and changes it through the menu.
        QCOMPARE(QVariantList({zeile(0).Kategorie, zeile(0).Satz, zeile(1).Kategorie}), QVariantList({"S", 5.5, ""}));
        menu(0, {"MwSt ändern"}, int(Steuer::auswahl(false).size() - 1));  // the last: exempt training
        QCOMPARE(QVariantList({zeile(0).Kategorie, zeile(0).Satz}), QVariantList({"E", 0.0}));
        // Decimal quantities to the third decimal; the line total rounded to cents; the unit from the list.
        for (const char* menge : {"1,5", "0.333"})
            menu(0, {"Menge ändern"}, QString(menge));
        menu(0, {"Einheit ändern"}, 3);  // Stück, Stunde, Tag, kg
        // 91.00 for 20: 4.55 each, kept through 1.5 (6.83) to 0.333 (1.52).
        QCOMPARE(QVariantList({zeile(0).Anzahl, zeile(0).Preis, zeile(0).Einheit}),
                 QVariantList({0.333, 1.52, "kg"}));
    }

    // The boxes a user sees read "," and "." alike under a German locale, show the amount
    // stored, and keep OK disabled, with a hint, for what they cannot read.
    void preisBoxenOhneLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QtInteraktion qt;
        Interaktion::install(&qt);
        QStringList gesehen;
        const auto antworte = [&gesehen](const QString& getippt) {
            return [&gesehen, getippt](QDialog* d) {
                auto* feld = d->findChild<QLineEdit*>();
                QPushButton* ok = d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
                gesehen << feld->text();
                feld->setText("1.234,56");
                gesehen << QString::number(ok->isEnabled());
                feld->setText(getippt);
                ok->click();
            };
        };
        mitDialog([this] { tippe("Montage vor Ort"); }, antworte("45.50"));
        mitDialog([this] { menu(0, {"Preis ändern"}); }, antworte("24,90"));
        Interaktion::install(&dialoge);
        QLocale::setDefault(QLocale::c());
        QCOMPARE(gesehen, (QStringList{"0.00", "0", "45.50", "0"}));
        QCOMPARE(zeile(0).Preis, 24.9);
    }

    // Return moves Nr -> Name -> Preis -> added; a refused number keeps what was typed.
    void inputRow()
    {
        oeffne();
        d->findChild<QComboBox*>()->setCurrentIndex(2);
        QWidget* w = feld(d.get(), "Nr");
        for (const QString getippt : {"-1a0-1-2", "Cable", "24,90"}) {  // shown: "10-12", "Cable", "24,90"
            QTest::keyClicks(w, getippt);
            QTest::keyClick(w, Qt::Key_Return);
            w = QApplication::focusWidget();
        }
        const Produkt p = store->getProdukt("10-12");
        QVERIFY2(p.Name == "Cable" && p.Preis == 24.9 && p.Typ == 2, qPrintable(QString::number(p.Preis)));
        QCOMPARE(spalte(d->tabelle(), 2).join(' '), "0.25 20 24.9 5.5");
        QCOMPARE(feld(d.get(), "Nr")->text() + feld(d.get(), "Name")->text() + feld(d.get(), "Preis")->text(),
                 QString());
        for (const QString nr : {"", "S-2"}) {
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("^%1 ").arg(SqlProduktStore::Hinzufuegen)));
            QVERIFY(!store->addProdukt(Produkt(nr, "direkt", 1.0)));
            feld(d.get(), "Nr")->setText(nr);
            feld(d.get(), "Name")->setText("Neu");
            if (!nr.isEmpty())
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("^%1 ").arg(SqlProduktStore::Hinzufuegen)));
            QTest::mouseClick(d->findChild<QPushButton*>(), Qt::LeftButton);
            QCOMPARE(feld(d.get(), "Name")->text(), QString("Neu"));
        }
        // A price it cannot read is refused with its hint; nothing is added, the input stays.
        ::tippe(d.get(), "Nr", "20");
        ::tippe(d.get(), "Preis", "1.234,56");
        QTest::keyClick(feld(d.get(), "Preis"), Qt::Key_Return);
        QCOMPARE(feld(d.get(), "Nr")->text() + " " + feld(d.get(), "Preis")->text(), "20 1.234,56");
        QCOMPARE(dialoge.fragen.last().text, feld(d.get(), "Preis")->toolTip());
        QCOMPARE(dialoge.anzahl("warning"), 3);
        QCOMPARE(nummern(), (QStringList{"10-12", "K-1", "KS-3", "S-2"}));
    }

    void deleteAsksSingularOrPlural()
    {
        oeffne();
        entferne({"K-1", "KS-3"});  // unanswered: the default, Cancel
        QCOMPARE(nummern(), (QStringList{"K-1", "KS-3", "S-2"}));
        entferne({"K-1", "KS-3"}, QMessageBox::Ok);
        entferne({"S-2"}, QMessageBox::Ok);
        QVERIFY(nummern().isEmpty());
        QStringList titel;  // plural, then singular
        for (const auto& frage : dialoge.fragen)
            titel << frage.titel.section(' ', 0, 0);
        QCOMPARE(titel, (QStringList{"Produkte", "Produkte", "Produkt"}));
    }

    // An edit or a delete the database refuses is told; the table shows what is stored.
    void refusedWritesAreToldAndUndone()
    {
        oeffne();
        QSqlQuery q;
        for (const char* s : {"create trigger nein before update on produkte begin select raise(abort, 'gesperrt'); end",
                              "create trigger nein2 before delete on produkte begin select raise(abort, 'gesperrt'); end"})
            QVERIFY(q.exec(s));
        QVERIFY(!store->model()->setData(zelle("S-2", 2), 7.25));
        QTRY_COMPARE(dialoge.anzahl("warning"), 1);
        entferne({"S-2"}, QMessageBox::Ok);
        QCOMPARE(QVariantList({zelle("S-2", 2).data(), dialoge.anzahl("warning"), nummern().size()}),
                 QVariantList({5.5, 2, 3}));
        QVERIFY(dialoge.fragen.last().text.contains("gesperrt"));

        QVERIFY(q.exec("drop trigger nein"));  // later edits are written, the refused one not again
        QVERIFY(store->model()->setData(zelle("KS-3", 2), 3.5));
        QCOMPARE(QList<double>({store->getProdukt("S-2").Preis, store->getProdukt("KS-3").Preis}),
                 QList<double>({5.5, 3.5}));
    }

    // "," and "." are the decimal mark in the table as in the row, whatever the locale; the editor
    // opens on the amount stored; what it cannot read changes nothing.
    void priceEditWrittenAtOnceAndLayoutKept()
    {
        oeffne();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QStringList gesehen;
        for (const QString getippt : {"45.50", "24,90", "1.234,56"}) {
            d->tabelle()->edit(zelle("S-2", 2));
            QWidget* editor = QApplication::focusWidget();
            gesehen << editor->metaObject()->userProperty().read(editor).toString();
            QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(editor, getippt);
            QTest::keyClick(editor, Qt::Key_Return);
            if (getippt == "1.234,56") {  // kept open with its hint until the user gives up
                gesehen << (d->tabelle()->indexWidget(zelle("S-2", 2)) && !editor->toolTip().isEmpty() ? "hint" : "");
                QTest::keyClick(editor, Qt::Key_Escape);
            }
            QTRY_VERIFY(!d->tabelle()->indexWidget(zelle("S-2", 2)));  // the delegate commits on the next event
            gesehen << QString::number(store->getProdukt("S-2").Preis);
        }
        QLocale::setDefault(QLocale::c());
        QCOMPARE(gesehen, (QStringList{"5.50", "45.5", "45.50", "24.9", "24.90", "hint", "24.9"}));

        d->resize(720, 450);
        d->tabelle()->horizontalHeader()->resizeSection(1, 123);
        oeffne();
        QCOMPARE(d->size(), QSize(720, 450));
        QCOMPARE(d->tabelle()->horizontalHeader()->sectionSize(1), 123);
    }

    void texte_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QVariant>("wert");
        QTest::addColumn<QString>("text");
        // 0: list, 1: double "%1 €" with 2 decimals, 2: date-time, 3: double "%1 %" with 1 decimal
        QTest::newRow("code 6 is the seventh") << 0 << QVariant(6) << "Storniert";
        // A code outside the list leaves the cell blank (no icon), even selected and focused.
        QTest::newRow("code past the list") << 0 << QVariant(7) << "";
        QTest::newRow("negative") << 1 << QVariant(-7.125) << "-7.13 €";
        QTest::newRow("large, no separators") << 1 << QVariant(1234567.891) << "1234567.89 €";
        QTest::newRow("not money: its own decimals") << 3 << QVariant(19.64) << "19.6 %";
        QTest::newRow("iso text from the database") << 2 << QVariant("2024-03-01T10:30:05") << "01.03.2024 10:30:05";
        QTest::newRow("empty date") << 2 << QVariant(QString()) << "Date not set";
    }

    void texte()
    {
        QFETCH(int, art);
        QFETCH(QVariant, wert);
        QFETCH(QString, text);
        StringListDelegate liste(statusNamen, nullptr);
        FormatedDoubleDelegate geld("%1 €", 2);
        FormatedDateTimeDelegate datum("dd.MM.yyyy hh:mm:ss");
        FormatedDoubleDelegate anteil("%1 %", 1);
        // The cell looks exactly as a plain delegate draws the expected text,
        // alignment and icon from the model included.
        QAbstractItemDelegate* d = QList<QAbstractItemDelegate*>{&liste, &geld, &datum, &anteil}.value(art);
        QStandardItemModel model(2, 1);
        model.setData(model.index(0, 0), wert);
        model.setData(model.index(1, 0), text);
        QPixmap rot(16, 16);
        rot.fill(Qt::red);
        for (int r = 0; r < 2; ++r) {
            model.setData(model.index(r, 0), int(Qt::AlignRight | Qt::AlignVCenter), Qt::TextAlignmentRole);
            model.setData(model.index(r, 0), QIcon(rot), Qt::DecorationRole);
        }
        QItemDelegate schlicht;
        if (text.isEmpty())
            QCOMPARE(male(*d, model.index(0, 0), QStyle::State_Selected | QStyle::State_HasFocus),
                     male(schlicht, {}, {}));  // what a plain delegate draws for no cell: nothing
        else
            QCOMPARE(male(*d, model.index(0, 0), {}), male(schlicht, model.index(1, 0), {}));
    }

    // Typed amounts: "," or "." once, at most two decimals, no grouping, no exponent; the field shows
    // what it read as the documents print it, and hints at what it cannot read.
    void betragLesen_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("einheit");  // "€": money; "%": a rate from 0 to 99.99
        QTest::addColumn<QString>("gezeigt");  // after entry; empty: refused
        for (auto [text, gezeigt] : {std::pair{"24,90", "24.90"}, {"45.50", "45.50"}, {"-0,5", "-0.50"},
                                     {" 12 € ", "12.00"}, {",5", "0.50"}, {"+7", "7.00"}, {"1.255", ""}, {"inf", ""},
                                     {"1.234,56", ""}, {"1,234.56", ""}, {"1 234", ""}, {"1e3", ""}, {"NaN", ""},
                                     {"", ""}, {"abc", ""}, {",", ""}, {"12 %", ""}, {"99999999999999999999", ""}})
            QTest::newRow(text) << QString(text) << "€" << QString(gezeigt);
        QTest::newRow("rate 19,6 %") << "19,6 %" << "%" << "19.60";
        QTest::newRow("rate 100") << "100" << "%" << "";
        QTest::newRow("rate -7") << "-7" << "%" << "";
    }

    void betragLesen()
    {
        QFETCH(QString, text);
        QFETCH(QString, einheit);
        QFETCH(QString, gezeigt);
        BetragFeld feld;
        if (einheit == "%")
            feld.setFormat(2, "%", 0, 9999);
        else
            QCOMPARE(Betrag::lies(text).value_or(Betrag::ausCent(-1)).zahl(), gezeigt.isEmpty() ? "-0.01" : gezeigt);
        feld.setText(text);
        emit feld.editingFinished();
        QCOMPARE(feld.text(), gezeigt.isEmpty() ? text : gezeigt);
        QCOMPARE(feld.wert().has_value(), !gezeigt.isEmpty());
        QCOMPARE(feld.toolTip().isEmpty(), !gezeigt.isEmpty() || text.isEmpty());
    }

    // One rounding, half away from zero as typed, and one format.
    void betragRunden()
    {
        QStringList t;
        for (double euro : {1.005, -1.005, 0.125, -7.125, 1234.5, 1.495, qQNaN(), qInf()})
            t << Betrag::ausEuro(euro).zahl();
        t << Betrag::ausCent(123450).text() << Betrag::ausEuro(1.25).anteil(0.196).zahl()
          << (Betrag::ausCent(5) - Betrag::ausCent(12)).zahl();
        QCOMPARE(t, (QStringList{"1.01", "-1.01", "0.13", "-7.13", "1234.50", "1.50", "0.00", "0.00",
                                 "1234.50 €", "0.25", "-0.07"}));
    }

    // The editor opens on the cell's code and writes the chosen code back, not the name; an empty list
    // keeps the old code.
    void comboSchreibtCode()
    {
        QStringList codes;
        for (const auto& [namen, alt, gewaehlt] :
             QList<std::tuple<QStringList, int, int>>{{statusNamen, 3, 5}, {statusNamen, 6, 0}, {{}, 2, -1}}) {
            QStandardItemModel model(1, 1);
            model.setData(model.index(0, 0), alt);
            StringListDelegate d(namen, nullptr);
            QWidget eltern;
            auto* combo = qobject_cast<QComboBox*>(d.createEditor(&eltern, {}, model.index(0, 0)));
            d.setEditorData(combo, model.index(0, 0));
            codes << QString::number(combo->currentIndex());
            combo->setCurrentIndex(gewaehlt);
            d.setModelData(combo, &model, model.index(0, 0));
            codes << model.data(model.index(0, 0), Qt::EditRole).toString();
        }
        QCOMPARE(codes, (QStringList{"3", "5", "6", "0", "-1", "2"}));
    }
};

QTEST_MAIN(TestProdukte)
#include "tst_produktewidget.moc"
