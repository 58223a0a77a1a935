#include "exchange/tabellenexport.h"

// Placeholder until the writers are built.
bool exportCSV(QAbstractItemModel*, const QString&, QList<int>, bool) { return false; }
bool exportXLS(QAbstractItemModel*, const QString&, QList<int>, bool) { return false; }
bool exportODS(QAbstractItemModel*, const QString&, QList<int>, bool) { return false; }
bool exportXLSX(QAbstractItemModel*, const QString&, QList<int>, bool) { return false; }
bool exportTabelle(QWidget*, const QString&, QAbstractItemModel*) { return false; }
