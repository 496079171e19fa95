#pragma once

#include "gateway_models.h"

#include <QByteArray>
#include <QElapsedTimer>

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qvs::sim {

// Settings and tags are kept as the decoded values of the keys they were sent with,
// so that the matching GET returns them under the same keys.
using KeyMap = std::map<std::string, std::string>;

inline constexpr int kMaxTags = 128;
inline constexpr int kRecipientSlots = 5;
inline constexpr int kMaxSiteSize = 1572864;

// What a polled tag is doing right now; not part of the configuration.
struct LiveTag {
    std::optional<double> Written;  // a written value sticks until the next write
    int AlarmState = 0;             // 0 no alarm, 1 in alarm, 2 acknowledged
};

struct MailItem {
    std::string TagName;
    int Slot = 0;       // recipient slot being served, 0..4
    int StepsLeft = 0;  // ticks until the mail to that slot counts as sent
};

struct Mailbox {
    std::deque<MailItem> Queue;
    int Status = 3;     // 0 disabled, 1 sending, 2 sent, 3 nothing to send
    int Too = 1;        // recipient number (1..5) of the mail being sent
    int Retry = 1;
    int Error = 0;
    int Sent = 0;       // mails delivered since start, for the state report
};

struct Gateway {
    // identity
    std::string Mac;
    std::string Model;     // model code, e.g. "1118"
    std::string Firmware;  // e.g. "2.0.7-R"
    // network
    std::string Ip = "0.0.0.0";
    std::string Netmask = "0.0.0.0";
    std::string DefaultGateway = "0.0.0.0";
    std::string FstDns = "0.0.0.0";
    std::string SndDns = "0.0.0.0";
    bool Dhcp = false;
    bool HasHostName = false;
    std::string HostName;
    // accounts
    std::string AdminPassword;
    std::string UserName = "user";
    std::string UserPassword;
    // log (only offered by "-R" firmware)
    bool LogEnable = false;
    int LogTime = 60;
    int LogCount = 0;
    // clock: the gateway's time is the computer's plus this offset
    int64_t ClockOffsetSeconds = 0;
    // acquisition machine
    bool Running = true;
    bool TagAdmin = false;
    bool CommError = false;  // the serial line is broken: serial tags fail to read
    // configuration
    KeyMap Com;
    KeyMap Smtp;
    std::array<std::string, kRecipientSlots> Recipients;
    std::vector<KeyMap> Tags;
    // web-site package ("userpage.kwp")
    QByteArray Site;
    // run time
    std::vector<LiveTag> Live;
    Mailbox Mail;
    double FrozenAt = 0;  // plant seconds at which a stopped machine froze its values

    bool IsKavro() const { return IsKavroModel(ModelName(Model)); }
    ConfigFlavour Flavour() const { return FlavourOfModel(Model); }
    bool HasLog() const { return HasLogFeature(Firmware); }
};

// The emulated plant: a fixed set of gateways living on one event loop.
class Plant {
public:
    Plant();

    std::vector<std::unique_ptr<Gateway>>& Gateways() { return m_gateways; }
    const std::vector<std::unique_ptr<Gateway>>& Gateways() const { return m_gateways; }
    Gateway* FindByMac(const std::string& mac);
    Gateway& Add(Gateway gateway);

    // Seconds since the plant started; the live signals are functions of it.
    double Seconds() const;

    // Something worth keeping changed (settings, tags, site, network, written values).
    void Changed() const { if (OnChanged) OnChanged(); }
    // A gateway's address changed; its servers may have to move.
    void NetworkChanged(Gateway& gateway) const { if (OnNetworkChanged) OnNetworkChanged(gateway); Changed(); }

    std::function<void()> OnChanged;
    std::function<void(Gateway&)> OnNetworkChanged;

private:
    std::vector<std::unique_ptr<Gateway>> m_gateways;
    QElapsedTimer m_clock;
};

}  // namespace qvs::sim
