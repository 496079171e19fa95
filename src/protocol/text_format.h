#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace qvs {

// Fills the "%s" and "%d" places of a message template from left to right.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> values);
std::string FormatText(std::string_view pattern, std::string_view value);

// Upper-cases the letters a-z only, as packet names and keys require.
std::string UpperAscii(std::string_view text);

}  // namespace qvs
