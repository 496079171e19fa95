#pragma once

#include <span>
#include <string_view>

// The gateway's internal tags: values it computes itself, all digital and read only. A tag of
// source "Internal" must carry one of these names.
namespace qvs {

struct TInternalTag {
    const char* Name;
    const char* Type;
    const char* Description;
};

// In display order.
std::span<const TInternalTag> InternalTags();

// Exactly one of the internal names, letter case included.
bool IsInternalTagName(std::string_view name);

}  // namespace qvs
