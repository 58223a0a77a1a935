#include "platform/pruefsumme.h"

#include <openssl/evp.h>

Pruefsumme::Pruefsumme() : m_ctx(EVP_MD_CTX_new())
{
    m_gut = m_ctx && EVP_DigestInit_ex(m_ctx, EVP_sha256(), nullptr) == 1;
}

Pruefsumme::~Pruefsumme()
{
    EVP_MD_CTX_free(m_ctx);
}

void Pruefsumme::addData(QByteArrayView daten)
{
    m_gut = m_gut && EVP_DigestUpdate(m_ctx, daten.data(), size_t(daten.size())) == 1;
}

QByteArray Pruefsumme::hex()
{
    unsigned char wert[EVP_MAX_MD_SIZE];
    unsigned int laenge = 0;
    m_gut = m_gut && EVP_DigestFinal_ex(m_ctx, wert, &laenge) == 1;
    return m_gut ? QByteArray(reinterpret_cast<const char*>(wert), int(laenge)).toHex() : QByteArray();
}

QByteArray Pruefsumme::hex(QByteArrayView daten)
{
    Pruefsumme p;
    p.addData(daten);
    return p.hex();
}
