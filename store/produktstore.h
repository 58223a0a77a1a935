#ifndef PRODUKTSTORE_H
#define PRODUKTSTORE_H

#include "records/produkt.h"
#include "store/speicherfehler.h"

#include <QObject>

class QSqlTableModel;

// The product catalogue. Every write returns true exactly when it was committed.
class ProduktStore : public QObject
{
    Q_OBJECT

public:
    explicit ProduktStore(QObject* parent) : QObject(parent) {}

    virtual bool addProdukt(const Produkt& p) = 0;
    virtual bool saveProdukt(const Produkt& p) = 0;
    virtual bool delProdukt(const QString& nr) = 0;
    virtual Produkt getProdukt(const QString& nr) = 0;
    virtual Produkt getProduktByName(const QString& name) = 0;
    virtual QList<Produkt> getProdukte() = 0;
    virtual QSqlTableModel* model() = 0;
    virtual QSqlTableModel* filterModel(int typ) = 0;

    // Why the last operation failed (Keiner after a success).
    virtual Speicherfehler letzterFehler() const { return {}; }
};

#endif
