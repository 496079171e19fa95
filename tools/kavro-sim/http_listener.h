#pragma once

#include "http_request.h"

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>

namespace qvs::sim {

// One request on one connection, answered once (now or later) and then closed: the
// gateways speak HTTP/1.0 and close after every reply.
class HttpExchange : public QObject {
    Q_OBJECT
public:
    HttpExchange(QTcpSocket* socket, int maxHeader, int maxBody, QObject* parent);

    const HttpRequest& Request() const { return m_parser.Request(); }
    QString Peer() const;
    QString Local() const;

    void Reply(int status, const QByteArray& contentType, const QByteArray& body);
    void ReplyRaw(const QByteArray& bytes);  // status line and headers included by the caller
    void Abort();                            // close without a word
    bool Answered() const { return m_answered; }
    bool Dispatched() const { return m_dispatched; }

    static QByteArray StatusText(int status);

    std::function<void(HttpExchange&)> OnRequest;
    std::function<void(HttpExchange&, int status)> OnBadRequest;   // parser refused it
    std::function<void(HttpExchange&)> OnTruncated;                // peer left mid-request

private:
    void Read();
    void Finish();

    QPointer<QTcpSocket> m_socket;
    HttpRequestParser m_parser;
    bool m_answered = false;
    bool m_dispatched = false;
};

// A listening socket that turns connections into exchanges, with a limit on how many
// are open at once (the ones above it get "503" at once) and on how long one may take.
class HttpListener : public QObject {
    Q_OBJECT
public:
    struct Limits {
        int MaxConnections = 32;
        int MaxHeaderBytes = 8192;
        int MaxBodyBytes = 65536;
        int RequestTimeoutMs = 10000;
    };

    explicit HttpListener(Limits limits, QObject* parent = nullptr);

    bool Listen(const QHostAddress& address, quint16 port);
    void Close() { m_server.close(); }
    bool IsListening() const { return m_server.isListening(); }
    quint16 Port() const { return m_server.serverPort(); }
    QString ErrorString() const { return m_server.errorString(); }

    // Called for each complete request, and for refused or truncated ones.
    std::function<void(HttpExchange&)> OnRequest;
    std::function<void(HttpExchange&, int status)> OnBadRequest;
    std::function<void(HttpExchange&)> OnTruncated;

private:
    void Accept();

    Limits m_limits;
    QTcpServer m_server;
    int m_open = 0;
};

}  // namespace qvs::sim
