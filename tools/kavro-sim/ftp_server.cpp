#include "ftp_server.h"

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
        socket->write("421 Service not available\r\n");
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

}  // namespace qvs::sim
