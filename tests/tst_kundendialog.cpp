#include "store/sqlkundenstore.h"
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

}  // namespace

// Drives the customer form and dialog with keys and clicks as a user would.
class TestKundenDialog : public QObject
{
    Q_OBJECT

private:
    Testumgebung env;
    SkriptInteraktion* dialoge = nullptr;
    SqlKundenStore* store = nullptr;

    static QLineEdit* feld(QWidget* w, const QString& name)
    {
        auto* f = w->findChild<QLineEdit*>(name);
        Q_ASSERT(f);
        return f;
    }
    static QPushButton* knopf(QWidget* w, const QString& text)
    {
        for (auto* b : w->findChildren<QPushButton*>())
            if (b->text() == text)
                return b;
        qFatal("no button %s", qPrintable(text));
    }
    static void tippe(QWidget* w, const QString& name, const QString& text)
    {
        QLineEdit* f = feld(w, name);
        f->clear();
        QTest::keyClicks(f, text);
    }
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
        k.Typ = 2;
        store->addKunde(k);
        return k;
    }
    static void zeige(QDialog& d)
    {
        d.show();
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
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
        QTest::addColumn<QString>("firma");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("strasse");
        QTest::addColumn<QString>("plz");
        QTest::addColumn<QString>("ort");
        QTest::addColumn<QString>("land");
        QTest::addColumn<bool>("okay");
        QTest::newRow("firma") << "ACME" << "" << "Weg 1" << "75001" << "Paris" << "" << true;
        QTest::newRow("nur name") << "" << "Meier" << "Weg 1" << "75001" << "Paris" << "" << true;
        QTest::newRow("kein name") << "" << "" << "Weg 1" << "75001" << "Paris" << "" << false;
        QTest::newRow("plz 4") << "ACME" << "" << "Weg 1" << "7500" << "Paris" << "" << false;
        QTest::newRow("plz buchstaben") << "ACME" << "" << "Weg 1" << "75ab001" << "Paris" << ""
                                        << true;
        QTest::newRow("keine strasse") << "ACME" << "" << "" << "75001" << "Paris" << "" << false;
        QTest::newRow("kein ort") << "ACME" << "" << "Weg 1" << "75001" << "" << "" << false;
        QTest::newRow("kein land") << "ACME" << "" << "Weg 1" << "75001" << "Paris" << "-" << false;
    }
    void okayFolgtVollstaendigkeit()
    {
        QFETCH(QString, firma);
        QFETCH(QString, name);
        QFETCH(QString, strasse);
        QFETCH(QString, plz);
        QFETCH(QString, ort);
        QFETCH(QString, land);
        QFETCH(bool, okay);
        KundenDialog d;
        d.setStore(store);
        zeige(d);
        QCOMPARE(feld(&d, "Land")->text(), QString("Frankreich"));
        for (const char* text : {"Okay", "Zeige Rechnungen", "Neue Rechnung", "Email"})
            QVERIFY(!knopf(&d, text)->isEnabled());
        tippe(&d, "Firma", firma);
        tippe(&d, "Name", name);
        tippe(&d, "Strasse", strasse);
        tippe(&d, "PLZ", plz);  // the validator drops the letters
        tippe(&d, "Ort", ort);
        if (land == "-")
            feld(&d, "Land")->clear();
        for (const char* text : {"Okay", "Zeige Rechnungen", "Neue Rechnung", "Email"})
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
        zeige(d);
        QCOMPARE(QApplication::focusWidget(), feld(&d, "Firma"));
        feld(&d, "KundenNr")->setFocus();
        const QStringList kette = {"Firma", "Name", "Strasse", "PLZ", "Ort", "Tel1", "Tel2",
                                   "Fax", "Email", "IBAN", "BIC", "Steuer Nr", "Bemerkung"};
        for (const QString& naechstes : kette) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(QApplication::focusWidget()->objectName(), naechstes);
        }
        QVERIFY(d.isVisible());
    }

    void neuerKundeWirdGespeichert_data()
    {
        QTest::addColumn<QString>("nummer");
        QTest::addColumn<QString>("land");
        QTest::newRow("ohne nummer") << "" << "";
        QTest::newRow("freie nummer") << "4711" << "Belgique";
    }
    void neuerKundeWirdGespeichert()
    {
        QFETCH(QString, nummer);
        QFETCH(QString, land);
        KundenDialog d;
        d.setStore(store);
        zeige(d);
        tippe(&d, "KundenNr", nummer);
        fuelleAdresse(&d);
        if (!land.isEmpty())
            tippe(&d, "Land", land);
        d.findChild<QComboBox*>("Typ")->setCurrentIndex(3);
        QTest::keyClicks(d.findChild<QTextEdit*>("Bemerkung"), "<b>fett</b>");
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QVERIFY(dialoge->fragen.isEmpty());

        const QList<Kunde> alle = store->getKunden();
        QCOMPARE(alle.size(), 1);
        if (!nummer.isEmpty())
            QCOMPARE(alle[0].Nr, nummer.toInt());
        QCOMPARE(alle[0].Firma, QString("Atelier Roux"));
        QCOMPARE(alle[0].PLZ, QString("01000"));
        QCOMPARE(alle[0].Land, land.isEmpty() ? QString("Frankreich") : land);
        QCOMPARE(alle[0].Typ, 3);
        QCOMPARE(alle[0].Bemerkung, QString("<b>fett</b>"));
    }

    void vergebeneNummerLaesstDenDialogOffen_data()
    {
        QTest::addColumn<QString>("knopfText");
        QTest::newRow("Okay") << "Okay";
        QTest::newRow("Neue Rechnung") << "Neue Rechnung";
        QTest::newRow("Zeige Rechnungen") << "Zeige Rechnungen";
        QTest::newRow("Email") << "Email";
    }
    void vergebeneNummerLaesstDenDialogOffen()
    {
        QFETCH(QString, knopfText);
        const Kunde alt = gespeicherterKunde();
        KundenDialog d;
        d.setStore(store);
        QSignalSpy rechnung(&d, qOverload<Kunde>(&KundenDialog::neueRechnung));
        QSignalSpy liste(&d, qOverload<Kunde>(&KundenDialog::listRechnungen));
        QSignalSpy mail(&d, &KundenDialog::email);
        zeige(d);
        tippe(&d, "KundenNr", QString::number(alt.Nr));
        fuelleAdresse(&d);
        tippe(&d, "Tel1", "0102");
        QTest::mouseClick(knopf(&d, knopfText), Qt::LeftButton);

        QCOMPARE(dialoge->arten(), QStringList{"warning"});
        QCOMPARE(dialoge->fragen[0].titel, QString("Neuer Kunde"));
        QCOMPARE(dialoge->fragen[0].text,
                 QString("KundenNr bereits verwendet!\nDer Kunde wird nicht gespeichert"));
        QVERIFY(d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QCOMPARE(rechnung.count() + liste.count() + mail.count(), 0);
        QCOMPARE(QApplication::focusWidget(), feld(&d, "KundenNr"));
        QCOMPARE(feld(&d, "KundenNr")->text(), QString::number(alt.Nr));
        QCOMPARE(feld(&d, "Firma")->text(), QString("Atelier Roux"));
        QCOMPARE(feld(&d, "Tel1")->text(), QString("0102"));
        QCOMPARE(store->getKunden().size(), 1);
        QCOMPARE(store->getKunde(alt.Nr).Firma, QString("ACME"));

        // A free number then goes through.
        tippe(&d, "KundenNr", "77");
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(store->getKunde(77).Firma, QString("Atelier Roux"));
    }

    void aenderungBestaetigen_data()
    {
        QTest::addColumn<bool>("aendern");
        QTest::addColumn<QVariant>("antwort");
        QTest::addColumn<QString>("gespeichert");
        QTest::newRow("ja") << true << QVariant(int(QMessageBox::Yes)) << "Dupont";
        QTest::newRow("nein") << true << QVariant(int(QMessageBox::No)) << "Meier";
        QTest::newRow("geschlossen") << true << QVariant() << "Meier";
        QTest::newRow("unveraendert") << false << QVariant() << "Meier";
    }
    void aenderungBestaetigen()
    {
        QFETCH(bool, aendern);
        QFETCH(QVariant, antwort);
        QFETCH(QString, gespeichert);
        const Kunde k = gespeicherterKunde();
        KundenDialog d;
        d.setStore(store);
        d.setKunde(store->getKunde(k.Nr));
        zeige(d);
        QCOMPARE(d.windowTitle(), QString("Kundendetails für ACME Meier"));
        QVERIFY(feld(&d, "KundenNr")->isReadOnly());
        QCOMPARE(feld(&d, "Land")->text(), QString("Belgique"));
        QVERIFY(knopf(&d, "Okay")->isEnabled());
        if (aendern)
            tippe(&d, "Name", "Dupont");
        if (antwort.isValid())
            dialoge->antworte(antwort);
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);

        QCOMPARE(dialoge->anzahl("question"), aendern ? 1 : 0);
        if (aendern)
            QCOMPARE(dialoge->fragen[0].titel, QString("Kundenänderungen speichern"));
        QCOMPARE(d.result(), int(QDialog::Accepted));
        const Kunde danach = store->getKunde(k.Nr);
        QCOMPARE(danach.Name, gespeichert);
        QCOMPARE(danach.Land, QString("Belgique"));
        QCOMPARE(store->getKunden().size(), 1);
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
        d.setStore(&kaputt);
        if (!neu)
            d.setKunde(k);
        zeige(d);
        fuelleAdresse(&d);
        dialoge->antworte(int(QMessageBox::Yes));
        QTest::mouseClick(knopf(&d, "Okay"), Qt::LeftButton);

        QCOMPARE(dialoge->anzahl("warning"), 1);
        QVERIFY(dialoge->fragen.last().text.contains("nicht gespeichert"));
        QVERIFY(d.isVisible());
        QCOMPARE(feld(&d, "Firma")->text(), QString("Atelier Roux"));
        QCOMPARE(d.form()->isNew(), neu);
    }

    void befehleGebenDenKundenWeiter()
    {
        KundenDialog d;
        d.setStore(store);
        QSignalSpy rechnung(&d, qOverload<Kunde>(&KundenDialog::neueRechnung));
        zeige(d);
        fuelleAdresse(&d);
        QTest::mouseClick(knopf(&d, "Neue Rechnung"), Qt::LeftButton);
        QCOMPARE(rechnung.count(), 1);
        const Kunde k = rechnung[0][0].value<Kunde>();
        QVERIFY(k.Nr > 0);
        QCOMPARE(store->getKunde(k.Nr).Firma, QString("Atelier Roux"));
        QVERIFY(!d.isVisible());
    }

    void nurLesen()
    {
        const Kunde k = gespeicherterKunde();
        KundenDialog d;
        d.setStore(store);
        d.setKunde(k);
        d.setReadOnly();
        QSignalSpy mail(&d, &KundenDialog::email);
        zeige(d);
        QVERIFY(!d.form()->isEnabled());
        for (const char* text : {"Okay", "Zeige Rechnungen", "Neue Rechnung"})
            QVERIFY(!knopf(&d, text)->isEnabled());
        QVERIFY(knopf(&d, "Abbrechen")->isEnabled());
        QVERIFY(knopf(&d, "Email")->isEnabled());
        QTest::keyClicks(feld(&d, "Name"), "X");
        QCOMPARE(feld(&d, "Name")->text(), QString("Meier"));

        QTest::mouseClick(knopf(&d, "Email"), Qt::LeftButton);
        QCOMPARE(mail.count(), 1);
        QCOMPARE(mail[0][0].value<Kunde>().Email, QString("m@acme.fr"));
        QVERIFY(dialoge->fragen.isEmpty());
        QVERIFY(!d.isVisible());
    }

    void abbrechenSpeichertNichts()
    {
        KundenDialog d;
        d.setStore(store);
        zeige(d);
        fuelleAdresse(&d);
        QTest::mouseClick(knopf(&d, "Abbrechen"), Qt::LeftButton);
        QCOMPARE(d.result(), int(QDialog::Rejected));
        QVERIFY(store->getKunden().isEmpty());
    }

    void groesseBleibtErhalten()
    {
        {
            KundenDialog d;
            zeige(d);
            d.resize(613, 577);
        }
        KundenDialog d;
        QCOMPARE(d.size(), QSize(613, 577));
    }
};

QTEST_MAIN(TestKundenDialog)
#include "tst_kundendialog.moc"
