#include "command_call.h"

#include "cli_exit_codes.h"
#include "command_line.h"
#include "gateway_exchange.h"
#include "protocol_texts.h"
#include "transfer_report.h"

#include <QCommandLineParser>

namespace qvs::cli {

int RunCallCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Posts one QProt packet to a gateway's admpost.cgi (apppost.cgi with --app) and prints "
        "the reply. With --remote the request goes to RHOST through the HTTP proxy of qvs.ini.");
    parser.addHelpOption();
    parser.addPositionalArgument("HOST", "The gateway's LAN address (host[:port]).");
    parser.addPositionalArgument("PACKET", "The request, for example \"GETADMIN();\".");
    parser.addOption({"remote", "Reach the gateway as RHOST, through the configured proxy.", "RHOST"});
    parser.addOption({"app", "Post to apppost.cgi instead of admpost.cgi."});
    AddExchangeOptions(parser);
    if (const auto exit = ParseArguments(parser, arguments, out, err))
        return *exit;
    const QStringList positional = parser.positionalArguments();
    const std::optional<int> timeout = TimeoutOption(parser);
    if (positional.size() != 2 || !timeout) {
        err << "usage: qvsctl call HOST PACKET [--remote RHOST] [--app] [--options FILE] [--timeout MS]\n";
        return kExitUsage;
    }

    const std::string remote = parser.value("remote").toStdString();
    const auto exchange = MakeExchange(!remote.empty(), parser.value("options").toStdString(), *timeout);
    const TPacket request(positional[1].toLatin1().toStdString());
    const ExchangeReply reply = exchange->ExchangeVia(positional[0].toStdString(), remote,
                                                     parser.isSet("app") ? Endpoint::App : Endpoint::Admin,
                                                     request);
    if (!reply.Ok) {
        err << texts::kNoResponse << "\n";
        return kExitNoResponse;
    }
    const std::string& text = reply.Reply.GetText();
    out << QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())) << "\n";
    return kExitOk;
}

}  // namespace qvs::cli
