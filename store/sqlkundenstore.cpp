#include "store/sqlkundenstore.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QVariant>

namespace {

QString sqlQuoted(QString text)
{
    return text.replace(QLatin1Char('\''), QLatin1String("''"));
}

}  // namespace

SqlKundenStore::SqlKundenStore(QObject* parent)
    : KundenStore(parent), m_db(QSqlDatabase::database())
{
    m_model = new QSqlTableModel(nullptr, m_db);
    m_model->setTable("kunden");
    m_model->select();
    connect(this, &SqlKundenStore::storeChanged, this, &SqlKundenStore::updateModel);
}

SqlKundenStore::~SqlKundenStore()
{
    delete m_model;
}

void SqlKundenStore::createTable()
{
    QSqlQuery q(m_db);
    q.exec("create table kunden (Nr integer primary key,Firma varchar(255),Name varchar(255),"
           "Strasse varchar(255),Ort varchar(255),Email varchar(255),Tel varchar(255),"
           "Tel2 varchar(255),Fax varchar(255),PLZ varchar(5),Bemerkung varchar(255),"
           "Typ integer,IBAN varchar(80),BIC varchar(80),Steuernummer varchar(80),Seit Date)");
    // Added later: harmless on a database that has the column already.
    q.exec("alter table kunden add column Land varchar(255)");
    if (m_model->columnCount() == 0 || m_model->fieldIndex("Land") < 0) {
        m_model->setTable("kunden");
        m_model->select();
    }
}

bool SqlKundenStore::addKunde(Kunde& k)
{
    m_db.transaction();
    QSqlQuery q(m_db);
    if (k.Nr == 0) {
        q.prepare("insert into kunden (Firma,Name,Strasse,Ort,Email,Tel,Tel2,Fax,Typ,PLZ,Bemerkung,"
                  "IBAN,BIC,Steuernummer,Seit,Land) values (:firma,:name,:strasse,:ort,:email,:tel,"
                  ":tel2,:tel3,:typ,:plz,:bemerkung,:iban,:bic,:steuernummer,:seit,:land)");
    } else {
        q.prepare("insert into kunden (Nr,Firma,Name,Strasse,Ort,Email,Tel,Tel2,Fax,Typ,PLZ,"
                  "Bemerkung,IBAN,BIC,Steuernummer,Seit,Land) values (:nr,:firma,:name,:strasse,"
                  ":ort,:email,:tel,:tel2,:tel3,:typ,:plz,:bemerkung,:iban,:bic,:steuernummer,"
                  ":seit,:land)");
        q.bindValue(":nr", k.Nr);
    }
    bindKunde(q, k, ":tel3");
    q.bindValue(":seit", k.Seit.isValid() ? k.Seit : QDate::currentDate());
    if (!q.exec()) {
        qWarning() << "DB" << q.lastError().text();
        m_db.rollback();
        return false;
    }
    const int neueNr = k.Nr == 0 ? q.lastInsertId().toInt() : k.Nr;
    if (!m_db.commit()) {
        qWarning() << "DB" << m_db.lastError().text();
        m_db.rollback();
        return false;
    }
    k.Nr = neueNr;
    emit storeChanged();
    return true;
}

bool SqlKundenStore::saveKunde(const Kunde& k)
{
    if (k.Nr < 1) {
        qWarning() << "Kundennummer <1";
        return false;
    }
    qDebug() << "saveKunde" << k.Nr << k.Name << k.Typ;
    m_db.transaction();
    QSqlQuery q(m_db);
    q.prepare("update kunden set Firma=:firma ,Name=:name ,Strasse=:strasse ,Ort=:ort ,"
              "Email=:email ,Tel=:tel ,Tel2=:tel2 ,Fax=:Fax ,Typ=:typ ,PLZ=:plz ,"
              "Bemerkung=:bemerkung ,IBAN=:iban ,BIC=:bic ,Steuernummer=:steuernummer ,"
              "Land=:land where Nr=:nr");
    bindKunde(q, k, ":Fax");
    q.bindValue(":nr", k.Nr);
    if (!q.exec() || !m_db.commit()) {
        qWarning() << "DB" << q.lastError().text() << q.lastQuery();
        m_db.rollback();
        return false;
    }
    emit storeChanged();
    return true;
}

bool SqlKundenStore::delKunde(int nr)
{
    QSqlQuery q(m_db);
    q.prepare("delete from kunden where Nr=:nr");
    q.bindValue(":nr", nr);
    const bool ok = q.exec();
    if (!ok)
        qWarning() << "DB" << q.lastError().text();
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
    return k;
}

Kunde SqlKundenStore::firstKunde(QSqlQuery& q)
{
    q.exec();
    return q.next() ? kundeFromQuery(q) : Kunde();
}

QList<Kunde> SqlKundenStore::alleKunden(QSqlQuery& q)
{
    q.setForwardOnly(true);
    q.exec();
    QList<Kunde> kunden;
    while (q.next())
        kunden.append(kundeFromQuery(q));
    return kunden;
}

Kunde SqlKundenStore::getKunde(int nr)
{
    QSqlQuery q(m_db);
    q.prepare("select * from kunden where Nr=:nr");
    q.bindValue(":nr", nr);
    return firstKunde(q);
}

Kunde SqlKundenStore::getKundeByTel(const QString& tel)
{
    QSqlQuery q(m_db);
    q.prepare("select * from kunden where Tel like :tel or Tel2 like :tel2 or Fax like :tel3");
    q.bindValue(":tel", tel);
    q.bindValue(":tel2", tel);
    q.bindValue(":tel3", tel);
    return firstKunde(q);
}

QList<Kunde> SqlKundenStore::kundenWhere(const QString& column, const QString& pattern)
{
    // column is one of our own names, never user text.
    const QString placeholder = ":" + column.toLower();
    QSqlQuery q(m_db);
    q.prepare(QString("select * from kunden where %1 like %2").arg(column, placeholder));
    q.bindValue(placeholder, pattern);
    return alleKunden(q);
}

QList<Kunde> SqlKundenStore::getKundenByName(const QString& name)
{
    return kundenWhere("Name", name);
}

QList<Kunde> SqlKundenStore::getKundenByStrasse(const QString& strasse)
{
    return kundenWhere("Strasse", strasse);
}

QList<Kunde> SqlKundenStore::getKundenByOrt(const QString& ort)
{
    return kundenWhere("Ort", ort);
}

QList<Kunde> SqlKundenStore::getKunden()
{
    QSqlQuery q(m_db);
    q.prepare("select * from kunden");
    return alleKunden(q);
}

Kunde SqlKundenStore::getKundeByEmail(const QString& email)
{
    QSqlQuery q(m_db);
    q.prepare("select * from kunden where Email like :email");
    q.bindValue(":email", email);
    return firstKunde(q);
}

QSqlTableModel* SqlKundenStore::model()
{
    return m_model;
}

QString SqlKundenStore::filterText(int typ, const QString& text)
{
    const QString quoted = sqlQuoted(text);
    if (typ > 0 && !text.isEmpty())
        return QString("Typ=%1 and ( Name like '%2%' or Firma like '%3%' )")
            .arg(typ - 1)
            .arg(quoted, quoted);
    if (typ > 0)
        return QString("Typ=%1").arg(typ - 1);
    if (typ == 0 && !text.isEmpty())
        return QString("Name like '%1%' or Firma like '%2%'").arg(quoted, quoted);
    return QString();
}

QSqlTableModel* SqlKundenStore::filterModel(int typ, const QString& text)
{
    auto* m = new QSqlTableModel(this, m_db);
    m->setTable("kunden");
    m->setFilter(filterText(typ, text));
    m->select();
    m_filterModels.append(m);
    return m;
}

void SqlKundenStore::updateModel()
{
    m_model->select();
    m_filterModels.removeAll(QPointer<QSqlTableModel>());
    for (const QPointer<QSqlTableModel>& m : std::as_const(m_filterModels))
        m->select();
}
