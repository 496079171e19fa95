// Administration: identity, network, accounts, clock, log and the acquisition machine.
#include "command_table.h"

#include "packet_fields.h"
#include "qprot_datetime.h"
#include "sim_texts.h"

#include <chrono>

namespace qvs::sim {

namespace {

bool IsDottedQuad(const std::string& text)
{
    int parts = 0;
    size_t start = 0;
    while (true) {
        const auto dot = text.find('.', start);
        const std::string piece = text.substr(start, dot == std::string::npos ? std::string::npos : dot - start);
        if (piece.empty() || piece.size() > 3)
            return false;
        for (char c : piece)
            if (c < '0' || c > '9')
                return false;
        if (std::stoi(piece) > 255)
            return false;
        ++parts;
        if (dot == std::string::npos)
            break;
        start = dot + 1;
    }
    return parts == 4;
}

std::string GetAdmin(const TPacket&, CommandContext& c)
{
    TPacket reply;
    reply.NewPacket("ADMIN");
    reply.AddString("PWD", c.gateway.AdminPassword);
    return reply.GetText();
}

std::string GetDevice(const TPacket&, CommandContext& c)
{
    TPacket reply;
    reply.NewPacket("DEVICE");
    reply.AddString("VERSION", c.gateway.Firmware);
    reply.AddString("MAC", c.gateway.Mac);
    reply.AddString("ID", c.gateway.Model);
    return reply.GetText();
}

std::string GetNet(const TPacket&, CommandContext& c)
{
    const Gateway& g = c.gateway;
    TPacket reply;
    reply.NewPacket("NETWORK");
    reply.AddString("NAME", g.HostName);
    reply.AddBoolean("DHCP", g.Dhcp);
    reply.AddString("IP", g.Ip);
    reply.AddString("NETMASK", g.Netmask);
    reply.AddString("GATEWAY", g.DefaultGateway);
    reply.AddString("FSTDNS", g.FstDns);
    reply.AddString("SNDDNS", g.SndDns);
    return reply.GetText();
}

// The new data is kept at once and takes effect on the next RESET, as on the device.
std::string SetNet(const TPacket& request, CommandContext& c)
{
    Gateway& g = c.gateway;
    if (request.GetString("PWD", "") != g.AdminPassword)
        return NakReply(texts::kWrongPassword);
    const char* keys[] = {"IP", "NETMASK", "GATEWAY", "FSTDNS", "SNDDNS"};
    std::string values[5];
    bool allZero = true;
    for (int i = 0; i < 5; ++i) {
        values[i] = request.GetString(keys[i], "0.0.0.0");
        if (!IsDottedQuad(values[i]))
            return NakReply(texts::kBadAddress);
        allZero = allZero && values[i] == "0.0.0.0";
    }
    // DHCP is asked for with the zero address everywhere; the lease keeps the old address.
    g.Dhcp = allZero;
    if (!allZero) {
        g.Ip = values[0];
        g.Netmask = values[1];
        g.DefaultGateway = values[2];
        g.FstDns = values[3];
        g.SndDns = values[4];
    }
    g.HostName = request.GetString("NAME", "");
    g.HasHostName = g.HasHostName || !g.HostName.empty();
    c.plant.Changed();
    return AckReply();
}

std::string Reset(const TPacket&, CommandContext& c)
{
    Gateway& g = c.gateway;
    g.Running = true;
    g.TagAdmin = false;
    g.Live.assign(g.Tags.size(), LiveTag{});
    g.Mail = Mailbox{};
    c.plant.NetworkChanged(g);
    return AckReply();
}

std::string Stop(const TPacket&, CommandContext& c)
{
    if (c.gateway.Running)
        c.gateway.FrozenAt = c.plant.Seconds();
    c.gateway.Running = false;
    return AckReply();
}

std::string Run(const TPacket&, CommandContext& c)
{
    c.gateway.Running = true;
    c.gateway.TagAdmin = false;
    return AckReply();
}

std::string GetUser(const TPacket&, CommandContext& c)
{
    TPacket reply;
    reply.NewPacket("USER");
    reply.AddString("USERNAME", c.gateway.UserName);
    return reply.GetText();
}

std::string SetUser(const TPacket& request, CommandContext& c)
{
    c.gateway.UserName = request.GetString("USERNAME", "");
    c.gateway.UserPassword = request.GetString("PWD", "");
    c.plant.Changed();
    return AckReply();
}

std::string SetAdmin(const TPacket& request, CommandContext& c)
{
    c.gateway.AdminPassword = request.GetString("PWD", "");
    c.plant.Changed();
    return AckReply();
}

LocalDateTime GatewayClock(const Gateway& g)
{
    return CurrentLocalDateTime() + std::chrono::seconds(g.ClockOffsetSeconds);
}

std::string GetTime(const TPacket&, CommandContext& c)
{
    TPacket reply;
    reply.NewPacket("TIME");
    reply.AddDateTime("TIME", GatewayClock(c.gateway));
    return reply.GetText();
}

std::string SetTime(const TPacket& request, CommandContext& c)
{
    const LocalDateTime invalid{};
    const LocalDateTime value = request.GetDateTime("TIME", invalid);
    if (value == invalid)
        return NakReply(texts::kBadTime);
    c.gateway.ClockOffsetSeconds =
        std::chrono::duration_cast<std::chrono::seconds>(value - CurrentLocalDateTime()).count();
    c.plant.Changed();
    return AckReply();
}

std::string GetLog(const TPacket&, CommandContext& c)
{
    const Gateway& g = c.gateway;
    if (!g.HasLog())
        return NakReply(texts::kNoLog);
    TPacket reply;
    reply.NewPacket("LOG");
    reply.AddBoolean("ENABLE", g.LogEnable);
    reply.AddInteger("TIME", g.LogTime);
    reply.AddInteger("COUNT", g.LogCount);
    return reply.GetText();
}

std::string SetLog(const TPacket& request, CommandContext& c)
{
    Gateway& g = c.gateway;
    if (!g.HasLog())
        return NakReply(texts::kNoLog);
    const bool enable = request.GetBoolean("ENABLE", false);
    const int time = request.GetInteger("TIME", g.LogTime);
    const int count = request.GetInteger("COUNT", g.LogCount);
    if (time < 10 || time > 3600 || count < 0 || count > 16)
        return NakReply(texts::kLogRange);
    g.LogEnable = enable;
    g.LogTime = time;
    g.LogCount = count;
    c.plant.Changed();
    return AckReply();
}

}  // namespace

void AddAdminCommands(CommandTable& t)
{
    const auto admin = Endpoint::Admin;
    // Every device on the network answers these; the rest is Kavro firmware only.
    t["GETADMIN"] = {admin, false, GetAdmin};
    t["GETDEVICE"] = {admin, false, GetDevice};
    t["GETNET"] = {admin, false, GetNet};
    t["SETNET"] = {admin, false, SetNet};
    t["RESET"] = {admin, false, Reset};
    t["GETUSER"] = {admin, false, GetUser};
    t["SETUSER"] = {admin, false, SetUser};
    t["SETADMIN"] = {admin, false, SetAdmin};
    t["GETTIME"] = {admin, false, GetTime};
    t["SETTIME"] = {admin, false, SetTime};
    t["GETLOG"] = {admin, true, GetLog};
    t["SETLOG"] = {admin, true, SetLog};
    t["STOP"] = {admin, true, Stop};
    t["RUN"] = {admin, true, Run};
}

}  // namespace qvs::sim
