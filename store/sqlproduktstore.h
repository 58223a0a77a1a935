#ifndef SQLPRODUKTSTORE_H
#define SQLPRODUKTSTORE_H

#include "store/produktstore.h"
#include "store/storelisten.h"

#include <QSqlDatabase>

class QSqlQuery;

// The product store on table produkte of the default connection. Its own model
// writes every edited cell at once.
class SqlProduktStore : public ProduktStore
{
    Q_OBJECT

public:
    explicit SqlProduktStore(QObject* parent,
                             const QString& verbindung = QLatin1String(QSqlDatabase::defaultConnection));

    void createTable();

    [[nodiscard]] bool addProdukt(const Produkt& p) override;
    [[nodiscard]] bool saveProdukt(const Produkt& p) override;
    [[nodiscard]] bool schreibeProdukte(const QList<Produkt>& produkte, const QList<bool>& neu,
                                        QList<bool>& gespeichert,
                                        const std::function<bool(qint64, qint64)>& weiter) override;
    [[nodiscard]] bool delProdukt(const QString& nr) override;
    Produkt getProdukt(const QString& nr) override;
    Produkt getProduktByName(const QString& name) override;
    QSqlTableModel* model() override;
    QSqlTableModel* filterModel(int typ) override;
    Speicherfehler letzterFehler() const override { return m_fehler; }

    // The operation of adding a product, as its warnings name it.
    static constexpr char Hinzufuegen[] = "addProdukt";

signals:
    void storeChanged();

public slots:
    void updateModel();

private:
    bool write(const char* name, const Produkt* p, const QString& statement, const QString& nr);
    // The first product where holds for, its placeholder :wert bound to wert.
    Produkt firstProdukt(const QString& where, const QString& wert);

    QSqlDatabase m_db;
    StoreListen m_listen;
    Speicherfehler m_fehler;
};

#endif
