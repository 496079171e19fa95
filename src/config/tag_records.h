#pragma once

#include <array>
#include <cstdint>
#include <string>

// The tag and settings records of the three configuration flavours (Modbus, Hostlink, DF1):
// plain values, filled by the tag editors, shown by the documents, carried by kvr files and by
// the gateway commands. Enumerations hold the position of the item in the list the user sees
// (see tag_lists.h for the texts).
namespace qvs {

inline constexpr int kMaxTags = 128;
inline constexpr int kMaxRecipients = 5;

// Kind: which member of a TTagValue is meaningful.
inline constexpr uint8_t kKindDigital = 0;
inline constexpr uint8_t kKindInteger = 1;
inline constexpr uint8_t kKindFloat = 2;

// Source codes, shared by all flavours.
inline constexpr uint8_t kSourceSerial = 0;
inline constexpr uint8_t kSourceKavroInput = 1;
inline constexpr uint8_t kSourceKavroOutput = 2;
inline constexpr uint8_t kSourceInternal = 3;
inline constexpr uint8_t kSourceAnalogInput = 4;

// Modbus type codes.
inline constexpr uint8_t kModbusUnsignedInt = 0;
inline constexpr uint8_t kModbusSignedInt = 1;
inline constexpr uint8_t kModbusLong = 2;
inline constexpr uint8_t kModbusLongInverted = 3;
inline constexpr uint8_t kModbusFloat = 4;
inline constexpr uint8_t kModbusFloatInverted = 5;
inline constexpr uint8_t kModbusBCD = 6;
inline constexpr uint8_t kModbusWordBit = 7;
inline constexpr uint8_t kModbusSingleBit = 8;

// Hostlink and DF1 type codes.
inline constexpr uint8_t kTypeUnsignedInt = 0;
inline constexpr uint8_t kTypeSignedInt = 1;
inline constexpr uint8_t kTypeLong = 2;
inline constexpr uint8_t kTypeFloat = 3;
inline constexpr uint8_t kTypeBCD = 4;
inline constexpr uint8_t kTypeWordBit = 5;
inline constexpr uint8_t kTypeSingleBit = 6;

// Modbus register tables.
inline constexpr uint8_t kHoldingRegister = 0;
inline constexpr uint8_t kInputRegister = 1;
inline constexpr uint8_t kInputStatus = 2;
inline constexpr uint8_t kCoilStatus = 3;

// Scale codes.
inline constexpr uint8_t kScaleNone = 0;
inline constexpr uint8_t kScaleLinear = 1;

// One limit value in three forms; only the one matching the tag's Kind is meaningful.
struct TTagValue {
    float AsFloat = 0;
    int32_t AsInteger = 0;
    bool AsDigital = false;

    bool operator==(const TTagValue&) const = default;
};

struct TModbusTagConfig {
    std::string Name;
    uint8_t Source = 0;
    int32_t UnitId = 0;
    uint8_t TagType = 0;
    uint8_t RegisterTable = 0;
    int32_t Address = 0;
    int32_t BitPosition = 0;
    bool Enron = false;
    bool ReadOnly = false;
    bool WriteLimits = false;
    TTagValue WriteMin;
    TTagValue WriteMax;
    bool AlarmEnable = false;
    bool AlarmEmail = false;
    TTagValue AlarmMin;
    TTagValue AlarmMax;
    uint8_t Scale = 0;
    float FactorA = 0;
    float FactorB = 0;
    uint8_t Kind = 0;
    bool Trap = false;

    bool operator==(const TModbusTagConfig&) const = default;
};

struct THostlinkTagConfig {
    std::string Name;
    uint8_t Source = 0;
    int32_t UnitId = 0;
    uint8_t TagType = 0;
    uint8_t RegisterTable = 0;  // memory area: IR, SR, LR, HR, TCPV, DM
    int32_t Address = 0;
    int32_t BitPosition = 0;
    bool ReadOnly = false;
    bool WriteLimits = false;
    TTagValue WriteMin;
    TTagValue WriteMax;
    bool AlarmEnable = false;
    bool AlarmEmail = false;
    TTagValue AlarmMin;
    TTagValue AlarmMax;
    uint8_t Scale = 0;
    float FactorA = 0;
    float FactorB = 0;
    uint8_t Kind = 0;

    bool operator==(const THostlinkTagConfig&) const = default;
};

struct TDF1TagConfig {
    std::string Name;
    uint8_t Source = 0;
    uint8_t TagType = 0;
    uint8_t FileType = 0;
    int32_t FileNumber = 0;
    int32_t WordNumber = 0;
    int32_t BitPosition = 0;
    bool ReadOnly = false;
    bool WriteLimits = false;
    TTagValue WriteMin;
    TTagValue WriteMax;
    bool AlarmEnable = false;
    bool AlarmEmail = false;
    TTagValue AlarmMin;
    TTagValue AlarmMax;
    uint8_t Scale = 0;
    float FactorA = 0;
    float FactorB = 0;
    uint8_t Kind = 0;

    bool operator==(const TDF1TagConfig&) const = default;
};

// The gateway's SMTP relay settings.
struct TEmailConfig {
    bool Enable = false;
    std::string Server;
    int32_t Timeout = 0;
    int32_t Retries = 0;
    int32_t RetryInterval = 0;
    std::string From;
    std::array<std::string, kMaxRecipients> Recipients;  // slots at and above RecipientCount empty
    int32_t RecipientCount = 0;
    bool Auth = false;
    std::string User;
    std::string Password;

    bool operator==(const TEmailConfig&) const = default;
};

struct TModbusKavroConfig {
    uint8_t ComType = 0;
    uint8_t BaudRate = 0;
    uint8_t Parity = 0;
    uint8_t Format = 0;
    int32_t ScanTime = 0;
    int32_t MessageTimeout = 0;
    int32_t PacketTimeout = 0;
    TEmailConfig Email;
    int32_t TagCount = 0;
    std::array<TModbusTagConfig, kMaxTags> Tags;

    bool operator==(const TModbusKavroConfig&) const = default;
};

struct THostlinkKavroConfig {
    uint8_t ComType = 0;
    uint8_t BaudRate = 0;
    uint8_t Parity = 0;
    int32_t ScanTime = 0;
    int32_t MessageTimeout = 0;
    TEmailConfig Email;
    int32_t TagCount = 0;
    std::array<THostlinkTagConfig, kMaxTags> Tags;

    bool operator==(const THostlinkKavroConfig&) const = default;
};

struct TDF1KavroConfig {
    uint8_t ComType = 0;
    uint8_t BaudRate = 0;
    int32_t DataBits = 0;        // 7 or 8 itself
    uint8_t Parity = 0;          // 0 None, 2 Even
    uint8_t ErrorDetection = 0;  // 0 CRC, 1 BCC
    int32_t ScanTime = 0;
    int32_t MessageTimeout = 0;
    TEmailConfig Email;
    int32_t TagCount = 0;
    std::array<TDF1TagConfig, kMaxTags> Tags;

    bool operator==(const TDF1KavroConfig&) const = default;
};

// The kind of a record that arrives without one (a tag read back from a gateway): digital for
// non-serial sources, bit tables and word bits; integer without scale for the integer types;
// float otherwise.
uint8_t ModbusTagKind(const TModbusTagConfig& tag);
uint8_t HostlinkTagKind(const THostlinkTagConfig& tag);
uint8_t DF1TagKind(const TDF1TagConfig& tag);

// A digital tag's alarm edge as read from its limits: positive unless only AlarmMax is set.
bool IsPositiveEdge(const TTagValue& alarmMin, const TTagValue& alarmMax);

}  // namespace qvs
