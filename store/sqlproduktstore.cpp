#include "store/sqlproduktstore.h"

#include "store/datenbank.h"
#include "store/listenmodell.h"

#include <QDebug>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace {

void bindProdukt(QSqlQuery& q, const Produkt& p)
{
    q.bindValue(":nr", p.Nr);
    q.bindValue(":name", p.Name);
    q.bindValue(":preis", p.Preis);
    q.bindValue(":desc", p.Desc);
    q.bindValue(":typ", p.Typ);
    q.bindValue(":kat", p.Kategorie);
    q.bindValue(":satz", p.Satz);
    q.bindValue(":einheit", p.Einheit);
}

}  // namespace

SqlProduktStore::SqlProduktStore(QObject* parent, const QString& verbindung)
    : ProduktStore(parent), m_db(QSqlDatabase::database(verbindung)), m_listen(m_db, "produkte")
{
    m_listen.ganz()->setEditStrategy(QSqlTableModel::OnFieldChange);
    connect(this, &SqlProduktStore::storeChanged, this, &SqlProduktStore::updateModel);
    Datenbank::folge(m_db, "produkte", this, [this] { emit storeChanged(); });
}

void SqlProduktStore::createTable()
{
    if (!Datenbank::sperrgrund(m_db).isEmpty())
        return;
    Datenbank::erzeugeTabelle(m_db, "produkte", "[Nr] varchar(16) primary key,"
                                                "[Name] varchar(255),[Preis] double,[Desc] varchar(255),[Typ] int");
    // Added later.
    Datenbank::ergaenzeSpalte(m_db, "produkte", "Kategorie", "varchar(2)");
    Datenbank::ergaenzeSpalte(m_db, "produkte", "Satz", "double");
    Datenbank::ergaenzeSpalte(m_db, "produkte", "Einheit", "varchar(40)");
    m_listen.spaltenNeu("Einheit");
}

bool SqlProduktStore::write(const char* name, const Produkt* p, const QString& statement,
                            const QString& nr)
{
    if (p && !Datenbank::gueltig(p->Preis)) {
        qWarning() << name << Datenbank::Unmoeglich << p->Preis;
        m_fehler = {Speicherfehler::Ungueltig, tr("Der Preis ist keine endliche Zahl.")};
        return false;
    }
    const bool ok = Datenbank::schreibe(m_db, m_fehler, name, [&] {
        QSqlQuery q(m_db);
        q.prepare(Datenbank::sql(m_db, statement));
        if (p)
            bindProdukt(q, *p);
        else
            q.bindValue(":nr", nr);
        if (!q.exec()) {
            qWarning() << name << q.lastError().text();
            m_fehler = Datenbank::fehler(q.lastError());
            return false;
        }
        Datenbank::melde(m_db, "produkte");
        return true;
    });
    if (ok)
        emit storeChanged();
    return ok;
}

bool SqlProduktStore::addProdukt(const Produkt& p)
{
    // SQLite would store an empty number as NULL, more than once.
    if (p.Nr.isEmpty()) {
        qWarning() << Hinzufuegen << "empty product number";
        m_fehler = {Speicherfehler::Ungueltig, tr("Die Produktnummer ist leer.")};
        return false;
    }
    return write(Hinzufuegen, &p,
                 "insert into produkte ([Nr],[Name],[Preis],[Desc],[Typ],[Kategorie],[Satz],[Einheit]) values "
                 "(:nr,:name,:preis,:desc,:typ,:kat,:satz,:einheit)",
                 QString());
}

bool SqlProduktStore::saveProdukt(const Produkt& p)
{
    return write("saveProdukt", &p,
                 "update produkte set [Name]=:name,[Preis]=:preis,[Desc]=:desc,[Typ]=:typ,"
                 "[Kategorie]=:kat,[Satz]=:satz,[Einheit]=:einheit where [Nr]=:nr",
                 QString());
}

bool SqlProduktStore::schreibeProdukte(const QList<Produkt>& produkte, const QList<bool>& neu,
                                       QList<bool>& gespeichert,
                                       const std::function<bool(qint64, qint64)>& weiter)
{
    bool ok = false;
    {
        // Every write tells the lists; they are told once below.
        const QSignalBlocker stumm(this);
        ok = Datenbank::stapel(m_db, m_fehler, "schreibeProdukte", produkte.size(),
                               [&](qsizetype i) {
                                   return neu.value(i) ? addProdukt(produkte.at(i))
                                                       : saveProdukt(produkte.at(i));
                               },
                               gespeichert, weiter);
    }
    if (ok)
        emit storeChanged();
    return ok;
}

bool SqlProduktStore::delProdukt(const QString& nr)
{
    return write("delProdukt", nullptr, "delete from produkte where [Nr]=:nr", nr);
}

Produkt SqlProduktStore::firstProdukt(const QString& where, const QString& wert)
{
    QSqlQuery q(m_db);
    q.prepare(Datenbank::sql(m_db, "select * from produkte where " + where));
    q.bindValue(":wert", wert);
    Datenbank::lies(m_db, q, m_fehler);
    Produkt p;
    if (q.next()) {
        const QSqlRecord r = q.record();
        p.Nr = r.value("Nr").toString();
        p.Name = r.value("Name").toString();
        p.Preis = r.value("Preis").toDouble();
        p.Desc = r.value("Desc").toString();
        p.Typ = r.value("Typ").toInt();
        p.Kategorie = r.value("Kategorie").toString();
        p.Satz = r.value("Satz").toDouble();
        p.Einheit = r.value("Einheit").toString();
    }
    return p;
}

Produkt SqlProduktStore::getProdukt(const QString& nr)
{
    return firstProdukt("[Nr]=:wert", nr);
}

Produkt SqlProduktStore::getProduktByName(const QString& name)
{
    return firstProdukt("[Name] like :wert", name);
}

QSqlTableModel* SqlProduktStore::model()
{
    return m_listen.ganz();
}

QSqlTableModel* SqlProduktStore::filterModel(int typ)
{
    return m_listen.behalte(new ListenModell(nullptr, m_db), Datenbank::sql(m_db, "[Typ]=%1").arg(typ), m_fehler);
}

void SqlProduktStore::updateModel()
{
    m_listen.liesNeu();
}
