#ifndef PRODUKTSTORE_H
#define PRODUKTSTORE_H

#include "records/produkt.h"
#include "store/speicherfehler.h"

#include <QObject>

#include <functional>

class QSqlTableModel;

// The product catalogue. Every write returns true exactly when it was committed.
class ProduktStore : public QObject
{
    Q_OBJECT

public:
    explicit ProduktStore(QObject* parent) : QObject(parent) {}

    [[nodiscard]] virtual bool addProdukt(const Produkt& p) = 0;
    [[nodiscard]] virtual bool saveProdukt(const Produkt& p) = 0;
    // Adds (where neu[i]) or saves every product in one transaction, each as
    // addProdukt() or saveProdukt() would, in order; gespeichert[i] tells
    // whether produkte[i] was written. weiter(done, total) is told the progress
    // and cancels by returning false. The lists are told of the change once.
    // False, with nothing stored, when cancelled or failed.
    [[nodiscard]] virtual bool schreibeProdukte(const QList<Produkt>& produkte, const QList<bool>& neu,
                                                QList<bool>& gespeichert,
                                                const std::function<bool(qint64, qint64)>& weiter) = 0;
    [[nodiscard]] virtual bool delProdukt(const QString& nr) = 0;
    virtual Produkt getProdukt(const QString& nr) = 0;
    virtual Produkt getProduktByName(const QString& name) = 0;
    virtual QSqlTableModel* model() = 0;
    virtual QSqlTableModel* filterModel(int typ) = 0;

    // Why the last operation failed (Keiner after a success).
    virtual Speicherfehler letzterFehler() const { return {}; }
};

#endif
