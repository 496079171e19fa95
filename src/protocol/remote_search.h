#pragma once

#include "packet_exchange.h"
#include "device_data.h"

#include <functional>
#include <string>

namespace qvs {

// Asks one gateway directly for its identity (GETDEVICE) and network data (GETNET).
struct RemoteSearchResult {
    enum class Outcome { Found, NoResponse, NotValid };
    Outcome Result = Outcome::NoResponse;
    TDeviceData Device;   // when Found
    std::string Failure;  // the transport's reason, when NoResponse
};

using AdminSend = std::function<ExchangeReply(const TPacket& request)>;

// typed: the host name or address the user typed; it becomes the row's Remote IP/Host.
RemoteSearchResult SearchRemoteDevice(const std::string& typed, const AdminSend& send);

}  // namespace qvs
