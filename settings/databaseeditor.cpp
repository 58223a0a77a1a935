#include "settings/databaseeditor.h"

#include "platform/einstellung.h"
#include "platform/interaktion.h"
#include "platform/passwortablage.h"
#include "platform/privateablage.h"
#include "store/verbindung.h"

#include <QComboBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QStandardPaths>
#include <QToolButton>

namespace {

QLineEdit* textFeld(QWidget* parent, Einstellung::Schluessel key)
{
    auto* feld = new QLineEdit(parent);
    feld->setObjectName(Einstellung::name(key));
    return feld;
}

QString datenOrdner()
{
    const QString ordner =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).absolutePath();
    PrivateAblage::ordner(ordner);
    return ordner;
}

}  // namespace

DatabaseEditor::DatabaseEditor(QWidget* parent)
    : QWidget(parent),
      m_treiber(new QComboBox(this)),
      m_name(textFeld(this, Einstellung::DatenbankName)),
      m_datei(new QToolButton(this)),
      m_user(textFeld(this, Einstellung::DatenbankUser)),
      m_passwort(textFeld(this, Einstellung::DatenbankPasswort)),
      m_host(textFeld(this, Einstellung::DatenbankHost)),
      m_port(new QSpinBox(this)),
      m_ssl(new QComboBox(this)),
      m_ca(textFeld(this, Einstellung::DatenbankCA))
{
    m_ssl->setObjectName(Einstellung::name(Einstellung::DatenbankSSL));
    m_ssl->addItems(Verbindung::sslModi());
    m_treiber->setObjectName(Einstellung::name(Einstellung::DatenbankTreiber));
    m_datei->setText("...");
    m_datei->setToolTip(tr("Datenbankdatei wählen"));
    m_name->setMinimumWidth(60 * m_name->fontMetrics().averageCharWidth());
    m_port->setObjectName(Einstellung::name(Einstellung::DatenbankPort));
    m_port->setRange(0, 65535);
    m_port->setSpecialValueText(tr("Standard"));

    auto* form = new QFormLayout(this);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->addRow(tr("Treiber"), m_treiber);
    auto* nameZeile = new QHBoxLayout;
    nameZeile->addWidget(m_name);
    nameZeile->addWidget(m_datei);
    form->addRow(tr("Datenbank"), nameZeile);
    form->addRow(tr("User"), m_user);
    form->addRow(tr("Passwort"), m_passwort);
    form->addRow(tr("Host"), m_host);
    form->addRow(tr("Port"), m_port);
    form->addRow(tr("SSL"), m_ssl);
    form->addRow(tr("CA-Datei"), m_ca);
    auto* hinweis = new QLabel(
        tr("Die Datenbank wird beim Start geöffnet: Änderungen auf dieser Seite wirken erst "
           "beim nächsten Start des Programms."),
        this);
    hinweis->setObjectName("hinweis");
    hinweis->setWordWrap(true);
    form->addRow(hinweis);
    m_sicherungOrdner = textFeld(this, Einstellung::SicherungOrdner);
    m_sicherungStand = new QLabel(this);
    m_sicherungStand->setObjectName(Einstellung::name(Einstellung::SicherungLetzte));
    m_sicherungStand->setWordWrap(true);
    form->addRow(tr("Ordner der täglichen Datensicherung"), m_sicherungOrdner);
    form->addRow(tr("Letzte Datensicherung"), m_sicherungStand);

    connect(m_treiber, &QComboBox::currentIndexChanged, this, &DatabaseEditor::driverChanged);
    connect(m_datei, &QToolButton::pressed, this, &DatabaseEditor::selDBFile);
}

void DatabaseEditor::load()
{
    // Only the drivers the program supports: another one could load any library.
    QStringList treiber;
    for (const QString& t : Verbindung::treiber())
        if (QSqlDatabase::isDriverAvailable(t))
            treiber << t;
    m_treiber->clear();
    m_treiber->addItems(treiber);
    datenOrdner();  // created for the default database file
    const int pos = treiber.indexOf(Einstellung::text(Einstellung::DatenbankTreiber, m_settings));
    if (pos >= 0)
        m_treiber->setCurrentIndex(pos);
    m_name->setText(
        Einstellung::text(Einstellung::DatenbankName, m_settings));
    m_user->setText(Einstellung::text(Einstellung::DatenbankUser, m_settings));
    m_passwort->setEchoMode(QLineEdit::Password);
    m_passwort->setText(Passwortablage::lies(m_settings));
    m_host->setText(Einstellung::text(Einstellung::DatenbankHost, m_settings));
    m_port->setValue(Einstellung::zahl(Einstellung::DatenbankPort, m_settings));
    m_ssl->setCurrentIndex(
        qMax(0, m_ssl->findText(Einstellung::text(Einstellung::DatenbankSSL, m_settings))));
    m_ca->setText(Einstellung::text(Einstellung::DatenbankCA, m_settings));
    m_sicherungOrdner->setText(Einstellung::text(Einstellung::SicherungOrdner, m_settings));
    const QDateTime letzte = QDateTime::fromString(
        Einstellung::text(Einstellung::SicherungLetzte, m_settings), Qt::ISODate);
    const QString fehler = Einstellung::text(Einstellung::SicherungFehler, m_settings);
    QString stand = letzte.isValid() ? letzte.toString("dd.MM.yyyy hh:mm:ss") : tr("noch keine");
    if (!fehler.isEmpty())
        stand += '\n' + tr("Die letzte automatische Datensicherung ist misslungen: %1").arg(fehler);
    m_sicherungStand->setText(stand);
    driverChanged();
}

void DatabaseEditor::save()
{
    const QString grund = Verbindung::pruefe(m_treiber->currentText(), m_name->text());
    if (!grund.isEmpty()) {
        Interaktion::instance()->warning(this, tr("Datenbank"),
                                         grund + '\n' + tr("Die Datenbankeinstellungen bleiben unverändert."));
        return;
    }
    Einstellung::setze(Einstellung::DatenbankTreiber, m_treiber->currentText(), m_settings);
    Einstellung::setze(Einstellung::DatenbankName, m_name->text(), m_settings);
    Einstellung::setze(Einstellung::DatenbankUser, m_user->text(), m_settings);
    Passwortablage::speichere(m_settings, m_passwort->text());
    Einstellung::setze(Einstellung::DatenbankHost, m_host->text(), m_settings);
    Einstellung::setze(Einstellung::DatenbankPort, m_port->value(), m_settings);
    Einstellung::setze(Einstellung::DatenbankSSL, m_ssl->currentText(), m_settings);
    Einstellung::setze(Einstellung::DatenbankCA, m_ca->text(), m_settings);
    Einstellung::setze(Einstellung::SicherungOrdner, m_sicherungOrdner->text(), m_settings);
}

void DatabaseEditor::driverChanged()
{
    const QString t = m_treiber->currentText();
    m_datei->setEnabled(t == "QSQLITE" || t == "QSQLITE3");
}

void DatabaseEditor::selDBFile()
{
    const QString datei = Interaktion::instance()->getOpenFileName(
        this, tr("Bitte wählen Sie die Datenbankdatei aus."), datenOrdner());
    if (!datei.isEmpty())
        m_name->setText(datei);
}
