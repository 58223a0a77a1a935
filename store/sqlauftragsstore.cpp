#include "store/sqlauftragsstore.h"

#include "records/codetabellen.h"
#include "store/sqlkundenstore.h"

#include <QDebug>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QVariant>

namespace {

double summeDerZeilen(const Auftrag& a)
{
    double s = 0.0;
    for (const AuftragsLine& l : a.Zeilen)
        s += l.Preis;
    return s;
}

// Date-times are stored as ISO 8601 text; binding the same text keeps the
// comparisons of the date-range query exact at both ends.
QString isoText(const QDateTime& dt)
{
    return dt.toString(Qt::ISODate);
}

void bindAuftragsZeile(QSqlQuery& q, const Auftrag& a)
{
    q.bindValue(":knr", a.Kunde.Nr);
    q.bindValue(":firma", a.Kunde.Firma);
    q.bindValue(":name", a.Kunde.Name);
    q.bindValue(":strasse", a.Kunde.Strasse);
    q.bindValue(":plz", a.Kunde.PLZ);
    q.bindValue(":ort", a.Kunde.Ort);
    q.bindValue(":bemerkung", a.Kunde.Bemerkung);
    q.bindValue(":summe", summeDerZeilen(a));
    q.bindValue(":eingang", isoText(a.Eingang));
    q.bindValue(":lieferung", isoText(a.Lieferung));
    q.bindValue(":status", a.Status);
    q.bindValue(":typ", a.Typ);
    q.bindValue(":zahl", a.Zahlung);
    q.bindValue(":bestell", a.BestellNr);
    q.bindValue(":dienst", a.Dienst);
    q.bindValue(":komentar", a.Komentar);
}

Auftrag auftragFromQuery(const QSqlQuery& q)
{
    const QSqlRecord r = q.record();
    Auftrag a;
    a.Nr = r.value("Nr").toInt();
    a.Typ = r.value("Typ").toInt();
    a.Zahlung = r.value("Zahlung").toInt();
    a.Dienst = r.value("Dienst").toInt();
    a.BestellNr = r.value("BestellNr").toInt();
    a.Status = r.value("Status").toInt();
    a.AuftragsNr = r.value("AuftragsNr").toInt();
    a.Summe = r.value("Summe").toDouble();
    a.Eingang = r.value("Eingang").toDateTime();
    a.Lieferung = r.value("Lieferung").toDateTime();
    a.Komentar = r.value("Komentar").toString();
    a.Kunde.Nr = r.value("KundenNr").toInt();
    a.Kunde.Firma = r.value("Firma").toString();
    a.Kunde.Name = r.value("Name").toString();
    a.Kunde.Strasse = r.value("Strasse").toString();
    a.Kunde.PLZ = r.value("PLZ").toString();
    a.Kunde.Ort = r.value("Ort").toString();
    a.Kunde.Bemerkung = r.value("Bemerkung").toString();
    return a;
}

AuftragsLine lineFromQuery(const QSqlQuery& q)
{
    const QSqlRecord r = q.record();
    AuftragsLine l;
    l.Anzahl = r.value("Anzahl").toInt();
    l.ProduktNr = r.value("ProduktNr").toString();
    l.Produkt = r.value("Produkt").toString();
    l.Komentar = r.value("Komentar").toString();
    l.Preis = r.value("Preis").toDouble();
    return l;
}

void bindAll(QSqlQuery& q, const QVariantMap& werte)
{
    for (auto it = werte.cbegin(); it != werte.cend(); ++it)
        q.bindValue(it.key(), it.value());
}

const char* const insertLineStatement =
    "insert into auftragslines (Auftrag,Anzahl,ProduktNr,Produkt,Preis,Komentar) values "
    "(:nr,:menge,:pnr,:produkt,:preis,:komentar)";

}  // namespace

SqlAuftragsStore::SqlAuftragsStore(QObject* parent)
    : AuftragsStore(parent), m_db(QSqlDatabase::database())
{
    m_model = new QSqlTableModel(nullptr, m_db);
    m_model->setTable("auftrag");
    m_model->select();
    connect(this, &SqlAuftragsStore::storeChanged, this, &SqlAuftragsStore::updateModel);
}

SqlAuftragsStore::~SqlAuftragsStore()
{
    delete m_model;
}

void SqlAuftragsStore::createTables()
{
    QSqlQuery q(m_db);
    q.exec("create table auftrag (Nr integer primary key,AuftragsNr int,KundenNr int,"
           "Firma varchar(255),Name varchar(255),Strasse varchar(255),PLZ varchar(5),"
           "Ort varchar(255),Bemerkung varchar(255),Summe double,Eingang DateTime,"
           "Lieferung DateTime,Status int,Typ int,Zahlung int,BestellNr int, Dienst int)");
    q.exec("alter table auftrag add column Komentar text;");
    q.exec("create table auftragslines (Nr integer primary key,Auftrag int,Anzahl int,"
           "ProduktNr varchar(16),Produkt varchar(255),Preis double,Komentar text)");
    q.exec("create table auftragskunden (AuftragsNr integer primary key,Nr int,"
           "Firma varchar(255),Name varchar(255),Strasse varchar(255),Ort varchar(255),"
           "Email varchar(255),Tel varchar(255),Tel2 varchar(255),Fax varchar(255),"
           "PLZ varchar(5),Bemerkung varchar(255),Typ integer,IBAN varchar(80),"
           "BIC varchar(80),Steuernummer varchar(80),Seit Date)");
    // Added later; each fails harmlessly where it exists already.
    q.exec("alter table auftragskunden add column Land varchar(255)");
    q.exec("create index auftragslines_auftrag on auftragslines(Auftrag)");
    q.exec("create index auftrag_eingang on auftrag(Eingang)");
    q.exec("create index auftrag_kundennr on auftrag(KundenNr)");
    q.exec("create index auftrag_auftragsnr on auftrag(AuftragsNr)");
    // The numbering of every new order asks for these two maxima.
    q.exec("create index auftrag_typ_nummer on auftrag(Typ, AuftragsNr)");
    q.exec("create index auftrag_dienst_nummer on auftrag(Dienst, AuftragsNr)");
    if (m_model->columnCount() == 0) {
        m_model->setTable("auftrag");
        m_model->select();
    }
}

bool SqlAuftragsStore::naechsteNummer(Auftrag& a)
{
    QSqlQuery q(m_db);
    if (a.Typ != Auftragsart::Rechnung) {
        q.prepare("select max(AuftragsNr) from auftrag where Typ=:typ");
        q.bindValue(":typ", a.Typ);
        if (!q.exec()) {
            qWarning() << "error inserting Auftrag" << q.lastError().text() << q.lastQuery() << a;
            return false;
        }
        a.AuftragsNr = (q.next() ? q.value(0).toInt() : 0) + 1;
        return true;
    }
    q.prepare("select max(AuftragsNr) from auftrag where Dienst=:dienst");
    q.bindValue(":dienst", a.Dienst);
    if (!q.exec()) {
        qWarning() << "error inserting Auftrag" << q.lastError().text() << a;
        return false;
    }
    const int max = q.next() ? q.value(0).toInt() : 0;
    if (max != 0)
        a.AuftragsNr = max + 1;
    else if (a.Dienst == Auftrag::Produkte)
        a.AuftragsNr = m_settings.value("Rechnung/Offset1", 0).toInt() + 1;
    else if (a.Dienst == Auftrag::Schulung)
        a.AuftragsNr = m_settings.value("Rechnung/Offset2", 0).toInt() + 1;
    else
        a.AuftragsNr = 1;
    return true;
}

bool SqlAuftragsStore::insertLines(const Auftrag& a)
{
    QSqlQuery q(m_db);
    q.prepare(insertLineStatement);
    for (const AuftragsLine& l : a.Zeilen) {
        q.bindValue(":nr", a.Nr);
        q.bindValue(":menge", l.Anzahl);
        q.bindValue(":pnr", l.ProduktNr);
        q.bindValue(":produkt", l.Produkt);
        q.bindValue(":preis", l.Preis);
        q.bindValue(":komentar", l.Komentar);
        if (!q.exec()) {
            qWarning() << "error inserting Auftragline" << q.lastError().text() << q.lastQuery() << l;
            return false;
        }
    }
    return true;
}

bool SqlAuftragsStore::insertAuftrag(Auftrag& a)
{
    if (a.AuftragsNr <= 0 && !naechsteNummer(a))
        return false;
    if (a.Status == AuftragsStatus::Neu)
        a.Status = AuftragsStatus::Gespeichert;

    QSqlQuery q(m_db);
    q.prepare("insert into auftrag (KundenNr,Firma,Name,Strasse,PLZ,Ort,Bemerkung,Summe,Eingang,"
              "Lieferung,Status,Typ,Zahlung,BestellNr,Dienst,AuftragsNr,Komentar) values (:knr,"
              ":firma,:name,:strasse,:plz,:ort,:bemerkung,:summe,:eingang,:lieferung,:status,:typ,"
              ":zahl,:bestell,:dienst,:auftragsnr,:komentar)");
    bindAuftragsZeile(q, a);
    q.bindValue(":auftragsnr", a.AuftragsNr);
    if (!q.exec()) {
        qWarning() << "error inserting Auftrag" << q.lastError().text() << q.lastQuery() << a;
        return false;
    }
    a.Nr = q.lastInsertId().toInt();

    QSqlQuery k(m_db);
    k.prepare("insert into auftragskunden (AuftragsNr,Nr,Firma,Name,Strasse,Ort,Email,Tel,Tel2,Fax,"
              "Typ,PLZ,Bemerkung,IBAN,BIC,Steuernummer,Land) values (:anr,:nr,:firma,:name,"
              ":strasse,:ort,:email,:tel,:tel2,:fax,:typ,:plz,:bemerkung,:iban,:bic,"
              ":steuernummer,:land)");
    k.bindValue(":anr", a.Nr);
    k.bindValue(":nr", a.Kunde.Nr);
    SqlKundenStore::bindKunde(k, a.Kunde, ":fax");
    if (!k.exec()) {
        qWarning() << "DB auftragskunden" << k.lastError().text() << k.lastQuery() << a.Kunde;
        return false;
    }
    return insertLines(a);
}

bool SqlAuftragsStore::addAuftrag(Auftrag& a)
{
    // A failed insert must not leave the caller with a numbered, saved order
    // that the database does not hold.
    const int nr = a.Nr;
    const int auftragsNr = a.AuftragsNr;
    const int status = a.Status;

    m_db.transaction();
    bool ok = insertAuftrag(a);
    if (ok && !m_db.commit()) {
        qWarning() << "error inserting Auftrag" << m_db.lastError().text() << a;
        ok = false;
    }
    if (!ok) {
        m_db.rollback();
        a.Nr = nr;
        a.AuftragsNr = auftragsNr;
        a.Status = status;
        return false;
    }
    emit storeChanged();
    return true;
}

bool SqlAuftragsStore::updateAuftrag(const Auftrag& a)
{
    QSqlQuery q(m_db);
    q.prepare("update auftrag set KundenNr=:knr ,Firma=:firma ,Name=:name ,Strasse=:strasse ,"
              "PLZ=:plz ,Ort=:ort ,Bemerkung=:bemerkung ,Summe=:summe ,Eingang=:eingang ,"
              "Lieferung=:lieferung ,Status=:status ,Typ=:typ ,Zahlung=:zahl ,"
              "BestellNr=:bestell ,Dienst=:dienst ,Komentar=:komentar where Nr=:nr");
    bindAuftragsZeile(q, a);
    q.bindValue(":nr", a.Nr);
    if (!q.exec()) {
        qWarning() << "error updateing Auftrag" << q.lastError().text() << a;
        return false;
    }

    QSqlQuery k(m_db);
    k.prepare("update auftragskunden set Nr=:knr, Firma=:firma ,Name=:name ,Strasse=:strasse ,"
              "Ort=:ort ,Email=:email ,Tel=:tel ,Tel2=:tel2 ,Fax=:Fax ,Typ=:typ ,PLZ=:plz ,"
              "Bemerkung=:bemerkung ,IBAN=:iban ,BIC=:bic ,Steuernummer=:steuernummer ,"
              "Land=:land where AuftragsNr=:nr");
    k.bindValue(":knr", a.Kunde.Nr);
    SqlKundenStore::bindKunde(k, a.Kunde, ":Fax");
    k.bindValue(":nr", a.Nr);
    if (!k.exec()) {
        qWarning() << "DB auftragskunden" << k.lastError().text() << k.lastQuery() << a.Kunde;
        return false;
    }

    QSqlQuery d(m_db);
    d.prepare("delete from auftragslines where Auftrag=:nr");
    d.bindValue(":nr", a.Nr);
    if (!d.exec()) {
        qWarning() << "error deleting Auftragslines" << d.lastError().text() << a;
        return false;
    }
    return insertLines(a);
}

bool SqlAuftragsStore::saveAuftrag(const Auftrag& a)
{
    m_db.transaction();
    if (!updateAuftrag(a) || !m_db.commit()) {
        m_db.rollback();
        return false;
    }
    emit storeChanged();
    return true;
}

bool SqlAuftragsStore::storniereAuftrag(int nr)
{
    QSqlQuery q(m_db);
    q.prepare("update auftrag set Status=-1 where Nr=:nr");
    q.bindValue(":nr", nr);
    const bool ok = q.exec();
    emit storeChanged();
    return ok;
}

QList<Auftrag> SqlAuftragsStore::auftraegeWhere(const QString& where, const QVariantMap& werte)
{
    QList<Auftrag> liste;
    QHash<int, int> position;  // order Nr -> index in liste

    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare("select * from auftrag where " + where);
    bindAll(q, werte);
    q.exec();
    while (q.next()) {
        liste.append(auftragFromQuery(q));
        position.insert(liste.last().Nr, liste.size() - 1);
    }
    if (liste.isEmpty())
        return liste;

    // Lines and snapshots of all these orders in one query each, instead of
    // two queries per order; the result is the same as reading order by order.
    QSqlQuery l(m_db);
    l.setForwardOnly(true);
    l.prepare("select * from auftragslines where Auftrag in (select Nr from auftrag where " + where
              + ") order by Auftrag, Nr");
    bindAll(l, werte);
    l.exec();
    const int auftragSpalte = l.record().indexOf("Auftrag");
    while (l.next()) {
        const auto it = position.constFind(l.value(auftragSpalte).toInt());
        if (it != position.cend())
            liste[it.value()].Zeilen.append(lineFromQuery(l));
    }

    QSqlQuery k(m_db);
    k.setForwardOnly(true);
    k.prepare("select * from auftragskunden where AuftragsNr in (select Nr from auftrag where "
              + where + ")");
    bindAll(k, werte);
    k.exec();
    const int nrSpalte = k.record().indexOf("AuftragsNr");
    while (k.next()) {
        const auto it = position.constFind(k.value(nrSpalte).toInt());
        if (it != position.cend())
            liste[it.value()].Kunde = SqlKundenStore::kundeFromQuery(k);
    }
    return liste;
}

Auftrag SqlAuftragsStore::getAuftrag(int nr)
{
    const QList<Auftrag> liste = auftraegeWhere("Nr=:nr", {{":nr", nr}});
    return liste.isEmpty() ? Auftrag() : liste.first();
}

QList<Auftrag> SqlAuftragsStore::getAuftraegeByBestellNr(int bestellNr)
{
    return auftraegeWhere("BestellNr=:nr", {{":nr", bestellNr}});
}

QList<Auftrag> SqlAuftragsStore::getAuftraegeByKunde(int kundenNr)
{
    return auftraegeWhere("KundenNr=:nr", {{":nr", kundenNr}});
}

QList<Auftrag> SqlAuftragsStore::getAuftraege(const QDateTime& von, const QDateTime& bis)
{
    return auftraegeWhere("Eingang>=:von and Eingang<=:bis",
                          {{":von", isoText(von)}, {":bis", isoText(bis)}});
}

QList<Auftrag> SqlAuftragsStore::getAuftraegeByAuftragsNr(int auftragsNr)
{
    return auftraegeWhere("AuftragsNr=:auftragsnr", {{":auftragsnr", auftragsNr}});
}

QSqlTableModel* SqlAuftragsStore::model()
{
    return m_model;
}

QSqlTableModel* SqlAuftragsStore::registerFilterModel(const QString& filter)
{
    auto* m = new QSqlTableModel(nullptr, m_db);
    m->setTable("auftrag");
    m->setFilter(filter);
    if (!m->select())
        qWarning() << "Filter error" << m->lastError().text();
    m_filterModels.append(m);
    return m;
}

QSqlTableModel* SqlAuftragsStore::filterModel(const QDateTime& von, const QDateTime& bis)
{
    return registerFilterModel(QString("date(Eingang)>='%1' and date(Eingang)<='%2'")
                                   .arg(von.date().toString(Qt::ISODate),
                                        bis.date().toString(Qt::ISODate)));
}

QSqlTableModel* SqlAuftragsStore::filterModel(int kundenNr)
{
    return registerFilterModel(QString("KundenNr=%1").arg(kundenNr));
}

int SqlAuftragsStore::count()
{
    QSqlQuery q(m_db);
    if (!q.exec("select count(*) from auftrag") || !q.next()) {
        qWarning() << "Error" << q.lastError();
        return 0;
    }
    return q.value(0).toInt();
}

bool SqlAuftragsStore::nummerVergeben(const Auftrag& a)
{
    const bool rechnung = a.Typ == Auftragsart::Rechnung;
    QSqlQuery q(m_db);
    q.prepare(QString("select 1 from auftrag where Typ=:typ and AuftragsNr=:nr%1 limit 1")
                  .arg(rechnung ? " and Dienst=:dienst" : ""));
    q.bindValue(":typ", a.Typ);
    q.bindValue(":nr", a.AuftragsNr);
    if (rechnung)
        q.bindValue(":dienst", a.Dienst);
    return q.exec() && q.next();
}

bool SqlAuftragsStore::delAuftrag(int nr)
{
    static const char* const statements[][2] = {
        {"delete from auftrag where Nr=:Nr", "error on delete Auftrag"},
        {"delete from auftragslines where Auftrag=:Nr", "error on delete Auftragslines"},
        {"delete from auftragskunden where AuftragsNr=:Nr", "error on delete Auftragskunden"},
    };
    m_db.transaction();
    for (const auto& s : statements) {
        QSqlQuery q(m_db);
        q.prepare(s[0]);
        q.bindValue(":Nr", nr);
        if (!q.exec()) {
            qWarning() << s[1] << q.lastError().text();
            m_db.rollback();
            return false;
        }
    }
    if (!m_db.commit()) {
        qWarning() << "error on delete Auftrag" << m_db.lastError().text();
        m_db.rollback();
        return false;
    }
    emit storeChanged();
    return true;
}

bool SqlAuftragsStore::deleteAll()
{
    m_db.transaction();
    for (const char* table : {"auftrag", "auftragslines", "auftragskunden"}) {
        QSqlQuery q(m_db);
        if (!q.exec(QString("drop table %1").arg(table))) {
            qWarning() << "error on drop table" << q.lastError().text();
            m_db.rollback();
            return false;
        }
    }
    if (!m_db.commit()) {
        qWarning() << "error on drop table" << m_db.lastError().text();
        m_db.rollback();
        return false;
    }
    m_model->setTable("");
    createTables();
    emit storeChanged();
    return true;
}

void SqlAuftragsStore::updateModel()
{
    m_model->select();
    m_filterModels.removeAll(QPointer<QSqlTableModel>());
    for (const QPointer<QSqlTableModel>& m : std::as_const(m_filterModels))
        m->select();
}

// The same rows, in the same order and with the same range comparison as
// getAuftraege, but only the columns the statistics need: reading whole
// orders with every text of every line is what makes long ranges slow.
QList<AuftragsKennzahlen> SqlAuftragsStore::getAuftraegeFuerStatistik(const QDateTime& von,
                                                                     const QDateTime& bis,
                                                                     bool mitZeilen)
{
    const QString where = "a.Eingang>=:von and a.Eingang<=:bis";
    const QVariantMap werte{{":von", isoText(von)}, {":bis", isoText(bis)}};
    QList<AuftragsKennzahlen> liste;
    QHash<int, int> position;  // order Nr -> index in liste

    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    q.prepare("select Nr,Typ,Zahlung,Status,Summe,Eingang,KundenNr,Firma,Name,PLZ,Ort "
              "from auftrag a where " + where);
    bindAll(q, werte);
    q.exec();
    while (q.next()) {
        AuftragsKennzahlen a;
        a.Nr = q.value(0).toInt();
        a.Typ = q.value(1).toInt();
        a.Zahlung = q.value(2).toInt();
        a.Status = q.value(3).toInt();
        a.Summe = q.value(4).toDouble();
        // The day is the start of the stored ISO text; a date-time in local
        // time would cost a time-zone look-up per order.
        a.Eingang = QDate::fromString(q.value(5).toString().left(10), Qt::ISODate);
        a.KundenNr = q.value(6).toInt();
        a.Firma = q.value(7).toString();
        a.Name = q.value(8).toString();
        a.PLZ = q.value(9).toString();
        a.Ort = q.value(10).toString();
        position.insert(a.Nr, liste.size());
        liste.append(std::move(a));
    }
    if (liste.isEmpty())
        return liste;

    if (mitZeilen) {
        QSqlQuery l(m_db);
        l.setForwardOnly(true);
        // A join lets the database walk the range by Eingang and each order's
        // lines by the line index, instead of testing every line of the journal;
        // ordered as it walks, so nothing is sorted, each order's lines by Nr.
        l.prepare("select l.Auftrag,l.Anzahl,l.ProduktNr,l.Produkt,l.Preis from auftrag a "
                  "join auftragslines l on l.Auftrag=a.Nr where " + where
                  + " order by a.Eingang, a.Nr, l.Nr");
        bindAll(l, werte);
        l.exec();
        int nr = 0;
        int stelle = -1;  // of order nr in liste; an order's lines come one after another
        while (l.next()) {
            if (l.value(0).toInt() != nr || stelle < 0) {
                nr = l.value(0).toInt();
                stelle = position.value(nr, -1);
                if (stelle < 0)
                    continue;
            }
            AuftragsLine zeile;
            zeile.Anzahl = l.value(1).toInt();
            zeile.ProduktNr = l.value(2).toString();
            zeile.Produkt = l.value(3).toString();
            zeile.Preis = l.value(4).toDouble();
            liste[stelle].Zeilen.append(std::move(zeile));
        }
    }

    // The snapshot replaces the customer of the order row, as in getAuftraege.
    QSqlQuery k(m_db);
    k.setForwardOnly(true);
    k.prepare("select k.AuftragsNr,k.Nr,k.Firma,k.Name,k.PLZ,k.Ort,k.Typ from auftrag a "
              "join auftragskunden k on k.AuftragsNr=a.Nr where " + where);
    bindAll(k, werte);
    k.exec();
    while (k.next()) {
        const auto it = position.constFind(k.value(0).toInt());
        if (it == position.cend())
            continue;
        AuftragsKennzahlen& a = liste[it.value()];
        a.KundenNr = k.value(1).toInt();
        a.Firma = k.value(2).toString();
        a.Name = k.value(3).toString();
        a.PLZ = k.value(4).toString();
        a.Ort = k.value(5).toString();
        a.KundenTyp = k.value(6).toInt();
    }
    return liste;
}
