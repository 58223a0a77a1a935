#ifndef LISTENMODELL_H
#define LISTENMODELL_H

#include <QSqlTableModel>

// The table model of the stores' lists. It reads every row of a selection at
// once: a half-read selection would keep the database file locked for reading,
// so that no other program (and no DROP of this one) could write.
class ListenModell : public QSqlTableModel
{
    Q_OBJECT

public:
    ListenModell(QObject* parent, const QSqlDatabase& db);

    bool select() override;
    // Refused on a damaged database, like every write of the stores. A field
    // written at once that the database refuses is not kept as if stored: the
    // row shows its stored values again and abgelehnt() tells why.
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    void abgelehnt(const QString& grund);

protected:
    void liesSpaltenNeu();  // the table's columns, keeping the filter
};

#endif
