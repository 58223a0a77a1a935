#include "store/datensicherung.h"

#include "store/datenbank.h"

#include <QAtomicInt>
#include <QCryptographicHash>
#include <QDataStream>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QRandomGenerator>
#include <QTemporaryFile>
#include <QVariant>

#include <openssl/evp.h>
#include <sqlite3.h>

#include <QtEndian>

#include <cstdio>
#include <cstring>

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
    // An SQLite file.
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

// Empties the tables before they are filled again; schema "main." names the
// database's own tables while a backup is attached beside them.
bool leere(QSqlDatabase& ziel, const QStringList& tabellen, const QString& schema, QString& fehler)
{
    QSqlQuery q(ziel);
    for (const QString& t : tabellen) {
        if (!q.exec(QStringLiteral("delete from %1%2").arg(schema, name(ziel, t, QSqlDriver::TableName)))) {
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

// SHA-256 of OpenSSL: six times as fast as QCryptographicHash's, which
// otherwise takes most of a backup's time.
class Sha256
{
public:
    Sha256() : m_ctx(EVP_MD_CTX_new()) { EVP_DigestInit_ex(m_ctx, EVP_sha256(), nullptr); }
    ~Sha256() { EVP_MD_CTX_free(m_ctx); }
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;
    void addData(QByteArrayView daten) { EVP_DigestUpdate(m_ctx, daten.data(), size_t(daten.size())); }
    QByteArray result()
    {
        unsigned char wert[EVP_MAX_MD_SIZE];
        unsigned int laenge = 0;
        EVP_DigestFinal_ex(m_ctx, wert, &laenge);
        return QByteArray(reinterpret_cast<const char*>(wert), int(laenge));
    }

private:
    EVP_MD_CTX* m_ctx;
};

// Rows of every table and the SHA-256 over names and values, read from an
// SQLite backup file in the order of its rows. Empty when read completely.
// Read through SQLite's own interface: building a QVariant for every value
// made this twenty times slower than copying the file.
// The SQLite handle of a connection; null for other drivers.
sqlite3* griff(const QSqlDatabase& db)
{
    const QVariant g = db.driver()->handle();
    return qstrcmp(g.typeName(), "sqlite3*") == 0 ? *static_cast<sqlite3* const*>(g.constData()) : nullptr;
}

QString hashe(const QSqlDatabase& db, const QStringList& tabellen, QMap<QString, qint64>& anzahl,
              QString& sha256)
{
    sqlite3* handle = griff(db);
    if (!handle)
        return QStringLiteral("not an SQLite database");
    Sha256 h;
    QByteArray zeile;
    // Type, length in four bytes, the bytes; hashed in large pieces.
    const auto feld = [&zeile](char art, const char* daten, int laenge) {
        const char kopf[5] = {art, char(laenge >> 24), char(laenge >> 16), char(laenge >> 8), char(laenge)};
        zeile.append(kopf, 5);
        zeile.append(daten, laenge);
    };
    for (const QString& t : tabellen) {
        const QByteArray sql = QStringLiteral("select * from %1 order by rowid")
                                   .arg(name(db, t, QSqlDriver::TableName)).toUtf8();
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(handle, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt);
            return t + ": " + QString::fromUtf8(sqlite3_errmsg(handle));
        }
        const int spalten = sqlite3_column_count(stmt);
        zeile.clear();
        const QByteArray tabelle = t.toUtf8();
        feld('t', tabelle.constData(), int(tabelle.size()));
        for (int i = 0; i < spalten; ++i) {
            const char* n = sqlite3_column_name(stmt, i);
            feld('c', n, int(qstrlen(n)));
        }
        qint64 n = 0;
        int rc = SQLITE_ROW;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            if (zeile.size() > 65536) {
                h.addData(zeile);
                zeile.clear();
            }
            for (int i = 0; i < spalten; ++i) {
                switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_NULL:
                    feld('n', nullptr, 0);
                    break;
                case SQLITE_BLOB: {
                    const char* b = static_cast<const char*>(sqlite3_column_blob(stmt, i));
                    feld('b', b, sqlite3_column_bytes(stmt, i));
                    break;
                }
                case SQLITE_INTEGER: {
                    const qint64 z = qToBigEndian(qint64(sqlite3_column_int64(stmt, i)));
                    feld('i', reinterpret_cast<const char*>(&z), 8);
                    break;
                }
                case SQLITE_FLOAT: {
                    const double d = sqlite3_column_double(stmt, i);
                    quint64 bits = 0;
                    std::memcpy(&bits, &d, 8);
                    bits = qToBigEndian(bits);
                    feld('f', reinterpret_cast<const char*>(&bits), 8);
                    break;
                }
                default:
                    feld('s', reinterpret_cast<const char*>(sqlite3_column_text(stmt, i)),
                         sqlite3_column_bytes(stmt, i));
                }
            }
            ++n;
        }
        h.addData(zeile);
        const QString fehler = rc == SQLITE_DONE ? QString() : t + ": " + QString::fromUtf8(sqlite3_errmsg(handle));
        sqlite3_finalize(stmt);
        if (!fehler.isEmpty())
            return fehler;
        anzahl.insert(t, n);
    }
    sha256 = QString::fromLatin1(h.result().toHex());
    return QString();
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

// SHA-256 over the file's bytes, the place of the hash itself taken as zeros.
QString dateiHash(QByteArrayView datei, qsizetype stelle)
{
    Sha256 h;
    h.addData(datei.first(stelle));
    h.addData(QByteArray(HashLaenge, '0'));
    h.addData(datei.sliced(stelle + HashLaenge));
    return QString::fromLatin1(h.result().toHex());
}

// Reads the file and finds the one place of text in it; -1 where it is missing or twice.
qsizetype finde(QFile& f, const QByteArray& text, QByteArray& inhalt)
{
    inhalt = f.readAll();
    const qsizetype stelle = inhalt.indexOf(text);
    return stelle >= 0 && inhalt.lastIndexOf(text) == stelle ? stelle : -1;
}

// Writes the hash of the finished backup file in place of the manifest's
// placeholder, then flushes the file to the disk.
QString versiegle(const QString& pfad, const QByteArray& platzhalter, QString& sha256)
{
    QFile f(pfad);
    if (!f.open(QIODevice::ReadWrite))
        return f.errorString();
#ifdef __linux__
    // The disk writes while the hash is computed.
    sync_file_range(f.handle(), 0, 0, SYNC_FILE_RANGE_WRITE);
#endif
    QByteArray inhalt;
    const qsizetype stelle = finde(f, platzhalter, inhalt);
    if (stelle < 0)
        return QStringLiteral("manifest not found");
    sha256 = dateiHash(inhalt, stelle);
    if (!f.seek(stelle) || f.write(sha256.toLatin1()) != HashLaenge || !f.flush()
        || ::fdatasync(f.handle()) != 0)
        return f.errorString();
    return QString();
}

QString schluesselWort(const QString& anzahlVon)
{
    return QStringLiteral("Anzahl/") + anzahlVon;
}

// In the open transaction of the new backup file: the settings without the
// password, then the manifest with the row counts and, in place of the hash,
// the placeholder that versiegle() replaces; commits.
QString schliesseAb(QSqlDatabase& db, const QString& quelle, const QByteArray& platzhalter,
                    Datensicherung::Inhalt& inhalt)
{
    QSqlQuery q(db);
    // A database restored from a backup page by page may hold them.
    for (const QString& t : {EinstellungsTabelle, ManifestTabelle})
        if (!q.exec(QStringLiteral("drop table if exists %1").arg(t)))
            return fehlerText(q);
    if (!q.exec(QStringLiteral("create table %1 (Schluessel text primary key, Wert blob)")
                    .arg(EinstellungsTabelle)))
        return fehlerText(q);
    q.prepare(QStringLiteral("insert into %1 values (?, ?)").arg(EinstellungsTabelle));
    const QSettings settings;
    for (const QString& k : settings.allKeys()) {
        if (k == QLatin1String("Datenbank/Passwort"))
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
    QStringList tabellen = Datensicherung::tabellen(db);
    tabellen << EinstellungsTabelle;
    inhalt = {};
    const QString f = zaehle(db, tabellen, inhalt.anzahl);
    if (!f.isEmpty())
        return f;
    inhalt.sha256 = QString::fromLatin1(platzhalter);
    inhalt.version = QStringLiteral(BELEGWERK_VERSION);
    inhalt.erstellt = QDateTime::currentDateTimeUtc();
    inhalt.quelle = quelle;
    if (!q.exec(QStringLiteral("create table %1 (Schluessel text primary key, Wert text)")
                    .arg(ManifestTabelle)))
        return fehlerText(q);
    q.prepare(QStringLiteral("insert into %1 values (?, ?)").arg(ManifestTabelle));
    QList<std::pair<QString, QString>> werte{
        {"Programm", Programm},
        {"Format", Format},
        {"Version", inhalt.version},
        {"Erstellt", inhalt.erstellt.toString(Qt::ISODateWithMs)},
        {"Quelle", quelle},
        {"Sha256", inhalt.sha256}};
    for (auto it = inhalt.anzahl.cbegin(); it != inhalt.anzahl.cend(); ++it)
        werte.append({schluesselWort(it.key()), QString::number(it.value())});
    for (const auto& [k, w] : werte) {
        q.bindValue(0, k);
        q.bindValue(1, w);
        if (!q.exec())
            return fehlerText(q);
    }
    if (!db.commit())
        return db.lastError().text();
    return QString();
}

// PostgreSQL: one repeatable-read transaction, so every table shows the same moment.
QString kopiereAusPostgres(const QSqlDatabase& von, QSqlDatabase& nach)
{
    QSqlQuery q(von);
    if (!q.exec(QStringLiteral("start transaction isolation level repeatable read read only")))
        return fehlerText(q);
    QString fehler;
    for (const QString& t : Datensicherung::tabellen(von)) {
        if (!kopiereTabelle(von, nach, t, fehler))
            break;
    }
    q.exec(QStringLiteral("commit"));
    return fehler;
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
bool ersetzeSeiten(QSqlDatabase& ziel, const QString& datei)
{
    {
        Verbindung quelle(datei, true);
        const QStringList s = schema(ziel);
        if (!quelle.db.open() || schema(quelle.db) != s)
            return false;
        if (!kopiereSeiten(griff(quelle.db), griff(ziel)).isEmpty())
            return false;
    }
    // The backup's own tables came along; whoever reads the database skips them.
    QSqlQuery q(ziel);
    for (const QString& t : {EinstellungsTabelle, ManifestTabelle})
        q.exec(QStringLiteral("drop table if exists main.%1").arg(t));
    return true;
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
    const QFileInfo ziel(datei);
    // Written beside the target under a name of its own and moved into place
    // when complete: no half-written backup ever carries the name.
    QTemporaryFile teil(ziel.absoluteDir().filePath(QStringLiteral(".belegwerk-XXXXXX.teil")));
    if (!teil.open())
        return tr("Die Datei %1 lässt sich nicht anlegen: %2").arg(datei, teil.errorString());
    const QString pfad = teil.fileName();
    teil.close();

    Inhalt ergebnis;
    QString fehler;
    // Random, so that it stands in the file exactly once.
    QByteArray platzhalter;
    for (int i = 0; i < HashLaenge / 8; ++i)
        platzhalter += QByteArray::number(QRandomGenerator::global()->generate() | 0x10000000u, 16);
    {
        Verbindung quelle(db);
        if (!quelle.db.open())
            return tr("Die Datenbank lässt sich nicht öffnen: %1").arg(quelle.db.lastError().text());
        Verbindung neu(pfad, false);
        if (!neu.db.open())
            return tr("Die Datei %1 lässt sich nicht schreiben: %2").arg(datei, neu.db.lastError().text());
        QSqlQuery q(neu.db);
        // Flushed to the disk once, when complete; until then only the temporary file is at stake.
        q.exec(QStringLiteral("PRAGMA synchronous=OFF"));
        if (Datenbank::istSqlite(quelle.db)) {
            // SQLite's own copy of the pages: one read transaction, so consistent while others write.
            fehler = kopiereSeiten(griff(quelle.db), griff(neu.db));
            if (!fehler.isEmpty())
                return tr("Die Sicherung ist misslungen: %1").arg(fehler);
            // A copy of a database in WAL mode would be one as well: a backup is a single file.
            q.exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
        }
        q.finish();
        if (!neu.db.transaction())
            return tr("Die Datei %1 lässt sich nicht schreiben: %2").arg(datei, neu.db.lastError().text());
        if (!Datenbank::istSqlite(quelle.db))
            fehler = kopiereAusPostgres(quelle.db, neu.db);
        if (fehler.isEmpty())
            fehler = schliesseAb(neu.db, db.driverName(), platzhalter, ergebnis);
        if (!fehler.isEmpty())
            neu.db.rollback();
    }
    if (fehler.isEmpty())
        fehler = versiegle(pfad, platzhalter, ergebnis.sha256);
    if (!fehler.isEmpty())
        return tr("Die Sicherung ist misslungen: %1").arg(fehler);
    // rename() replaces an older file of that name in one step.
    if (std::rename(QFile::encodeName(pfad).constData(), QFile::encodeName(ziel.absoluteFilePath()).constData()) != 0)
        return tr("Die Datei %1 lässt sich nicht schreiben: %2").arg(datei, QString::fromLocal8Bit(strerror(errno)));
    teil.setAutoRemove(false);
    if (inhalt)
        *inhalt = ergebnis;
    return QString();
}

Datensicherung::Inhalt Datensicherung::pruefe(const QString& datei)
{
    Inhalt inhalt;
    const QString fremd = tr("Die Datei ist keine Datensicherung von Belegwerk.");
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly)) {
        inhalt.fehler = tr("Die Datei lässt sich nicht lesen: %1").arg(f.errorString());
        return inhalt;
    }
    const QByteArray kopf = f.read(100);
    if (kopf.size() < 100 || !kopf.startsWith(QByteArrayLiteral("SQLite format 3\0"))) {
        inhalt.fehler = fremd;
        return inhalt;
    }
    // The header tells the size of the database; a shorter file was cut off.
    const auto zahl = [&kopf](int ab, int bytes) {
        quint32 n = 0;
        for (int i = 0; i < bytes; ++i)
            n = (n << 8) | quint8(kopf.at(ab + i));
        return n;
    };
    const quint32 seite = zahl(16, 2) == 1 ? 65536 : zahl(16, 2);
    if (qint64(seite) * zahl(28, 4) > f.size()) {
        inhalt.fehler = tr("Die Datei ist unvollständig: sie wurde abgeschnitten.");
        return inhalt;
    }
    f.close();

    Verbindung v(datei, true);
    if (!v.db.open()) {
        inhalt.fehler = tr("Die Datei lässt sich nicht öffnen: %1").arg(v.db.lastError().text());
        return inhalt;
    }
    {
        QSqlQuery q(v.db);
        // SQLite's check of the file: integrity_check also compares every
        // index with its table, quick_check only the structure of the pages.
        const auto unversehrt = [&](const QString& pruefung) {
            if (!q.exec(QStringLiteral("PRAGMA ") + pruefung)) {
                inhalt.fehler = tr("Die Datei ist beschädigt: %1").arg(fehlerText(q));
                return false;
            }
            QStringList befund;
            while (q.next() && befund.size() < 5)
                befund << q.value(0).toString();
            if (befund != QStringList{QStringLiteral("ok")}) {
                inhalt.fehler = tr("Die Datei ist beschädigt: %1").arg(befund.join('\n'));
                return false;
            }
            return true;
        };
        const QStringList alle = v.db.tables();
        if (!alle.contains(ManifestTabelle) || !alle.contains(EinstellungsTabelle)) {
            if (unversehrt(QStringLiteral("quick_check")))
                inhalt.fehler = fremd;
            return inhalt;
        }
        QMap<QString, QString> manifest;
        if (!q.exec(QStringLiteral("select Schluessel, Wert from %1").arg(ManifestTabelle))) {
            inhalt.fehler = tr("Die Datei ist beschädigt: %1").arg(fehlerText(q));
            return inhalt;
        }
        while (q.next())
            manifest.insert(q.value(0).toString(), q.value(1).toString());
        if (manifest.value("Programm") != Programm) {
            inhalt.fehler = fremd;
            return inhalt;
        }
        const QString format = manifest.value("Format");
        if (format != Format && format != FormatZeilen) {
            inhalt.fehler = tr("Die Datensicherung hat ein Format, das dieses Programm nicht kennt "
                               "(Version %1).").arg(manifest.value("Version"));
            return inhalt;
        }
        inhalt.version = manifest.value("Version");
        inhalt.erstellt = QDateTime::fromString(manifest.value("Erstellt"), Qt::ISODateWithMs);
        inhalt.quelle = manifest.value("Quelle");
        inhalt.sha256 = manifest.value("Sha256");
        QMap<QString, qint64> erwartet;
        for (auto it = manifest.cbegin(); it != manifest.cend(); ++it) {
            if (it.key().startsWith(QLatin1String("Anzahl/")))
                erwartet.insert(it.key().mid(7), it.value().toLongLong());
        }
        QStringList tabellen = Datensicherung::tabellen(v.db);
        tabellen << EinstellungsTabelle;
        const QString veraendert = tr("Die Prüfsumme stimmt nicht: der Inhalt der Datei wurde verändert "
                                      "oder ist beschädigt.");
        if (format == Format) {
            // The bytes are those written, manifest and counts included; the
            // pages' structure is checked against a source that was damaged already.
            QFile datenDatei(datei);
            QByteArray bytes;
            const qsizetype stelle = inhalt.sha256.size() == HashLaenge && datenDatei.open(QIODevice::ReadOnly)
                                         ? finde(datenDatei, inhalt.sha256.toLatin1(), bytes)
                                         : -1;
            if (stelle < 0 || dateiHash(bytes, stelle) != inhalt.sha256) {
                inhalt.fehler = veraendert;
                return inhalt;
            }
            if (!unversehrt(QStringLiteral("quick_check")))
                return inhalt;
            inhalt.anzahl = erwartet;
            if (QSet<QString>(erwartet.keyBegin(), erwartet.keyEnd())
                != QSet<QString>(tabellen.begin(), tabellen.end())) {
                inhalt.fehler = tr("Die Datei ist beschädigt: Tabellen oder Zeilen stimmen nicht mit "
                                   "dem Verzeichnis der Sicherung überein.");
                return inhalt;
            }
            return inhalt;
        }
        if (!unversehrt(QStringLiteral("integrity_check")))
            return inhalt;
        QString sha;
        const QString f = hashe(v.db, tabellen, inhalt.anzahl, sha);
        if (!f.isEmpty()) {
            inhalt.fehler = tr("Die Datei ist beschädigt: %1").arg(f);
            return inhalt;
        }
        if (inhalt.anzahl != erwartet) {
            inhalt.fehler = tr("Die Datei ist beschädigt: Tabellen oder Zeilen stimmen nicht mit "
                               "dem Verzeichnis der Sicherung überein.");
            return inhalt;
        }
        if (sha != inhalt.sha256) {
            inhalt.fehler = veraendert;
            return inhalt;
        }
    }
    return inhalt;
}

QString Datensicherung::stelleWiederHer(const QSqlDatabase& db, const QString& datei,
                                        const QString& vorher)
{
    const Inhalt inhalt = pruefe(datei);
    if (!inhalt.fehler.isEmpty())
        return inhalt.fehler;
    const QString gesichert = sichere(db, vorher);
    if (!gesichert.isEmpty())
        return tr("Die bisherigen Daten ließen sich nicht sichern; nichts wurde geändert.") + "\n"
               + gesichert;

    QSqlDatabase ziel = db;
    const QStringList alte = tabellen(ziel);
    QString fehler;
    Speicherfehler sf;
    if (Datenbank::istSqlite(ziel) && ersetzeSeiten(ziel, datei))
        return QString();
    if (Datenbank::istSqlite(ziel)) {
        // The backup attached to the same connection: one insert-select per table.
        {
            QSqlQuery q(ziel);
            // Left over when an earlier detach failed; harmless otherwise.
            q.exec(QStringLiteral("detach database belegwerk_sicherung"));
            q.prepare(QStringLiteral("attach database ? as belegwerk_sicherung"));
            q.addBindValue(datei);
            if (!q.exec())
                return tr("Die Datensicherung lässt sich nicht lesen: %1").arg(fehlerText(q));
        }
        QStringList neue;
        {
            QSqlQuery q(ziel);
            q.exec(QStringLiteral("select name from belegwerk_sicherung.sqlite_master where type='table' "
                                  "and name not like 'sqlite\\_%' escape '\\' "
                                  "and name not like 'belegwerk\\_%' escape '\\'"));
            while (q.next())
                neue << q.value(0).toString();
        }
        Datenbank::schreibe(ziel, sf, "restoring backup", [&] {
            Schutz schutz;
            if (!schutz.hebeAuf(ziel, fehler))
                return false;
            if (!leere(ziel, alte, QStringLiteral("main."), fehler))
                return false;
            QSqlQuery q(ziel);
            for (const QString& t : neue) {
                const QList<Spalte> liste = spalten(ziel, t, QStringLiteral("belegwerk_sicherung"));
                if (!legeAn(ziel, t, liste, fehler))
                    return false;
                const QStringList namen = spaltenNamen(liste);
                if (!q.exec(QStringLiteral("insert into main.%1 (%2) select %2 from belegwerk_sicherung.%1")
                                .arg(name(ziel, t, QSqlDriver::TableName), namensliste(ziel, namen)))) {
                    fehler = t + ": " + fehlerText(q);
                    return false;
                }
            }
            return schutz.stelleHer(ziel, fehler);
        });
        QSqlQuery(ziel).exec(QStringLiteral("detach database belegwerk_sicherung"));
    } else {
        Verbindung quelle(datei, true);
        if (!quelle.db.open())
            return tr("Die Datensicherung lässt sich nicht lesen: %1").arg(quelle.db.lastError().text());
        const QStringList neue = tabellen(quelle.db);
        Datenbank::schreibe(ziel, sf, "restoring backup", [&] {
            Schutz schutz;
            if (!schutz.hebeAuf(ziel, fehler))
                return false;
            if (!leere(ziel, alte, QString(), fehler))
                return false;
            for (const QString& t : neue) {
                if (!kopiereTabelle(quelle.db, ziel, t, fehler))
                    return false;
                Datenbank::melde(ziel, t);
            }
            return schutz.stelleHer(ziel, fehler);
        });
    }
    if (!fehler.isEmpty() || sf.art != Speicherfehler::Keiner) {
        if (fehler.isEmpty())
            fehler = sf.text;
        return tr("Die Wiederherstellung ist misslungen; nichts wurde geändert.") + "\n" + fehler;
    }
    return QString();
}

QString Datensicherung::uebertrage(const QSqlDatabase& von, const QSqlDatabase& nach)
{
    QSqlDatabase ziel = nach;
    const QStringList quellTabellen = tabellen(von);
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
    Speicherfehler sf;
    {
        // One read transaction of the source: every table shows the same moment.
        QSqlQuery lesen(quelle.db);
        lesen.exec(Datenbank::istPostgres(quelle.db)
                       ? QStringLiteral("start transaction isolation level repeatable read read only")
                       : QStringLiteral("begin"));
        Datenbank::schreibe(ziel, sf, "transferring data", [&] {
            // Tables made by the program have the guards: issued orders come
            // before their lines.
            Schutz schutz;
            if (!schutz.hebeAuf(ziel, fehler))
                return false;
            for (const QString& t : quellTabellen) {
                if (!kopiereTabelle(quelle.db, ziel, t, fehler))
                    return false;
            }
            return schutz.stelleHer(ziel, fehler);
        });
        lesen.exec(QStringLiteral("commit"));
    }
    if (!fehler.isEmpty() || sf.art != Speicherfehler::Keiner)
        return tr("Die Übertragung ist misslungen; die Zieldatenbank ist unverändert.") + "\n"
               + (fehler.isEmpty() ? sf.text : fehler);
    return QString();
}
