#include "config_transfer.h"

#include "qprot_errors.h"
#include "text_format.h"
#include "transfer_packets.h"
#include "transfer_texts.h"

#include <functional>
#include <string>

namespace qvs::transfer {
namespace {

// One run: sends step after step and keeps the progress and the outcome.
class StepRunner {
public:
    using ReplyReader = std::function<void(const TPacket&)>;

    StepRunner(IPacketExchange& exchange, const std::string& ip, const std::string& remoteHost,
               ITransferObserver& observer, const std::atomic<bool>* stop)
        : m_exchange(exchange), m_ip(ip), m_remoteHost(remoteHost), m_observer(observer), m_stop(stop)
    {
    }

    void SetMaximum(int maximum)
    {
        m_result.Maximum = maximum;
        m_observer.OnProgress(m_result.Position, m_result.Maximum);
    }

    // True when the reply came and had the expected name and readable values.
    bool Step(const std::string& status, const TPacket& request, const char* expected,
              const ReplyReader& read = {}, bool advances = true)
    {
        if (m_stop && m_stop->load())
            return Fail(TransferStatus::Stopped, status, "");
        m_observer.OnStatus(status);
        ExchangeReply answer = m_exchange.ExchangeVia(m_ip, m_remoteHost, Endpoint::Admin, request);
        if (!answer.Ok)
            return Fail(TransferStatus::NoResponse, status, answer.Failure);
        if (!answer.Reply.IsName(expected))
            return Fail(TransferStatus::Refused, status, answer.Reply.GetText());
        if (read) {
            try {
                read(answer.Reply);
            } catch (const QProtError& error) {
                return Fail(TransferStatus::Refused, status,
                            answer.Reply.GetText() + ": " + error.what());
            }
        }
        if (advances) {
            ++m_result.Position;
            m_observer.OnProgress(m_result.Position, m_result.Maximum);
        }
        return true;
    }

    bool Command(const std::string& status, const char* command, const char* expected = "ACK")
    {
        TPacket packet;
        packet.NewPacket(command);
        return Step(status, packet, expected);
    }

    TransferResult Complete()
    {
        m_observer.OnStatus(texts::kStatusCompleted);
        return m_result;
    }

    const TransferResult& Result() const { return m_result; }

    bool Fail(TransferStatus status, const std::string& step, std::string detail)
    {
        m_result.Status = status;
        m_result.Step = step;
        m_result.Detail = std::move(detail);
        return false;
    }

private:
    IPacketExchange& m_exchange;
    const std::string& m_ip;
    const std::string& m_remoteHost;
    ITransferObserver& m_observer;
    const std::atomic<bool>* m_stop;
    TransferResult m_result;
};

std::string Numbered(const char* status, int number)
{
    return std::string(status) + " (" + std::to_string(number) + ")";
}

std::string StoppingText(ConfigFlavour flavour)
{
    return FormatText(texts::kStatusStopping, FlavourWord(flavour));
}

TModbusTagConfig ReadTagReply(const TPacket& reply, const TModbusTagConfig&)
{
    return ReadModbusTagReply(reply);
}
THostlinkTagConfig ReadTagReply(const TPacket& reply, const THostlinkTagConfig&)
{
    return ReadHostlinkTagReply(reply);
}
TDF1TagConfig ReadTagReply(const TPacket& reply, const TDF1TagConfig&)
{
    return ReadDF1TagReply(reply);
}

}  // namespace

const char* FlavourWord(ConfigFlavour flavour)
{
    const int index = static_cast<int>(flavour);
    return index >= 0 && index < 3 ? texts::kFlavourWords[index] : texts::kFlavourWords[0];
}

TConfigTransfer::TConfigTransfer(IPacketExchange& exchange, std::string ip, std::string remoteHost,
                                 ITransferObserver& observer, const std::atomic<bool>* stop)
    : m_exchange(exchange),
      m_ip(std::move(ip)),
      m_remoteHost(std::move(remoteHost)),
      m_observer(observer),
      m_stop(stop)
{
}

TransferResult TConfigTransfer::Send(const TModbusKavroConfig& config) { return SendSequence(config); }
TransferResult TConfigTransfer::Send(const THostlinkKavroConfig& config) { return SendSequence(config); }
TransferResult TConfigTransfer::Send(const TDF1KavroConfig& config) { return SendSequence(config); }
TransferResult TConfigTransfer::Get(TModbusKavroConfig& config) { return GetSequence(config); }
TransferResult TConfigTransfer::Get(THostlinkKavroConfig& config) { return GetSequence(config); }
TransferResult TConfigTransfer::Get(TDF1KavroConfig& config) { return GetSequence(config); }

template <class Config>
TransferResult TConfigTransfer::SendSequence(const Config& config)
{
    StepRunner run(m_exchange, m_ip, m_remoteHost, m_observer, m_stop);
    if (config.TagCount < 0 || config.TagCount > kMaxTags) {
        run.Fail(TransferStatus::Refused, "",
                 "tag count " + std::to_string(config.TagCount) + " is outside 0 to 128");
        return run.Result();
    }
    const int tagCount = config.TagCount;
    run.SetMaximum(tagCount + 12);

    if (!run.Command(StoppingText(FlavourOf(config)), "STOP"))
        return run.Result();

    TPacket packet;
    packet.NewPacket("SETCOM");
    AddComKeys(packet, config);
    if (!run.Step(texts::kStatusSendingCom, packet, "ACK"))
        return run.Result();

    packet.NewPacket("SETSMTP");
    AddSmtpKeys(packet, config.Email);
    if (!run.Step(texts::kStatusSendingEmail, packet, "ACK"))
        return run.Result();

    TPacket slotPacket;
    for (int slot = 0; slot < kMaxRecipients; ++slot) {
        slotPacket.NewPacket("SETTOO");
        AddTooKeys(slotPacket, config.Email, slot);
        if (!run.Step(Numbered(texts::kStatusSendingRecipients, slot + 1), slotPacket, "ACK"))
            return run.Result();
    }

    if (!run.Command(texts::kStatusEnablingTagAdmin, "ENABLETAGADMIN") ||
        !run.Command(texts::kStatusDeletingTags, "DELALLTAG"))
        return run.Result();

    TPacket tagPacket;
    for (int index = 0; index < tagCount; ++index) {
        tagPacket.NewPacket("ADDTAG");
        AddTagKeys(tagPacket, config.Tags[index]);
        if (!run.Step(Numbered(texts::kStatusSendingTag, index + 1), tagPacket, "ACK"))
            return run.Result();
    }

    if (!run.Command(texts::kStatusDisablingTagAdmin, "DISABLETAGADMIN") ||
        !run.Command(texts::kStatusResetting, "RESET"))
        return run.Result();
    return run.Complete();
}

template <class Config>
TransferResult TConfigTransfer::GetSequence(Config& config)
{
    config = Config{};
    StepRunner run(m_exchange, m_ip, m_remoteHost, m_observer, m_stop);
    // The least a get takes, until the gateway has said how many tags it holds.
    run.SetMaximum(9);

    TPacket packet;
    packet.NewPacket("GETTAGCOUNT");
    int32_t tagCount = 0;
    if (!run.Step(texts::kStatusGettingTagCount, packet, "TAGCOUNT",
                  [&](const TPacket& reply) { tagCount = ReadTagCountReply(reply); }, false))
        return run.Result();
    config.TagCount = tagCount;
    run.SetMaximum(tagCount + 9);

    if (!run.Command(StoppingText(FlavourOf(config)), "STOP"))
        return run.Result();

    packet.NewPacket("GETCOM");
    packet.AddInteger("COM", 0);
    if (!run.Step(texts::kStatusGettingCom, packet, "COM",
                  [&](const TPacket& reply) { ReadComReply(reply, config); }))
        return run.Result();

    packet.NewPacket("GETSMTP");
    if (!run.Step(texts::kStatusGettingEmail, packet, "SMTP",
                  [&](const TPacket& reply) { ReadSmtpReply(reply, config.Email); }))
        return run.Result();

    TPacket slotPacket;
    for (int slot = 0; slot < kMaxRecipients; ++slot) {
        slotPacket.NewPacket("GETTOO");
        slotPacket.AddInteger("TOO", slot);
        if (!run.Step(Numbered(texts::kStatusGettingRecipients, slot + 1), slotPacket, "TOO",
                      [&](const TPacket& reply) { ReadTooReply(reply, config.Email, slot); }))
            return run.Result();
    }

    TPacket tagPacket;
    for (int index = 0; index < tagCount; ++index) {
        tagPacket.NewPacket("GETTAG");
        tagPacket.AddInteger("TAG", index);
        auto& tag = config.Tags[index];
        if (!run.Step(Numbered(texts::kStatusGettingTag, index + 1), tagPacket, "TAGCONFIG",
                      [&](const TPacket& reply) { tag = ReadTagReply(reply, tag); }))
            return run.Result();
    }

    if (!run.Command(texts::kStatusResetting, "RUN"))
        return run.Result();
    return run.Complete();
}

}  // namespace qvs::transfer
