#include "app_fakes.h"

#include "prompts.h"

#include <QFileInfo>
#include <QTimer>

namespace qvs::app::testing {

void FakeDocument::New(const QString& fileName)
{
    SetFileName(ApplicationFolder() + fileName);
    SetHasFile(false);
    SetSaved(true);
    SetCaption(fileName);
}

void FakeDocument::Open(const QString& path)
{
    SetFileName(path);
    SetHasFile(true);
    SetSaved(true);
    SetCaption(QFileInfo(path).fileName());
}

bool FakeDocument::GetFromKavro(const TDeviceData&)
{
    ++Gets;
    SetSaved(false);
    return true;
}

bool FakeDocument::UpdateFile()
{
    ++Updates;
    if (SaveSucceeds)
        SetSaved(true);
    return SaveSucceeds;
}

bool FakeDocument::SaveAs()
{
    const QString path = Prompts().SaveFileName("Kavro Configuration File (*.kvr)", "kvr", FileName());
    if (path.isEmpty())
        return false;
    SetFileName(path);
    SetHasFile(true);
    SetCaption(QFileInfo(path).fileName());
    return UpdateFile();
}

bool FakeDocument::SendToKavro(const TDeviceData&)
{
    ++Sends;
    return true;
}

ExchangeReply FakeClients::Exchange(const std::string& host, const std::string& remoteHost, Endpoint endpoint,
                                    const TPacket& request)
{
    std::lock_guard lock(m_shared->Lock);
    m_shared->Requests.push_back({host, remoteHost, request.GetText(), endpoint});
    const auto found = m_shared->Replies.find(request.GetName());
    if (found == m_shared->Replies.end())
        return {false, {}, "no response"};
    return {true, TPacket(found->second), {}};
}

void FakeClients::SetProxy(const HttpProxySettings& proxy)
{
    std::lock_guard lock(m_shared->Lock);
    m_shared->Proxy = proxy;
    ++m_shared->ProxyUpdates;
}

bool FakeDiscovery::Send(const std::string& datagram)
{
    Sent.push_back(datagram);
    if (!SendWorks)
        return false;
    const auto answers = Answers;
    QTimer::singleShot(0, [this, answers] {
        for (const auto& answer : answers)
            if (m_handler)
                m_handler(answer);
    });
    return true;
}

}  // namespace qvs::app::testing
