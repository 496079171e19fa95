#include "qprot_packet.h"

#include "qprot_errors.h"
#include "text_format.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace qvs {

namespace {

std::string EscapeValue(std::string_view value)
{
    std::string escaped;
    escaped.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '(': escaped += "/sp"; break;
        case ')': escaped += "/ep"; break;
        case ',': escaped += "/co"; break;
        case ';': escaped += "/sc"; break;
        case '=': escaped += "/eq"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

// Every "/" takes itself and the next two characters; unknown escapes vanish.
std::string UnescapeValue(std::string_view raw)
{
    std::string value;
    value.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        if (raw[i] != '/') {
            value += raw[i];
            continue;
        }
        const std::string_view code = raw.substr(i + 1, 2);
        if (code == "sp") value += '(';
        else if (code == "ep") value += ')';
        else if (code == "co") value += ',';
        else if (code == "sc") value += ';';
        else if (code == "eq") value += '=';
        i += 2;
    }
    return value;
}

}  // namespace

void TPacket::NewPacket(std::string_view name)
{
    m_text = UpperAscii(name) + "();";
}

void TPacket::AddString(std::string_view key, std::string_view value)
{
    const auto end = m_text.find(");");
    if (end == std::string::npos)
        return;
    m_text.insert(end, UpperAscii(key) + "=" + EscapeValue(value) + ",");
}

void TPacket::AddInteger(std::string_view key, int32_t value)
{
    AddString(key, std::to_string(value));
}

void TPacket::AddBoolean(std::string_view key, bool value)
{
    AddString(key, value ? "1" : "0");
}

void TPacket::AddFloat(std::string_view key, double value)
{
    AddString(key, EncodeQProtFloat(value));
}

void TPacket::AddDateTime(std::string_view key, LocalDateTime value)
{
    AddString(key, EncodeQProtDateTime(value));
}

std::string TPacket::GetString(std::string_view key, std::string_view defaultValue) const
{
    const std::string wanted = UpperAscii(key) + "=";
    size_t at = m_text.find(wanted);
    while (at != std::string::npos && !(at > 0 && (m_text[at - 1] == ',' || m_text[at - 1] == '(')))
        at = m_text.find(wanted, at + 1);
    if (at == std::string::npos)
        return std::string(defaultValue);
    const size_t begin = at + wanted.size();
    const size_t close = m_text.find(',', begin);
    if (close == std::string::npos)
        throw MalformedPacketError(m_text);
    std::string value = UnescapeValue(std::string_view(m_text).substr(begin, close - begin));
    return value.empty() ? std::string(defaultValue) : value;
}

int32_t TPacket::GetInteger(std::string_view key, int32_t defaultValue) const
{
    const std::string value = GetString(key, "");
    return value.empty() ? defaultValue : ParseInteger(value);
}

bool TPacket::GetBoolean(std::string_view key, bool defaultValue) const
{
    const std::string value = GetString(key, "");
    return value.empty() ? defaultValue : value != "0";
}

double TPacket::GetFloat(std::string_view key, double defaultValue, char separator) const
{
    const std::string value = GetString(key, "");
    const size_t e = value.find('E');
    if (value.empty() || e == std::string::npos)
        return defaultValue;
    const long double exponent = ParseInteger(value.substr(e + 1));
    std::string mantissa = value.substr(0, e);
    for (char& c : mantissa) {
        if (c == '.')
            c = separator;
    }
    const long double result = ParseDecimal(mantissa, separator) * std::pow(10.0L, exponent);
    return static_cast<double>(result);
}

LocalDateTime TPacket::GetDateTime(std::string_view key, LocalDateTime defaultValue) const
{
    const std::string value = GetString(key, "");
    if (value.size() != 14)
        return defaultValue;
    for (char c : value) {
        if (c < '0' || c > '9')
            return defaultValue;
    }
    auto number = [&](size_t from, size_t count) { return std::stoi(value.substr(from, count)); };
    const auto decoded = MakeLocalDateTime(
        {number(4, 4), number(2, 2), number(0, 2), number(8, 2), number(10, 2), number(12, 2), 0});
    return decoded.value_or(defaultValue);
}

std::string TPacket::GetName() const
{
    const auto open = m_text.find('(');
    return open == std::string::npos ? std::string() : m_text.substr(0, open);
}

bool TPacket::IsName(std::string_view name) const
{
    return GetName() == UpperAscii(name);
}

std::string EncodeQProtFloat(double value)
{
    if (std::isnan(value)) return "NAN";
    if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
    char buffer[64];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 8);
    std::string text(buffer, error == std::errc() ? end : buffer);
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    const int exponent = std::stoi(text.substr(e + 1));
    return text.substr(0, e) + "E" + std::to_string(exponent);
}

std::string EncodeQProtDateTime(LocalDateTime value)
{
    const DateTimeFields f = SplitLocalDateTime(value);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%d%02d%02d%02d", f.Day, f.Month, f.Year, f.Hour,
                  f.Minute, f.Second);
    return buffer;
}

}  // namespace qvs
