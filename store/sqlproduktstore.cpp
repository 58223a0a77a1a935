#include "store/sqlproduktstore.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlTableModel>
#include <QVariant>

namespace {

void bindProdukt(QSqlQuery& q, const Produkt& p)
{
    q.bindValue(":nr", p.Nr);
    q.bindValue(":name", p.Name);
    q.bindValue(":preis", p.Preis);
    q.bindValue(":desc", p.Desc);
    q.bindValue(":typ", p.Typ);
}

}  // namespace

SqlProduktStore::SqlProduktStore(QObject* parent)
    : ProduktStore(parent), m_db(QSqlDatabase::database())
{
    m_model = new QSqlTableModel(nullptr, m_db);
    m_model->setTable("produkte");
    m_model->setEditStrategy(QSqlTableModel::OnFieldChange);
    m_model->select();
    connect(this, &SqlProduktStore::storeChanged, this, &SqlProduktStore::updateModel);
}

SqlProduktStore::~SqlProduktStore()
{
    delete m_model;
}

void SqlProduktStore::createTable()
{
    QSqlQuery q(m_db);
    q.exec("create table produkte (Nr varchar(16) primary key,Name varchar(255),Preis double,"
           "Desc varchar(255),Typ int)");
    if (m_model->columnCount() == 0) {
        m_model->setTable("produkte");
        m_model->select();
    }
}

bool SqlProduktStore::write(const char* name, QSqlQuery& q)
{
    if (!q.exec() || !m_db.commit()) {
        qWarning() << name << q.lastError().text();
        m_db.rollback();
        return false;
    }
    emit storeChanged();
    return true;
}

bool SqlProduktStore::addProdukt(const Produkt& p)
{
    // SQLite would store an empty number as NULL, more than once.
    if (p.Nr.isEmpty()) {
        qWarning() << "addProdukt" << QString("empty product number");
        return false;
    }
    m_db.transaction();
    QSqlQuery q(m_db);
    q.prepare("insert into produkte (Nr,Name,Preis,Desc,Typ) values (:nr,:name,:preis,:desc,:typ)");
    bindProdukt(q, p);
    return write("addProdukt", q);
}

bool SqlProduktStore::saveProdukt(const Produkt& p)
{
    m_db.transaction();
    QSqlQuery q(m_db);
    q.prepare("update produkte set Name=:name,Preis=:preis,Desc=:desc,Typ=:typ where Nr=:nr");
    bindProdukt(q, p);
    return write("saveProdukt", q);
}

bool SqlProduktStore::delProdukt(const QString& nr)
{
    m_db.transaction();
    QSqlQuery q(m_db);
    q.prepare("delete from produkte where Nr=:nr");
    q.bindValue(":nr", nr);
    return write("delProdukt", q);
}

Produkt SqlProduktStore::firstProdukt(QSqlQuery& q)
{
    q.exec();
    Produkt p;
    if (q.next()) {
        const QSqlRecord r = q.record();
        p.Nr = r.value("Nr").toString();
        p.Name = r.value("Name").toString();
        p.Preis = r.value("Preis").toDouble();
        p.Desc = r.value("Desc").toString();
        p.Typ = r.value("Typ").toInt();
    }
    return p;
}

Produkt SqlProduktStore::getProdukt(const QString& nr)
{
    QSqlQuery q(m_db);
    q.prepare("select * from produkte where Nr=:nr");
    q.bindValue(":nr", nr);
    return firstProdukt(q);
}

Produkt SqlProduktStore::getProduktByName(const QString& name)
{
    QSqlQuery q(m_db);
    q.prepare("select * from produkte where Name like :name");
    q.bindValue(":name", name);
    return firstProdukt(q);
}

QList<Produkt> SqlProduktStore::getProdukte()
{
    // Nothing relies on a full list; the catalogue is reached through model().
    return {};
}

QSqlTableModel* SqlProduktStore::model()
{
    return m_model;
}

QSqlTableModel* SqlProduktStore::filterModel(int typ)
{
    auto* m = new QSqlTableModel(nullptr, m_db);
    m->setTable("produkte");
    m->setFilter(QString("Typ=%1").arg(typ));
    m->select();
    return m;
}

void SqlProduktStore::updateModel()
{
    m_model->select();
}
