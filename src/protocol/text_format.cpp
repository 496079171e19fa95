#include "text_format.h"

namespace qvs {

std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> values)
{
    std::string result;
    result.reserve(pattern.size() + 32);
    auto next = values.begin();
    for (size_t i = 0; i < pattern.size(); ++i) {
        const bool placeholder = pattern[i] == '%' && i + 1 < pattern.size()
                                 && (pattern[i + 1] == 's' || pattern[i + 1] == 'd');
        if (placeholder && next != values.end()) {
            result += *next++;
            ++i;
        } else {
            result += pattern[i];
        }
    }
    return result;
}

std::string FormatText(std::string_view pattern, std::string_view value)
{
    return FormatText(pattern, {value});
}

std::string UpperAscii(std::string_view text)
{
    std::string result(text);
    for (char& c : result) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return result;
}

}  // namespace qvs
