#include "text_checks.h"

namespace qvs {

namespace {

std::string_view Trimmed(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) --end;
    return text.substr(begin, end - begin);
}

bool IsHostNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           c == '-' || c == '.' || c == '_';
}

}  // namespace

bool IsValidHostName(std::string_view text)
{
    const std::string_view name = Trimmed(text);
    if (name.empty()) return false;
    for (char c : name)
        if (!IsHostNameCharacter(c)) return false;
    return true;
}

bool IsValidEmail(std::string_view text)
{
    const std::string_view address = Trimmed(text);
    if (address.empty()) return false;
    for (char c : address)
        if (!IsHostNameCharacter(c) && c != '@') return false;
    return address.find('@') != std::string_view::npos;
}

}  // namespace qvs
