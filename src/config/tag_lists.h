#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The lists the user picks from, per flavour; a record stores the position of the item.
// The texts are compared exactly (letter case included) when a row text is parsed back.
namespace qvs {

using TextList = std::span<const char* const>;

namespace lists {

inline constexpr const char* kModbusSource[] = {"Modbus Serial", "Kavro Input", "Kavro Output",
                                                "Internal", ""};
inline constexpr const char* kHostlinkSource[] = {"Hostlink Serial", "Kavro Input", "Kavro Output",
                                                  "Internal", "Kavro Ainput"};
inline constexpr const char* kDF1Source[] = {"DF1 Serial", "Kavro Input", "Kavro Output",
                                             "Internal", "Kavro Ainput"};
inline constexpr const char* kModbusType[] = {"Unsigned int", "Signed int", "Long",
                                              "Long Inverted", "Float", "Float Inverted",
                                              "BCD", "Word bit", "Single bit"};
// Hostlink and DF1 share one type list.
inline constexpr const char* kType[] = {"Unsigned int", "Signed int", "Long", "Float",
                                        "BCD", "Word bit", "Single bit"};
inline constexpr const char* kModbusRegisterTable[] = {"Holding Register", "Input Register",
                                                       "Input Status", "Coil Status"};
inline constexpr const char* kHostlinkArea[] = {"IR", "SR", "LR", "HR", "TCPV", "DM"};
inline constexpr const char* kDF1FileType[] = {"Input (I)",   "Output (O)",  "Status (S)",
                                               "Binary (B)",  "Integer (N)", "Float (F)"};
inline constexpr const char* kScale[] = {"None", "Linear (Ax+B)"};

inline constexpr const char* kComType[] = {"RS-232", "RS-485", "RS-422"};
inline constexpr const char* kBaudRate[] = {"2400",  "4800",  "9600",  "14400", "19200",
                                            "28800", "38400", "57600", "115200"};
inline constexpr int32_t kBaudRates[] = {2400, 4800, 9600, 14400, 19200, 28800, 38400, 57600, 115200};
inline constexpr const char* kParity[] = {"None", "Odd", "Even"};
inline constexpr const char* kDF1Parity[] = {"None", "Even"};
inline constexpr const char* kFormat[] = {"RTU", "ASCII"};
inline constexpr const char* kDataBits[] = {"7", "8"};
inline constexpr const char* kErrorDetection[] = {"CRC", "BCC"};

inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";

}  // namespace lists

// The item at `position`; the empty text for a position outside the list.
std::string ListText(TextList list, int position);
// The position of the first item equal to `text`; 0 when none is equal.
uint8_t ListPosition(TextList list, std::string_view text);

// The text conversions of the tag editors and the tag rows, per flavour.
inline std::string GetModbusSourceText(int code) { return ListText(lists::kModbusSource, code); }
inline std::string GetHostlinkSourceText(int code) { return ListText(lists::kHostlinkSource, code); }
inline std::string GetDF1SourceText(int code) { return ListText(lists::kDF1Source, code); }
inline uint8_t GetModbusSourceValue(std::string_view t) { return ListPosition(lists::kModbusSource, t); }
inline uint8_t GetHostlinkSourceValue(std::string_view t) { return ListPosition(lists::kHostlinkSource, t); }
inline uint8_t GetDF1SourceValue(std::string_view t) { return ListPosition(lists::kDF1Source, t); }
inline std::string GetModbusTypeText(int code) { return ListText(lists::kModbusType, code); }
inline uint8_t GetModbusTypeValue(std::string_view t) { return ListPosition(lists::kModbusType, t); }
inline std::string GetTypeText(int code) { return ListText(lists::kType, code); }  // Hostlink, DF1
inline uint8_t GetTypeValue(std::string_view t) { return ListPosition(lists::kType, t); }
inline std::string GetScaleText(int code) { return ListText(lists::kScale, code); }
inline uint8_t GetScaleValue(std::string_view t) { return ListPosition(lists::kScale, t); }
inline std::string GetModbusFunctionText(int code) { return ListText(lists::kModbusRegisterTable, code); }
inline uint8_t GetModbusFunctionValue(std::string_view t) { return ListPosition(lists::kModbusRegisterTable, t); }
inline std::string GetHostlinkFunctionText(int code) { return ListText(lists::kHostlinkArea, code); }
inline uint8_t GetHostlinkFunctionValue(std::string_view t) { return ListPosition(lists::kHostlinkArea, t); }
inline std::string GetDF1FileTypeText(int code) { return ListText(lists::kDF1FileType, code); }
inline uint8_t GetDF1FileTypeValue(std::string_view t) { return ListPosition(lists::kDF1FileType, t); }

}  // namespace qvs
