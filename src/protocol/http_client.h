#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <string_view>

typedef void CURL;
struct curl_slist;

namespace qvs {

// Proxy of a client that may use one. An empty server means a direct connection.
struct ProxySettings {
    std::string Server;
    int Port = 0;
    bool BasicAuth = false;
    std::string User;
    std::string Password;

    bool operator==(const ProxySettings&) const = default;
};

struct HttpResult {
    bool Ok = false;       // a success status arrived with a complete body
    long Status = 0;       // the HTTP status, 0 when none arrived
    std::string Body;      // the body as received, when Ok
    std::string Failure;   // why the exchange failed, when not Ok
};

// One HTTP client over libcurl with the settings gateways expect: POST, HTTP/1.0, the Accept
// and User-Agent headers of the original tool, no "Expect:", no redirects, cookies kept from
// one request to the next, a new connection for every request and closed after it. Embedded
// web servers are fragile, so the small request goes out in a single write.
//
// Safe to use from any thread; requests of one client run strictly one after the other.
class HttpClient {
public:
    enum class ProxyUse {
        Never,         // direct, whatever the environment's http_proxy/no_proxy say
        FromSettings,  // only the proxy given to SetProxy, direct when it has no server
    };

    static constexpr int kDefaultReadTimeoutMs = 20000;
    static constexpr int kDefaultConnectTimeoutMs = 10000;
    static constexpr std::size_t kMaxReplyBytes = 1024 * 1024;

    explicit HttpClient(ProxyUse proxyUse, int readTimeoutMs = kDefaultReadTimeoutMs);
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    ProxyUse Use() const { return m_proxyUse; }
    void SetProxy(const ProxySettings& proxy);
    ProxySettings Proxy() const;

    // The whole response must be in within this time; the connection within the smaller of
    // the two time-outs.
    void SetReadTimeout(int ms);
    int ReadTimeout() const;
    void SetConnectTimeout(int ms);

    // POSTs body to url; any transport failure or non-2xx status is a failure.
    HttpResult Post(const std::string& url, std::string_view body,
                    std::string_view contentType = "text/x-qprot");

    void ClearCookies();

private:
    void ApplyFixedOptions();
    curl_slist* RequestHeaders(std::string_view contentType);

    const ProxyUse m_proxyUse;
    mutable std::mutex m_mutex;
    CURL* m_curl = nullptr;
    curl_slist* m_headers = nullptr;  // built for m_headersType, kept for the next request
    std::string m_headersType;
    ProxySettings m_proxy;
    int m_readTimeoutMs;
    int m_connectTimeoutMs = kDefaultConnectTimeoutMs;
};

}  // namespace qvs
