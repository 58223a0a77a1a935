#ifndef SICHERUNGSBEFEHLE_H
#define SICHERUNGSBEFEHLE_H

#include <QCoreApplication>

class QSqlDatabase;
class QWidget;

// The user's commands around the backup: write one, restore one, and move all
// data into an empty database of the other kind. Every question goes through
// the interaction, so that each command can be answered by a script.
class SicherungsBefehle
{
    Q_DECLARE_TR_FUNCTIONS(SicherungsBefehle)

public:
    static void erstelle(QWidget* parent, const QSqlDatabase& db);
    // True when the data was replaced, so the lists must be read again.
    static bool stelleWiederHer(QWidget* parent, const QSqlDatabase& db);
    static void uebertrage(QWidget* parent, const QSqlDatabase& db);
};

#endif
