// Live tag values: READ, WRITE and ALARMACK on "apppost.cgi", MAILBOX on "admpost.cgi".
#include "command_table.h"

#include "live_tags.h"
#include "number_text.h"
#include "packet_fields.h"
#include "qprot_errors.h"
#include "sim_texts.h"
#include "text_format.h"

#include <cmath>
#include <optional>

namespace qvs::sim {

namespace {

std::string Read(const TPacket& request, CommandContext& c)
{
    LiveTags live(c.plant, c.gateway);
    live.UpdateAlarms();
    const int index = request.GetInteger("TAG1", -1);
    const bool exists = index >= 0 && index < int(c.gateway.Tags.size());
    TPacket reply;
    reply.NewPacket("VALUES");
    reply.AddString("VAL1", exists ? live.EncodedValue(size_t(index)) : "0");
    reply.AddInteger("ST1", live.StatusWord(exists ? size_t(index) : c.gateway.Tags.size()));
    return reply.GetText();
}

// VALUE in the form of the tag's kind: "1"/"0", a decimal integer or the exponent form.
std::optional<double> WrittenValue(const std::string& text, int kind)
{
    try {
        if (kind == 0) {
            if (text == "0" || text == "1")
                return text == "1" ? 1.0 : 0.0;
            return std::nullopt;
        }
        if (kind == 1)
            return double(ParseInteger(text));
        if (text.find('E') == std::string::npos)
            return std::nullopt;
        const double value = TPacket("P(X=" + text + ",);").GetFloat("X", 0, '.');
        return std::isfinite(value) ? std::optional<double>(value) : std::nullopt;
    } catch (const QProtError&) {
        return std::nullopt;
    }
}

std::string Write(const TPacket& request, CommandContext& c)
{
    LiveTags live(c.plant, c.gateway);
    const int index = request.GetInteger("TAG", -1);
    if (index < 0 || index >= int(c.gateway.Tags.size()))
        return NakReply(texts::kNoSuchTag);
    if (live.IsReadOnly(size_t(index)))
        return NakReply(texts::kReadOnlyTag);
    const auto value = WrittenValue(request.GetString("VALUE", ""), live.Kind(size_t(index)));
    if (!value)
        return NakReply(FormatText(texts::kBadValue, "VALUE"));
    if (live.OutsideWriteLimits(size_t(index), *value))
        return NakReply(texts::kOutsideLimits);
    c.gateway.Live.resize(c.gateway.Tags.size());
    c.gateway.Live[size_t(index)].Written = *value;
    live.UpdateAlarms();
    c.plant.Changed();
    return AckReply();
}

std::string AlarmAck(const TPacket& request, CommandContext& c)
{
    LiveTags live(c.plant, c.gateway);
    live.UpdateAlarms();
    const int index = request.GetInteger("TAG", -1);
    if (index < 0 || index >= int(c.gateway.Tags.size()))
        return NakReply(texts::kNoSuchTag);
    const auto& tag = c.gateway.Tags[size_t(index)];
    const auto alarm = tag.find("ALARM");
    if (alarm == tag.end() || alarm->second.empty() || alarm->second == "0")
        return NakReply(texts::kAlarmNotEnabled);
    LiveTag& state = c.gateway.Live[size_t(index)];
    if (state.AlarmState == 1)
        state.AlarmState = 2;
    return AckReply();
}

std::string MailboxReport(const TPacket&, CommandContext& c)
{
    LiveTags live(c.plant, c.gateway);
    live.UpdateAlarms();
    const Mailbox& mail = c.gateway.Mail;
    TPacket reply;
    reply.NewPacket("MAILBOX");
    reply.AddInteger("COUNT", int(mail.Queue.size()));
    reply.AddInteger("STATUS", mail.Status);
    reply.AddInteger("TOO", mail.Too);
    reply.AddInteger("RETRY", mail.Retry);
    reply.AddInteger("ERROR", mail.Error);
    return reply.GetText();
}

}  // namespace

void AddTagCommands(CommandTable& t)
{
    t["READ"] = {Endpoint::App, true, Read};
    t["WRITE"] = {Endpoint::App, true, Write};
    t["ALARMACK"] = {Endpoint::App, true, AlarmAck};
    t["MAILBOX"] = {Endpoint::Admin, true, MailboxReport};
}

}  // namespace qvs::sim
