#pragma once

#include "config_content.h"

#include <memory>

namespace qvs {

// An empty content of the flavour's class (TModbusConfigContent, THostlinkConfigContent,
// TDF1ConfigContent).
std::unique_ptr<TConfigContent> MakeConfigContent(ConfigFlavour flavour,
                                                  char separator = SystemDecimalSeparator());

}  // namespace qvs
