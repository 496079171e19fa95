#include "command_table.h"

#include "packet_fields.h"
#include "qprot_errors.h"
#include "sim_texts.h"

namespace qvs::sim {

namespace {

const CommandTable& Commands()
{
    static const CommandTable table = [] {
        CommandTable t;
        AddAdminCommands(t);
        AddConfigCommands(t);
        AddTagCommands(t);
        return t;
    }();
    return table;
}

// Trims the blanks and line ends a client may leave around the packet.
std::string Trimmed(const std::string& body)
{
    size_t begin = 0, end = body.size();
    while (begin < end && static_cast<unsigned char>(body[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(body[end - 1]) <= ' ')
        --end;
    return body.substr(begin, end - begin);
}

}  // namespace

std::string RequestCommandName(const std::string& body)
{
    const std::string text = Trimmed(body);
    const auto open = text.find('(');
    if (open == std::string::npos || open > 64)
        return {};
    return text.substr(0, open);
}

std::string HandleRequest(const std::string& body, Endpoint endpoint, CommandContext& context)
{
    const std::string text = Trimmed(body);
    if (!PacketKeys(text))
        return NakReply(texts::kNotAPacket);
    TPacket request(text);
    const auto it = Commands().find(request.GetName());
    if (it == Commands().end())
        return NakReply(texts::kUnknownCommand);
    const CommandEntry& entry = it->second;
    if (entry.endpoint != endpoint)
        return NakReply(texts::kWrongEndpoint);
    if (entry.kavroOnly && !context.gateway.IsKavro())
        return NakReply(texts::kNotConfigurable);
    try {
        return entry.handler(request, context);
    } catch (const QProtError&) {
        return NakReply(texts::kMalformedPacket);
    }
}

}  // namespace qvs::sim
