#pragma once

#include "packet_exchange.h"
#include "plant_model.h"
#include "qprot_packet.h"

#include <functional>
#include <map>
#include <string>

namespace qvs::sim {

struct CommandContext {
    Plant& plant;
    Gateway& gateway;
};

using CommandHandler = std::function<std::string(const TPacket& request, CommandContext& context)>;

struct CommandEntry {
    Endpoint endpoint = Endpoint::Admin;
    bool kavroOnly = true;  // devices that are not Kavro gateways do not know it
    CommandHandler handler;
};

using CommandTable = std::map<std::string, CommandEntry>;

// One family of commands each (admin_commands.cpp, config_commands.cpp, tag_commands.cpp).
void AddAdminCommands(CommandTable& table);
void AddConfigCommands(CommandTable& table);
void AddTagCommands(CommandTable& table);

// The name of the packet in a request body, as a fault or the journal sees it ("" if none).
std::string RequestCommandName(const std::string& body);

// Answers one request body that arrived on an endpoint; never throws.
std::string HandleRequest(const std::string& body, Endpoint endpoint, CommandContext& context);

}  // namespace qvs::sim
