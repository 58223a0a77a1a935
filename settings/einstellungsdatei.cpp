#include "settings/einstellungsdatei.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "platform/passwortablage.h"
#include "platform/privateablage.h"
#include "store/datenbank.h"
#include "store/verbindung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>

namespace {

// A key of the program's table, or a window's column layout or size; the
// secret-store flag describes this installation only.
bool bekannt(const QString& key)
{
    for (int i = 0; i < Einstellung::Anzahl; ++i)
        if (Einstellung::name(Einstellung::Schluessel(i)) == key)
            return i != Einstellung::DatenbankSchluesselbund;
    static const QRegularExpression fenster(QStringLiteral("^\\w+/(header|size)$"));
    return fenster.match(key).hasMatch();
}

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
    const QString passwortKey = Einstellung::name(Einstellung::DatenbankPasswort);
    QStringList abgelehnt, unbekannt;
    QMap<QString, QVariant> neu;  // the keys whose value the file changes
    const QStringList keys = ini.allKeys();
    for (const QString& key : keys) {
        if (!bekannt(key)) {
            unbekannt << key;
            continue;
        }
        const QString grund =
            offsets.contains(key) ? Datenbank::pruefeOffset(key, ini.value(key)) : QString();
        const QVariant alt = settings.value(key), wert = ini.value(key);
        if (!grund.isEmpty())
            abgelehnt << grund;
        else if (key != passwortKey && !(alt == wert || (alt.isValid() && alt.toString() == wert.toString())))
            neu.insert(key, wert);
    }
    // The database is checked as it would be opened at the next start.
    const auto kuenftig = [&](Einstellung::Schluessel k) {
        return neu.value(Einstellung::name(k), Einstellung::wert(k, settings)).toString();
    };
    const QString verboten = Verbindung::pruefe(kuenftig(Einstellung::DatenbankTreiber),
                                                kuenftig(Einstellung::DatenbankName));
    if (!verboten.isEmpty()) {
        Interaktion::instance()->warning(parent, titel,
                                         verboten + '\n' + tr("Es wurde nichts übernommen."));
        return;
    }
    // The stored password belongs to the server it was given for: a file that
    // points elsewhere without a password of its own drops it.
    const QString passwort = Einstellung::text(Einstellung::DatenbankPasswort, ini);
    bool anderesZiel = false;
    for (auto k : {Einstellung::DatenbankTreiber, Einstellung::DatenbankHost, Einstellung::DatenbankPort,
                   Einstellung::DatenbankUser, Einstellung::DatenbankName})
        anderesZiel = anderesZiel || neu.contains(Einstellung::name(k));
    const QString gespeichert = Passwortablage::lies(settings);
    const bool passwortNeu = !passwort.isEmpty() && passwort != gespeichert;
    const bool passwortWeg = passwort.isEmpty() && anderesZiel && !gespeichert.isEmpty();

    QStringList liste = neu.keys();
    if (passwortNeu)
        liste << passwortKey;
    if (passwortWeg)
        liste << passwortKey + ' ' + tr("(wird gelöscht und beim nächsten Start erfragt)");
    if (liste.isEmpty()) {
        Interaktion::instance()->information(
            parent, titel,
            (abgelehnt.isEmpty() ? QString() : abgelehnt.join('\n') + '\n')
                + tr("Die Datei ändert keine Einstellung."));
        return;
    }
    QString frage = tr("Diese Einstellungen werden geändert:") + "\n" + liste.join('\n');
    if (!unbekannt.isEmpty())
        frage += "\n\n" + tr("Unbekannt, nicht übernommen:") + "\n" + unbekannt.join('\n');
    if (Interaktion::instance()->question(parent, titel, frage + "\n\n" + tr("Übernehmen?"),
                                          QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
        != QMessageBox::Ok)
        return;
    for (auto it = neu.cbegin(); it != neu.cend(); ++it)
        settings.setValue(it.key(), it.value());
    // A password from the file moves into the secret store where one runs.
    if (passwortNeu || passwortWeg)
        Passwortablage::speichere(settings, passwort);
    if (!abgelehnt.isEmpty())
        Interaktion::instance()->warning(
            parent, titel, abgelehnt.join('\n') + '\n' + tr("Dieser Wert wurde nicht übernommen."));
}
