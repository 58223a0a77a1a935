#ifndef PRODUKTLINEMODEL_H
#define PRODUKTLINEMODEL_H

#include "records/auftrag.h"
#include "records/auftragsline.h"

#include <QAbstractTableModel>
#include <QList>

class Belegbetraege;

// The lines of the order being edited: quantity, product number, product,
// net and gross of the line as the order's document prints them (Belegbetraege
// under the current settings), as euros rounded to the cent.
class ProduktLineModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Spalte { Menge, ProduktNr, Produkt, Netto, Brutto, Spalten };

    explicit ProduktLineModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The order whose service kind and customer type decide the tax; its lines are not taken.
    void setRahmen(const Auftrag& a);
    // The document amounts of the lines as they stand.
    Belegbetraege betraege() const;

    void setLines(const QList<AuftragsLine>& lines);
    QList<AuftragsLine> lines() const;
    double summe() const;
    void clear();
    AuftragsLine line(const QModelIndex& index) const;
    void setLine(const QModelIndex& index, const AuftragsLine& line);
    QModelIndex appendLine(const AuftragsLine& line);
    void removeLine(const QModelIndex& index);

private:
    QList<AuftragsLine> m_lines;
    Auftrag m_rahmen;  // without lines
};

#endif
