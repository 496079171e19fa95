#include "modbus_config_content.h"

#include "gateway_models.h"

#include <algorithm>

namespace qvs {

TModbusConfigContent::TModbusConfigContent(char separator) : TConfigContent(kModbusRules, separator) {}

void TModbusConfigContent::AddTagToList(const TModbusTagConfig& tag)
{
    AddRow(ModbusTagRow(tag, false, DecimalSeparator()));
}

void TModbusConfigContent::ReplaceSelectedTag(const TModbusTagConfig& tag)
{
    ReplaceSelectedRow(ModbusTagRow(tag, true, DecimalSeparator()));
}

bool TModbusConfigContent::GetTagFromList(int position, TModbusTagConfig& tag) const
{
    if (position < 0 || position >= GetTagCount()) return false;
    tag = ParseModbusTagRow(Rows()[static_cast<std::size_t>(position)], DecimalSeparator());
    return true;
}

TModbusKavroConfig TModbusConfigContent::GetAllConfig(bool includeAuth) const
{
    TModbusKavroConfig config;
    const TSerialPortContent& serial = SerialPort();
    config.ComType = static_cast<uint8_t>(serial.ComType);
    config.BaudRate = static_cast<uint8_t>(serial.BaudRate);
    config.Parity = static_cast<uint8_t>(serial.Parity);
    config.Format = static_cast<uint8_t>(serial.Format);
    config.ScanTime = serial.ScanTime;
    config.MessageTimeout = serial.MessageTimeout;
    config.PacketTimeout = ParseInteger(serial.PacketTimeout);
    config.Email = GatherEmail(includeAuth);
    config.TagCount = std::min(GetTagCount(), kMaxTags);
    for (int i = 0; i < config.TagCount; ++i) GetTagFromList(i, config.Tags[static_cast<std::size_t>(i)]);
    return config;
}

void TModbusConfigContent::SetAllConfig(const TModbusKavroConfig& config)
{
    SelectComTypeCode(config.ComType);
    // A code outside a list leaves it without a selection, as the list control does.
    SetBaudRate(config.BaudRate < std::size(lists::kBaudRate) ? config.BaudRate : -1);
    SetParity(config.Parity < std::size(lists::kParity) ? config.Parity : -1);
    SetFormat(config.Format < std::size(lists::kFormat) ? config.Format : -1);
    SetScanTime(config.ScanTime);
    SetMessageTimeout(config.MessageTimeout);
    SetPacketTimeoutText(std::to_string(config.PacketTimeout));
    ApplyEmail(config.Email);
    ClearRows();
    const int count = std::clamp(config.TagCount, 0, kMaxTags);
    for (int i = 0; i < count; ++i) AddTagToList(config.Tags[static_cast<std::size_t>(i)]);
}

bool ModbusAuthRelaySupported(std::string_view firmware)
{
    return !VersionLess(firmware, kAuthenticatedRelayFirmware);
}

}  // namespace qvs
