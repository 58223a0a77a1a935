#ifndef SICHERUNGSPLAN_H
#define SICHERUNGSPLAN_H

#include <QCoreApplication>
#include <QDate>
#include <QStringList>

class QDateTime;
class QSqlDatabase;

// The automatic daily backup: at the first start of a day one backup into the
// folder of the settings, keeping the newest 7 daily, 4 weekly and 12 monthly.
class Sicherungsplan
{
    Q_DECLARE_TR_FUNCTIONS(Sicherungsplan)

public:
    // The file name of the automatic backup of a day.
    static QString dateiname(const QDate& tag);
    // Of the automatic backups named in dateien, those to keep: the newest 7
    // days, the newest of each of the newest 4 weeks and 12 months.
    static QStringList behalten(const QStringList& dateien);
    // Backs db up when the folder holds no backup of jetzt's day yet, removes
    // the backups the rotation drops, and records success or failure in the
    // settings. Empty when nothing failed, else the reason.
    static QString taeglich(const QSqlDatabase& db, const QDateTime& jetzt);

private:
    static QDate tagVon(const QString& datei);  // invalid for any other file
};

#endif
