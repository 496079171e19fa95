#include "gateway_exchange.h"

namespace qvs {

GatewayExchange::GatewayExchange(int readTimeoutMs)
    : m_local(HttpClient::ProxyUse::Never, readTimeoutMs),
      m_remote(HttpClient::ProxyUse::FromSettings, readTimeoutMs)
{
}

std::string GatewayExchange::Url(const std::string& host, Endpoint endpoint)
{
    return "http://" + host + "/" + EndpointPath(endpoint);
}

std::string GatewayExchange::RequestBody(const TPacket& request)
{
    const std::string& text = request.GetText();
    size_t first = 0;
    size_t last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ')
        ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ')
        --last;
    return text.substr(first, last - first);
}

ExchangeReply GatewayExchange::Exchange(const std::string& host, Endpoint endpoint,
                                        const TPacket& request)
{
    return Run(m_local, host, endpoint, request);
}

ExchangeReply GatewayExchange::ExchangeVia(const std::string& host, const std::string& remoteHost,
                                           Endpoint endpoint, const TPacket& request)
{
    if (remoteHost.empty())
        return Run(m_local, host, endpoint, request);
    return Run(m_remote, remoteHost, endpoint, request);
}

ExchangeReply GatewayExchange::Run(HttpClient& client, const std::string& host, Endpoint endpoint,
                                   const TPacket& request)
{
    std::lock_guard lock(m_exchangeMutex);
    ExchangeReply reply;
    HttpResult result = client.Post(Url(host, endpoint), RequestBody(request), "text/x-qprot");
    if (!result.Ok) {
        reply.Failure = std::move(result.Failure);
        return reply;
    }
    reply.Ok = true;
    reply.Reply.SetText(std::move(result.Body));
    return reply;
}

void GatewayExchange::SinchronizeOptions(const HttpProxyOptions& options)
{
    ProxySettings proxy;
    if (options.Enabled) {
        proxy.Server = options.Server;
        proxy.Port = options.Port;
        proxy.BasicAuth = options.BasicAuth;
        proxy.User = options.User;
        proxy.Password = options.Password;
    }
    m_remote.SetProxy(proxy);
}

void GatewayExchange::SetReadTimeout(int ms)
{
    m_local.SetReadTimeout(ms);
    m_remote.SetReadTimeout(ms);
}

}  // namespace qvs
