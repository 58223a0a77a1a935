#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "print/mahnung.h"
#include "records/auftrag.h"
#include "windows/mahndialog.h"
#include "records/auftragsbefehl.h"

#include <QKeySequence>
#include <QMainWindow>
#include <QSettings>

#include <functional>

class AuftragsDialog;
class AuftragsStore;
class Drucker;
class AuftragsEditor;
class Firmenhinweis;
class KundenDialog;
class KundenEditor;
class KundenStore;
class ProduktStore;
class QMenu;
class QTabWidget;
class QUrl;
class SqlAuftragsStore;
class SqlKundenStore;
class SqlProduktStore;

// The one top-level window: owns the stores and the renderers, shows the
// lists as tabs and routes every command of the lists and dialogs.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    AuftragsStore* auftragsStore();
    KundenStore* kundenStore();
    ProduktStore* produktStore();

    // The renderer of the layout chosen in the settings at this moment.
    Drucker* renderer();
    QTabWidget* tabs() const { return m_tabs; }

protected slots:
    void drucken(Auftrag& a);
    void vorschau(Auftrag a);
    void PDFspeichern(Auftrag a);
    bool alsPDFspeichern(Auftrag a, QString filename);
    void XMLspeichern(Auftrag a);
    void zeigeEinstellungen();
    void zeigeProdukte();
    void neuerKunde();
    void neuerAuftrag(Kunde k);
    void neuerAuftrag(int nr);
    void zeigeKunde(int nr);
    void zeigeKunde(Kunde& k);
    void zeigeAuftrag(int nr);
    void sendEmail(Kunde k);
    void sendAuftragsEmail(Auftrag a);
    void rechnungFromAngebot(Auftrag a);
    void gutschriftFromRechnung(Auftrag a);
    void zeigeZahlungen(Auftrag a);
    // The reminder for the overdue invoice a, alone or with the customer's others.
    void mahnen(Auftrag a);
    void listAuftraege(Kunde k);
    void zeigeKundeByNr();
    void zeigeAuftragByNr();
    void zeigeAuftragByBestellNr();
    void about();
    void importConfig();
    void exportConfig();
    void exportProdukte();
    void exportCurrent();
    void zeigeStatKunden();
    void zeigeStatProdukte();
    void exportKundenData();
    void exportAuftragsData();
    void importKundenData();
    void importAuftragsData();
    void importProdukte();
    void importProdukteVDA();
    void importKundenVDA();
    // The settings dialog opened at the company page; the notice follows.
    void zeigeFirmendaten();
    // A new order for a customer chosen from the customer file.
    void neuerAuftragFuerKunde();
    // The customer list with the cursor in its filter.
    void suchen();
    void hilfe();
    void sichereDaten();
    void stelleDatenWiederHer();
    void uebertrageDaten();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void baueMenues();
    void baueProgrammMenue();
    // Carries out order command b that a list or dialog reports for a.
    void befehl(AuftragsBefehl b, Auftrag a);
    // Hands url to the mail program; says so when there is none.
    bool oeffneMail(const QUrl& url);
    // A mail to the stored customer kundenNr with the file schreibe writes
    // under dateiName in the private mail folder. Says why when there is no
    // address (and shows the customer) or no such file; true when handed on.
    bool mailMitAnhang(int kundenNr, const QString& dateiName, const QString& betreff,
                       const std::function<bool(const QString&)>& schreibe);
    // Prints, saves or mails the reminder s, or shows it; records its level on
    // the invoices once it went out, and returns whether it did.
    bool gebeMahnungAus(MahnDialog::Ausgabe art, const Mahnung::Schreiben& s);
    bool zeigeMahnung(const Mahnung::Schreiben& s);
    QAction* eintrag(QMenu* menu, const QString& text, void (MainWindow::*slot)(),
                     const QKeySequence& kuerzel = QKeySequence());
    // Runs an order dialog for a; on acceptance stores the order (insert when
    // new, else update). A failed write is reported and the dialog shown again.
    void bearbeiteAuftrag(const Auftrag& a);
    // Opens a new order of kind typ derived from a (Nr, number and status anew).
    void leiteAb(Auftrag a, int typ);
    void verbindeAuftragsDialog(AuftragsDialog& d);
    void verbindeKundenDialog(KundenDialog& d);
    // Opens the one order found, lets the user choose among several, or says none was found.
    void zeigeGefundenen(const QList<Auftrag>& liste, const QString& keinerTitel,
                         const QString& keinerText, const QString& wahlTitel,
                         const QString& wahlText, const QStringList& zeilen);
    int frageNummer(const QString& titel, const QString& text, bool* ok);
    // The file of the invoice or credit note a as issued: the archived one, or,
    // for one not issued yet, the file issued now (a then holds the issued
    // order, and *hinweis the warning for an invoice issued as plain PDF). Empty,
    // the user told why, when it cannot be issued.
    QByteArray ausgestellteDatei(Auftrag& a, const QString& titel, QString* hinweis);
    // Whether a is a stored document that prints from its archived file.
    static bool ausArchiv(const Auftrag& a);
    // What an import or export did, in the status bar; nothing for a cancelled command.
    void meldeStatus(const QString& text);

    Drucker* m_drucker = nullptr;
    Drucker* m_druckerDE1 = nullptr;
    QTabWidget* m_tabs = nullptr;
    Firmenhinweis* m_hinweis = nullptr;
    KundenEditor* m_kunden = nullptr;
    AuftragsEditor* m_auftraege = nullptr;
    SqlAuftragsStore* m_auftragsStore = nullptr;
    SqlKundenStore* m_kundenStore = nullptr;
    SqlProduktStore* m_produktStore = nullptr;
    QSettings m_settings;
};

#endif
