#include "command_send.h"

#include "cli_exit_codes.h"
#include "cli_texts.h"
#include "command_line.h"
#include "config_texts.h"
#include "flavour_content.h"
#include "gateway_check.h"
#include "kvr_file.h"
#include "qprot_errors.h"
#include "qvs_options.h"
#include "text_format.h"
#include "transfer_progress.h"
#include "transfer_report.h"

#include <QCommandLineParser>
#include <QFile>

#include <cstdio>
#include <future>
#include <iostream>
#include <string>
#include <type_traits>
#include <unistd.h>

namespace qvs::cli {
namespace {

bool Confirm(QTextStream& out, QTextStream& err, bool yes, int& exitCode)
{
    if (yes)
        return true;
    if (!isatty(fileno(stdin))) {
        err << CliLine(texts::kNeedsYes);
        exitCode = kExitUsage;
        return false;
    }
    out << CliLine(texts::kOverwriteQuestion) << "[y/N] ";
    out.flush();
    std::string answer;
    std::getline(std::cin, answer);
    if (answer == "y" || answer == "Y" || answer == "yes") 
        return true;
    err << CliLine(texts::kNotConfirmed);
    exitCode = kExitRefused;
    return false;
}

}  // namespace

bool WritesToTerminal(QTextStream& stream)
{
    auto* file = qobject_cast<QFile*>(stream.device());
    return file && file->handle() >= 0 && isatty(file->handle());
}

int RunSendCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Sends a kvr configuration to a gateway: checks the gateway's firmware and the "
        "administrator password, that the file's flavour is the gateway's, validates the "
        "configuration, then replaces the gateway's configuration step by step.");
    parser.addHelpOption();
    parser.addPositionalArgument("FILE", "the kvr file to send");
    parser.addOption({"to", "The gateway's address (IP or IP:port).", "HOST"});
    parser.addOption({"remote", "The remote host through which the gateway is reached (HTTP proxy of qvs.ini).", "RHOST"});
    parser.addOption({"password", "The administrator password.", "PW"});
    parser.addOption({"yes", "Send without asking to confirm the overwrite."});
    if (const auto exit = ParseArguments(parser, arguments, out, err))
        return *exit;
    if (parser.positionalArguments().size() != 1 || !parser.isSet("to") || !parser.isSet("password")) {
        err << "usage: qvsctl send FILE --to HOST [--remote RHOST] --password PW [--yes]\n";
        return kExitUsage;
    }
    const std::string path = parser.positionalArguments().front().toStdString();
    const std::string host = parser.value("to").toStdString();
    const std::string remote = parser.value("remote").toStdString();
    const std::string password = parser.value("password").toStdString();
    const bool yes = parser.isSet("yes");

    // The HTTP library starts up (its TLS back-end included) while the file is read; nothing
    // goes to the gateway before the file is known good.
    const std::string optionsFile = remote.empty() ? std::string() : QVSOptions::ApplicationFileName();
    auto exchangeReady = std::async(std::launch::async,
                                    [&] { return MakeExchange(!remote.empty(), optionsFile); });

    const std::optional<int> code = WithFileContent(path, [&](auto& content, ConfigFlavour flavour) -> int {
        for (const std::string& warning : content.ReadWarnings())
            err << "warning: " << CliLine(warning);

        const auto exchange = exchangeReady.get();
        TDeviceData device;
        if (const auto refused = CheckGateway(*exchange, host, remote, password, device, err))
            return *refused;
        if (device.Flavour != static_cast<int>(flavour)) {
            err << CliLine(texts::kFlavourMismatch);
            return kExitRefused;
        }
        if (const auto failure = content.ValidateForSend()) {
            err << CliLine(failure->Message);
            return kExitRefused;
        }

        using Content = std::remove_reference_t<decltype(content)>;
        using Record = decltype(content.GetAllConfig());
        std::unique_ptr<Record> record;
        try {
            if constexpr (std::is_same_v<Content, TModbusConfigContent>) {
                const bool authRelay = ModbusAuthRelaySupported(device.Version);
                if (!authRelay && content.Email().Auth)
                    err << CliLine(std::string(texts::kNoFeature) + "\n" + texts::kNoFeatureAuthRelay);
                record = std::make_unique<Record>(content.GetAllConfig(authRelay));
            } else {
                record = std::make_unique<Record>(content.GetAllConfig());
            }
        } catch (const QProtError& error) {
            err << CliLine(error.what());
            return kExitRefused;
        }

        int exitCode = kExitOk;
        if (!Confirm(out, err, yes, exitCode))
            return exitCode;

        TransferProgress progress(out, WritesToTerminal(out));
        InterruptStop stop;
        transfer::TConfigTransfer transfer(*exchange, device.IP, device.RemoteHost, progress, stop.Flag());
        const auto result = transfer.Send(*record);
        progress.Finish();
        return ReportTransfer(result, err);
    });
    if (!code) {
        err << CliLine(FormatText(qvs::texts::kFileNotRecognized, path));
        return kExitRefused;
    }
    return *code;
}

}  // namespace qvs::cli
