#include "number_text.h"

#include "qprot_errors.h"

#include <charconv>
#include <clocale>
#include <cstdlib>

namespace qvs {

char SystemDecimalSeparator()
{
    const std::lconv* conv = std::localeconv();
    if (conv && conv->decimal_point && conv->decimal_point[0] != '\0')
        return conv->decimal_point[0];
    return '.';
}

int32_t ParseInteger(std::string_view text)
{
    int32_t value = 0;
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+')
        digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+')
        throw IntegerConversionError(std::string(text));
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        throw IntegerConversionError(std::string(text));
    return value;
}

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

long double ParseDecimal(std::string_view text, char separator)
{
    auto fail = [&]() -> long double { throw FloatConversionError(std::string(text)); };
    size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;

    // Rewrite into the C form ("." and "e") after checking the shape, so that
    // the conversion itself never depends on the process locale.
    std::string plain;
    size_t i = begin;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') plain += '-';
        ++i;
    }
    size_t mantissaDigits = 0;
    while (i < end && IsDigit(text[i])) { plain += text[i++]; ++mantissaDigits; }
    if (i < end && text[i] == separator) {
        plain += '.';
        ++i;
        while (i < end && IsDigit(text[i])) { plain += text[i++]; ++mantissaDigits; }
    }
    if (mantissaDigits == 0) return fail();
    if (i < end && (text[i] == 'e' || text[i] == 'E')) {
        plain += 'e';
        ++i;
        if (i < end && (text[i] == '+' || text[i] == '-')) plain += text[i++];
        size_t exponentDigits = 0;
        while (i < end && IsDigit(text[i])) { plain += text[i++]; ++exponentDigits; }
        if (exponentDigits == 0) return fail();
    }
    if (i != end) return fail();

    long double value = 0;
    auto [stop, error] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) return fail();
    if (error != std::errc() || stop != plain.data() + plain.size()) return fail();
    return value;
}

}  // namespace qvs
