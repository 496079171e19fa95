#pragma once

#include "gateway_clients.h"
#include "mdi_child.h"
#include "options_access.h"

#include <QHostAddress>
#include <QUdpSocket>

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
        HttpProxyOptions Proxy;
        int ProxyUpdates = 0;
    };
    explicit FakeClients(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}
    ExchangeReply Exchange(const std::string& host, const std::string& remoteHost, Endpoint endpoint,
                           const TPacket& request) override;
    void SetProxy(const HttpProxyOptions& proxy) override;

private:
    std::shared_ptr<Shared> m_shared;
};

// A UDP peer on loopback that answers every datagram with the scripted answers.
class UdpAnswerer : public QObject {
    Q_OBJECT
public:
    UdpAnswerer();
    quint16 Port() const { return m_socket.localPort(); }
    std::vector<std::string> Received;
    std::vector<std::string> Answers;

private:
    QUdpSocket m_socket;
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
