#pragma once

// Texts of qvsctl's send and get, as the desktop application words them where it has a text.
namespace qvs::cli::texts {

inline constexpr const char* kWrongPassword = "Unable to connect to Device. Wrong Password.";
inline constexpr const char* kUnableToConnect = "Unable to connect to Device.";
inline constexpr const char* kFlavourMismatch =
    "The Configuration file you're trying to send do not correspond\r\nto the Model of the Connected Kavro.";
inline constexpr const char* kOverwriteQuestion =
    "Sending this configuration to Kavro will overwrite current Device Configuration.\r\n"
    "Are you sure to Send this configuration to Connected Kavro?";
inline constexpr const char* kNoFeature =
    "The Kavro connected to QVS could not support one feature provided by this application, "
    "though it will configured appropriately. The non-supported feature is the following ";
inline constexpr const char* kNoFeatureAuthRelay = "SMTP relay not authenticated";

// qvsctl's own.
inline constexpr const char* kNotManageable = "%s: firmware %s is not manageable (-SN); it cannot be configured.";
inline constexpr const char* kFirmwareTooLow = "%s: firmware %s is below the lowest supported version %s.";
inline constexpr const char* kFirmwareTooHigh = "%s: firmware %s is at or above %s, which this version cannot configure.";
inline constexpr const char* kNeedsYes = "Standard input is not a terminal: add --yes to confirm the overwrite.";
inline constexpr const char* kNotConfirmed = "Nothing was sent.";
inline constexpr const char* kFileExists = "%s already exists; add --force to replace it.";
inline constexpr const char* kStopped = "Stopped before the next step.";
inline constexpr const char* kWritten = "Written %s (%d tags).";
inline constexpr const char* kNotValidAsIs = "warning: the configuration read does not pass validation: %s";

}  // namespace qvs::cli::texts
