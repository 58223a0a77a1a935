#include "platform/speicherdatei.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cstdio>

namespace {

// The file a name stands for, following symbolic links as QSaveFile does
// (a dangling link: the file it points to, which is then created).
QString aufgeloest(const QString& name)
{
    QFileInfo info(name);
    for (int tiefe = 0; tiefe < 128 && info.isSymLink(); ++tiefe)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? name : info.absoluteFilePath();
}

// QSaveFile's temporary name is the target's name followed by ".XXXXXX".
bool zuLangFuerQSaveFile(const QString& pfad)
{
    return QFile::encodeName(QFileInfo(pfad).fileName()).size() + 7 > 255;
}

}  // namespace

SpeicherDatei::SpeicherDatei(const QString& name) : QSaveFile(name)
{
    const QString ziel = aufgeloest(name);
    if (!zuLangFuerQSaveFile(ziel))
        return;
    m_ziel = ziel;
    const QString ordner = QFileInfo(ziel).absolutePath();
    QString kurz;
    do {
        kurz = QStringLiteral("%1/.belegwerk-%2.tmp")
                   .arg(ordner)
                   .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    } while (QFileInfo::exists(kurz));
    setFileName(kurz);
}

bool SpeicherDatei::open(OpenMode mode)
{
    if (!m_ziel.isEmpty() && QFileInfo(m_ziel).isDir()) {
        setErrorString(QStringLiteral("Filename refers to a directory"));
        return false;
    }
    return QSaveFile::open(mode);
}

bool SpeicherDatei::commit()
{
    if (m_ziel.isEmpty())
        return QSaveFile::commit();
    const QString kurz = fileName();
    if (!QSaveFile::commit())
        return false;
    if (QFileInfo::exists(m_ziel))
        QFile::setPermissions(kurz, QFile::permissions(m_ziel));
    // rename() replaces the target in one step, so it is never missing or half-written.
    if (std::rename(QFile::encodeName(kurz).constData(), QFile::encodeName(m_ziel).constData())
        != 0) {
        setErrorString(QStringLiteral("Cannot replace %1").arg(QDir::toNativeSeparators(m_ziel)));
        QFile::remove(kurz);
        return false;
    }
    return true;
}
