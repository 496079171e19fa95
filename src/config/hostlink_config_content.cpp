#include "hostlink_config_content.h"

#include <algorithm>

namespace qvs {

THostlinkConfigContent::THostlinkConfigContent(char separator)
    : TConfigContent(kHostlinkRules, separator) {}

void THostlinkConfigContent::AddTagToList(const THostlinkTagConfig& tag)
{
    AddRow(HostlinkTagRow(tag, DecimalSeparator()));
}

void THostlinkConfigContent::ReplaceSelectedTag(const THostlinkTagConfig& tag)
{
    ReplaceSelectedRow(HostlinkTagRow(tag, DecimalSeparator()));
}

bool THostlinkConfigContent::GetTagFromList(int position, THostlinkTagConfig& tag) const
{
    if (position < 0 || position >= GetTagCount()) return false;
    tag = ParseHostlinkTagRow(Rows()[static_cast<std::size_t>(position)], DecimalSeparator());
    return true;
}

THostlinkKavroConfig THostlinkConfigContent::GetAllConfig() const
{
    THostlinkKavroConfig config;
    const TSerialPortContent& serial = SerialPort();
    config.ComType = static_cast<uint8_t>(serial.ComType);
    config.BaudRate = static_cast<uint8_t>(serial.BaudRate);
    config.Parity = static_cast<uint8_t>(serial.Parity);
    config.ScanTime = serial.ScanTime;
    config.MessageTimeout = serial.MessageTimeout;
    config.Email = GatherEmail(true);
    config.TagCount = std::min(GetTagCount(), kMaxTags);
    for (int i = 0; i < config.TagCount; ++i) GetTagFromList(i, config.Tags[static_cast<std::size_t>(i)]);
    return config;
}

void THostlinkConfigContent::SetAllConfig(const THostlinkKavroConfig& config)
{
    SelectComTypeCode(config.ComType);
    SetBaudRate(config.BaudRate < std::size(lists::kBaudRate) ? config.BaudRate : -1);
    SetParity(config.Parity < std::size(lists::kParity) ? config.Parity : -1);
    SetScanTime(config.ScanTime);
    SetMessageTimeout(config.MessageTimeout);
    ApplyEmail(config.Email);
    ClearRows();
    const int count = std::clamp(config.TagCount, 0, kMaxTags);
    for (int i = 0; i < count; ++i) AddTagToList(config.Tags[static_cast<std::size_t>(i)]);
}

}  // namespace qvs
