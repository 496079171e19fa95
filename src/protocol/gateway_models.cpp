#include "gateway_models.h"

#include "number_text.h"

#include <array>
#include <utility>

namespace qvs {

namespace {

struct ModelRow {
    const char* code;
    const char* name;
};

constexpr std::array kModels = {
    ModelRow{"1118", "Kavro-10-MB"}, ModelRow{"1119", "Kavro-1C-MB"},
    ModelRow{"1109", "Kavro-10-HL"}, ModelRow{"1110", "Kavro-1C-HL"},
    ModelRow{"1116", "Kavro-10-DF1"}, ModelRow{"1117", "Kavro-1C-DF1"},
    ModelRow{"1113", "Olvar-A"},     ModelRow{"1121", "Olvar-B"},
    ModelRow{"1120", "Olvar-C"},     ModelRow{"1114", "Olvar-D"},
    ModelRow{"1115", "Pemtra-A"},    ModelRow{"1132", "Pemtra-B"},
    ModelRow{"1130", "Pemtra-C"},    ModelRow{"1131", "Pemtra-D"},
    ModelRow{"1122", "Pemtra-E"},    ModelRow{"4000", "Pemtra-F"},
    ModelRow{"4001", "Pemtra-G"},    ModelRow{"1300", "Quisel-A"},
    ModelRow{"1112", "Rendal-A"},    ModelRow{"1111", "Rendal-B"},
    ModelRow{"2113", "Sarvo-A"},     ModelRow{"2121", "Sarvo-B"},
    ModelRow{"2120", "Sarvo-C"},     ModelRow{"2114", "Sarvo-D"},
    ModelRow{"4100", "Tolmek-A"},    ModelRow{"1310", "Ubrin-A"},
    ModelRow{"1201", "Corvan-A"},    ModelRow{"1204", "Corvan-B"},
};

// The number before the first "." of text, and the (at most ten) characters after that ".".
std::pair<std::string_view, std::string_view> SplitComponent(std::string_view text)
{
    const auto dot = text.find('.');
    if (dot == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, dot), text.substr(dot + 1, 10)};
}

std::array<int32_t, 3> VersionTriple(std::string_view version)
{
    const std::string padded = std::string(version) + ".0.0.";
    std::array<int32_t, 3> triple{};
    std::string_view rest = padded;
    for (auto& number : triple) {
        auto [component, tail] = SplitComponent(rest);
        number = ParseInteger(component);
        rest = tail;
    }
    return triple;
}

}  // namespace

std::string ModelName(std::string_view modelCode)
{
    for (const auto& row : kModels) {
        if (modelCode == row.code)
            return row.name;
    }
    return "Norvik Device";
}

bool IsKavroModel(std::string_view modelName)
{
    return modelName.find("Kavro") != std::string_view::npos;
}

ConfigFlavour FlavourOfModel(std::string_view modelCode)
{
    if (modelCode == "1109" || modelCode == "1110")
        return ConfigFlavour::Hostlink;
    if (modelCode == "1116" || modelCode == "1117")
        return ConfigFlavour::DF1;
    return ConfigFlavour::Modbus;
}

bool VersionLess(std::string_view a, std::string_view b)
{
    return VersionTriple(a) < VersionTriple(b);
}

std::string VersionWithoutLogSuffix(std::string_view version)
{
    return std::string(version.substr(0, version.find("-R")));
}

bool HasLogFeature(std::string_view version)
{
    return version.find("-R") != std::string_view::npos;
}

bool IsNotManageableModel(std::string_view version)
{
    return version.find("-SN") != std::string_view::npos;
}

const char* LowestSupportedFirmware(ConfigFlavour flavour)
{
    switch (flavour) {
    case ConfigFlavour::Hostlink: return kLowestHostlinkFirmware;
    case ConfigFlavour::DF1: return kLowestDF1Firmware;
    case ConfigFlavour::Modbus: break;
    }
    return kLowestModbusFirmware;
}

}  // namespace qvs
