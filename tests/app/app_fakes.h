#pragma once

#include "discovery.h"
#include "gateway_clients.h"
#include "mdi_child.h"
#include "options_access.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace qvs::app::testing {

// A document window with no content of its own: enough for the frame's rules.
class FakeDocument : public TMDIChild {
    Q_OBJECT
public:
    FakeDocument(IPrompts& prompts, DocumentKind kind) : TMDIChild(prompts), m_kind(kind) {}
    DocumentKind Kind() const override { return m_kind; }
    void New(const QString& fileName) override;
    void Open(const QString& path) override;
    bool GetFromKavro(const TDeviceData& device) override;
    bool UpdateFile() override;
    bool SaveAs() override;
    bool SendToKavro(const TDeviceData& device) override;
    bool ShowsTagPage() const override { return TagPage; }
    bool HasSelectedTag() const override { return TagSelected; }
    bool HasSelectedSiteFile() const override { return FileSelected; }

    void Change() { SetSaved(false); }
    void Touch() { NotifyStateChanged(); }

    bool TagPage = false;
    bool TagSelected = false;
    bool FileSelected = false;
    bool SaveSucceeds = true;
    int Updates = 0;
    int Sends = 0;
    int Gets = 0;

private:
    DocumentKind m_kind;
};

// Replies by command name; records every request. Called from the worker thread.
class FakeClients : public IGatewayClients {
public:
    struct Request {
        std::string Host, RemoteHost, Text;
        Endpoint Where;
    };
    struct Shared {
        std::mutex Lock;
        std::map<std::string, std::string> Replies;  // command name -> reply text; missing = no response
        std::vector<Request> Requests;
        HttpProxySettings Proxy;
        int ProxyUpdates = 0;
    };
    explicit FakeClients(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}
    ExchangeReply Exchange(const std::string& host, const std::string& remoteHost, Endpoint endpoint,
                           const TPacket& request) override;
    void SetProxy(const HttpProxySettings& proxy) override;

private:
    std::shared_ptr<Shared> m_shared;
};

class FakeDiscovery : public IDiscovery {
public:
    void SetHandler(Handler handler) override { m_handler = std::move(handler); }
    bool Send(const std::string& datagram) override;
    std::vector<std::string> Sent;
    std::vector<std::string> Answers;  // delivered on the next event-loop turn after a send
    bool SendWorks = true;

private:
    Handler m_handler;
};

class MemoryOptions : public IOptionsAccess {
public:
    StoredOptions Read() override { return Stored; }
    void Write(const StoredOptions& options) override
    {
        Stored = options;
        ++Writes;
    }
    StoredOptions Stored;
    int Writes = 0;
};

}  // namespace qvs::app::testing
