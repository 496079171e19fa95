#pragma once

#include "discovery.h"

#include <QHostAddress>
#include <QObject>

class QUdpSocket;

namespace qvs::app {

// Broadcasts on UDP and hands every datagram that arrives to the handler.
// Binds port 998 where it may and a free port otherwise (gateways answer the sender's port).
class UdpDiscovery : public QObject, public IDiscovery {
    Q_OBJECT
public:
    UdpDiscovery(QHostAddress target, quint16 port, QObject* parent = nullptr);
    void SetHandler(Handler handler) override { m_handler = std::move(handler); }
    bool Send(const std::string& datagram) override;
    // False when port 998 could not be bound and a free port is used instead.
    bool HasFixedPort() const { return m_fixedPort; }

private:
    void Read();
    bool Open();

    QHostAddress m_target;
    quint16 m_port;
    QUdpSocket* m_socket = nullptr;
    bool m_fixedPort = false;
    Handler m_handler;
};

}  // namespace qvs::app
