#include "faults.h"

#include "number_text.h"
#include "qprot_errors.h"
#include "text_format.h"

#include <QJsonObject>
#include <QString>

namespace qvs::sim {

const char* const kFaultHelp =
    "Faults: SERVICE,TARGET[#K],ACTION[=VALUE][,lasting][,gw=MAC]\n"
    "  acts on the K-th matching request (default 1st) after arming; one-shot unless 'lasting';\n"
    "  gw=MAC limits it to one gateway.\n"
    "  http,COMMAND|*,nak             reply \"NAK(REASON=Injected fault,);\" (command not run)\n"
    "  http,COMMAND|*,name=NAME       run the command, reply under another packet name\n"
    "  http,COMMAND|*,unclosed        run the command, reply without the closing comma\n"
    "  http,COMMAND|*,garbage         reply bytes that are no packet (command not run)\n"
    "  http,COMMAND|*,status=CODE     reply that HTTP status (command not run)\n"
    "  http,COMMAND|*,close           close the connection without replying (command not run)\n"
    "  http,COMMAND|*,delay=MS        run the command, reply after MS milliseconds\n"
    "  udp,HELLO|CONFIG|*,drop        send no answer\n"
    "  udp,HELLO|CONFIG|*,duplicate   send the answer twice\n"
    "  udp,HELLO|CONFIG|*,mac=MAC     answer with another MAC\n"
    "  udp,HELLO|CONFIG|*,delay=MS    answer after MS milliseconds\n"
    "  ftp,login,refuse               refuse the log-on (530)\n"
    "  ftp,STOR|RETR|LIST|data,break=BYTES   close the data connection after BYTES bytes\n"
    "  ftp,STOR|RETR|LIST|data,rate=BPS      move the data at BPS bytes per second\n"
    "  Example: --fault http,GETTAG#3,nak --fault udp,HELLO,drop,gw=00:60:35:0A:00:02\n";

namespace {

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const auto at = text.find(separator, start);
        parts.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

std::optional<long> Number(const std::string& text, long minimum)
{
    try {
        const long value = ParseInteger(text);
        if (value < minimum)
            return std::nullopt;
        return value;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

struct ActionInfo {
    const char* Word;
    FaultService Service;
    FaultAction Action;
    enum { None, Text, Number } Value;
    long Minimum;
};

const ActionInfo kActions[] = {
    {"nak", FaultService::Http, FaultAction::Nak, ActionInfo::None, 0},
    {"name", FaultService::Http, FaultAction::Name, ActionInfo::Text, 0},
    {"unclosed", FaultService::Http, FaultAction::Unclosed, ActionInfo::None, 0},
    {"garbage", FaultService::Http, FaultAction::Garbage, ActionInfo::None, 0},
    {"status", FaultService::Http, FaultAction::Status, ActionInfo::Number, 100},
    {"close", FaultService::Http, FaultAction::Close, ActionInfo::None, 0},
    {"delay", FaultService::Http, FaultAction::Delay, ActionInfo::Number, 0},
    {"drop", FaultService::Udp, FaultAction::Drop, ActionInfo::None, 0},
    {"duplicate", FaultService::Udp, FaultAction::Duplicate, ActionInfo::None, 0},
    {"mac", FaultService::Udp, FaultAction::Mac, ActionInfo::Text, 0},
    {"delay", FaultService::Udp, FaultAction::Delay, ActionInfo::Number, 0},
    {"refuse", FaultService::Ftp, FaultAction::Refuse, ActionInfo::None, 0},
    {"break", FaultService::Ftp, FaultAction::Break, ActionInfo::Number, 0},
    {"rate", FaultService::Ftp, FaultAction::Rate, ActionInfo::Number, 1},
};

const char* ServiceWord(FaultService service)
{
    switch (service) {
    case FaultService::Http: return "http";
    case FaultService::Udp: return "udp";
    default: return "ftp";
    }
}

}  // namespace

std::optional<std::string> FaultSet::Arm(const std::string& rule)
{
    const auto parts = Split(rule, ',');
    if (parts.size() < 3)
        return "a fault needs SERVICE,TARGET,ACTION: '" + rule + "'";
    Fault fault;
    fault.Rule = rule;
    if (parts[0] == "http") fault.Service = FaultService::Http;
    else if (parts[0] == "udp") fault.Service = FaultService::Udp;
    else if (parts[0] == "ftp") fault.Service = FaultService::Ftp;
    else return "unknown service '" + parts[0] + "' (http, udp or ftp)";

    std::string target = parts[1];
    if (const auto hash = target.find('#'); hash != std::string::npos) {
        const auto nth = Number(target.substr(hash + 1), 1);
        if (!nth)
            return "the occurrence after '#' must be a number from 1: '" + parts[1] + "'";
        fault.Nth = int(*nth);
        target = target.substr(0, hash);
    }
    if (target.empty())
        return "empty target in '" + rule + "'";
    fault.Target = target == "login" || target == "data" ? target : UpperAscii(target);

    const auto eq = parts[2].find('=');
    const std::string word = parts[2].substr(0, eq);
    const std::string value = eq == std::string::npos ? "" : parts[2].substr(eq + 1);
    const ActionInfo* info = nullptr;
    for (const auto& candidate : kActions)
        if (word == candidate.Word && candidate.Service == fault.Service)
            info = &candidate;
    if (!info)
        return "unknown action '" + word + "' for " + parts[0];
    fault.Action = info->Action;
    if (info->Value == ActionInfo::None && eq != std::string::npos)
        return "action '" + word + "' takes no value";
    if (info->Value == ActionInfo::Text) {
        if (value.empty())
            return "action '" + word + "' needs a value";
        fault.Text = value;
    }
    if (info->Value == ActionInfo::Number) {
        const auto number = Number(value, info->Minimum);
        if (!number)
            return "action '" + word + "' needs a number from " + std::to_string(info->Minimum);
        fault.Number = *number;
    }
    if (fault.Service == FaultService::Ftp) {
        const bool login = fault.Target == "login";
        if (login != (fault.Action == FaultAction::Refuse))
            return "ftp: 'refuse' goes with 'login'; break and rate with STOR, RETR, LIST or data";
        if (!login && fault.Target != "STOR" && fault.Target != "RETR" && fault.Target != "LIST" &&
            fault.Target != "data")
            return "ftp target must be login, STOR, RETR, LIST or data";
    }
    if (fault.Service == FaultService::Udp && fault.Target != "HELLO" && fault.Target != "CONFIG" &&
        fault.Target != "*")
        return "udp target must be HELLO, CONFIG or *";
    for (size_t i = 3; i < parts.size(); ++i) {
        if (parts[i] == "lasting") fault.Lasting = true;
        else if (parts[i] == "once") fault.Lasting = false;
        else if (parts[i].rfind("gw=", 0) == 0 && parts[i].size() > 3) fault.Gateway = parts[i].substr(3);
        else return "unknown modifier '" + parts[i] + "' (lasting, once, gw=MAC)";
    }
    m_faults.push_back(std::move(fault));
    return std::nullopt;
}

std::optional<Fault> FaultSet::Match(FaultService service, const std::string& gatewayMac,
                                     const std::string& target)
{
    for (auto it = m_faults.begin(); it != m_faults.end(); ++it) {
        Fault& fault = *it;
        if (fault.Service != service)
            continue;
        if (!fault.Gateway.empty() && fault.Gateway != gatewayMac)
            continue;
        const bool dataTarget = service == FaultService::Ftp && fault.Target == "data" && target != "login";
        if (fault.Target != "*" && fault.Target != target && !dataTarget)
            continue;
        if (++fault.Seen < fault.Nth)
            continue;
        Fault acting = fault;
        if (!fault.Lasting)
            m_faults.erase(it);
        return acting;
    }
    return std::nullopt;
}

QJsonArray FaultSet::Describe() const
{
    QJsonArray list;
    for (const auto& fault : m_faults) {
        QJsonObject object;
        object["rule"] = QString::fromStdString(fault.Rule);
        object["service"] = ServiceWord(fault.Service);
        object["seen"] = fault.Seen;
        object["lasting"] = fault.Lasting;
        list.append(object);
    }
    return list;
}

}  // namespace qvs::sim
