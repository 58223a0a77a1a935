#include "app/mainwindow.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "platform/privateablage.h"
#include "exchange/tabellenexport.h"
#include "exchange/tabellenimport.h"
#include "exchange/xmlaustausch.h"
#include "print/belegbetraege.h"
#include "print/belegpdf.h"
#include "print/druckeinrichtung.h"
#include "print/drucker.h"
#include "print/druckerde1.h"
#include "print/facturxpdf.h"
#include "print/layouts.h"
#include "print/pdfseitendruck.h"
#include "print/printpreview.h"
#include "print/zeichenpruefung.h"
#include "records/codetabellen.h"
#include "settings/einstellungen.h"
#include "settings/einstellungsdatei.h"
#include "settings/firmaeditor.h"
#include "stats/kundenstatdialog.h"
#include "stats/produktstatdialog.h"
#include "store/ausstellung.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"
#include "windows/auftragsdialog.h"
#include "windows/auftragsaktionen.h"
#include "windows/auftragseditor.h"
#include "windows/kundenauftragsdialog.h"
#include "windows/kundendialog.h"
#include "windows/kundeneditor.h"
#include "windows/firmenhinweis.h"
#include "windows/produktedialog.h"
#include "windows/sicherungsbefehle.h"
#include "windows/speicherhinweis.h"
#include "windows/zahlungsdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QLineEdit>
#include <QMenuBar>
#include <QPrinter>
#include <QSqlDatabase>
#include <QStatusBar>
#include <QSqlTableModel>
#include <QStandardPaths>
#include <QTabWidget>
#include <QToolBar>
#include <QUrl>
#include <QUrlQuery>
#include <QVBoxLayout>

namespace {

// The address is the URL's path, taken literally: "?", "&", "#" or "%" typed
// into it are escaped and can never add items such as an attachment.
QUrl mailUrl(const QString& adresse)
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(adresse, QUrl::DecodedMode);
    return url;
}

// A file name the user chooses, proposed in the documents folder; empty when cancelled.
QString dokumentDatei(QWidget* parent, const QString& titel, const QString& name,
                      const QString& filter)
{
    const QString vorschlag =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).filePath(name);
    return Interaktion::instance()->getSaveFileName(parent, titel, vorschlag, filter);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("Belegwerk"));
    auto* mitte = new QWidget(this);
    m_hinweis = new Firmenhinweis(mitte);
    m_tabs = new QTabWidget(mitte);
    auto* spalte = new QVBoxLayout(mitte);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->addWidget(m_hinweis);
    spalte->addWidget(m_tabs);
    setCentralWidget(mitte);
    connect(m_hinweis, &Firmenhinweis::firmaEingeben, this, &MainWindow::zeigeFirmendaten);

    m_drucker = new Drucker(this);
    m_druckerDE1 = new DruckerDE1(this);
    m_produktStore = new SqlProduktStore(this);
    m_kundenStore = new SqlKundenStore(this);
    m_auftragsStore = new SqlAuftragsStore(this);
    // The amounts as the document shows them, kept with each order for the lists.
    m_auftragsStore->setBetragsrechner([](const Auftrag& a) {
        const Belegbetraege b(a);
        return SqlAuftragsStore::Betraege{b.netto(), b.brutto()};
    });
    m_produktStore->createTable();
    m_kundenStore->createTable();
    m_auftragsStore->createTables();
    PrivateAblage::raeumeMailAnhaengeAuf();

    auto* kunden = new KundenEditor;
    m_kunden = kunden;
    kunden->setStore(kundenStore());
    connect(kunden, &KundenEditor::neuerKunde, this, &MainWindow::neuerKunde);
    connect(kunden, &KundenEditor::kundeClicked, this, qOverload<int>(&MainWindow::zeigeKunde));
    connect(kunden, &KundenEditor::neueRechnung, this, qOverload<Kunde>(&MainWindow::neuerAuftrag));
    connect(kunden, &KundenEditor::listRechnungen, this, &MainWindow::listAuftraege);
    connect(kunden, &KundenEditor::email, this, &MainWindow::sendEmail);
    m_tabs->addTab(kunden, tr("Kunden"));

    auto* auftraege = new AuftragsEditor;
    m_auftraege = auftraege;
    auftraege->setStore(auftragsStore());
    connect(auftraege, &AuftragsEditor::auftragClicked, this, &MainWindow::zeigeAuftrag);
    connect(auftraege, &AuftragsEditor::auftragVorschau, this, &MainWindow::vorschau);
    connect(auftraege, &AuftragsEditor::auftragDrucken, this, &MainWindow::drucken);
    connect(auftraege, &AuftragsEditor::auftragEmail, this, &MainWindow::sendAuftragsEmail);
    connect(auftraege, &AuftragsEditor::auftragPDF, this, &MainWindow::PDFspeichern);
    connect(auftraege, &AuftragsEditor::auftragXML, this, &MainWindow::XMLspeichern);
    connect(auftraege, &AuftragsEditor::auftragZahlungen, this, &MainWindow::zeigeZahlungen);
    connect(auftraege, &AuftragsEditor::rechnungFromAngebot, this, &MainWindow::rechnungFromAngebot);
    connect(auftraege, &AuftragsEditor::gutschriftFromRechnung, this,
            &MainWindow::gutschriftFromRechnung);
    connect(auftraege, &AuftragsEditor::kundeClicked, this, qOverload<int>(&MainWindow::zeigeKunde));
    connect(auftraege, &AuftragsEditor::auftragKunde, this, qOverload<Kunde&>(&MainWindow::zeigeKunde));
    m_tabs->addTab(auftraege, tr("Aufträge"));
    baueMenues();

    if (QCoreApplication::arguments().contains("--admin")) {
        setWindowIcon(QIcon(":/printer_admin_icon.png"));
        auto* admin = new AuftragsEditor;
        admin->setAdmin(true);
        admin->setStore(auftragsStore());
        m_tabs->addTab(admin, tr("Auftragsadmin"));
    }
}

QAction* MainWindow::eintrag(QMenu* menu, const QString& text, void (MainWindow::*slot)(),
                             const QKeySequence& kuerzel)
{
    auto* a = new QAction(text, this);
    a->setShortcut(kuerzel);
    connect(a, &QAction::triggered, this, slot);
    menu->addAction(a);
    return a;
}

void MainWindow::sichereDaten()
{
    SicherungsBefehle::erstelle(this, QSqlDatabase::database());
}

void MainWindow::stelleDatenWiederHer()
{
    if (!SicherungsBefehle::stelleWiederHer(this, QSqlDatabase::database()))
        return;
    // Tables and indexes of this program version, then every list anew.
    m_produktStore->createTable();
    m_kundenStore->createTable();
    m_auftragsStore->createTables();
    m_produktStore->updateModel();
    m_kundenStore->updateModel();
    m_auftragsStore->updateModel();
}

void MainWindow::uebertrageDaten()
{
    SicherungsBefehle::uebertrage(this, QSqlDatabase::database());
}

void MainWindow::baueMenues()
{
    QMenu* programm = menuBar()->addMenu(tr("&Belegwerk"));
    QMenu* vendora = programm->addMenu(tr("&Vendora"));
    eintrag(vendora, tr("&Produkte importieren"), &MainWindow::importProdukteVDA);
    eintrag(vendora, tr("&Kunden importieren"), &MainWindow::importKundenVDA);
    QMenu* exportieren = programm->addMenu(tr("&Exportieren"));
    eintrag(exportieren, tr("&Aktuelle Ansicht exportieren"), &MainWindow::exportCurrent);
    eintrag(exportieren, tr("&Produkte exportieren"), &MainWindow::exportProdukte);
    eintrag(exportieren, tr("&Einstellungen exportieren"), &MainWindow::exportConfig);
    eintrag(exportieren, tr("Auf&tragsdaten exportieren"), &MainWindow::exportAuftragsData);
    eintrag(exportieren, tr("&Kundedaten exportieren"), &MainWindow::exportKundenData);
    QMenu* importieren = programm->addMenu(tr("&Importieren"));
    eintrag(importieren, tr("&Einstellungen importieren"), &MainWindow::importConfig);
    eintrag(importieren, tr("&Produkte importieren"), &MainWindow::importProdukte);
    eintrag(importieren, tr("&Auftragsdaten importieren"), &MainWindow::importAuftragsData);
    eintrag(importieren, tr("&Kundendaten importieren"), &MainWindow::importKundenData);
    programm->addSeparator();
    eintrag(programm, tr("Daten&sicherung erstellen"), &MainWindow::sichereDaten);
    eintrag(programm, tr("Datensicherung &wiederherstellen"), &MainWindow::stelleDatenWiederHer);
    eintrag(programm, tr("Daten &übertragen"), &MainWindow::uebertrageDaten);
    programm->addSeparator();
    auto* beenden = new QAction(tr("&Beenden"), this);
    beenden->setShortcut(QKeySequence::Quit);
    connect(beenden, &QAction::triggered, qApp, &QApplication::quit);
    programm->addAction(beenden);

    // The commands of the lists are the same actions as in their context
    // menus, so both share one enable rule and one shortcut.
    QMenu* kunde = menuBar()->addMenu(tr("&Kunde"));
    QAction* neuKunde = eintrag(kunde, tr("&Neuer Kunde"), &MainWindow::neuerKunde, QKeySequence::New);
    QAction* suche = eintrag(kunde, tr("&Suchen"), &MainWindow::suchen, QKeySequence::Find);
    eintrag(kunde, tr("Kunde zu KundenNr &anzeigen"), &MainWindow::zeigeKundeByNr);
    QMenu* auftrag = menuBar()->addMenu(tr("&Auftrag"));
    QAction* neuAuftrag = eintrag(auftrag, tr("&Neuer Auftrag…"), &MainWindow::neuerAuftragFuerKunde,
                                  QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    eintrag(auftrag, tr("Auftrag zu &RechungsNr anzeigen"), &MainWindow::zeigeAuftragByNr);
    eintrag(auftrag, tr("Auftrag zu &BestellNr anzeigen"), &MainWindow::zeigeAuftragByBestellNr);
    auftrag->addSeparator();
    AuftragsAktionen* aktionen = m_auftraege->aktionen();
    aktionen->aktion(AuftragsBefehl::Drucken)->setShortcut(QKeySequence::Print);
    aktionen->fuelle(auftrag, {AuftragsBefehl::Anzeigen, AuftragsBefehl::Vorschau,
                               AuftragsBefehl::Drucken, AuftragsBefehl::Pdf, AuftragsBefehl::Email,
                               AuftragsBefehl::RechnungAusAngebot,
                               AuftragsBefehl::GutschriftAusRechnung, AuftragsBefehl::Zahlungen});
    QMenu* statistik = menuBar()->addMenu(tr("&Statistik"));
    eintrag(statistik, tr("&Kunden"), &MainWindow::zeigeStatKunden);
    eintrag(statistik, tr("&Produkte"), &MainWindow::zeigeStatProdukte);
    QMenu* einstellungen = menuBar()->addMenu(tr("&Einstellungen"));
    eintrag(einstellungen, tr("&Produkte"), &MainWindow::zeigeProdukte);
    einstellungen->addSeparator();
    eintrag(einstellungen, tr("&Einstellungen"), &MainWindow::zeigeEinstellungen,
            QKeySequence::Preferences);
    QMenu* hilfeMenu = menuBar()->addMenu(tr("&Hilfe"));
    QAction* hilfeAktion = eintrag(hilfeMenu, tr("&Hilfe"), &MainWindow::hilfe,
                                   QKeySequence::HelpContents);
    eintrag(hilfeMenu, tr("&About"), &MainWindow::about);
    auto* aboutQt = new QAction(tr("About &Qt"), this);
    connect(aboutQt, &QAction::triggered, qApp, &QApplication::aboutQt);
    hilfeMenu->addAction(aboutQt);

    QToolBar* leiste = addToolBar(tr("Werkzeugleiste"));
    leiste->setObjectName("werkzeugleiste");
    leiste->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    leiste->setMovable(false);
    neuKunde->setIcon(QIcon::fromTheme("contact-new"));
    neuAuftrag->setIcon(QIcon::fromTheme("document-new"));
    suche->setIcon(QIcon::fromTheme("edit-find"));
    hilfeAktion->setIcon(QIcon::fromTheme("help-contents"));
    aktionen->aktion(AuftragsBefehl::Drucken)->setIcon(QIcon::fromTheme("document-print"));
    aktionen->aktion(AuftragsBefehl::Vorschau)->setIcon(QIcon::fromTheme("document-print-preview"));
    leiste->addAction(neuKunde);
    leiste->addAction(neuAuftrag);
    leiste->addAction(suche);
    leiste->addSeparator();
    leiste->addAction(aktionen->aktion(AuftragsBefehl::Vorschau));
    leiste->addAction(aktionen->aktion(AuftragsBefehl::Drucken));
    leiste->addSeparator();
    leiste->addAction(hilfeAktion);
}

void MainWindow::zeigeFirmendaten()
{
    Einstellungen d;
    d.tabs()->setCurrentWidget(d.findChild<FirmaEditor*>());
    d.exec();
    m_hinweis->aktualisiere();
}

void MainWindow::neuerAuftragFuerKunde()
{
    const QList<Kunde> kunden = m_kundenStore->getKunden();
    if (kunden.isEmpty()) {
        neuerKunde();
        return;
    }
    QStringList zeilen;
    for (const Kunde& k : kunden)
        zeilen << QStringLiteral("%1 – %2").arg(k.Nr).arg(QStringList({k.Firma, k.Name}).join(", "));
    bool ok = false;
    const QString wahl = Interaktion::instance()->getItem(
        this, tr("Neuer Auftrag"), tr("Für welchen Kunden?"), zeilen, 0, &ok);
    const int zeile = zeilen.indexOf(wahl);
    if (ok && zeile >= 0)
        neuerAuftrag(kunden.at(zeile));
}

void MainWindow::suchen()
{
    m_tabs->setCurrentWidget(m_kunden);
    if (auto* filter = m_kunden->findChild<QLineEdit*>()) {
        filter->setFocus(Qt::ShortcutFocusReason);
        filter->selectAll();
    }
}

void MainWindow::hilfe()
{
    Interaktion::instance()->information(
        this, tr("Hilfe"),
        tr("Zuerst einrichten\n"
           "Einstellungen › Firma: Name, Anschrift, Bankverbindung und USt-IdNr. Ihrer Firma; "
           "sie stehen im Briefkopf jeder Rechnung. Einstellungen › Steuer: Steuerart und "
           "Steuersätze. Einstellungen › Produkte: Ihre Waren und Schulungen.\n\n"
           "Rechnung schreiben\n"
           "Kunde › Neuer Kunde (Strg+N) oder einen Kunden in der Liste wählen, dann „Neue "
           "Rechnung“ im Kontextmenü oder Auftrag › Neuer Auftrag (Strg+Umschalt+N). Positionen "
           "erfassen; „Drucken“ speichert den Auftrag, gibt ihm die nächste Nummer seiner Art und "
           "druckt ihn. Aus einem Angebot wird im Kontextmenü eine Rechnung.\n\n"
           "Gutschrift\n"
           "Im Reiter „Aufträge“ die Rechnung wählen: „Gutschrift aus Rechnung erstellen“.\n\n"
           "Zahlungen\n"
           "Ist eine Rechnung bezahlt, im Kontextmenü „Status setzen“ › „Bezahlt“ wählen.\n\n"
           "Datensicherung\n"
           "Alle Daten stehen in der Datenbank, ohne weitere Einstellung in der Datei "
           "belegwerk.db im Datenordner des Benutzers. Sichern Sie diese Datei regelmäßig bei "
           "geschlossenem Programm, dazu die Einstellungen (Belegwerk › Exportieren)."));
}

Drucker* MainWindow::renderer()
{
    return Layouts::deutsch() ? m_druckerDE1 : m_drucker;
}

AuftragsStore* MainWindow::auftragsStore()
{
    return m_auftragsStore;
}

KundenStore* MainWindow::kundenStore()
{
    return m_kundenStore;
}

ProduktStore* MainWindow::produktStore()
{
    return m_produktStore;
}

bool MainWindow::ausArchiv(const Auftrag& a)
{
    return a.Nr > 0 && Ausstellung::wirdAusgestellt(a);
}

QByteArray MainWindow::ausgestellteDatei(Auftrag& a, const QString& titel, QString* hinweis)
{
    QByteArray datei = m_auftragsStore->archivierterBeleg(a.Nr);
    if (!datei.isEmpty())
        return datei;
    // Once issued nothing can be mended: characters no font shows would print as empty boxes.
    const QStringList fehlend = Zeichenpruefung::fehlende(a);
    if (!fehlend.isEmpty()
        && Interaktion::instance()->question(
               this, titel,
               tr("Keine installierte Schrift kann diese Zeichen darstellen; sie fehlen auf dem Beleg:\n%1\n\n"
                  "Den Beleg trotzdem ausstellen?")
                   .arg(fehlend.join('\n')),
               QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Warning)
               != QMessageBox::Yes)
        return QByteArray();
    Auftrag neu = Ausstellung::vorbereiten(a, QDateTime::currentDateTime());
    datei = BelegPdf::datei(renderer(), neu, hinweis);
    if (datei.isEmpty()) {
        Interaktion::instance()->warning(this, titel, tr("Der Beleg konnte nicht erstellt werden."));
        return datei;
    }
    if (!Speicherhinweis::wiederhole(
            this, titel, tr("Der Beleg konnte nicht ausgestellt werden; es wurde nichts ausgegeben."),
            m_auftragsStore, [&] { return m_auftragsStore->stelleAus(neu, datei); }))
        return QByteArray();
    a = neu;
    return datei;
}

void MainWindow::drucken(Auftrag& a)
{
    const Drucker* d = renderer();
    QPrinter printer(QPrinter::ScreenResolution);
    if (!Druckeinrichtung::richteEin(printer, a, this))
        return;
    if (ausArchiv(a)) {
        // Issued at the first print; every print shows the archived file.
        // Paper needs no e-invoice: what a plain PDF lacks is said when one is saved.
        const QByteArray datei = ausgestellteDatei(a, tr("Drucken"), nullptr);
        if (datei.isEmpty())
            return;
        if (!PdfSeitenDruck::richteEin(&printer, datei) || !PdfSeitenDruck::drucke(&printer, datei))
            Interaktion::instance()->warning(this, tr("Drucken"),
                                             tr("Der Auftrag konnte nicht gedruckt werden."));
        return;
    }
    if (!d->print(&printer, a)) {
        Interaktion::instance()->warning(this, tr("Drucken"),
                                         tr("Der Auftrag konnte nicht gedruckt werden."));
        return;
    }
    if (a.Status != AuftragsStatus::Gespeichert)
        return;
    a.Status = AuftragsStatus::Gedruckt;
    if (!m_auftragsStore->saveAuftrag(a)) {
        // The order stays as the database holds it.
        a.Status = AuftragsStatus::Gespeichert;
        Interaktion::instance()->warning(
            this, tr("Drucken"),
            tr("Der Auftrag wurde gedruckt, aber der Status \"Gedruckt\" konnte nicht "
               "gespeichert werden."));
    }
}

void MainWindow::vorschau(Auftrag a)
{
    const Drucker* d = renderer();
    QPrinter printer(QPrinter::ScreenResolution);
    // An issued document is previewed as it was issued; previewing issues nothing.
    const QByteArray datei = a.Nr > 0 ? m_auftragsStore->archivierterBeleg(a.Nr) : QByteArray();
    if (!datei.isEmpty())
        PdfSeitenDruck::richteEin(&printer, datei);
    PrintPreview preview(&printer, this);
    // The preview repaints on every zoom; each paint renders this one order.
    connect(&preview, &PrintPreview::paintRequested, this, [d, a, datei](QPrinter* p) {
        if (datei.isEmpty())
            d->print(p, a);
        else
            PdfSeitenDruck::drucke(p, datei);
    });
    // Printed and saved as from the list: the status follows, invoices become Factur-X.
    connect(&preview, &PrintPreview::drucken, this, [this, &a] { drucken(a); });
    connect(&preview, &PrintPreview::pdfSpeichern, this, [this, &a] { PDFspeichern(a); });
    preview.exec();
}

void MainWindow::PDFspeichern(Auftrag a)
{
    const QString datei = dokumentDatei(this, tr("Auftrag als PDF speichern"),
                                        tr("Auftrag%1.pdf").arg(a.Nr), tr("PDF ( *.pdf )"));
    if (datei.isEmpty())
        return;
    if (alsPDFspeichern(a, datei))
        Interaktion::instance()->openUrl(QUrl::fromLocalFile(datei));
}

bool MainWindow::alsPDFspeichern(Auftrag a, QString filename)
{
    // Invoices and credit notes become Factur-X; one that cannot be valid is
    // written all the same, as plain PDF, and the user learns what is missing.
    // They are issued with the first file; every later file is that one.
    const QString titel = tr("Auftrag als PDF speichern");
    QString hinweis;
    bool ok = false;
    if (ausArchiv(a)) {
        const QByteArray datei = ausgestellteDatei(a, titel, &hinweis);
        if (datei.isEmpty())
            return false;
        ok = BelegPdf::speichere(filename, datei);
    } else {
        ok = BelegPdf::schreiben(renderer(), a, filename, &hinweis);
    }
    if (!ok)
        Interaktion::instance()->warning(
            this, tr("Auftrag als PDF speichern"),
            tr("Die Datei %1 konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(filename)));
    else if (!hinweis.isEmpty())
        Interaktion::instance()->warning(this, tr("Elektronische Rechnung"), hinweis);
    return ok;
}

void MainWindow::XMLspeichern(Auftrag a)
{
    // What keeps the invoice from being valid is said before a file is chosen.
    const QString titel = tr("Rechnung als XML speichern");
    const bool ausgestellt = ausArchiv(a) && !m_auftragsStore->archivierterBeleg(a.Nr).isEmpty();
    QString fehler = ausgestellt ? QString() : BelegPdf::xmlHindernis(a);
    if (fehler.isEmpty()) {
        const QString datei =
            dokumentDatei(this, titel, tr("Auftrag%1.xml").arg(a.Nr), tr("XML ( *.xml )"));
        if (datei.isEmpty())
            return;
        if (!ausArchiv(a)) {
            if (BelegPdf::xmlSchreiben(a, datei, &fehler))
                return;
        } else {
            // The XML of the issued file, whatever the order or the settings say now.
            QString hinweis;
            const QByteArray pdf = ausgestellteDatei(a, titel, &hinweis);
            if (pdf.isEmpty())
                return;
            const QByteArray xml = FacturXPdf::xmlAus(pdf);
            if (xml.isEmpty())
                fehler = tr("Der Beleg wurde ohne elektronische Rechnung ausgestellt.");
            else if (BelegPdf::speichere(datei, xml))
                return;
            else
                fehler = tr("Die Datei %1 konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(datei));
        }
    }
    Interaktion::instance()->warning(this, titel, fehler);
}

void MainWindow::sendAuftragsEmail(Auftrag a)
{
    // The address first: no attachment (and no note on it) for a mail that cannot go.
    const Kunde k = m_kundenStore->getKunde(a.Kunde.Nr);
    if (k.Email.isEmpty()) {
        Interaktion::instance()->warning(this, tr("als Email senden"),
                                         tr("Zu diesem Kunden ist keine Emailaddresse bekannt!"));
        // The editable dialog of the stored customer, so the address can be added.
        if (k.Nr > 0)
            zeigeKunde(k.Nr);
        return;
    }
    // A private folder of unpredictable name: no other user can take the name
    // first or read the invoice.
    const QString pdf = PrivateAblage::mailAnhang(tr("Auftrag%1.pdf").arg(a.Nr));
    if (pdf.isEmpty()) {
        Interaktion::instance()->warning(this, tr("als Email senden"),
                                         tr("Der Auftrag konnte nicht als PDF abgelegt werden."));
        return;
    }
    if (!alsPDFspeichern(a, pdf))
        return;  // no mail with a missing attachment
    QUrl url = mailUrl(k.Email);
    QUrlQuery query;
    query.addQueryItem("subject", tr("Ihr Auftrag"));
    query.addQueryItem("attachment", pdf);
    url.setQuery(query);
    oeffneMail(url);
}

void MainWindow::sendEmail(Kunde k)
{
    oeffneMail(mailUrl(k.Email));
}

void MainWindow::oeffneMail(const QUrl& url)
{
    if (!Interaktion::instance()->openUrl(url))
        Interaktion::instance()->warning(
            this, tr("als Email senden"),
            tr("Es konnte kein Email-Programm geöffnet werden. Bitte richten Sie eines "
               "als Standardprogramm für Emails ein."));
}

void MainWindow::verbindeKundenDialog(KundenDialog& d)
{
    connect(&d, qOverload<Kunde>(&KundenDialog::neueRechnung), this,
            qOverload<Kunde>(&MainWindow::neuerAuftrag));
    connect(&d, qOverload<Kunde>(&KundenDialog::listRechnungen), this, &MainWindow::listAuftraege);
    connect(&d, &KundenDialog::email, this, &MainWindow::sendEmail);
}

void MainWindow::neuerKunde()
{
    KundenDialog d;
    d.setStore(kundenStore());
    verbindeKundenDialog(d);
    d.exec();
}

void MainWindow::zeigeKunde(int nr)
{
    KundenDialog d;
    d.setStore(kundenStore());
    d.setKunde(kundenStore()->getKunde(nr));
    verbindeKundenDialog(d);
    d.exec();
}

void MainWindow::zeigeKunde(Kunde& k)
{
    qDebug() << "kundendaten" << k;
    KundenDialog d;
    d.setStore(kundenStore());
    d.setKunde(k);
    d.setReadOnly();
    verbindeKundenDialog(d);
    d.exec();
}

void MainWindow::listAuftraege(Kunde k)
{
    KundenAuftragsDialog d;
    d.setKunde(k);
    d.setStore(auftragsStore());
    connect(&d, &KundenAuftragsDialog::auftragClicked, this, &MainWindow::zeigeAuftrag);
    connect(&d, &KundenAuftragsDialog::auftragDrucken, this, &MainWindow::drucken);
    connect(&d, &KundenAuftragsDialog::auftragVorschau, this, &MainWindow::vorschau);
    connect(&d, &KundenAuftragsDialog::auftragEmail, this, &MainWindow::sendAuftragsEmail);
    connect(&d, &KundenAuftragsDialog::auftragPDF, this, &MainWindow::PDFspeichern);
    connect(&d, &KundenAuftragsDialog::auftragZahlungen, this, &MainWindow::zeigeZahlungen);
    connect(&d, &KundenAuftragsDialog::neuerAuftrag, this, qOverload<int>(&MainWindow::neuerAuftrag));
    d.exec();
}

void MainWindow::verbindeAuftragsDialog(AuftragsDialog& d)
{
    connect(&d, &AuftragsDialog::drucken, this, &MainWindow::drucken);
    d.setProduktStore(produktStore());
    d.setAuftragsStore(auftragsStore());
}

void MainWindow::bearbeiteAuftrag(const Auftrag& a)
{
    AuftragsDialog d;
    verbindeAuftragsDialog(d);
    d.setAuftrag(a);
    while (d.exec() == QDialog::Accepted) {
        d.uebernehmeEingaben();
        Auftrag fertig = d.auftrag();
        Speicherhinweis::Antwort weiter = Speicherhinweis::Aufgeben;
        const auto schreibe = [&] {
            return fertig.Nr == 0 ? m_auftragsStore->addAuftrag(fertig) : m_auftragsStore->saveAuftrag(fertig);
        };
        if (Speicherhinweis::wiederhole(this, tr("Auftrag speichern"),
                                        tr("Der Auftrag konnte nicht gespeichert werden."), m_auftragsStore,
                                        schreibe, &weiter))
            return;
        // Nothing typed is lost unless the user chose to reload what is stored.
        if (weiter == Speicherhinweis::NeuLaden)
            fertig = m_auftragsStore->getAuftrag(fertig.Nr);
        d.setAuftrag(fertig);
    }
}

void MainWindow::neuerAuftrag(Kunde k)
{
    Auftrag a;
    a.Kunde = k;
    bearbeiteAuftrag(a);
}

void MainWindow::neuerAuftrag(int nr)
{
    neuerAuftrag(kundenStore()->getKunde(nr));
}

void MainWindow::zeigeAuftrag(int nr)
{
    Auftrag a = auftragsStore()->getAuftrag(nr);
    if (a.Nr == 0) {
        // Opening the empty order would store a new one without customer.
        Interaktion::instance()->warning(this, tr("Auftrag anzeigen"),
                                         tr("Der Auftrag %1 wurde nicht gefunden.").arg(nr));
        return;
    }
    if (a.Status == AuftragsStatus::Gespeichert) {
        // A deleted customer keeps the data stored with the order.
        const Kunde aktuell = kundenStore()->getKunde(a.Kunde.Nr);
        if (aktuell.Nr > 0)
            a.Kunde = aktuell;
    }
    bearbeiteAuftrag(a);
}

void MainWindow::rechnungFromAngebot(Auftrag a)
{
    leiteAb(a, Auftragsart::Rechnung);
}

void MainWindow::zeigeZahlungen(Auftrag a)
{
    ZahlungsDialog d(m_auftragsStore, a.Nr, nullptr);
    d.exec();
}

void MainWindow::gutschriftFromRechnung(Auftrag a)
{
    leiteAb(a, Auftragsart::Gutschrift);
}

void MainWindow::leiteAb(Auftrag a, int typ)
{
    // A new order of kind typ with everything else of the source; the source
    // stays as it is.
    const Auftrag quelle = a;
    a.Nr = 0;
    a.Typ = typ;
    a.Status = AuftragsStatus::Neu;
    a.AuftragsNr = 0;
    a.BelegNr.clear();
    a.Ausgestellt = QDateTime();
    a.Faellig = QDate();
    a.Bezug = 0;
    a.BezugBelegNr.clear();
    a.BezugDatum = QDate();
    // A credit note names the invoice it corrects.
    if (typ == Auftragsart::Gutschrift && quelle.Typ == Auftragsart::Rechnung) {
        a.Bezug = quelle.Nr;
        a.BezugBelegNr = quelle.belegNummer();
        a.BezugDatum = quelle.Eingang.date();
    }
    bearbeiteAuftrag(a);
}

int MainWindow::frageNummer(const QString& titel, const QString& text, bool* ok)
{
    return Interaktion::instance()->getInt(this, titel, text, 0, 1, 100000000, 1, ok);
}

void MainWindow::zeigeKundeByNr()
{
    bool ok = false;
    const int nr = frageNummer(tr("Kunden anzeigen"), tr("Bitte geben sie die Kundennummer ein"), &ok);
    if (!ok)
        return;
    // An empty form would store a new customer under the number typed.
    if (kundenStore()->getKunde(nr).Nr == 0) {
        Interaktion::instance()->information(this, tr("Kunden anzeigen"),
                                             tr("Der Kunde %1 wurde nicht gefunden.").arg(nr));
        return;
    }
    zeigeKunde(nr);
}

void MainWindow::zeigeGefundenen(const QList<Auftrag>& liste, const QString& keinerTitel,
                                 const QString& keinerText, const QString& wahlTitel,
                                 const QString& wahlText, const QStringList& zeilen)
{
    if (liste.isEmpty()) {
        Interaktion::instance()->information(this, keinerTitel, keinerText);
        return;
    }
    if (liste.size() == 1) {
        zeigeAuftrag(liste.first().Nr);
        return;
    }
    bool ok = false;
    const QString wahl =
        Interaktion::instance()->getItem(this, wahlTitel, wahlText, zeilen, 0, &ok);
    // Each line starts with the record number; the position names the order.
    const int pos = zeilen.indexOf(wahl);
    if (ok && pos >= 0)
        zeigeAuftrag(liste.at(pos).Nr);
}

void MainWindow::zeigeAuftragByBestellNr()
{
    bool ok = false;
    const QString nr = Interaktion::instance()
                           ->getText(this, tr("Auftrag anzeigen"), tr("Bitte geben sie die Bestellnummer ein"),
                                     QString(), &ok)
                           .trimmed();
    if (!ok || nr.isEmpty())
        return;
    const QList<Auftrag> liste = auftragsStore()->getAuftraegeByBestellNr(nr);
    QStringList zeilen;
    for (const Auftrag& a : liste)
        zeilen << QString("%1 am %2").arg(a.Nr).arg(a.Eingang.toString(Qt::TextDate));
    zeigeGefundenen(liste, tr("Auftrag anzeigen"), tr("Kein Auftrag mit BestellNr %1 gefunden").arg(nr),
                    tr("Auftrag anzeigen"), tr("Es wurden folgende Aufträge gefunden."), zeilen);
}

void MainWindow::zeigeAuftragByNr()
{
    bool ok = false;
    const int nr = frageNummer(tr("Auftrag anzeigen"), tr("Bitte geben sie die Auftragsnummer ein"), &ok);
    if (!ok)
        return;
    const QList<Auftrag> liste = auftragsStore()->getAuftraegeByAuftragsNr(nr);
    QStringList zeilen;
    for (const Auftrag& a : liste)
        zeilen << QString("%1 - %2 - %3")
                      .arg(a.Nr)
                      .arg(CodeTabellen::name(CodeTabellen::auftragsarten(), a.Typ),
                           CodeTabellen::name(CodeTabellen::dienstTypen(), a.Dienst));
    zeigeGefundenen(liste, tr("Zeige Auftrag"), tr("Auftrag mit der Nummer %1 nicht gefunden").arg(nr),
                    tr("Auftrag auswählen"),
                    tr("Es wurden mehrere Aufträge mit dieser Nummer gefunden."), zeilen);
}

void MainWindow::about()
{
    Interaktion::instance()->information(
        this, tr("Über Belegwerk"),
        tr("Belegwerk\n\nKunden, Produkte, Rechnungen, Lieferscheine, Gutschriften und "
           "Angebote für kleine Betriebe.\n\nCopyright © 2026 die Belegwerk-Entwickler."));
}

void MainWindow::zeigeEinstellungen()
{
    Einstellungen d;
    d.exec();
    m_hinweis->aktualisiere();
    m_produktStore->updateModel();
    m_kundenStore->updateModel();
}

void MainWindow::zeigeProdukte()
{
    ProdukteDialog d(this);
    d.setStore(produktStore());
    d.exec();
}

void MainWindow::exportConfig()
{
    EinstellungsDatei::exportiere(this);
}

void MainWindow::importConfig()
{
    EinstellungsDatei::importiere(this);
}

void MainWindow::exportProdukte()
{
    exportTabelle(this, tr("Produkte exportieren"), m_produktStore->model());
}

void MainWindow::meldeStatus(const QString& text)
{
    if (!text.isEmpty())
        statusBar()->showMessage(text);
}

void MainWindow::exportKundenData()
{
    meldeStatus(XmlAustausch(kundenStore(), auftragsStore()).exportKundenData(this));
}

void MainWindow::exportAuftragsData()
{
    meldeStatus(XmlAustausch(kundenStore(), auftragsStore()).exportAuftragsData(this));
}

void MainWindow::importKundenData()
{
    meldeStatus(XmlAustausch(kundenStore(), auftragsStore()).importKundenData(this));
}

void MainWindow::importAuftragsData()
{
    meldeStatus(XmlAustausch(kundenStore(), auftragsStore()).importAuftragsData(this));
}

void MainWindow::importProdukte()
{
    meldeStatus(TabellenImport::importProdukte(this, produktStore()));
}

void MainWindow::importProdukteVDA()
{
    meldeStatus(TabellenImport::importProdukteVDA(this, produktStore()));
}

void MainWindow::importKundenVDA()
{
    meldeStatus(TabellenImport::importKundenVDA(this, kundenStore()));
}

void MainWindow::exportCurrent()
{
    QWidget* aktuell = m_tabs->currentWidget();
    if (auto* k = qobject_cast<KundenEditor*>(aktuell))
        k->save();
    else if (auto* a = qobject_cast<AuftragsEditor*>(aktuell))
        a->save();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    Einstellung::setze(Einstellung::MainWindowGeometry, saveGeometry(), m_settings);
    Einstellung::setze(Einstellung::MainWindowState, saveState(0), m_settings);
    QMainWindow::closeEvent(event);
}

void MainWindow::zeigeStatKunden()
{
    KundenStatDialog d;
    connect(&d, &KundenStatDialog::kundeClicked, this, qOverload<int>(&MainWindow::zeigeKunde));
    connect(&d, &KundenStatDialog::neueRechnung, this, qOverload<Kunde>(&MainWindow::neuerAuftrag));
    connect(&d, &KundenStatDialog::listRechnungen, this, &MainWindow::listAuftraege);
    connect(&d, &KundenStatDialog::email, this, &MainWindow::sendEmail);
    d.setKundenStore(kundenStore());
    d.setAuftragsStore(auftragsStore());
    d.updateModel();
    d.exec();
}

void MainWindow::zeigeStatProdukte()
{
    ProduktStatDialog d;
    d.setKundenStore(kundenStore());
    d.setAuftragsStore(auftragsStore());
    d.updateModel();
    d.exec();
}
