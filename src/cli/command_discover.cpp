#include "command_discover.h"

#include "cli_exit_codes.h"
#include "command_line.h"
#include "device_list_model.h"
#include "device_rows.h"
#include "locator_options.h"

#include <QJsonDocument>

namespace qvs::cli {

int RunDiscoverCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Searches the local networks for gateways (\"HELLO()\" on UDP port 998 through every "
        "IPv4 interface) and prints the device list, sorted by Device.");
    parser.addHelpOption();
    AddLocatorOptions(parser, 500);
    parser.addOption({"json", "Print a JSON array of device records."});
    if (const auto exit = ParseArguments(parser, arguments, out, err))
        return *exit;
    if (!parser.positionalArguments().isEmpty()) {
        err << "usage: qvsctl discover [--target ADDR[:PORT]] [--wait MS] [--json]\n";
        return kExitUsage;
    }
    const auto settings = LocatorSettings(parser, false, err);
    if (!settings)
        return kExitUsage;

    DeviceLocator locator(*settings);
    DeviceListModel model;
    QObject::connect(&locator, &DeviceLocator::deviceFound, &model, &DeviceListModel::AddDeviceToList);
    const auto report = [&err](const QString& text) { err << QString(text).replace("\r\n", "\n") << "\n"; };
    QObject::connect(&locator, &DeviceLocator::warning, report);
    QObject::connect(&locator, &DeviceLocator::error, report);
    locator.StartSearch();
    WaitFor(locator, &DeviceLocator::searchFinished);

    if (parser.isSet("json")) {
        out << QJsonDocument(DeviceRowsJson(model)).toJson(QJsonDocument::Indented);
    } else {
        PrintDeviceRows(model, out);
    }
    if (model.Count() == 0) {
        err << "No device answered the search.\n";
        return kExitNoResponse;
    }
    return kExitOk;
}

}  // namespace qvs::cli
