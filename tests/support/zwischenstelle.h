#ifndef ZWISCHENSTELLE_H
#define ZWISCHENSTELLE_H

#include <QString>
#include <QThread>

#include <atomic>

class QTcpServer;

// A network between the program and a PostgreSQL server's socket, for faults:
// a port on 127.0.0.1 that forwards every connection, in a thread of its own
// (the program waits for the server on its one thread). It delays each
// direction, swallows everything (a black-holed network), cuts every open
// connection, or cuts one right after forwarding a COMMIT so that only its
// answer is lost.
class Zwischenstelle
{
public:
    explicit Zwischenstelle(const QString& socket);
    ~Zwischenstelle();

    int port() const { return m_port; }
    void verzoegere(int ms) { m_verzoegerung = ms; }  // each direction
    void schwarzesLoch(bool an) { m_loch = an; }
    void trenneAlle();
    void trenneNachCommit() { m_nachCommit = true; }

private:
    void verbinde();

    QString m_socket;
    QThread m_thread;
    QObject* m_kontext = nullptr;  // lives in m_thread, owns the server and the sockets
    QTcpServer* m_server = nullptr;
    int m_port = 0;
    std::atomic<int> m_verzoegerung{0};
    std::atomic<bool> m_loch{false};
    std::atomic<bool> m_nachCommit{false};
};

#endif
