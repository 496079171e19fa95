#include "command_setnet.h"

#include "cli_exit_codes.h"
#include "command_line.h"
#include "locator_options.h"

#include <QHostAddress>
#include <QRegularExpression>

namespace qvs::cli {

namespace {

bool IsDottedIPv4(const QString& text)
{
    static const QRegularExpression dotted(R"(^\d{1,3}(\.\d{1,3}){3}$)");
    return dotted.match(text).hasMatch() && QHostAddress(text).protocol() == QAbstractSocket::IPv4Protocol;
}

}  // namespace

int RunSetnetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Gives one gateway its network data over UDP (\"CONFIG\" to port 998) and prints the "
        "result. Exit code 0 when the gateway accepted it, 1 otherwise.");
    parser.addHelpOption();
    parser.addOption({"mac", "The gateway's MAC, as the device list shows it.", "MAC"});
    parser.addOption({"password", "The administrator password (may be empty).", "PW"});
    parser.addOption({"dhcp", "The gateway takes its address from DHCP."});
    parser.addOption({"ip", "IP address.", "A"});
    parser.addOption({"netmask", "Netmask.", "M"});
    parser.addOption({"gateway", "Default gateway.", "G"});
    parser.addOption({"hostname", "Host name, for a gateway that reports one.", "H"});
    AddLocatorOptions(parser, 1000);
    if (const auto exit = ParseArguments(parser, arguments, out, err))
        return *exit;
    const char* usage = "usage: qvsctl setnet --mac MAC --password PW "
                        "(--dhcp | --ip A --netmask M --gateway G) [--hostname H] [--target ADDR[:PORT]]\n";
    const bool fixed = parser.isSet("ip") || parser.isSet("netmask") || parser.isSet("gateway");
    if (!parser.positionalArguments().isEmpty() || !parser.isSet("mac") || !parser.isSet("password")
        || parser.value("mac").isEmpty() || parser.isSet("dhcp") == fixed) {
        err << usage;
        return kExitUsage;
    }
    NetworkSetup setup;
    setup.MAC = parser.value("mac").toStdString();
    setup.Password = parser.value("password").toLatin1().toStdString();
    setup.DHCP = parser.isSet("dhcp");
    if (!setup.DHCP) {
        for (const char* name : {"ip", "netmask", "gateway"}) {
            if (!IsDottedIPv4(parser.value(name))) {
                err << "not a valid IPv4 address for --" << name << ": " << parser.value(name) << "\n";
                return kExitUsage;
            }
        }
        setup.IP = parser.value("ip").toStdString();
        setup.Netmask = parser.value("netmask").toStdString();
        setup.Gateway = parser.value("gateway").toStdString();
    }
    setup.HasHostName = parser.isSet("hostname");
    setup.HostName = parser.value("hostname").toLatin1().toStdString();
    const auto settings = LocatorSettings(parser, true, err);
    if (!settings)
        return kExitUsage;

    DeviceLocator locator(*settings);
    const auto report = [&err](const QString& text) { err << QString(text).replace("\r\n", "\n") << "\n"; };
    QObject::connect(&locator, &DeviceLocator::warning, report);
    QObject::connect(&locator, &DeviceLocator::error, report);
    bool accepted = false;
    QString message;
    QObject::connect(&locator, &DeviceLocator::setNetworkFinished, [&](bool ok, const QString& text) {
        accepted = ok;
        message = text;
    });
    locator.StartSetNetwork(setup);
    WaitFor(locator, &DeviceLocator::setNetworkFinished);
    (accepted ? out : err) << message.replace("\r\n", "\n") << "\n";
    return accepted ? kExitOk : kExitRefused;
}

}  // namespace qvs::cli
