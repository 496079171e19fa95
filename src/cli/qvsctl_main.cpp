// qvsctl: the command-line face of QVS, over the same core as the desktop application.
#include "cli_exit_codes.h"
#include "command_call.h"
#include "command_discover.h"
#include "command_get.h"
#include "command_kvr.h"
#include "command_packet.h"
#include "command_remote.h"
#include "command_send.h"
#include "command_setnet.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>
#include <functional>
#include <map>

namespace {

using Command = std::function<int(const QStringList&, QTextStream&, QTextStream&)>;

const std::map<QString, std::pair<Command, const char*>>& Commands()
{
    static const std::map<QString, std::pair<Command, const char*>> commands = {
        {"call", {qvs::cli::RunCallCommand, "post one QProt packet to a gateway and print the reply"}},
        {"discover", {qvs::cli::RunDiscoverCommand, "search the local networks for gateways"}},
        {"kvr", {qvs::cli::RunKvrCommand, "show or check a kvr configuration file"}},
        {"packet", {qvs::cli::RunPacketCommand, "build or read a QProt packet"}},
        {"remote", {qvs::cli::RunRemoteCommand, "ask one gateway by host or address, print its device-list row"}},
        {"setnet", {qvs::cli::RunSetnetCommand, "give a gateway its network data over UDP"}},
        {"send", {qvs::cli::RunSendCommand, "send a kvr configuration to a gateway"}},
        {"get", {qvs::cli::RunGetCommand, "get a gateway's configuration into a kvr file"}},
    };
    return commands;
}

QString Usage()
{
    QString text = "Usage: qvsctl [--help] [--version] COMMAND [ARGS...]\n\n"
                   "Kavro Configuration Manager, command-line tool.\n\nCommands:\n";
    for (const auto& [name, entry] : Commands())
        text += QString("  %1  %2\n").arg(name, -10).arg(entry.second);
    text += "\nExit codes: 0 ok, 1 the device or the file said no, 2 usage error, 3 no response.\n"
            "'qvsctl COMMAND --help' describes a command.\n";
    return text;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("qvsctl");
    QCoreApplication::setApplicationVersion(QVS_VERSION);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        err << Usage();
        return qvs::cli::kExitUsage;
    }
    const QString first = arguments[1];
    if (first == "--help" || first == "-h") {
        out << Usage();
        return qvs::cli::kExitOk;
    }
    if (first == "--version" || first == "-v") {
        out << "qvsctl " << QVS_VERSION << "\n";
        return qvs::cli::kExitOk;
    }
    const auto found = Commands().find(first);
    if (found == Commands().end()) {
        err << "unknown command: " << first << "\n\n" << Usage();
        return qvs::cli::kExitUsage;
    }
    arguments.removeAt(1);
    arguments[0] = "qvsctl " + first;
    return found->second.first(arguments, out, err);
}
