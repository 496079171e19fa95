#pragma once

#include <string>
#include <string_view>

// List packets, the positional form used on UDP: NAME(item,item,...), nothing escaped.
namespace qvs {

std::string NewListPacket(std::string_view name);
std::string AddListItem(std::string_view value, std::string_view packet);
// Item N counted from 1; empty text when there is no such item.
std::string GetListItem(std::string_view packet, int position);
bool HasListItems(std::string_view packet, int count);
// A case-sensitive prefix test against the upper-cased name.
bool IsListPacket(std::string_view name, std::string_view packet);

}  // namespace qvs
