#pragma once

#include "gateway_models.h"
#include "ini_store.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// kvr files: recognition by the "GENERAL" section, and the two bounded readers with which the
// documents take their settings from a file's store.
namespace qvs {

namespace kvr {

inline constexpr const char* kGeneral = "GENERAL";
inline constexpr const char* kCom = "COM";
inline constexpr const char* kSmtp = "SMTP";
inline constexpr const char* kTagPrefix = "TAG";
inline constexpr const char* kFileType = "FILETYPE";
inline constexpr const char* kFileVersion = "FILEVERSION";

struct FileIdentity {
    const char* FileType;
    const char* FileVersion;
};
inline constexpr FileIdentity kModbusIdentity{"MB", "1.0"};
inline constexpr FileIdentity kHostlinkIdentity{"HL", "1.0"};
inline constexpr FileIdentity kDF1Identity{"DF1", "2.0"};

FileIdentity IdentityOf(ConfigFlavour flavour);
// "MB", "HL", "DF1".
const char* FlavourCode(ConfigFlavour flavour);

}  // namespace kvr

// The flavour whose FILETYPE and FILEVERSION the store holds exactly (letter case included).
std::optional<ConfigFlavour> KvrFlavour(const IniStore& store);
// Loads the file into a temporary store and checks it; false for an unreadable file.
std::optional<ConfigFlavour> RecognizeKvrFile(const std::string& path);
bool IsModbusFile(const std::string& path);
bool IsHostlinkFile(const std::string& path);
bool IsDF1File(const std::string& path);

template <typename T>
struct TReadResult {
    T Value;
    bool Changed = false;  // the file's value was replaced or cut: the document becomes unsaved
};

// Reads bounded values from a store and keeps the warnings, in the order they arose, as the
// user is to see them.
class KvrReader {
public:
    // `warnOnCut`: Hostlink and DF1 warn about a text cut to its limit; Modbus cuts silently.
    KvrReader(const IniStore& store, bool warnOnCut);

    // The entry as an integer within lowest..highest; otherwise the default, a warning naming
    // `displayName`, the text as read and `defaultText`, and the changed flag.
    TReadResult<int32_t> ReadInteger(std::string_view section, std::string_view key,
                                     int32_t defaultValue, std::string_view displayName,
                                     std::string_view defaultText, int32_t lowest, int32_t highest);
    // The entry (empty when absent) cut to `maximumLength` characters, with the changed flag.
    TReadResult<std::string> ReadString(std::string_view section, std::string_view key,
                                        std::size_t maximumLength);
    // "1" and every other non-zero integer are true; anything else is false.
    bool ReadBoolean(std::string_view section, std::string_view key) const;
    // The value as stored; the empty text when absent.
    std::string ReadText(std::string_view section, std::string_view key) const;

    // Adds the invalid-value warning for a value found outside its accepted set.
    void WarnInvalid(std::string_view displayName, std::string_view text,
                     std::string_view defaultText);

    const IniStore& Store() const { return m_store; }
    const std::vector<std::string>& Warnings() const { return m_warnings; }
    bool Changed() const { return m_changed; }

private:
    const IniStore& m_store;
    bool m_warnOnCut;
    std::vector<std::string> m_warnings;
    bool m_changed = false;
};

}  // namespace qvs
