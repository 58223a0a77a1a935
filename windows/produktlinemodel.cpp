#include "windows/produktlinemodel.h"

#include "print/belegbetraege.h"
#include "records/dezimaltext.h"

ProduktLineModel::ProduktLineModel(QObject* parent) : QAbstractTableModel(parent) {}

int ProduktLineModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_lines.size();
}

int ProduktLineModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Spalten;
}

QVariant ProduktLineModel::data(const QModelIndex& index, int role) const
{
    if (index.row() < 0 || index.column() < 0 || index.model() != this
        || index.row() >= rowCount() || index.column() >= columnCount())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return index.column() == Netto ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter)) : QVariant();
    if (role != Qt::DisplayRole)
        return QVariant();

    const AuftragsLine& l = m_lines.at(index.row());
    switch (index.column()) {
    case Menge:
        // The unit beside the quantity it counts ("1.5 Stunde").
        return l.Einheit.isEmpty() ? QVariant(l.Anzahl) : QVariant(mengenText(l.Anzahl) + " " + l.Einheit);
    case ProduktNr:
        return l.ProduktNr;
    case Produkt:
        return l.Produkt;
    case Netto:
    case Brutto: {
        // The line alone: its net as printed, and its gross at its own rate.
        Auftrag a = m_rahmen;
        a.Zeilen = {l};
        const Belegbetraege b(a);
        return (index.column() == Netto ? b.netto() : b.brutto()).euro();
    }
    }
    return QVariant();
}

void ProduktLineModel::setRahmen(const Auftrag& a)
{
    m_rahmen = a;
    m_rahmen.Zeilen.clear();
    if (!m_lines.isEmpty())
        emit dataChanged(index(0, Netto), index(m_lines.size() - 1, Brutto));
}

Belegbetraege ProduktLineModel::betraege() const
{
    Auftrag a = m_rahmen;
    a.Zeilen = m_lines;
    return Belegbetraege(a);
}

QVariant ProduktLineModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const namen[] = {QT_TR_NOOP("Menge"), QT_TR_NOOP("Produktnr."),
                                        QT_TR_NOOP("Produkt"), QT_TR_NOOP("Netto"),
                                        QT_TR_NOOP("Brutto")};
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= Spalten)
        return QVariant();
    return tr(namen[section]);
}

void ProduktLineModel::setLines(const QList<AuftragsLine>& lines)
{
    clear();
    if (lines.isEmpty())
        return;
    beginInsertRows(QModelIndex(), 0, lines.size() - 1);
    m_lines = lines;
    endInsertRows();
}

QList<AuftragsLine> ProduktLineModel::lines() const
{
    return m_lines;
}

double ProduktLineModel::summe() const
{
    double s = 0.0;
    for (const AuftragsLine& l : m_lines)
        s += l.Preis;
    return s;
}

void ProduktLineModel::clear()
{
    if (m_lines.isEmpty())
        return;
    beginRemoveRows(QModelIndex(), 0, m_lines.size() - 1);
    m_lines.clear();
    endRemoveRows();
}

AuftragsLine ProduktLineModel::line(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return AuftragsLine();
    return m_lines.at(index.row());
}

void ProduktLineModel::setLine(const QModelIndex& index, const AuftragsLine& line)
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return;
    m_lines[index.row()] = line;
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), Spalten - 1));
}

QModelIndex ProduktLineModel::appendLine(const AuftragsLine& line)
{
    beginInsertRows(QModelIndex(), m_lines.size(), m_lines.size());
    m_lines.append(line);
    endInsertRows();
    return index(m_lines.size() - 1, 0);
}

void ProduktLineModel::removeLine(const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= m_lines.size())
        return;
    beginRemoveRows(QModelIndex(), index.row(), index.row());
    m_lines.removeAt(index.row());
    endRemoveRows();
}
