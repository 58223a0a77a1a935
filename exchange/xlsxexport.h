#ifndef XLSXEXPORT_H
#define XLSXEXPORT_H

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QTextStream;
class TabellenQuelle;

// Writes an Office Open XML workbook with one sheet; texts go to the shared
// strings, dates and date-times get the date cell formats 1 and 2.
class XlsxExport
{
public:
    static bool schreibe(QAbstractItemModel* model, const QString& fileName,
                         const QList<int>& rows, bool verticalHeader);

private:
    explicit XlsxExport(const TabellenQuelle& quelle) : m_quelle(quelle) {}

    void sheet(QTextStream& out);
    void sharedStrings(QTextStream& out) const;
    int stringIndex(const QString& escaped);

    const TabellenQuelle& m_quelle;
    QHash<QString, int> m_index;
    QStringList m_strings;
    qint64 m_stringZellen = 0;
};

#endif
