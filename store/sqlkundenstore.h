#ifndef SQLKUNDENSTORE_H
#define SQLKUNDENSTORE_H

#include "store/kundenstore.h"

#include <QList>
#include <QPointer>
#include <QSqlDatabase>

class QSqlQuery;

// The customer store on table kunden of the default connection.
class SqlKundenStore : public KundenStore
{
    Q_OBJECT

public:
    explicit SqlKundenStore(QObject* parent);
    ~SqlKundenStore() override;

    void createTable();

    bool addKunde(Kunde& k) override;
    bool saveKunde(const Kunde& k) override;
    bool delKunde(int nr) override;
    Kunde getKunde(int nr) override;
    Kunde getKundeByTel(const QString& tel) override;
    QList<Kunde> getKundenByName(const QString& name) override;
    QList<Kunde> getKundenByStrasse(const QString& strasse) override;
    QList<Kunde> getKundenByOrt(const QString& ort) override;
    QList<Kunde> getKunden() override;
    Kunde getKundeByEmail(const QString& email) override;
    QSqlTableModel* model() override;
    QSqlTableModel* filterModel(int typ, const QString& text) override;

    // The filter text of filterModel(typ, text); user text is quoted for SQL.
    static QString filterText(int typ, const QString& text);
    // Binds the customer's fields to the placeholders named after them; the
    // statements name the fax placeholder differently.
    static void bindKunde(QSqlQuery& q, const Kunde& k, const QString& faxPlaceholder);
    // A customer from the current row of a query over kunden or auftragskunden.
    static Kunde kundeFromQuery(const QSqlQuery& q);

signals:
    void storeChanged();

public slots:
    void updateModel();

private:
    Kunde firstKunde(QSqlQuery& q);
    QList<Kunde> alleKunden(QSqlQuery& q);
    QList<Kunde> kundenWhere(const QString& column, const QString& pattern);

    QSqlDatabase m_db;
    QSqlTableModel* m_model;
    QList<QPointer<QSqlTableModel>> m_filterModels;
};

#endif
