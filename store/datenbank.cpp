#include "store/datenbank.h"

#include "platform/einstellung.h"
#include "store/verbindung.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QHash>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QThread>
#include <QVariant>

#include <cmath>

namespace {

const char* const SperrEigenschaft = "belegwerkSperrgrund";
// Set while a schreibe() runs its transaction on the connection.
const char* const TransaktionEigenschaft = "belegwerkTransaktion";
// The server process of the connection, asked once per connection.
const char* const SitzungEigenschaft = "belegwerkSitzung";

// Runs schreibe in a savepoint of the transaction that is open already.
bool imSicherungspunkt(QSqlDatabase& db, Speicherfehler& f, const char* was,
                       const std::function<bool()>& schreibe)
{
    // Savepoints of one name nest; each release or rollback takes the latest.
    const QString name = QStringLiteral("belegwerk");
    QSqlQuery q(db);
    if (!q.exec("savepoint " + name)) {
        qWarning() << was << "savepoint" << q.lastError().text();
        f = Datenbank::fehler(q.lastError());
        return false;
    }
    f = {};
    if (schreibe())
        return q.exec("release savepoint " + name);
    if (f.art == Speicherfehler::Keiner)
        f.art = Speicherfehler::Fehlgeschlagen;
    q.exec("rollback to savepoint " + name);
    q.exec("release savepoint " + name);
    return false;
}

QString ersetze(const QString& text, const QRegularExpression& muster,
                const std::function<QString(const QRegularExpressionMatch&)>& durch)
{
    QString ergebnis;
    qsizetype bisher = 0;
    auto it = muster.globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        ergebnis += text.mid(bisher, m.capturedStart() - bisher) + durch(m);
        bisher = m.capturedEnd();
    }
    return ergebnis + text.mid(bisher);
}

}  // namespace

bool Datenbank::istPostgres(const QSqlDatabase& db)
{
    return db.driver() && db.driver()->dbmsType() == QSqlDriver::PostgreSQL;
}

bool Datenbank::istSqlite(const QSqlDatabase& db)
{
    return db.driver() && db.driver()->dbmsType() == QSqlDriver::SQLite;
}

void Datenbank::binde(QSqlQuery& q, const QVariantMap& werte)
{
    for (auto it = werte.cbegin(); it != werte.cend(); ++it)
        q.bindValue(it.key(), it.value());
}

bool Datenbank::mitNummer(QSqlQuery& q, const QSqlDatabase& db, const QString& text, qint64 nr)
{
    q.prepare(sql(db, text));
    q.bindValue(QStringLiteral(":nr"), nr);
    return q.exec();
}

QString Datenbank::sql(const QSqlDatabase& db, const QString& text)
{
    // The statements are fixed texts of the stores, so a small cache saves
    // rewriting them for every order.
    static QHash<QString, QString> cache;
    const bool postgres = istPostgres(db);
    const QString schluessel = QString::number(int(db.driver() ? db.driver()->dbmsType() : 0)) + text;
    const auto it = cache.constFind(schluessel);
    if (it != cache.cend())
        return it.value();

    static const QRegularExpression name(QStringLiteral("\\[(\\w+)\\]"));
    QSqlDriver* treiber = db.driver();
    QString s = ersetze(text, name, [treiber](const QRegularExpressionMatch& m) {
        return treiber ? treiber->escapeIdentifier(m.captured(1), QSqlDriver::FieldName)
                       : m.captured(1);
    });
    if (postgres) {
        static const QRegularExpression like(QStringLiteral("\\blike\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression schluesselSpalte(
            QStringLiteral("\\binteger primary key\\b"), QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression gleitkomma(QStringLiteral("\\bdouble\\b"),
                                                   QRegularExpression::CaseInsensitiveOption);
        static const QRegularExpression zeitpunkt(QStringLiteral("\\bDateTime\\b"),
                                                  QRegularExpression::CaseInsensitiveOption);
        // SQLite does not enforce lengths; neither does the shared database,
        // so a text stored on one is stored on the other.
        static const QRegularExpression laenge(QStringLiteral("\\bvarchar\\(\\d+\\)"),
                                               QRegularExpression::CaseInsensitiveOption);
        s.replace(like, QStringLiteral("ilike"));
        s.replace(schluesselSpalte, QStringLiteral("serial primary key"));
        s.replace(gleitkomma, QStringLiteral("double precision"));
        s.replace(zeitpunkt, QStringLiteral("timestamp"));
        s.replace(laenge, QStringLiteral("text"));
    }
    cache.insert(schluessel, s);
    return s;
}

Speicherfehler Datenbank::fehler(const QSqlError& e)
{
    // PostgreSQL names the state in five characters (lock not available,
    // serialization, deadlock); SQLite gives its number (SQLITE_BUSY, SQLITE_LOCKED,
    // also in their extended forms).
    const QString code = e.nativeErrorCode();
    bool zahl = false;
    const int sqlite = code.size() < 5 ? code.toInt(&zahl) & 0xff : 0;
    const bool belegt = code == "55P03" || code == "40001" || code == "40P01"
                        || (zahl && (sqlite == 5 || sqlite == 6));
    if (code == QLatin1String("57014"))  // the statement ran out of its time bound
        return {Speicherfehler::Zeitueberschreitung, e.text()};
    return {belegt ? Speicherfehler::Belegt : Speicherfehler::Fehlgeschlagen, e.text()};
}

bool Datenbank::schreibeEinmal(QSqlDatabase& db, Speicherfehler& f, const char* was,
                               const std::function<bool()>& schreibe)
{
    const QString grund = sperrgrund(db);
    if (!grund.isEmpty()) {
        qWarning() << was << Beschaedigt << "- nothing written:" << grund;
        f = {Speicherfehler::Gesperrt, grund};
        return false;
    }
    QSqlDriver* treiber = db.driver();
    if (treiber && treiber->property(TransaktionEigenschaft).toBool())
        return imSicherungspunkt(db, f, was, schreibe);
    bool begonnen = false;
    if (istSqlite(db)) {
        QSqlQuery q(db);
        begonnen = q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        if (!begonnen) {
            qWarning() << was << "begin transaction" << q.lastError().text();
            f = fehler(q.lastError());
            return false;
        }
    } else {
        begonnen = db.transaction();
        if (!begonnen) {
            qWarning() << was << "begin transaction" << db.lastError().text();
            f = fehler(db.lastError());
            return false;
        }
    }
    f = {};
    if (treiber)
        treiber->setProperty(TransaktionEigenschaft, true);
    const bool geschrieben = schreibe();
    if (treiber)
        treiber->setProperty(TransaktionEigenschaft, false);
    if (geschrieben) {
        if (db.commit())
            return true;
        qWarning() << was << "commit" << db.lastError().text();
        f = fehler(db.lastError());
        // The answer to the commit may be what was lost, not the commit itself.
        if (Verbindung::verloren(db, db.lastError())) {
            f.art = Speicherfehler::Ungewiss;
            return false;
        }
    } else if (f.art == Speicherfehler::Keiner) {
        f.art = Speicherfehler::Fehlgeschlagen;
    }
    db.rollback();
    return false;
}

bool Datenbank::schreibe(QSqlDatabase& db, Speicherfehler& f, const char* was,
                         const std::function<bool()>& schreibe,
                         const std::function<bool()>& gespeichert)
{
    QSqlDriver* treiber = db.driver();
    if (gespeichert && treiber && istPostgres(db) && !treiber->property(SitzungEigenschaft).isValid()) {
        QSqlQuery q(db);
        if (q.exec("select pg_backend_pid()") && q.next())
            treiber->setProperty(SitzungEigenschaft, q.value(0));
    }
    if (schreibeEinmal(db, f, was, schreibe))
        return true;
    // A lost connection is opened again, so that the user's "Wiederholen" can
    // succeed; what was written in the transaction is gone with it.
    const bool innen = treiber && treiber->property(TransaktionEigenschaft).toBool();
    if (!innen && (f.art == Speicherfehler::Fehlgeschlagen || f.art == Speicherfehler::Ungewiss)
        && Verbindung::verloren(db, QSqlError(QString(), f.text, QSqlError::UnknownError))) {
        if (f.art == Speicherfehler::Fehlgeschlagen)
            f.art = Speicherfehler::Unterbrochen;
        const QVariant alteSitzung = treiber ? treiber->property(SitzungEigenschaft) : QVariant();
        if (treiber)
            treiber->setProperty(SitzungEigenschaft, QVariant());
        if (Verbindung::oeffneNeu(db) && f.art == Speicherfehler::Ungewiss && gespeichert) {
            warteAufEnde(db, alteSitzung);
            if (gespeichert()) {
                qWarning() << was << DochGespeichert << "- the commit's answer was lost";
                f = {};
                return true;
            }
            f.art = Speicherfehler::Unterbrochen;
        }
    }
    return false;
}

void Datenbank::warteAufEnde(QSqlDatabase& db, const QVariant& sitzung)
{
    // The server may still be committing when the new connection asks; only
    // once the old session has ended does the look-up tell the truth.
    if (!sitzung.isValid())
        return;
    QSqlQuery q(db);
    q.prepare("select 1 from pg_stat_activity where pid = ?");
    q.addBindValue(sitzung);
    QElapsedTimer uhr;
    uhr.start();
    const qint64 grenze = 1000LL * qBound(1, Einstellung::zahl(Einstellung::DatenbankZeitlimit), 3600);
    while (q.exec() && q.next() && uhr.elapsed() < grenze)
        QThread::msleep(20);
}

bool Datenbank::wiederVerbunden(QSqlDatabase& db, const QSqlError& e)
{
    // Inside a transaction the writes before would be gone: schreibe() decides.
    QSqlDriver* treiber = db.driver();
    if (treiber && treiber->property(TransaktionEigenschaft).toBool())
        return false;
    return Verbindung::verloren(db, e) && Verbindung::oeffneNeu(db);
}

bool Datenbank::lies(QSqlDatabase& db, QSqlQuery& q)
{
    if (q.exec())
        return true;
    if (!wiederVerbunden(db, q.lastError()))
        return false;
    // A prepared statement lives on the connection: prepared again on the new one.
    const QString text = q.lastQuery();
    const QVariantList werte = q.boundValues();
    const bool vorwaerts = q.isForwardOnly();
    q = QSqlQuery(db);
    q.setForwardOnly(vorwaerts);
    if (!q.prepare(text))
        return false;
    for (int i = 0; i < werte.size(); ++i)
        q.bindValue(i, werte.at(i));
    return q.exec();
}

bool Datenbank::lies(QSqlDatabase& db, QSqlQuery& q, Speicherfehler& f)
{
    const bool ok = lies(db, q);
    f = ok ? Speicherfehler() : fehler(q.lastError());
    return ok;
}

bool Datenbank::stapel(QSqlDatabase& db, Speicherfehler& f, const char* was, qsizetype anzahl,
                       const std::function<bool(qsizetype)>& einer, QList<bool>& ok,
                       const std::function<bool(qint64, qint64)>& weiter)
{
    ok = QList<bool>(anzahl, false);
    const bool geschrieben = schreibe(db, f, was, [&] {
        for (qsizetype i = 0; i < anzahl; ++i) {
            // Often enough for a moving bar, seldom enough to cost nothing.
            if (i % 64 == 0 && weiter && !weiter(i, anzahl))
                return false;
            ok[i] = einer(i);
        }
        // The last chance to cancel: nothing is committed yet.
        return !weiter || weiter(anzahl, anzahl);
    });
    if (!geschrieben)
        ok.fill(false);
    return geschrieben;
}

void Datenbank::folge(QSqlDatabase& db, const QString& tabelle, QObject* empfaenger,
                      const std::function<void()>& geaendert)
{
    if (!istPostgres(db) || !db.isOpen())
        return;
    const QString kanal = "belegwerk_" + tabelle;
    QSqlDriver* treiber = db.driver();
    // A second store of the same table on this connection shares the subscription.
    if (!treiber->subscribedToNotifications().contains(kanal))
        treiber->subscribeToNotification(kanal);
    QObject::connect(treiber, &QSqlDriver::notification, empfaenger,
                     [kanal, geaendert](const QString& name, QSqlDriver::NotificationSource quelle,
                                        const QVariant&) {
                         if (name == kanal && quelle == QSqlDriver::OtherSource)
                             geaendert();
                     });
}

void Datenbank::melde(QSqlDatabase& db, const QString& tabelle)
{
    if (!istPostgres(db))
        return;
    QSqlQuery q(db);
    q.exec("notify " + db.driver()->escapeIdentifier("belegwerk_" + tabelle, QSqlDriver::TableName));
}

QString Datenbank::pruefe(QSqlDatabase& db)
{
    if (!istSqlite(db) || !db.isOpen())
        return QString();
    QSqlQuery q(db);
    // A file that another program is writing just now is not damaged.
    if (!q.exec(QStringLiteral("PRAGMA quick_check")))
        return fehler(q.lastError()).art == Speicherfehler::Belegt ? QString() : q.lastError().text();
    QStringList befund;
    while (q.next() && befund.size() < 5)
        befund << q.value(0).toString();
    if (befund == QStringList{QStringLiteral("ok")})
        return QString();
    return befund.isEmpty() ? QStringLiteral("quick_check gave no answer") : befund.join('\n');
}

void Datenbank::sperre(QSqlDatabase& db, const QString& grund)
{
    if (db.driver())
        db.driver()->setProperty(SperrEigenschaft, grund);
}

QString Datenbank::sperrgrund(const QSqlDatabase& db)
{
    return db.driver() ? db.driver()->property(SperrEigenschaft).toString() : QString();
}

bool Datenbank::gueltig(double betrag)
{
    return std::isfinite(betrag);
}

bool Datenbank::gueltig(const QDate& d)
{
    return d.isNull() || (d.isValid() && d.year() >= 1 && d.year() <= 9999);
}

bool Datenbank::gueltig(const QDateTime& d)
{
    return d.isNull() || (d.isValid() && gueltig(d.date()));
}

QString Datenbank::pruefeOffset(const QString& key, const QVariant& wert, int* offset)
{
    bool zahl = true;
    const QString text = wert.toString().trimmed();
    const qint64 n = text.isEmpty() ? 0 : text.toLongLong(&zahl);
    if (zahl && n >= 0 && n < GroessteNummer) {
        if (offset)
            *offset = int(n);
        return QString();
    }
    return tr("Der Nummernversatz %1 = \"%2\" liegt nicht zwischen 0 und %3.")
        .arg(key, wert.toString(), QString::number(GroessteNummer - 1));
}

void Datenbank::erweitereSpalte(QSqlDatabase& db, const QString& tabelle, const QString& spalte,
                                int laenge)
{
    // SQLite keeps any length whatever the declaration says.
    if (!istPostgres(db))
        return;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("select character_maximum_length from information_schema.columns "
                             "where table_schema=current_schema() and table_name=:tabelle "
                             "and column_name=:spalte"));
    q.bindValue(QStringLiteral(":tabelle"), tabelle);
    q.bindValue(QStringLiteral(":spalte"), spalte);
    if (!q.exec() || !q.next() || q.value(0).isNull() || q.value(0).toInt() >= laenge)
        return;
    QSqlQuery a(db);
    if (!a.exec(sql(db, QString("alter table %1 alter column [%2] type varchar(%3)")
                            .arg(tabelle, spalte, QString::number(laenge)))))
        qWarning() << "widening" << tabelle << spalte << a.lastError().text();
}

bool Datenbank::aendereSchema(QSqlDatabase& db, const QString& anweisung)
{
    QSqlQuery q(db);
    if (q.exec(anweisung))
        return true;
    qWarning() << "error changing the schema" << q.lastError().text() << q.lastQuery();
    return false;
}

void Datenbank::erzeugeTabelle(QSqlDatabase& db, const QString& tabelle, const QString& spalten)
{
    // The table as the statements find it (search path), not only in one schema.
    if (db.record(tabelle).isEmpty())
        aendereSchema(db, sql(db, QString("create table %1 (%2)").arg(tabelle, spalten)));
}

void Datenbank::ergaenzeSpalte(QSqlDatabase& db, const QString& tabelle, const QString& spalte,
                               const QString& typ)
{
    // Field names compare without case, as SQLite does.
    const QSqlRecord spalten = db.record(tabelle);
    if (!spalten.isEmpty() && !spalten.contains(spalte))
        aendereSchema(db, sql(db, QString("alter table %1 add column [%2] %3").arg(tabelle, spalte, typ)));
}

void Datenbank::erzeuge(QSqlDatabase& db, const QString& name, const QString& anweisung)
{
    QSqlQuery q(db);
    q.prepare(istPostgres(db)
                  ? QStringLiteral("select 1 from pg_indexes where schemaname=current_schema() and indexname=:n "
                                   "union all select 1 from pg_trigger t join pg_class c on c.oid=t.tgrelid "
                                   "join pg_namespace s on s.oid=c.relnamespace "
                                   "where s.nspname=current_schema() and t.tgname=:n")
                  : QStringLiteral("select 1 from sqlite_master where type in ('index','trigger') and name=:n"));
    q.bindValue(QStringLiteral(":n"), name);
    if (!q.exec()) {
        qWarning() << "error reading the schema" << q.lastError().text();
        return;
    }
    if (!q.next())
        aendereSchema(db, anweisung);
}
