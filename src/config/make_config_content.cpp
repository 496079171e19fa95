#include "make_config_content.h"

#include "df1_config_content.h"
#include "hostlink_config_content.h"
#include "modbus_config_content.h"

namespace qvs {

std::unique_ptr<TConfigContent> MakeConfigContent(ConfigFlavour flavour, char separator)
{
    switch (flavour) {
    case ConfigFlavour::Hostlink: return std::make_unique<THostlinkConfigContent>(separator);
    case ConfigFlavour::DF1: return std::make_unique<TDF1ConfigContent>(separator);
    case ConfigFlavour::Modbus: break;
    }
    return std::make_unique<TModbusConfigContent>(separator);
}

}  // namespace qvs
