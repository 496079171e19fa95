#include "transfer_worker.h"

namespace qvs {
namespace {

class SignalObserver : public transfer::ITransferObserver {
public:
    explicit SignalObserver(TTransferWorker& worker) : m_worker(worker) {}
    void OnStatus(const std::string& text) override
    {
        emit m_worker.statusChanged(QString::fromStdString(text));
    }
    void OnProgress(int position, int maximum) override { emit m_worker.progressChanged(position, maximum); }

private:
    TTransferWorker& m_worker;
};

}  // namespace

void TTransferWorker::Run(bool send, const QString& ip, const QString& remoteHost)
{
    SignalObserver observer(*this);
    transfer::TConfigTransfer transfer(m_exchange, ip.toStdString(), remoteHost.toStdString(), observer,
                                       &m_stop);
    const transfer::TransferResult result = std::visit(
        [&](auto& config) { return send ? transfer.Send(config) : transfer.Get(config); }, *m_config);
    emit finished(static_cast<int>(result.Status), QString::fromStdString(result.Step),
                  QString::fromStdString(result.Detail));
}

}  // namespace qvs
