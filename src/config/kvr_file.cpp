#include "kvr_file.h"

#include "config_texts.h"
#include "number_text.h"
#include "qprot_errors.h"
#include "text_format.h"

namespace qvs {

namespace {

// A warning box cannot show megabytes: a value beyond this is shown by its beginning and "...".
constexpr std::size_t kShownValueLength = 256;

std::string Shown(std::string_view value)
{
    if (value.size() <= kShownValueLength) return std::string(value);
    return std::string(value.substr(0, kShownValueLength)) + "...";
}

}  // namespace

namespace kvr {

FileIdentity IdentityOf(ConfigFlavour flavour)
{
    switch (flavour) {
    case ConfigFlavour::Hostlink: return kHostlinkIdentity;
    case ConfigFlavour::DF1: return kDF1Identity;
    case ConfigFlavour::Modbus: break;
    }
    return kModbusIdentity;
}

const char* FlavourCode(ConfigFlavour flavour) { return IdentityOf(flavour).FileType; }

}  // namespace kvr

std::optional<ConfigFlavour> KvrFlavour(const IniStore& store)
{
    const std::string type = store.ReadString(kvr::kGeneral, kvr::kFileType, "");
    const std::string version = store.ReadString(kvr::kGeneral, kvr::kFileVersion, "");
    for (ConfigFlavour flavour :
         {ConfigFlavour::Modbus, ConfigFlavour::Hostlink, ConfigFlavour::DF1}) {
        const kvr::FileIdentity identity = kvr::IdentityOf(flavour);
        if (type == identity.FileType && version == identity.FileVersion) return flavour;
    }
    return std::nullopt;
}

std::optional<ConfigFlavour> RecognizeKvrFile(const std::string& path)
{
    IniStore store;
    if (!store.Load(path)) return std::nullopt;
    return KvrFlavour(store);
}

bool IsModbusFile(const std::string& path) { return RecognizeKvrFile(path) == ConfigFlavour::Modbus; }
bool IsHostlinkFile(const std::string& path) { return RecognizeKvrFile(path) == ConfigFlavour::Hostlink; }
bool IsDF1File(const std::string& path) { return RecognizeKvrFile(path) == ConfigFlavour::DF1; }

KvrReader::KvrReader(const IniStore& store, bool warnOnCut) : m_store(store), m_warnOnCut(warnOnCut) {}

TReadResult<int32_t> KvrReader::ReadInteger(std::string_view section, std::string_view key,
                                            int32_t defaultValue, std::string_view displayName,
                                            std::string_view defaultText, int32_t lowest,
                                            int32_t highest)
{
    const std::string text = ReadText(section, key);
    try {
        const int32_t value = ParseInteger(text);
        if (value >= lowest && value <= highest) return {value, false};
    } catch (const IntegerConversionError&) {
    }
    WarnInvalid(displayName, text, defaultText);
    return {defaultValue, true};
}

TReadResult<std::string> KvrReader::ReadString(std::string_view section, std::string_view key,
                                               std::size_t maximumLength)
{
    std::string text = ReadText(section, key);
    if (text.size() <= maximumLength) return {std::move(text), false};
    std::string cut = text.substr(0, maximumLength);
    if (m_warnOnCut) m_warnings.push_back(FormatText(texts::kParameterTooLarge, {Shown(text), Shown(cut)}));
    m_changed = true;
    return {std::move(cut), true};
}

bool KvrReader::ReadBoolean(std::string_view section, std::string_view key) const
{
    return m_store.ReadBool(section, key, false);
}

std::string KvrReader::ReadText(std::string_view section, std::string_view key) const
{
    return m_store.ReadString(section, key, "");
}

void KvrReader::WarnInvalid(std::string_view displayName, std::string_view text,
                            std::string_view defaultText)
{
    m_warnings.push_back(FormatText(texts::kParameterNotValid, {displayName, Shown(text), defaultText}));
    m_changed = true;
}

}  // namespace qvs
