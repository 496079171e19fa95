#include "control_endpoint.h"

#include "faults.h"
#include "plant_json.h"

#include <QJsonDocument>

namespace qvs::sim {

namespace {

HttpListener::Limits ControlLimits()
{
    HttpListener::Limits limits;
    limits.MaxConnections = 8;
    return limits;
}

}  // namespace

ControlEndpoint::ControlEndpoint(SimServices services, QObject* parent)
    : QObject(parent), m_services(services), m_listener(ControlLimits(), this)
{
    m_listener.OnRequest = [this](HttpExchange& e) { Handle(e); };
}

bool ControlEndpoint::Listen(quint16 port)
{
    return m_listener.Listen(QHostAddress::LocalHost, port);
}

void ControlEndpoint::Handle(HttpExchange& e)
{
    const HttpRequest& request = e.Request();
    const QByteArray route = request.Method + " " + request.Path;
    if (route == "POST /fault") {
        QByteArray armed;
        for (QByteArray line : request.Body.split('\n')) {
            line = line.trimmed();
            if (line.isEmpty())
                continue;
            if (auto error = m_services.faults.Arm(line.toStdString()))
                return e.Reply(400, "text/plain", QByteArray::fromStdString(*error) + "\n" + kFaultHelp);
            armed += "armed " + line + "\n";
        }
        return e.Reply(200, "text/plain", armed);
    }
    if (route == "POST /clear") {
        m_services.faults.Clear();
        return e.Reply(200, "text/plain", "cleared\n");
    }
    if (route == "GET /faults")
        return e.Reply(200, "application/json", QJsonDocument(m_services.faults.Describe()).toJson());
    if (route == "GET /journal")
        return e.Reply(200, "application/x-ndjson", m_services.journal.Lines());
    if (route == "GET /state")
        return e.Reply(200, "application/json", QJsonDocument(PlantToJson(m_services.plant)).toJson());
    e.Reply(404, "text/plain", "POST /fault, POST /clear, GET /faults, GET /journal, GET /state\n");
}

}  // namespace qvs::sim
