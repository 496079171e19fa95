#pragma once

#include "number_text.h"
#include "tag_lists.h"
#include "tag_records.h"

#include <string>
#include <vector>

// Row texts: how a tag record is shown in a document's tag list and stored in its kvr section,
// and how those texts become a record again. The list's cells and the file's keys are the same
// texts in the same order (see the *RowKeys lists); the name is the row's caption.
namespace qvs {

struct TTagRow {
    std::string Caption;              // NAME
    std::vector<std::string> Cells;   // one per key after NAME, hidden cells included

    bool operator==(const TTagRow&) const = default;
};

namespace rows {

// Modbus cells: the seventeen visible columns, then the hidden TRAP and KIND cells.
inline constexpr const char* kModbusKeys[] = {
    "SOURCE", "UNITID", "ADDRESS", "TYPE",  "ENRON",  "BITPOS",  "READONLY", "LIMITS", "WRMIN",
    "WRMAX",  "ALARM",  "ALMIN",   "ALMAX", "EMAIL",  "SCALE",   "FACTORA",  "FACTORB", "TRAP",
    "KIND"};
inline constexpr const char* kModbusColumns[] = {
    "Name",  "Source", "Unit ID", "Address", "Type", "32 Bit", "Bit Pos", "Read Only", "Limits",
    "Min",   "Max",    "Alarm",   "Low",     "High", "Email",  "Scale",   "A",         "B"};
// Hostlink cells: seventeen visible columns, then the hidden KIND cell.
inline constexpr const char* kHostlinkKeys[] = {
    "SOURCE", "UNITID", "REGTABLE", "ADDRESS", "TYPE",  "BITPOS",  "READONLY", "LIMITS", "WRMIN",
    "WRMAX",  "ALARM",  "ALMIN",    "ALMAX",   "EMAIL", "SCALE",   "FACTORA",  "FACTORB", "KIND"};
inline constexpr const char* kHostlinkColumns[] = {
    "Name", "Source", "Unit ID", "Table", "Address", "Type", "Bit Pos", "Read Only", "Limits",
    "Min",  "Max",    "Alarm",   "Low",   "High",    "Email", "Scale",  "A",         "B"};
// DF1 cells: seventeen visible columns, then the hidden KIND cell.
inline constexpr const char* kDF1Keys[] = {
    "SOURCE", "FILETYPE", "FILENUMBER", "WORDNUMBER", "TYPE",  "BITPOS",  "READONLY", "LIMITS",
    "WRMIN",  "WRMAX",    "ALARM",      "ALMIN",      "ALMAX", "EMAIL",   "SCALE",    "FACTORA",
    "FACTORB", "KIND"};
inline constexpr const char* kDF1Columns[] = {
    "Name", "Source", "File Type", "File No.", "Word No.", "Type", "Bit Pos", "Read Only",
    "Limits", "Min", "Max", "Alarm", "Low", "High", "Email", "Scale", "A", "B"};

// Cells that the Modbus file passes through NormalizeDecimal.
inline constexpr const char* kModbusDecimalKeys[] = {"WRMIN", "WRMAX",   "ALMIN",
                                                     "ALMAX", "FACTORA", "FACTORB"};

// The address text of every source but the PLC line.
inline constexpr const char* kNoAddress = "00000";

}  // namespace rows

// The Modbus address text: "00000" for non-serial sources, else the table digit (4, 3, 1, 0)
// and the address with at least four digits (holding register 1 is 40001).
std::string ModbusAddressText(const TModbusTagConfig& tag);

// A row from a record. `trapFromRecord` false gives "No" in the hidden TRAP cell (a row added to
// the list), true gives the record's Trap (a row replaced in place).
TTagRow ModbusTagRow(const TModbusTagConfig& tag, bool trapFromRecord = false,
                     char separator = SystemDecimalSeparator());
TTagRow HostlinkTagRow(const THostlinkTagConfig& tag, char separator = SystemDecimalSeparator());
TTagRow DF1TagRow(const TDF1TagConfig& tag, char separator = SystemDecimalSeparator());

// A record from a row, KIND first (it decides how the four limits read). A number cell that does
// not convert throws IntegerConversionError or FloatConversionError; texts that match no list
// item give position 0. A row with missing cells reads them as empty.
TModbusTagConfig ParseModbusTagRow(const TTagRow& row, char separator = SystemDecimalSeparator());
THostlinkTagConfig ParseHostlinkTagRow(const TTagRow& row, char separator = SystemDecimalSeparator());
TDF1TagConfig ParseDF1TagRow(const TTagRow& row, char separator = SystemDecimalSeparator());

}  // namespace qvs
