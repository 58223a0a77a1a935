#include "store/sqlkundenstore.h"

#include "store/datenbank.h"
#include "store/listenmodell.h"

#include <QDebug>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

const char* const Spalten =
    "[Firma],[Name],[Strasse],[Ort],[Email],[Tel],[Tel2],[Fax],[Typ],[PLZ],[Bemerkung],[IBAN],"
    "[BIC],[Steuernummer],[Seit],[Land],[Siren],[EAdresse],[LeitwegId],[Lieferanschrift]";
// Serialises the numbering of new customers (pg_advisory_xact_lock).
const char* const NummernSperre = "select pg_advisory_xact_lock(1114841446)";
const char* const Werte =
    ":firma,:name,:strasse,:ort,:email,:tel,:tel2,:tel3,:typ,:plz,:bemerkung,:iban,:bic,"
    ":steuernummer,:seit,:land,:siren,:eadresse,:leitwegid,:lieferanschrift";

}  // namespace

SqlKundenStore::SqlKundenStore(QObject* parent, const QString& verbindung)
    : KundenStore(parent), m_db(QSqlDatabase::database(verbindung)), m_listen(m_db, "kunden")
{
    connect(this, &SqlKundenStore::storeChanged, this, &SqlKundenStore::updateModel);
    // Another workstation's change reaches the lists as if made here.
    Datenbank::folge(m_db, "kunden", this, [this] { emit storeChanged(); });
}

void SqlKundenStore::createTable()
{
    if (!Datenbank::sperrgrund(m_db).isEmpty())
        return;
    Datenbank::erzeugeTabelle(m_db, "kunden",
        "[Nr] integer primary key,[Firma] varchar(255),[Name] varchar(255),"
        "[Strasse] varchar(255),[Ort] varchar(255),[Email] varchar(255),[Tel] varchar(255),"
        "[Tel2] varchar(255),[Fax] varchar(255),[PLZ] varchar(10),[Bemerkung] varchar(255),"
        "[Typ] integer,[IBAN] varchar(80),[BIC] varchar(80),[Steuernummer] varchar(80),[Seit] Date");
    // Added later.
    Datenbank::ergaenzeSpalte(m_db, "kunden", "Land", "varchar(255)");
    Datenbank::ergaenzeSpalte(m_db, "kunden", "Version", "int default 0");
    for (const char* spalte : {"Siren", "EAdresse", "LeitwegId"})
        Datenbank::ergaenzeSpalte(m_db, "kunden", spalte, "varchar(255)");
    Datenbank::ergaenzeSpalte(m_db, "kunden", "Lieferanschrift", "text");
    // Postcodes of every country; the file of an older program held five characters.
    Datenbank::erweitereSpalte(m_db, "kunden", "PLZ", 10);
    m_listen.spaltenNeu("Version");
}

bool SqlKundenStore::misslungen(const char* was, const QSqlQuery& q, bool mitStatement)
{
    if (mitStatement)
        qWarning() << was << q.lastError().text() << q.lastQuery();
    else
        qWarning() << was << q.lastError().text();
    m_fehler = Datenbank::fehler(q.lastError());
    return false;
}

bool SqlKundenStore::pruefeKunde(const Kunde& k, Speicherfehler& f)
{
    if (Datenbank::gueltig(k.Seit))
        return true;
    qWarning() << "DB" << Datenbank::Unmoeglich << k;
    f = {Speicherfehler::Ungueltig,
         tr("Das Datum \"Kunde seit\" liegt nicht in den Jahren 1 bis 9999.")};
    return false;
}

int SqlKundenStore::naechsteNr()
{
    QSqlQuery q(m_db);
    // Serialises the numbering of the programs sharing a PostgreSQL database;
    // SQLite serialises every write transaction already.
    if (Datenbank::istPostgres(m_db) && !q.exec(NummernSperre)) {
        misslungen("DB", q);
        return 0;
    }
    q.prepare(Datenbank::sql(m_db, "select max([Nr]) from kunden where [Nr] between 1 and :groesste"));
    q.bindValue(":groesste", Datenbank::GroessteNummer);
    if (!q.exec()) {
        misslungen("DB", q);
        return 0;
    }
    const qint64 max = q.next() ? q.value(0).toLongLong() : 0;
    if (max >= Datenbank::GroessteNummer) {
        qWarning() << "DB no customer number left";
        m_fehler = {Speicherfehler::Ungueltig, tr("Es ist keine Kundennummer mehr frei.")};
        return 0;
    }
    return int(max) + 1;
}

bool SqlKundenStore::insertKunde(Kunde& k)
{
    // A number of 0 or below (a new customer, or one imported so) gets the
    // next number; one beyond the range would stop the numbering after it.
    if (k.Nr > Datenbank::GroessteNummer) {
        qWarning() << "DB" << Datenbank::Unmoeglich << "- customer number" << k.Nr;
        m_fehler = {Speicherfehler::Ungueltig,
                    tr("Die Kundennummer %1 liegt nicht zwischen 1 und %2.")
                        .arg(k.Nr)
                        .arg(Datenbank::GroessteNummer)};
        return false;
    }
    const int nr = k.Nr > 0 ? k.Nr : naechsteNr();
    if (nr == 0)
        return false;
    QSqlQuery q(m_db);
    q.prepare(Datenbank::sql(m_db, QString("insert into kunden ([Nr],%1) values (:nr,%2)")
                                       .arg(Spalten, Werte)));
    q.bindValue(":nr", nr);
    bindKunde(q, k, ":tel3");
    q.bindValue(":seit", k.Seit.isValid() ? k.Seit : QDate::currentDate());
    if (!q.exec())
        return misslungen("DB", q);
    if (Datenbank::istPostgres(m_db)) {
        // The key sequence, used by programs that leave the number to the
        // database, must not hand out a number given here.
        QSqlQuery s(m_db);
        if (!s.exec(Datenbank::sql(m_db, QString("select setval(pg_get_serial_sequence('kunden','Nr'),"
                                                 "max([Nr])) from kunden where [Nr] between 1 and %1")
                                             .arg(Datenbank::GroessteNummer))))
            return misslungen("DB", s);
    }
    Datenbank::melde(m_db, "kunden");
    k.Nr = nr;
    return true;
}

bool SqlKundenStore::addKunde(Kunde& k)
{
    if (!pruefeKunde(k, m_fehler))
        return false;
    Kunde neu = k;
    if (!Datenbank::schreibe(m_db, m_fehler, "DB", [&] { return insertKunde(neu); }))
        return false;
    k.Nr = neu.Nr;
    m_versionen.insert(k.Nr, 0);
    emit storeChanged();
    return true;
}

bool SqlKundenStore::addKunden(QList<Kunde>& kunden, QList<bool>& gespeichert,
                               const std::function<bool(qint64, qint64)>& weiter)
{
    const QList<Kunde> vorher = kunden;
    QList<int> neu;  // numbers taken; forgotten again when the transaction is undone
    bool ok = false;
    {
        // addKunde() tells the lists of every customer; they are told once below.
        const QSignalBlocker stumm(this);
        ok = Datenbank::stapel(
            m_db, m_fehler, "DB", kunden.size(),
            [&](qsizetype i) {
                if (!addKunde(kunden[i]))
                    return false;
                neu.append(kunden.at(i).Nr);
                return true;
            },
            gespeichert, weiter);
    }
    if (!ok) {
        for (const int nr : std::as_const(neu))
            m_versionen.remove(nr);
        kunden = vorher;
        return false;
    }
    emit storeChanged();
    return true;
}

bool SqlKundenStore::saveKunde(const Kunde& k)
{
    if (k.Nr < 1) {
        qWarning() << "Kundennummer <1";
        m_fehler = {Speicherfehler::Fehlgeschlagen, tr("Der Kunde hat keine Kundennummer.")};
        return false;
    }
    if (!pruefeKunde(k, m_fehler))
        return false;
    qDebug() << "saveKunde" << k.Nr << k.Name << k.Typ;
    // Only a customer read by this store can have been changed elsewhere since.
    const bool geprueft = m_versionen.contains(k.Nr);
    const int version = m_versionen.value(k.Nr);
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "DB", [&] {
        QSqlQuery q(m_db);
        q.prepare(Datenbank::sql(m_db,
            QString("update kunden set %1 ,[Version]=coalesce([Version],0)+1 where [Nr]=:nr%2")
                .arg(Zuweisungen, geprueft ? " and coalesce([Version],0)=:version" : "")));
        bindKunde(q, k, ":Fax");
        q.bindValue(":nr", k.Nr);
        if (geprueft)
            q.bindValue(":version", version);
        if (!q.exec())
            return misslungen("DB", q, true);
        if (geprueft && q.numRowsAffected() == 0) {
            qWarning() << "DB customer" << Datenbank::Geaendert << k.Nr;
            m_fehler = {Speicherfehler::Geaendert, QString()};
            return false;
        }
        Datenbank::melde(m_db, "kunden");
        return true;
    });
    if (!ok)
        return false;
    if (geprueft)
        m_versionen.insert(k.Nr, version + 1);
    emit storeChanged();
    return true;
}

bool SqlKundenStore::delKunde(int nr)
{
    const bool ok = Datenbank::schreibe(m_db, m_fehler, "DB", [&] {
        QSqlQuery q(m_db);
        if (!Datenbank::mitNummer(q, m_db, "delete from kunden where [Nr]=:nr", nr))
            return misslungen("DB", q);
        Datenbank::melde(m_db, "kunden");
        return true;
    });
    m_versionen.remove(nr);
    emit storeChanged();
    return ok;
}

void SqlKundenStore::bindKunde(QSqlQuery& q, const Kunde& k, const QString& faxPlaceholder)
{
    q.bindValue(":firma", k.Firma);
    q.bindValue(":name", k.Name);
    q.bindValue(":strasse", k.Strasse);
    q.bindValue(":ort", k.Ort);
    q.bindValue(":email", k.Email);
    q.bindValue(":tel", k.Tel);
    q.bindValue(":tel2", k.Tel2);
    q.bindValue(faxPlaceholder, k.Fax);
    q.bindValue(":typ", k.Typ);
    q.bindValue(":plz", k.PLZ);
    q.bindValue(":bemerkung", k.Bemerkung);
    q.bindValue(":iban", k.IBAN);
    q.bindValue(":bic", k.BIC);
    q.bindValue(":steuernummer", k.Steuernummer);
    q.bindValue(":land", k.Land);
    q.bindValue(":siren", k.Siren);
    q.bindValue(":eadresse", k.EAdresse);
    q.bindValue(":leitwegid", k.LeitwegId);
    q.bindValue(":lieferanschrift", k.Lieferanschrift);
}

Kunde SqlKundenStore::kundeFromQuery(const QSqlQuery& q)
{
    const QSqlRecord r = q.record();
    Kunde k;
    k.Nr = r.value("Nr").toInt();
    k.Firma = r.value("Firma").toString();
    k.Name = r.value("Name").toString();
    k.Strasse = r.value("Strasse").toString();
    k.Ort = r.value("Ort").toString();
    k.Email = r.value("Email").toString();
    k.Tel = r.value("Tel").toString();
    k.Tel2 = r.value("Tel2").toString();
    k.Fax = r.value("Fax").toString();
    k.PLZ = r.value("PLZ").toString();
    k.Bemerkung = r.value("Bemerkung").toString();
    k.IBAN = r.value("IBAN").toString();
    k.BIC = r.value("BIC").toString();
    k.Steuernummer = r.value("Steuernummer").toString();
    k.Typ = r.value("Typ").toInt();
    k.Seit = r.value("Seit").toDate();
    k.Land = r.value("Land").toString();
    k.Siren = r.value("Siren").toString();
    k.EAdresse = r.value("EAdresse").toString();
    k.LeitwegId = r.value("LeitwegId").toString();
    k.Lieferanschrift = r.value("Lieferanschrift").toString();
    return k;
}

Kunde SqlKundenStore::gelesen(const QSqlQuery& q)
{
    const Kunde k = kundeFromQuery(q);
    m_versionen.insert(k.Nr, q.value("Version").toInt());
    return k;
}

QList<Kunde> SqlKundenStore::kundenWhere(const QString& where, const QVariantMap& werte)
{
    QSqlQuery q(m_db);
    q.setForwardOnly(Datenbank::vorwaerts(m_db));
    q.prepare(Datenbank::sql(m_db, "select * from kunden where " + where));
    Datenbank::binde(q, werte);
    QList<Kunde> kunden;
    if (!Datenbank::lies(m_db, q, m_fehler))
        return kunden;
    while (q.next())
        kunden.append(gelesen(q));
    return kunden;
}

Kunde SqlKundenStore::getKunde(int nr)
{
    return kundenWhere("[Nr]=:nr", {{":nr", nr}}).value(0);
}

Kunde SqlKundenStore::getKundeByTel(const QString& tel)
{
    return kundenWhere("[Tel] like :tel or [Tel2] like :tel2 or [Fax] like :tel3",
                       {{":tel", tel}, {":tel2", tel}, {":tel3", tel}})
        .value(0);
}

QList<Kunde> SqlKundenStore::getKundenByName(const QString& name)
{
    return kundenWhere("[Name] like :name", {{":name", name}});
}

QList<Kunde> SqlKundenStore::getKundenByStrasse(const QString& strasse)
{
    return kundenWhere("[Strasse] like :strasse", {{":strasse", strasse}});
}

QList<Kunde> SqlKundenStore::getKundenByOrt(const QString& ort)
{
    return kundenWhere("[Ort] like :ort", {{":ort", ort}});
}

QList<Kunde> SqlKundenStore::getKunden()
{
    return kundenWhere("1=1", {});
}

Kunde SqlKundenStore::getKundeByEmail(const QString& email)
{
    return kundenWhere("[Email] like :email", {{":email", email}}).value(0);
}

QSqlTableModel* SqlKundenStore::model()
{
    return m_listen.ganz();
}

QString SqlKundenStore::filterText(const QSqlDatabase& db, int typ, const QString& text)
{
    // Every word typed must occur somewhere in the customer's number, name,
    // company, street, postcode, town, telephone numbers or e-mail address.
    // The driver quotes each pattern its own way (some drivers also give the
    // backslash a meaning). "%" and "_" typed are searched for as such:
    // escaped by "!", which no driver treats specially in a literal
    // (PostgreSQL's default LIKE escape, the backslash, would swallow a typed one).
    QStringList bedingungen;
    if (typ > 0)
        bedingungen << Datenbank::sql(db, "[Typ]=%1").arg(typ - 1);
    const QStringList woerter = db.driver() ? text.split(QRegularExpression("\\s+"), Qt::SkipEmptyParts)
                                            : QStringList();
    for (const QString& wort : woerter) {
        QString woertlich = wort;
        woertlich.replace(QLatin1Char('!'), QLatin1String("!!"))
            .replace(QLatin1Char('%'), QLatin1String("!%"))
            .replace(QLatin1Char('_'), QLatin1String("!_"));
        QSqlField feld{QString(), QMetaType(QMetaType::QString)};
        feld.setValue(QString(QLatin1Char('%') + woertlich + QLatin1Char('%')));
        const QString muster = db.driver()->formatValue(feld);
        QStringList spalten;
        for (const char* spalte : {"Name", "Firma", "Strasse", "PLZ", "Ort", "Tel", "Tel2", "Email"})
            spalten << Datenbank::sql(db, QString("[%1] like ").arg(spalte)) + muster
                           + QLatin1String(" escape '!'");
        bool zahl = false;
        const qlonglong nr = wort.toLongLong(&zahl);
        if (zahl && nr > 0)
            spalten << Datenbank::sql(db, "[Nr]=%1").arg(nr);
        bedingungen << "( " + spalten.join(" or ") + " )";
    }
    return bedingungen.join(" and ");
}

QSqlTableModel* SqlKundenStore::filterModel(int typ, const QString& text, int sortSpalte,
                                            Qt::SortOrder ordnung)
{
    return m_listen.behalte(new ListenModell(this, m_db), filterText(m_db, typ, text), m_fehler, sortSpalte,
                            ordnung);
}

void SqlKundenStore::updateModel()
{
    m_listen.liesNeu();
}
