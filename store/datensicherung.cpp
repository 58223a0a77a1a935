#include "store/datensicherung.h"

#include "platform/einstellung.h"
#include "platform/pruefsumme.h"
#include "store/datenbank.h"

#include <QAtomicInt>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryFile>
#include <QVariant>
#include <QtEndian>

#include <sqlite3.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

#ifndef BELEGWERK_VERSION
#define BELEGWERK_VERSION "0"
#endif

const char* const Datensicherung::Endung = ".belegwerk-sicherung";

namespace {

// The backup's own tables; every other table is data of the program.
const QString ManifestTabelle = QStringLiteral("belegwerk_manifest");
const QString EinstellungsTabelle = QStringLiteral("belegwerk_einstellungen");
// Format 1 hashed the rows; format 2 hashes the file's bytes.
const QString FormatZeilen = QStringLiteral("1");
const QString Format = QStringLiteral("2");
const int HashLaenge = 64;  // hex digits of a SHA-256
const QString Programm = QStringLiteral("Belegwerk");
const QString Speicher = QStringLiteral(":memory:");

// A connection of its own, closed and removed with the object.
struct Verbindung
{
    QString name;
    QSqlDatabase db;

    Verbindung()
    {
        static QAtomicInt zaehler;
        name = QStringLiteral("belegwerk_sicherung_%1").arg(zaehler.fetchAndAddRelaxed(1));
    }
    // Another connection to the database of vorlage.
    explicit Verbindung(const QSqlDatabase& vorlage) : Verbindung()
    {
        db = QSqlDatabase::cloneDatabase(vorlage, name);
        if (Datenbank::istSqlite(vorlage) || vorlage.driverName() == QLatin1String("QSQLITE"))
            db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    }
    // An SQLite file, or with Speicher a database in memory.
    Verbindung(const QString& datei, bool nurLesen) : Verbindung()
    {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(datei);
        db.setConnectOptions(nurLesen ? QStringLiteral("QSQLITE_OPEN_READONLY")
                                      : QStringLiteral("QSQLITE_BUSY_TIMEOUT=30000"));
    }
    ~Verbindung()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
    Verbindung(const Verbindung&) = delete;
    Verbindung& operator=(const Verbindung&) = delete;
};

QString name(const QSqlDatabase& db, const QString& n, QSqlDriver::IdentifierType art)
{
    return db.driver()->escapeIdentifier(n, art);
}

QString namensliste(const QSqlDatabase& db, const QStringList& namen, const QString& vor = {})
{
    QStringList l;
    for (const QString& n : namen)
        l << vor + name(db, n, QSqlDriver::FieldName);
    return l.join(',');
}

QString fehlerText(const QSqlQuery& q)
{
    return q.lastError().text();
}

struct Spalte
{
    QString name;
    QString typ;  // declared as the program's statements declare it (SQLite words)
    bool schluessel = false;
};

// The columns of a table, in their order, with types in the words of the
// program's create statements, so that Datenbank::sql maps them again.
QList<Spalte> spalten(const QSqlDatabase& db, const QString& tabelle, const QString& schema = {})
{
    QList<Spalte> liste;
    QSqlQuery q(db);
    if (Datenbank::istSqlite(db)) {
        // Without a schema SQLite would look in attached databases too.
        const QString vor = (schema.isEmpty() ? QStringLiteral("main") : schema) + '.';
        q.exec(QStringLiteral("PRAGMA %1table_info(%2)")
                   .arg(vor, name(db, tabelle, QSqlDriver::TableName)));
        while (q.next())
            liste.append({q.value(1).toString(), q.value(2).toString(), q.value(5).toInt() > 0});
        return liste;
    }
    const QSqlIndex schluessel = db.primaryIndex(tabelle);
    q.prepare(QStringLiteral("select column_name, data_type from information_schema.columns "
                             "where table_schema=current_schema() and table_name=:t "
                             "order by ordinal_position"));
    q.bindValue(QStringLiteral(":t"), tabelle);
    q.exec();
    while (q.next()) {
        const QString typ = q.value(1).toString();
        QString wort = QStringLiteral("text");
        if (typ == QLatin1String("integer") || typ == QLatin1String("bigint")
            || typ == QLatin1String("smallint") || typ == QLatin1String("boolean"))
            wort = QStringLiteral("int");
        else if (typ == QLatin1String("double precision") || typ == QLatin1String("real")
                 || typ == QLatin1String("numeric"))
            wort = QStringLiteral("double");
        else if (typ.startsWith(QLatin1String("timestamp")))
            wort = QStringLiteral("DateTime");
        else if (typ == QLatin1String("date"))
            wort = QStringLiteral("Date");
        else if (typ == QLatin1String("bytea"))
            wort = QStringLiteral("blob");
        const QString n = q.value(0).toString();
        liste.append({n, wort, schluessel.contains(n)});
    }
    return liste;
}

QStringList spaltenNamen(const QList<Spalte>& liste)
{
    QStringList n;
    for (const Spalte& s : liste)
        n << s.name;
    return n;
}

// The column's declaration in the target's dialect.
QString deklaration(const QSqlDatabase& ziel, const Spalte& s, bool einzigerSchluessel)
{
    const bool ganzzahl = s.typ.contains(QLatin1String("int"), Qt::CaseInsensitive);
    QString d = name(ziel, s.name, QSqlDriver::FieldName) + ' ';
    if (s.schluessel && einzigerSchluessel)
        d += ganzzahl ? QStringLiteral("integer primary key") : s.typ + QStringLiteral(" primary key");
    else
        d += s.typ.isEmpty() ? QStringLiteral("text") : s.typ;
    if (!Datenbank::istPostgres(ziel))
        return d;
    static const QRegularExpression blob(QStringLiteral("\\bblob\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    return Datenbank::sql(ziel, d).replace(blob, QStringLiteral("bytea"));
}

// Creates the table in ziel where it is missing and adds the columns it lacks.
bool legeAn(QSqlDatabase& ziel, const QString& tabelle, const QList<Spalte>& quelle,
            QString& fehler)
{
    const QList<Spalte> da = spalten(ziel, tabelle);
    int schluessel = 0;
    for (const Spalte& s : quelle)
        schluessel += s.schluessel;
    QSqlQuery q(ziel);
    if (da.isEmpty()) {
        QStringList d;
        for (const Spalte& s : quelle)
            d << deklaration(ziel, s, schluessel == 1);
        if (!q.exec(QStringLiteral("create table %1 (%2)")
                        .arg(name(ziel, tabelle, QSqlDriver::TableName), d.join(',')))) {
            fehler = tabelle + ": " + fehlerText(q);
            return false;
        }
        return true;
    }
    const QStringList vorhanden = spaltenNamen(da);
    for (const Spalte& s : quelle) {
        if (vorhanden.contains(s.name))
            continue;
        Spalte neu = s;
        neu.schluessel = false;
        if (!q.exec(QStringLiteral("alter table %1 add column %2")
                        .arg(name(ziel, tabelle, QSqlDriver::TableName), deklaration(ziel, neu, false)))) {
            fehler = tabelle + ": " + fehlerText(q);
            return false;
        }
    }
    return true;
}

// A value as the target stores it: date-times on SQLite as the stores write them.
QVariant wertFuer(const QVariant& v, bool sqliteZiel)
{
    if (!sqliteZiel || v.isNull())
        return v;
    switch (v.metaType().id()) {
    case QMetaType::QDateTime:
        return v.toDateTime().toString(Qt::ISODate);
    case QMetaType::QDate:
        return v.toDate().toString(Qt::ISODate);
    case QMetaType::QTime:
        return v.toTime().toString(Qt::ISODate);
    default:
        return v;
    }
}

// Copies every row of the columns namen from von into nach.
bool kopiereZeilen(const QSqlDatabase& von, QSqlDatabase& nach, const QString& tabelle,
                   const QStringList& namen, QString& fehler)
{
    QSqlQuery lies(von);
    lies.setForwardOnly(true);
    if (!lies.exec(QStringLiteral("select %1 from %2")
                       .arg(namensliste(von, namen), name(von, tabelle, QSqlDriver::TableName)))) {
        fehler = tabelle + ": " + fehlerText(lies);
        return false;
    }
    QSqlQuery schreib(nach);
    QStringList platz;
    for (qsizetype i = 0; i < namen.size(); ++i)
        platz << QStringLiteral("?");
    if (!schreib.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                             .arg(name(nach, tabelle, QSqlDriver::TableName),
                                  namensliste(nach, namen), platz.join(',')))) {
        fehler = tabelle + ": " + fehlerText(schreib);
        return false;
    }
    const bool sqlite = Datenbank::istSqlite(nach);
    const int n = int(namen.size());
    while (lies.next()) {
        for (int i = 0; i < n; ++i)
            schreib.bindValue(i, wertFuer(lies.value(i), sqlite));
        if (!schreib.exec()) {
            fehler = tabelle + ": " + fehlerText(schreib);
            return false;
        }
    }
    // A file that ends early stops the reading with an error, not silently.
    if (lies.lastError().isValid()) {
        fehler = tabelle + ": " + fehlerText(lies);
        return false;
    }
    return true;
}

// PostgreSQL: the sequences of the key columns continue after the highest number.
bool setzeFolgen(QSqlDatabase& ziel, const QString& tabelle, const QList<Spalte>& liste,
                 QString& fehler)
{
    if (!Datenbank::istPostgres(ziel))
        return true;
    for (const Spalte& s : liste) {
        if (!s.schluessel || !s.typ.contains(QLatin1String("int"), Qt::CaseInsensitive))
            continue;
        QSqlQuery q(ziel);
        q.prepare(QStringLiteral("select setval(pg_get_serial_sequence(:t, :s), "
                                 "coalesce((select max(%1) from %2), 0) + 1, false)")
                      .arg(name(ziel, s.name, QSqlDriver::FieldName),
                           name(ziel, tabelle, QSqlDriver::TableName)));
        q.bindValue(QStringLiteral(":t"), name(ziel, tabelle, QSqlDriver::TableName));
        q.bindValue(QStringLiteral(":s"), s.name);
        if (!q.exec()) {
            fehler = tabelle + ": " + fehlerText(q);
            return false;
        }
    }
    return true;
}

// Empties the tables before they are filled again.
bool leere(QSqlDatabase& ziel, const QStringList& tabellen, QString& fehler)
{
    QSqlQuery q(ziel);
    for (const QString& t : tabellen) {
        if (!q.exec(QStringLiteral("delete from %1").arg(name(ziel, t, QSqlDriver::TableName)))) {
            fehler = t + ": " + fehlerText(q);
            return false;
        }
    }
    return true;
}

// A table of another connection, created where missing, its rows copied and
// its key sequences set after them.
bool kopiereTabelle(const QSqlDatabase& von, QSqlDatabase& nach, const QString& tabelle, QString& fehler)
{
    const QList<Spalte> liste = spalten(von, tabelle);
    return legeAn(nach, tabelle, liste, fehler)
           && kopiereZeilen(von, nach, tabelle, spaltenNamen(liste), fehler)
           && setzeFolgen(nach, tabelle, liste, fehler);
}

// Triggers guard issued documents against change and deletion. Replacing all
// data lifts them inside its own write transaction and puts them back before
// the commit: DDL is transactional on SQLite and PostgreSQL, so a failure
// rolls back to the guarded database, and no other connection ever sees it
// unguarded.
class Schutz
{
public:
    bool hebeAuf(QSqlDatabase& db, QString& fehler)
    {
        QSqlQuery q(db);
        QStringList weg;
        if (Datenbank::istSqlite(db)) {
            // In main: an attached backup has triggers of its own.
            if (!q.exec(QStringLiteral("select name, sql from main.sqlite_master "
                                       "where type='trigger' and sql is not null")))
                return gescheitert(q, fehler);
            static const QRegularExpression kopf(QStringLiteral("^\\s*create\\s+trigger\\s+"),
                                                 QRegularExpression::CaseInsensitiveOption);
            while (q.next()) {
                const QString n = name(db, q.value(0).toString(), QSqlDriver::TableName);
                weg << QStringLiteral("drop trigger main.") + n;
                m_zurueck << q.value(1).toString().replace(kopf, QStringLiteral("create trigger main."));
            }
        } else {
            if (!q.exec(QStringLiteral("select c.relname, t.tgname from pg_trigger t join pg_class c "
                                       "on c.oid=t.tgrelid where not t.tgisinternal and t.tgenabled='O' "
                                       "and c.relnamespace=(select oid from pg_namespace "
                                       "where nspname=current_schema())")))
                return gescheitert(q, fehler);
            while (q.next()) {
                const QString t = name(db, q.value(0).toString(), QSqlDriver::TableName);
                const QString n = name(db, q.value(1).toString(), QSqlDriver::TableName);
                weg << QStringLiteral("alter table %1 disable trigger %2").arg(t, n);
                m_zurueck << QStringLiteral("alter table %1 enable trigger %2").arg(t, n);
            }
        }
        for (const QString& a : weg)
            if (!q.exec(a))
                return gescheitert(q, fehler);
        return true;
    }
    bool stelleHer(QSqlDatabase& db, QString& fehler)
    {
        QSqlQuery q(db);
        for (const QString& a : m_zurueck)
            if (!q.exec(a))
                return gescheitert(q, fehler);
        return true;
    }

private:
    static bool gescheitert(const QSqlQuery& q, QString& fehler)
    {
        fehler = fehlerText(q);
        return false;
    }
    QStringList m_zurueck;
};

// The SQLite handle of a connection; null for other drivers.
sqlite3* griff(const QSqlDatabase& db)
{
    const QVariant g = db.driver()->handle();
    return qstrcmp(g.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3* const*>(g.constData()) : nullptr;
}

// One field of the rows' hash of format 1: type, length in four bytes, the bytes.
void feld(QByteArray& zeile, char art, const char* daten, int laenge)
{
    const char kopf[5] = {art, char(laenge >> 24), char(laenge >> 16), char(laenge >> 8), char(laenge)};
    zeile.append(kopf, 5);
    zeile.append(daten, laenge);
}

// The value in column i of the statement's current row as a field.
void wertFeld(QByteArray& zeile, sqlite3_stmt* stmt, int i)
{
    switch (sqlite3_column_type(stmt, i)) {
    case SQLITE_NULL:
        feld(zeile, 'n', nullptr, 0);
        break;
    case SQLITE_BLOB:
        feld(zeile, 'b', static_cast<const char*>(sqlite3_column_blob(stmt, i)), sqlite3_column_bytes(stmt, i));
        break;
    case SQLITE_INTEGER: {
        const qint64 z = qToBigEndian(qint64(sqlite3_column_int64(stmt, i)));
        feld(zeile, 'i', reinterpret_cast<const char*>(&z), 8);
        break;
    }
    case SQLITE_FLOAT: {
        const double d = sqlite3_column_double(stmt, i);
        quint64 bits = 0;
        std::memcpy(&bits, &d, 8);
        bits = qToBigEndian(bits);
        feld(zeile, 'f', reinterpret_cast<const char*>(&bits), 8);
        break;
    }
    default:
        feld(zeile, 's', reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
             sqlite3_column_bytes(stmt, i));
    }
}

// Adds the table's name, its columns' names and its rows in the order of their
// rowid to h; n counts the rows. Empty when read completely. Read through
// SQLite's own interface: a QVariant for every value made it twenty times slower.
QString hasheTabelle(sqlite3* handle, const QString& tabelle, Pruefsumme& h, qint64& n)
{
    const QByteArray sql = QStringLiteral("select * from \"%1\" order by rowid")
                              .arg(QString(tabelle).replace('"', QStringLiteral("\"\"")))
                              .toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(stmt);
        return tabelle + ": " + QString::fromUtf8(sqlite3_errmsg(handle));
    }
    const int spalten = sqlite3_column_count(stmt);
    QByteArray zeile;
    feld(zeile, 't', tabelle.toUtf8().constData(), int(tabelle.toUtf8().size()));
    for (int i = 0; i < spalten; ++i)
        feld(zeile, 'c', sqlite3_column_name(stmt, i), int(qstrlen(sqlite3_column_name(stmt, i))));
    n = 0;
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (zeile.size() > 65536) {  // hashed in large pieces
            h.addData(zeile);
            zeile.clear();
        }
        for (int i = 0; i < spalten; ++i)
            wertFeld(zeile, stmt, i);
        ++n;
    }
    h.addData(zeile);
    const QString fehler = rc == SQLITE_DONE ? QString() : tabelle + ": " + QString::fromUtf8(sqlite3_errmsg(handle));
    sqlite3_finalize(stmt);
    return fehler;
}

// Format 1: rows of every table and the SHA-256 over names and values. Empty when read completely.
QString hashe(const QSqlDatabase& db, const QStringList& tabellen, QMap<QString, qint64>& anzahl,
              QString& sha256)
{
    sqlite3* handle = griff(db);
    Pruefsumme h;
    for (const QString& t : tabellen) {
        qint64 n = 0;
        const QString fehler = hasheTabelle(handle, t, h, n);
        if (!fehler.isEmpty())
            return fehler;
        anzahl.insert(t, n);
    }
    sha256 = QString::fromLatin1(h.hex());
    return QString();
}

// SHA-256 over bytes, the place of the hash itself counted as zeros.
QByteArray dateiHash(QByteArrayView bytes, qsizetype stelle)
{
    Pruefsumme h;
    h.addData(bytes.first(stelle));
    h.addData(QByteArray(HashLaenge, '0'));
    h.addData(bytes.sliced(stelle + HashLaenge));
    return h.hex();
}

// The one place of text in bytes; -1 where it is missing or there twice.
qsizetype einmal(QByteArrayView bytes, QByteArrayView text)
{
    const auto* anfang = static_cast<const char*>(
        ::memmem(bytes.data(), size_t(bytes.size()), text.data(), size_t(text.size())));
    if (!anfang)
        return -1;
    const qsizetype stelle = anfang - bytes.data();
    const qsizetype weiter = stelle + 1;
    return ::memmem(bytes.data() + weiter, size_t(bytes.size() - weiter), text.data(), size_t(text.size()))
               ? -1
               : stelle;
}

// Random, so that it stands in the file exactly once.
QByteArray platzhalter()
{
    QByteArray p;
    for (int i = 0; i < HashLaenge / 8; ++i)
        p += QByteArray::number(QRandomGenerator::global()->generate() | 0x10000000u, 16);
    return p;
}

// A file written beside its target under a name of its own and moved into
// place when complete and on the disk: no half-written file ever carries the name.
class Teildatei
{
public:
    explicit Teildatei(const QString& ziel)
        : m_ziel(QFileInfo(ziel).absoluteFilePath()),
          m_datei(QFileInfo(m_ziel).absoluteDir().filePath(QStringLiteral(".belegwerk-XXXXXX.teil")))
    {
        if (!m_datei.open())
            m_fehler = m_datei.errorString();
    }
    const QString& fehler() const { return m_fehler; }
    // Writes bytes at stelle; the disk starts writing them at once.
    bool schreibe(QByteArrayView bytes, qint64 stelle = 0)
    {
        if (m_fehler.isEmpty()
            && (!m_datei.seek(stelle) || m_datei.write(bytes.data(), bytes.size()) != bytes.size()
                || !m_datei.flush()))
            m_fehler = m_datei.errorString();
#ifdef __linux__
        sync_file_range(m_datei.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
        return m_fehler.isEmpty();
    }
    // Flushes the file to the disk and renames it to the target, replacing an older file in one step.
    QString setzeEin()
    {
        if (m_fehler.isEmpty() && ::fdatasync(m_datei.handle()) != 0)
            m_fehler = QString::fromLocal8Bit(strerror(errno));
        if (m_fehler.isEmpty()
            && std::rename(QFile::encodeName(m_datei.fileName()).constData(), QFile::encodeName(m_ziel).constData())
                   != 0)
            m_fehler = QString::fromLocal8Bit(strerror(errno));
        if (!m_fehler.isEmpty())
            return m_fehler;
        m_datei.setAutoRemove(false);
        synchronisiereOrdner(m_ziel);
        return QString();
    }
    // The new name's entry in its folder reaches the disk too.
    static void synchronisiereOrdner(const QString& datei)
    {
        const int ordner = ::open(QFile::encodeName(QFileInfo(datei).absolutePath()).constData(), O_RDONLY);
        if (ordner >= 0) {
            ::fsync(ordner);
            ::close(ordner);
        }
    }

private:
    QString m_ziel;
    QTemporaryFile m_datei;
    QString m_fehler;
};

// How often the file is held open, by this and every other process whose
// open files this one may see; -1 where that cannot be found out.
int offeneHandles(const QString& datei)
{
#ifdef __linux__
    const QByteArray gesucht = QFile::encodeName(QFileInfo(datei).canonicalFilePath());
    DIR* prozesse = ::opendir("/proc");
    if (!prozesse || gesucht.isEmpty())
        return -1;
    int offen = 0;
    char ziel[4096];
    while (dirent* p = ::readdir(prozesse)) {
        if (p->d_name[0] < '0' || p->d_name[0] > '9')
            continue;
        const QByteArray ordner = QByteArray("/proc/") + p->d_name + "/fd/";
        DIR* dateien = ::opendir(ordner.constData());
        while (dirent* f = dateien ? ::readdir(dateien) : nullptr) {
            const ssize_t n = ::readlink((ordner + f->d_name).constData(), ziel, sizeof ziel);
            offen += n == gesucht.size() && std::memcmp(ziel, gesucht.constData(), size_t(n)) == 0;
        }
        if (dateien)
            ::closedir(dateien);
    }
    ::closedir(prozesse);
    return offen;
#else
    Q_UNUSED(datei);
    return -1;
#endif
}

// SQLite's file of the connection's main database, for reading and writing
// through SQLite's own handle: a second handle of this process on the file,
// when closed, would drop every lock SQLite holds on it.
sqlite3_file* dateiVon(sqlite3* handle)
{
    sqlite3_file* datei = nullptr;
    if (sqlite3_file_control(handle, "main", SQLITE_FCNTL_FILE_POINTER, &datei) != SQLITE_OK || !datei
        || !datei->pMethods)
        return nullptr;
    return datei;
}

bool liesDatei(sqlite3_file* datei, char* ziel, qint64 laenge)
{
    const qint64 stueck = 8 << 20;
    for (qint64 ab = 0; ab < laenge; ab += stueck) {
        if (datei->pMethods->xRead(datei, ziel + ab, int(qMin(stueck, laenge - ab)), ab) != SQLITE_OK)
            return false;
    }
    return true;
}

// The bytes of SQLite's file of a connection: SQLite's own mapping of the
// file where it can map it (nothing copied), else the bytes read into memory.
// Empty where they cannot be read.
class Dateiinhalt
{
public:
    Dateiinhalt(sqlite3_file* datei, qint64 laenge) : m_datei(datei)
    {
        if (laenge <= 0)
            return;
        void* p = nullptr;
        m_abgebildet = laenge <= INT_MAX && datei->pMethods->iVersion >= 3
                       && datei->pMethods->xFetch(datei, 0, int(laenge), &p) == SQLITE_OK && p;
        if (!m_abgebildet) {
            m_kopie.resize(laenge);
            p = liesDatei(datei, m_kopie.data(), laenge) ? m_kopie.data() : nullptr;
        }
        if (p)
            m_bytes = QByteArrayView(static_cast<const char*>(p), laenge);
    }
    ~Dateiinhalt()
    {
        if (m_abgebildet)
            m_datei->pMethods->xUnfetch(m_datei, 0, const_cast<char*>(m_bytes.data()));
    }
    Dateiinhalt(const Dateiinhalt&) = delete;
    Dateiinhalt& operator=(const Dateiinhalt&) = delete;
    QByteArrayView bytes() const { return m_bytes; }
    // Overwrites the file's bytes at stelle through SQLite's handle and puts them on the disk.
    bool schreibe(QByteArrayView neu, qint64 stelle)
    {
        if (m_datei->pMethods->xWrite(m_datei, neu.data(), int(neu.size()), stelle) != SQLITE_OK
            || m_datei->pMethods->xSync(m_datei, SQLITE_SYNC_NORMAL) != SQLITE_OK)
            return false;
        // A mapping shows the file as it is now; a copy is brought up to date.
        if (!m_abgebildet)
            std::memcpy(m_kopie.data() + stelle, neu.data(), size_t(neu.size()));
        return true;
    }

private:
    sqlite3_file* m_datei;
    QByteArray m_kopie;
    QByteArrayView m_bytes;
    bool m_abgebildet = false;
};

// In a read transaction: SQLite's shared lock keeps every writer out of the
// file in rollback-journal mode, and taking it rolls back the hot journal of
// a writer that crashed, so the file holds one consistent database. The size
// of that database; -1 where the file does not hold all of it (WAL mode:
// committed pages may still lie in the log) or the transaction failed.
qint64 sperreZumLesen(QSqlQuery& q)
{
    if (!q.exec(QStringLiteral("begin")) || !q.exec(QStringLiteral("select count(*) from main.sqlite_master"))
        || !q.next() || !q.exec(QStringLiteral("PRAGMA main.journal_mode")) || !q.next()
        || q.value(0).toString() == QLatin1String("wal"))
        return -1;
    qint64 laenge = 1;
    for (const char* pragma : {"PRAGMA main.page_count", "PRAGMA main.page_size"})
        laenge *= q.exec(QLatin1String(pragma)) && q.next() ? q.value(0).toLongLong() : -1;
    q.finish();
    return laenge;
}

// Every page of von's database into nach's, in one read transaction of von
// (consistent while others write) and one write transaction of nach.
QString kopiereSeiten(sqlite3* von, sqlite3* nach)
{
    sqlite3_backup* b = sqlite3_backup_init(nach, "main", von, "main");
    if (!b)
        return QString::fromUtf8(sqlite3_errmsg(nach));
    int rc = SQLITE_OK;
    // Busy: a writer of another program holds the file; its transaction is short.
    for (int versuch = 0; versuch < 1500; ++versuch) {
        rc = sqlite3_backup_step(b, -1);
        if (rc != SQLITE_BUSY && rc != SQLITE_LOCKED)
            break;
        sqlite3_sleep(20);
    }
    sqlite3_backup_finish(b);
    return rc == SQLITE_DONE ? QString() : QString::fromUtf8(sqlite3_errstr(rc));
}

// The database of von, an SQLite file, into nach (in memory). Its bytes as
// they lie, under a read transaction, where the file holds them all; else
// SQLite's own copy of the pages, consistent as well.
QString kopiereSqlite(QSqlDatabase& von, QSqlDatabase& nach)
{
    QSqlQuery q(von);
    const qint64 laenge = sperreZumLesen(q);
    QString fehler;
    sqlite3_file* datei = dateiVon(griff(von));
    if (laenge > 0 && datei) {
        // Room for the manifest and the settings.
        const qint64 platz = laenge + (1 << 20);
        auto* bytes = static_cast<char*>(sqlite3_malloc64(sqlite3_uint64(platz)));
        if (!bytes || !liesDatei(datei, bytes, laenge)) {
            sqlite3_free(bytes);
            fehler = QStringLiteral("the database file cannot be read");
        } else if (sqlite3_deserialize(griff(nach), "main", reinterpret_cast<unsigned char*>(bytes), laenge, platz,
                                       SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE)
                   != SQLITE_OK) {
            fehler = QString::fromUtf8(sqlite3_errmsg(griff(nach)));
        }
    } else {
        // An in-memory target takes the pages only in their own size.
        if (q.exec(QStringLiteral("PRAGMA main.page_size")) && q.next())
            QSqlQuery(nach).exec(QStringLiteral("PRAGMA page_size=") + q.value(0).toString());
        fehler = kopiereSeiten(griff(von), griff(nach));
    }
    q.finish();
    q.exec(QStringLiteral("commit"));
    return fehler;
}

// Rows per table, counted by SQLite.
QString zaehle(const QSqlDatabase& db, const QStringList& tabellen, QMap<QString, qint64>& anzahl)
{
    QSqlQuery q(db);
    for (const QString& t : tabellen) {
        if (!q.exec(QStringLiteral("select count(*) from %1").arg(name(db, t, QSqlDriver::TableName)))
            || !q.next())
            return t + ": " + fehlerText(q);
        anzahl.insert(t, q.value(0).toLongLong());
    }
    return QString();
}

// Creates one of the backup's own tables, replacing one a restored database may hold.
bool legeEigeneAn(QSqlQuery& q, const QString& tabelle, const char* wertTyp)
{
    return q.exec(QStringLiteral("drop table if exists %1").arg(tabelle))
           && q.exec(QStringLiteral("create table %1 (Schluessel text primary key, Wert %2)")
                         .arg(tabelle, QLatin1String(wertTyp)))
           && q.prepare(QStringLiteral("insert into %1 values (?, ?)").arg(tabelle));
}

// The settings without the password, each value as QDataStream writes it.
QString schreibeEinstellungen(QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (!legeEigeneAn(q, EinstellungsTabelle, "blob"))
        return fehlerText(q);
    const QSettings settings;
    for (const QString& k : settings.allKeys()) {
        if (k == Einstellung::name(Einstellung::DatenbankPasswort))
            continue;
        QByteArray wert;
        QDataStream s(&wert, QIODevice::WriteOnly);
        s.setVersion(QDataStream::Qt_6_0);
        s << settings.value(k);
        q.bindValue(0, k);
        q.bindValue(1, wert);
        if (!q.exec())
            return fehlerText(q);
    }
    return QString();
}

QString schreibeManifest(QSqlDatabase& db, const Datensicherung::Inhalt& inhalt)
{
    QSqlQuery q(db);
    if (!legeEigeneAn(q, ManifestTabelle, "text"))
        return fehlerText(q);
    QList<std::pair<QString, QString>> werte{{"Programm", Programm},
                                             {"Format", inhalt.format},
                                             {"Version", inhalt.version},
                                             {"Erstellt", inhalt.erstellt.toString(Qt::ISODateWithMs)},
                                             {"Quelle", inhalt.quelle},
                                             {"Sha256", inhalt.sha256}};
    for (auto it = inhalt.anzahl.cbegin(); it != inhalt.anzahl.cend(); ++it)
        werte.append({QStringLiteral("Anzahl/") + it.key(), QString::number(it.value())});
    for (const auto& [k, w] : werte) {
        q.bindValue(0, k);
        q.bindValue(1, w);
        if (!q.exec())
            return fehlerText(q);
    }
    return QString();
}

// In one transaction of the new backup db: the settings, then the manifest with
// the row counts and, in place of the hash, the placeholder that sealing replaces.
QString schliesseAb(QSqlDatabase& db, const QString& quelle, const QByteArray& platzhalter,
                    Datensicherung::Inhalt& inhalt)
{
    if (!db.transaction())
        return db.lastError().text();
    QString f = schreibeEinstellungen(db);
    QStringList tabellen = Datensicherung::tabellen(db);
    tabellen << EinstellungsTabelle;
    inhalt = {};
    if (f.isEmpty())
        f = zaehle(db, tabellen, inhalt.anzahl);
    inhalt.format = Format;
    inhalt.sha256 = QString::fromLatin1(platzhalter);
    inhalt.version = QStringLiteral(BELEGWERK_VERSION);
    inhalt.erstellt = QDateTime::currentDateTimeUtc();
    inhalt.quelle = quelle;
    if (f.isEmpty())
        f = schreibeManifest(db, inhalt);
    if (f.isEmpty() && !db.commit())
        f = db.lastError().text();
    if (!f.isEmpty())
        db.rollback();
    return f;
}

// PostgreSQL: one repeatable-read transaction, so every table shows the same moment.
QString kopiereAusPostgres(const QSqlDatabase& von, QSqlDatabase& nach)
{
    QSqlQuery q(von);
    if (!q.exec(QStringLiteral("start transaction isolation level repeatable read read only")))
        return fehlerText(q);
    QString fehler;
    nach.transaction();
    for (const QString& t : Datensicherung::tabellen(von)) {
        if (!kopiereTabelle(von, nach, t, fehler))
            break;
    }
    if (fehler.isEmpty() && !nach.commit())
        fehler = nach.lastError().text();
    q.exec(QStringLiteral("commit"));
    return fehler;
}

// The bytes of an in-memory database: where SQLite keeps them, or a copy.
class Speicherabbild
{
public:
    explicit Speicherabbild(const QSqlDatabase& db)
    {
        sqlite3_int64 n = 0;
        m_daten = sqlite3_serialize(griff(db), "main", &n, SQLITE_SERIALIZE_NOCOPY);
        if (!m_daten) {
            m_daten = sqlite3_serialize(griff(db), "main", &n, 0);
            m_eigen = true;
        }
        m_laenge = m_daten ? n : 0;
    }
    ~Speicherabbild()
    {
        if (m_eigen)
            sqlite3_free(m_daten);
    }
    Speicherabbild(const Speicherabbild&) = delete;
    Speicherabbild& operator=(const Speicherabbild&) = delete;
    char* daten() const { return reinterpret_cast<char*>(m_daten); }
    qint64 laenge() const { return m_laenge; }

private:
    unsigned char* m_daten = nullptr;
    qint64 m_laenge = 0;
    bool m_eigen = false;
};

// Writes the backup's bytes into the file with the hash in place of the
// placeholder: SHA-256 over the bytes with its own place counted as zeros.
// The hash is computed on a second thread while the bytes are written (both
// only read them) and the disk writes them.
QString versiegle(char* bytes, qint64 laenge, const QByteArray& platzhalter, Teildatei& datei,
                  QString& sha256)
{
    const QByteArrayView alle(bytes, laenge);
    const qsizetype stelle = einmal(alle, platzhalter);
    if (stelle < 0)
        return QStringLiteral("manifest not found");
    std::memset(bytes + stelle, '0', HashLaenge);
    // The page copy of a database in WAL mode says so in its header; a backup is a single file.
    if (laenge > 19 && bytes[18] == 2)
        bytes[18] = bytes[19] = 1;
    QByteArray hex;
    std::thread rechner([&] { hex = Pruefsumme::hex(alle); });
    const bool geschrieben = datei.schreibe(alle);
    rechner.join();
    if (!geschrieben)
        return datei.fehler();
    if (hex.size() != HashLaenge)
        return QStringLiteral("the checksum cannot be computed");
    std::memcpy(bytes + stelle, hex.constData(), HashLaenge);
    if (!datei.schreibe(hex, stelle))
        return datei.fehler();
    sha256 = QString::fromLatin1(hex);
    return QString();
}

// SQLite's check of the file (quick_check or integrity_check): what it found,
// "ok" when sound, at most five lines. Through SQLite's own interface, so that
// it may run on a thread of its own.
QStringList befund(sqlite3* handle, const char* pruefung)
{
    QStringList b;
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(handle, (QByteArray("PRAGMA ") + pruefung).constData(), -1, &stmt, nullptr);
    while (rc == SQLITE_OK || (rc == SQLITE_ROW && b.size() < 5)) {
        rc = sqlite3_step(stmt);
        if (rc == SQLITE_ROW)
            b << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        b << QString::fromUtf8(sqlite3_errmsg(handle));
    sqlite3_finalize(stmt);
    return b;
}

QString unversehrt(const QStringList& befund)
{
    return befund == QStringList{QStringLiteral("ok")}
               ? QString()
               : Datensicherung::tr("Die Datei ist beschädigt: %1").arg(befund.join('\n'));
}

QString unversehrt(const QSqlDatabase& db, const char* pruefung)
{
    return unversehrt(befund(griff(db), pruefung));
}

// SQLite's quick_check of a backup opened in memory, on a thread of its own
// while the caller hashes and writes the bytes; nobody else uses the
// connection meanwhile.
class Pruefung
{
public:
    explicit Pruefung(sqlite3* handle)
        : m_handle(handle), m_faden([this] { m_befund = befund(m_handle, "quick_check"); })
    {
    }
    ~Pruefung()
    {
        if (m_faden.joinable()) {
            sqlite3_interrupt(m_handle);  // nobody waits for it
            m_faden.join();
        }
    }
    Pruefung(const Pruefung&) = delete;
    Pruefung& operator=(const Pruefung&) = delete;
    QString ergebnis()
    {
        if (m_faden.joinable())
            m_faden.join();
        return unversehrt(m_befund);
    }

private:
    sqlite3* m_handle;
    QStringList m_befund;
    std::thread m_faden;
};

// A backup file read into memory once and opened there by SQLite, read-only:
// what is checked is what is restored.
struct Abbild
{
    QByteArray bytes;
    Verbindung v{Speicher, false};
    std::unique_ptr<Pruefung> pruefung;
    // The fault SQLite's check found, waiting for the check where it still runs.
    QString befund() { return pruefung ? pruefung->ergebnis() : QString(); }
};

// Reads datei into a and opens it; the reason where it is no SQLite database or cut off.
QString oeffne(const QString& datei, Abbild& a)
{
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly))
        return Datensicherung::tr("Die Datei lässt sich nicht lesen: %1").arg(f.errorString());
    a.bytes = f.readAll();
    if (f.error() != QFileDevice::NoError)
        return Datensicherung::tr("Die Datei lässt sich nicht lesen: %1").arg(f.errorString());
    const QByteArray& kopf = a.bytes;
    if (kopf.size() < 100 || !kopf.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return Datensicherung::tr("Die Datei ist keine Datensicherung von Belegwerk.");
    // The header tells the size of the database; a shorter file was cut off.
    const quint32 seite = qFromBigEndian<quint16>(kopf.constData() + 16);
    if (qint64(seite == 1 ? 65536 : seite) * qFromBigEndian<quint32>(kopf.constData() + 28) > kopf.size())
        return Datensicherung::tr("Die Datei ist unvollständig: sie wurde abgeschnitten.");
    if (!a.v.db.open()
        || sqlite3_deserialize(griff(a.v.db), "main", reinterpret_cast<unsigned char*>(a.bytes.data()),
                               a.bytes.size(), a.bytes.size(), SQLITE_DESERIALIZE_READONLY)
               != SQLITE_OK)
        return Datensicherung::tr("Die Datei lässt sich nicht öffnen: %1").arg(a.v.db.lastError().text());
    return QString();
}

// The manifest of the backup in db, taken into inhalt with the counts it
// expects; the reason where the file is none of this program or of a format it does not know.
QString liesManifest(const QSqlDatabase& db, Datensicherung::Inhalt& inhalt)
{
    const QString fremd = Datensicherung::tr("Die Datei ist keine Datensicherung von Belegwerk.");
    const QStringList alle = db.tables();
    if (!alle.contains(ManifestTabelle) || !alle.contains(EinstellungsTabelle)) {
        const QString schaden = unversehrt(db, "quick_check");
        return schaden.isEmpty() ? fremd : schaden;
    }
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("select Schluessel, Wert from %1").arg(ManifestTabelle)))
        return Datensicherung::tr("Die Datei ist beschädigt: %1").arg(fehlerText(q));
    QMap<QString, QString> manifest;
    while (q.next())
        manifest.insert(q.value(0).toString(), q.value(1).toString());
    if (manifest.value("Programm") != Programm)
        return fremd;
    inhalt.format = manifest.value("Format");
    inhalt.version = manifest.value("Version");
    if (inhalt.format != Format && inhalt.format != FormatZeilen)
        return Datensicherung::tr("Die Datensicherung hat ein Format, das dieses Programm nicht kennt "
                                  "(Version %1).").arg(inhalt.version);
    inhalt.erstellt = QDateTime::fromString(manifest.value("Erstellt"), Qt::ISODateWithMs);
    inhalt.quelle = manifest.value("Quelle");
    inhalt.sha256 = manifest.value("Sha256");
    for (auto it = manifest.cbegin(); it != manifest.cend(); ++it) {
        if (it.key().startsWith(QLatin1String("Anzahl/")))
            inhalt.anzahl.insert(it.key().mid(7), it.value().toLongLong());
    }
    return QString();
}

QString veraendert()
{
    return Datensicherung::tr("Die Prüfsumme stimmt nicht: der Inhalt der Datei wurde verändert "
                              "oder ist beschädigt.");
}

QString verzeichnisFalsch()
{
    return Datensicherung::tr("Die Datei ist beschädigt: Tabellen oder Zeilen stimmen nicht mit "
                              "dem Verzeichnis der Sicherung überein.");
}

QString misslungen(const QString& fehler)
{
    return Datensicherung::tr("Die Wiederherstellung ist misslungen; nichts wurde geändert.") + "\n" + fehler;
}

// Format 2: the bytes are those written, manifest and counts included. The
// pages' structure, which a source damaged already would have passed on, is
// checked meanwhile; Abbild::befund() tells the outcome.
QString pruefeBytes(Abbild& a, const QStringList& tabellen, const Datensicherung::Inhalt& inhalt)
{
    const QList<QString> namen = inhalt.anzahl.keys();
    if (QSet<QString>(namen.begin(), namen.end()) != QSet<QString>(tabellen.begin(), tabellen.end()))
        return verzeichnisFalsch();
    a.pruefung = std::make_unique<Pruefung>(griff(a.v.db));
    const QByteArray sha = inhalt.sha256.toLatin1();
    const qsizetype stelle = sha.size() == HashLaenge ? einmal(a.bytes, sha) : -1;
    const bool gleich = stelle >= 0 && dateiHash(a.bytes, stelle) == sha;
    return gleich ? QString() : veraendert();
}

// Format 1: the file's integrity, then every row against the hash and the counts.
QString pruefeZeilen(const Abbild& a, const QStringList& tabellen, Datensicherung::Inhalt& inhalt)
{
    const QString schaden = unversehrt(a.v.db, "integrity_check");
    if (!schaden.isEmpty())
        return schaden;
    const QMap<QString, qint64> erwartet = inhalt.anzahl;
    inhalt.anzahl.clear();
    QString sha;
    const QString f = hashe(a.v.db, tabellen, inhalt.anzahl, sha);
    if (!f.isEmpty())
        return Datensicherung::tr("Die Datei ist beschädigt: %1").arg(f);
    if (inhalt.anzahl != erwartet)
        return verzeichnisFalsch();
    return sha == inhalt.sha256 ? QString() : veraendert();
}

// Checks the backup file, read into a. Where warten is false, SQLite's check
// of its structure may still run when this returns (see Abbild::befund()).
Datensicherung::Inhalt pruefeAbbild(const QString& datei, Abbild& a, bool warten = true)
{
    Datensicherung::Inhalt inhalt;
    inhalt.fehler = oeffne(datei, a);
    if (inhalt.fehler.isEmpty())
        inhalt.fehler = liesManifest(a.v.db, inhalt);
    if (!inhalt.fehler.isEmpty())
        return inhalt;
    const QStringList tabellen = Datensicherung::tabellen(a.v.db) << EinstellungsTabelle;
    inhalt.fehler = inhalt.format == Format ? pruefeBytes(a, tabellen, inhalt) : pruefeZeilen(a, tabellen, inhalt);
    if (warten && inhalt.fehler.isEmpty())
        inhalt.fehler = a.befund();
    return inhalt;
}

// The tables, indexes and triggers of a database as their statements define them.
QStringList schema(const QSqlDatabase& db)
{
    QStringList liste;
    QSqlQuery q(db);
    q.exec(QStringLiteral("select type, name, tbl_name, sql from main.sqlite_master "
                          "where name not like 'sqlite\\_%' escape '\\' "
                          "and name not like 'belegwerk\\_%' escape '\\' order by type, name"));
    while (q.next())
        liste << q.value(0).toString() + '\n' + q.value(1).toString() + '\n' + q.value(2).toString()
                     + '\n' + q.value(3).toString();
    return liste;
}

// SQLite: the backup's pages replace the database's in one write transaction,
// where both have the same tables, indexes and triggers (rows the database
// takes are then the rows it had). False, changing nothing, where that is not
// so or the connection is busy reading; the rows are copied then.
bool ersetzeSeiten(QSqlDatabase& ziel, const QSqlDatabase& sicherung)
{
    if (schema(sicherung) != schema(ziel) || !kopiereSeiten(griff(sicherung), griff(ziel)).isEmpty())
        return false;
    // The backup's own tables came along; whoever reads the database skips them.
    QSqlQuery q(ziel);
    for (const QString& t : {EinstellungsTabelle, ManifestTabelle})
        q.exec(QStringLiteral("drop table if exists main.%1").arg(t));
    return true;
}

// Every row of the tables of von into nach, in one write transaction of nach
// that first empties the tables leeren. Triggers guard issued documents against
// change and deletion: lifted inside the transaction and put back before the
// commit (DDL is transactional on SQLite and PostgreSQL), so a failure rolls
// back to the guarded database and no other connection ever sees it unguarded.
QString kopiereAlles(const QSqlDatabase& von, QSqlDatabase& nach, const QStringList& leeren, const char* was)
{
    const QStringList tabellen = Datensicherung::tabellen(von);
    QString fehler;
    Speicherfehler sf;
    Datenbank::schreibe(nach, sf, was, [&] {
        Schutz schutz;
        if (!schutz.hebeAuf(nach, fehler) || !leere(nach, leeren, fehler))
            return false;
        for (const QString& t : tabellen) {
            if (!kopiereTabelle(von, nach, t, fehler))
                return false;
            Datenbank::melde(nach, t);
        }
        return schutz.stelleHer(nach, fehler);
    });
    return fehler.isEmpty() && sf.art != Speicherfehler::Keiner ? sf.text : fehler;
}

// Seals the database file at pfad as a backup where it lies (manifest and
// settings written by SQLite, the hash put into its place through SQLite's
// handle of the file) and keeps it under vorher: a second name of the same
// file, or a copy where vorher lies on another disk.
QString behalte(const QString& pfad, const QString& vorher)
{
    Verbindung alt(pfad, false);
    if (!alt.db.open())
        return alt.db.lastError().text();
    const QByteArray zeichen = platzhalter();
    Datensicherung::Inhalt i;
    QString fehler = schliesseAb(alt.db, alt.db.driverName(), zeichen, i);
    if (!fehler.isEmpty())
        return fehler;
    QSqlQuery q(alt.db);
    // Read through SQLite's mapping of the file, not copied into memory.
    q.exec(QStringLiteral("PRAGMA main.mmap_size=%1").arg(QFileInfo(pfad).size()));
    const qint64 laenge = sperreZumLesen(q);
    sqlite3_file* datei = dateiVon(griff(alt.db));
    if (!datei)
        return QStringLiteral("the database file cannot be read");
    {
        Dateiinhalt inhalt(datei, laenge);
        const qsizetype stelle = inhalt.bytes().isEmpty() ? -1 : einmal(inhalt.bytes(), zeichen);
        if (stelle < 0)
            return QStringLiteral("the database file cannot be read");
        const QByteArray hex = dateiHash(inhalt.bytes(), stelle);
        if (hex.size() != HashLaenge)
            return QStringLiteral("the checksum cannot be computed");
        if (!inhalt.schreibe(hex, stelle))
            return QString::fromUtf8(sqlite3_errmsg(griff(alt.db)));
        // Under the read lock still, so that a copy holds the sealed bytes.
        if (::link(QFile::encodeName(pfad).constData(), QFile::encodeName(vorher).constData()) == 0) {
            Teildatei::synchronisiereOrdner(vorher);
        } else {
            Teildatei kopie(vorher);
            kopie.schreibe(inhalt.bytes());
            fehler = kopie.setzeEin();
        }
    }
    q.exec(QStringLiteral("commit"));
    return fehler;
}

// Whether the backup can become the database file itself: a page copy of an
// SQLite database, for an SQLite file in rollback-journal mode that no other
// connection, of this program or another, has open (it would go on using the
// replaced file).
bool tauschbar(QSqlDatabase& ziel, const Datensicherung::Inhalt& inhalt)
{
    if (!Datenbank::istSqlite(ziel) || inhalt.format != Format || inhalt.quelle != QLatin1String("QSQLITE")
        || ziel.databaseName() == Speicher || !QFileInfo(ziel.databaseName()).isFile())
        return false;
    QSqlQuery q(ziel);
    return q.exec(QStringLiteral("PRAGMA main.journal_mode")) && q.next()
           && q.value(0).toString() != QLatin1String("wal") && offeneHandles(ziel.databaseName()) == 1;
}

// SQLite: the checked backup becomes the database file. Written beside it and
// on its way to the disk while the current file is kept as a backup; then
// renamed over it, so the path always names a whole database, and the
// connection opened again on the new file.
QString tausche(QSqlDatabase& ziel, Abbild& a, const QString& vorher)
{
    const QString pfad = QFileInfo(ziel.databaseName()).absoluteFilePath();
    Teildatei neu(pfad);
    if (!neu.schreibe(a.bytes))
        return misslungen(neu.fehler());
    ziel.close();
    QString fehler = behalte(pfad, vorher);
    const bool behalten = fehler.isEmpty();
    if (behalten)
        fehler = a.befund();  // SQLite's check of the backup, run meanwhile
    if (fehler.isEmpty())
        fehler = neu.setzeEin();
    if (!fehler.isEmpty() && behalten)
        QFile::remove(vorher);
    if (!ziel.open())
        return Datensicherung::tr("Die Datenbank lässt sich nicht wieder öffnen: %1").arg(ziel.lastError().text());
    if (!fehler.isEmpty())
        return misslungen(fehler);
    // Writes refused on a damaged file: the file is gone.
    Datenbank::sperre(ziel, QString());
    return QString();
}

}  // namespace

QStringList Datensicherung::tabellen(const QSqlDatabase& db)
{
    QStringList liste;
    for (const QString& t : db.tables(QSql::Tables)) {
        if (!t.startsWith(QLatin1String("sqlite_")) && !t.startsWith(QLatin1String("belegwerk_")))
            liste << t;
    }
    liste.sort();
    return liste;
}

QString Datensicherung::sichere(const QSqlDatabase& db, const QString& datei, Inhalt* inhalt)
{
    Teildatei teil(datei);
    if (!teil.fehler().isEmpty())
        return tr("Die Datei %1 lässt sich nicht anlegen: %2").arg(datei, teil.fehler());
    Inhalt ergebnis;
    const QByteArray zeichen = platzhalter();
    QString fehler;
    {
        Verbindung quelle(db);
        if (!quelle.db.open())
            return tr("Die Datenbank lässt sich nicht öffnen: %1").arg(quelle.db.lastError().text());
        // Built in memory and written once: the file is hashed while it is written.
        Verbindung neu(Speicher, false);
        if (!neu.db.open())
            return tr("Die Sicherung ist misslungen: %1").arg(neu.db.lastError().text());
        fehler = Datenbank::istSqlite(quelle.db) ? kopiereSqlite(quelle.db, neu.db)
                                                 : kopiereAusPostgres(quelle.db, neu.db);
        if (fehler.isEmpty())
            fehler = schliesseAb(neu.db, db.driverName(), zeichen, ergebnis);
        if (fehler.isEmpty()) {
            const Speicherabbild bytes(neu.db);
            fehler = versiegle(bytes.daten(), bytes.laenge(), zeichen, teil, ergebnis.sha256);
        }
    }
    if (fehler.isEmpty())
        fehler = teil.setzeEin();
    if (!fehler.isEmpty())
        return tr("Die Sicherung ist misslungen: %1").arg(fehler);
    if (inhalt)
        *inhalt = ergebnis;
    return QString();
}

Datensicherung::Inhalt Datensicherung::pruefe(const QString& datei)
{
    Abbild a;
    return pruefeAbbild(datei, a);
}

QString Datensicherung::stelleWiederHer(const QSqlDatabase& db, const QString& datei,
                                        const QString& vorher)
{
    Abbild a;
    const Inhalt inhalt = pruefeAbbild(datei, a, false);
    if (!inhalt.fehler.isEmpty())
        return inhalt.fehler;
    QSqlDatabase ziel = db;
    if (tauschbar(ziel, inhalt))
        return tausche(ziel, a, vorher);
    const QString schaden = a.befund();
    if (!schaden.isEmpty())
        return schaden;
    const QString gesichert = sichere(db, vorher);
    if (!gesichert.isEmpty())
        return tr("Die bisherigen Daten ließen sich nicht sichern; nichts wurde geändert.") + "\n" + gesichert;
    if (Datenbank::istSqlite(ziel) && ersetzeSeiten(ziel, a.v.db))
        return QString();
    const QString fehler = kopiereAlles(a.v.db, ziel, tabellen(ziel), "restoring backup");
    return fehler.isEmpty() ? QString() : misslungen(fehler);
}

QString Datensicherung::uebertrage(const QSqlDatabase& von, const QSqlDatabase& nach)
{
    QSqlDatabase ziel = nach;
    for (const QString& t : tabellen(ziel)) {
        QSqlQuery q(ziel);
        if (!q.exec(QStringLiteral("select count(*) from %1").arg(name(ziel, t, QSqlDriver::TableName)))
            || !q.next())
            return tr("Die Zieldatenbank lässt sich nicht lesen: %1").arg(fehlerText(q));
        if (q.value(0).toLongLong() > 0)
            return tr("Die Zieldatenbank ist nicht leer (Tabelle %1): es wird nichts übertragen.").arg(t);
    }
    Verbindung quelle(von);
    if (!quelle.db.open())
        return tr("Die Datenbank lässt sich nicht öffnen: %1").arg(quelle.db.lastError().text());
    QString fehler;
    {
        // One read transaction of the source: every table shows the same moment.
        QSqlQuery lesen(quelle.db);
        lesen.exec(Datenbank::istPostgres(quelle.db)
                       ? QStringLiteral("start transaction isolation level repeatable read read only")
                       : QStringLiteral("begin"));
        fehler = kopiereAlles(quelle.db, ziel, {}, "transferring data");
        lesen.exec(QStringLiteral("commit"));
    }
    if (!fehler.isEmpty())
        return tr("Die Übertragung ist misslungen; die Zieldatenbank ist unverändert.") + "\n" + fehler;
    return QString();
}
