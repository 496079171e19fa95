#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QString>

#include <vector>

namespace qvs::test {

// Plain-socket clients for tests that talk to kavro-sim (or any peer) on loopback.
// Every call is bounded by its time-out and never needs an event loop.

struct HttpResult {
    bool Ok = false;       // a complete response arrived
    int Status = 0;
    QList<QPair<QByteArray, QByteArray>> Headers;
    QByteArray Body;
    QByteArray Raw;        // everything the peer sent
    QString Error;
};

// Sends the bytes as they are and reads until the peer closes.
HttpResult HttpRaw(const QString& address, quint16 port, const QByteArray& request, int timeoutMs = 10000);
// An HTTP/1.0 POST like the gateways' clients make.
HttpResult HttpPost(const QString& address, quint16 port, const QByteArray& path, const QByteArray& body,
                    const QByteArray& contentType = "text/x-qprot", int timeoutMs = 10000);
HttpResult HttpGet(const QString& address, quint16 port, const QByteArray& path, int timeoutMs = 10000);

// Sends one datagram from a fresh socket on 127.0.0.1 and collects the answers until
// `expected` have arrived or the time-out passed; then waits `lingerMs` for strays.
std::vector<QByteArray> UdpAsk(quint16 port, const QByteArray& datagram, size_t expected, int timeoutMs = 5000,
                               int lingerMs = 0, const QHostAddress& target = QHostAddress::LocalHost);

}  // namespace qvs::test
