#ifndef PRUEFSUMME_H
#define PRUEFSUMME_H

#include <QByteArray>
#include <QByteArrayView>

// SHA-256 in lower-case hex, as QCryptographicHash writes it, through
// OpenSSL: on processors with SHA instructions several times as fast, which
// a backup of a large database feels.
class Pruefsumme
{
public:
    Pruefsumme();
    ~Pruefsumme();
    Pruefsumme(const Pruefsumme&) = delete;
    Pruefsumme& operator=(const Pruefsumme&) = delete;

    void addData(QByteArrayView daten);
    // The 64 hex digits of everything added; ends the sum. Empty where
    // OpenSSL failed (out of memory), so no sum passes for a right one.
    QByteArray hex();

    static QByteArray hex(QByteArrayView daten);

private:
    struct evp_md_ctx_st* m_ctx;
    bool m_gut;
};

#endif
