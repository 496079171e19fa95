#include "http_listener.h"

#include <QTimer>

namespace qvs::sim {

HttpExchange::HttpExchange(QTcpSocket* socket, int maxHeader, int maxBody, QObject* parent)
    : QObject(parent), m_socket(socket), m_parser(maxHeader, maxBody)
{
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, &HttpExchange::Read);
    connect(socket, &QTcpSocket::disconnected, this, [this] {
        if (!m_dispatched && !m_answered && OnTruncated)
            OnTruncated(*this);
        m_answered = true;
        deleteLater();
    });
}

QString HttpExchange::Peer() const
{
    return m_socket ? m_socket->peerAddress().toString() + ":" + QString::number(m_socket->peerPort()) : QString();
}

QString HttpExchange::Local() const
{
    return m_socket ? m_socket->localAddress().toString() + ":" + QString::number(m_socket->localPort()) : QString();
}

void HttpExchange::Read()
{
    if (!m_socket || m_dispatched || m_answered)
        return;
    const auto state = m_parser.Feed(m_socket->readAll());
    if (state == HttpRequestParser::State::Error) {
        m_dispatched = true;
        if (OnBadRequest)
            OnBadRequest(*this, m_parser.ErrorStatus());
        if (!m_answered)
            Reply(m_parser.ErrorStatus(), "text/plain", StatusText(m_parser.ErrorStatus()) + "\n");
    } else if (state == HttpRequestParser::State::Complete) {
        m_dispatched = true;
        if (OnRequest)
            OnRequest(*this);
    }
}

QByteArray HttpExchange::StatusText(int status)
{
    switch (status) {
    case 200: return "OK";
    case 400: return "Bad Request";
    case 404: return "Not Found";
    case 405: return "Method Not Allowed";
    case 408: return "Request Timeout";
    case 411: return "Length Required";
    case 413: return "Payload Too Large";
    case 431: return "Request Header Fields Too Large";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

void HttpExchange::Reply(int status, const QByteArray& contentType, const QByteArray& body)
{
    QByteArray bytes = "HTTP/1.0 " + QByteArray::number(status) + " " + StatusText(status) + "\r\n";
    bytes += "Server: Kavro\r\nContent-Type: " + contentType + "\r\n";
    bytes += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
    ReplyRaw(bytes + body);
}

void HttpExchange::ReplyRaw(const QByteArray& bytes)
{
    if (m_answered || !m_socket)
        return;
    m_answered = true;
    m_socket->write(bytes);
    m_socket->disconnectFromHost();
}

void HttpExchange::Abort()
{
    if (m_answered || !m_socket)
        return;
    m_answered = true;
    m_socket->abort();
    deleteLater();
}

HttpListener::HttpListener(Limits limits, QObject* parent) : QObject(parent), m_limits(limits)
{
    connect(&m_server, &QTcpServer::newConnection, this, &HttpListener::Accept);
}

bool HttpListener::Listen(const QHostAddress& address, quint16 port)
{
    return m_server.listen(address, port);
}

void HttpListener::Accept()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        if (m_open >= m_limits.MaxConnections) {
            socket->write("HTTP/1.0 503 Service Unavailable\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
            socket->disconnectFromHost();
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            continue;
        }
        ++m_open;
        auto* exchange = new HttpExchange(socket, m_limits.MaxHeaderBytes, m_limits.MaxBodyBytes, this);
        connect(exchange, &QObject::destroyed, this, [this] { --m_open; });
        exchange->OnRequest = OnRequest;
        exchange->OnBadRequest = OnBadRequest;
        exchange->OnTruncated = OnTruncated;
        QPointer<HttpExchange> guard(exchange);
        QTimer::singleShot(m_limits.RequestTimeoutMs, exchange, [guard] {
            if (guard && !guard->Dispatched())
                guard->Abort();
        });
        // Bytes may already be waiting.
        QMetaObject::invokeMethod(socket, "readyRead", Qt::QueuedConnection);
    }
}

}  // namespace qvs::sim
