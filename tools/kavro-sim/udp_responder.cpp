#include "udp_responder.h"

#include "dscpkt.h"

#include <QNetworkDatagram>
#include <QTimer>

namespace qvs::sim {

namespace {

bool IsAddress(const std::string& text)
{
    QHostAddress address;
    return address.setAddress(QString::fromStdString(text)) &&
           address.protocol() == QAbstractSocket::IPv4Protocol &&
           QString::fromStdString(text).count('.') == 3;
}

}  // namespace

std::string NtmAnswer(const Gateway& g, const std::string& mac)
{
    std::string answer = NewListPacket("NTM");
    for (const std::string& item : {g.Model, g.Firmware, mac, g.Ip, g.Netmask, g.DefaultGateway,
                                    std::string(g.Dhcp ? "1" : "0")})
        answer = AddListItem(item, answer);
    if (g.HasHostName)
        answer = AddListItem(g.HostName, answer);
    return answer;
}

UdpResponder::UdpResponder(SimServices services, QObject* parent) : QObject(parent), m_services(services)
{
    connect(&m_socket, &QUdpSocket::readyRead, this, &UdpResponder::Read);
}

bool UdpResponder::Bind(const QHostAddress& address, quint16 port)
{
    return m_socket.bind(address, port);
}

void UdpResponder::Read()
{
    while (m_socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket.receiveDatagram(kMaxDatagram);
        if (!datagram.isValid())
            continue;
        Journal::Entry entry;
        entry.Transport = "udp";
        entry.Peer = datagram.senderAddress().toString() + ":" + QString::number(datagram.senderPort());
        entry.Endpoint = m_socket.localAddress().toString() + ":" + QString::number(m_socket.localPort());
        entry.Body = datagram.data();
        m_services.journal.Record(entry);
        Answer(datagram.data().toStdString(), datagram.senderAddress(), quint16(datagram.senderPort()));
    }
}

void UdpResponder::Answer(const std::string& datagram, const QHostAddress& peer, quint16 port)
{
    if (datagram.rfind("HELLO(", 0) == 0)
        Hello(peer, port);
    else if (datagram.rfind("CONFIG(", 0) == 0)
        Config(datagram, peer, port);
}

void UdpResponder::Hello(const QHostAddress& peer, quint16 port)
{
    for (const auto& gateway : m_services.plant.Gateways()) {
        const Gateway& g = *gateway;
        Send("HELLO", g, [&g](const std::string& mac) { return NtmAnswer(g, mac); }, peer, port);
    }
}

void UdpResponder::Config(const std::string& datagram, const QHostAddress& peer, quint16 port)
{
    const std::string mac = GetListItem(datagram, 2);
    Gateway* gateway = mac.empty() ? nullptr : m_services.plant.FindByMac(mac);
    if (!gateway)
        return;  // a set-up for someone else
    const std::string ip = GetListItem(datagram, 3);
    const std::string netmask = GetListItem(datagram, 4);
    const std::string defaultGateway = GetListItem(datagram, 5);
    const bool accepted = GetListItem(datagram, 1) == gateway->AdminPassword && IsAddress(ip) &&
                          IsAddress(netmask) && IsAddress(defaultGateway);
    if (accepted) {
        // The zero address everywhere asks for DHCP; the lease keeps the old address.
        gateway->Dhcp = ip == "0.0.0.0" && netmask == "0.0.0.0" && defaultGateway == "0.0.0.0";
        if (!gateway->Dhcp) {
            gateway->Ip = ip;
            gateway->Netmask = netmask;
            gateway->DefaultGateway = defaultGateway;
        }
        if (gateway->HasHostName && HasListItems(datagram, 6))
            gateway->HostName = GetListItem(datagram, 6);
    }
    const char* name = accepted ? "ACK" : "NAK";
    Send("CONFIG", *gateway, [name](const std::string& m) { return AddListItem(m, NewListPacket(name)); },
         peer, port);
    if (accepted)
        m_services.plant.NetworkChanged(*gateway);
}

void UdpResponder::Send(const std::string& kind, const Gateway& gateway,
                        const std::function<std::string(const std::string& mac)>& build,
                        const QHostAddress& peer, quint16 port)
{
    const auto fault = m_services.faults.Match(FaultService::Udp, gateway.Mac, kind);
    const std::string mac = fault && fault->Action == FaultAction::Mac ? fault->Text : gateway.Mac;
    const QByteArray answer = QByteArray::fromStdString(build(mac));
    if (fault && fault->Action == FaultAction::Drop)
        return;
    const int copies = fault && fault->Action == FaultAction::Duplicate ? 2 : 1;
    if (fault && fault->Action == FaultAction::Delay) {
        QTimer::singleShot(int(fault->Number), this, [this, answer, peer, port] {
            m_socket.writeDatagram(answer, peer, port);
        });
        return;
    }
    for (int i = 0; i < copies; ++i)
        m_socket.writeDatagram(answer, peer, port);
}

}  // namespace qvs::sim
