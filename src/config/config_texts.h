#pragma once

// Texts of the tag-configuration documents that reach the user, exactly as shown.
namespace qvs::texts {

inline constexpr const char* kCannotCreateFile = "Cannot create file %s";
inline constexpr const char* kFileNotRecognized = "The File \"%s\" is not recognized as a valid file";

// Reading a kvr file.
inline constexpr const char* kParameterNotValid =
    "The paramenter \"%s\" has not a valid value (%s).\r\n Value \"%s\" is taken as Default.";
inline constexpr const char* kParameterTooLarge =
    "The paramenter \"%s\" is too large.\r\n Value \"%s\" is taken as Default.";

// Serial settings as the reading warnings name them.
inline constexpr const char* kSerialComType = "Serial COM Type";
inline constexpr const char* kBaudRate = "Baud Rate";
inline constexpr const char* kParity = "Parity";
inline constexpr const char* kFormat = "Format";
inline constexpr const char* kScanTime = "Scan Time";
inline constexpr const char* kMessageTimeout = "Message Timeout";
inline constexpr const char* kPacketTimeout = "Packet Timeout";
inline constexpr const char* kDataBits = "Data Bits";
inline constexpr const char* kErrorDetection = "Error Detection";
inline constexpr const char* kDefaultComType = "RS-232";
inline constexpr const char* kDefaultBaudRate = "9600 bps";
inline constexpr const char* kDefaultParity = "None";
inline constexpr const char* kDefaultFormat = "RTU";
inline constexpr const char* kDefaultScanTime = "100 ms";
inline constexpr const char* kDefaultMessageTimeout = "1000 ms";
inline constexpr const char* kDefaultPacketTimeout = "4 bytes";
inline constexpr const char* kDefaultDataBits = "8";
inline constexpr const char* kDefaultErrorDetection = "CRC";
inline constexpr const char* kDefaultTimeout = "20 sec";
inline constexpr const char* kDefaultRetries = "5 times";
inline constexpr const char* kDefaultRetryInterval = "10 sec";

// Document captions and labels.
inline constexpr const char* kModbusCaption = "Kavro Modbus Configuration - ";
inline constexpr const char* kHostlinkCaption = "Kavro Hostlink Configuration - ";
inline constexpr const char* kDF1Caption = "Kavro DF1 Configuration - ";
inline constexpr const char* kMilliseconds = "%d ms";

// Pages.
inline constexpr const char* kPageSerialPort = "Serial Port";
inline constexpr const char* kPageEMails = "E-Mails";
inline constexpr const char* kPageTags = "Tags";

// Recipients.
inline constexpr const char* kTooManyRecipients = "Can´t add more than 5 E-Mail Addresses.";
inline constexpr const char* kConfirmDeleteRecipient =
    "Are you sure you want to delete the \"%s\" E-Mail Address?";
inline constexpr const char* kEmailDialogInvalid = "The E-mail Address is not valid.";
// A file may hold six recipients; a gateway takes five. Sending refuses the sixth instead of
// dropping it.
inline constexpr const char* kSixthRecipient =
    "Kavro takes at most 5 E-Mail Addresses. Delete \"%s\" or another address before sending "
    "this configuration.";

// Validation.
inline constexpr const char* kInvalidPacketTimeout = "Invalid Packet Timeout.";
inline constexpr const char* kInvalidSmtpServer = "Invalid SMTP Server.";
inline constexpr const char* kInvalidSmtpUsername = "Invalid SMTP Username";
inline constexpr const char* kPasswordsDoNotMatch = "Passwords do not match";
inline constexpr const char* kInvalidTimeBetweenRetries = "Invalid time between retries.";

// Display names of the SMTP numbers in the reading warnings, per flavour.
inline constexpr const char* kModbusTimeoutName = "E-mail delivery Timeout";
inline constexpr const char* kModbusRetriesName = "E-mail delivery Retries";
inline constexpr const char* kModbusRetryIntervalName = "Retry every";
inline constexpr const char* kHostlinkTimeoutName = "E-Mail Sending Timeout";
inline constexpr const char* kHostlinkRetriesName = "E-Mail Sending Retries";
inline constexpr const char* kHostlinkRetryIntervalName = "Time between E-Mail sending retries";
inline constexpr const char* kDF1TimeoutName = "E-mail delivery timeout";
inline constexpr const char* kDF1RetriesName = "E-mail delivery retries";
inline constexpr const char* kDF1RetryIntervalName = "Retry every";

// Validation messages that differ per flavour.
inline constexpr const char* kModbusInvalidTimeout = "Invalid E-Mail Delivery Timeout.";
inline constexpr const char* kModbusInvalidRetries = "Invalid E-Mail Delivery Retries.";
inline constexpr const char* kModbusInvalidAddress = "Invalid E-mail Address.";
inline constexpr const char* kHostlinkInvalidTimeout = "Invalid Delivery Timeout.";
inline constexpr const char* kHostlinkInvalidRetries = "Invalid Delivery Retries.";
inline constexpr const char* kHostlinkInvalidAddress = "Invalid E-mail address.";
inline constexpr const char* kDF1InvalidServer = "The SMTP Server is not valid.";
inline constexpr const char* kDF1InvalidTimeout = "The E-Mail Sending Timeout is not valid.";
inline constexpr const char* kDF1InvalidRetries = "The E-Mail Sending Retries is not valid.";
inline constexpr const char* kDF1InvalidRetryInterval = "The time between retries is not valid.";
inline constexpr const char* kDF1InvalidAddress = "The E-mail Address is not valid.";

}  // namespace qvs::texts
