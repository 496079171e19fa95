#pragma once

// Texts of the device protocol that reach the user.
namespace qvs::texts {

inline constexpr const char* kNotValidInteger = "'%s' is not a valid integer value";
inline constexpr const char* kNotValidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* kMalformedPacket = "Malformed packet: %s";

}  // namespace qvs::texts
