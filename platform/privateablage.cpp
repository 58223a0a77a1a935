#include "platform/privateablage.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

constexpr QFile::Permissions nurBenutzer = QFile::ReadOwner | QFile::WriteOwner;

}  // namespace

bool PrivateAblage::ordner(const QString& pfad)
{
    if (!QDir().mkpath(pfad)
        || !QFile::setPermissions(pfad, nurBenutzer | QFile::ExeOwner)) {
        qWarning() << "cannot make a private folder" << pfad;
        return false;
    }
    return true;
}

bool PrivateAblage::neueDatei(const QString& pfad)
{
    if (QFileInfo::exists(pfad))
        return true;
    // Created with its mode at once, so the file is never readable by others.
    QFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::NewOnly, nurBenutzer)) {
        qWarning() << "cannot create" << pfad << datei.errorString();
        return false;
    }
    return true;
}

bool PrivateAblage::einstellungen()
{
    const QString datei = QSettings().fileName();
    // Later writes replace the file and keep the mode it has.
    return ordner(QFileInfo(datei).absolutePath()) && neueDatei(datei)
           && QFile::setPermissions(datei, nurBenutzer);
}

QString PrivateAblage::mailOrdner()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
        .filePath(QStringLiteral("mail"));
}

QString PrivateAblage::mailAnhang(const QString& fileName)
{
    if (!ordner(mailOrdner()))
        return QString();
    QTemporaryDir dir(QDir(mailOrdner()).filePath(QStringLiteral("XXXXXX")));
    if (!dir.isValid()) {
        qWarning() << "cannot create a folder in" << mailOrdner() << dir.errorString();
        return QString();
    }
    // The mail program reads the file after this run may have ended.
    dir.setAutoRemove(false);
    return dir.filePath(fileName);
}

void PrivateAblage::raeumeMailAnhaengeAuf()
{
    QDir dir(mailOrdner());
    if (dir.exists() && !dir.removeRecursively())
        qWarning() << "cannot remove old mail attachments in" << mailOrdner();
}
