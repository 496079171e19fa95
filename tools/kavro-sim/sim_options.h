#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace qvs::sim {

struct SimOptions {
    bool Demo = false;
    bool PrintPlant = false;
    bool LoopbackIps = false;  // each gateway with an address gets 127.0.0.N instead
    QString PlantFile;
    QString StateFile;
    QString UdpBind = "0.0.0.0";
    int UdpPort = 998;
    int HttpPort = 80;
    int FtpPort = 21;
    QString Listen;       // empty: each gateway on its own IP address
    int ControlPort = 0;  // always on, on 127.0.0.1; 0 picks a free port
    QString Journal;      // file, "-" for standard error, empty for memory only
    QStringList Faults;
};

// Reads the command line; on --help, --version or a usage error it prints what is
// due and gives the exit code instead.
struct ParsedOptions {
    std::optional<SimOptions> Options;
    int ExitCode = 0;
};
ParsedOptions ParseSimOptions(const QStringList& arguments);

}  // namespace qvs::sim
