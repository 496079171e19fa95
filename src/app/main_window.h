#pragma once

#include "gateway_runner.h"
#include "main_window_rules.h"
#include "device_data.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTreeView;

namespace qvs {
class DeviceListModel;
class DeviceLocator;
}

namespace qvs::app {

class DocumentRegistry;
class IOptionsAccess;
class IPrompts;
class TInfoMessage;
class TMDIChild;
class TfrmAbout;
class TfrmNewFile;
class TfrmNoFeature;
class TfrmOptions;
class TfrmPassword;
class TfrmSearchRemote;
class TfrmVersion;

// What the main window is built from; main() and the tests hand these in.
struct MainFormParts {
    IPrompts& Prompts;
    DocumentRegistry& Documents;
    IOptionsAccess& Options;
    DeviceLocator& Locator;
    std::unique_ptr<IGatewayClients> Clients;
    // The clients of the configuration transfers, which run on their dialog's own thread; the
    // live ones when none are given.
    std::unique_ptr<IGatewayClients> TransferClients = {};
};

// The frame of the application: documents, device list, actions, the connection.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(MainFormParts parts, QWidget* parent = nullptr);
    ~TMainForm() override;

    QAction* Action(const QString& name) const;
    bool Connected() const { return m_connected; }
    const TDeviceData& ConnectedDevice() const { return m_connectedDevice; }
    int NewFileCounter() const { return m_newFileCounter; }
    DeviceListModel& Devices() { return *m_devicesModel; }
    QTreeView* DeviceList() const { return m_lstDevices; }
    TMDIChild* ActiveDocument() const;
    QList<TMDIChild*> Documents() const;
    bool Busy() const;

    // Opens a file as the document kind its content says; false when it is not recognised.
    bool OpenFile(const QString& path);
    // A new document of that kind named "noname" + counter; null when the kind has no window yet.
    TMDIChild* NewDocument(DocumentKind kind);

    // The exchanges, as callers see them; each calls back on the user-interface thread.
    using ReplyHandler = std::function<void(const ExchangeReply&)>;
    void SendHTTPServer(const QString& host, const QString& remoteHost, Endpoint endpoint, const TPacket& request,
                        ReplyHandler done);
    void SendHTTPAdminServer(const QString& info, const QString& host, const QString& remoteHost,
                             const TPacket& request, ReplyHandler done);
    void SendHTTPAdminNoInfo(const QString& host, const QString& remoteHost, const TPacket& request,
                             ReplyHandler done);
    void SinchronizeOptions();
    // Connecting to a record built from a device-list row; done(true) when connected.
    void ConnectToDevice(const TDeviceData& record, std::function<void(bool)> done);
    // The record the connect and properties actions build from a device-list row.
    TDeviceData RecordFromRow(int row) const;
    int SelectedDeviceRow() const;

    // The long-lived dialogs, for the tests' scripts.
    TfrmPassword& PasswordDialog() const { return *m_frmPassword; }
    TfrmSearchRemote& SearchRemoteDialog() const { return *m_frmSearchRemote; }
    TfrmNewFile& NewFileDialog() const { return *m_frmNewFile; }
    TfrmOptions& OptionsDialog() const { return *m_frmOptions; }
    TfrmAbout& AboutDialog() const { return *m_frmAbout; }
    TfrmVersion& VersionDialog() const { return *m_frmVersion; }
    TfrmNoFeature& NoFeatureDialog() const { return *m_frmNoFeature; }
    // What the configuration transfer dialogs exchange their packets through.
    IPacketExchange& TransferExchange() { return *m_transferExchange; }
    // The unsupported-feature notice, naming the feature the connected gateway lacks.
    void ShowNoFeature(const QString& feature);
    TInfoMessage& InfoMessage() const { return *m_info; }

public slots:
    void ApplicationUpdate();
    void ActionListUpdate();

signals:
    void ConnectFinished(bool connected);
    void LocalSearchFinished();
    void RemoteSearchFinished(bool found);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenusAndBars();
    void CreateCentralArea();
    QMenu* BuildMenu(const QString& title, const char* const* names, size_t count);
    void ScheduleUpdate();
    QMdiSubWindow* ActiveSubWindow() const;
    void AddDocument(TMDIChild* child);
    void SetConnected(bool connected);
    void UpdateWindowMenu();

    void FileNewExecute();
    void FileOpenExecute();
    void DevicesSearchLocalExecute();
    void DevicesSearchRemoteExecute();
    void DevicesConnectExecute();
    void ConfigurationSendToKavroExecute();
    void ConfigurationGetFromKavroExecute();
    void WebSiteSendToKavroExecute();
    void WebSiteGetFromKavroExecute();
    void ToolsOptionsExecute();
    void ToolsAboutExecute();

    IPrompts& m_prompts;
    DocumentRegistry& m_documents;
    IOptionsAccess& m_options;
    DeviceLocator& m_locator;
    GatewayRunner* m_runner;

    bool m_connected = false;
    TDeviceData m_connectedDevice;
    int m_newFileCounter = 1;
    bool m_searching = false;
    bool m_firstShown = false;
    bool m_updatePending = false;

    std::map<QString, QAction*> m_actions;
    QMenu* m_windowMenu = nullptr;
    QMenu* m_deviceListMenu = nullptr;
    QMdiArea* m_mdi = nullptr;
    QTreeView* m_lstDevices = nullptr;
    DeviceListModel* m_devicesModel = nullptr;
    QLabel* m_hintPanel = nullptr;
    QLabel* m_connectionPanel = nullptr;

    TfrmPassword* m_frmPassword = nullptr;
    TfrmSearchRemote* m_frmSearchRemote = nullptr;
    TfrmNewFile* m_frmNewFile = nullptr;
    TfrmOptions* m_frmOptions = nullptr;
    TfrmAbout* m_frmAbout = nullptr;
    TfrmVersion* m_frmVersion = nullptr;
    TfrmNoFeature* m_frmNoFeature = nullptr;
    std::unique_ptr<IGatewayClients> m_transferClients;
    std::unique_ptr<ClientsExchange> m_transferExchange;
    TInfoMessage* m_info = nullptr;
};

}  // namespace qvs::app
