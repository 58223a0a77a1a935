#include "platform/passwortablage.h"

#include "platform/einstellung.h"
#include "platform/privateablage.h"

#include <qt6keychain/keychain.h>

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QSettings>
#include <QTimer>

namespace {

// Set when the password is in the secret store, so that start-up asks the
// store only then (a locked store would otherwise prompt at every start).
const Einstellung::Schluessel imSchluesselbund = Einstellung::DatenbankSchluesselbund;

// Runs job to its end; a store that does not answer within a minute counts as
// absent. The job deletes itself when it ends, even after the time-out.
bool fuehreAus(QKeychain::Job* job, QString* text = nullptr)
{
    QEventLoop loop;
    bool ok = false;
    job->setAutoDelete(true);
    job->setKey(Einstellung::name(Einstellung::DatenbankPasswort));
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
    const bool warDort = Einstellung::schalter(imSchluesselbund, s);
    bool imStore = false;
    if (!passwort.isEmpty()) {
        auto* job = new QKeychain::WritePasswordJob(dienst());
        job->setTextData(passwort);
        imStore = fuehreAus(job);
    } else if (warDort) {
        fuehreAus(new QKeychain::DeletePasswordJob(dienst()));
    }
    Einstellung::setze(Einstellung::DatenbankPasswort, imStore ? QString() : passwort, s);
    if (imStore)
        Einstellung::setze(imSchluesselbund, true, s);
    else
        s.remove(Einstellung::name(imSchluesselbund));
    s.sync();
    PrivateAblage::einstellungen();  // the key may hold the password now
}

QString Passwortablage::lies(QSettings& s)
{
    const QString passwort = Einstellung::text(Einstellung::DatenbankPasswort, s);
    if (!passwort.isEmpty() || !Einstellung::schalter(imSchluesselbund, s))
        return passwort;
    auto* job = new QKeychain::ReadPasswordJob(dienst());
    QString gelesen;
    fuehreAus(job, &gelesen);
    return gelesen;
}

void Passwortablage::alsKlartext(QSettings& ziel, QSettings& quelle)
{
    if (!Einstellung::schalter(imSchluesselbund, quelle))
        return;
    Einstellung::setze(Einstellung::DatenbankPasswort, lies(quelle), ziel);
    ziel.remove(Einstellung::name(imSchluesselbund));
}

