#include "tests/support/testumgebung.h"

#include "app/programmstart.h"

#include <QDir>
#include <QSettings>
#include <QSqlDatabase>
#include <QStandardPaths>

Testumgebung::Testumgebung()
{
    Q_ASSERT(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    // Test mode keeps the standard folders under the home folder, so move that too.
    qputenv("HOME", m_dir.path().toUtf8());
    qputenv("XDG_DATA_HOME", pfad("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", pfad("config").toUtf8());
    qputenv("XDG_CACHE_HOME", pfad("cache").toUtf8());
    qputenv("TMPDIR", m_dir.path().toUtf8());
    // No test reaches the desktop's secret store.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, pfad("settings"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, pfad("settings"));
    Programmstart::benenneAnwendung();
    leereEinstellungen();
}

Testumgebung::~Testumgebung()
{
    schliesseDatenbank();
}

QString Testumgebung::pfad(const QString& name) const
{
    return QDir(m_dir.path()).absoluteFilePath(name);
}

QString Testumgebung::neueDatenbank()
{
    schliesseDatenbank();
    const QString datei = pfad(QString("test%1.db").arg(++m_datenbanken));
    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE");
    db.setDatabaseName(datei);
    db.open();
    return datei;
}

void Testumgebung::schliesseDatenbank()
{
    {
        QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
        if (db.isOpen())
            db.close();
    }
    if (QSqlDatabase::contains(QSqlDatabase::defaultConnection))
        QSqlDatabase::removeDatabase(QSqlDatabase::defaultConnection);
}

void Testumgebung::leereEinstellungen()
{
    QSettings settings;
    settings.clear();
    settings.sync();
}
