#include "ftp_server.h"

#include "ftp_session.h"

#include <QTcpSocket>

namespace qvs::sim {

FtpServer::FtpServer(SimServices services, Gateway& gateway, QObject* parent)
    : QObject(parent), m_services(services), m_gateway(gateway)
{
    connect(&m_server, &QTcpServer::newConnection, this, &FtpServer::Accept);
}

void FtpServer::Accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_sessions >= kMaxSessions) {
            socket->write("421 Too many connections.\r\n");
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            continue;
        }
        ++m_sessions;
        auto* session = new FtpSession(m_services, m_gateway, socket, this);
        connect(session, &QObject::destroyed, this, [this] { --m_sessions; });
    }
}

}  // namespace qvs::sim
