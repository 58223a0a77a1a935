#ifndef SQLAUFTRAGSSTORE_H
#define SQLAUFTRAGSSTORE_H

#include "store/auftragsstore.h"
#include "store/storelisten.h"

#include <QHash>
#include <QList>
#include <QSettings>
#include <QSqlDatabase>
#include <QVariantMap>

#include <functional>

class ListenModell;
class QSqlQuery;

// The order store over auftrag, auftragslines and auftragskunden. Numbers new
// documents per kind of service and writes each order in one transaction; the
// numbering holds when several programs store at once. An order changed
// elsewhere since this store read it is not overwritten.
class SqlAuftragsStore : public AuftragsStore
{
    Q_OBJECT

public:
    explicit SqlAuftragsStore(QObject* parent,
                              const QString& verbindung = QLatin1String(QSqlDatabase::defaultConnection));

    void createTables();
    [[nodiscard]] bool deleteAll();

    [[nodiscard]] bool addAuftrag(Auftrag& a) override;
    [[nodiscard]] bool addAuftraege(QList<Auftrag>& liste, QList<Verbleib>& verbleib,
                                    const Meldung& meldung) override;
    [[nodiscard]] bool saveAuftrag(const Auftrag& a) override;
    [[nodiscard]] bool stelleAus(Auftrag& a, const QByteArray& datei) override;
    QByteArray archivierterBeleg(int nr) override;
    int ausgestellteBelege() override;
    [[nodiscard]] bool storniereAuftrag(int nr) override;
    Auftrag getAuftrag(int nr) override;
    QList<Auftrag> getAuftraegeByBestellNr(const QString& bestellNr) override;
    QList<Auftrag> getAuftraegeByKunde(int kundenNr) override;
    QList<Auftrag> getAuftraege(const QDateTime& von, const QDateTime& bis) override;
    QList<Auftrag> getAuftraegeByAuftragsNr(int auftragsNr) override;
    QList<Auftrag> getAlleAuftraege() override;
    QSqlTableModel* model() override;
    QSqlTableModel* filterModel(const QDateTime& von, const QDateTime& bis) override;
    QSqlTableModel* filterModel(int kundenNr) override;
    int count() override;
    [[nodiscard]] bool delAuftrag(int nr) override;
    QList<AuftragsKennzahlen> getAuftraegeFuerStatistik(const QDateTime& von, const QDateTime& bis,
                                                        bool mitZeilen) override;
    bool nummerVergeben(const Auftrag& a) override;
    Speicherfehler letzterFehler() const override { return m_fehler; }
    bool addZahlung(Zahlung& z) override;
    bool delZahlung(int nr) override;
    QList<Zahlung> getZahlungen(int auftrag) override;
    QList<Zahlung> getAlleZahlungen() override;
    Offenposten offenposten(int auftrag) override;
    QSqlTableModel* listenModel(const Auftragsauswahl& w) override;
    Auftragssummen summen(const Auftragsauswahl& w) override;
    [[nodiscard]] bool setMahnung(const QList<int>& auftragsNummern, int stufe,
                                  const QDate& datum) override;

    // Net and gross of an order as its document shows them; kept with the
    // order at every write, so that lists and sums need not compute them.
    // Unset: both the sum of the line prices.
    struct Betraege
    {
        Betrag netto;
        Betrag brutto;
    };
    void setBetragsrechner(const std::function<Betraege(const Auftrag&)>& rechner);

    // What the warnings say of a change refused because documents are issued.
    static constexpr char Ausgestellt[] = "issued";

signals:
    void storeChanged();

public slots:
    void updateModel();

private:
    struct Einfuegen;
    bool insertAuftrag(Auftrag& a, Einfuegen& e);
    // One order of addAuftraege: stored, or left out as v tells; false when the database failed.
    bool insertAusListe(Auftrag& a, Einfuegen& e, QHash<int, QSqlQuery>& vergeben, Verbleib& v);
    // PostgreSQL: row, snapshot and lines of a in one statement.
    bool insertZusammen(Auftrag& a, Einfuegen& e);
    // Binds the columns of the order row of the new order a.
    void bindNeu(QSqlQuery& q, const Auftrag& a) const;
    bool updateAuftrag(const Auftrag& a);
    // PostgreSQL: snapshot and lines of a rewritten in one statement.
    bool updateTeileZusammen(const Auftrag& a);
    bool updateStatus(const Auftrag& a);
    // Updates the named columns of a's row; where this store read the row, only while
    // nobody else changed it since.
    bool aktualisiere(QSqlQuery& q, const Auftrag& a, const QString& spalten,
                      const std::function<void(QSqlQuery&)>& binde);
    void erzeugeSchutz();
    void vergibBelegNrAlter();
    bool misslungen(const QString& grund);
    bool naechsteNummer(Auftrag& a);
    bool pruefeWerte(const Auftrag& a);
    bool misslungen(const QSqlQuery& q);
    bool insertLines(const Auftrag& a, QSqlQuery& q);
    bool insertZahlungen(const Auftrag& a, Einfuegen& e);
    // Binds line l of a to the line placeholders, their names followed by index.
    static void bindLine(QSqlQuery& q, const Auftrag& a, const AuftragsLine& l, const QString& index);
    QList<Auftrag> auftraegeWhere(const QString& where, const QVariantMap& werte);
    // Number and date of the invoices the credit notes of liste correct.
    void ergaenzeBezuege(QList<Auftrag>& liste, const QString& bedingung, const QVariantMap& werte);
    Betraege bindBetraege(QSqlQuery& q, const Auftrag& a) const;
    // The condition of w on the rows of auftrag.
    QString bedingung(const Auftragsauswahl& w) const;
    // Stores the open amount of order nr anew (column "Offen").
    bool rechneOffen(int nr);
    // Moves invoice nr's status to or from "Bezahlt" as its open amount says.
    bool folgeZahlungen(int nr);
    // After a credit note on invoice nr was issued: cancelled when the credit
    // notes cover its gross, otherwise as its payments say.
    bool folgeGutschrift(int nr);
    bool setzeStatus(int nr, int neu);  // of invoice nr, as a new version
    // Adds the open amounts and the net and gross of rows stored without them.
    void ergaenzeBetraege();

    QSqlDatabase m_db;
    StoreListen m_listen;
    QSettings m_settings;
    QHash<int, int> m_versionen;  // order Nr -> version of the row as last read
    Speicherfehler m_fehler;
    std::function<Betraege(const Auftrag&)> m_rechner;
};

#endif
