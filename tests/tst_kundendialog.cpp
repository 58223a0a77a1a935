#include "store/sqlkundenstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/kundendialog.h"
#include "windows/kundenwidget.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextEdit>
#include <QtTest>

namespace {

// A store whose writes fail, as a locked or full database would.
class KaputterKundenStore : public SqlKundenStore
{
public:
    using SqlKundenStore::SqlKundenStore;
    bool addKunde(Kunde&) override { return false; }
    bool saveKunde(const Kunde&) override { return false; }
};

const char* const befehle[] = {"Okay", "Zeige Rechnungen", "Neue Rechnung", "Email"};

}  // namespace

// Drives the customer form and dialog with keys and clicks as a user would.
class TestKundenDialog : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    SkriptInteraktion* dialoge = nullptr;
    SqlKundenStore* store = nullptr;

    static void fuelleAdresse(QWidget* w)
    {
        tippe(w, "Firma", "Atelier Roux");
        tippe(w, "Strasse", "1 rue Haute");
        tippe(w, "PLZ", "01000");
        tippe(w, "Ort", "Bourg");
    }
    Kunde gespeicherterKunde()
    {
        Kunde k;
        k.Firma = "ACME";
        k.Name = "Meier";
        k.Strasse = "Hauptstr. 1";
        k.PLZ = "69001";
        k.Ort = "Lyon";
        k.Land = "Belgique";
        k.Email = "m@acme.fr";
        store->addKunde(k);
        return k;
    }
    // A shown dialog on the store, with the customer k when given.
    void oeffne(KundenDialog& d, const Kunde& k = Kunde(), SqlKundenStore* s = nullptr)
    {
        d.setStore(s ? s : store);
        if (k.Nr)
            d.setKunde(k);
        QVERIFY(zeige(&d));
    }

private slots:
    void init()
    {
        env.neueDatenbank();
        store = new SqlKundenStore(nullptr);
        store->createTable();
        dialoge = new SkriptInteraktion;
    }
    void cleanup()
    {
        delete dialoge;
        delete store;
        Testumgebung::schliesseDatenbank();
    }

    void okayFolgtVollstaendigkeit_data()
    {
        QTest::addColumn<QStringList>("felder");  // Firma, Name, Strasse, PLZ, Ort, Land
        QTest::addColumn<bool>("okay");
        QTest::newRow("firma") << QStringList{"ACME", "", "W", "75001", "P", "Frankreich"} << true;
        QTest::newRow("nur name") << QStringList{"", "Meier", "W", "75001", "P", "X"} << true;
        QTest::newRow("kein name") << QStringList{"", "", "W", "75001", "P", "X"} << false;
        QTest::newRow("plz 4") << QStringList{"ACME", "", "W", "7500", "P", "X"} << false;
        QTest::newRow("plz buchstaben") << QStringList{"ACME", "", "W", "75ab001", "P", "X"} << true;
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
            tippe(&d, namen[i], felder[i]);  // the PLZ validator drops letters
        for (const char* text : befehle)
            QCOMPARE(knopf(&d, text)->isEnabled(), okay);
    }

    void eingabeFilter()
    {
        KundenWidget w;
        QTest::keyClicks(feld(&w, "KundenNr"), "-12a3456789");
        QCOMPARE(feld(&w, "KundenNr")->text(), QString("123456"));
        QTest::keyClicks(feld(&w, "PLZ"), "0x10009");
        QCOMPARE(feld(&w, "PLZ")->text(), QString("01000"));
    }

    void returnWandertDurchDasFormular()
    {
        KundenDialog d;
        QVERIFY(zeige(&d));
        feld(&d, "KundenNr")->setFocus();
        QStringList weg;
        for (int i = 0; i < 13; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            weg << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(weg, QStringList({"Firma", "Name", "Strasse", "PLZ", "Ort", "Tel1", "Tel2", "Fax",
                                   "Email", "IBAN", "BIC", "Steuer Nr", "Bemerkung"}));
        QVERIFY(d.isVisible());
    }

    void neuerKundeWirdGespeichert()
    {
        KundenDialog d;
        oeffne(d);
        fuelleAdresse(&d);
        tippe(&d, "Land", "Belgique");
        d.findChild<QComboBox*>("Typ")->setCurrentIndex(3);
        QTest::keyClicks(d.findChild<QTextEdit*>("Bemerkung"), "<b>fett</b>");
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(dialoge->fragen.isEmpty());
        const QList<Kunde> alle = store->getKunden();
        QCOMPARE(alle.size(), 1);
        QCOMPARE(QStringList({alle[0].Firma, alle[0].PLZ, alle[0].Land, alle[0].Bemerkung,
                              QString::number(alle[0].Typ)}),
                 QStringList({"Atelier Roux", "01000", "Belgique", "<b>fett</b>", "3"}));
    }

    void vergebeneNummerLaesstDenDialogOffen_data()
    {
        QTest::addColumn<QString>("knopfText");
        for (const char* text : befehle)
            QTest::newRow(text) << QString(text);
    }
    void vergebeneNummerLaesstDenDialogOffen()
    {
        QFETCH(QString, knopfText);
        const Kunde alt = gespeicherterKunde();
        KundenDialog d;
        QSignalSpy rechnung(&d, qOverload<Kunde>(&KundenDialog::neueRechnung));
        QSignalSpy liste(&d, qOverload<Kunde>(&KundenDialog::listRechnungen));
        QSignalSpy mail(&d, &KundenDialog::email);
        oeffne(d);
        tippe(&d, "KundenNr", QString::number(alt.Nr));
        fuelleAdresse(&d);
        QTest::mouseClick(knopf(&d, knopfText), Qt::LeftButton);

        QCOMPARE(dialoge->arten(), QStringList{"warning"});
        QVERIFY(d.isVisible());
        QCOMPARE(rechnung.count() + liste.count() + mail.count(), 0);
        QCOMPARE(QApplication::focusWidget(), feld(&d, "KundenNr"));
        QCOMPARE(feld(&d, "Firma")->text(), QString("Atelier Roux"));
        QCOMPARE(store->getKunden().size(), 1);

        // A free number then goes through.
        tippe(&d, "KundenNr", "77");
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);
        QCOMPARE(QStringList({store->getKunde(alt.Nr).Firma, store->getKunde(77).Firma}),
                 QStringList({"ACME", "Atelier Roux"}));
    }

    void aenderungBestaetigen_data()
    {
        QTest::addColumn<bool>("aendern");
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<QString>("gespeichert");
        QTest::newRow("ja") << true << QVariant(int(QMessageBox::Yes)) << "Dupont";
        QTest::newRow("nein") << true << QVariant(int(QMessageBox::No)) << "Meier";
        QTest::newRow("unveraendert") << false << QVariant() << "Meier";
    }
    void aenderungBestaetigen()
    {
        QFETCH(bool, aendern);
        QFETCH(QVariant, antwort);
        QFETCH(QString, gespeichert);
        const Kunde k = gespeicherterKunde();
        KundenDialog d;
        oeffne(d, store->getKunde(k.Nr));
        QVERIFY(feld(&d, "KundenNr")->isReadOnly());
        if (aendern)
            tippe(&d, "Name", "Dupont");
        dialoge->antworte(antwort);
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);

        QCOMPARE(dialoge->anzahl("question"), aendern ? 1 : 0);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(store->getKunde(k.Nr).Name, gespeichert);
    }

    void fehlgeschlagenesSchreibenLaesstDenDialogOffen_data()
    {
        QTest::addColumn<bool>("neu");
        QTest::newRow("neu") << true;
        QTest::newRow("aenderung") << false;
    }
    void fehlgeschlagenesSchreibenLaesstDenDialogOffen()
    {
        QFETCH(bool, neu);
        const Kunde k = gespeicherterKunde();
        KaputterKundenStore kaputt(nullptr);
        KundenDialog d;
        oeffne(d, neu ? Kunde() : k, &kaputt);
        fuelleAdresse(&d);
        dialoge->antworte(int(QMessageBox::Yes));
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);

        QCOMPARE(dialoge->anzahl("warning"), 1);
        QVERIFY(d.isVisible());
        QCOMPARE(feld(&d, "Firma")->text(), QString("Atelier Roux"));
        QCOMPARE(d.form()->isNew(), neu);
    }

    void nurLesen()
    {
        KundenDialog d;
        QSignalSpy mail(&d, &KundenDialog::email);
        d.setStore(store);
        d.setKunde(gespeicherterKunde());
        d.setReadOnly();
        QVERIFY(zeige(&d));
        for (const char* text : {"Okay", "Zeige Rechnungen", "Neue Rechnung"})
            QVERIFY(!knopf(&d, text)->isEnabled());
        QTest::keyClicks(feld(&d, "Name"), "X");
        QCOMPARE(feld(&d, "Name")->text(), QString("Meier"));
        QTest::mouseClick(knopf(&d, "Email"), Qt::LeftButton);
        QCOMPARE(mail.value(0).value(0).value<Kunde>().Email, QString("m@acme.fr"));
        QVERIFY(dialoge->fragen.isEmpty());
    }

    void groesseBleibtErhalten()
    {
        {
            KundenDialog d;
            QVERIFY(zeige(&d));
            d.resize(613, 577);
        }
        KundenDialog d;
        QCOMPARE(d.size(), QSize(613, 577));
    }
};

QTEST_MAIN(TestKundenDialog)
#include "tst_kundendialog.moc"
