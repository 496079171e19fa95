#pragma once

#include <cstddef>

namespace qvs::app {

// The main window's actions: real name (also the QAction's objectName), caption, hint, shortcut.
struct ActionDef {
    const char* Name;
    const char* Caption;
    const char* Hint;
    const char* Shortcut;  // empty: none
};

inline constexpr ActionDef kActionTable[] = {
    {"FileNew", "&New...", "Create a new File", ""},
    {"FileOpen", "&Open...", "Open an existing File", "Ctrl+O"},
    {"FileSave", "&Save", "Save current File", "Ctrl+S"},
    {"FileSaveAs", "Save &As...", "Save current File with new name", ""},
    {"FileClose", "&Close", "Close current File", ""},
    {"FileExit", "E&xit", "Exit QVS", "Ctrl+X"},
    {"DevicesSearchLocal", "Search &Local Devices", "Search Local Devices", "Ctrl+L"},
    {"DevicesSearchRemote", "Search &Remote Device...", "Search Remote Devices", ""},
    {"DevicesConnect", "Co&nnect...", "Connect to Kavro", ""},
    {"DevicesProperties", "&Properties...", "Edit Device Properties", ""},
    {"ConfigurationAddTag", "A&dd Tag...", "Add Tag", ""},
    {"ConfigurationEditTag", "&Edit Tag...", "Edit Selected Tag", ""},
    {"ConfigurationRemoveTag", "&Remove Tag", "Remove Selected Tag", ""},
    {"ConfigurationSendToKavro", "&Send To Kavro...", "Send Configuration To Connected Kavro", ""},
    {"ConfigurationGetFromKavro", "&Get From Kavro...", "Get Configuration From Connected Kavro", ""},
    {"WebSiteAddFile", "&Add File...", "Add File to Web Site", ""},
    {"WebSiteExtractFile", "&Extract File...", "Extract File from Web Site", ""},
    {"WebSiteViewFile", "&View File...", "View File from Web Site", ""},
    {"WebSiteRemoveFile", "&Remove File...", "Remove File from Web Site", ""},
    {"WebSiteSendToKavro", "&Send To Kavro...", "Send Web Site To Connected Kavro", ""},
    {"WebSiteGetFromKavro", "&Get From Kavro...", "Get Web Site From Connected Kavro", ""},
    {"ToolsTagMonitor", "Tag &Monitor...", "Monitor a Tag Value from Connected Kavro", ""},
    {"ToolsOptions", "&Options...", "QVS Options", ""},
    {"ToolsAbout", "A&bout...", "Show QVS Information", ""},
    {"WindowCascade", "&Cascade", "Cascade", ""},
    {"WindowMinimizeAll", "&Minimize All", "Minimize All", ""},
};

// Menus and bars by action name; "-" is a separator.
inline constexpr const char* kFileMenu[] = {"FileNew", "-", "FileOpen", "FileSave", "FileSaveAs", "FileClose", "-",
                                            "FileExit"};
inline constexpr const char* kDevicesMenu[] = {"DevicesSearchLocal", "DevicesSearchRemote", "-", "DevicesConnect", "-",
                                               "DevicesProperties"};
inline constexpr const char* kConfigurationMenu[] = {"ConfigurationAddTag", "ConfigurationEditTag",
                                                     "ConfigurationRemoveTag", "-", "ConfigurationSendToKavro",
                                                     "ConfigurationGetFromKavro"};
inline constexpr const char* kWebSiteMenu[] = {"WebSiteAddFile", "WebSiteExtractFile", "WebSiteViewFile",
                                               "WebSiteRemoveFile", "-", "WebSiteSendToKavro", "WebSiteGetFromKavro"};
inline constexpr const char* kToolsMenu[] = {"ToolsTagMonitor", "ToolsOptions", "-", "ToolsAbout"};
inline constexpr const char* kWindowMenu[] = {"WindowCascade", "WindowMinimizeAll"};
inline constexpr const char* kDeviceListMenu[] = {"DevicesSearchLocal", "DevicesSearchRemote", "-",
                                                  "DevicesProperties", "DevicesConnect"};
inline constexpr const char* kToolBar[] = {"FileNew", "FileOpen", "FileSave", "-", "DevicesSearchLocal",
                                           "DevicesProperties", "DevicesConnect", "-", "ConfigurationAddTag",
                                           "ConfigurationEditTag", "ConfigurationRemoveTag",
                                           "ConfigurationSendToKavro", "ConfigurationGetFromKavro", "-",
                                           "WebSiteAddFile", "WebSiteExtractFile", "WebSiteViewFile",
                                           "WebSiteRemoveFile", "WebSiteSendToKavro", "WebSiteGetFromKavro"};

}  // namespace qvs::app
