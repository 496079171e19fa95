#include "device_data.h"

#include "dscpkt.h"
#include "gateway_models.h"

namespace qvs {

TDeviceData GetDeviceData(std::string_view datagram)
{
    TDeviceData device;
    const std::string code = GetListItem(datagram, 1);
    device.Name = ModelName(code);
    device.Version = GetListItem(datagram, 2);
    device.MAC = GetListItem(datagram, 3);
    device.IP = GetListItem(datagram, 4);
    device.Netmask = GetListItem(datagram, 5);
    device.Gateway = GetListItem(datagram, 6);
    device.DHCP = GetListItem(datagram, 7) != "0";
    if (HasListItems(datagram, 8)) {
        device.Host = GetListItem(datagram, 8);
        device.HasHostName = true;
    } else {
        device.Host = "-";
    }
    device.IsKavro = IsKavroModel(device.Name);
    device.Flavour = device.IsKavro ? static_cast<int>(FlavourOfModel(code)) : 0;
    device.HasLog = HasLogFeature(device.Version);
    device.NotManageable = IsNotManageableModel(device.Version);
    return device;
}

std::string BuildConfigPacket(const NetworkSetup& setup)
{
    // Items are joined here rather than appended one by one: a password may itself hold
    // "()", which would make the list look empty to an append.
    std::string packet = NewListPacket("CONFIG");
    packet.pop_back();
    packet += setup.Password;
    packet += ',' + setup.MAC;
    const char* any = "0.0.0.0";
    packet += ',' + (setup.DHCP ? std::string(any) : setup.IP);
    packet += ',' + (setup.DHCP ? std::string(any) : setup.Netmask);
    packet += ',' + (setup.DHCP ? std::string(any) : setup.Gateway);
    if (setup.HasHostName)
        packet += ',' + setup.HostName;
    packet += ')';
    return packet;
}

bool IsAnswerFrom(std::string_view name, std::string_view datagram, std::string_view mac)
{
    return IsListPacket(name, datagram) && GetListItem(datagram, 1) == mac;
}

}  // namespace qvs
