#pragma once

#include "gateway_http.h"
#include "sim_services.h"

#include <QHostAddress>
#include <QObject>

#include <memory>

namespace qvs::sim {

struct EndpointSettings {
    QHostAddress Listen;        // null: each gateway on its own IP address
    quint16 HttpPort = 80;
    quint16 FtpPort = 21;
    HttpListener::Limits HttpLimits;
};

// The TCP services of one gateway (web server, FTP server) and where they listen.
class GatewayEndpoints : public QObject {
public:
    GatewayEndpoints(SimServices services, Gateway& gateway, EndpointSettings settings,
                     QObject* parent = nullptr);
    ~GatewayEndpoints() override;

    // Binds both services; a gateway without an address on its own IP stays unbound.
    bool Bind(QString* error);
    // The gateway's address changed: move the services when they sit on its own IP.
    void Rebind();

    const Gateway& Device() const { return m_gateway; }
    quint16 HttpPort() const;
    quint16 FtpPort() const;
    QString HostText() const;  // what a client puts after "http://"

private:
    QHostAddress Address() const;

    SimServices m_services;
    Gateway& m_gateway;
    EndpointSettings m_settings;
    GatewayWebServer m_web;
    std::unique_ptr<class FtpServer> m_ftp;
    QString m_boundIp;
};

}  // namespace qvs::sim
