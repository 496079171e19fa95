#pragma once

// Texts the emulated gateways send back (the REASON of a "NAK") and the simulator's
// own messages, kept in one place.
namespace qvs::sim::texts {

inline constexpr const char* kUnknownCommand = "Unknown command";
inline constexpr const char* kNotAPacket = "Not a QProt packet";
inline constexpr const char* kMalformedPacket = "Malformed packet";
inline constexpr const char* kWrongEndpoint = "Command not served on this endpoint";
inline constexpr const char* kNotConfigurable = "Command not supported by this device";
inline constexpr const char* kWrongPassword = "Wrong password";
inline constexpr const char* kNoLog = "No logging capabilities";
inline constexpr const char* kLogRange = "Log interval must be 10..3600 and count 0..16";
inline constexpr const char* kBadTime = "Invalid date and time";
inline constexpr const char* kBadAddress = "Invalid network address";
inline constexpr const char* kUnknownKey = "Unknown key %s";
inline constexpr const char* kBadValue = "Invalid value for %s";
inline constexpr const char* kBadSlot = "Recipient slot must be 0..4";
inline constexpr const char* kMachineRunning = "Machine running: send STOP first";
inline constexpr const char* kNoTagAdmin = "Tag administration not enabled";
inline constexpr const char* kTagTableFull = "Tag table full: 128 tags";
inline constexpr const char* kTagNameMissing = "Tag name missing";
inline constexpr const char* kDuplicateTag = "Duplicate tag name %s";
inline constexpr const char* kNoSuchTag = "No such tag";
inline constexpr const char* kReadOnlyTag = "Tag is read only";
inline constexpr const char* kOutsideLimits = "Value outside write limits";
inline constexpr const char* kAlarmNotEnabled = "Tag has no alarm";
inline constexpr const char* kInjectedFault = "Injected fault";
inline constexpr const char* kComError = "Serial communication error";

}  // namespace qvs::sim::texts
