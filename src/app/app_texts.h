#pragma once

#include "protocol_texts.h"

// Every text the windows show, in one table.
namespace qvs::app::texts {

// Application
inline constexpr const char* kApplicationTitle = "Kavro Configuration Manager";
inline constexpr const char* kVersionText = "Version 3.0.4";
inline constexpr const char* kTitlePattern = "QVS - [%s] - %s";
inline constexpr const char* kNotConnected = "Not Connected";
inline constexpr const char* kConnectedTo = "Connected To: ";
inline constexpr const char* kSupportEmail = "support@kavro.example.com";
inline constexpr const char* kMakerWeb = "https://www.kavro.example.com/qvs";

// Menus
inline constexpr const char* kMenuFile = "&File";
inline constexpr const char* kMenuDevices = "&Devices";
inline constexpr const char* kMenuConfiguration = "&Configuration";
inline constexpr const char* kMenuWebSite = "Web &Site";
inline constexpr const char* kMenuTools = "&Tools";
inline constexpr const char* kMenuWindow = "&Window";

// Device-dependent captions and hints
inline constexpr const char* kPropertiesCaption = "&Properties...";
inline constexpr const char* kPropertiesHint = "Edit Device Properties";
inline constexpr const char* kPropertiesOfCaption = "&Properties of %s/%s...";
inline constexpr const char* kPropertiesOfHint = "Edit Properties of %s/%s";
inline constexpr const char* kConnectCaption = "Co&nnect...";
inline constexpr const char* kConnectHint = "Connect to Kavro";
inline constexpr const char* kDisconnectCaption = "Disco&nnect from %s/%s";
inline constexpr const char* kDisconnectHint = "Disconnect from %s/%s";

// Documents
inline constexpr const char* kSaveChanged = "File \"%s\" has Changed. Save this file?";
inline constexpr const char* kNotRecognized = "The File \"%s\" is not recognized as a valid file";
inline constexpr const char* kOpenFilter = "Kavro Configuration File (*.kvr);;Kavro Web Site (*.kwp)";
inline constexpr const char* kFlavourMismatch =
    "The Configuration file you're trying to send do not correspond\r\nto the Model of the Connected Kavro.";
inline constexpr const char* kTooManyTags = "Cannot add more than 128 Tags.";
inline constexpr const char* kTagExists = "The Tag %s already exists.";
inline constexpr const char* kConfirmDeleteTag = "Are you sure to delete the Tag \"%s\"";
inline constexpr const char* kNoname = "noname";

// New File dialog
inline constexpr const char* kNewFileCaption = "New File";
inline constexpr const char* kKindModbus = "Kavro Modbus Configuration";
inline constexpr const char* kKindHostlink = "Kavro Hostlink Configuration";
inline constexpr const char* kKindDF1 = "Kavro DF1 Configuration";
inline constexpr const char* kKindSite = "Kavro Web Site";

// Exchange and discovery
inline constexpr const char* kInformationCaption = "Information";
using qvs::texts::kNoResponse;
using qvs::texts::kNotValidResponse;
inline constexpr const char* kGettingData = "Getting Data from Devices in Network...";
inline constexpr const char* kSettingData = "Setting Device Data...";

// Device list headers
inline constexpr const char* kColDevice = "Device";
inline constexpr const char* kColHost = "Host";
inline constexpr const char* kColMAC = "MAC";
inline constexpr const char* kColVersion = "Version";
inline constexpr const char* kColDHCP = "DHCP";
inline constexpr const char* kColIP = "IP Address";
inline constexpr const char* kColNetmask = "Netmask";
inline constexpr const char* kColGateway = "Gateway";
inline constexpr const char* kColRemote = "Remote IP/Host";
inline constexpr const char* kYes = "Yes";
inline constexpr const char* kNo = "No";

// Connecting
inline constexpr const char* kConnecting = "Connecting...";
inline constexpr const char* kUnableToConnect = "Unable to connect to Device.";
inline constexpr const char* kWrongPassword = "Unable to connect to Device. Wrong Password.";
inline constexpr const char* kConnected = "Succesfully Connected to %s.";
inline constexpr const char* kNotManageable =
    "This version of QVS only applies to manageable Kavro (SNMP capable devices). Please contact Norvik, ";
inline constexpr const char* kTooNew = "This version of QVS is too new to configure your Kavro. Please contact Norvik, ";
inline constexpr const char* kTooOld =
    "This version of QVS is too old to configure your Kavro. Close this application and install an updated version from ";
inline constexpr const char* kDeviceVersion = "Device version: ";

// Password dialog
inline constexpr const char* kPasswordCaption = "Device Current Password";
inline constexpr const char* kPasswordGroup = "Password";
inline constexpr const char* kPasswordText =
    "Device password required for this operation to be performed. Please enter current Administrator Password.";
inline constexpr const char* kPasswordLabel = "Password";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kCancel = "Cancel";
inline constexpr const char* kClose = "Close";

// Version and feature dialogs
inline constexpr const char* kVersionCaption = "Non-compatible version";
inline constexpr const char* kNoFeatureCaption = "Unsupported feature";
inline constexpr const char* kNoFeatureText =
    "The Kavro connected to QVS could not support one feature provided by this application, though it will "
    "configured appropriately. The non-supported feature is the following ";
inline constexpr const char* kFeatureRelayNotAuthenticated = "SMTP relay not authenticated";

// Remote search
inline constexpr const char* kRemoteCaption = "Search Remote Device";
inline constexpr const char* kRemoteGroup = "Remote Device";
inline constexpr const char* kRemoteText =
    "Enter the Host or IP Address of the Remote Device. QVS will search for this Device.";
inline constexpr const char* kRemoteLabel = "Host or IP Address";
inline constexpr const char* kRemoteEmpty = "You must provide Host or an IP Address.";
inline constexpr const char* kSearchingRemote = "Searching Remote Device...";

// Options dialog
inline constexpr const char* kOptionsCaption = "Kavro Configuration Manager Options";
inline constexpr const char* kHTTPProxy = "HTTP Proxy";
inline constexpr const char* kFTPProxy = "FTP Proxy";
inline constexpr const char* kUseProxy = "Use Proxy Server for Remote Devices";
inline constexpr const char* kProxyServer = "Proxy Server";
inline constexpr const char* kPort = "Port";
inline constexpr const char* kUseBasicAuth = "Use Basic Authentication";
inline constexpr const char* kUsername = "Username";
inline constexpr const char* kPassword = "Password";
inline constexpr const char* kMethod1 = "Send USER user@hostname";
inline constexpr const char* kMethod2 = "Send SITE (logon)";
inline constexpr const char* kMethod3 = "Send OPEN";
inline constexpr const char* kMethod4 = "USER user@firewalluser@hostname / PASS pass@firewallpass";
inline constexpr const char* kFirewallLogon = "Firewall Logon";
inline constexpr const char* kBadHTTPServer = "Not valid Proxy Server for HTTP.";
inline constexpr const char* kBadHTTPPort = "Not valid Proxy Port Number for HTTP.";
inline constexpr const char* kBadHTTPAuth = "Must provide a User and Password for HTTP Proxy authentication.";
inline constexpr const char* kBadFTPServer = "Not valid Proxy Server for FTP.";
inline constexpr const char* kBadFTPPort = "Not valid Proxy Port Number for FTP.";
inline constexpr const char* kBadFTPMethod = "Must Select a Firewall Type.";
inline constexpr const char* kBadFTPAuth = "Must provide a User and Password for FTP Proxy authentication.";

// About box
inline constexpr const char* kAboutCaption = "About QVS";
inline constexpr const char* kAboutName = "Kavro Configuration Manager (QVS)";

}  // namespace qvs::app::texts
