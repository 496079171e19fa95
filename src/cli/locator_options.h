#pragma once

#include "device_locator.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <optional>

namespace qvs::cli {

// The options every UDP command shares: --target/--discovery-target, --wait, --local-port.
void AddLocatorOptions(QCommandLineParser& parser, int defaultWaitMs);
// The locator's settings from the parsed options; nothing (and a message on err) when one
// is malformed.
std::optional<DeviceLocator::Settings> LocatorSettings(const QCommandLineParser& parser,
                                                       bool settingNetwork, QTextStream& err);
// Runs the event loop until the locator has sent `finished`.
template <typename Signal>
void WaitFor(DeviceLocator& locator, Signal finished);

}  // namespace qvs::cli

#include <QEventLoop>

template <typename Signal>
void qvs::cli::WaitFor(DeviceLocator& locator, Signal finished)
{
    QEventLoop loop;
    QObject::connect(&locator, finished, &loop, &QEventLoop::quit);
    loop.exec();
}
