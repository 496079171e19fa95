#pragma once

#include "sim_services.h"

#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

#include <functional>

namespace qvs::sim {

// The gateways' UDP responder: "HELLO()" gets one "NTM" list packet per gateway,
// "CONFIG" for a gateway's MAC gets "ACK" or "NAK" with that MAC; both go back to the
// sender's address and port. Other datagrams are dropped.
class UdpResponder : public QObject {
public:
    explicit UdpResponder(SimServices services, QObject* parent = nullptr);

    bool Bind(const QHostAddress& address, quint16 port);
    quint16 Port() const { return m_socket.localPort(); }
    QString ErrorString() const { return m_socket.errorString(); }

    static constexpr int kMaxDatagram = 8192;

private:
    void Read();
    void Answer(const std::string& datagram, const QHostAddress& peer, quint16 port);
    void Hello(const QHostAddress& peer, quint16 port);
    void Config(const std::string& datagram, const QHostAddress& peer, quint16 port);
    // Sends one gateway's answer, built for the MAC it is to carry, through the faults.
    void Send(const std::string& kind, const Gateway& gateway,
              const std::function<std::string(const std::string& mac)>& build,
              const QHostAddress& peer, quint16 port);

    SimServices m_services;
    QUdpSocket m_socket;
};

// The "NTM" answer of one gateway.
std::string NtmAnswer(const Gateway& gateway, const std::string& mac);

}  // namespace qvs::sim
