#pragma once

#include "sim_services.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

namespace qvs::sim {

// A gateway's FTP server: log-on as "admin" with the administrator password, one file
// "userpage.kwp" (the web-site package) in the log-on directory.
class FtpServer : public QObject {
public:
    FtpServer(SimServices services, Gateway& gateway, QObject* parent = nullptr);

    bool Listen(const QHostAddress& address, quint16 port) { return m_server.listen(address, port); }
    void Close() { m_server.close(); }
    bool IsListening() const { return m_server.isListening(); }
    quint16 Port() const { return m_server.serverPort(); }
    QString ErrorString() const { return m_server.errorString(); }

    static constexpr int kMaxSessions = 8;

private:
    void Accept();

    SimServices m_services;
    Gateway& m_gateway;
    QTcpServer m_server;
    int m_sessions = 0;
};

}  // namespace qvs::sim
