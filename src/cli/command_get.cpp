#include "command_get.h"

#include "cli_exit_codes.h"
#include "cli_texts.h"
#include "command_line.h"
#include "command_send.h"
#include "flavour_content.h"
#include "gateway_check.h"
#include "text_format.h"
#include "transfer_progress.h"
#include "transfer_report.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <string>

namespace qvs::cli {

int RunGetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Gets the configuration a gateway holds and writes it as a kvr file of the gateway's "
        "flavour.");
    parser.addHelpOption();
    parser.addOption({"from", "The gateway's address (IP or IP:port).", "HOST"});
    parser.addOption({"remote", "The remote host through which the gateway is reached (HTTP proxy of qvs.ini).", "RHOST"});
    parser.addOption({"password", "The administrator password.", "PW"});
    parser.addOption({{"o", "output"}, "The kvr file to write.", "FILE"});
    parser.addOption({"force", "Replace FILE when it exists."});
    if (const auto exit = ParseArguments(parser, arguments, out, err))
        return *exit;
    if (!parser.positionalArguments().isEmpty() || !parser.isSet("from") || !parser.isSet("password") ||
        !parser.isSet("output")) {
        err << "usage: qvsctl get --from HOST [--remote RHOST] --password PW -o FILE [--force]\n";
        return kExitUsage;
    }
    const std::string host = parser.value("from").toStdString();
    const std::string remote = parser.value("remote").toStdString();
    const std::string password = parser.value("password").toStdString();
    const QString path = parser.value("output");
    if (QFileInfo::exists(path) && !parser.isSet("force")) {
        err << CliLine(FormatText(texts::kFileExists, path.toStdString()));
        return kExitRefused;
    }

    auto exchange = MakeExchange(!remote.empty());
    TDeviceData device;
    if (const auto refused = CheckGateway(*exchange, host, remote, password, device, err))
        return *refused;

    return WithFlavourContent(static_cast<ConfigFlavour>(device.Flavour), [&](auto& content) -> int {
        using Record = decltype(content.GetAllConfig());
        auto record = std::make_unique<Record>();
        TransferProgress progress(out, WritesToTerminal(out));
        InterruptStop stop;
        transfer::TConfigTransfer transfer(*exchange, device.IP, device.RemoteHost, progress, stop.Flag());
        const auto result = transfer.Get(*record);
        progress.Finish();
        if (!result.Completed())
            return ReportTransfer(result, err);  // nothing is written from a partial get

        const QFileInfo info(path);
        content.New(info.fileName().toStdString(), info.absolutePath().toStdString());
        content.SetAllConfig(*record);
        if (const auto failure = content.Validate())
            err << CliLine(FormatText(texts::kNotValidAsIs, failure->Message));
        IniStore store;
        content.SetFileVersion(store);
        content.SetFileFromCOM(store);
        content.SetFileFromEMAIL(store);
        content.SetFileFromTAGS(store);
        const auto saved = store.Save(path.toStdString());
        if (!saved) {
            err << CliLine(saved.Error);
            return kExitRefused;
        }
        out << CliLine(FormatText(texts::kWritten, {path.toStdString(), std::to_string(record->TagCount)}));
        return kExitOk;
    });
}

}  // namespace qvs::cli
