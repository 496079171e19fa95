#pragma once

#include "device_data.h"

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class QUdpSocket;

namespace qvs {

inline constexpr quint16 kDiscoveryPort = 998;

// Where searches and set-ups are sent: 255.255.255.255:998 unless a lab or a test says otherwise.
struct DiscoveryTarget {
    QHostAddress Address{QHostAddress::Broadcast};
    quint16 Port = kDiscoveryPort;
};

// "ADDR" or "ADDR:PORT" with an IPv4 address; nothing on a malformed text (error says why).
std::optional<DiscoveryTarget> ParseDiscoveryTarget(const QString& text, QString* error = nullptr);

// The UDP side of discovery and network set-up: one socket per local IPv4 address on port
// 998 with broadcasting allowed, and the locator's waits. Lives on the user-interface thread:
// datagrams and the timer are handled there. No widgets: the window follows the signals.
class DeviceLocator : public QObject {
    Q_OBJECT
public:
    enum class Mode { Idle = 0, Searching = 1, SettingNetwork = 2 };

    struct Settings {
        DiscoveryTarget Target;
        quint16 LocalPort = kDiscoveryPort;  // 0: any free port (tests)
        int SearchWaitMs = 500;
        int SetNetworkWaitMs = 1000;
        // Empty: every IPv4 address of the machine's interfaces that are up.
        QList<QHostAddress> LocalAddresses;
    };

    explicit DeviceLocator(QObject* parent = nullptr);
    explicit DeviceLocator(Settings settings, QObject* parent = nullptr);
    ~DeviceLocator() override;

    const Settings& CurrentSettings() const { return m_settings; }
    void SetTarget(const DiscoveryTarget& target) { m_settings.Target = target; }

    // Binds the sockets if that has not been done (the first send does it too). A port other
    // than the wanted one is reported once through warning().
    void Open();
    void Close();
    // The addresses and ports the sockets are bound to.
    QList<QPair<QHostAddress, quint16>> Bindings() const;

    // Sends the text through every socket; false (and error() with the conflict text) when
    // not one socket could send it.
    bool SendUDPPacket(const std::string& text);
    // Starts a wait in that mode; mode 0 ends any wait at once.
    void SetDeviceLocatorAction(Mode mode, const std::string& mac = {});
    Mode CurrentMode() const { return m_mode; }

    // The search: "HELLO()" and a wait of 500 ms; deviceFound() for each "NTM" meanwhile,
    // then searchFinished().
    void StartSearch();
    // The network set-up: "CONFIG" and a wait of 1000 ms for the gateway's answer, then
    // setNetworkFinished() with the result message.
    void StartSetNetwork(const NetworkSetup& setup);

    // Handles one received datagram according to the mode.
    void IdUDPServerUDPRead(const QByteArray& datagram);

signals:
    void deviceFound(const qvs::TDeviceData& device);
    void searchFinished();
    // ok: show message as information; otherwise as an error.
    void setNetworkFinished(bool ok, const QString& message);
    void warning(const QString& message);
    void error(const QString& message);

private:
    void ReadPending(QUdpSocket* socket);
    void tmrUDPResponseTimer();
    QList<QHostAddress> LocalIPv4Addresses() const;

    Settings m_settings;
    std::vector<std::unique_ptr<QUdpSocket>> m_sockets;
    bool m_opened = false;
    Mode m_mode = Mode::Idle;
    std::string m_expectedMAC;
    bool m_result = false;
    QTimer m_timer;
};

}  // namespace qvs

Q_DECLARE_METATYPE(qvs::TDeviceData)
