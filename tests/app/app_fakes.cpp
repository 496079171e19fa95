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

void FakeClients::SetProxy(const HttpProxyOptions& proxy)
{
    std::lock_guard lock(m_shared->Lock);
    m_shared->Proxy = proxy;
    ++m_shared->ProxyUpdates;
}

UdpAnswerer::UdpAnswerer()
{
    m_socket.bind(QHostAddress::LocalHost, 0);
    connect(&m_socket, &QUdpSocket::readyRead, this, [this] {
        while (m_socket.hasPendingDatagrams()) {
            QHostAddress from;
            quint16 port = 0;
            QByteArray data(static_cast<qsizetype>(m_socket.pendingDatagramSize()), '\0');
            m_socket.readDatagram(data.data(), data.size(), &from, &port);
            Received.push_back(data.toStdString());
            for (const auto& answer : Answers)
                m_socket.writeDatagram(QByteArray::fromStdString(answer), from, port);
        }
    });
}

}  // namespace qvs::app::testing
