#pragma once

#include "http_listener.h"
#include "sim_services.h"

#include <functional>

namespace qvs::sim {

// The simulator's own control on 127.0.0.1 (plain HTTP):
//   POST /fault   body: one fault rule a line       -> 200 "armed", or 400 with the reason
//   POST /clear   disarms every fault                -> 200
//   GET  /faults  the armed faults (JSON)
//   GET  /journal the journal so far (JSON lines)
//   GET  /state   the plant as JSON (the state-file form)
class ControlEndpoint : public QObject {
public:
    explicit ControlEndpoint(SimServices services, QObject* parent = nullptr);

    bool Listen(quint16 port);
    quint16 Port() const { return m_listener.Port(); }
    QString ErrorString() const { return m_listener.ErrorString(); }

private:
    void Handle(HttpExchange& exchange);

    SimServices m_services;
    HttpListener m_listener;
};

}  // namespace qvs::sim
