#pragma once

#include "qprot_packet.h"
#include "tag_records.h"

#include <cstdint>

// The keys of the transfer commands and the reading of their replies, per flavour, in the
// gateway's key order. The Add functions append to a packet already started with NewPacket;
// the Read functions throw the packet's errors (MalformedPacketError, ConversionError) for a
// value that does not convert, leaving the target as it was.
namespace qvs::transfer {

// "SETCOM"
void AddComKeys(TPacket& packet, const TModbusKavroConfig& config);
void AddComKeys(TPacket& packet, const THostlinkKavroConfig& config);
void AddComKeys(TPacket& packet, const TDF1KavroConfig& config);
// "SETSMTP"
void AddSmtpKeys(TPacket& packet, const TEmailConfig& email);
// "SETTOO" for slot 0 to 4; a slot at or past RecipientCount goes out empty.
void AddTooKeys(TPacket& packet, const TEmailConfig& email, int slot);
// "ADDTAG"
void AddTagKeys(TPacket& packet, const TModbusTagConfig& tag);
void AddTagKeys(TPacket& packet, const THostlinkTagConfig& tag);
void AddTagKeys(TPacket& packet, const TDF1TagConfig& tag);

// "TAGCOUNT": the COUNT, 0 when absent; a count outside 0..128 does not convert.
int32_t ReadTagCountReply(const TPacket& reply);
// "COM" into the serial settings of the record.
void ReadComReply(const TPacket& reply, TModbusKavroConfig& config);
void ReadComReply(const TPacket& reply, THostlinkKavroConfig& config);
void ReadComReply(const TPacket& reply, TDF1KavroConfig& config);
// "SMTP" into the e-mail settings; RecipientCount restarts at 0.
void ReadSmtpReply(const TPacket& reply, TEmailConfig& email);
// "TOO" for slot 0 to 4: the address stays in its slot, and a non-empty one is counted.
void ReadTooReply(const TPacket& reply, TEmailConfig& email, int slot);
// "TAGCONFIG": a whole tag, its Kind computed by the record rule, limits read by that kind.
TModbusTagConfig ReadModbusTagReply(const TPacket& reply);
THostlinkTagConfig ReadHostlinkTagReply(const TPacket& reply);
TDF1TagConfig ReadDF1TagReply(const TPacket& reply);

}  // namespace qvs::transfer
