#pragma once

#include "gateway_exchange.h"
#include "packet_exchange.h"

#include <string>

namespace qvs::app {

// The main window's two HTTP clients: the local one for LAN addresses, the remote one (through the
// proxy) for gateways found by remote search. Used from the gateway worker thread only.
class IGatewayClients {
public:
    virtual ~IGatewayClients() = default;
    // "http://" + (remote host, or host when it is empty) + "/" + endpoint.
    virtual ExchangeReply Exchange(const std::string& host, const std::string& remoteHost, Endpoint endpoint,
                                   const TPacket& request) = 0;
    virtual void SetProxy(const HttpProxyOptions& proxy) = 0;
};

// The real clients, over libcurl.
class LiveGatewayClients : public IGatewayClients {
public:
    explicit LiveGatewayClients(int readTimeoutMs = HttpClient::kDefaultReadTimeoutMs) : m_exchange(readTimeoutMs) {}
    ExchangeReply Exchange(const std::string& host, const std::string& remoteHost, Endpoint endpoint,
                           const TPacket& request) override
    {
        return m_exchange.ExchangeVia(host, remoteHost, endpoint, request);
    }
    void SetProxy(const HttpProxyOptions& proxy) override { m_exchange.SinchronizeOptions(proxy); }

private:
    GatewayExchange m_exchange;
};

}  // namespace qvs::app
