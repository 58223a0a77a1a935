#ifndef SPALTENTITEL_H
#define SPALTENTITEL_H

#include <QCoreApplication>
#include <QString>

class QAbstractItemModel;

// Readable column titles in the interface language for the lists that show a
// database table. The header keeps each column's own name under
// TabellenQuelle::SpaltenName, so exported files still carry the column names.
class Spaltentitel
{
    Q_DECLARE_TR_FUNCTIONS(Spaltentitel)

public:
    // Gives every column of model its title; harmless when called again.
    static void setze(QAbstractItemModel* model);
    // The title of the column named spalte; an unknown name stays as it is.
    static QString titel(const QString& spalte);
};

#endif
