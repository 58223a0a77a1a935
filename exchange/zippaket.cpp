#include "exchange/zippaket.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTextStream>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

#include <cstdio>

ZipPaket::ZipPaket(const QString& fileName) : m_ziel(QFileInfo(fileName).absoluteFilePath())
{
    const QFileInfo info(m_ziel);
    if (info.isDir()) {
        qWarning() << "cannot create zip over a folder" << m_ziel;
        return;
    }
    do {
        m_temp = QStringLiteral("%1/.%2.%3.tmp")
                     .arg(info.absolutePath(), info.fileName())
                     .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
    } while (QFile::exists(m_temp));
    m_zip = std::make_unique<QuaZip>(m_temp);
    m_ok = m_zip->open(QuaZip::mdCreate);
    if (!m_ok)
        qWarning() << "cannot create zip" << m_ziel;
}

ZipPaket::~ZipPaket()
{
    if (m_zip && m_zip->isOpen())
        m_zip->close();
    if (!m_fertig && !m_temp.isEmpty())
        QFile::remove(m_temp);
}

bool ZipPaket::istOffen() const
{
    return m_ok;
}

bool ZipPaket::eintrag(const QString& name, const std::function<void(QTextStream&)>& fuelle,
                       bool komprimiert)
{
    if (!m_ok)
        return false;
    QuaZipFile datei(m_zip.get());
    const int methode = komprimiert ? Z_DEFLATED : 0;
    const int stufe = komprimiert ? Z_DEFAULT_COMPRESSION : 0;
    if (!datei.open(QIODevice::WriteOnly, QuaZipNewInfo(name), nullptr, 0, methode, stufe)) {
        qWarning() << "cannot open zip entry" << name << "in" << m_ziel;
        m_ok = false;
        return false;
    }
    {
        QTextStream out(&datei);
        out.setEncoding(QStringConverter::Utf8);
        fuelle(out);
        out.flush();
        if (out.status() != QTextStream::Ok)
            m_ok = false;
    }
    datei.close();
    if (datei.getZipError() != ZIP_OK)
        m_ok = false;
    if (!m_ok)
        qWarning() << "error writing zip entry" << name << "in" << m_ziel;
    return m_ok;
}

bool ZipPaket::abschliessen()
{
    if (!m_zip)
        return false;
    m_zip->close();
    if (m_zip->getZipError() != ZIP_OK)
        m_ok = false;
    if (!m_ok)
        return false;
    // rename() replaces an existing file in one step; where it cannot, remove it first.
    bool verschoben = std::rename(QFile::encodeName(m_temp).constData(),
                                  QFile::encodeName(m_ziel).constData())
                      == 0;
    if (!verschoben && (!QFile::exists(m_ziel) || QFile::remove(m_ziel)))
        verschoben = QFile::rename(m_temp, m_ziel);
    if (!verschoben) {
        qWarning() << "cannot move zip into place" << m_ziel;
        return false;
    }
    m_fertig = true;
    return true;
}
