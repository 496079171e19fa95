#pragma once

// Captions and labels of the configuration windows: the Modbus tag editor and the Modbus
// configuration document with its e-mail address dialog.
namespace qvs::texts {

namespace modbus_editor {
inline constexpr const char* kPageConfiguration = "Tag Configuration";
inline constexpr const char* kPageValue = "Tag Value";
inline constexpr const char* kPageAlarm = "Alarm";
inline constexpr const char* kPageScale = "Scale";
inline constexpr const char* kGroupConfiguration = "Tag Configuration";
inline constexpr const char* kGroupValue = "Tag Value";
inline constexpr const char* kGroupAlarm = "Tag Alarm";
inline constexpr const char* kGroupScale = "Tag Scale";
inline constexpr const char* kSource = "Source";
inline constexpr const char* kTagName = "Tag Name";
inline constexpr const char* kInternal = "...";
inline constexpr const char* kUnitId = "Modbus Unit ID (Slave)";
inline constexpr const char* kType = "Tag Type";
inline constexpr const char* kRegisterTable = "Register Table";
inline constexpr const char* kAddress = "Register Address";
inline constexpr const char* kBitPosition = "Position (Bit)";
inline constexpr const char* kEnron = "32-Bit Register (Enron)";
inline constexpr const char* kReadOnly = "Tag is Read Only";
inline constexpr const char* kWriteLimits = "Tag has writing limits";
inline constexpr const char* kMinWrite = "Minimum write value";
inline constexpr const char* kMaxWrite = "Maximum write value";
inline constexpr const char* kAlarmEnable = "Alarm Enable";
inline constexpr const char* kPositiveEdge = "Positive edge (0 -> 1)";
inline constexpr const char* kNegativeEdge = "Negative edge (1 -> 0)";
inline constexpr const char* kLowerLimit = "Lower Limit";
inline constexpr const char* kUpperLimit = "Upper Limit";
inline constexpr const char* kAction = "Action";
inline constexpr const char* kSendEmail = "Send an e-mail";
inline constexpr const char* kScale = "Scale function";
inline constexpr const char* kFactorA = "A";
inline constexpr const char* kFactorB = "B";
}  // namespace modbus_editor

namespace modbus_document {
inline constexpr const char* kPageSerialPort = "Serial Port";
inline constexpr const char* kPageEMails = "E-Mails";
inline constexpr const char* kPageTags = "Tags";
inline constexpr const char* kSerialGroup = "Kavro's Serial COM Parameters";
inline constexpr const char* kSerialNote =
    "The COM Type parameter only has effect on Kavro-1C43. The Modbus Packet Timeout has effect "
    "only in RTU Mode.";
inline constexpr const char* kComType = "Serial COM Type";
inline constexpr const char* kBaudRate = "Baud Rate (bps)";
inline constexpr const char* kParity = "Parity";
inline constexpr const char* kFormat = "Modbus Format";
inline constexpr const char* kScanTime = "Scan Time (ms)";
inline constexpr const char* kFast = "Fast";
inline constexpr const char* kSlow = "Slow";
inline constexpr const char* kMessageTimeout = "Message Timeout (ms)";
inline constexpr const char* kShort = "Short";
inline constexpr const char* kLong = "Long";
inline constexpr const char* kEllipsis = "...";
inline constexpr const char* kPacketTimeout = "Modbus Packet Timeout (RTU Mode)";
inline constexpr const char* kPacketTimeoutUnit = "(In bytes unit)";
inline constexpr const char* kSmtpGroup = "SMTP configuration";
inline constexpr const char* kEnableRelaying = "Enable relaying";
inline constexpr const char* kSmtpServer = "SMTP server";
inline constexpr const char* kAuth = "Server requires authentication";
inline constexpr const char* kUser = "Username";
inline constexpr const char* kPassword = "Password";
inline constexpr const char* kConfirmPassword = "Confirm Password";
inline constexpr const char* kDeliveryTimeout = "Delivery timeout (seconds)";
inline constexpr const char* kRetries = "Retries (times)";
inline constexpr const char* kRetryEvery = "Retry every (seconds)";
inline constexpr const char* kSuggestedTimeout = "Sugested: 20";
inline constexpr const char* kSuggestedRetries = "Sugested: 5";
inline constexpr const char* kSuggestedInterval = "Sugested: 10";
inline constexpr const char* kSender = "Source e-mail address";
inline constexpr const char* kRecipientsGroup = "Destination e-mail addresses";
inline constexpr const char* kRecipientsNote =
    "When sending an E-Mail Message, it will be simultaneously send to the E-Mail addresses "
    "below. You can enter up to 5 addresses.";
inline constexpr const char* kRecipients = "Recipients";
inline constexpr const char* kAdd = "Add...";
inline constexpr const char* kEdit = "Edit...";
inline constexpr const char* kDelete = "Delete";
inline constexpr const char* kFileFilter = "Kavro Configuration File (*.kvr)";
inline constexpr const char* kDefaultExtension = "kvr";
inline constexpr const char* kSendQuestion =
    "Sending this configuration to Kavro will overwrite current Device Configuration.\r\nAre you "
    "sure to Send this configuration to Connected Kavro?";
}  // namespace modbus_document

namespace email_dialog {
inline constexpr const char* kCaption = "E-Mail Address";
inline constexpr const char* kLabel = "E-Mail";
}  // namespace email_dialog

}  // namespace qvs::texts
