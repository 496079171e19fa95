#pragma once

// Texts of the device protocol that reach the user.
namespace qvs::texts {

inline constexpr const char* kNotValidInteger = "'%s' is not a valid integer value";
inline constexpr const char* kNotValidFloat = "'%s' is not a valid floating point value";
inline constexpr const char* kMalformedPacket = "Malformed packet: %s";

// HTTP exchange
inline constexpr const char* kNoResponse = "No Response from Device. Check the connection and try again.";
inline constexpr const char* kNotValidResponse = "Not Valid Response from Device.";

// Discovery and network set-up
inline constexpr const char* kGettingData = "Getting Data from Devices in Network...";
inline constexpr const char* kSettingDeviceData = "Setting Device Data...";
inline constexpr const char* kDeviceConfigured = "Device Successfully Configured!.";
inline constexpr const char* kErrorSettingDevice = "Error Setting Device Configuration.\r\nCheck the Password.";
inline constexpr const char* kUdpConflict =
    "Other Application is conflicting with QVS Communication.\r\nClose the other application and try again.";
// Filled with the system's reason and the port used instead.
inline constexpr const char* kUdpPortFallback =
    "UDP port 998 cannot be used on this computer (%s).\r\n"
    "QVS searches from port %d instead: gateways that answer to the port of the search are "
    "found, gateways that answer only to port 998 are not.\r\n"
    "To use port 998, close the program that holds it or give QVS the right to use it.";

// Device list headers; the last three columns are not shown.
inline constexpr const char* kDeviceListHeaders[12] = {
    "Device", "Host", "MAC", "Version", "DHCP", "IP Address", "Netmask", "Gateway",
    "Remote IP/Host", "", "", ""};
inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";

}  // namespace qvs::texts
