#include "exchange/zippaket.h"

#include <QDebug>
#include <QTextStream>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>

ZipPaket::ZipPaket(const QString& fileName) : m_datei(fileName)
{
    if (!m_datei.open(QIODevice::WriteOnly)) {
        qWarning() << "cannot create zip" << fileName << m_datei.errorString();
        return;
    }
    m_zip = std::make_unique<QuaZip>(&m_datei);
    // QuaZip must not close the file: only commit() may put it in place.
    m_zip->setAutoClose(false);
    m_ok = m_zip->open(QuaZip::mdCreate);
    if (!m_ok)
        qWarning() << "cannot create zip" << fileName;
}

ZipPaket::~ZipPaket()
{
    if (m_zip && m_zip->isOpen())
        m_zip->close();
    m_zip.reset();
    // A file never committed is removed with it; this only makes it explicit.
    if (m_datei.isOpen())
        m_datei.cancelWriting();
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
        qWarning() << "cannot open zip entry" << name << "in" << m_datei.fileName();
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
        qWarning() << "error writing zip entry" << name << "in" << m_datei.fileName();
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
    if (!m_datei.commit()) {
        qWarning() << "cannot save zip" << m_datei.fileName() << m_datei.errorString();
        m_ok = false;
        return false;
    }
    return true;
}
