#include "transfer_codes.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <vector>

namespace qvs::transfer {
namespace {

struct Mapping {
    const char* name;
    std::function<std::optional<int32_t>(int32_t)> toWire;
    std::function<std::optional<int32_t>(int32_t)> fromWire;
    std::vector<std::pair<int32_t, int32_t>> rows;  // record value, wire code
    std::vector<int32_t> recordWithoutCode;
    std::vector<int32_t> codeWithoutRecord;
};

template <class T>
std::optional<int32_t> Widen(std::optional<T> value)
{
    return value ? std::optional<int32_t>(*value) : std::nullopt;
}

std::vector<Mapping> Mappings()
{
    return {
        {"COMTYPE", [](int32_t v) { return ComTypeToWire(v); },
         [](int32_t c) { return Widen(ComTypeFromWire(c)); },
         {{0, 0}, {1, 2}, {2, 3}}, {3, 255}, {4, -1, 99}},
        {"BAUD", [](int32_t v) { return BaudToWire(v); }, [](int32_t c) { return Widen(BaudFromWire(c)); },
         {{0, 2400}, {1, 4800}, {2, 9600}, {3, 14400}, {4, 19200}, {5, 28800}, {6, 38400}, {7, 57600}, {8, 115200}},
         {9, 200}, {0, 300, 9601, 230400}},
        {"DATABITS", [](int32_t v) { return DataBitsToWire(v); },
         [](int32_t c) { return DataBitsFromWire(c); }, {{8, 0}, {7, 1}}, {0, 1, 6, 9}, {2, -1}},
        {"ERRORMTHD", [](int32_t v) { return ErrorDetectionToWire(v); },
         [](int32_t c) { return Widen(ErrorDetectionFromWire(c)); }, {{0, 0}, {1, 1}}, {2}, {2, -1}},
        {"MBFUNC", [](int32_t v) { return ModbusFunctionToWire(v); },
         [](int32_t c) { return Widen(ModbusFunctionFromWire(c)); },
         {{0, 4}, {1, 3}, {2, 1}, {3, 0}}, {4, 255}, {2, 5, -1}},
        {"HLFUNC", [](int32_t v) { return HostlinkFunctionToWire(v); },
         [](int32_t c) { return Widen(HostlinkFunctionFromWire(c)); },
         {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 6}}, {6, 7}, {5, 7, -1}},
        {"FILETYPE", [](int32_t v) { return FileTypeToWire(v); },
         [](int32_t c) { return Widen(FileTypeFromWire(c)); },
         {{0, 131}, {1, 130}, {2, 132}, {3, 133}, {4, 137}, {5, 138}}, {6}, {134, 0, 4}},
        {"SCALE", [](int32_t v) { return ScaleToWire(v); }, [](int32_t c) { return Widen(ScaleFromWire(c)); },
         {{0, 1}, {1, 2}}, {2}, {0, 3}},
        {"ADDRESS", [](int32_t v) { return ModbusAddressToWire(v); },
         [](int32_t c) { return ModbusAddressFromWire(c); },
         {{1, 0}, {65536, 65535}, {0, -1}}, {INT32_MIN}, {INT32_MAX}},
    };
}

TEST(TransferCodes, EveryRowBothWays)
{
    for (const auto& mapping : Mappings()) {
        SCOPED_TRACE(mapping.name);
        for (const auto& [record, wire] : mapping.rows) {
            EXPECT_EQ(mapping.toWire(record), wire) << record;
            EXPECT_EQ(mapping.fromWire(wire), record) << wire;
        }
        for (int32_t record : mapping.recordWithoutCode)
            EXPECT_EQ(mapping.toWire(record), std::nullopt) << record;
        for (int32_t wire : mapping.codeWithoutRecord)
            EXPECT_EQ(mapping.fromWire(wire), std::nullopt) << wire;
    }
}

TEST(TransferCodes, ComTypeOneReadsAsRs232)
{
    EXPECT_EQ(ComTypeFromWire(1), 0);
}

TEST(TransferCodes, DF1Parity)
{
    EXPECT_EQ(DF1ParityToWire(0), 0);
    EXPECT_EQ(DF1ParityToWire(1), 1);
    EXPECT_EQ(DF1ParityToWire(2), 1);
    EXPECT_EQ(DF1ParityToWire(3), std::nullopt);
    EXPECT_EQ(DF1ParityFromWire(0), 0);
    EXPECT_EQ(DF1ParityFromWire(1), 2);
    EXPECT_EQ(DF1ParityFromWire(-4), 2);
}

}  // namespace
}  // namespace qvs::transfer
