#pragma once

#include <QJsonArray>

#include <optional>
#include <string>
#include <vector>

namespace qvs::sim {

// Faults armed on the command line (--fault) or through the control endpoint.
//   SERVICE,TARGET[#K],ACTION[=VALUE][,lasting][,gw=MAC]
// A fault acts on the K-th matching request (default the first) counted from when it
// was armed; a one-shot fault is then spent, a lasting one acts on every later match.
enum class FaultService { Http, Udp, Ftp };

enum class FaultAction {
    // http: TARGET is a command name or "*"
    Nak, Name, Unclosed, Garbage, Status, Close, Delay,
    // udp: TARGET is HELLO, CONFIG or "*"; one answer per match
    Drop, Duplicate, Mac,
    // ftp: TARGET "login" for refuse; STOR, RETR, LIST or "data" for break and rate
    Refuse, Break, Rate,
};

struct Fault {
    std::string Rule;
    FaultService Service = FaultService::Http;
    std::string Target;   // upper case, "*" for any
    int Nth = 1;
    FaultAction Action = FaultAction::Nak;
    std::string Text;     // name=, mac=
    long Number = 0;      // status=, delay=, break=, rate=
    bool Lasting = false;
    std::string Gateway;  // MAC, empty for every gateway
    int Seen = 0;
};

class FaultSet {
public:
    // Arms a fault; returns the reason when the rule cannot be read.
    std::optional<std::string> Arm(const std::string& rule);
    void Clear() { m_faults.clear(); }

    // The fault that acts on this request, if any (counts the request for every armed
    // fault that matches, up to the one that acts).
    std::optional<Fault> Match(FaultService service, const std::string& gatewayMac,
                               const std::string& target);

    QJsonArray Describe() const;

private:
    std::vector<Fault> m_faults;
};

// The syntax, for --help and the control endpoint's error replies.
extern const char* const kFaultHelp;

}  // namespace qvs::sim
