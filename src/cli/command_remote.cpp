#include "command_remote.h"

#include "cli_exit_codes.h"
#include "command_line.h"
#include "device_rows.h"
#include "protocol_texts.h"
#include "remote_search.h"
#include "transfer_report.h"

#include <QCommandLineParser>
#include <QJsonDocument>

namespace qvs::cli {

int RunRemoteCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Asks one gateway by its host name or address (GETDEVICE, GETNET on admpost.cgi, through "
        "the HTTP proxy of qvs.ini when one is set) and prints the device-list row the remote "
        "search adds, with HOST as its Remote IP/Host.");
    parser.addHelpOption();
    parser.addPositionalArgument("HOST", "The gateway's host name or address (host[:port]).");
    parser.addOption({"json", "Print a JSON array with the device record."});
    AddExchangeOptions(parser);
    if (const auto exit = ParseArguments(parser, arguments, out, err))
        return *exit;
    const QStringList positional = parser.positionalArguments();
    const std::optional<int> timeout = TimeoutOption(parser);
    if (positional.size() != 1 || positional[0].trimmed().isEmpty() || !timeout) {
        err << "usage: qvsctl remote HOST [--json] [--options FILE] [--timeout MS]\n";
        return kExitUsage;
    }

    // As the remote search of the application: the typed text is both host and remote host,
    // so the request goes through the remote client and its proxy.
    const std::string host = positional[0].toStdString();
    const auto exchange = MakeExchange(true, parser.value("options").toStdString(), *timeout);
    const RemoteSearchResult result = SearchRemoteDevice(host, [&](const TPacket& request) {
        return exchange->ExchangeVia(host, host, Endpoint::Admin, request);
    });
    switch (result.Result) {
    case RemoteSearchResult::Outcome::NoResponse:
        err << CliLine(qvs::texts::kNoResponse);
        return kExitNoResponse;
    case RemoteSearchResult::Outcome::NotValid:
        err << CliLine(qvs::texts::kNotValidResponse);
        return kExitRefused;
    case RemoteSearchResult::Outcome::Found:
        break;
    }

    DeviceListModel model;
    model.AddDeviceToList(result.Device);
    if (parser.isSet("json"))
        out << QJsonDocument(DeviceRowsJson(model)).toJson(QJsonDocument::Indented);
    else
        PrintDeviceRows(model, out);
    return kExitOk;
}

}  // namespace qvs::cli
