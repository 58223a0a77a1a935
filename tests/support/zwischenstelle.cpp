#include "tests/support/zwischenstelle.h"

#include <QLocalSocket>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

Zwischenstelle::Zwischenstelle(const QString& socket) : m_socket(socket)
{
    m_thread.start();
    m_kontext = new QObject;
    m_kontext->moveToThread(&m_thread);
    QMetaObject::invokeMethod(
        m_kontext,
        [this] {
            m_server = new QTcpServer(m_kontext);
            m_server->listen(QHostAddress::LocalHost, 0);
            m_port = m_server->serverPort();
            QObject::connect(m_server, &QTcpServer::newConnection, m_kontext, [this] { verbinde(); });
        },
        Qt::BlockingQueuedConnection);
}

Zwischenstelle::~Zwischenstelle()
{
    QMetaObject::invokeMethod(m_kontext, [this] { delete m_kontext; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void Zwischenstelle::trenneAlle()
{
    QMetaObject::invokeMethod(
        m_kontext,
        [this] {
            for (QTcpSocket* c : m_kontext->findChildren<QTcpSocket*>())
                c->abort();
            for (QLocalSocket* s : m_kontext->findChildren<QLocalSocket*>())
                s->abort();
        },
        Qt::BlockingQueuedConnection);
}

void Zwischenstelle::verbinde()
{
    while (QTcpSocket* c = m_server->nextPendingConnection()) {
        c->setParent(m_kontext);
        auto* s = new QLocalSocket(m_kontext);
        s->connectToServer(m_socket);
        if (!s->waitForConnected(5000)) {
            c->abort();
            continue;
        }
        const QPointer<QTcpSocket> client(c);
        const QPointer<QLocalSocket> server(s);
        const auto weiter = [this, client, server](QIODevice* von, QIODevice* nach, bool zumServer) {
            const QByteArray daten = von->readAll();
            if (m_loch)
                return;
            const bool schneiden = zumServer && m_nachCommit && daten.contains("COMMIT");
            const QPointer<QIODevice> ziel(nach);
            const auto schreibe = [ziel, daten, schneiden, client, server] {
                if (ziel)
                    ziel->write(daten);
                if (schneiden && client && server) {
                    // The server gets the COMMIT; the program never hears its answer.
                    client->abort();
                    server->flush();
                    server->disconnectFromServer();
                }
            };
            if (schneiden)
                m_nachCommit = false;
            const int ms = m_verzoegerung;
            if (ms > 0)
                QTimer::singleShot(ms, Qt::PreciseTimer, m_kontext, schreibe);
            else
                schreibe();
        };
        QObject::connect(c, &QTcpSocket::readyRead, m_kontext, [=] { weiter(client, server, true); });
        QObject::connect(s, &QLocalSocket::readyRead, m_kontext, [=] { weiter(server, client, false); });
        // Either end closing closes the other; Qt drops a connection whose receiver is gone.
        QObject::connect(c, &QTcpSocket::disconnected, s, &QLocalSocket::disconnectFromServer);
        QObject::connect(c, &QTcpSocket::disconnected, c, &QObject::deleteLater);
        QObject::connect(s, &QLocalSocket::disconnected, c, &QTcpSocket::disconnectFromHost);
        QObject::connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
    }
}
