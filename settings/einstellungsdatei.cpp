#include "settings/einstellungsdatei.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "platform/passwortablage.h"
#include "platform/privateablage.h"
#include "store/datenbank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

QString einstellungsDatei()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .absoluteFilePath("belegwerk.ini");
}

}  // namespace

void EinstellungsDatei::exportiere(QWidget* parent)
{
    QSettings settings;
    const QString titel = tr("Einstellungen exportieren");
    if (!Passwortablage::lies(settings).isEmpty()
        && Interaktion::instance()->question(
               parent, titel,
               tr("Die Datei enthält alle Einstellungen, auch das Passwort der Datenbank im "
                  "Klartext. Sie wird nur für Sie lesbar gespeichert.\n\n"
                  "Einstellungen mit dem Passwort exportieren?"))
               != QMessageBox::Yes)
        return;
    const QString datei = Interaktion::instance()->getSaveFileName(
        parent, titel, einstellungsDatei(), tr("Einstellungen (*.ini)"));
    if (datei.isEmpty())
        return;
    // Private before the first value is written; the ini writer keeps the
    // mode of the file it replaces.
    const bool neu = !QFileInfo::exists(datei);
    PrivateAblage::neueDatei(datei);
    QFile::setPermissions(datei, QFile::ReadOwner | QFile::WriteOwner);
    QSettings ini(datei, QSettings::IniFormat);
    ini.clear();
    const QStringList keys = settings.allKeys();
    for (const QString& key : keys)
        ini.setValue(key, settings.value(key));
    Passwortablage::alsKlartext(ini, settings);
    ini.sync();
    if (ini.status() == QSettings::NoError)
        return;
    if (neu)
        QFile::remove(datei);
    Interaktion::instance()->warning(
        parent, titel,
        tr("Die Datei %1 konnte nicht geschrieben werden.").arg(QDir::toNativeSeparators(datei)));
}

void EinstellungsDatei::importiere(QWidget* parent)
{
    QSettings settings;
    const QString titel = tr("Einstellungen importieren");
    const QString datei = Interaktion::instance()->getOpenFileName(
        parent, titel, einstellungsDatei(), tr("Einstellungen (*.ini)"));
    if (datei.isEmpty())
        return;
    QSettings ini(datei, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError) {
        Interaktion::instance()->warning(
            parent, titel,
            tr("Die Datei %1 konnte nicht gelesen werden.").arg(QDir::toNativeSeparators(datei)));
        return;
    }
    // An offset the numbering would refuse is not taken over.
    const QStringList offsets{Einstellung::name(Einstellung::RechnungOffset1),
        Einstellung::name(Einstellung::RechnungOffset2)};
    QStringList abgelehnt;
    const QStringList keys = ini.allKeys();
    for (const QString& key : keys) {
        const QString grund =
            offsets.contains(key) ? Datenbank::pruefeOffset(key, ini.value(key)) : QString();
        if (grund.isEmpty())
            settings.setValue(key, ini.value(key));
        else
            abgelehnt << grund;
    }
    if (!abgelehnt.isEmpty())
        Interaktion::instance()->warning(
            parent, titel, abgelehnt.join('\n') + '\n' + tr("Dieser Wert wurde nicht übernommen."));
    // A password from the file moves into the secret store where one runs.
    const QString passwort = Einstellung::text(Einstellung::DatenbankPasswort, ini);
    if (!passwort.isEmpty())
        Passwortablage::speichere(settings, passwort);
}

