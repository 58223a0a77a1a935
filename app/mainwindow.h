#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include "app/maininterface.h"

#include <QMainWindow>
#include <QSettings>

class QTabWidget;
class SqlAuftragsStore;
class SqlKundenStore;
class SqlProduktStore;

// The one top-level window: owns the stores and shows the lists as tabs.
class MainWindow : public QMainWindow, public MainInterface
{
    Q_OBJECT
    Q_INTERFACES(MainInterface)

public:
    explicit MainWindow(QWidget* parent = nullptr);

    Drucker* drucker() override;
    AuftragsStore* auftragsStore() override;
    KundenStore* kundenStore() override;
    ProduktStore* produktStore() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTabWidget* m_tabs = nullptr;
    SqlAuftragsStore* m_auftragsStore = nullptr;
    SqlKundenStore* m_kundenStore = nullptr;
    SqlProduktStore* m_produktStore = nullptr;
    QSettings m_settings;
};

#endif
