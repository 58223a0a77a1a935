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

// What a settings file would change: the known keys whose value differs, the
// offsets refused (with the reason) and the keys the program does not know.
struct Vergleich {
    QMap<QString, QVariant> neu;
    QStringList abgelehnt, unbekannt;
};

Vergleich vergleiche(const QSettings& ini, const QSettings& settings)
{
    // An offset the numbering would refuse is not taken over.
    const QStringList offsets{Einstellung::name(Einstellung::RechnungOffset1),
                              Einstellung::name(Einstellung::RechnungOffset2)};
    const QString passwortKey = Einstellung::name(Einstellung::DatenbankPasswort);
    Vergleich v;
    const QStringList keys = ini.allKeys();
    for (const QString& key : keys) {
        if (!bekannt(key)) {
            v.unbekannt << key;
            continue;
        }
        const QString grund =
            offsets.contains(key) ? Datenbank::pruefeOffset(key, ini.value(key)) : QString();
        const QVariant alt = settings.value(key), wert = ini.value(key);
        if (!grund.isEmpty())
            v.abgelehnt << grund;
        else if (key != passwortKey && !(alt == wert || (alt.isValid() && alt.toString() == wert.toString())))
            v.neu.insert(key, wert);
    }
    return v;
}

// The stored password belongs to the server it was given for: a file that
// points elsewhere without a password of its own drops it.
struct PasswortWechsel {
    PasswortWechsel(const QSettings& ini, QSettings& settings, const QMap<QString, QVariant>& neuWerte)
        : passwort(Einstellung::text(Einstellung::DatenbankPasswort, ini))
    {
        bool anderesZiel = false;
        for (auto k : {Einstellung::DatenbankTreiber, Einstellung::DatenbankHost, Einstellung::DatenbankPort,
                       Einstellung::DatenbankUser, Einstellung::DatenbankName})
            anderesZiel = anderesZiel || neuWerte.contains(Einstellung::name(k));
        const QString gespeichert = Passwortablage::lies(settings);
        neu = !passwort.isEmpty() && passwort != gespeichert;
        weg = passwort.isEmpty() && anderesZiel && !gespeichert.isEmpty();
    }
    QString passwort;  // the file's
    bool neu = false;  // the file brings another password
    bool weg = false;  // the stored one is dropped
};

// Lists what changes and what is left out; true when the user takes it over.
bool bestaetigt(QWidget* parent, const QString& titel, const QStringList& liste,
                const QStringList& unbekannt)
{
    QString frage = EinstellungsDatei::tr("Diese Einstellungen werden geändert:") + "\n" + liste.join('\n');
    if (!unbekannt.isEmpty())
        frage += "\n\n" + EinstellungsDatei::tr("Unbekannt, nicht übernommen:") + "\n" + unbekannt.join('\n');
    return Interaktion::instance()->question(parent, titel, frage + "\n\n" + EinstellungsDatei::tr("Übernehmen?"),
                                             QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel)
           == QMessageBox::Ok;
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
    const Vergleich v = vergleiche(ini, settings);
    // The database is checked as it would be opened at the next start.
    const auto kuenftig = [&](Einstellung::Schluessel k) {
        return v.neu.value(Einstellung::name(k), Einstellung::wert(k, settings)).toString();
    };
    const QString verboten = Verbindung::pruefe(kuenftig(Einstellung::DatenbankTreiber),
                                                kuenftig(Einstellung::DatenbankName));
    if (!verboten.isEmpty()) {
        Interaktion::instance()->warning(parent, titel,
                                         verboten + '\n' + tr("Es wurde nichts übernommen."));
        return;
    }
    const PasswortWechsel pw(ini, settings, v.neu);
    QStringList liste = v.neu.keys();
    if (pw.neu)
        liste << Einstellung::name(Einstellung::DatenbankPasswort);
    if (pw.weg)
        liste << Einstellung::name(Einstellung::DatenbankPasswort) + ' '
                     + tr("(wird gelöscht und beim nächsten Start erfragt)");
    if (liste.isEmpty()) {
        Interaktion::instance()->information(
            parent, titel,
            (v.abgelehnt.isEmpty() ? QString() : v.abgelehnt.join('\n') + '\n')
                + tr("Die Datei ändert keine Einstellung."));
        return;
    }
    if (!bestaetigt(parent, titel, liste, v.unbekannt))
        return;
    for (auto it = v.neu.cbegin(); it != v.neu.cend(); ++it)
        settings.setValue(it.key(), it.value());
    // A password from the file moves into the secret store where one runs.
    if (pw.neu || pw.weg)
        Passwortablage::speichere(settings, pw.passwort);
    if (!v.abgelehnt.isEmpty())
        Interaktion::instance()->warning(
            parent, titel, v.abgelehnt.join('\n') + '\n' + tr("Dieser Wert wurde nicht übernommen."));
}
