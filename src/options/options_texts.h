#pragma once

// Texts of the options storage that reach the user.
namespace qvs::texts {

inline constexpr const char* kOptionsUnreadable =
    "The settings file %s cannot be read, so it was not changed.";
inline constexpr const char* kCredentialsTooLong =
    "The user name and password are too long to be stored (at most 1000 characters together).";

// The stored packet has no escape for "/": such a value would come back without it.
inline constexpr const char* kCredentialsWithSlash =
    "The proxy user name and password cannot contain the character \"/\".";

}  // namespace qvs::texts
