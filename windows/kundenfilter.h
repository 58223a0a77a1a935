#ifndef KUNDENFILTER_H
#define KUNDENFILTER_H

#include <QSortFilterProxyModel>
#include <QStringList>
#include <QVector>

class QSqlTableModel;

// Narrows the whole customer list in memory: by type and by words that must
// each occur somewhere in number, name, company, street, postcode, town,
// phones or e-mail. The searched text of each row is built once per reading
// of the list, so a keystroke only compares strings.
class KundenFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit KundenFilter(QObject* parent = nullptr);

    void setSourceModel(QAbstractItemModel* source) override;
    // typ is a selector position: 0 all types, otherwise customer type typ-1.
    void setzeFilter(int typ, const QString& text);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& links, const QModelIndex& rechts) const override;

private:
    struct Zeile {
        qlonglong nr = 0;
        int typ = 0;
        QString text;  // lower case, fields separated by a line break
    };
    void ergaenze() const;

    int m_typ = 0;
    QStringList m_woerter;  // lower case
    // Rebuilt lazily; the source's change signals reach this before the proxy's own.
    mutable QVector<Zeile> m_zeilen;
    // The sorted column by source row: numbers, or else texts.
    mutable QVector<double> m_zahlen;
    mutable QVector<QString> m_texte;
    mutable bool m_numerisch = false;
    mutable int m_schluesselSpalte = -1;
};

#endif
