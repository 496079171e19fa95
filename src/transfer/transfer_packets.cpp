#include "transfer_packets.h"

#include "qprot_errors.h"
#include "transfer_codes.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

namespace qvs::transfer {
namespace {

void AddOptional(TPacket& packet, const char* key, std::optional<int32_t> value)
{
    if (value)
        packet.AddInteger(key, *value);
}

// A byte field read "as received": a value that does not fit is no value at all.
uint8_t GetByte(const TPacket& reply, const char* key, uint8_t defaultValue)
{
    const int32_t value = reply.GetInteger(key, defaultValue);
    if (value < 0 || value > 255)
        throw IntegerConversionError(std::to_string(value));
    return static_cast<uint8_t>(value);
}

// Factors and limits are 32-bit on the gateway and in the records.
float GetFloat32(const TPacket& reply, const char* key)
{
    const double value = reply.GetFloat(key, 0.0);
    if (!std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max())
        throw FloatConversionError(reply.GetString(key, ""));
    return static_cast<float>(value);
}

// The four limit keys, by the tag's kind; a kind without a row leaves them out.
template <class Tag>
void AddLimitKeys(TPacket& packet, const Tag& tag)
{
    switch (tag.Kind) {
    case kKindDigital:
        packet.AddBoolean("WRLO", false);
        packet.AddBoolean("WRHI", false);
        packet.AddBoolean("ALLO", tag.AlarmMin.AsDigital);
        packet.AddBoolean("ALHI", tag.AlarmMax.AsDigital);
        break;
    case kKindInteger:
        packet.AddInteger("WRLO", tag.WriteMin.AsInteger);
        packet.AddInteger("WRHI", tag.WriteMax.AsInteger);
        packet.AddInteger("ALLO", tag.AlarmMin.AsInteger);
        packet.AddInteger("ALHI", tag.AlarmMax.AsInteger);
        break;
    case kKindFloat:
        packet.AddFloat("WRLO", tag.WriteMin.AsFloat);
        packet.AddFloat("WRHI", tag.WriteMax.AsFloat);
        packet.AddFloat("ALLO", tag.AlarmMin.AsFloat);
        packet.AddFloat("ALHI", tag.AlarmMax.AsFloat);
        break;
    default:
        break;
    }
}

// SCALE, FACT_A, FACT_B, READONLY, LIMITS, ALARM, EMAIL and the limits: the tail every
// flavour's ADDTAG shares.
template <class Tag>
void AddTagTail(TPacket& packet, const Tag& tag)
{
    AddOptional(packet, "SCALE", ScaleToWire(tag.Scale));
    packet.AddFloat("FACT_A", tag.FactorA);
    packet.AddFloat("FACT_B", tag.FactorB);
    packet.AddBoolean("READONLY", tag.ReadOnly);
    packet.AddBoolean("LIMITS", tag.WriteLimits);
    packet.AddBoolean("ALARM", tag.AlarmEnable);
    packet.AddBoolean("EMAIL", tag.AlarmEmail);
    AddLimitKeys(packet, tag);
}

template <class Tag>
void ReadTagTail(const TPacket& reply, Tag& tag)
{
    if (const auto scale = ScaleFromWire(reply.GetInteger("SCALE", -1)))
        tag.Scale = *scale;
    tag.FactorA = GetFloat32(reply, "FACT_A");
    tag.FactorB = GetFloat32(reply, "FACT_B");
    tag.ReadOnly = reply.GetBoolean("READONLY", false);
    tag.WriteLimits = reply.GetBoolean("LIMITS", false);
    tag.AlarmEnable = reply.GetBoolean("ALARM", false);
    tag.AlarmEmail = reply.GetBoolean("EMAIL", false);
}

// Called once the kind is known.
template <class Tag>
void ReadLimits(const TPacket& reply, Tag& tag)
{
    switch (tag.Kind) {
    case kKindDigital:
        tag.WriteMin.AsDigital = false;
        tag.WriteMax.AsDigital = false;
        tag.AlarmMin.AsDigital = reply.GetBoolean("ALLO", false);
        tag.AlarmMax.AsDigital = reply.GetBoolean("ALHI", false);
        break;
    case kKindInteger:
        tag.WriteMin.AsInteger = reply.GetInteger("WRLO", 0);
        tag.WriteMax.AsInteger = reply.GetInteger("WRHI", 0);
        tag.AlarmMin.AsInteger = reply.GetInteger("ALLO", 0);
        tag.AlarmMax.AsInteger = reply.GetInteger("ALHI", 0);
        break;
    default:
        tag.WriteMin.AsFloat = GetFloat32(reply, "WRLO");
        tag.WriteMax.AsFloat = GetFloat32(reply, "WRHI");
        tag.AlarmMin.AsFloat = GetFloat32(reply, "ALLO");
        tag.AlarmMax.AsFloat = GetFloat32(reply, "ALHI");
        break;
    }
}

// COMTYPE, BAUD, MSGTOUT and SCANTIME, read the same way in every flavour.
template <class Config>
void ReadCommonCom(const TPacket& reply, Config& config)
{
    if (const auto comType = ComTypeFromWire(reply.GetInteger("COMTYPE", 0)))
        config.ComType = *comType;
    if (const auto baud = BaudFromWire(reply.GetInteger("BAUD", 9600)))
        config.BaudRate = *baud;
    config.MessageTimeout = reply.GetInteger("MSGTOUT", 1000);
    config.ScanTime = reply.GetInteger("SCANTIME", 100);
}

}  // namespace

void AddComKeys(TPacket& packet, const TModbusKavroConfig& config)
{
    packet.AddInteger("COM", 0);
    AddOptional(packet, "COMTYPE", ComTypeToWire(config.ComType));
    packet.AddInteger("FORMAT", config.Format);
    AddOptional(packet, "BAUD", BaudToWire(config.BaudRate));
    packet.AddInteger("PARITY", config.Parity);
    packet.AddInteger("PKTTOUT", config.PacketTimeout);
    packet.AddInteger("MSGTOUT", config.MessageTimeout);
    packet.AddInteger("RETRIES", 1);
    packet.AddInteger("SCANTIME", config.ScanTime);
}

void AddComKeys(TPacket& packet, const THostlinkKavroConfig& config)
{
    packet.AddInteger("COM", 0);
    AddOptional(packet, "COMTYPE", ComTypeToWire(config.ComType));
    AddOptional(packet, "BAUD", BaudToWire(config.BaudRate));
    packet.AddInteger("PARITY", config.Parity);
    packet.AddInteger("MSGTOUT", config.MessageTimeout);
    packet.AddInteger("RETRIES", 1);
    packet.AddInteger("SCANTIME", config.ScanTime);
}

void AddComKeys(TPacket& packet, const TDF1KavroConfig& config)
{
    packet.AddInteger("COM", 0);
    AddOptional(packet, "COMTYPE", ComTypeToWire(config.ComType));
    AddOptional(packet, "BAUD", BaudToWire(config.BaudRate));
    AddOptional(packet, "DATABITS", DataBitsToWire(config.DataBits));
    AddOptional(packet, "PARITY", DF1ParityToWire(config.Parity));
    packet.AddInteger("MSGTOUT", config.MessageTimeout);
    packet.AddInteger("SCANTIME", config.ScanTime);
    AddOptional(packet, "ERRORMTHD", ErrorDetectionToWire(config.ErrorDetection));
}

void AddSmtpKeys(TPacket& packet, const TEmailConfig& email)
{
    packet.AddBoolean("ENABLE", email.Enable);
    packet.AddString("SERVER", email.Server);
    packet.AddInteger("TIMEOUT", email.Timeout);
    packet.AddInteger("RETRIES", email.Retries);
    packet.AddInteger("RETRYINT", email.RetryInterval);
    packet.AddString("FROM", email.From);
    packet.AddBoolean("AUTH", email.Auth);
    packet.AddString("USER", email.User);
    packet.AddString("PASS", email.Password);
}

void AddTooKeys(TPacket& packet, const TEmailConfig& email, int slot)
{
    packet.AddInteger("TOO", slot);
    const bool inUse = slot >= 0 && slot < email.RecipientCount && slot < kMaxRecipients;
    packet.AddString("EMAIL", inUse ? email.Recipients[slot] : std::string());
}

void AddTagKeys(TPacket& packet, const TModbusTagConfig& tag)
{
    packet.AddString("NAME", tag.Name);
    packet.AddInteger("SOURCE", tag.Source);
    packet.AddInteger("UNIT", tag.UnitId);
    packet.AddInteger("TYPE", tag.TagType);
    AddOptional(packet, "MBFUNC", ModbusFunctionToWire(tag.RegisterTable));
    AddOptional(packet, "ADDRESS", ModbusAddressToWire(tag.Address));
    packet.AddBoolean("REG32", tag.Enron);
    packet.AddInteger("BIT", tag.BitPosition);
    AddTagTail(packet, tag);
}

void AddTagKeys(TPacket& packet, const THostlinkTagConfig& tag)
{
    packet.AddString("NAME", tag.Name);
    packet.AddInteger("SOURCE", tag.Source);
    packet.AddInteger("UNIT", tag.UnitId);
    packet.AddInteger("TYPE", tag.TagType);
    AddOptional(packet, "HLFUNC", HostlinkFunctionToWire(tag.RegisterTable));
    packet.AddInteger("ADDRESS", tag.Address);
    packet.AddInteger("BIT", tag.BitPosition);
    AddTagTail(packet, tag);
}

void AddTagKeys(TPacket& packet, const TDF1TagConfig& tag)
{
    packet.AddString("NAME", tag.Name);
    packet.AddInteger("SOURCE", tag.Source);
    AddOptional(packet, "FILETYPE", FileTypeToWire(tag.FileType));
    packet.AddInteger("FILENUMBER", tag.FileNumber);
    packet.AddInteger("ELEMENT", tag.WordNumber);
    packet.AddInteger("SUBELEMENT", 0);
    packet.AddInteger("TYPE", tag.TagType);
    packet.AddInteger("BIT", tag.BitPosition);
    AddTagTail(packet, tag);
}

int32_t ReadTagCountReply(const TPacket& reply)
{
    const int32_t count = reply.GetInteger("COUNT", 0);
    if (count < 0 || count > kMaxTags)
        throw IntegerConversionError(std::to_string(count));
    return count;
}

void ReadComReply(const TPacket& reply, TModbusKavroConfig& config)
{
    TModbusKavroConfig read = config;
    ReadCommonCom(reply, read);
    read.Format = GetByte(reply, "FORMAT", 0);
    read.Parity = GetByte(reply, "PARITY", 0);
    read.PacketTimeout = reply.GetInteger("PKTTOUT", 4);
    config = std::move(read);
}

void ReadComReply(const TPacket& reply, THostlinkKavroConfig& config)
{
    THostlinkKavroConfig read = config;
    ReadCommonCom(reply, read);
    read.Parity = GetByte(reply, "PARITY", 0);
    config = std::move(read);
}

void ReadComReply(const TPacket& reply, TDF1KavroConfig& config)
{
    TDF1KavroConfig read = config;
    ReadCommonCom(reply, read);
    read.Parity = DF1ParityFromWire(reply.GetInteger("PARITY", 0));
    if (const auto dataBits = DataBitsFromWire(reply.GetInteger("DATABITS", 0)))
        read.DataBits = *dataBits;
    if (const auto method = ErrorDetectionFromWire(reply.GetInteger("ERRORMTHD", 0)))
        read.ErrorDetection = *method;
    config = std::move(read);
}

void ReadSmtpReply(const TPacket& reply, TEmailConfig& email)
{
    TEmailConfig read = email;
    read.Enable = reply.GetBoolean("ENABLE", false);
    read.Server = reply.GetString("SERVER", "");
    read.Timeout = reply.GetInteger("TIMEOUT", 20);
    read.Retries = reply.GetInteger("RETRIES", 5);
    read.RetryInterval = reply.GetInteger("RETRYINT", 10);
    read.From = reply.GetString("FROM", "");
    read.Auth = reply.GetBoolean("AUTH", false);
    read.User = reply.GetString("USER", "");
    read.Password = reply.GetString("PASS", "");
    read.RecipientCount = 0;
    email = std::move(read);
}

void ReadTooReply(const TPacket& reply, TEmailConfig& email, int slot)
{
    if (slot < 0 || slot >= kMaxRecipients)
        return;
    std::string address = reply.GetString("EMAIL", "");
    if (!address.empty())
        ++email.RecipientCount;
    email.Recipients[slot] = std::move(address);
}

TModbusTagConfig ReadModbusTagReply(const TPacket& reply)
{
    TModbusTagConfig tag;
    tag.Name = reply.GetString("NAME", "*");
    tag.Source = GetByte(reply, "SOURCE", 0);
    tag.UnitId = reply.GetInteger("UNIT", 1);
    tag.TagType = GetByte(reply, "TYPE", 0);
    if (const auto table = ModbusFunctionFromWire(reply.GetInteger("MBFUNC", 4)))
        tag.RegisterTable = *table;
    const int32_t address = reply.GetInteger("ADDRESS", 1);
    const auto recordAddress = ModbusAddressFromWire(address);
    if (!recordAddress)
        throw IntegerConversionError(std::to_string(address));
    tag.Address = *recordAddress;
    tag.Enron = reply.GetBoolean("REG32", false);
    tag.BitPosition = reply.GetInteger("BIT", 0);
    ReadTagTail(reply, tag);
    tag.Kind = ModbusTagKind(tag);
    ReadLimits(reply, tag);
    return tag;
}

THostlinkTagConfig ReadHostlinkTagReply(const TPacket& reply)
{
    THostlinkTagConfig tag;
    tag.Name = reply.GetString("NAME", "*");
    tag.Source = GetByte(reply, "SOURCE", 0);
    tag.UnitId = reply.GetInteger("UNIT", 1);
    tag.TagType = GetByte(reply, "TYPE", 0);
    if (const auto area = HostlinkFunctionFromWire(reply.GetInteger("HLFUNC", 0)))
        tag.RegisterTable = *area;
    tag.Address = reply.GetInteger("ADDRESS", 0);
    tag.BitPosition = reply.GetInteger("BIT", 0);
    ReadTagTail(reply, tag);
    tag.Kind = HostlinkTagKind(tag);
    ReadLimits(reply, tag);
    return tag;
}

TDF1TagConfig ReadDF1TagReply(const TPacket& reply)
{
    TDF1TagConfig tag;
    tag.Name = reply.GetString("NAME", "*");
    tag.Source = GetByte(reply, "SOURCE", 0);
    tag.FileNumber = reply.GetInteger("FILENUMBER", 0);
    if (const auto fileType = FileTypeFromWire(reply.GetInteger("FILETYPE", 137))) {
        tag.FileType = *fileType;
        tag.WordNumber = reply.GetInteger("ELEMENT", 0);
    }
    tag.TagType = GetByte(reply, "TYPE", 0);
    tag.BitPosition = reply.GetInteger("BIT", 0);
    ReadTagTail(reply, tag);
    tag.Kind = DF1TagKind(tag);
    ReadLimits(reply, tag);
    return tag;
}

}  // namespace qvs::transfer
