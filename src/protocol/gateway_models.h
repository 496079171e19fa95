#pragma once

#include <string>
#include <string_view>

namespace qvs {

// Configuration flavours as stored in device records and the device list.
enum class ConfigFlavour : int { Modbus = 0, Hostlink = 1, DF1 = 2 };

// The model name of a model code; "Norvik Device" for any code not known.
std::string ModelName(std::string_view modelCode);
// A Kavro gateway is one whose model name contains "Kavro".
bool IsKavroModel(std::string_view modelName);
// Flavour of a model code: Modbus for every code that is not a Hostlink or DF1 gateway.
ConfigFlavour FlavourOfModel(std::string_view modelCode);

// True when firmware version a is strictly lower than b. Throws IntegerConversionError
// when a component is not a decimal integer.
bool VersionLess(std::string_view a, std::string_view b);
// The version kept for a connection: "-R" and everything after it removed.
std::string VersionWithoutLogSuffix(std::string_view version);
bool HasLogFeature(std::string_view version);        // "-R"
bool IsNotManageableModel(std::string_view version); // "-SN"

// Firmware gates.
inline constexpr const char* kLowestModbusFirmware = "2.0.3";
inline constexpr const char* kLowestHostlinkFirmware = "2.0.3";
inline constexpr const char* kLowestDF1Firmware = "2.0.5";
inline constexpr const char* kFirstUnsupportedFirmware = "3.99.99";
inline constexpr const char* kAuthenticatedRelayFirmware = "2.0.6";

const char* LowestSupportedFirmware(ConfigFlavour flavour);

}  // namespace qvs
