// Configuration: serial port, e-mail relay, recipients and the tag table, per flavour.
#include "command_table.h"

#include "flavour_keys.h"
#include "packet_fields.h"
#include "sim_texts.h"
#include "text_format.h"

#include <algorithm>
#include <optional>

namespace qvs::sim {

namespace {

// Checks every key of the request against the flavour's list and reads the values.
// Returns the reason for a "NAK", or nothing with the values in `out`.
std::optional<std::string> ReadKnownKeys(const TPacket& request, const std::vector<KeySpec>& known,
                                         KeyMap& out)
{
    const auto keys = PacketKeys(request.GetText());
    for (const std::string& key : keys.value_or(std::vector<std::string>{})) {
        const KeySpec* rule = FindKey(known, key);
        if (!rule)
            return FormatText(texts::kUnknownKey, key);
        const std::string value = request.GetString(key, "");
        if (!ValueFits(rule->Kind, value))
            return FormatText(texts::kBadValue, key);
        if (!out.count(key))
            out[key] = value;
    }
    return std::nullopt;
}

std::string Reply(const char* name, const std::vector<KeySpec>& keys, const KeyMap& stored)
{
    TPacket reply;
    reply.NewPacket(name);
    for (const auto& rule : keys)
        reply.AddString(rule.Key, StoredOrDefault(stored, rule));
    return reply.GetText();
}

bool IsBaudRate(const std::string& text)
{
    static const char* rates[] = {"2400", "4800", "9600", "14400", "19200", "28800", "38400", "57600", "115200"};
    return text.empty() || std::find_if(std::begin(rates), std::end(rates),
                                        [&](const char* r) { return text == r; }) != std::end(rates);
}

std::string SetCom(const TPacket& request, CommandContext& c)
{
    KeyMap values;
    if (auto reason = ReadKnownKeys(request, ComKeys(c.gateway.Flavour()), values))
        return NakReply(*reason);
    if (values.count("BAUD") && !IsBaudRate(values["BAUD"]))
        return NakReply(FormatText(texts::kBadValue, "BAUD"));
    for (auto& [key, value] : values)
        c.gateway.Com[key] = value;
    c.plant.Changed();
    return AckReply();
}

std::string GetCom(const TPacket&, CommandContext& c)
{
    return Reply("COM", ComKeys(c.gateway.Flavour()), c.gateway.Com);
}

std::string SetSmtp(const TPacket& request, CommandContext& c)
{
    KeyMap values;
    if (auto reason = ReadKnownKeys(request, SmtpKeys(), values))
        return NakReply(*reason);
    for (auto& [key, value] : values)
        c.gateway.Smtp[key] = value;
    c.plant.Changed();
    return AckReply();
}

std::string GetSmtp(const TPacket&, CommandContext& c)
{
    return Reply("SMTP", SmtpKeys(), c.gateway.Smtp);
}

std::optional<int> Slot(const TPacket& request)
{
    const int slot = request.GetInteger("TOO", -1);
    if (slot < 0 || slot >= kRecipientSlots)
        return std::nullopt;
    return slot;
}

std::string SetToo(const TPacket& request, CommandContext& c)
{
    static const std::vector<KeySpec> keys = {{"TOO", ValueKind::Integer, "0"}, {"EMAIL", ValueKind::Text, ""}};
    KeyMap values;
    if (auto reason = ReadKnownKeys(request, keys, values))
        return NakReply(*reason);
    const auto slot = Slot(request);
    if (!slot)
        return NakReply(texts::kBadSlot);
    c.gateway.Recipients[*slot] = request.GetString("EMAIL", "");
    c.plant.Changed();
    return AckReply();
}

std::string GetToo(const TPacket& request, CommandContext& c)
{
    const auto slot = Slot(request);
    if (!slot)
        return NakReply(texts::kBadSlot);
    TPacket reply;
    reply.NewPacket("TOO");
    reply.AddInteger("TOO", *slot);
    reply.AddString("EMAIL", c.gateway.Recipients[*slot]);
    return reply.GetText();
}

// Tag administration: the table may only change between ENABLETAGADMIN and
// DISABLETAGADMIN, and only while the acquisition machine is stopped.
std::string EnableTagAdmin(const TPacket&, CommandContext& c)
{
    if (c.gateway.Running)
        return NakReply(texts::kMachineRunning);
    c.gateway.TagAdmin = true;
    return AckReply();
}

std::string DisableTagAdmin(const TPacket&, CommandContext& c)
{
    c.gateway.TagAdmin = false;
    return AckReply();
}

std::string DelAllTag(const TPacket&, CommandContext& c)
{
    if (!c.gateway.TagAdmin)
        return NakReply(texts::kNoTagAdmin);
    c.gateway.Tags.clear();
    c.gateway.Live.clear();
    c.plant.Changed();
    return AckReply();
}

std::string AddTag(const TPacket& request, CommandContext& c)
{
    Gateway& g = c.gateway;
    if (!g.TagAdmin)
        return NakReply(texts::kNoTagAdmin);
    KeyMap tag;
    if (auto reason = ReadKnownKeys(request, TagKeys(g.Flavour()), tag))
        return NakReply(*reason);
    const std::string name = tag.count("NAME") ? tag["NAME"] : "";
    if (name.empty())
        return NakReply(texts::kTagNameMissing);
    if (int(g.Tags.size()) >= kMaxTags)
        return NakReply(texts::kTagTableFull);
    for (const auto& existing : g.Tags)
        if (existing.count("NAME") && existing.at("NAME") == name)
            return NakReply(FormatText(texts::kDuplicateTag, name));
    g.Tags.push_back(std::move(tag));
    g.Live.resize(g.Tags.size());
    c.plant.Changed();
    return AckReply();
}

std::string GetTagCount(const TPacket&, CommandContext& c)
{
    TPacket reply;
    reply.NewPacket("TAGCOUNT");
    reply.AddInteger("COUNT", int(c.gateway.Tags.size()));
    return reply.GetText();
}

std::string GetTag(const TPacket& request, CommandContext& c)
{
    const int index = request.GetInteger("TAG", -1);
    if (index < 0 || index >= int(c.gateway.Tags.size()))
        return NakReply(texts::kNoSuchTag);
    return Reply("TAGCONFIG", TagKeys(c.gateway.Flavour()), c.gateway.Tags[index]);
}

}  // namespace

void AddConfigCommands(CommandTable& t)
{
    const auto admin = Endpoint::Admin;
    t["SETCOM"] = {admin, true, SetCom};
    t["GETCOM"] = {admin, true, GetCom};
    t["SETSMTP"] = {admin, true, SetSmtp};
    t["GETSMTP"] = {admin, true, GetSmtp};
    t["SETTOO"] = {admin, true, SetToo};
    t["GETTOO"] = {admin, true, GetToo};
    t["ENABLETAGADMIN"] = {admin, true, EnableTagAdmin};
    t["DISABLETAGADMIN"] = {admin, true, DisableTagAdmin};
    t["DELALLTAG"] = {admin, true, DelAllTag};
    t["ADDTAG"] = {admin, true, AddTag};
    t["GETTAGCOUNT"] = {admin, true, GetTagCount};
    t["GETTAG"] = {admin, true, GetTag};
}

}  // namespace qvs::sim
