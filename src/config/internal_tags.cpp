#include "internal_tags.h"

#include "tag_editor_texts.h"

namespace qvs {

namespace {

constexpr TInternalTag kInternalTags[] = {
    {"_COMMERROR", texts::kInternalDigital, texts::kCommErrorDescription},
    {"_ALARM", texts::kInternalDigital, texts::kAlarmDescription},
    {"_ALARMNAK", texts::kInternalDigital, texts::kAlarmNakDescription},
};

}  // namespace

std::span<const TInternalTag> InternalTags() { return kInternalTags; }

bool IsInternalTagName(std::string_view name)
{
    for (const TInternalTag& tag : kInternalTags)
        if (name == tag.Name) return true;
    return false;
}

}  // namespace qvs
