#pragma once

#include "number_text.h"
#include "qprot_datetime.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qvs {

// One keyed QProt packet: NAME(KEY=value,KEY=value,); held as plain 8-bit text.
// Getters throw MalformedPacketError or a ConversionError (see qprot_errors.h).
class TPacket {
public:
    TPacket() = default;
    explicit TPacket(std::string text) : m_text(std::move(text)) {}

    void NewPacket(std::string_view name);

    void AddString(std::string_view key, std::string_view value);
    void AddInteger(std::string_view key, int32_t value);
    void AddBoolean(std::string_view key, bool value);
    void AddFloat(std::string_view key, double value);
    void AddDateTime(std::string_view key, LocalDateTime value);

    std::string GetString(std::string_view key, std::string_view defaultValue) const;
    int32_t GetInteger(std::string_view key, int32_t defaultValue) const;
    bool GetBoolean(std::string_view key, bool defaultValue) const;
    // The separator is the user's, as the mantissa is converted in the local format.
    double GetFloat(std::string_view key, double defaultValue,
                    char separator = SystemDecimalSeparator()) const;
    LocalDateTime GetDateTime(std::string_view key, LocalDateTime defaultValue) const;

    void SetText(std::string text) { m_text = std::move(text); }
    const std::string& GetText() const { return m_text; }
    std::string GetName() const;
    bool IsName(std::string_view name) const;

private:
    std::string m_text;
};

// The wire forms of the value kinds, shared with everything that stores packets.
std::string EncodeQProtFloat(double value);
std::string EncodeQProtDateTime(LocalDateTime value);

}  // namespace qvs
