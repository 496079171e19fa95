#include "packet_fields.h"

namespace qvs::sim {

std::optional<std::vector<std::string>> PacketKeys(const std::string& text)
{
    const auto open = text.find('(');
    if (open == std::string::npos || open == 0)
        return std::nullopt;
    for (size_t i = 0; i < open; ++i) {
        const char c = text[i];
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return std::nullopt;
    }
    const auto close = text.find(");", open);
    if (close == std::string::npos)
        return std::nullopt;
    std::vector<std::string> keys;
    const std::string inner = text.substr(open + 1, close - open - 1);
    size_t start = 0;
    while (start < inner.size()) {
        auto comma = inner.find(',', start);
        if (comma == std::string::npos)
            return std::nullopt;  // the last pair keeps its comma
        const std::string pair = inner.substr(start, comma - start);
        const auto eq = pair.find('=');
        if (eq == std::string::npos || eq == 0)
            return std::nullopt;
        keys.push_back(pair.substr(0, eq));
        start = comma + 1;
    }
    return keys;
}

std::string AckReply()
{
    return "ACK();";
}

std::string NakReply(const std::string& reason)
{
    TPacket reply;
    reply.NewPacket("NAK");
    reply.AddString("REASON", reason);
    return reply.GetText();
}

}  // namespace qvs::sim
