#pragma once

#include <QString>

#include <optional>

namespace qvs::app {

// The kind of a document window is its class; the main window only needs to tell these apart.
enum class DocumentKind { ModbusConfig, HostlinkConfig, DF1Config, Site };

bool IsConfigurationKind(DocumentKind kind);
// The configuration kind for a gateway flavour (0 Modbus, 1 Hostlink, 2 DF1); Modbus for any other number.
DocumentKind ConfigurationKindOfFlavour(int flavour);
// True when a configuration document of this kind may be sent to a gateway of this flavour.
bool KindMatchesFlavour(DocumentKind kind, int flavour);

// What ApplicationUpdate looks at.
struct ApplicationState {
    bool Connected = false;
    QString ConnectedName;
    QString ConnectedMAC;
    struct ActiveDocument {
        DocumentKind Kind = DocumentKind::ModbusConfig;
        QString FileName;
        QString Caption;
        bool Saved = true;
        bool ShowsTagPage = false;
        bool HasSelectedTag = false;
        bool HasSelectedSiteFile = false;
    };
    std::optional<ActiveDocument> Active;  // empty when no document is open
};

// What ApplicationUpdate sets.
struct ApplicationView {
    bool ConfigurationGetFromKavro = false;
    bool WebSiteGetFromKavro = false;
    bool ToolsTagMonitor = false;
    bool FileSave = false;
    bool FileSaveAs = false;
    bool FileClose = false;
    bool ConfigurationSendToKavro = false;
    bool WebSiteSendToKavro = false;
    bool ConfigurationAddTag = false;
    bool ConfigurationEditTag = false;
    bool ConfigurationRemoveTag = false;
    bool WebSiteAddFile = false;
    bool WebSiteExtractFile = false;
    bool WebSiteViewFile = false;
    bool WebSiteRemoveFile = false;
    QString ConnectionText;    // "Not Connected" or Name/MAC
    QString StatusConnection;  // status bar panel 2
    QString ActiveCaption;     // the active document's caption with the unsaved marker applied
    QString Title;             // "QVS - [file] - connection"
};

ApplicationView ApplicationUpdate(const ApplicationState& state);

// The unsaved marker: a trailing "*" while not saved.
QString MarkCaption(const QString& caption, bool saved);

// What ActionListUpdate sets for the device actions.
struct DeviceActionsView {
    bool PropertiesEnabled = false;
    QString PropertiesCaption;
    QString PropertiesHint;
    bool ConnectEnabled = false;
};

struct SelectedRow {
    QString Device;
    QString MAC;
};

DeviceActionsView ActionListUpdate(const std::optional<SelectedRow>& selected, bool connectChecked);

// Caption and hint of the Connect toggle in its two states.
struct ToggleText {
    QString Caption;
    QString Hint;
};
ToggleText ConnectToggleText(bool connected, const QString& name, const QString& mac);

// The name given to a new document: "noname" + counter + ".kvr" or ".kwp".
QString NewDocumentName(DocumentKind kind, int counter);

// The name the save prompt shows: the full path for a document with a file, otherwise its file name only.
QString SavePromptName(const QString& fileName, bool hasFile);

// The model and firmware gates applied before the password check when connecting.
struct ConnectGate {
    enum class Verdict { Proceed, NotManageable, TooNew, TooOld };
    Verdict Result = Verdict::Proceed;
    bool IsKavro = false;
    bool HasLog = false;
    bool NotManageable = false;
    QString Version;      // the version kept for the connection ("-R" and what follows removed)
    QString Message;      // the version dialog's message, when not Proceed
    QString VersionLine;  // "Device version: " + version, when not Proceed
};
// Throws IntegerConversionError when a version component is not a decimal integer.
ConnectGate CheckConnectGates(const QString& name, const QString& version, int flavour);

}  // namespace qvs::app
