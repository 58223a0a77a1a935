#include "store/sqlkundenstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "windows/kundendialog.h"
#include "windows/kundenwidget.h"

#include <QtTest>
#include <QtWidgets>

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

    void returnWandertDurchDasFormular()
    {
        KundenDialog d;
        QVERIFY(zeige(&d));
        QTest::keyClicks(feld(&d, "PLZ"), "0x10009");
        QTest::keyClicks(feld(&d, "KundenNr"), "-12a3456789");
        QCOMPARE(QStringList({feld(&d, "KundenNr")->text(), feld(&d, "PLZ")->text()}),
                 QStringList({"123456", "01000"}));
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

        // A free number then stores everything typed, without a question.
        tippe(&d, "KundenNr", "77");
        tippe(&d, "Land", "Belgique");
        d.findChild<QComboBox*>("Typ")->setCurrentIndex(3);
        QTest::keyClicks(d.findChild<QTextEdit*>("Bemerkung"), "<b>fett</b>");
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const Kunde k = store->getKunde(77);
        QCOMPARE(QVariantList({store->getKunde(alt.Nr).Firma, k.Firma, k.PLZ, k.Land, k.Bemerkung, k.Typ,
                               store->getKunden().size(), dialoge->fragen.size()}),
                 QVariantList({"ACME", "Atelier Roux", "01000", "Belgique", "<b>fett</b>", 3, 2, 1}));
    }

    // A change is stored only after the question; a failed write keeps the dialog and the input.
    void speichern_data()
    {
        QTest::addColumn<bool>("neu");
        QTest::addColumn<bool>("kaputt");  // the store refuses every write
        QTest::addColumn<QVariant>("antwort");  // none: nothing typed
        QTest::addColumn<QString>("gespeichert");
        QTest::newRow("ja") << false << false << QVariant(int(QMessageBox::Yes)) << "Dupont";
        QTest::newRow("nein") << false << false << QVariant(int(QMessageBox::No)) << "Meier";
        QTest::newRow("unveraendert") << false << false << QVariant() << "Meier";
        QTest::newRow("neu scheitert") << true << true << QVariant(int(QMessageBox::Yes)) << "Meier";
        QTest::newRow("aenderung scheitert") << false << true << QVariant(int(QMessageBox::Yes)) << "Meier";
    }
    void speichern()
    {
        QFETCH(bool, neu);
        QFETCH(bool, kaputt);
        QFETCH(QVariant, antwort);
        QFETCH(QString, gespeichert);
        const Kunde k = gespeicherterKunde();
        KaputterKundenStore kaputterStore(nullptr);
        KundenDialog d;
        oeffne(d, neu ? Kunde() : store->getKunde(k.Nr), kaputt ? &kaputterStore : store);
        if (antwort.isValid()) {
            fuelleAdresse(&d);
            tippe(&d, "Name", "Dupont");
        }
        dialoge->antworte(antwort);
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);
        const bool gefragt = antwort.isValid() && !neu;
        QCOMPARE(QVariantList({dialoge->anzahl("question"), dialoge->anzahl("warning"), d.isVisible(),
                               d.result() == QDialog::Accepted, d.form()->isNew(),
                               feld(&d, "KundenNr")->isReadOnly(), store->getKunde(k.Nr).Name,
                               store->getKunden().size()}),
                 QVariantList({int(gefragt), int(kaputt), kaputt, !kaputt, neu, !neu, gespeichert, 1}));
        if (kaputt)
            QCOMPARE(QStringList({feld(&d, "Firma")->text(), feld(&d, "Name")->text()}),
                     QStringList({"Atelier Roux", "Dupont"}));
    }

    void nurLesen()
    {
        KundenDialog d;
        QSignalSpy mail(&d, &KundenDialog::email);
        oeffne(d, gespeicherterKunde());
        d.setReadOnly();
        for (const char* text : {"Okay", "Zeige Rechnungen", "Neue Rechnung"})
            QVERIFY(!knopf(&d, text)->isEnabled());
        QTest::keyClicks(feld(&d, "Name"), "X");
        QCOMPARE(feld(&d, "Name")->text(), QString("Meier"));
        QTest::mouseClick(knopf(&d, "Email"), Qt::LeftButton);
        QCOMPARE(mail.value(0).value(0).value<Kunde>().Email, QString("m@acme.fr"));
        QVERIFY(dialoge->fragen.isEmpty());
    }

};

QTEST_MAIN(TestKundenDialog)
#include "tst_kundendialog.moc"
