#include "main_window_rules.h"

#include "app_texts.h"
#include "gateway_models.h"

namespace qvs::app {

bool IsConfigurationKind(DocumentKind kind)
{
    return kind != DocumentKind::Site;
}

DocumentKind ConfigurationKindOfFlavour(int flavour)
{
    switch (flavour) {
    case 1: return DocumentKind::HostlinkConfig;
    case 2: return DocumentKind::DF1Config;
    default: return DocumentKind::ModbusConfig;
    }
}

bool KindMatchesFlavour(DocumentKind kind, int flavour)
{
    return (kind == DocumentKind::ModbusConfig && flavour == 0) ||
           (kind == DocumentKind::HostlinkConfig && flavour == 1) ||
           (kind == DocumentKind::DF1Config && flavour == 2);
}

QString MarkCaption(const QString& caption, bool saved)
{
    if (saved && caption.endsWith('*'))
        return caption.left(caption.size() - 1);
    if (!saved && !caption.endsWith('*'))
        return caption + '*';
    return caption;
}

ApplicationView ApplicationUpdate(const ApplicationState& state)
{
    ApplicationView view;
    view.ConfigurationGetFromKavro = state.Connected;
    view.WebSiteGetFromKavro = state.Connected;
    view.ToolsTagMonitor = state.Connected;
    if (state.Connected) {
        view.ConnectionText = state.ConnectedName + "/" + state.ConnectedMAC;
        view.StatusConnection = texts::kConnectedTo + view.ConnectionText;
    } else {
        view.ConnectionText = texts::kNotConnected;
        view.StatusConnection = texts::kNotConnected;
    }

    QString fileText;
    if (state.Active) {
        const auto& doc = *state.Active;
        view.FileSave = view.FileSaveAs = view.FileClose = true;
        fileText = doc.FileName;
        view.ActiveCaption = MarkCaption(doc.Caption, doc.Saved);
        const bool configuration = IsConfigurationKind(doc.Kind);
        view.ConfigurationSendToKavro = state.Connected && configuration;
        view.WebSiteSendToKavro = state.Connected && doc.Kind == DocumentKind::Site;
        if (configuration && doc.ShowsTagPage) {
            view.ConfigurationAddTag = true;
            view.ConfigurationEditTag = view.ConfigurationRemoveTag = doc.HasSelectedTag;
        }
        if (doc.Kind == DocumentKind::Site) {
            view.WebSiteAddFile = true;
            view.WebSiteExtractFile = view.WebSiteViewFile = view.WebSiteRemoveFile = doc.HasSelectedSiteFile;
        }
    }
    view.Title = QString("QVS - [%1] - %2").arg(fileText, view.ConnectionText);
    return view;
}

DeviceActionsView ActionListUpdate(const std::optional<SelectedRow>& selected, bool connectChecked)
{
    DeviceActionsView view;
    if (selected) {
        const QString id = selected->Device + "/" + selected->MAC;
        view.PropertiesEnabled = true;
        view.PropertiesCaption = "&Properties of " + id + "...";
        view.PropertiesHint = "Edit Properties of " + id;
        view.ConnectEnabled = true;
    } else {
        view.PropertiesCaption = texts::kPropertiesCaption;
        view.PropertiesHint = texts::kPropertiesHint;
        view.ConnectEnabled = connectChecked;
    }
    return view;
}

ToggleText ConnectToggleText(bool connected, const QString& name, const QString& mac)
{
    if (!connected)
        return {texts::kConnectCaption, texts::kConnectHint};
    const QString id = name + "/" + mac;
    return {"Disco&nnect from " + id, "Disconnect from " + id};
}

QString NewDocumentName(DocumentKind kind, int counter)
{
    return QString(texts::kNoname) + QString::number(counter) + (kind == DocumentKind::Site ? ".kwp" : ".kvr");
}

QString SavePromptName(const QString& fileName, bool hasFile)
{
    if (hasFile)
        return fileName;
    const int slash = qMax(fileName.lastIndexOf('/'), fileName.lastIndexOf('\\'));
    return fileName.mid(slash + 1);
}

ConnectGate CheckConnectGates(const QString& name, const QString& version, int flavour)
{
    ConnectGate gate;
    gate.Version = version;
    gate.IsKavro = name.contains("Kavro");
    if (!gate.IsKavro)
        return gate;
    const std::string raw = version.toStdString();
    gate.HasLog = HasLogFeature(raw);
    gate.NotManageable = IsNotManageableModel(raw);
    if (gate.NotManageable) {
        gate.Result = ConnectGate::Verdict::NotManageable;
        gate.Message = QString(texts::kNotManageable) + texts::kSupportEmail;
        gate.VersionLine = texts::kDeviceVersion + version;
        return gate;
    }
    if (gate.HasLog)
        gate.Version = QString::fromStdString(VersionWithoutLogSuffix(raw));
    const std::string kept = gate.Version.toStdString();
    const auto lowest = LowestSupportedFirmware(static_cast<ConfigFlavour>(flavour == 1 || flavour == 2 ? flavour : 0));
    if (VersionLess(kept, lowest)) {
        gate.Result = ConnectGate::Verdict::TooNew;
        gate.Message = QString(texts::kTooNew) + texts::kSupportEmail;
    } else if (VersionLess(kept, kFirstUnsupportedFirmware)) {
        return gate;
    } else {
        gate.Result = ConnectGate::Verdict::TooOld;
        gate.Message = QString(texts::kTooOld) + texts::kMakerWeb;
    }
    gate.VersionLine = texts::kDeviceVersion + gate.Version;
    return gate;
}

}  // namespace qvs::app
