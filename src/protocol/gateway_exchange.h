#pragma once

#include "http_client.h"
#include "packet_exchange.h"

#include <mutex>
#include <string>

namespace qvs {

// The HTTP proxy options as the remote client takes them.
struct HttpProxyOptions {
    bool Enabled = false;
    std::string Server;
    int Port = 0;
    bool BasicAuth = false;
    std::string User;
    std::string Password;
};

// The exchange of one owner (the main window, the tag-list download, the monitor): its two
// clients IdHTTPLocal (gateways on the LAN, never a proxy) and IdHTTPRemote (gateways found by
// remote search, through the configured proxy). One exchange at a time per owner, from any
// thread.
class GatewayExchange : public IPacketExchange {
public:
    explicit GatewayExchange(int readTimeoutMs = HttpClient::kDefaultReadTimeoutMs);

    ExchangeReply Exchange(const std::string& host, Endpoint endpoint,
                           const TPacket& request) override;
    ExchangeReply ExchangeVia(const std::string& host, const std::string& remoteHost,
                              Endpoint endpoint, const TPacket& request) override;

    // Copies the HTTP proxy options into IdHTTPRemote: with the proxy disabled it connects
    // directly.
    void SinchronizeOptions(const HttpProxyOptions& options);

    void SetReadTimeout(int ms);

    HttpClient& IdHTTPLocal() { return m_local; }
    HttpClient& IdHTTPRemote() { return m_remote; }

    // "http://" + host + "/" + endpoint; nothing else is added.
    static std::string Url(const std::string& host, Endpoint endpoint);
    // The packet text without leading and trailing blanks and control characters.
    static std::string RequestBody(const TPacket& request);

private:
    ExchangeReply Run(HttpClient& client, const std::string& host, Endpoint endpoint,
                      const TPacket& request);

    std::mutex m_exchangeMutex;
    HttpClient m_local;
    HttpClient m_remote;
};

}  // namespace qvs
