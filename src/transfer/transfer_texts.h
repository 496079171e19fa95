#pragma once

// Texts of the configuration transfer that reach the user, exactly as shown.
namespace qvs::texts {

// The flavour word of the texts below, by flavour number (Modbus, Hostlink, DF1).
inline constexpr const char* kFlavourWords[] = {"Modbus", "Hostlink", "DF1"};

// Status line, one per step; "%s" is the flavour word ("Modbus", "Hostlink", "DF1").
inline constexpr const char* kStatusInitializing = "Initializing...";
inline constexpr const char* kStatusStopping = "Stopping Kavro %s machine...";
inline constexpr const char* kStatusSendingCom = "Sending COM Configuration...";
inline constexpr const char* kStatusSendingEmail = "Sending E-Mail Configuration...";
inline constexpr const char* kStatusSendingRecipients = "Sending E-Mail Recipients List...";
inline constexpr const char* kStatusEnablingTagAdmin = "Enabling Tag Administration...";
inline constexpr const char* kStatusDeletingTags = "Deleting existing Tags...";
inline constexpr const char* kStatusSendingTag = "Sending Tag Configuration...";
inline constexpr const char* kStatusDisablingTagAdmin = "Disabling Tag Administration...";
inline constexpr const char* kStatusResetting = "Resetting Device...";
inline constexpr const char* kStatusGettingTagCount = "Getting Tag Count...";
inline constexpr const char* kStatusGettingCom = "Getting COM Configuration...";
inline constexpr const char* kStatusGettingEmail = "Getting E-Mail Configuration...";
inline constexpr const char* kStatusGettingRecipients = "Getting E-Mail Recipients List...";
inline constexpr const char* kStatusGettingTag = "Getting Tag Configuration...";
inline constexpr const char* kStatusCompleted = "TRANSFER COMPLETED!";

// Dialog titles and description lines, by direction; "%s" is the flavour word.
inline constexpr const char* kSendTitle = "Send Configuration To Kavro %s";
inline constexpr const char* kSendDescription = "Sending Configuration To Kavro %s...";
inline constexpr const char* kGetTitle = "Get Configuration From Kavro %s";
inline constexpr const char* kGetDescription = "Getting Configuration From Kavro %s...";

// Messages.
inline constexpr const char* kTransferFailed = "Configuration Transfer was unable to complete.";
inline constexpr const char* kTransferStopped = "Configuration Transfer was stopped.";

// Dialog contents.
inline constexpr const char* kGroupDeviceInformation = "Device Information";
inline constexpr const char* kGroupTransferStatus = "Transfer Status";
inline constexpr const char* kLabelDevice = "Device";
inline constexpr const char* kLabelHostName = "Host name";
inline constexpr const char* kLabelMac = "MAC Address";
inline constexpr const char* kLabelFirmware = "Firmware";
inline constexpr const char* kLabelIp = "IP Address";
inline constexpr const char* kLabelRemoteIp = "Remote IP";
inline constexpr const char* kLabelProgress = "Progress";
inline constexpr const char* kButtonClose = "Close";
inline constexpr const char* kButtonRetry = "&Retry";

}  // namespace qvs::texts
