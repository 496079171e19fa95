#include "df1_config_content.h"

#include <algorithm>

namespace qvs {

namespace {

// The DF1 parity list holds "None" and "Even"; the record holds the parity code 0 or 2.
constexpr uint8_t kParityNoneCode = 0;
constexpr uint8_t kParityEvenCode = 2;

}  // namespace

TDF1ConfigContent::TDF1ConfigContent(char separator) : TConfigContent(kDF1Rules, separator) {}

void TDF1ConfigContent::AddTagToList(const TDF1TagConfig& tag)
{
    AddRow(DF1TagRow(tag, DecimalSeparator()));
}

void TDF1ConfigContent::ReplaceSelectedTag(const TDF1TagConfig& tag)
{
    ReplaceSelectedRow(DF1TagRow(tag, DecimalSeparator()));
}

bool TDF1ConfigContent::GetTagFromList(int position, TDF1TagConfig& tag) const
{
    if (position < 0 || position >= GetTagCount()) return false;
    tag = ParseDF1TagRow(Rows()[static_cast<std::size_t>(position)], DecimalSeparator());
    return true;
}

TDF1KavroConfig TDF1ConfigContent::GetAllConfig() const
{
    TDF1KavroConfig config;
    const TSerialPortContent& serial = SerialPort();
    config.ComType = static_cast<uint8_t>(serial.ComType);
    config.BaudRate = static_cast<uint8_t>(serial.BaudRate);
    config.Parity = serial.Parity == 1 ? kParityEvenCode
                    : serial.Parity == 0 ? kParityNoneCode
                                         : static_cast<uint8_t>(serial.Parity);
    config.DataBits = serial.DataBits == 0 ? 7 : 8;
    config.ErrorDetection = static_cast<uint8_t>(serial.ErrorMethod);
    config.ScanTime = serial.ScanTime;
    config.MessageTimeout = serial.MessageTimeout;
    config.Email = GatherEmail(true);
    config.TagCount = std::min(GetTagCount(), kMaxTags);
    for (int i = 0; i < config.TagCount; ++i) GetTagFromList(i, config.Tags[static_cast<std::size_t>(i)]);
    return config;
}

void TDF1ConfigContent::SetAllConfig(const TDF1KavroConfig& config)
{
    SelectComTypeCode(config.ComType);
    SetBaudRate(config.BaudRate < std::size(lists::kBaudRate) ? config.BaudRate : -1);
    if (config.Parity == 0) SetParity(0);
    else if (config.Parity == 1 || config.Parity == 2) SetParity(1);
    SetDataBits(config.DataBits == 7 ? 0 : 1);
    if (config.ErrorDetection <= 1) SetErrorMethod(config.ErrorDetection);
    SetScanTime(config.ScanTime);
    SetMessageTimeout(config.MessageTimeout);
    ApplyEmail(config.Email);
    ClearRows();
    const int count = std::clamp(config.TagCount, 0, kMaxTags);
    for (int i = 0; i < count; ++i) AddTagToList(config.Tags[static_cast<std::size_t>(i)]);
}

}  // namespace qvs
