#pragma once

#include "gateway_exchange.h"
#include "packet_exchange.h"

#include <string>

namespace qvs::app {

// The main window's two HTTP clients: the local one for LAN addresses, the remote one (through the
// proxy) for gateways found by remote search. One set serves one thread at a time.
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

// The clients as the packet exchange a transfer sequence runs over, on the thread of its dialog.
class ClientsExchange : public IPacketExchange {
public:
    explicit ClientsExchange(IGatewayClients& clients) : m_clients(clients) {}
    ExchangeReply Exchange(const std::string& host, Endpoint endpoint, const TPacket& request) override
    {
        return m_clients.Exchange(host, {}, endpoint, request);
    }
    ExchangeReply ExchangeVia(const std::string& host, const std::string& remoteHost, Endpoint endpoint,
                              const TPacket& request) override
    {
        return m_clients.Exchange(host, remoteHost, endpoint, request);
    }

private:
    IGatewayClients& m_clients;
};

}  // namespace qvs::app
