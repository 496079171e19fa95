#pragma once

#include "df1_config_content.h"
#include "hostlink_config_content.h"
#include "modbus_config_content.h"

#include <memory>

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

}  // namespace qvs::cli
