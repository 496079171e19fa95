#include "gateway_endpoints.h"

#include "ftp_server.h"

#include <cstdio>

namespace qvs::sim {

GatewayEndpoints::GatewayEndpoints(SimServices services, Gateway& gateway, EndpointSettings settings,
                                   QObject* parent)
    : QObject(parent), m_services(services), m_gateway(gateway), m_settings(settings),
      m_web(services, gateway, settings.HttpLimits, this),
      m_ftp(std::make_unique<FtpServer>(services, gateway, this))
{
}

GatewayEndpoints::~GatewayEndpoints() = default;

QHostAddress GatewayEndpoints::Address() const
{
    if (!m_settings.Listen.isNull())
        return m_settings.Listen;
    return QHostAddress(QString::fromStdString(m_gateway.Ip));
}

bool GatewayEndpoints::Bind(QString* error)
{
    const QHostAddress address = Address();
    if (m_settings.Listen.isNull() && (address.isNull() || address == QHostAddress::AnyIPv4))
        return true;  // no address yet: nothing to reach
    const QString where = address.toString();
    if (!m_web.Listen(address, m_settings.HttpPort)) {
        *error = "HTTP of " + QString::fromStdString(m_gateway.Mac) + " on " + where + ":" +
                 QString::number(m_settings.HttpPort) + ": " + m_web.ErrorString();
        return false;
    }
    if (!m_ftp->Listen(address, m_settings.FtpPort)) {
        *error = "FTP of " + QString::fromStdString(m_gateway.Mac) + " on " + where + ":" +
                 QString::number(m_settings.FtpPort) + ": " + m_ftp->ErrorString();
        m_web.Close();
        return false;
    }
    m_boundIp = QString::fromStdString(m_gateway.Ip);
    return true;
}

void GatewayEndpoints::Rebind()
{
    if (!m_settings.Listen.isNull() || m_boundIp == QString::fromStdString(m_gateway.Ip))
        return;
    m_web.Close();
    m_ftp->Close();
    m_boundIp.clear();
    QString error;
    if (!Bind(&error))
        std::fprintf(stderr, "kavro-sim: %s\n", qPrintable(error));
}

quint16 GatewayEndpoints::HttpPort() const
{
    return m_web.IsListening() ? m_web.Port() : 0;
}

quint16 GatewayEndpoints::FtpPort() const
{
    return m_ftp->IsListening() ? m_ftp->Port() : 0;
}

QString GatewayEndpoints::HostText() const
{
    if (!m_web.IsListening())
        return {};
    const QString address = Address().toString();
    return HttpPort() == 80 ? address : address + ":" + QString::number(HttpPort());
}

}  // namespace qvs::sim
