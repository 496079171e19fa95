#include "transfer_codes.h"

#include <array>
#include <limits>
#include <utility>

namespace qvs::transfer {
namespace {

// Each table maps a record value (the row) to its wire code.
template <std::size_t N>
using CodeTable = std::array<std::pair<int32_t, int32_t>, N>;

constexpr CodeTable<3> kComType{{{0, 0}, {1, 2}, {2, 3}}};
constexpr CodeTable<9> kBaud{{{0, 2400}, {1, 4800}, {2, 9600}, {3, 14400}, {4, 19200},
                              {5, 28800}, {6, 38400}, {7, 57600}, {8, 115200}}};
constexpr CodeTable<3> kDF1Parity{{{0, 0}, {1, 1}, {2, 1}}};
constexpr CodeTable<2> kDataBits{{{8, 0}, {7, 1}}};
constexpr CodeTable<2> kErrorDetection{{{0, 0}, {1, 1}}};
constexpr CodeTable<4> kModbusFunction{{{0, 4}, {1, 3}, {2, 1}, {3, 0}}};
constexpr CodeTable<6> kHostlinkFunction{{{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 6}}};
constexpr CodeTable<6> kFileType{{{0, 131}, {1, 130}, {2, 132}, {3, 133}, {4, 137}, {5, 138}}};
constexpr CodeTable<2> kScale{{{0, 1}, {1, 2}}};

template <std::size_t N>
std::optional<int32_t> ToWire(const CodeTable<N>& table, int32_t value)
{
    for (const auto& [record, wire] : table)
        if (record == value)
            return wire;
    return std::nullopt;
}

template <std::size_t N>
std::optional<int32_t> FromWire(const CodeTable<N>& table, int32_t code)
{
    for (const auto& [record, wire] : table)
        if (wire == code)
            return record;
    return std::nullopt;
}

std::optional<uint8_t> AsByte(std::optional<int32_t> value)
{
    if (!value)
        return std::nullopt;
    return static_cast<uint8_t>(*value);
}

}  // namespace

std::optional<int32_t> ComTypeToWire(uint8_t comType) { return ToWire(kComType, comType); }

std::optional<uint8_t> ComTypeFromWire(int32_t code)
{
    if (code == 1)  // not a code the system sends; read as the RS-232 default
        return 0;
    return AsByte(FromWire(kComType, code));
}

std::optional<int32_t> BaudToWire(uint8_t baudIndex) { return ToWire(kBaud, baudIndex); }
std::optional<uint8_t> BaudFromWire(int32_t rate) { return AsByte(FromWire(kBaud, rate)); }

std::optional<int32_t> DF1ParityToWire(uint8_t parity) { return ToWire(kDF1Parity, parity); }
uint8_t DF1ParityFromWire(int32_t code) { return code == 0 ? 0 : 2; }

std::optional<int32_t> DataBitsToWire(int32_t dataBits) { return ToWire(kDataBits, dataBits); }
std::optional<int32_t> DataBitsFromWire(int32_t code) { return FromWire(kDataBits, code); }

std::optional<int32_t> ErrorDetectionToWire(uint8_t errorDetection)
{
    return ToWire(kErrorDetection, errorDetection);
}
std::optional<uint8_t> ErrorDetectionFromWire(int32_t code)
{
    return AsByte(FromWire(kErrorDetection, code));
}

std::optional<int32_t> ModbusFunctionToWire(uint8_t registerTable)
{
    return ToWire(kModbusFunction, registerTable);
}
std::optional<uint8_t> ModbusFunctionFromWire(int32_t code)
{
    return AsByte(FromWire(kModbusFunction, code));
}

std::optional<int32_t> HostlinkFunctionToWire(uint8_t area) { return ToWire(kHostlinkFunction, area); }
std::optional<uint8_t> HostlinkFunctionFromWire(int32_t code)
{
    return AsByte(FromWire(kHostlinkFunction, code));
}

std::optional<int32_t> FileTypeToWire(uint8_t fileType) { return ToWire(kFileType, fileType); }
std::optional<uint8_t> FileTypeFromWire(int32_t code) { return AsByte(FromWire(kFileType, code)); }

std::optional<int32_t> ScaleToWire(uint8_t scale) { return ToWire(kScale, scale); }
std::optional<uint8_t> ScaleFromWire(int32_t code) { return AsByte(FromWire(kScale, code)); }

std::optional<int32_t> ModbusAddressToWire(int32_t address)
{
    if (address == std::numeric_limits<int32_t>::min())
        return std::nullopt;
    return address - 1;
}

std::optional<int32_t> ModbusAddressFromWire(int32_t code)
{
    if (code == std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return code + 1;
}

}  // namespace qvs::transfer
