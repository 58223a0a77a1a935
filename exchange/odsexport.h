#ifndef ODSEXPORT_H
#define ODSEXPORT_H

#include <QList>
#include <QString>

class QAbstractItemModel;
class QTextStream;
class TabellenQuelle;

// Writes an OpenDocument spreadsheet: mimetype, manifest and one table in content.xml.
class OdsExport
{
public:
    static bool schreibe(QAbstractItemModel* model, const QString& fileName,
                         const QList<int>& rows, bool verticalHeader);

private:
    static void content(QTextStream& out, const TabellenQuelle& quelle);
};

#endif
