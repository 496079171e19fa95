#include "tag_lists.h"

namespace qvs {

std::string ListText(TextList list, int position)
{
    if (position < 0 || static_cast<std::size_t>(position) >= list.size()) return {};
    return list[static_cast<std::size_t>(position)];
}

uint8_t ListPosition(TextList list, std::string_view text)
{
    for (std::size_t i = 0; i < list.size(); ++i)
        if (text == list[i]) return static_cast<uint8_t>(i);
    return 0;
}

}  // namespace qvs
