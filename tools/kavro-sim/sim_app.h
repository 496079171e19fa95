#pragma once

#include "control_endpoint.h"
#include "faults.h"
#include "gateway_endpoints.h"
#include "journal.h"
#include "plant_model.h"
#include "sim_options.h"
#include "udp_responder.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

namespace qvs::sim {

// Puts the plant, its servers, the journal, the faults and the state file together.
class SimApp : public QObject {
public:
    explicit SimApp(SimOptions options, QObject* parent = nullptr);

    // Loads the plant, arms the faults and binds every socket; the reason on failure.
    std::optional<QString> Start();
    QByteArray ReadyLine() const;
    void SaveState();

    static constexpr int kTickMs = 500;

private:
    void Tick();
    void ScheduleSave();

    SimOptions m_options;
    Plant m_plant;
    FaultSet m_faults;
    Journal m_journal;
    std::unique_ptr<UdpResponder> m_udp;
    std::unique_ptr<ControlEndpoint> m_control;
    std::vector<std::unique_ptr<GatewayEndpoints>> m_endpoints;
    QTimer m_tick;
    bool m_savePending = false;
};

// The plant to start from: the state file if it exists, else --plant FILE, else the demo.
std::optional<std::vector<Gateway>> InitialGateways(const SimOptions& options, QString* error);
QByteArray DemoPlantJson();

}  // namespace qvs::sim
