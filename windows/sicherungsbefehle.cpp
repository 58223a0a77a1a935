#include "windows/sicherungsbefehle.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "platform/privateablage.h"
#include "store/datenbank.h"
#include "store/datensicherung.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStandardPaths>

namespace {

QString filter()
{
    return SicherungsBefehle::tr("Datensicherung (*%1);;Alle Dateien (*)")
        .arg(QString::fromLatin1(Datensicherung::Endung));
}

QString zeitText(const QDateTime& t)
{
    return t.toLocalTime().toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

// What a backup holds, one table a line.
QString beschreibe(const Datensicherung::Inhalt& i)
{
    QStringList zeilen;
    for (auto it = i.anzahl.cbegin(); it != i.anzahl.cend(); ++it) {
        if (!it.key().startsWith(QLatin1String("belegwerk_")))
            zeilen << QStringLiteral("  %1: %2").arg(it.key()).arg(it.value());
    }
    return zeilen.join('\n');
}

}  // namespace

void SicherungsBefehle::erstelle(QWidget* parent, const QSqlDatabase& db)
{
    const QString titel = tr("Datensicherung erstellen");
    const QString vorschlag =
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath("belegwerk-" + QDate::currentDate().toString(Qt::ISODate)
                      + QString::fromLatin1(Datensicherung::Endung));
    QString datei = Interaktion::instance()->getSaveFileName(parent, titel, vorschlag, filter());
    if (datei.isEmpty())
        return;
    if (!datei.contains('.'))
        datei += QString::fromLatin1(Datensicherung::Endung);
    Datensicherung::Inhalt inhalt;
    const QString fehler = Datensicherung::sichere(db, datei, &inhalt);
    if (!fehler.isEmpty()) {
        Interaktion::instance()->warning(parent, titel, fehler);
        return;
    }
    Interaktion::instance()->information(
        parent, titel, tr("Die Datensicherung %1 wurde geschrieben. Sie enthält:").arg(datei) + '\n'
                           + beschreibe(inhalt));
}

bool SicherungsBefehle::stelleWiederHer(QWidget* parent, const QSqlDatabase& db)
{
    const QString titel = tr("Datensicherung wiederherstellen");
    const QString ordner = Einstellung::text(Einstellung::SicherungOrdner);
    const QString datei = Interaktion::instance()->getOpenFileName(parent, titel, ordner, filter());
    if (datei.isEmpty())
        return false;
    const Datensicherung::Inhalt inhalt = Datensicherung::pruefe(datei);
    if (!inhalt.fehler.isEmpty()) {
        Interaktion::instance()->warning(
            parent, titel, tr("Die Datei wird nicht wiederhergestellt; nichts wurde geändert.") + '\n'
                               + inhalt.fehler);
        return false;
    }
    const QString vorher =
        QDir(ordner).absoluteFilePath("vor-wiederherstellung-"
                                      + QDateTime::currentDateTime().toString("yyyy-MM-dd-hhmmss")
                                      + QString::fromLatin1(Datensicherung::Endung));
    const auto antwort = Interaktion::instance()->question(
        parent, titel,
        tr("Die Datensicherung vom %1 (Belegwerk %2) enthält:").arg(zeitText(inhalt.erstellt), inhalt.version)
            + '\n' + beschreibe(inhalt) + "\n\n"
            + tr("Alle jetzigen Daten werden durch sie ersetzt. Die jetzigen Daten werden vorher "
                 "in %1 gesichert. Wiederherstellen?").arg(vorher),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Warning);
    if (antwort != QMessageBox::Yes)
        return false;
    if (!PrivateAblage::ordner(ordner)) {
        Interaktion::instance()->warning(parent, titel,
                                         tr("Der Ordner %1 lässt sich nicht anlegen.").arg(ordner));
        return false;
    }
    const QString fehler = Datensicherung::stelleWiederHer(db, datei, vorher);
    if (!fehler.isEmpty()) {
        Interaktion::instance()->warning(parent, titel, fehler);
        return false;
    }
    Interaktion::instance()->information(
        parent, titel, tr("Die Daten wurden wiederhergestellt. Die vorigen Daten liegen in %1.").arg(vorher));
    return true;
}

void SicherungsBefehle::uebertrage(QWidget* parent, const QSqlDatabase& db)
{
    const QString titel = tr("Daten übertragen");
    Interaktion* frage = Interaktion::instance();
    const QString name = QStringLiteral("belegwerk_uebertragung");
    QString fehler;
    QString ziel;
    {
        QSqlDatabase nach;
        bool ok = false;
        if (Datenbank::istPostgres(db)) {
            ziel = frage->getSaveFileName(parent, titel,
                                          QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
                                              .filePath("belegwerk.db"),
                                          tr("SQLite-Datenbank (*.db);;Alle Dateien (*)"));
            if (ziel.isEmpty())
                return;
            PrivateAblage::neueDatei(ziel);
            nach = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            nach.setDatabaseName(ziel);
        } else {
            const QString host = frage->getText(parent, titel, tr("Server der PostgreSQL-Datenbank:"),
                                                QStringLiteral("localhost"), &ok);
            if (!ok)
                return;
            const QString datenbank = frage->getText(parent, titel, tr("Name der Datenbank:"),
                                                     QStringLiteral("belegwerk"), &ok);
            if (!ok)
                return;
            const QString benutzer = frage->getText(parent, titel, tr("Benutzer:"), QString(), &ok);
            if (!ok)
                return;
            const QString passwort = frage->getText(parent, titel, tr("Passwort:"), QString(), &ok);
            if (!ok)
                return;
            const int port = frage->getInt(parent, titel, tr("Port:"), 5432, 1, 65535, 1, &ok);
            if (!ok)
                return;
            ziel = datenbank + '@' + host;
            nach = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
            nach.setHostName(host);
            nach.setDatabaseName(datenbank);
            nach.setUserName(benutzer);
            nach.setPassword(passwort);
            nach.setPort(port);
        }
        if (!nach.open())
            fehler = tr("Die Zieldatenbank lässt sich nicht öffnen: %1").arg(nach.lastError().text());
        else
            fehler = Datensicherung::uebertrage(db, nach);
        nach.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!fehler.isEmpty()) {
        frage->warning(parent, titel, fehler);
        return;
    }
    frage->information(parent, titel,
                       tr("Alle Daten wurden nach %1 übertragen. Um mit ihr zu arbeiten, stellen Sie "
                          "sie in den Einstellungen als Datenbank ein.").arg(ziel));
}
