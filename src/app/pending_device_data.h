#pragma once

#include "dscpkt.h"
#include "gateway_models.h"

#include <string>

namespace qvs {

// One gateway as found by discovery or remote search.
struct TDeviceData {
    std::string Name;
    std::string Host;
    std::string MAC;
    std::string Version;
    std::string IP;
    std::string Netmask;
    std::string Gateway;
    bool DHCP = false;
    std::string RemoteHost;
    bool HasHostName = false;
    std::string User;
    std::string Password;
    bool IsKavro = false;
    bool HasLog = false;
    bool NotManageable = false;
    int Flavour = 0;
};

// One "NTM" answer as a record.
inline TDeviceData GetDeviceData(const std::string& datagram)
{
    TDeviceData d;
    const std::string code = GetListItem(datagram, 1);
    d.Name = ModelName(code);
    d.Version = GetListItem(datagram, 2);
    d.MAC = GetListItem(datagram, 3);
    d.IP = GetListItem(datagram, 4);
    d.Netmask = GetListItem(datagram, 5);
    d.Gateway = GetListItem(datagram, 6);
    d.DHCP = GetListItem(datagram, 7) != "0";
    d.HasHostName = HasListItems(datagram, 8);
    d.Host = d.HasHostName ? GetListItem(datagram, 8) : "-";
    d.IsKavro = IsKavroModel(d.Name);
    d.Flavour = d.IsKavro ? static_cast<int>(FlavourOfModel(code)) : 0;
    return d;
}

}  // namespace qvs
