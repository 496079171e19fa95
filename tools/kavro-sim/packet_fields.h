#pragma once

#include "qprot_packet.h"

#include <optional>
#include <string>
#include <vector>

namespace qvs::sim {

// The keys of a keyed packet in the order they appear, or nothing when the text is no
// keyed packet at all ("NAME(" ... ");" with KEY=value, pairs inside).
std::optional<std::vector<std::string>> PacketKeys(const std::string& text);

// Reply packets.
std::string AckReply();
std::string NakReply(const std::string& reason);

}  // namespace qvs::sim
