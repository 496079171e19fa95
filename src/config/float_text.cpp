#include "float_text.h"

#include "qprot_errors.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qvs {

std::string FloatText(float value, char separator)
{
    const double wide = value;
    if (std::isnan(wide)) return "NAN";
    if (std::isinf(wide)) return wide < 0 ? "-INF" : "INF";
    if (wide == 0) return "0";

    // Round to 15 significant digits first: the exponent after rounding decides the notation.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(wide),
                                      std::chars_format::scientific, 14);
    const std::string_view printed(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t e = printed.find('e');
    std::string digits;
    for (char c : printed.substr(0, e))
        if (c != '.') digits += c;
    int exponent = 0;
    std::from_chars(printed.data() + e + 1 + (printed[e + 1] == '+' ? 1 : 0),
                    printed.data() + printed.size(), exponent);
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string text = wide < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            text += '0';
            text += separator;
            text.append(static_cast<std::size_t>(-exponent - 1), '0');
            text += digits;
        } else {
            const std::size_t whole = static_cast<std::size_t>(exponent) + 1;
            if (digits.size() <= whole) {
                text += digits;
                text.append(whole - digits.size(), '0');
            } else {
                text += digits.substr(0, whole);
                text += separator;
                text += digits.substr(whole);
            }
        }
        return text;
    }
    text += digits[0];
    if (digits.size() > 1) {
        text += separator;
        text += digits.substr(1);
    }
    text += 'E';
    text += std::to_string(exponent);
    return text;
}

float ParseFloatText(std::string_view text, char separator)
{
    const long double value = ParseDecimal(text, separator);
    constexpr float kMax = std::numeric_limits<float>::max();
    if (std::fabs(value) > kMax) {
        // Texts that round to the largest single (as its own 15-digit text does) are accepted.
        if (std::fabs(value) >= std::ldexp(1.0L, 128) - std::ldexp(1.0L, 103))
            throw FloatConversionError(std::string(text));
        return value < 0 ? -kMax : kMax;
    }
    return static_cast<float>(value);
}

namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

}  // namespace

std::string NormalizeDecimal(std::string_view text, char separator)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    if (begin == end) return {};
    std::string trimmed(text.substr(begin, end - begin));
    const char first = trimmed.front();
    if (first != '-' && !(first >= '0' && first <= '9')) return std::string(text);
    const char from = separator == ',' ? '.' : ',';
    const char to = separator == ',' ? ',' : '.';
    for (char& c : trimmed)
        if (c == from) c = to;
    return trimmed;
}

}  // namespace qvs
