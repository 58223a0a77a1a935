#ifndef TABELLENEXPORT_H
#define TABELLENEXPORT_H

#include <QList>
#include <QString>

class QAbstractItemModel;
class QWidget;

// Spreadsheet writers for any item model: the horizontal header, then the rows
// (all rows when rows is empty). Each returns true exactly when the whole file
// was written; on failure no file and no partial file is left behind.
bool exportCSV(QAbstractItemModel* model, const QString& fileName, QList<int> rows = {},
               bool verticalHeader = false);
bool exportXLS(QAbstractItemModel* model, const QString& fileName, QList<int> rows = {},
               bool verticalHeader = false);
bool exportODS(QAbstractItemModel* model, const QString& fileName, QList<int> rows = {},
               bool verticalHeader = false);
bool exportXLSX(QAbstractItemModel* model, const QString& fileName, QList<int> rows = {},
                bool verticalHeader = false);

// The export command of the list windows: asks for a file name with caption,
// appends ".xlsx" to a name without a dot, writes by the ending and warns when
// the file could not be written. True when a file was written.
bool exportTabelle(QWidget* parent, const QString& caption, QAbstractItemModel* model);

#endif
