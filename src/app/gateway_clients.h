#pragma once

#include "packet_exchange.h"

#include <string>

namespace qvs::app {

// The proxy parameters of the client used for remote gateways.
struct HttpProxySettings {
    std::string Server;
    int Port = 0;
    bool BasicAuth = false;
    std::string User;
    std::string Password;
};

// The main window's two HTTP clients: the local one for LAN addresses, the remote one (through the
// proxy) for gateways found by remote search. Used from the gateway worker thread only.
class IGatewayClients {
public:
    virtual ~IGatewayClients() = default;
    // "http://" + (remote host, or host when it is empty) + "/" + endpoint.
    virtual ExchangeReply Exchange(const std::string& host, const std::string& remoteHost, Endpoint endpoint,
                                   const TPacket& request) = 0;
    virtual void SetProxy(const HttpProxySettings& proxy) = 0;
};

}  // namespace qvs::app
