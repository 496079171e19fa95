#include "gateway_runner.h"

namespace qvs::app {

GatewayRunner::GatewayRunner(std::unique_ptr<IGatewayClients> clients, QObject* parent)
    : QObject(parent), m_clients(std::move(clients)), m_worker(new QObject)
{
    m_thread.setObjectName("gateway-worker");
    m_worker->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
}

GatewayRunner::~GatewayRunner()
{
    m_thread.quit();
    m_thread.wait();
}

void GatewayRunner::Post(std::function<void(IGatewayClients&)> job, std::function<void()> done, bool busy)
{
    if (busy && m_pending++ == 0)
        emit BusyChanged(true);
    QPointer<GatewayRunner> self(this);
    IGatewayClients* clients = m_clients.get();
    QMetaObject::invokeMethod(
        m_worker,
        [self, clients, busy, job = std::move(job), done = std::move(done)]() mutable {
            job(*clients);
            if (!self)
                return;
            QMetaObject::invokeMethod(
                self.data(),
                [self, busy, done = std::move(done)] {
                    if (!self)
                        return;
                    if (busy && --self->m_pending == 0)
                        emit self->BusyChanged(false);
                    if (done)
                        done();
                },
                Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
}

}  // namespace qvs::app
