#include "app/programmstart.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "platform/passwortablage.h"
#include "platform/privateablage.h"
#include "app/mainwindow.h"
#include "store/datenbank.h"
#include "store/verbindung.h"
#include "store/datenpruefung.h"
#include "store/datensicherung.h"
#include "store/sicherungsplan.h"
#include "store/sqlauftragsstore.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QScreen>
#include <QStandardPaths>
#include <QTextStream>
#include <QTranslator>

// Qt 6 reads sources, tr() texts and the local 8-bit encoding as UTF-8
// already; there is no codec left to set.

const char* const Programmstart::organisationDomain = "belegwerk.example";

namespace {

// Why openDatabase() refused the configured database, for the user's message.
QString abgelehnt;

}  // namespace

void Programmstart::benenneAnwendung()
{
    QCoreApplication::setApplicationName("Belegwerk-lindtal");
    QCoreApplication::setOrganizationDomain(organisationDomain);
    // The name the desktop shows; the settings stay under the application name.
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Belegwerk"));
    QGuiApplication::setDesktopFileName(QStringLiteral("example.belegwerk.Belegwerk"));
    PrivateAblage::einstellungen();
}

QString Programmstart::sprache(const QStringList& args, const QString& systemLocale)
{
    // German is the source language; any other system language falls back to it.
    QString lang = systemLocale.left(2);
    if (lang != QLatin1String("fr") && lang != QLatin1String("en"))
        lang = QStringLiteral("de");
    const int pos = args.indexOf("-l");
    if (pos > 0 && pos + 1 < args.size())
        lang = args.at(pos + 1);
    return lang;
}

void Programmstart::ladeUebersetzungen(const QString& lang, const QString& appDir,
                                       QTranslator& qt, QTranslator& programm)
{
    const QString qtDir = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    qDebug() << qtDir << lang;
    if (qt.load("qt_" + lang, qtDir) || qt.load("qt_" + lang, appDir))
        QCoreApplication::installTranslator(&qt);
    else
        qWarning() << "unable to load qt_" << lang;

    const QString base = "belegwerk_" + lang;
    // Installed, the catalogues live in share/belegwerk/translations beside bin/.
    if (programm.load(base, appDir)
        || programm.load(base, appDir + "../share/belegwerk/translations"))
        QCoreApplication::installTranslator(&programm);
    else
        qWarning() << "unable to load " << appDir << base;
}

bool Programmstart::openDatabase()
{
    const QString dataDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Customers' addresses and bank details are no other local user's business.
    PrivateAblage::ordner(dataDir);

    QSettings settings;
    const QString treiber = Einstellung::text(Einstellung::DatenbankTreiber, settings);
    const QString name = Einstellung::text(Einstellung::DatenbankName, settings);
    const QString host = Einstellung::text(Einstellung::DatenbankHost, settings);
    const QString user = Einstellung::text(Einstellung::DatenbankUser, settings);
    const QString passwort = Passwortablage::lies(settings);
    const int port = Einstellung::zahl(Einstellung::DatenbankPort, settings);

    abgelehnt = Verbindung::pruefe(treiber, name);
    if (!abgelehnt.isEmpty()) {
        qWarning() << "database refused" << abgelehnt;
        // Registered without a driver, so that every statement fails and nothing
        // lands in a stand-in database.
        QSqlDatabase::addDatabase(QString());
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(treiber);
    Verbindung::richteEin(db, settings);
    db.setDatabaseName(name);
    db.setHostName(host);
    db.setPort(port);
    db.setUserName(user);
    db.setPassword(passwort);
    // SQLite takes an empty file as a new database, so it is created private first.
    if (treiber == QLatin1String("QSQLITE") && name != QLatin1String(":memory:"))
        PrivateAblage::neueDatei(name);
    if (!db.open())
        return false;
    // A damaged file is kept as it is, so that it can be recovered: no table
    // is created in it and every write is refused.
    const QString befund = Datenbank::pruefe(db);
    if (!befund.isEmpty()) {
        qWarning() << Datenbank::Beschaedigt << name << befund;
        Datenbank::sperre(db, befund);
    }
    return true;
}

bool Programmstart::verbindeDatenbank()
{
    if (openDatabase() || fragePasswort()) {
        const QString befund = Datenbank::sperrgrund(QSqlDatabase::database());
        if (befund.isEmpty())
            return true;
        Interaktion::instance()->warning(
            nullptr, QObject::tr("Datenbank"),
            QObject::tr("Die Datenbankdatei ist beschädigt. Sie wird nicht verändert; es kann "
                        "nichts gespeichert werden.") + "\n" + befund);
        return false;
    }
    const QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    const QString zertifikat = Verbindung::zertifikatAbgelehnt(db, db.lastError(), QSettings());
    Interaktion::instance()->warning(
        nullptr, QObject::tr("Datenbank"),
        QObject::tr("Die Datenbank konnte nicht geöffnet werden:") + "\n"
            + (abgelehnt.isEmpty() ? db.lastError().text() : abgelehnt)
            + (zertifikat.isEmpty() ? QString() : "\n" + zertifikat));
    return false;
}

bool Programmstart::fragePasswort()
{
    // A server that wants a password none is stored for (an import that
    // changed the server dropped it): asked once, and kept when it works.
    QSqlDatabase db = QSqlDatabase::database(QSqlDatabase::defaultConnection, false);
    if (!abgelehnt.isEmpty() || !Datenbank::istPostgres(db) || !db.password().isEmpty()
        || !db.lastError().text().contains(QLatin1String("password")))
        return false;
    bool ok = false;
    const QString passwort = Interaktion::instance()->getPassword(
        nullptr, QObject::tr("Datenbank"),
        QObject::tr("Passwort für %1 auf %2:").arg(db.userName(), db.hostName()), &ok);
    if (!ok || passwort.isEmpty())
        return false;
    db.setPassword(passwort);
    if (!db.open())
        return false;
    QSettings settings;
    Passwortablage::speichere(settings, passwort);
    return true;
}

void Programmstart::sichereTaeglich(const QDateTime& jetzt)
{
    const QString fehler = Sicherungsplan::taeglich(QSqlDatabase::database(), jetzt);
    if (!fehler.isEmpty())
        Interaktion::instance()->warning(
            nullptr, QObject::tr("Datensicherung"),
            QObject::tr("Die automatische Datensicherung ist misslungen:") + "\n" + fehler);
}

bool Programmstart::ohneFenster(const QStringList& args)
{
    return args.contains("--backup") || args.contains("--check");
}

int Programmstart::kommandozeile(const QStringList& args, QTextStream& aus)
{
    const auto text = [](const char* t) { return QCoreApplication::translate("Programmstart", t); };
    benenneAnwendung();
    const int sicherung = args.indexOf("--backup");
    if (sicherung > 0 && (sicherung + 1 >= args.size() || args.at(sicherung + 1).startsWith("--"))) {
        aus << text("Aufruf: belegwerk --backup DATEI | --check") << Qt::endl;
        return 2;
    }
    if (!openDatabase()) {
        aus << text("Die Datenbank konnte nicht geöffnet werden:") << ' '
            << QSqlDatabase::database(QSqlDatabase::defaultConnection, false).lastError().text()
            << Qt::endl;
        return 2;
    }
    const QSqlDatabase db = QSqlDatabase::database();
    int ergebnis = 0;
    if (sicherung > 0) {
        const QString datei = args.at(sicherung + 1);
        Datensicherung::Inhalt inhalt;
        const QString fehler = Datensicherung::sichere(db, datei, &inhalt);
        if (!fehler.isEmpty()) {
            aus << fehler << Qt::endl;
            ergebnis = 1;
        } else {
            aus << text("Datensicherung geschrieben:") << ' ' << datei << Qt::endl;
            for (auto it = inhalt.anzahl.cbegin(); it != inhalt.anzahl.cend(); ++it)
                aus << "  " << it.key() << ": " << it.value() << Qt::endl;
            aus << "  SHA-256: " << inhalt.sha256 << Qt::endl;
        }
    }
    if (args.contains("--check")) {
        const Datenpruefung::Befund befund = Datenpruefung::pruefe(db);
        for (const QString& g : befund.geprueft)
            aus << text("Geprüft:") << ' ' << g << Qt::endl;
        for (const QString& f : befund.fehler)
            aus << text("FEHLER:") << ' ' << f << Qt::endl;
        if (befund.fehler.isEmpty())
            aus << text("Keine Fehler gefunden.") << Qt::endl;
        else
            ergebnis = 1;
    }
    return ergebnis;
}

void Programmstart::frageAuftraegeLoeschen(const QStringList& args)
{
    if (!args.contains("--clearAuftrag"))
        return;
    QApplication::setWindowIcon(QIcon(":/printer_clear_icon.png"));
    const auto antwort = Interaktion::instance()->question(
        nullptr, QObject::tr("Alle Aufträge löschen"),
        QObject::tr("Wollen sie wirklich unwiderruflich alle Aufträge löschen?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No, QMessageBox::Warning);
    if (antwort != QMessageBox::Yes || !Datenbank::sperrgrund(QSqlDatabase::database()).isEmpty())
        return;
    // The store keeps issued documents and says so; a journal without tables yet is emptied all the same.
    SqlAuftragsStore store(nullptr);
    store.createTables();
    if (!store.deleteAll() && !store.letzterFehler().text.isEmpty())
        Interaktion::instance()->warning(nullptr, QObject::tr("Alle Aufträge löschen"),
                                         store.letzterFehler().text);
}

void Programmstart::passeAnBildschirm(QWidget& fenster)
{
    const QScreen* bildschirm = QGuiApplication::primaryScreen();
    if (!bildschirm)
        return;
    const QRect frei = bildschirm->availableGeometry();
    QRect rahmen(QPoint(), frei.size() * 0.8);
    rahmen.moveCenter(frei.center());
    fenster.setGeometry(rahmen);
}

int Programmstart::run(QApplication& app)
{
    benenneAnwendung();
    const QStringList args = QCoreApplication::arguments();
    const QString lang = sprache(args, QLocale::system().name());
    const QString appDir = QCoreApplication::applicationDirPath() + QDir::separator();

    QSettings settings;
    QTranslator qtTranslator;
    QTranslator programmTranslator;
    ladeUebersetzungen(lang, appDir, qtTranslator, programmTranslator);

    QApplication::setWindowIcon(QIcon(":/logo.png"));
    if (verbindeDatenbank())
        sichereTaeglich(QDateTime::currentDateTime());
    frageAuftraegeLoeschen(args);

    MainWindow w;
    const QByteArray geometrie = Einstellung::daten(Einstellung::MainWindowGeometry, settings);
    if (geometrie.isEmpty())
        passeAnBildschirm(w);
    w.show();
    w.restoreGeometry(geometrie);
    w.restoreState(Einstellung::daten(Einstellung::MainWindowState, settings), 0);
    return app.exec();
}
