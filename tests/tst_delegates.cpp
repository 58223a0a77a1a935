#include "delegates/betragfeld.h"
#include "delegates/formateddatetimedelegate.h"
#include "delegates/formateddoubledelegate.h"
#include "delegates/stringlistdelegate.h"

#include <QtTest>
#include <QtWidgets>

// What the list delegates paint, and the codes the combo editor writes back.
class TestDelegates : public QObject
{
    Q_OBJECT

private:
    const QStringList namen{"Neu", "Gespeichert", "Gedruckt", "Bezahlt", "Versendet", "Erledigt", "Storniert"};

    static QImage weiss()
    {
        QImage bild(120, 24, QImage::Format_ARGB32);
        bild.fill(Qt::white);
        return bild;
    }

    // Paints index into a white image with the given state; the image shows what was drawn.
    static QImage male(QAbstractItemDelegate& d, const QModelIndex& index, QStyle::State state)
    {
        QImage bild = weiss();
        QStyleOptionViewItem opt;
        opt.rect = bild.rect();
        opt.state = state | QStyle::State_Enabled;
        opt.decorationSize = QSize(16, 16);  // as a view sets it
        QPainter p(&bild);
        d.paint(&p, opt, index);
        return bild;
    }

    // Edits a cell holding alt through the delegate's editor, choosing gewaehlt.
    static QVariant editiere(const QStringList& namen, int alt, int gewaehlt)
    {
        QStandardItemModel model(1, 1);
        model.setData(model.index(0, 0), alt);
        StringListDelegate d(namen, nullptr);
        QWidget eltern;
        auto* combo = qobject_cast<QComboBox*>(d.createEditor(&eltern, QStyleOptionViewItem(), model.index(0, 0)));
        d.setEditorData(combo, model.index(0, 0));
        if (combo->currentIndex() != (namen.isEmpty() ? -1 : alt))
            return QVariant();
        combo->setCurrentIndex(gewaehlt);
        d.setModelData(combo, &model, model.index(0, 0));
        return model.data(model.index(0, 0), Qt::EditRole);
    }

private slots:
    void texte_data()
    {
        QTest::addColumn<int>("art");
        QTest::addColumn<QVariant>("wert");
        QTest::addColumn<QString>("text");
        // 0: list, 1: double "%1 €" with 2 decimals, 2: date-time
        QTest::newRow("code 6 is the seventh") << 0 << QVariant(6) << "Storniert";
        // A code outside the list leaves the cell blank (no icon), even selected and focused.
        QTest::newRow("code past the list") << 0 << QVariant(7) << "";
        QTest::newRow("negative") << 1 << QVariant(-7.125) << "-7.13 €";
        QTest::newRow("large, no separators") << 1 << QVariant(1234567.891) << "1234567.89 €";
        QTest::newRow("iso text from the database") << 2 << QVariant("2024-03-01T10:30:05") << "01.03.2024 10:30:05";
        QTest::newRow("empty date") << 2 << QVariant(QString()) << "Date not set";
    }

    void texte()
    {
        QFETCH(int, art);
        QFETCH(QVariant, wert);
        QFETCH(QString, text);
        StringListDelegate liste(namen, nullptr);
        FormatedDoubleDelegate geld("%1 €", 2);
        FormatedDateTimeDelegate datum("dd.MM.yyyy hh:mm:ss");
        // The cell looks exactly as a plain delegate draws the expected text,
        // alignment and icon from the model included.
        QAbstractItemDelegate* d = art == 0 ? static_cast<QAbstractItemDelegate*>(&liste)
                                   : art == 1 ? static_cast<QAbstractItemDelegate*>(&geld) : &datum;
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
            QCOMPARE(male(*d, model.index(0, 0), QStyle::State_Selected | QStyle::State_HasFocus), weiss());
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
                                     {" 12 € ", "12.00"}, {",5", "0.50"}, {"+7", "7.00"}, {"1.255", ""},
                                     {"1.234,56", ""}, {"1,234.56", ""}, {"1 234", ""}, {"1e3", ""},
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

    void comboSchreibtCode()
    {
        // The code goes back into the cell, not the name; an empty list keeps the old code.
        const QStringList codes{editiere(namen, 3, 5).toString(), editiere(namen, 6, 0).toString(),
                                editiere({}, 2, -1).toString()};
        QCOMPARE(codes, (QStringList{"5", "0", "2"}));
    }
};

QTEST_MAIN(TestDelegates)
#include "tst_delegates.moc"
