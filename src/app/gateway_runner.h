#pragma once

#include "gateway_clients.h"

#include <QObject>
#include <QPointer>
#include <QThread>

#include <functional>
#include <memory>

namespace qvs::app {

// Runs the exchanges with gateways on a thread of their own, one job at a time, so the windows stay
// painted and responsive while a gateway takes its time. Each job's result comes back on the thread
// that owns the runner, through a queued call.
class GatewayRunner : public QObject {
    Q_OBJECT
public:
    explicit GatewayRunner(std::unique_ptr<IGatewayClients> clients, QObject* parent = nullptr);
    ~GatewayRunner() override;

    bool Busy() const { return m_pending > 0; }

    template <class Result>
    void Run(std::function<Result(IGatewayClients&)> job, std::function<void(Result)> done)
    {
        auto result = std::make_shared<Result>();
        Post([job = std::move(job), result](IGatewayClients& clients) { *result = job(clients); },
             [done = std::move(done), result] { done(std::move(*result)); }, true);
    }
    // A change of the clients' settings: queued behind any exchange, but nothing the user waits for.
    void Configure(std::function<void(IGatewayClients&)> job) { Post(std::move(job), {}, false); }

signals:
    void BusyChanged(bool busy);

private:
    void Post(std::function<void(IGatewayClients&)> job, std::function<void()> done, bool busy);

    std::unique_ptr<IGatewayClients> m_clients;
    QThread m_thread;
    QObject* m_worker;
    int m_pending = 0;
};

}  // namespace qvs::app
