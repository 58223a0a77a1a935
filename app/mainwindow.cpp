#include "app/mainwindow.h"

#include "store/sqlauftragsstore.h"
#include "store/sqlkundenstore.h"
#include "store/sqlproduktstore.h"

#include <QCloseEvent>
#include <QSqlTableModel>
#include <QTabWidget>
#include <QTableView>

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent)
{
    m_tabs = new QTabWidget(this);
    setCentralWidget(m_tabs);

    m_produktStore = new SqlProduktStore(this);
    m_kundenStore = new SqlKundenStore(this);
    m_auftragsStore = new SqlAuftragsStore(this);
    m_produktStore->createTable();
    m_kundenStore->createTable();
    m_auftragsStore->createTables();

    auto* kunden = new QTableView(m_tabs);
    kunden->setModel(m_kundenStore->model());
    m_tabs->addTab(kunden, tr("Kunden"));
    auto* auftraege = new QTableView(m_tabs);
    auftraege->setModel(m_auftragsStore->model());
    m_tabs->addTab(auftraege, tr("Aufträge"));
    setWindowTitle("Belegwerk");
}

Drucker* MainWindow::drucker()
{
    return nullptr;
}

AuftragsStore* MainWindow::auftragsStore()
{
    return m_auftragsStore;
}

KundenStore* MainWindow::kundenStore()
{
    return m_kundenStore;
}

ProduktStore* MainWindow::produktStore()
{
    return m_produktStore;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    m_settings.setValue("MainWindow/geometry", saveGeometry());
    m_settings.setValue("MainWindow/windowState", saveState());
    QMainWindow::closeEvent(event);
}
