#pragma once

// Texts of the tag-configuration documents that reach the user, exactly as shown.
namespace qvs::texts {

inline constexpr const char* kCannotCreateFile = "Cannot create file %s";

}  // namespace qvs::texts
