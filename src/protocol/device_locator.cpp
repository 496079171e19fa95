#include "device_locator.h"

#include "dscpkt.h"
#include "protocol_texts.h"
#include "text_format.h"

#include <QNetworkInterface>
#include <QNetworkDatagram>
#include <QRegularExpression>
#include <QUdpSocket>
#include <QVariant>

#include <sys/socket.h>

namespace qvs {

namespace {

constexpr qint64 kMaxDatagram = 8192;
// Room for a thousand gateways answering the same search at once.
constexpr int kReceiveBuffer = 8 * 1024 * 1024;

void EnlargeReceiveBuffer(QUdpSocket& socket)
{
    socket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, QVariant(kReceiveBuffer));
#ifdef SO_RCVBUFFORCE
    // Beyond the system's cap where we are allowed to; ignored otherwise.
    const int size = kReceiveBuffer;
    ::setsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_RCVBUFFORCE, &size,
                 sizeof size);
#endif
}

void AllowBroadcast(QUdpSocket& socket)
{
    const int on = 1;
    ::setsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
}

}  // namespace

std::optional<DiscoveryTarget> ParseDiscoveryTarget(const QString& text, QString* error)
{
    DiscoveryTarget target;
    QString address = text.trimmed();
    const auto colon = address.indexOf(':');
    if (colon >= 0) {
        bool ok = false;
        const uint port = address.mid(colon + 1).toUInt(&ok, 10);
        if (!ok || port < 1 || port > 65535) {
            if (error)
                *error = QString("not a valid UDP port: %1").arg(address.mid(colon + 1));
            return std::nullopt;
        }
        target.Port = static_cast<quint16>(port);
        address = address.left(colon);
    }
    static const QRegularExpression dotted(R"(^\d{1,3}(\.\d{1,3}){3}$)");
    QHostAddress host;
    if (!dotted.match(address).hasMatch() || !host.setAddress(address) || host.protocol() != QAbstractSocket::IPv4Protocol) {
        if (error)
            *error = QString("not a valid IPv4 address: %1").arg(address);
        return std::nullopt;
    }
    target.Address = host;
    return target;
}

DeviceLocator::DeviceLocator(QObject* parent) : DeviceLocator(Settings{}, parent) {}

DeviceLocator::DeviceLocator(Settings settings, QObject* parent)
    : QObject(parent), m_settings(std::move(settings))
{
    qRegisterMetaType<qvs::TDeviceData>();
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, [this] { tmrUDPResponseTimer(); });
}

DeviceLocator::~DeviceLocator() = default;

QList<QHostAddress> DeviceLocator::LocalIPv4Addresses() const
{
    if (!m_settings.LocalAddresses.isEmpty())
        return m_settings.LocalAddresses;
    QList<QHostAddress> addresses;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        if (!(interface.flags() & QNetworkInterface::IsUp))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries())
            if (entry.ip().protocol() == QAbstractSocket::IPv4Protocol && !addresses.contains(entry.ip()))
                addresses.append(entry.ip());
    }
    if (addresses.isEmpty())
        addresses.append(QHostAddress(QHostAddress::AnyIPv4));
    return addresses;
}

void DeviceLocator::Open()
{
    if (m_opened)
        return;
    m_opened = true;
    QString fallbackReason;
    quint16 fallbackPort = 0;
    for (const QHostAddress& address : LocalIPv4Addresses()) {
        auto socket = std::make_unique<QUdpSocket>();
        // Not shared: another program on the port must show up as a conflict.
        bool bound = socket->bind(address, m_settings.LocalPort, QAbstractSocket::DontShareAddress);
        if (!bound && m_settings.LocalPort != 0) {
            if (fallbackReason.isEmpty())
                fallbackReason = socket->errorString();
            socket = std::make_unique<QUdpSocket>();
            bound = socket->bind(address, 0, QAbstractSocket::DontShareAddress);
            if (bound && fallbackPort == 0)
                fallbackPort = socket->localPort();
        }
        if (!bound)
            continue;
        AllowBroadcast(*socket);
        EnlargeReceiveBuffer(*socket);
        QUdpSocket* raw = socket.get();
        connect(raw, &QUdpSocket::readyRead, this, [this, raw] { ReadPending(raw); });
        m_sockets.push_back(std::move(socket));
    }
    if (!fallbackReason.isEmpty() && fallbackPort != 0)
        emit warning(QString::fromStdString(FormatText(
            texts::kUdpPortFallback,
            {fallbackReason.toStdString(), std::to_string(fallbackPort)})));
}

void DeviceLocator::Close()
{
    m_timer.stop();
    m_mode = Mode::Idle;
    m_sockets.clear();
    m_opened = false;
}

QList<QPair<QHostAddress, quint16>> DeviceLocator::Bindings() const
{
    QList<QPair<QHostAddress, quint16>> bindings;
    for (const auto& socket : m_sockets)
        bindings.append({socket->localAddress(), socket->localPort()});
    return bindings;
}

bool DeviceLocator::SendUDPPacket(const std::string& text)
{
    Open();
    const QByteArray bytes(text.data(), static_cast<qsizetype>(text.size()));
    int sent = 0;
    for (const auto& socket : m_sockets)
        if (socket->writeDatagram(bytes, m_settings.Target.Address, m_settings.Target.Port) == bytes.size())
            ++sent;
    if (sent == 0) {
        emit error(QString::fromLatin1(texts::kUdpConflict));
        return false;
    }
    return true;
}

void DeviceLocator::SetDeviceLocatorAction(Mode mode, const std::string& mac)
{
    m_mode = mode;
    m_timer.setInterval(mode == Mode::SettingNetwork ? m_settings.SetNetworkWaitMs
                                                     : m_settings.SearchWaitMs);
    m_timer.start();
    if (mode == Mode::Idle) {
        m_timer.stop();
    } else if (mode == Mode::SettingNetwork) {
        m_expectedMAC = mac;
        m_result = false;
    }
}

void DeviceLocator::StartSearch()
{
    SendUDPPacket(NewListPacket("HELLO"));
    SetDeviceLocatorAction(Mode::Searching);
}

void DeviceLocator::StartSetNetwork(const NetworkSetup& setup)
{
    SendUDPPacket(BuildConfigPacket(setup));
    SetDeviceLocatorAction(Mode::SettingNetwork, setup.MAC);
}

void DeviceLocator::ReadPending(QUdpSocket* socket)
{
    while (socket->hasPendingDatagrams()) {
        const qint64 size = socket->pendingDatagramSize();
        if (size < 0 || size > kMaxDatagram) {
            socket->readDatagram(nullptr, 0);  // dropped
            continue;
        }
        QByteArray datagram(static_cast<qsizetype>(size), '\0');
        const qint64 read = socket->readDatagram(datagram.data(), size);
        if (read < 0)
            continue;
        datagram.truncate(static_cast<qsizetype>(read));
        IdUDPServerUDPRead(datagram);
    }
}

void DeviceLocator::IdUDPServerUDPRead(const QByteArray& bytes)
{
    const std::string_view datagram(bytes.constData(), static_cast<size_t>(bytes.size()));
    switch (m_mode) {
    case Mode::Idle:
        return;
    case Mode::Searching:
        if (IsListPacket("NTM", datagram))
            emit deviceFound(GetDeviceData(datagram));
        return;
    case Mode::SettingNetwork:
        if (IsAnswerFrom("NAK", datagram, m_expectedMAC))
            m_result = false;
        else if (IsAnswerFrom("ACK", datagram, m_expectedMAC))
            m_result = true;
        return;
    }
}

void DeviceLocator::tmrUDPResponseTimer()
{
    const Mode mode = m_mode;
    m_mode = Mode::Idle;
    if (mode == Mode::Searching) {
        emit searchFinished();
    } else if (mode == Mode::SettingNetwork) {
        const bool ok = m_result;
        m_result = false;
        m_expectedMAC.clear();
        emit setNetworkFinished(ok, QString::fromLatin1(ok ? texts::kDeviceConfigured
                                                           : texts::kErrorSettingDevice));
    }
}

}  // namespace qvs
