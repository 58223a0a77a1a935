#ifndef KUNDENSTORE_H
#define KUNDENSTORE_H

#include "records/kunde.h"
#include "store/speicherfehler.h"

#include <QObject>

#include <functional>

class QSqlTableModel;

// The customer file. Every write returns true exactly when it was committed.
class KundenStore : public QObject
{
    Q_OBJECT

public:
    explicit KundenStore(QObject* parent) : QObject(parent) {}

    [[nodiscard]] virtual bool addKunde(Kunde& k) = 0;  // fills in the number of a new customer
    // Adds the customers in one transaction, each as addKunde() would;
    // gespeichert[i] tells whether kunden[i] was taken. weiter(done, total) is
    // told the progress and cancels by returning false. The lists are told of
    // the change once. False, with nothing stored, when cancelled or failed.
    [[nodiscard]] virtual bool addKunden(QList<Kunde>& kunden, QList<bool>& gespeichert,
                                         const std::function<bool(qint64, qint64)>& weiter) = 0;
    [[nodiscard]] virtual bool saveKunde(const Kunde& k) = 0;
    [[nodiscard]] virtual bool delKunde(int nr) = 0;
    virtual Kunde getKunde(int nr) = 0;
    virtual Kunde getKundeByTel(const QString& tel) = 0;
    virtual QList<Kunde> getKundenByName(const QString& name) = 0;
    virtual QList<Kunde> getKundenByStrasse(const QString& strasse) = 0;
    virtual QList<Kunde> getKundenByOrt(const QString& ort) = 0;
    virtual QList<Kunde> getKunden() = 0;
    virtual Kunde getKundeByEmail(const QString& email) = 0;
    virtual QSqlTableModel* model() = 0;
    // typ is a selector position: 0 all types, otherwise customer type typ-1.
    // Sorted by column sortSpalte when it is not negative, in the one query.
    virtual QSqlTableModel* filterModel(int typ, const QString& text, int sortSpalte = -1,
                                        Qt::SortOrder ordnung = Qt::AscendingOrder) = 0;

    // Why the last operation failed (Keiner after a success).
    virtual Speicherfehler letzterFehler() const { return {}; }
};

#endif
