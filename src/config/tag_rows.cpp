#include "tag_rows.h"

#include "float_text.h"
#include "qprot_errors.h"

#include <cstdio>
#include <string_view>

namespace qvs {

namespace {

const char* YesNo(bool value) { return value ? lists::kYes : lists::kNo; }

bool IsYes(std::string_view text) { return text == lists::kYes; }

// Cells by key over one flavour's key list.
class RowCells {
public:
    RowCells(TextList keys, std::vector<std::string>& cells) : m_keys(keys), m_cells(&cells)
    {
        cells.assign(keys.size(), std::string());
    }
    RowCells(TextList keys, const std::vector<std::string>& cells)
        : m_keys(keys), m_const(&cells) {}

    void Set(std::string_view key, std::string value) { (*m_cells)[Index(key)] = std::move(value); }
    std::string_view Get(std::string_view key) const
    {
        const std::vector<std::string>& cells = m_cells ? *m_cells : *m_const;
        const std::size_t index = Index(key);
        return index < cells.size() ? std::string_view(cells[index]) : std::string_view();
    }

private:
    std::size_t Index(std::string_view key) const
    {
        for (std::size_t i = 0; i < m_keys.size(); ++i)
            if (key == m_keys[i]) return i;
        return m_keys.size();
    }

    TextList m_keys;
    std::vector<std::string>* m_cells = nullptr;
    const std::vector<std::string>* m_const = nullptr;
};

uint8_t ParseByte(std::string_view text)
{
    const int32_t value = ParseInteger(text);
    if (value < 0 || value > 255) throw IntegerConversionError(std::string(text));
    return static_cast<uint8_t>(value);
}

// The limit texts that every flavour shares: write limits, alarm limits or edges, scale.
template <typename Tag>
void SetCommonCells(RowCells& cells, const Tag& tag, char separator)
{
    auto limit = [&](const TTagValue& value) -> std::string {
        if (tag.Kind == kKindInteger) return std::to_string(value.AsInteger);
        if (tag.Kind == kKindFloat) return FloatText(value.AsFloat, separator);
        return "0";
    };
    auto alarm = [&](const TTagValue& value) -> std::string {
        if (tag.Kind == kKindDigital) return value.AsDigital ? "1" : "0";
        return limit(value);
    };
    cells.Set("BITPOS", std::to_string(tag.BitPosition));
    cells.Set("READONLY", YesNo(tag.ReadOnly));
    cells.Set("LIMITS", YesNo(tag.WriteLimits));
    cells.Set("WRMIN", limit(tag.WriteMin));
    cells.Set("WRMAX", limit(tag.WriteMax));
    cells.Set("ALARM", YesNo(tag.AlarmEnable));
    cells.Set("ALMIN", alarm(tag.AlarmMin));
    cells.Set("ALMAX", alarm(tag.AlarmMax));
    cells.Set("EMAIL", YesNo(tag.AlarmEmail));
    cells.Set("SCALE", GetScaleText(tag.Scale));
    cells.Set("FACTORA", FloatText(tag.FactorA, separator));
    cells.Set("FACTORB", FloatText(tag.FactorB, separator));
    cells.Set("KIND", std::to_string(tag.Kind));
}

void ParseLimit(std::string_view text, uint8_t kind, char separator, bool alarm, TTagValue& value)
{
    value = TTagValue{};
    if (kind == kKindInteger) value.AsInteger = ParseInteger(text);
    else if (kind == kKindFloat) value.AsFloat = ParseFloatText(text, separator);
    else if (kind == kKindDigital && alarm) value.AsDigital = text == "1";
}

// Everything after the address fields, in the order the cells are parsed.
template <typename Tag>
void ParseFlagsAndLimits(const RowCells& cells, Tag& tag, char separator)
{
    tag.BitPosition = ParseInteger(cells.Get("BITPOS"));
    tag.ReadOnly = IsYes(cells.Get("READONLY"));
    tag.WriteLimits = IsYes(cells.Get("LIMITS"));
    ParseLimit(cells.Get("WRMIN"), tag.Kind, separator, false, tag.WriteMin);
    ParseLimit(cells.Get("WRMAX"), tag.Kind, separator, false, tag.WriteMax);
    tag.AlarmEnable = IsYes(cells.Get("ALARM"));
    ParseLimit(cells.Get("ALMIN"), tag.Kind, separator, true, tag.AlarmMin);
    ParseLimit(cells.Get("ALMAX"), tag.Kind, separator, true, tag.AlarmMax);
    tag.AlarmEmail = IsYes(cells.Get("EMAIL"));
    tag.Scale = GetScaleValue(cells.Get("SCALE"));
    tag.FactorA = ParseFloatText(cells.Get("FACTORA"), separator);
    tag.FactorB = ParseFloatText(cells.Get("FACTORB"), separator);
}

std::string SerialNumberText(uint8_t source, int32_t value)
{
    return source == kSourceSerial ? std::to_string(value) : rows::kNoAddress;
}

}  // namespace

std::string ModbusAddressText(const TModbusTagConfig& tag)
{
    if (tag.Source != kSourceSerial) return rows::kNoAddress;
    static constexpr const char* kTableDigit[] = {"4", "3", "1", "0"};
    const std::string digit = tag.RegisterTable < 4 ? kTableDigit[tag.RegisterTable] : "";
    char number[16];
    std::snprintf(number, sizeof number, tag.Address > 9999 ? "%05d" : "%04d",
                  static_cast<int>(tag.Address));
    return digit + number;
}

TTagRow ModbusTagRow(const TModbusTagConfig& tag, bool trapFromRecord, char separator)
{
    TTagRow row{tag.Name, {}};
    RowCells cells(rows::kModbusKeys, row.Cells);
    cells.Set("SOURCE", GetModbusSourceText(tag.Source));
    cells.Set("UNITID", std::to_string(tag.UnitId));
    cells.Set("ADDRESS", ModbusAddressText(tag));
    cells.Set("TYPE", GetModbusTypeText(tag.TagType));
    cells.Set("ENRON", YesNo(tag.Enron));
    SetCommonCells(cells, tag, separator);
    cells.Set("TRAP", YesNo(trapFromRecord && tag.Trap));
    return row;
}

TTagRow HostlinkTagRow(const THostlinkTagConfig& tag, char separator)
{
    TTagRow row{tag.Name, {}};
    RowCells cells(rows::kHostlinkKeys, row.Cells);
    cells.Set("SOURCE", GetHostlinkSourceText(tag.Source));
    cells.Set("UNITID", std::to_string(tag.UnitId));
    cells.Set("REGTABLE", GetHostlinkFunctionText(tag.RegisterTable));
    cells.Set("ADDRESS", SerialNumberText(tag.Source, tag.Address));
    cells.Set("TYPE", GetTypeText(tag.TagType));
    SetCommonCells(cells, tag, separator);
    return row;
}

TTagRow DF1TagRow(const TDF1TagConfig& tag, char separator)
{
    TTagRow row{tag.Name, {}};
    RowCells cells(rows::kDF1Keys, row.Cells);
    cells.Set("SOURCE", GetDF1SourceText(tag.Source));
    cells.Set("FILETYPE", GetDF1FileTypeText(tag.FileType));
    cells.Set("FILENUMBER", SerialNumberText(tag.Source, tag.FileNumber));
    cells.Set("WORDNUMBER", SerialNumberText(tag.Source, tag.WordNumber));
    cells.Set("TYPE", GetTypeText(tag.TagType));
    SetCommonCells(cells, tag, separator);
    return row;
}

TModbusTagConfig ParseModbusTagRow(const TTagRow& row, char separator)
{
    const RowCells cells(rows::kModbusKeys, row.Cells);
    TModbusTagConfig tag;
    tag.Kind = ParseByte(cells.Get("KIND"));
    tag.Name = row.Caption;
    tag.Source = GetModbusSourceValue(cells.Get("SOURCE"));
    tag.UnitId = ParseInteger(cells.Get("UNITID"));
    const std::string_view address = cells.Get("ADDRESS");
    if (!address.empty()) {
        switch (address.front()) {
        case '0': tag.RegisterTable = kCoilStatus; break;
        case '1': tag.RegisterTable = kInputStatus; break;
        case '3': tag.RegisterTable = kInputRegister; break;
        case '4': tag.RegisterTable = kHoldingRegister; break;
        default: break;
        }
    }
    tag.Address = ParseInteger(address.empty() ? address : address.substr(1));
    tag.TagType = GetModbusTypeValue(cells.Get("TYPE"));
    tag.Enron = IsYes(cells.Get("ENRON"));
    ParseFlagsAndLimits(cells, tag, separator);
    tag.Trap = false;
    return tag;
}

THostlinkTagConfig ParseHostlinkTagRow(const TTagRow& row, char separator)
{
    const RowCells cells(rows::kHostlinkKeys, row.Cells);
    THostlinkTagConfig tag;
    tag.Kind = ParseByte(cells.Get("KIND"));
    tag.Name = row.Caption;
    tag.Source = GetHostlinkSourceValue(cells.Get("SOURCE"));
    tag.UnitId = ParseInteger(cells.Get("UNITID"));
    tag.RegisterTable = GetHostlinkFunctionValue(cells.Get("REGTABLE"));
    tag.Address = ParseInteger(cells.Get("ADDRESS"));
    tag.TagType = GetTypeValue(cells.Get("TYPE"));
    ParseFlagsAndLimits(cells, tag, separator);
    return tag;
}

TDF1TagConfig ParseDF1TagRow(const TTagRow& row, char separator)
{
    const RowCells cells(rows::kDF1Keys, row.Cells);
    TDF1TagConfig tag;
    tag.Kind = ParseByte(cells.Get("KIND"));
    tag.Name = row.Caption;
    tag.Source = GetDF1SourceValue(cells.Get("SOURCE"));
    tag.FileType = GetDF1FileTypeValue(cells.Get("FILETYPE"));
    tag.FileNumber = ParseInteger(cells.Get("FILENUMBER"));
    tag.WordNumber = ParseInteger(cells.Get("WORDNUMBER"));
    tag.TagType = GetTypeValue(cells.Get("TYPE"));
    ParseFlagsAndLimits(cells, tag, separator);
    return tag;
}

}  // namespace qvs
