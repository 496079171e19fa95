#include "sim_app.h"

#include "live_tags.h"
#include "plant_json.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

// The resource lives in a static library: it has to be registered by hand.
static void InitSimResources()
{
    Q_INIT_RESOURCE(kavro_sim);
}

namespace qvs::sim {

QByteArray DemoPlantJson()
{
    InitSimResources();
    QFile file(":/kavro-sim/demo_plant.json");
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

std::optional<std::vector<Gateway>> InitialGateways(const SimOptions& options, QString* error)
{
    if (!options.StateFile.isEmpty() && QFile::exists(options.StateFile))
        return LoadPlantFile(options.StateFile, error);
    if (!options.PlantFile.isEmpty())
        return LoadPlantFile(options.PlantFile, error);
    auto gateways = GatewaysFromJson(DemoPlantJson(), error);
    if (!gateways)
        *error = "demo plant: " + *error;
    return gateways;
}

SimApp::SimApp(SimOptions options, QObject* parent) : QObject(parent), m_options(std::move(options))
{
    connect(&m_tick, &QTimer::timeout, this, &SimApp::Tick);
}

std::optional<QString> SimApp::Start()
{
    QString error;
    auto gateways = InitialGateways(m_options, &error);
    if (!gateways)
        return error;
    int next = 2;
    for (auto& gateway : *gateways) {
        if (m_options.LoopbackIps && gateway.Ip != "0.0.0.0") {
            gateway.Ip = "127.0.0." + std::to_string(next++);
            gateway.Netmask = "255.0.0.0";
            gateway.DefaultGateway = "127.0.0.1";
        }
        m_plant.Add(std::move(gateway));
    }
    for (const QString& rule : m_options.Faults)
        if (auto reason = m_faults.Arm(rule.toStdString()))
            return "--fault " + rule + ": " + QString::fromStdString(*reason);
    if (!m_journal.Open(m_options.Journal, &error))
        return "--journal " + m_options.Journal + ": " + error;

    const SimServices services{m_plant, m_faults, m_journal};
    m_udp = std::make_unique<UdpResponder>(services);
    if (!m_udp->Bind(QHostAddress(m_options.UdpBind), quint16(m_options.UdpPort)))
        return "UDP on " + m_options.UdpBind + ":" + QString::number(m_options.UdpPort) + ": " +
               m_udp->ErrorString();
    m_control = std::make_unique<ControlEndpoint>(services);
    if (!m_control->Listen(quint16(m_options.ControlPort)))
        return "control endpoint on 127.0.0.1:" + QString::number(m_options.ControlPort) + ": " +
               m_control->ErrorString();

    EndpointSettings settings;
    if (!m_options.Listen.isEmpty())
        settings.Listen = QHostAddress(m_options.Listen);
    settings.HttpPort = quint16(m_options.HttpPort);
    settings.FtpPort = quint16(m_options.FtpPort);
    for (auto& gateway : m_plant.Gateways()) {
        auto endpoints = std::make_unique<GatewayEndpoints>(services, *gateway, settings);
        if (!endpoints->Bind(&error))
            return error;
        m_endpoints.push_back(std::move(endpoints));
    }
    m_plant.OnChanged = [this] { ScheduleSave(); };
    m_plant.OnNetworkChanged = [this](Gateway& gateway) {
        for (auto& endpoints : m_endpoints)
            if (&endpoints->Device() == &gateway)
                endpoints->Rebind();
    };
    m_tick.start(kTickMs);
    SaveState();
    return std::nullopt;
}

QByteArray SimApp::ReadyLine() const
{
    QJsonArray gateways;
    for (const auto& endpoints : m_endpoints) {
        const Gateway& g = endpoints->Device();
        gateways.append(QJsonObject{
            {"mac", QString::fromStdString(g.Mac)},
            {"ip", QString::fromStdString(g.Ip)},
            {"host", endpoints->HostText()},
            {"http", endpoints->HttpPort()},
            {"ftp", endpoints->FtpPort()},
            {"model", QString::fromStdString(g.Model)},
            {"firmware", QString::fromStdString(g.Firmware)},
        });
    }
    const QJsonObject ready{
        {"ready", true},
        {"udp", m_udp->Port()},
        {"control", m_control->Port()},
        {"gateways", gateways},
    };
    return QJsonDocument(ready).toJson(QJsonDocument::Compact);
}

void SimApp::Tick()
{
    for (auto& gateway : m_plant.Gateways()) {
        LiveTags live(m_plant, *gateway);
        live.UpdateAlarms();
        live.TickMailbox();
    }
}

void SimApp::ScheduleSave()
{
    if (m_options.StateFile.isEmpty() || m_savePending)
        return;
    m_savePending = true;
    QTimer::singleShot(0, this, [this] { SaveState(); });
}

void SimApp::SaveState()
{
    m_savePending = false;
    if (m_options.StateFile.isEmpty())
        return;
    QString error;
    if (!SavePlantFile(m_plant, m_options.StateFile, &error))
        std::fprintf(stderr, "kavro-sim: cannot write state %s: %s\n", qPrintable(m_options.StateFile),
                     qPrintable(error));
}

}  // namespace qvs::sim
