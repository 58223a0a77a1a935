#ifndef SQLKUNDENSTORE_H
#define SQLKUNDENSTORE_H

#include "store/kundenstore.h"

#include <QHash>
#include <QList>
#include <QPointer>
#include <QSqlDatabase>

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
    ~SqlKundenStore() override;

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
    Kunde firstKunde(QSqlQuery& q);
    QList<Kunde> alleKunden(QSqlQuery& q);
    QList<Kunde> kundenWhere(const QString& column, const QString& pattern);
    Kunde gelesen(const QSqlQuery& q);
    bool misslungen(const char* was, const QSqlQuery& q, bool mitStatement = false);

    QSqlDatabase m_db;
    QSqlTableModel* m_model;
    QList<QPointer<QSqlTableModel>> m_filterModels;
    bool m_modelGezeigt = false;
    QHash<int, int> m_versionen;  // customer number -> version of the row as last read
    Speicherfehler m_fehler;
};

#endif
