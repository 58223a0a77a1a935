#include "tests/support/sicherungsdaten.h"

#include "store/datenbank.h"
#include "store/datensicherung.h"
#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"

#include <QCryptographicHash>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QtEndian>
#include <QtTest>

#include <sqlite3.h>

namespace {

void archiviere(QSqlDatabase db, int nr, const QByteArray& pdf)
{
    QSqlQuery q(db);
    q.prepare(Datenbank::sql(db, "insert into belegarchiv ([Auftrag],[Zeit],[Sha256],[Datei]) values (:n,:z,:s,:d)"));
    Datenbank::binde(q, {{":n", nr}, {":z", "2024-05-06T10:00:00"}, {":d", pdf},
                         {":s", QString::fromLatin1(QCryptographicHash::hash(pdf, QCryptographicHash::Sha256).toHex())}});
    QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    QVERIFY(q.exec(Datenbank::sql(db, QString("update auftrag set [Ausgestellt]='2024-05-06T10:00:00', "
                                              "[BelegNr]='RE-%1' where [Nr]=%1").arg(nr))));
}

// The first format's hash: for every table its name, its columns' names and
// every value in rowid order, each as type, length in four bytes and bytes.
QString zeilenHash(sqlite3* db, const QStringList& tabellen)
{
    QCryptographicHash h(QCryptographicHash::Sha256);
    const auto feld = [&h](char art, const void* daten, int n) {
        const char kopf[5] = {art, char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
        h.addData(QByteArrayView(kopf, 5));
        h.addData(QByteArrayView(static_cast<const char*>(daten), n));
    };
    for (const QString& t : tabellen) {
        sqlite3_stmt* s = nullptr;
        sqlite3_prepare_v2(db, qPrintable("select * from " + t + " order by rowid"), -1, &s, nullptr);
        feld('t', t.toUtf8().constData(), int(t.toUtf8().size()));
        for (int i = 0; i < sqlite3_column_count(s); ++i)
            feld('c', sqlite3_column_name(s, i), int(qstrlen(sqlite3_column_name(s, i))));
        while (sqlite3_step(s) == SQLITE_ROW) {
            for (int i = 0; i < sqlite3_column_count(s); ++i) {
                const int typ = sqlite3_column_type(s, i);
                if (typ == SQLITE_NULL) {
                    feld('n', nullptr, 0);
                } else if (typ == SQLITE_INTEGER) {
                    const qint64 z = qToBigEndian(qint64(sqlite3_column_int64(s, i)));
                    feld('i', &z, 8);
                } else if (typ == SQLITE_FLOAT) {
                    const double d = qToBigEndian(sqlite3_column_double(s, i));
                    feld('f', &d, 8);
                } else {
                    feld(typ == SQLITE_BLOB ? 'b' : 's', sqlite3_column_blob(s, i), sqlite3_column_bytes(s, i));
                }
            }
        }
        sqlite3_finalize(s);
    }
    return QString::fromLatin1(h.result().toHex());
}

// Changes the backup through SQLite with the statements the art asks for.
void aendere(const QString& datei, const QString& art)
{
    {
        QSqlDatabase s = QSqlDatabase::addDatabase("QSQLITE", "schaden");
        s.setDatabaseName(datei);
        QVERIFY(s.open());
        QSqlQuery q(s);
        if (art == "format1") {
            sqlite3* h = *static_cast<sqlite3* const*>(s.driver()->handle().constData());
            const QString sha = zeilenHash(h, Datensicherung::tabellen(s) << "belegwerk_einstellungen");
            QVERIFY(q.exec("update belegwerk_manifest set Wert='1' where Schluessel='Format'"));
            QVERIFY(q.exec("update belegwerk_manifest set Wert='" + sha + "' where Schluessel='Sha256'"));
        } else {
            QVERIFY(q.exec(art == "fremd" ? "drop table belegwerk_manifest"
                                          : "update auftragslines set Preis=Preis+1 where Nr=11"));
        }
    }
    QSqlDatabase::removeDatabase("schaden");  // closes it
}

}  // namespace

Auftrag Sicherungsdaten::auftrag(int zeilen, int typ)
{
    Auftrag a;
    a.Typ = typ;
    a.Eingang = QDateTime(QDate(2024, 5, 6), QTime(10, 0));
    a.Kunde.Nr = 1;
    a.Kunde.Name = "Roux";
    a.BestellNr = QString::number(zeilen);
    for (int i = 0; i < zeilen; ++i)
        a.Zeilen.append(AuftragsLine{i + 1.0, "Kabel", "K1", "lang", 2.5 + i});
    return a;
}

void Sicherungsdaten::fuelle()
{
    SqlProduktStore produkte(nullptr);
    SqlKundenStore kunden(nullptr);
    SqlAuftragsStore auftraege(nullptr);
    produkte.createTable();
    kunden.createTable();
    auftraege.createTables();
    for (int i = 0; i < 3; ++i) {
        Kunde k;
        k.Name = QString("Kunde %1 äöü").arg(i);
        k.Bemerkung = i == 1 ? QString() : "Zeile\nzwei";
        QVERIFY(kunden.addKunde(k));
        QVERIFY(produkte.addProdukt(Produkt(QString("P%1").arg(i), "Kabel", 0.1 * i)));
    }
    for (int i = 0; i < 12; ++i) {
        Auftrag a = auftrag(i % 4 + 1, i % 4);
        QVERIFY(auftraege.addAuftrag(a));
    }
    for (int nr = 1; nr <= 3; ++nr)
        archiviere(QSqlDatabase::database(), nr, "%PDF-1.7\n" + QByteArray(2000, char(nr)) + QByteArray("\0\xff", 2));
}

QMap<QString, QList<QStringList>> Sicherungsdaten::inhalt(const QSqlDatabase& db)
{
    QMap<QString, QList<QStringList>> alles;
    for (const QString& t : Datensicherung::tabellen(db)) {
        QSqlQuery q(db);
        q.exec(QString("select * from %1 order by 1, 2").arg(t));
        while (q.next()) {
            QStringList zeile;
            for (int i = 0; i < q.record().count(); ++i) {
                const QVariant v = q.value(i);
                const int typ = v.metaType().id();
                zeile << (v.isNull()                         ? "NULL"
                          : typ == QMetaType::QByteArray ? QString::fromLatin1(v.toByteArray().toHex())
                          : typ == QMetaType::QDateTime  ? v.toDateTime().toString(Qt::ISODate)
                                                         : v.toString());
            }
            alles[t] << zeile;
        }
    }
    return alles;
}

void Sicherungsdaten::beschaedige(const QString& datei, const QString& art)
{
    QFile f(datei);
    if (art == "kippen") {  // a byte 2 inside the second document becomes 0x22
        QVERIFY(f.open(QIODevice::ReadWrite));
        const qsizetype stelle = f.readAll().indexOf(QByteArray(2000, char(2))) + 1000;
        QVERIFY(stelle > 1000 && f.seek(stelle) && f.write("\x22", 1) == 1);
    } else if (art == "abschneiden") {
        QVERIFY(f.resize(f.size() / 2));
    } else if (art == "text") {
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QByteArray("Nr;Name\n").repeated(40));
    } else if (art == "fehlt") {
        QVERIFY(f.remove());
    } else if (art == "aendern" || art == "fremd" || art == "format1") {
        aendere(datei, art);
    }
}
