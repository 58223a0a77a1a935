#ifndef AUFTRAGSLISTENMODELL_H
#define AUFTRAGSLISTENMODELL_H

#include "store/listenmodell.h"

// The order list: every column of table "auftrag" plus "Offen", the amount
// still owed on an invoice, computed by the database (empty for other kinds
// of document), so that filters, sums and sorting use it without reading
// each order.
class AuftragsListenModell : public ListenModell
{
    Q_OBJECT

public:
    AuftragsListenModell(QObject* parent, const QSqlDatabase& db);

    // The rows of auftrag with the column Offen, as a table expression for db.
    static QString quelle(const QSqlDatabase& db);

protected:
    QString selectStatement() const override;
};

#endif
