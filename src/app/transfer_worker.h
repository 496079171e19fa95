#pragma once

#include "config_transfer.h"
#include "device_data.h"
#include "packet_exchange.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <variant>

namespace qvs {

// The configuration record of one of the three flavours, as a transfer dialog holds it.
using TKavroConfig = std::variant<TModbusKavroConfig, THostlinkKavroConfig, TDF1KavroConfig>;

// Runs one send or get on the thread it lives on and reports through its signals, which the
// dialog receives queued on the user-interface thread. The record is the dialog's: the dialog
// leaves it alone from Run until finished arrives.
class TTransferWorker : public QObject {
    Q_OBJECT
public:
    TTransferWorker(IPacketExchange& exchange, std::shared_ptr<TKavroConfig> config,
                    std::atomic<bool>& stop)
        : m_exchange(exchange), m_config(std::move(config)), m_stop(stop)
    {
    }

public slots:
    void Run(bool send, const QString& ip, const QString& remoteHost);

signals:
    void statusChanged(const QString& text);
    void progressChanged(int position, int maximum);
    // status is a transfer::TransferStatus.
    void finished(int status, const QString& step, const QString& detail);

private:
    IPacketExchange& m_exchange;
    std::shared_ptr<TKavroConfig> m_config;
    std::atomic<bool>& m_stop;
};

}  // namespace qvs
