#ifndef SQLKUNDENSTORE_H
#define SQLKUNDENSTORE_H

#include "store/kundenstore.h"
#include "store/storelisten.h"

#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QVariantMap>

class QSqlQuery;

// The customer store on table kunden of one connection (the default one
// unless named). A customer changed elsewhere since this store read it is not
// overwritten: its row carries a version.
class SqlKundenStore : public KundenStore
{
    Q_OBJECT

public:
    explicit SqlKundenStore(QObject* parent,
                            const QString& verbindung = QLatin1String(QSqlDatabase::defaultConnection));

    void createTable();

    [[nodiscard]] bool addKunde(Kunde& k) override;
    [[nodiscard]] bool addKunden(QList<Kunde>& kunden, QList<bool>& gespeichert,
                                 const std::function<bool(qint64, qint64)>& weiter) override;
    [[nodiscard]] bool saveKunde(const Kunde& k) override;
    [[nodiscard]] bool delKunde(int nr) override;
    Kunde getKunde(int nr) override;
    Kunde getKundeByTel(const QString& tel) override;
    QList<Kunde> getKundenByName(const QString& name) override;
    QList<Kunde> getKundenByStrasse(const QString& strasse) override;
    QList<Kunde> getKundenByOrt(const QString& ort) override;
    QList<Kunde> getKunden() override;
    Kunde getKundeByEmail(const QString& email) override;
    QSqlTableModel* model() override;
    QSqlTableModel* filterModel(int typ, const QString& text, int sortSpalte = -1,
                                Qt::SortOrder ordnung = Qt::AscendingOrder) override;
    Speicherfehler letzterFehler() const override { return m_fehler; }

    // The filter text of filterModel(typ, text): each word of text (no
    // wildcards) within one of the searched fields; quoted by db's driver.
    static QString filterText(const QSqlDatabase& db, int typ, const QString& text);
    // Binds the customer's fields to the placeholders named after them; the
    // statements name the fax placeholder differently.
    static void bindKunde(QSqlQuery& q, const Kunde& k, const QString& faxPlaceholder);
    // The columns of an update setting the customer's fields to those placeholders (the fax's ":Fax").
    static constexpr char Zuweisungen[] =
        "[Firma]=:firma ,[Name]=:name ,[Strasse]=:strasse ,[Ort]=:ort ,[Email]=:email ,[Tel]=:tel ,"
        "[Tel2]=:tel2 ,[Fax]=:Fax ,[Typ]=:typ ,[PLZ]=:plz ,[Bemerkung]=:bemerkung ,[IBAN]=:iban ,[BIC]=:bic ,"
        "[Steuernummer]=:steuernummer ,[Land]=:land ,[Siren]=:siren ,[EAdresse]=:eadresse ,"
        "[LeitwegId]=:leitwegid ,[Lieferanschrift]=:lieferanschrift";
    // A customer from the current row of a query over kunden or auftragskunden.
    static Kunde kundeFromQuery(const QSqlQuery& q);
    // Refuses values the database cannot hold; true when k can be stored.
    static bool pruefeKunde(const Kunde& k, Speicherfehler& f);

signals:
    void storeChanged();

public slots:
    void updateModel();

private:
    // Inside a write transaction: numbers and inserts k (k.Nr set on success);
    // every insert of a customer goes through it.
    bool insertKunde(Kunde& k);
    // The next free customer number, 0 when none is left or the query failed.
    int naechsteNr();
    // The customers where holds for, its placeholders bound to werte.
    QList<Kunde> kundenWhere(const QString& where, const QVariantMap& werte);
    Kunde gelesen(const QSqlQuery& q);
    bool misslungen(const char* was, const QSqlQuery& q, bool mitStatement = false);

    QSqlDatabase m_db;
    StoreListen m_listen;
    QHash<int, int> m_versionen;  // customer number -> version of the row as last read
    Speicherfehler m_fehler;
};

#endif
