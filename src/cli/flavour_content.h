#pragma once

#include "df1_config_content.h"
#include "hostlink_config_content.h"
#include "modbus_config_content.h"

#include "kvr_file.h"

#include <memory>
#include <optional>
#include <string>

namespace qvs::cli {

// Runs fn with a fresh document content of the flavour's own class.
template <class Fn>
int WithFlavourContent(ConfigFlavour flavour, Fn&& fn)
{
    switch (flavour) {
    case ConfigFlavour::Hostlink: {
        auto content = std::make_unique<THostlinkConfigContent>();
        return fn(*content);
    }
    case ConfigFlavour::DF1: {
        auto content = std::make_unique<TDF1ConfigContent>();
        return fn(*content);
    }
    default: {
        auto content = std::make_unique<TModbusConfigContent>();
        return fn(*content);
    }
    }
}

// Opens the configuration file with the content of its own flavour and runs fn(content, flavour);
// nullopt when the file is no configuration file. A Modbus file, the commonest, is read once:
// the store of that reading tells the flavour; a file of another flavour is read again by the
// content of its own class.
template <class Fn>
std::optional<int> WithFileContent(const std::string& path, Fn&& fn)
{
    auto modbus = std::make_unique<TModbusConfigContent>();
    if (!modbus->Open(path))
        return std::nullopt;
    const std::optional<ConfigFlavour> flavour = KvrFlavour(modbus->Store());
    if (!flavour)
        return std::nullopt;
    if (*flavour == ConfigFlavour::Modbus)
        return fn(*modbus, *flavour);
    modbus.reset();
    const auto openAndRun = [&](auto& content) -> std::optional<int> {
        if (!content.Open(path))
            return std::nullopt;
        return fn(content, *flavour);
    };
    if (*flavour == ConfigFlavour::Hostlink) {
        auto content = std::make_unique<THostlinkConfigContent>();
        return openAndRun(*content);
    }
    auto content = std::make_unique<TDF1ConfigContent>();
    return openAndRun(*content);
}

}  // namespace qvs::cli
