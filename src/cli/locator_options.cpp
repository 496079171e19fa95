#include "locator_options.h"

namespace qvs::cli {

void AddLocatorOptions(QCommandLineParser& parser, int defaultWaitMs)
{
    parser.addOption({{"target", "discovery-target"},
                      "Where the datagram goes (default 255.255.255.255:998).", "ADDR[:PORT]"});
    parser.addOption({"wait", "How long answers are collected, in ms.", "MS",
                      QString::number(defaultWaitMs)});
    parser.addOption({"local-port", "UDP port to send from and listen on (0: any free port).",
                      "PORT", QString::number(kDiscoveryPort)});
}

std::optional<DeviceLocator::Settings> LocatorSettings(const QCommandLineParser& parser,
                                                       bool settingNetwork, QTextStream& err)
{
    DeviceLocator::Settings settings;
    if (parser.isSet("target")) {
        QString error;
        const auto target = ParseDiscoveryTarget(parser.value("target"), &error);
        if (!target) {
            err << error << "\n";
            return std::nullopt;
        }
        settings.Target = *target;
    }
    bool ok = false;
    const int wait = parser.value("wait").toInt(&ok);
    if (!ok || wait < 0 || wait > 600000) {
        err << "not a valid wait in ms: " << parser.value("wait") << "\n";
        return std::nullopt;
    }
    (settingNetwork ? settings.SetNetworkWaitMs : settings.SearchWaitMs) = wait;
    const uint port = parser.value("local-port").toUInt(&ok);
    if (!ok || port > 65535) {
        err << "not a valid UDP port: " << parser.value("local-port") << "\n";
        return std::nullopt;
    }
    settings.LocalPort = static_cast<quint16>(port);
    return settings;
}

}  // namespace qvs::cli
