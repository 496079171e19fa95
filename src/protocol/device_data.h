#pragma once

#include <string>
#include <string_view>

namespace qvs {

// One gateway as found by discovery or remote search.
struct TDeviceData {
    std::string Name;        // model name from the model code
    std::string Host;        // host name the gateway reported, "-" when none
    std::string MAC;         // as the gateway wrote it; the identity of a device
    std::string Version;     // firmware version text
    std::string IP;
    std::string Netmask;
    std::string Gateway;
    bool DHCP = false;
    std::string RemoteHost;  // how a remote gateway was found; empty for broadcast answers
    bool HasHostName = false;
    std::string User;
    std::string Password;
    bool IsKavro = false;
    bool HasLog = false;
    bool NotManageable = false;
    int Flavour = 0;         // 0 Modbus, 1 Hostlink, 2 DF1

    bool operator==(const TDeviceData&) const = default;
};

// The record of one "NTM" answer. Missing items give empty fields.
TDeviceData GetDeviceData(std::string_view datagram);

// What a network set-up sends to one gateway.
struct NetworkSetup {
    std::string Password;
    std::string MAC;
    bool DHCP = false;
    std::string IP;
    std::string Netmask;
    std::string Gateway;
    bool HasHostName = false;  // the row's hidden host-name cell is "1"
    std::string HostName;
};

// "CONFIG(password,MAC,ip,netmask,gateway[,host])"; with DHCP the three addresses are
// "0.0.0.0"; an empty password stays an empty first item.
std::string BuildConfigPacket(const NetworkSetup& setup);

// True when the datagram is the named answer ("ACK" or "NAK") of the gateway with this MAC.
bool IsAnswerFrom(std::string_view name, std::string_view datagram, std::string_view mac);

}  // namespace qvs
