#include "platform/passwortablage.h"

#include "platform/privateablage.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QSettings>
#include <QTimer>

namespace {

const char* const schluessel = "Datenbank/Passwort";
// Set when the password is in the secret store, so that start-up asks the
// store only then (a locked store would otherwise prompt at every start).
const char* const imSchluesselbund = "Datenbank/Schluesselbund";

// Runs job to its end; a store that does not answer within a minute counts as
// absent. The job deletes itself when it ends, even after the time-out.
bool fuehreAus(QKeychain::Job* job, QString* text = nullptr)
{
    QEventLoop loop;
    bool ok = false;
    job->setAutoDelete(true);
    job->setKey(schluessel);
    QObject::connect(job, &QKeychain::Job::finished, &loop, [&](QKeychain::Job* j) {
        ok = j->error() == QKeychain::NoError;
        if (!ok)
            qDebug() << "secret store:" << j->errorString();
        else if (text)
            *text = static_cast<QKeychain::ReadPasswordJob*>(j)->textData();
        loop.quit();
    });
    QTimer::singleShot(60000, &loop, &QEventLoop::quit);
    job->start();
    loop.exec();
    return ok;
}

QString dienst()
{
    return QCoreApplication::applicationName();
}

}  // namespace

void Passwortablage::speichere(QSettings& s, const QString& passwort)
{
    const bool warDort = s.value(imSchluesselbund).toBool();
    bool imStore = false;
    if (!passwort.isEmpty()) {
        auto* job = new QKeychain::WritePasswordJob(dienst());
        job->setTextData(passwort);
        imStore = fuehreAus(job);
    } else if (warDort) {
        fuehreAus(new QKeychain::DeletePasswordJob(dienst()));
    }
    s.setValue(schluessel, imStore ? QString() : passwort);
    if (imStore)
        s.setValue(imSchluesselbund, true);
    else
        s.remove(imSchluesselbund);
    s.sync();
    PrivateAblage::einstellungen();  // the key may hold the password now
}

QString Passwortablage::lies(QSettings& s)
{
    const QString passwort = s.value(schluessel).toString();
    if (!passwort.isEmpty() || !s.value(imSchluesselbund).toBool())
        return passwort;
    auto* job = new QKeychain::ReadPasswordJob(dienst());
    QString gelesen;
    fuehreAus(job, &gelesen);
    return gelesen;
}

void Passwortablage::alsKlartext(QSettings& ziel, QSettings& quelle)
{
    if (!quelle.value(imSchluesselbund).toBool())
        return;
    ziel.setValue(schluessel, lies(quelle));
    ziel.remove(imSchluesselbund);
}

