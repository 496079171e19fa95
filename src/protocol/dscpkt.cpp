#include "dscpkt.h"

#include "text_format.h"

#include <algorithm>

namespace qvs {

std::string NewListPacket(std::string_view name)
{
    return UpperAscii(name) + "()";
}

std::string AddListItem(std::string_view value, std::string_view packet)
{
    const bool empty = packet.find("()") != std::string_view::npos;
    std::string result(packet.substr(0, packet.empty() ? 0 : packet.size() - 1));
    if (!empty)
        result += ',';
    result += value;
    result += ')';
    return result;
}

std::string GetListItem(std::string_view packet, int position)
{
    const auto open = packet.find('(');
    if (packet.find("()") != std::string_view::npos || open == std::string_view::npos || position < 1)
        return {};
    if (packet.find(',') == std::string_view::npos) {
        if (position != 1)
            return {};
        const auto close = packet.find(')');
        if (close == std::string_view::npos || close < open)
            return std::string(packet.substr(open + 1));
        return std::string(packet.substr(open + 1, close - open - 1));
    }
    // The items run from the "(" up to the packet's last character (its ")").
    const std::string_view body = packet.substr(open, packet.size() - 1 - open);
    size_t at = 0;
    for (int pass = 1; pass <= position; ++pass) {
        if (at >= body.size())
            return {};
        ++at;  // the "(" or "," in front of the current item
        const size_t stop = std::min(body.find_first_of(",)", at), body.size());
        if (pass == position)
            return std::string(body.substr(at, stop - at));
        at = stop;
    }
    return {};
}

bool HasListItems(std::string_view packet, int count)
{
    if (packet.find("()") != std::string_view::npos)
        return false;
    const auto commas = std::count(packet.begin(), packet.end(), ',');
    if (commas == 0)
        return count == 1;
    return commas + 1 >= count;
}

bool IsListPacket(std::string_view name, std::string_view packet)
{
    return packet.starts_with(UpperAscii(name));
}

}  // namespace qvs
