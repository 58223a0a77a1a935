#ifndef EINSTELLUNGEN_H
#define EINSTELLUNGEN_H

#include <QDialog>

class DatabaseEditor;
class FirmaEditor;
class QTabWidget;
class RechnungsEditor;
class SteuerEditor;

// The settings dialog: four pages, all saved on OK, none on Cancel.
class Einstellungen : public QDialog
{
    Q_OBJECT

public:
    explicit Einstellungen(QWidget* parent = nullptr);

    QTabWidget* tabs() const { return m_tabs; }

private:
    QTabWidget* m_tabs;
    FirmaEditor* m_firma;
    SteuerEditor* m_steuer;
    RechnungsEditor* m_rechnung;
    DatabaseEditor* m_datenbank;
};

#endif
