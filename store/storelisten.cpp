#include "store/storelisten.h"

#include "store/datenbank.h"
#include "store/listenmodell.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

StoreListen::StoreListen(const QSqlDatabase& db, const QString& tabelle)
    : m_tabelle(tabelle), m_model(std::make_unique<ListenModell>(nullptr, db))
{
    m_model->setTable(tabelle);
}

StoreListen::~StoreListen() = default;

QSqlTableModel* StoreListen::ganz()
{
    // Most programs never show a whole table; it is not read after every write of theirs.
    if (!m_gezeigt) {
        m_gezeigt = true;
        m_model->select();
    }
    return m_model.get();
}

QSqlTableModel* StoreListen::behalte(ListenModell* m, const QString& filter, Speicherfehler& f, int sortSpalte,
                                     Qt::SortOrder ordnung)
{
    m->setTable(m_tabelle);
    m->setFilter(filter);
    if (sortSpalte >= 0)
        m->setSort(sortSpalte, ordnung);
    f = {};
    if (!m->select()) {
        qWarning() << "Filter error" << m->lastError().text();
        f = Datenbank::fehler(m->lastError());
    }
    m_filter.append(m);
    return m;
}

void StoreListen::spaltenNeu(const QString& fehlt)
{
    if (!fehlt.isEmpty() && m_model->columnCount() > 0 && m_model->fieldIndex(fehlt) >= 0)
        return;
    m_model->setTable(m_tabelle);
    if (m_gezeigt)
        m_model->select();
}

void StoreListen::liesNeu()
{
    if (m_gezeigt)
        m_model->select();
    m_filter.removeAll(QPointer<QSqlTableModel>());
    for (const QPointer<QSqlTableModel>& m : std::as_const(m_filter))
        m->select();
}

void StoreListen::beende()
{
    m_filter.removeAll(QPointer<QSqlTableModel>());
    m_model->query().finish();
    for (const QPointer<QSqlTableModel>& m : std::as_const(m_filter))
        m->query().finish();
}
