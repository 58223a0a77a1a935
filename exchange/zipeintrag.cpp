#include "exchange/zipeintrag.h"

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

ZipEintrag::ZipEintrag(const QString& fileName, const QString& eintrag, qint64 maxGroesse,
                       qint64 maxLauf)
    : m_eintrag(eintrag),
      m_zip(std::make_unique<QuaZip>(fileName)),
      m_maxGroesse(maxGroesse),
      m_maxLauf(maxLauf)
{
}

ZipEintrag::~ZipEintrag()
{
    if (isOpen())
        QIODevice::close();
    if (m_datei && m_datei->isOpen())
        m_datei->close();
    if (m_zip->isOpen())
        m_zip->close();
}

bool ZipEintrag::oeffne()
{
    if (!m_zip->open(QuaZip::mdUnzip) || !m_zip->setCurrentFile(m_eintrag))
        return false;
    m_datei = std::make_unique<QuaZipFile>(m_zip.get());
    if (!m_datei->open(QIODevice::ReadOnly))
        return false;
    m_groesse = m_datei->usize();
    // The stated size is checked before anything is read; the real one as it is read.
    if (m_groesse > m_maxGroesse)
        m_fehler = ZuGross;
    return QIODevice::open(QIODevice::ReadOnly);
}

bool ZipEintrag::leseZuEnde()
{
    char rest[16384];
    while (!atEnd())
        readData(rest, sizeof rest);
    close();
    return m_fehler == Keiner;
}

void ZipEintrag::close()
{
    if (m_datei && m_datei->isOpen()) {
        // The zip library compares the checksum here, once the whole entry was read.
        m_datei->close();
        if (m_fehler == Keiner && m_datei->getZipError() != UNZ_OK)
            m_fehler = Lesefehler;
    }
    QIODevice::close();
}

bool ZipEintrag::atEnd() const
{
    return m_ende || m_fehler != Keiner;
}

qint64 ZipEintrag::readData(char* data, qint64 maxSize)
{
    if (atEnd() || !m_datei)
        return -1;
    // QIODevice asks for nothing at times; the zip library's 0 then is no end.
    if (maxSize <= 0)
        return 0;
    const qint64 n = m_datei->read(data, qMin(maxSize, m_maxGroesse + 1 - m_gelesen));
    if (n < 0 || m_datei->getZipError() != UNZ_OK) {
        m_fehler = Lesefehler;
        return -1;
    }
    if (n == 0) {
        m_ende = true;
        return -1;
    }
    m_gelesen += n;
    if (m_gelesen > m_maxGroesse) {
        m_fehler = ZuGross;
        return -1;
    }
    for (qint64 i = 0; i < n; ++i) {
        if (data[i] == '<')
            m_lauf = 0;
        else if (++m_lauf > m_maxLauf) {
            m_fehler = LaufZuLang;
            return -1;
        }
    }
    return n;
}
