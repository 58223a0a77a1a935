#ifndef DATABASEEDITOR_H
#define DATABASEEDITOR_H

#include <QSettings>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;

// Settings page of the database connection, which start-up opens; changes
// take effect at the next start.
class DatabaseEditor : public QWidget
{
    Q_OBJECT

public:
    explicit DatabaseEditor(QWidget* parent = nullptr);

public slots:
    void load();
    void save();
    // The file button serves only the file drivers.
    void driverChanged();
    void selDBFile();

private:
    QComboBox* m_treiber;
    QLineEdit* m_name;
    QToolButton* m_datei;
    QLineEdit* m_user;
    QLineEdit* m_passwort;
    QLineEdit* m_host;
    QSpinBox* m_port;
    QComboBox* m_ssl;
    QLineEdit* m_ca;
    QLineEdit* m_sicherungOrdner;
    QLabel* m_sicherungStand;
    QSettings m_settings;
};

#endif
