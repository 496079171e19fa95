#include "command_discover.h"

#include "cli_exit_codes.h"
#include "device_list_model.h"
#include "locator_options.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qvs::cli {

namespace {

QString Latin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QJsonObject ToJson(const TDeviceData& d)
{
    return {
        {"Name", Latin1(d.Name)},       {"Host", Latin1(d.Host)},
        {"MAC", Latin1(d.MAC)},         {"Version", Latin1(d.Version)},
        {"IP", Latin1(d.IP)},           {"Netmask", Latin1(d.Netmask)},
        {"Gateway", Latin1(d.Gateway)}, {"DHCP", d.DHCP},
        {"RemoteHost", Latin1(d.RemoteHost)}, {"HasHostName", d.HasHostName},
        {"User", Latin1(d.User)},       {"Password", Latin1(d.Password)},
        {"IsKavro", d.IsKavro},         {"HasLog", d.HasLog},
        {"NotManageable", d.NotManageable}, {"Flavour", d.Flavour},
    };
}

void PrintRows(const DeviceListModel& model, QTextStream& out)
{
    // The hidden cells get names here, so that a script can tell them apart.
    const char* hidden[] = {"HasHostName", "IsKavro", "Flavour"};
    QStringList header;
    for (int c = 0; c < DeviceListModel::kColumns; ++c)
        header << (DeviceListModel::IsHiddenColumn(c) ? QString(hidden[c - DeviceListModel::ColHasHostName])
                                                      : model.headerData(c, Qt::Horizontal).toString());
    out << header.join('\t') << "\n";
    for (int r = 0; r < model.Count(); ++r) {
        QStringList cells;
        for (const std::string& cell : model.RowCells(r))
            cells << Latin1(cell);
        out << cells.join('\t') << "\n";
    }
}

}  // namespace

int RunDiscoverCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Searches the local networks for gateways (\"HELLO()\" on UDP port 998 through every "
        "IPv4 interface) and prints the device list, sorted by Device.");
    parser.addHelpOption();
    AddLocatorOptions(parser, 500);
    parser.addOption({"json", "Print a JSON array of device records."});
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n";
        return kExitUsage;
    }
    if (parser.isSet("help")) {
        out << parser.helpText();
        return kExitOk;
    }
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
        QJsonArray devices;
        for (int r = 0; r < model.Count(); ++r)
            devices.append(ToJson(model.Device(r)));
        out << QJsonDocument(devices).toJson(QJsonDocument::Indented);
    } else {
        PrintRows(model, out);
    }
    if (model.Count() == 0) {
        err << "No device answered the search.\n";
        return kExitNoResponse;
    }
    return kExitOk;
}

}  // namespace qvs::cli
