#include "store/verbindung.h"

#include "platform/einstellung.h"
#include "store/datenbank.h"

#include <QDebug>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>

#include <unistd.h>

namespace {

// A value of a libpq connect string, quoted so that blanks and quotes stay in it.
QString pqWert(QString w)
{
    w.replace('\\', QStringLiteral("\\\\")).replace('\'', QStringLiteral("\\'"));
    return '\'' + w + '\'';
}

}  // namespace

QStringList Verbindung::treiber()
{
    return {QStringLiteral("QSQLITE"), QStringLiteral("QPSQL")};
}

QStringList Verbindung::sslModi()
{
    return {QStringLiteral("disable"), QStringLiteral("prefer"), QStringLiteral("require"),
            QStringLiteral("verify-full")};
}

QString Verbindung::pruefe(const QString& treiber, const QString& name)
{
    // Another driver could be handed a "database name" that loads a library.
    if (!Verbindung::treiber().contains(treiber))
        return tr("Der Datenbanktreiber \"%1\" wird nicht unterstützt (nur %2).")
            .arg(treiber, Verbindung::treiber().join(QStringLiteral(", ")));
    if (treiber != QLatin1String("QSQLITE") || name == QLatin1String(":memory:"))
        return QString();
    // The customers' data must not land in a file that others can read or swap.
    const QFileInfo datei(name);
    if (!datei.exists())
        return QString();
    if (datei.ownerId() != ::geteuid())
        return tr("Die Datenbankdatei %1 gehört einem anderen Benutzer (%2).")
            .arg(name, datei.owner().isEmpty() ? QString::number(datei.ownerId()) : datei.owner());
    if (datei.permissions() & (QFile::WriteGroup | QFile::WriteOther))
        return tr("Die Datenbankdatei %1 ist für andere Benutzer beschreibbar.").arg(name);
    return QString();
}

void Verbindung::richteEin(QSqlDatabase& db, const QSettings& s)
{
    if (db.driverName() != QLatin1String("QPSQL"))
        return;
    const int sekunden = qBound(1, Einstellung::zahl(Einstellung::DatenbankZeitlimit, s), 3600);
    const QString n = QString::number(sekunden), ms = QString::number(sekunden * 1000);
    // A lock wait ends just before the statement would, so that it names its cause.
    const QString statementMs = QString::number(sekunden * 1000 + 500);
    QString ssl = Einstellung::text(Einstellung::DatenbankSSL, s);
    if (!sslModi().contains(ssl))
        ssl = Einstellung::standard(Einstellung::DatenbankSSL).toString();
    QStringList o{"connect_timeout=" + n, "keepalives=1", "keepalives_idle=" + n,
                  "keepalives_interval=" + QString::number(qMax(1, sekunden / 3)),
                  "keepalives_count=3", "tcp_user_timeout=" + ms, "sslmode=" + ssl,
                  // A workstation that hangs in a transaction holds its locks no longer than this.
                  "options=" + pqWert("-c statement_timeout=" + statementMs + " -c lock_timeout=" + ms
                                      + " -c idle_in_transaction_session_timeout=" + ms)};
    const QString ca = Einstellung::text(Einstellung::DatenbankCA, s);
    if (!ca.isEmpty())
        o << "sslrootcert=" + pqWert(ca);
    db.setConnectOptions(o.join(' '));
}

QString Verbindung::zertifikatAbgelehnt(const QSqlDatabase& db, const QSqlError& e, const QSettings& s)
{
    // libpq's words (OpenSSL's for the chain).
    const QString text = e.text();
    if (db.driverName() != QLatin1String("QPSQL")
        || (!text.contains(QLatin1String("certificate verify failed"))
            && !text.contains(QLatin1String("does not match host name"))))
        return QString();
    const QString ca = Einstellung::text(Einstellung::DatenbankCA, s);
    return tr("Das Zertifikat des Servers ist nicht von der CA-Datei \"%1\" bestätigt oder nicht für "
              "\"%2\" ausgestellt (SSL: %3).")
        .arg(ca.isEmpty() ? QStringLiteral("~/.postgresql/root.crt") : ca, db.hostName(),
             Einstellung::text(Einstellung::DatenbankSSL, s));
}

bool Verbindung::zeitUeberschritten(const QSqlError& e)
{
    // query_canceled (statement_timeout), lock_not_available (lock_timeout).
    const QString code = e.nativeErrorCode();
    return code == QLatin1String("57014") || code == QLatin1String("55P03");
}

bool Verbindung::verloren(QSqlDatabase& db, const QSqlError& e)
{
    // A connection the server dropped no longer counts as open.
    if (!Datenbank::istPostgres(db))
        return false;
    if (!db.isOpen())
        return true;
    if (!e.isValid())
        return false;
    // Connection exceptions, and the server ending the session (shutdown, idle
    // transaction); any other code is an answer of a working connection.
    const auto beendet = [](const QString& code) {
        return code.isEmpty() || code.startsWith(QLatin1String("08"))
               || code.startsWith(QLatin1String("57P")) || code == QLatin1String("25P03");
    };
    if (!beendet(e.nativeErrorCode()))
        return false;
    QSqlQuery q(db);
    return !q.exec(QStringLiteral("select 1")) && beendet(q.lastError().nativeErrorCode());
}

bool Verbindung::oeffneNeu(QSqlDatabase& db)
{
    QSqlDriver* treiber = db.driver();
    const QStringList kanaele = treiber ? treiber->subscribedToNotifications() : QStringList();
    db.close();
    if (!db.open()) {
        qWarning() << "reconnecting" << db.lastError().text();
        return false;
    }
    for (const QString& k : kanaele)
        treiber->subscribeToNotification(k);
    qDebug() << "database connection opened again";
    return true;
}
