#include "app/mainwindow.h"
#include "records/codetabellen.h"
#include "store/auftragsstore.h"
#include "store/kundenstore.h"
#include "store/produktstore.h"
#include "tests/support/bedienung.h"
#include "tests/support/menubefehl.h"
#include "tests/support/pdfseiten.h"
#include "tests/support/skriptinteraktion.h"
#include "tests/support/testumgebung.h"
#include "settings/einstellungen.h"
#include "windows/auftragsaktionen.h"
#include "windows/auftragsdialog.h"
#include "windows/auftragseditor.h"
#include "windows/firmenhinweis.h"
#include "windows/kundeneditor.h"
#include "windows/produktewidget.h"

#include <QPdfDocument>
#include <QtTest>
#include <QtWidgets>

#include <memory>

// The whole road of a document through the main window, and its commands.
class TestMainWindow : public QObject
{
    Q_OBJECT

    std::unique_ptr<Testumgebung> env;
    std::unique_ptr<SkriptInteraktion> dialoge;
    std::unique_ptr<MainWindow> w;

    Kunde kunde(const QString& email = {})
    {
        Kunde k;
        k.Name = "Meier";
        k.Email = email;
        [&] { QVERIFY(w->kundenStore()->addKunde(k)); }();
        return k;
    }

    Auftrag gespeichert(int typ, int status, const QString& bestellNr = {}, const QString& produkt = "Câble")
    {
        Auftrag a;
        std::tie(a.Typ, a.Status, a.BestellNr) = std::tie(typ, status, bestellNr);
        a.Kunde = w->kundenStore()->getKunde(1);
        a.Eingang = QDateTime::currentDateTime();
        a.Zeilen = {{2, produkt, "K-1", {}, 20.0}};
        [&] { QVERIFY(w->auftragsStore()->addAuftrag(a)); }();
        return a;
    }

    // Gives command b for a as the order list's menus and tool bar do.
    void befiehl(AuftragsBefehl b, const Auftrag& a)
    {
        AuftragsAktionen* aktionen = qobject_cast<AuftragsEditor*>(w->tabs()->widget(1))->aktionen();
        aktionen->waehle(a);
        QVERIFY2(aktionen->aktion(b)->isEnabled(), qPrintable(aktionen->aktion(b)->text()));
        aktionen->aktion(b)->trigger();
    }

private slots:
    void init()
    {
        env.reset(new Testumgebung);
        env->neueDatenbank();
        dialoge.reset(new SkriptInteraktion);
        w.reset(new MainWindow);
        w->show();
        QVERIFY(w->produktStore()->addProdukt(Produkt("K-1", "Câble", 10.0)));
        QVERIFY(w->produktStore()->addProdukt(Produkt("S-2", "Prise", 2.5)));
    }

    void cleanup()
    {
        w.reset();
        dialoge.reset();
        env.reset();
    }

    void invoiceFromCustomerToPaper()
    {
        // "Neue Rechnung" from the customer list's context menu, two lines, "Drucken".
        kunde();
        auto* liste = qobject_cast<KundenEditor*>(w->tabs()->widget(0));
        std::unique_ptr<QMenu> menu(liste->kontextMenu(zeileMit(liste->view(), 2, "Meier")));
        const QString pdf = env->pfad("rechnung.pdf");
        const QStringList geoeffnet = mitDialog([&] { menu->actions().value(2)->trigger(); }, [this, pdf](QDialog* d) {
            auto* dialog = qobject_cast<AuftragsDialog*>(d);
            ProdukteWidget* zeilen = dialog->produkte();
            zeilen->mengeBox()->setValue(3);
            QTest::keyClicks(zeilen->eingabeZeile(), "K-1");
            QTest::keyClick(zeilen->eingabeZeile(), Qt::Key_Return);
            QTest::keyClicks(zeilen->eingabeZeile(), "Prise");
            QTest::keyClick(zeilen->eingabeZeile(), Qt::Key_Return);
            dialoge->antworte(pdf);
            QTest::mouseClick(dialog->druckenKnopf(), Qt::LeftButton);
        });
        QCOMPARE(geoeffnet, QStringList{"AuftragsDialog"});
        const Auftrag a = w->auftragsStore()->getAuftraegeByKunde(1).value(0);
        QCOMPARE(QList<double>({double(w->auftragsStore()->count()), double(a.AuftragsNr), double(a.Status),
                                a.Summe}),
                 QList<double>({1, 1, AuftragsStatus::Gedruckt, 32.5}));
        // Paper shows the pages of the file issued and archived.
        QVERIFY(QFileInfo(pdf).size() > 0);
        const QString text = PdfSeiten("-", w->auftragsStore()->archivierterBeleg(a.Nr)).text();
        for (const QString& teil : {QString("Meier"), QString("Câble"), QString("Prise"), QString("30.00"),
                                    QString::number(32.5 * 1.196, 'f', 2)})
            QVERIFY2(text.contains(teil), qPrintable(text));  // the last: the gross total
    }

    void derivedDocuments_data()
    {
        QTest::addColumn<int>("quelle");
        QTest::addColumn<int>("befehl");
        QTest::addColumn<int>("neuerTyp");
        QTest::newRow("invoice") << 3 << int(AuftragsBefehl::RechnungAusAngebot) << int(Auftragsart::Rechnung);
        QTest::newRow("credit note") << 0 << int(AuftragsBefehl::GutschriftAusRechnung) << 2;
    }

    void derivedDocuments()
    {
        QFETCH(int, quelle);
        QFETCH(int, befehl);
        QFETCH(int, neuerTyp);
        kunde();
        const Auftrag q = gespeichert(quelle, AuftragsStatus::Gespeichert);
        auto rufe = [&] { befiehl(AuftragsBefehl(befehl), q); };
        mitDialog(rufe);  // cancelled: nothing stored
        QCOMPARE(w->auftragsStore()->count(), 1);

        mitDialog(rufe, [](QDialog* d) { d->accept(); });
        const Auftrag neu = w->auftragsStore()->getAuftrag(q.Nr + 1);
        // A credit note names the invoice it corrects.
        QCOMPARE(QVariantList({w->auftragsStore()->count(), neu.Typ, neu.Zeilen.size(),
                               w->auftragsStore()->getAuftrag(q.Nr).Typ, neu.Kunde.Name, neu.Bezug,
                               neu.BezugBelegNr}),
                 QVariantList({2, neuerTyp, 1, quelle, "Meier", neuerTyp == 2 ? q.Nr : 0,
                               neuerTyp == 2 ? QString("FM1") : QString()}));
    }

    // Orders by number or order number, customers by number: a number not there is said to be missing
    // and opens no empty form; two orders numbered 55 offer a choice.
    void findByNumber()
    {
        gespeichert(Auftragsart::Rechnung, AuftragsStatus::Bezahlt, "55");
        const Auftrag angebot = gespeichert(Auftragsart::Angebot, AuftragsStatus::Bezahlt, "55");
        // The choice's second line is the offer; the third number is cancelled.
        for (const QVariant& antwort : {QVariant(42), QVariant(55), QVariant(1), QVariant(), QVariant(42)})
            dialoge->antworte(antwort);
        int gezeigt = 0, angeboten = 0;
        const QStringList geoeffnet = mitDialog([&] {
            RUFE(w.get(), "zeigeAuftragByNr");
            RUFE(w.get(), "zeigeAuftragByBestellNr");
            angeboten = dialoge->fragen.last().auswahl.size();
            RUFE(w.get(), "zeigeAuftragByNr");
            RUFE(w.get(), "zeigeKundeByNr");
            RUFE(w.get(), "zeigeAuftrag", Q_ARG(int, 42));
        }, [&](QDialog* d) {
            gezeigt = qobject_cast<AuftragsDialog*>(d)->auftrag().Nr;
            d->reject();
        });
        QCOMPARE(dialoge->arten(), (QStringList{"getInt", "information", "getText", "getItem", "getInt", "getInt",
                                                "information", "warning"}));
        for (int i : {1, 6, 7})
            QVERIFY2(dialoge->fragen[i].text.contains("42"), qPrintable(dialoge->fragen[i].text));
        QCOMPARE(QVariantList({geoeffnet, angeboten, gezeigt, w->auftragsStore()->count()}),
                 QVariantList({QStringList{"AuftragsDialog"}, 2, angebot.Nr, 2}));
    }

    void unwritablePdfIsReported()
    {
        const Auftrag a = gespeichert(Auftragsart::Rechnung, AuftragsStatus::Gespeichert);
        const QString datei = env->pfad("fehlt/Auftrag.pdf");
        dialoge->antworte(datei);
        befiehl(AuftragsBefehl::Pdf, a);
        QCOMPARE(dialoge->arten(), (QStringList{"getSaveFileName", "warning"}));
        QVERIFY(!QFileInfo::exists(datei));

        // A PDF saved and opened. The invoice was issued with the first attempt: its status,
        // date and file are fixed, whatever the settings say later.
        dialoge->vergiss();
        dialoge->antworte(env->pfad("Auftrag.pdf"));
        befiehl(AuftragsBefehl::Pdf, a);
        QCOMPARE(dialoge->urls, QList<QUrl>{QUrl::fromLocalFile(env->pfad("Auftrag.pdf"))});
        QVERIFY(PdfSeiten(env->pfad("Auftrag.pdf")).text().contains("Câble"));
        const Auftrag fest = w->auftragsStore()->getAuftrag(a.Nr);
        QCOMPARE(QVariantList({fest.Status, fest.Ausgestellt.isValid(), fest.Eingang}),
                 QVariantList({int(AuftragsStatus::Gedruckt), true, fest.Ausgestellt}));
        const auto ausgaben = [&](const QString& name) {
            Auftrag kopie = w->auftragsStore()->getAuftrag(a.Nr);
            dialoge->antworte(env->pfad(name + ".pdf"));
            [&] { RUFE(w.get(), "PDFspeichern", Q_ARG(Auftrag, kopie)); }();
            dialoge->antworte(env->pfad(name + "-papier.pdf"));
            [&] { RUFE(w.get(), "drucken", Q_ARG(Auftrag&, kopie)); }();
            QFile f(env->pfad(name + ".pdf"));
            QPdfDocument papier;
            papier.load(env->pfad(name + "-papier.pdf"));
            return std::make_pair(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(),
                                  papier.render(0, QSize(595, 842)));
        };
        const auto vorher = ausgaben("vorher");
        PdfSeiten::setze({{"Steuer/Satz A", 0.055}, {"Firma/Strasse", "1 rue Neuve"},
                          {"Nummern/Rechnung1", "NEU"}});
        const auto nachher = ausgaben("nachher");
        QVERIFY(!vorher.second.isNull() && nachher == vorher);
    }

    // Printing an order that is not simply saved, or printing that does not happen, keeps its status.
    void printingChangesOnlySavedOrders_data()
    {
        QTest::addColumn<int>("typ");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("drucken");  // false: the print dialog is cancelled
        QTest::addColumn<QString>("produkt");
        QTest::addColumn<QString>("warnung");  // what is said of characters no font shows
        const int rechnung = Auftragsart::Rechnung, gespeichert = AuftragsStatus::Gespeichert,
                  bezahlt = AuftragsStatus::Bezahlt;
        QTest::newRow("saved, cancelled") << rechnung << gespeichert << false << "Câble" << "";
        QTest::newRow("paid") << rechnung << bezahlt << true << "Câble" << "";
        QTest::newRow("paid offer") << int(Auftragsart::Angebot) << bezahlt << true << "Câble" << "";
        // Issuing stops when the user does not go on.
        QTest::newRow("character no font shows") << rechnung << gespeichert << true
                                                 << QString::fromUcs4(U"Câble \U0010FFFD") << "Zeile 1: U+10FFFD";
    }

    void printingChangesOnlySavedOrders()
    {
        QFETCH(int, typ);
        QFETCH(int, status);
        QFETCH(bool, drucken);
        QFETCH(QString, produkt);
        QFETCH(QString, warnung);
        Auftrag a = gespeichert(typ, status, {}, produkt);
        dialoge->antworte(drucken ? QVariant(env->pfad("druck.pdf")) : QVariant(false));
        if (!warnung.isEmpty())
            dialoge->antworte(int(QMessageBox::No));
        RUFE(w.get(), "drucken", Q_ARG(Auftrag&, a));
        const QString gefragt = dialoge->fragen.last().text;  // after the print dialog
        QVERIFY2(gefragt.contains("Zeile") != warnung.isEmpty() && gefragt.contains(warnung), qPrintable(gefragt));
        // The preview never changes the status either.
        QCOMPARE(mitDialog([&] { befiehl(AuftragsBefehl::Vorschau, a); }), QStringList{"PrintPreview"});
        QCOMPARE(QList<int>({a.Status, w->auftragsStore()->getAuftrag(a.Nr).Status}), QList<int>(2, status));
    }

    // An issued invoice opens read-only and says why; "Ok" keeps its date and lines.
    void issuedInvoiceOpensReadOnly()
    {
        kunde("meier@example.com");
        const Auftrag a = gespeichert(Auftragsart::Rechnung, AuftragsStatus::Bezahlt);
        befiehl(AuftragsBefehl::Email, a);
        const Auftrag fest = w->auftragsStore()->getAuftrag(a.Nr);
        QVERIFY(fest.Ausgestellt.isValid());
        QString hinweis;
        bool zeilenGesperrt = false;
        mitDialog([&] { befiehl(AuftragsBefehl::Anzeigen, a); },
                  [&](QDialog* d) {
                      auto* dialog = qobject_cast<AuftragsDialog*>(d);
                      hinweis = dialog->ausgestelltHinweis()->text();
                      zeilenGesperrt = !dialog->produkte()->isEnabled();
                      dialog->statusBox()->setCurrentIndex(AuftragsStatus::Fertig);
                      d->accept();
                  });
        QVERIFY2(hinweis.contains("Korrekturen nur über eine Gutschrift"), qPrintable(hinweis));
        const Auftrag danach = w->auftragsStore()->getAuftrag(a.Nr);
        QCOMPARE(QVariantList({zeilenGesperrt, danach.Eingang, danach.Status, danach.Summe}),
                 QVariantList({true, fest.Eingang, int(AuftragsStatus::Fertig), fest.Summe}));
    }

    // The preview prints and saves as the lists do: the status follows, the PDF holds the order.
    void previewPrintsAndSaves()
    {
        kunde();
        Auftrag a = gespeichert(Auftragsart::Rechnung, AuftragsStatus::Gespeichert);
        mitDialog([&] { RUFE(w.get(), "vorschau", Q_ARG(Auftrag, a)); },
                  [this](QDialog* d) {
                      dialoge->antworte(env->pfad("vorschau.pdf"));
                      d->findChild<QToolButton*>("pdf")->click();
                      dialoge->antworte(env->pfad("druck.pdf"));
                      d->findChild<QToolButton*>("drucken")->click();
                      d->reject();
                  });
        QVERIFY(PdfSeiten(env->pfad("vorschau.pdf")).text().contains("Meier"));
        QVERIFY(QFileInfo(env->pfad("druck.pdf")).size() > 0);
        QCOMPARE(w->auftragsStore()->getAuftrag(a.Nr).Status, int(AuftragsStatus::Gedruckt));
    }

    // Without company data a notice leads to the settings' company page; it goes once the data is there.
    void firstStart()
    {
        auto* hinweis = w->findChild<Firmenhinweis*>();
        QVERIFY(hinweis->isVisible());
        QString seite;
        QStringList geoeffnet = mitDialog([&] { hinweis->knopf()->click(); }, [&](QDialog* d) {
            seite = static_cast<Einstellungen*>(d)->tabs()->currentWidget()->metaObject()->className();
            for (const char* key : {"Firma/Firma", "Firma/Ort"})
                QTest::keyClicks(d->findChild<QLineEdit*>(key), "Lindtal");
            d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        });
        geoeffnet << mitDialog([&] { menuBefehl(*w, {"Einstellungen", "Einstellungen"}); });  // the menu opens it too
        QCOMPARE(QVariantList({seite, hinweis->isVisible(), geoeffnet}),
                 QVariantList({"FirmaEditor", false, QStringList{"Einstellungen", "Einstellungen"}}));
    }

    // The desktop's shortcuts reach the commands; a new order from anywhere asks for its customer.
    void shortcuts_data()
    {
        QTest::addColumn<QKeySequence>("taste");
        QTest::addColumn<QStringList>("fragen");
        QTest::addColumn<QStringList>("dialoge");
        QTest::newRow("new customer") << QKeySequence(QKeySequence::New) << QStringList() << QStringList{"KundenDialog"};
        QTest::newRow("new order") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N) << QStringList{"getItem"}
                                   << QStringList{"AuftragsDialog"};
        QTest::newRow("help") << QKeySequence(QKeySequence::HelpContents) << QStringList{"information"}
                              << QStringList();
        QTest::newRow("find") << QKeySequence(QKeySequence::Find) << QStringList() << QStringList();
    }

    void shortcuts()
    {
        QFETCH(QKeySequence, taste);
        kunde();
        QVERIFY(zeige(w.get()));
        w->tabs()->setCurrentIndex(1);
        dialoge->antworte(0);  // the first customer, where one is asked for
        QTEST(mitDialog([&] { QTest::keySequence(w.get(), taste); }), "dialoge");
        QTEST(dialoge->arten(), "fragen");
        // Ctrl+F puts the cursor into the customer filter, from any tab.
        if (taste == QKeySequence(QKeySequence::Find))
            QCOMPARE(QApplication::focusWidget(), w->tabs()->widget(0)->findChild<QLineEdit*>());
    }

    void savedOrderOfDeletedCustomerKeepsItsCustomer()
    {
        const Kunde k = kunde();
        const Auftrag a = gespeichert(Auftragsart::Rechnung, AuftragsStatus::Gespeichert);
        QVERIFY(w->kundenStore()->delKunde(k.Nr));
        QCOMPARE(mitDialog([&] { RUFE(w.get(), "zeigeAuftrag", Q_ARG(int, a.Nr)); }, [](QDialog* d) { d->accept(); }),
                 QStringList{"AuftragsDialog"});
        QCOMPARE(w->auftragsStore()->getAuftrag(a.Nr).Kunde.Name, QString("Meier"));
    }

    // The customer's address is the whole recipient, whatever it holds; the invoice adds its subject and PDF only.
    void mailAddressAddsNoItems()
    {
        Kunde k = kunde("kunde@example.com?attachment=/home/user/.ssh/id_rsa&body=hi#x");
        const Auftrag a = gespeichert(Auftragsart::Rechnung, AuftragsStatus::Gespeichert);
        RUFE(w.get(), "sendEmail", Q_ARG(Kunde, k));
        for (int i = 0; i < 2; ++i)
            RUFE(w.get(), "sendAuftragsEmail", Q_ARG(Auftrag, a));
        QStringList teile, pdfs;
        for (const QUrl& gesendet : dialoge->urls) {
            // What the mail program gets is the encoded text.
            const QUrl url(QString::fromLatin1(gesendet.toEncoded()));
            teile << url.scheme() << url.path(QUrl::FullyDecoded);
            for (const auto& item : QUrlQuery(url).queryItems())
                teile << item.first;
            pdfs << QUrlQuery(url).queryItemValue("attachment", QUrl::FullyDecoded);
        }
        QCOMPARE(teile, QStringList({"mailto", k.Email, "mailto", k.Email, "subject", "attachment", "mailto", k.Email,
                                     "subject", "attachment"}));

        // Each PDF under a new name, in a folder of its own that only the user may enter.
        QVERIFY(pdfs[1].endsWith(QString("Auftrag%1.pdf").arg(a.Nr)) && pdfs[1] != pdfs[2]);
        QVERIFY(PdfSeiten(pdfs[1]).text().contains("Meier"));
        QCOMPARE(QFile::permissions(QFileInfo(pdfs[1]).path()) & 0x7077, QFile::Permissions(0x7000));
        w.reset(new MainWindow);  // the next start removes them
        QVERIFY(!QFileInfo::exists(pdfs[1]) && !QFileInfo::exists(pdfs[2]));

        // Without a mail program the user is told.
        dialoge->vergiss();
        dialoge->urlsOeffnen = false;
        RUFE(w.get(), "sendEmail", Q_ARG(Kunde, k));
        QCOMPARE(dialoge->arten(), (QStringList{"openUrl", "warning"}));

        // Without a stored address: a warning and the customer's dialog, no mail.
        k.Email.clear();
        QVERIFY(w->kundenStore()->saveKunde(k));
        dialoge->vergiss();
        QCOMPARE(mitDialog([&] { RUFE(w.get(), "sendAuftragsEmail", Q_ARG(Auftrag, a)); }),
                 QStringList{"KundenDialog"});
        QCOMPARE(dialoge->arten(), QStringList{"warning"});
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
