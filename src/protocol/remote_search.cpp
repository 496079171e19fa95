#include "remote_search.h"

#include "gateway_models.h"
#include "qprot_errors.h"

namespace qvs {

RemoteSearchResult SearchRemoteDevice(const std::string& typed, const AdminSend& send)
{
    RemoteSearchResult result;
    TPacket request;
    request.NewPacket("GETDEVICE");
    const ExchangeReply device = send(request);
    if (!device.Ok) {
        result.Failure = device.Failure;
        return result;
    }
    request.NewPacket("GETNET");
    const ExchangeReply network = send(request);
    if (!network.Ok) {
        result.Failure = network.Failure;
        return result;
    }
    result.Result = RemoteSearchResult::Outcome::NotValid;
    if (!device.Reply.IsName("DEVICE") || !network.Reply.IsName("NETWORK"))
        return result;
    try {
        TDeviceData& d = result.Device;
        const std::string id = device.Reply.GetString("ID", "");
        d.Name = id.empty() ? "Kavro" : ModelName(id);
        d.Host = network.Reply.GetString("NAME", "");
        d.MAC = device.Reply.GetString("MAC", "");
        d.Version = device.Reply.GetString("VERSION", "");
        d.IP = network.Reply.GetString("IP", "0.0.0.0");
        d.Netmask = network.Reply.GetString("NETMASK", "0.0.0.0");
        d.Gateway = network.Reply.GetString("GATEWAY", "0.0.0.0");
        d.DHCP = network.Reply.GetBoolean("DHCP", false);
        d.RemoteHost = typed;
        d.HasHostName = true;
        d.IsKavro = true;
        d.Flavour = static_cast<int>(FlavourOfModel(id));
    } catch (const QProtError&) {
        // A reply whose values cannot be read is no valid answer either.
        return result;
    }
    result.Result = RemoteSearchResult::Outcome::Found;
    return result;
}

}  // namespace qvs
