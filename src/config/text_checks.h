#pragma once

#include <string_view>

namespace qvs {

// Trimmed, not empty, and only letters A-Z a-z, digits, "-", "." and "_".
bool IsValidHostName(std::string_view text);
// Trimmed, not empty, only the host-name characters and "@", and holding an "@".
bool IsValidEmail(std::string_view text);

}  // namespace qvs
