#include "udp_discovery.h"

#include <QNetworkDatagram>
#include <QUdpSocket>
#include <QVariant>

namespace qvs::app {

UdpDiscovery::UdpDiscovery(QHostAddress target, quint16 port, QObject* parent)
    : QObject(parent), m_target(std::move(target)), m_port(port)
{
}

bool UdpDiscovery::Open()
{
    if (m_socket)
        return true;
    m_socket = new QUdpSocket(this);
    m_fixedPort = m_socket->bind(QHostAddress::AnyIPv4, 998, QUdpSocket::ShareAddress);
    if (!m_fixedPort && !m_socket->bind(QHostAddress::AnyIPv4, 0)) {
        delete m_socket;
        m_socket = nullptr;
        return false;
    }
    m_socket->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, QVariant(4 * 1024 * 1024));
    connect(m_socket, &QUdpSocket::readyRead, this, &UdpDiscovery::Read);
    return true;
}

bool UdpDiscovery::Send(const std::string& datagram)
{
    if (!Open())
        return false;
    const QByteArray bytes(datagram.data(), static_cast<qsizetype>(datagram.size()));
    return m_socket->writeDatagram(bytes, m_target, m_port) == bytes.size();
}

void UdpDiscovery::Read()
{
    while (m_socket->hasPendingDatagrams()) {
        const QNetworkDatagram datagram = m_socket->receiveDatagram(8192);
        const QByteArray data = datagram.data();
        if (m_handler)
            m_handler(std::string(data.constData(), static_cast<size_t>(data.size())));
    }
}

}  // namespace qvs::app
