#pragma once

#include "http_listener.h"
#include "packet_exchange.h"
#include "sim_services.h"

namespace qvs::sim {

// A gateway's web server: "admpost.cgi" and "apppost.cgi" take one QProt packet per
// POST and answer one; a GET of any other path serves that file of the gateway's
// web-site package ("/" is its index.htm or index.html).
class GatewayWebServer : public QObject {
public:
    GatewayWebServer(SimServices services, Gateway& gateway, HttpListener::Limits limits,
                     QObject* parent = nullptr);

    bool Listen(const QHostAddress& address, quint16 port) { return m_listener.Listen(address, port); }
    void Close() { m_listener.Close(); }
    bool IsListening() const { return m_listener.IsListening(); }
    quint16 Port() const { return m_listener.Port(); }
    QString ErrorString() const { return m_listener.ErrorString(); }

private:
    void Record(HttpExchange& exchange, const QString& note);
    void Handle(HttpExchange& exchange);
    void Post(HttpExchange& exchange, Endpoint endpoint);
    void ServeSiteFile(HttpExchange& exchange);

    SimServices m_services;
    Gateway& m_gateway;
    HttpListener m_listener;
};

}  // namespace qvs::sim
