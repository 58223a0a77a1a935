#include "store/sicherungsplan.h"

#include "platform/einstellung.h"
#include "platform/privateablage.h"
#include "store/datensicherung.h"

#include <QDateTime>
#include <QDir>
#include <QMap>
#include <QSet>

namespace {

const QString Vorsilbe = QStringLiteral("belegwerk-");

}  // namespace

QString Sicherungsplan::dateiname(const QDate& tag)
{
    return Vorsilbe + tag.toString(Qt::ISODate) + QString::fromLatin1(Datensicherung::Endung);
}

QDate Sicherungsplan::tagVon(const QString& datei)
{
    const QString endung = QString::fromLatin1(Datensicherung::Endung);
    if (!datei.startsWith(Vorsilbe) || !datei.endsWith(endung))
        return QDate();
    const QDate tag = QDate::fromString(datei.mid(Vorsilbe.size(), 10), Qt::ISODate);
    return datei == dateiname(tag) ? tag : QDate();
}

QStringList Sicherungsplan::behalten(const QStringList& dateien)
{
    QList<QDate> tage;
    for (const QString& d : dateien) {
        const QDate tag = tagVon(d);
        if (tag.isValid())
            tage << tag;
    }
    std::sort(tage.begin(), tage.end(), std::greater<QDate>());
    QSet<QDate> bleiben;
    QSet<qint64> wochen;
    QSet<qint64> monate;
    for (const QDate& tag : std::as_const(tage)) {
        if (bleiben.size() < 7)
            bleiben << tag;
        int jahr = 0;
        const qint64 woche = tag.weekNumber(&jahr) + 100LL * jahr;
        if (!wochen.contains(woche) && wochen.size() < 4) {
            wochen << woche;
            bleiben << tag;
        }
        const qint64 monat = tag.month() + 100LL * tag.year();
        if (!monate.contains(monat) && monate.size() < 12) {
            monate << monat;
            bleiben << tag;
        }
    }
    QStringList liste;
    for (const QString& d : dateien) {
        if (bleiben.contains(tagVon(d)))
            liste << d;
    }
    return liste;
}

QString Sicherungsplan::taeglich(const QSqlDatabase& db, const QDateTime& jetzt)
{
    const QDir ordner(Einstellung::text(Einstellung::SicherungOrdner));
    const QString datei = dateiname(jetzt.date());
    if (ordner.exists(datei))
        return QString();
    QString fehler;
    if (!PrivateAblage::ordner(ordner.absolutePath()))
        fehler = tr("Der Ordner %1 lässt sich nicht anlegen.").arg(ordner.absolutePath());
    else
        fehler = Datensicherung::sichere(db, ordner.absoluteFilePath(datei));
    if (!fehler.isEmpty()) {
        Einstellung::setze(Einstellung::SicherungFehler, fehler);
        return fehler;
    }
    Einstellung::setze(Einstellung::SicherungLetzte, jetzt.toString(Qt::ISODate));
    Einstellung::setze(Einstellung::SicherungFehler, QString());
    const QStringList alle = ordner.entryList(QDir::Files);
    const QStringList bleiben = behalten(alle);
    for (const QString& d : alle) {
        if (tagVon(d).isValid() && !bleiben.contains(d))
            QFile::remove(ordner.absoluteFilePath(d));
    }
    return QString();
}
