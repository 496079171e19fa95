#include "http_client.h"

#include <curl/curl.h>

#include <algorithm>
#include <stdexcept>

namespace qvs {

namespace {

void GlobalInit()
{
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

struct Sink {
    std::string Body;
    bool Overflow = false;
};

size_t WriteBody(char* data, size_t size, size_t count, void* user)
{
    auto* sink = static_cast<Sink*>(user);
    const size_t bytes = size * count;
    if (sink->Body.size() + bytes > HttpClient::kMaxReplyBytes) {
        sink->Overflow = true;
        return 0;  // aborts the transfer
    }
    sink->Body.append(data, bytes);
    return bytes;
}

}  // namespace

// The request headers, with "Expect:" removing the one that curl adds on its own and the
// gateway does not expect. Every request of a client has the same ones: built once.
curl_slist* HttpClient::RequestHeaders(std::string_view contentType)
{
    if (m_headers && m_headersType == contentType)
        return m_headers;
    curl_slist_free_all(m_headers);
    m_headers = nullptr;
    m_headersType = contentType;
    m_headers = curl_slist_append(m_headers, ("Content-Type: " + m_headersType).c_str());
    m_headers = curl_slist_append(m_headers, "Accept: text/html, */*");
    m_headers = curl_slist_append(m_headers, "Expect:");
    return m_headers;
}

HttpClient::HttpClient(ProxyUse proxyUse, int readTimeoutMs)
    : m_proxyUse(proxyUse), m_readTimeoutMs(readTimeoutMs)
{
    GlobalInit();
    m_curl = curl_easy_init();
    if (!m_curl)
        throw std::runtime_error("cannot create an HTTP client");
    ApplyFixedOptions();
}

HttpClient::~HttpClient()
{
    curl_easy_cleanup(m_curl);
    curl_slist_free_all(m_headers);
}

void HttpClient::ApplyFixedOptions()
{
    curl_easy_setopt(m_curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(m_curl, CURLOPT_PROTOCOLS_STR, "http");
    curl_easy_setopt(m_curl, CURLOPT_HTTP_VERSION, CURL_HTTP_VERSION_1_0);
    curl_easy_setopt(m_curl, CURLOPT_USERAGENT, "Mozilla/3.0 (compatible; Indy Library)");
    curl_easy_setopt(m_curl, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(m_curl, CURLOPT_COOKIEFILE, "");  // the cookie engine, in memory only
    curl_easy_setopt(m_curl, CURLOPT_FRESH_CONNECT, 1L);
    curl_easy_setopt(m_curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(m_curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(kMaxReplyBytes));
    curl_easy_setopt(m_curl, CURLOPT_WRITEFUNCTION, WriteBody);
}

void HttpClient::SetProxy(const ProxySettings& proxy)
{
    std::lock_guard lock(m_mutex);
    m_proxy = proxy;
}

ProxySettings HttpClient::Proxy() const
{
    std::lock_guard lock(m_mutex);
    return m_proxy;
}

void HttpClient::SetReadTimeout(int ms)
{
    std::lock_guard lock(m_mutex);
    m_readTimeoutMs = ms;
}

int HttpClient::ReadTimeout() const
{
    std::lock_guard lock(m_mutex);
    return m_readTimeoutMs;
}

void HttpClient::SetConnectTimeout(int ms)
{
    std::lock_guard lock(m_mutex);
    m_connectTimeoutMs = ms;
}

void HttpClient::ClearCookies()
{
    std::lock_guard lock(m_mutex);
    curl_easy_setopt(m_curl, CURLOPT_COOKIELIST, "ALL");
}

HttpResult HttpClient::Post(const std::string& url, std::string_view body,
                            std::string_view contentType)
{
    std::lock_guard lock(m_mutex);
    HttpResult result;
    Sink sink;
    char error[CURL_ERROR_SIZE] = {};
    CURL* c = m_curl;
    curl_easy_setopt(c, CURLOPT_URL, url.c_str());
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, RequestHeaders(contentType));
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(c, CURLOPT_TIMEOUT_MS, static_cast<long>(std::max(1, m_readTimeoutMs)));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS,
                     static_cast<long>(std::max(1, std::min(m_connectTimeoutMs, m_readTimeoutMs))));

    const bool proxied = m_proxyUse == ProxyUse::FromSettings && !m_proxy.Server.empty();
    if (proxied) {
        curl_easy_setopt(c, CURLOPT_PROXY, m_proxy.Server.c_str());
        curl_easy_setopt(c, CURLOPT_PROXYPORT, static_cast<long>(m_proxy.Port));
        curl_easy_setopt(c, CURLOPT_PROXYTYPE, static_cast<long>(CURLPROXY_HTTP));
        curl_easy_setopt(c, CURLOPT_NOPROXY, "");
        if (m_proxy.BasicAuth) {
            curl_easy_setopt(c, CURLOPT_PROXYAUTH, static_cast<long>(CURLAUTH_BASIC));
            curl_easy_setopt(c, CURLOPT_PROXYUSERNAME, m_proxy.User.c_str());
            curl_easy_setopt(c, CURLOPT_PROXYPASSWORD, m_proxy.Password.c_str());
        } else {
            curl_easy_setopt(c, CURLOPT_PROXYUSERNAME, nullptr);
            curl_easy_setopt(c, CURLOPT_PROXYPASSWORD, nullptr);
        }
    } else {
        // An empty proxy switches off the environment's proxy variables as well.
        curl_easy_setopt(c, CURLOPT_PROXY, "");
        curl_easy_setopt(c, CURLOPT_NOPROXY, "*");
        curl_easy_setopt(c, CURLOPT_PROXYUSERNAME, nullptr);
        curl_easy_setopt(c, CURLOPT_PROXYPASSWORD, nullptr);
    }

    const CURLcode code = curl_easy_perform(c);
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    result.Status = status;

    // Nothing of this call may outlive it inside the handle.
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, nullptr);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, nullptr);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, nullptr);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, nullptr);

    if (code != CURLE_OK) {
        if (sink.Overflow || code == CURLE_FILESIZE_EXCEEDED)
            result.Failure = "the reply is larger than " + std::to_string(kMaxReplyBytes) + " bytes";
        else
            result.Failure = error[0] ? error : curl_easy_strerror(code);
        return result;
    }
    if (status < 200 || status > 299) {
        result.Failure = "HTTP status " + std::to_string(status);
        return result;
    }
    result.Ok = true;
    result.Body = std::move(sink.Body);
    return result;
}

}  // namespace qvs
