#pragma once

#include "gateway_models.h"
#include "packet_exchange.h"
#include "tag_records.h"

#include <atomic>
#include <string>

// Sending a whole configuration to a gateway and getting one back: one linear sequence of
// administration commands per direction, the same for the three flavours apart from the serial
// and tag keys. The caller follows it through an observer and may stop it between two steps.
namespace qvs::transfer {

class ITransferObserver {
public:
    virtual ~ITransferObserver() = default;
    // The status line of the step about to be sent.
    virtual void OnStatus(const std::string& text) = 0;
    // Accepted steps so far and the steps of the whole run.
    virtual void OnProgress(int position, int maximum) = 0;
};

enum class TransferStatus {
    Completed,
    NoResponse,  // the exchange failed: no answer, refused connection, HTTP error
    Refused,     // an answer that is not the expected one, or a value in it that does not convert
    Stopped,     // the stop flag was raised between two steps
};

struct TransferResult {
    TransferStatus Status = TransferStatus::Completed;
    std::string Step;    // status text of the step that did not succeed
    std::string Detail;  // the exchange's failure, or the reply as it arrived
    int Position = 0;    // accepted steps
    int Maximum = 0;

    bool Completed() const { return Status == TransferStatus::Completed; }
};

const char* FlavourWord(ConfigFlavour flavour);
inline ConfigFlavour FlavourOf(const TModbusKavroConfig&) { return ConfigFlavour::Modbus; }
inline ConfigFlavour FlavourOf(const THostlinkKavroConfig&) { return ConfigFlavour::Hostlink; }
inline ConfigFlavour FlavourOf(const TDF1KavroConfig&) { return ConfigFlavour::DF1; }

class TConfigTransfer {
public:
    // Every exchange goes to the gateway's IP address, or to its remote host when it was found
    // by remote search (empty otherwise). stop may be null; when given it is read before
    // every step.
    TConfigTransfer(IPacketExchange& exchange, std::string ip, std::string remoteHost,
                    ITransferObserver& observer, const std::atomic<bool>* stop = nullptr);

    // STOP, SETCOM, SETSMTP, five SETTOO, ENABLETAGADMIN, DELALLTAG, one ADDTAG per tag,
    // DISABLETAGADMIN, RESET; the first failure ends the run.
    TransferResult Send(const TModbusKavroConfig& config);
    TransferResult Send(const THostlinkKavroConfig& config);
    TransferResult Send(const TDF1KavroConfig& config);

    // GETTAGCOUNT, then STOP, GETCOM, GETSMTP, five GETTOO, one GETTAG per tag, RUN. The record
    // is cleared first; after a failure it holds what was read before it.
    TransferResult Get(TModbusKavroConfig& config);
    TransferResult Get(THostlinkKavroConfig& config);
    TransferResult Get(TDF1KavroConfig& config);

private:
    template <class Config>
    TransferResult SendSequence(const Config& config);
    template <class Config>
    TransferResult GetSequence(Config& config);

    IPacketExchange& m_exchange;
    std::string m_ip;
    std::string m_remoteHost;
    ITransferObserver& m_observer;
    const std::atomic<bool>* m_stop;
};

}  // namespace qvs::transfer
