#pragma once

#include "qprot_packet.h"

#include <string>

namespace qvs {

// The gateway's two CGI entry points: administration commands and tag values.
enum class Endpoint { Admin, App };

inline const char* EndpointPath(Endpoint endpoint)
{
    return endpoint == Endpoint::Admin ? "admpost.cgi" : "apppost.cgi";
}

struct ExchangeReply {
    bool Ok = false;
    TPacket Reply;         // the reply packet as it arrived, when Ok
    std::string Failure;   // why no reply came, when not Ok
};

// One request packet to a gateway, one reply packet back; blocks its caller.
// Sequences (send, get, monitor) are plain code over this interface.
class IPacketExchange {
public:
    virtual ~IPacketExchange() = default;
    // POST to "http://" + host + "/" + EndpointPath(endpoint).
    virtual ExchangeReply Exchange(const std::string& host, Endpoint endpoint,
                                   const TPacket& request) = 0;
    // For a gateway found by remote search (remoteHost not empty) the request goes to
    // remoteHost through the remote client and its proxy; otherwise as Exchange(host, ...).
    virtual ExchangeReply ExchangeVia(const std::string& host, const std::string& remoteHost,
                                      Endpoint endpoint, const TPacket& request)
    {
        return Exchange(remoteHost.empty() ? host : remoteHost, endpoint, request);
    }
};

}  // namespace qvs
