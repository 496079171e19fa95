#include "main_window.h"

#include "about_dialog.h"
#include "action_table.h"
#include "app_texts.h"
#include "artwork.h"
#include "device_list_model.h"
#include "device_locator.h"
#include "document_registry.h"
#include "dscpkt.h"
#include "info_message.h"
#include "mdi_child.h"
#include "new_file_dialog.h"
#include "no_feature_dialog.h"
#include "options_access.h"
#include "options_dialog.h"
#include "password_dialog.h"
#include "prompts.h"
#include "qprot_errors.h"
#include "remote_search.h"
#include "search_remote_dialog.h"
#include "version_dialog.h"

#include <QAction>
#include <QCloseEvent>
#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <QSplitter>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>

namespace qvs::app {

namespace {

QString Q(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string S(const QString& text)
{
    return text.toStdString();
}

}  // namespace

TMainForm::TMainForm(MainFormParts parts, QWidget* parent)
    : QMainWindow(parent),
      m_prompts(parts.Prompts),
      m_documents(parts.Documents),
      m_options(parts.Options),
      m_locator(parts.Locator),
      m_runner(new GatewayRunner(std::move(parts.Clients), this)),
      m_transferClients(parts.TransferClients ? std::move(parts.TransferClients)
                                              : std::make_unique<LiveGatewayClients>()),
      m_transferExchange(std::make_unique<ClientsExchange>(*m_transferClients))
{
    setObjectName("MainForm");
    setWindowIcon(ApplicationIcon());
    CreateActions();
    CreateCentralArea();
    CreateMenusAndBars();

    // The dialogs that live for the whole run, in their fixed order.
    m_frmPassword = new TfrmPassword(this);
    m_frmSearchRemote = new TfrmSearchRemote(m_prompts, this);
    m_frmNewFile = new TfrmNewFile(this);
    m_frmOptions = new TfrmOptions(m_options, m_prompts, this);
    m_frmAbout = new TfrmAbout(this);
    m_frmVersion = new TfrmVersion(this);
    m_frmNoFeature = new TfrmNoFeature(this);
    m_info = new TInfoMessage(this);

    m_frmSearchRemote->SetSearch([this](const QString& typed,
                                        std::function<void(std::optional<TDeviceData>)> done) {
        m_info->ShowText(texts::kSearchingRemote);
        const std::string host = S(typed);
        m_runner->Run<RemoteSearchResult>(
            [host](IGatewayClients& clients) {
                return SearchRemoteDevice(host, [&](const TPacket& request) {
                    return clients.Exchange(host, host, Endpoint::Admin, request);
                });
            },
            [this, done](RemoteSearchResult result) {
                m_info->hide();
                if (result.Result == RemoteSearchResult::Outcome::NoResponse)
                    m_prompts.Error(texts::kNoResponse);
                else if (result.Result == RemoteSearchResult::Outcome::NotValid)
                    m_prompts.Error(texts::kNotValidResponse);
                done(result.Result == RemoteSearchResult::Outcome::Found ? std::optional(result.Device)
                                                                         : std::nullopt);
            });
    });
    connect(m_runner, &GatewayRunner::BusyChanged, this, &TMainForm::ScheduleUpdate);
    connect(&m_locator, &DeviceLocator::deviceFound, this, [this](const TDeviceData& device) {
        if (m_searching)
            m_devicesModel->AddDeviceToList(device);
    });
    connect(&m_locator, &DeviceLocator::searchFinished, this, [this] {
        m_searching = false;
        m_info->hide();
        ActionListUpdate();
        emit LocalSearchFinished();
    });
    connect(&m_locator, &DeviceLocator::error, this, [this](const QString& message) { m_prompts.Error(message); });
    connect(&m_locator, &DeviceLocator::warning, this, [this](const QString& message) { m_prompts.Warning(message); });

    ApplicationUpdate();
    ActionListUpdate();
}

TMainForm::~TMainForm()
{
    // Children die after this body; their signals must not reach a half-destroyed frame.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
    // The dialogs go first: a transfer dialog's thread uses the transfer clients, members that
    // die before the children would.
    qDeleteAll(findChildren<QDialog*>(Qt::FindDirectChildrenOnly));
}

QAction* TMainForm::Action(const QString& name) const
{
    const auto found = m_actions.find(name);
    return found == m_actions.end() ? nullptr : found->second;
}

bool TMainForm::Busy() const
{
    return m_runner->Busy();
}

void TMainForm::CreateActions()
{
    for (const ActionDef& def : kActionTable) {
        auto* action = new QAction(def.Caption, this);
        action->setObjectName(def.Name);
        action->setStatusTip(def.Hint);
        action->setToolTip(def.Hint);
        if (*def.Shortcut)
            action->setShortcut(QKeySequence(def.Shortcut));
        m_actions[def.Name] = action;
    }
    auto* s = style();
    Action("FileNew")->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    Action("FileOpen")->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    Action("FileSave")->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    Action("DevicesSearchLocal")->setIcon(s->standardIcon(QStyle::SP_BrowserReload));
    Action("DevicesProperties")->setIcon(s->standardIcon(QStyle::SP_FileDialogDetailedView));
    Action("DevicesConnect")->setCheckable(true);
    Action("DevicesConnect")->setIcon(ConnectIcon(false));
    Action("ConfigurationSendToKavro")->setIcon(s->standardIcon(QStyle::SP_ArrowUp));
    Action("ConfigurationGetFromKavro")->setIcon(s->standardIcon(QStyle::SP_ArrowDown));
    Action("WebSiteSendToKavro")->setIcon(s->standardIcon(QStyle::SP_ArrowUp));
    Action("WebSiteGetFromKavro")->setIcon(s->standardIcon(QStyle::SP_ArrowDown));
    Action("ToolsAbout")->setIcon(ApplicationIcon());

    connect(Action("FileNew"), &QAction::triggered, this, &TMainForm::FileNewExecute);
    connect(Action("FileOpen"), &QAction::triggered, this, &TMainForm::FileOpenExecute);
    connect(Action("FileSave"), &QAction::triggered, this, [this] {
        if (auto* doc = ActiveDocument())
            doc->Save();
    });
    connect(Action("FileSaveAs"), &QAction::triggered, this, [this] {
        if (auto* doc = ActiveDocument())
            doc->SaveAs();
    });
    connect(Action("FileClose"), &QAction::triggered, this, [this] {
        if (auto* sub = ActiveSubWindow())
            sub->close();
    });
    connect(Action("FileExit"), &QAction::triggered, this, &QWidget::close);
    connect(Action("DevicesSearchLocal"), &QAction::triggered, this, &TMainForm::DevicesSearchLocalExecute);
    connect(Action("DevicesSearchRemote"), &QAction::triggered, this, &TMainForm::DevicesSearchRemoteExecute);
    connect(Action("DevicesConnect"), &QAction::triggered, this, &TMainForm::DevicesConnectExecute);
    connect(Action("ConfigurationAddTag"), &QAction::triggered, this, [this] {
        if (auto* doc = ActiveDocument(); doc && IsConfigurationKind(doc->Kind()))
            doc->AddTag();
    });
    connect(Action("ConfigurationEditTag"), &QAction::triggered, this, [this] {
        if (auto* doc = ActiveDocument(); doc && IsConfigurationKind(doc->Kind()) && doc->HasSelectedTag())
            doc->EditTag();
    });
    connect(Action("ConfigurationRemoveTag"), &QAction::triggered, this, [this] {
        if (auto* doc = ActiveDocument(); doc && IsConfigurationKind(doc->Kind()) && doc->HasSelectedTag())
            doc->RemoveTag();
    });
    connect(Action("ConfigurationSendToKavro"), &QAction::triggered, this,
            &TMainForm::ConfigurationSendToKavroExecute);
    connect(Action("ConfigurationGetFromKavro"), &QAction::triggered, this,
            &TMainForm::ConfigurationGetFromKavroExecute);
    connect(Action("WebSiteSendToKavro"), &QAction::triggered, this, &TMainForm::WebSiteSendToKavroExecute);
    connect(Action("WebSiteGetFromKavro"), &QAction::triggered, this, &TMainForm::WebSiteGetFromKavroExecute);
    connect(Action("ToolsOptions"), &QAction::triggered, this, &TMainForm::ToolsOptionsExecute);
    connect(Action("ToolsAbout"), &QAction::triggered, this, &TMainForm::ToolsAboutExecute);
    connect(Action("WindowCascade"), &QAction::triggered, this, [this] { m_mdi->cascadeSubWindows(); });
    connect(Action("WindowMinimizeAll"), &QAction::triggered, this, [this] {
        for (auto* sub : m_mdi->subWindowList())
            sub->showMinimized();
    });
}

QMenu* TMainForm::BuildMenu(const QString& title, const char* const* names, size_t count)
{
    auto* menu = new QMenu(title, this);
    for (size_t i = 0; i < count; ++i) {
        if (QString(names[i]) == "-")
            menu->addSeparator();
        else
            menu->addAction(Action(names[i]));
    }
    return menu;
}

void TMainForm::CreateMenusAndBars()
{
    auto add = [this](const char* title, const auto& names, const char* objectName) {
        QMenu* menu = BuildMenu(title, names, std::size(names));
        menu->setObjectName(objectName);
        menuBar()->addMenu(menu);
        return menu;
    };
    add(texts::kMenuFile, kFileMenu, "mnuFile");
    add(texts::kMenuDevices, kDevicesMenu, "mnuDevices");
    add(texts::kMenuConfiguration, kConfigurationMenu, "mnuConfiguration");
    add(texts::kMenuWebSite, kWebSiteMenu, "mnuWebSite");
    add(texts::kMenuTools, kToolsMenu, "mnuTools");
    m_windowMenu = add(texts::kMenuWindow, kWindowMenu, "mnuWindow");
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::UpdateWindowMenu);

    m_deviceListMenu = BuildMenu(QString(), kDeviceListMenu, std::size(kDeviceListMenu));
    m_deviceListMenu->setObjectName("mnuDeviceList");

    auto* toolBar = addToolBar("Tools");
    toolBar->setObjectName("tlbMain");
    toolBar->setMovable(false);
    for (const char* name : kToolBar) {
        if (QString(name) == "-")
            toolBar->addSeparator();
        else
            toolBar->addAction(Action(name));
    }

    m_hintPanel = new QLabel(this);
    m_hintPanel->setObjectName("StatusHint");
    m_connectionPanel = new QLabel(this);
    m_connectionPanel->setObjectName("StatusConnection");
    m_connectionPanel->setMinimumWidth(280);
    statusBar()->addWidget(m_hintPanel, 1);
    statusBar()->addPermanentWidget(m_connectionPanel);
}

void TMainForm::CreateCentralArea()
{
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName("MDIArea");
    m_mdi->setActivationOrder(QMdiArea::ActivationHistoryOrder);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &TMainForm::ScheduleUpdate);

    m_devicesModel = new DeviceListModel(this);
    m_lstDevices = new QTreeView(this);
    m_lstDevices->setObjectName("lstDevices");
    m_lstDevices->setModel(m_devicesModel);
    m_lstDevices->setRootIsDecorated(false);
    m_lstDevices->setItemsExpandable(false);
    m_lstDevices->setUniformRowHeights(true);
    m_lstDevices->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_lstDevices->setSelectionMode(QAbstractItemView::SingleSelection);
    m_lstDevices->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_lstDevices->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int column = 0; column < DeviceListModel::kColumns; ++column)
        m_lstDevices->setColumnHidden(column, DeviceListModel::IsHiddenColumn(column));
    const int widths[] = {130, 110, 140, 90, 50, 110, 110, 110, 140};
    for (int i = 0; i < 9; ++i)
        m_lstDevices->setColumnWidth(i, widths[i]);
    connect(m_lstDevices->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TMainForm::ActionListUpdate);
    connect(m_devicesModel, &QAbstractItemModel::modelReset, this, &TMainForm::ActionListUpdate);
    connect(m_lstDevices, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        ActionListUpdate();
        m_deviceListMenu->popup(m_lstDevices->viewport()->mapToGlobal(at));
    });

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName("splMain");
    splitter->addWidget(m_mdi);
    splitter->addWidget(m_lstDevices);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 1);
    setCentralWidget(splitter);
}

bool TMainForm::event(QEvent* event)
{
    if (event->type() == QEvent::StatusTip) {
        // Panel 1 follows the hint of the action under the pointer; panel 2 keeps the connection.
        m_hintPanel->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_firstShown)
        return;
    m_firstShown = true;
    m_locator.Open();
    SinchronizeOptions();
    m_locator.SetDeviceLocatorAction(DeviceLocator::Mode::Idle);
}

void TMainForm::closeEvent(QCloseEvent* event)
{
    // Every document asks for itself; one Cancel keeps the application open.
    m_mdi->closeAllSubWindows();
    if (!m_mdi->subWindowList().isEmpty()) {
        event->ignore();
        return;
    }
    event->accept();
}

void TMainForm::ScheduleUpdate()
{
    if (m_updatePending)
        return;
    m_updatePending = true;
    QTimer::singleShot(0, this, [this] {
        m_updatePending = false;
        ApplicationUpdate();
        ActionListUpdate();
    });
}

QMdiSubWindow* TMainForm::ActiveSubWindow() const
{
    // While the frame itself is not the active window the area reports none; the last one
    // activated is still the one the actions mean.
    if (QMdiSubWindow* sub = m_mdi->activeSubWindow())
        return sub;
    const auto list = m_mdi->subWindowList(QMdiArea::ActivationHistoryOrder);
    return list.isEmpty() ? nullptr : list.last();
}

TMDIChild* TMainForm::ActiveDocument() const
{
    QMdiSubWindow* sub = ActiveSubWindow();
    return sub ? qobject_cast<TMDIChild*>(sub->widget()) : nullptr;
}

QList<TMDIChild*> TMainForm::Documents() const
{
    QList<TMDIChild*> documents;
    for (auto* sub : m_mdi->subWindowList())
        if (auto* doc = qobject_cast<TMDIChild*>(sub->widget()))
            documents.append(doc);
    return documents;
}

void TMainForm::ApplicationUpdate()
{
    ApplicationState state;
    state.Connected = m_connected;
    state.ConnectedName = Q(m_connectedDevice.Name);
    state.ConnectedMAC = Q(m_connectedDevice.MAC);
    TMDIChild* doc = ActiveDocument();
    if (doc) {
        ApplicationState::ActiveDocument active;
        active.Kind = doc->Kind();
        active.FileName = doc->FileName();
        active.Caption = doc->windowTitle();
        active.Saved = doc->Saved();
        active.ShowsTagPage = doc->ShowsTagPage();
        active.HasSelectedTag = doc->HasSelectedTag();
        active.HasSelectedSiteFile = doc->HasSelectedSiteFile();
        state.Active = active;
    }
    const ApplicationView view = qvs::app::ApplicationUpdate(state);
    const bool idle = !m_runner->Busy();
    Action("ConfigurationGetFromKavro")->setEnabled(view.ConfigurationGetFromKavro && idle);
    Action("WebSiteGetFromKavro")->setEnabled(view.WebSiteGetFromKavro && idle);
    Action("ToolsTagMonitor")->setEnabled(view.ToolsTagMonitor);
    Action("FileSave")->setEnabled(view.FileSave);
    Action("FileSaveAs")->setEnabled(view.FileSaveAs);
    Action("FileClose")->setEnabled(view.FileClose);
    Action("ConfigurationSendToKavro")->setEnabled(view.ConfigurationSendToKavro && idle);
    Action("WebSiteSendToKavro")->setEnabled(view.WebSiteSendToKavro && idle);
    Action("ConfigurationAddTag")->setEnabled(view.ConfigurationAddTag);
    Action("ConfigurationEditTag")->setEnabled(view.ConfigurationEditTag);
    Action("ConfigurationRemoveTag")->setEnabled(view.ConfigurationRemoveTag);
    Action("WebSiteAddFile")->setEnabled(view.WebSiteAddFile);
    Action("WebSiteExtractFile")->setEnabled(view.WebSiteExtractFile);
    Action("WebSiteViewFile")->setEnabled(view.WebSiteViewFile);
    Action("WebSiteRemoveFile")->setEnabled(view.WebSiteRemoveFile);
    if (doc && doc->windowTitle() != view.ActiveCaption)
        doc->setWindowTitle(view.ActiveCaption);
    m_connectionPanel->setText(view.StatusConnection);
    setWindowTitle(view.Title);
}

int TMainForm::SelectedDeviceRow() const
{
    const auto rows = m_lstDevices->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TMainForm::ActionListUpdate()
{
    std::optional<SelectedRow> selected;
    const int row = SelectedDeviceRow();
    if (row >= 0)
        selected = SelectedRow{Q(m_devicesModel->RowCells(row)[DeviceListModel::ColDevice]),
                               Q(m_devicesModel->RowCells(row)[DeviceListModel::ColMAC])};
    QAction* connectAction = Action("DevicesConnect");
    const DeviceActionsView view = qvs::app::ActionListUpdate(selected, connectAction->isChecked());
    QAction* properties = Action("DevicesProperties");
    properties->setText(view.PropertiesCaption);
    properties->setStatusTip(view.PropertiesHint);
    properties->setToolTip(view.PropertiesHint);
    properties->setEnabled(view.PropertiesEnabled && !m_runner->Busy());
    connectAction->setEnabled(view.ConnectEnabled && !m_runner->Busy());
    Action("DevicesSearchLocal")->setEnabled(!m_runner->Busy() && !m_searching);
    Action("DevicesSearchRemote")->setEnabled(!m_runner->Busy() && !m_searching);
}

void TMainForm::AddDocument(TMDIChild* child)
{
    QMdiSubWindow* sub = m_mdi->addSubWindow(child);
    sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    if (!child->sizeHint().isValid() || child->sizeHint().width() < 200)
        sub->resize(640, 420);
    connect(child, &TMDIChild::StateChanged, this, &TMainForm::ScheduleUpdate);
    connect(child, &QObject::destroyed, this, &TMainForm::ScheduleUpdate);
    child->show();
    m_mdi->setActiveSubWindow(sub);
    ScheduleUpdate();
}

TMDIChild* TMainForm::NewDocument(DocumentKind kind)
{
    TMDIChild* child = m_documents.Create(kind, m_prompts);
    if (!child)
        return nullptr;
    child->New(NewDocumentName(kind, m_newFileCounter));
    ++m_newFileCounter;
    AddDocument(child);
    return child;
}

bool TMainForm::OpenFile(const QString& path)
{
    const auto kind = m_documents.Recognise(path);
    TMDIChild* child = kind ? m_documents.Create(*kind, m_prompts) : nullptr;
    if (!child) {
        m_prompts.Error(QString(texts::kNotRecognized).replace("%s", path));
        return false;
    }
    child->Open(path);
    AddDocument(child);
    return true;
}

void TMainForm::UpdateWindowMenu()
{
    m_windowMenu->clear();
    for (const char* name : kWindowMenu)
        m_windowMenu->addAction(Action(name));
    const auto windows = m_mdi->subWindowList();
    if (!windows.isEmpty())
        m_windowMenu->addSeparator();
    for (int i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* sub = windows[i];
        QAction* item = m_windowMenu->addAction(QString("&%1 %2").arg(i + 1).arg(sub->windowTitle()));
        item->setCheckable(true);
        item->setChecked(sub == m_mdi->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, sub] { m_mdi->setActiveSubWindow(sub); });
    }
}

void TMainForm::FileNewExecute()
{
    m_frmNewFile->SetKinds(m_documents.OfferedKinds());
    if (m_prompts.RunDialog(*m_frmNewFile) != QDialog::Accepted)
        return;
    if (const auto kind = m_frmNewFile->Chosen())
        NewDocument(*kind);
}

void TMainForm::FileOpenExecute()
{
    const QString path = m_prompts.OpenFileName(texts::kOpenFilter);
    if (!path.isEmpty())
        OpenFile(path);
}

// ---- Exchanges ----

void TMainForm::SendHTTPServer(const QString& host, const QString& remoteHost, Endpoint endpoint,
                               const TPacket& request, ReplyHandler done)
{
    const std::string h = S(host), r = S(remoteHost);
    QPointer<TMainForm> self(this);
    m_runner->Run<ExchangeReply>(
        [h, r, endpoint, request](IGatewayClients& clients) { return clients.Exchange(h, r, endpoint, request); },
        [self, done](ExchangeReply reply) {
            if (!self)
                return;
            if (!reply.Ok)
                self->m_prompts.Error(texts::kNoResponse);
            done(reply);
        });
}

void TMainForm::SendHTTPAdminServer(const QString& info, const QString& host, const QString& remoteHost,
                                    const TPacket& request, ReplyHandler done)
{
    m_info->ShowText(info);
    const std::string h = S(host), r = S(remoteHost);
    QPointer<TMainForm> self(this);
    m_runner->Run<ExchangeReply>(
        [h, r, request](IGatewayClients& clients) { return clients.Exchange(h, r, Endpoint::Admin, request); },
        [self, done](ExchangeReply reply) {
            if (!self)
                return;
            self->m_info->hide();
            if (!reply.Ok)
                self->m_prompts.Error(texts::kNoResponse);
            done(reply);
        });
}

void TMainForm::SendHTTPAdminNoInfo(const QString& host, const QString& remoteHost, const TPacket& request,
                                    ReplyHandler done)
{
    SendHTTPServer(host, remoteHost, Endpoint::Admin, request, std::move(done));
}

void TMainForm::SinchronizeOptions()
{
    HttpProxyOptions proxy;
    const StoredOptions stored = m_options.Read();
    proxy.Enabled = stored.HTTPEnabled;
    if (stored.HTTPEnabled) {
        proxy.Server = stored.HTTPServer;
        proxy.Port = stored.HTTPPort;
        proxy.BasicAuth = stored.HTTPAuth;
        proxy.User = stored.HTTPUser;
        proxy.Password = stored.HTTPPassword;
    }
    m_runner->Configure([proxy](IGatewayClients& clients) { clients.SetProxy(proxy); });
    // No transfer runs now: its dialog is modal, and so is the options dialog that calls this.
    m_transferClients->SetProxy(proxy);
}

void TMainForm::ShowNoFeature(const QString& feature)
{
    m_frmNoFeature->SetFeature(feature);
    m_prompts.RunDialog(*m_frmNoFeature);
}

// ---- Discovery ----

void TMainForm::DevicesSearchLocalExecute()
{
    if (m_searching)
        return;
    m_devicesModel->RemoveLocalRows();
    m_searching = true;
    ActionListUpdate();
    // A failed send shows its message; the wait runs all the same.
    m_locator.StartSearch();
    m_info->ShowText(texts::kGettingData);
}

void TMainForm::DevicesSearchRemoteExecute()
{
    if (m_prompts.RunDialog(*m_frmSearchRemote) != QDialog::Accepted) {
        emit RemoteSearchFinished(false);
        return;
    }
    TDeviceData found = m_frmSearchRemote->Result();
    found.HasHostName = true;
    found.IsKavro = true;
    m_devicesModel->AddDeviceToList(found);
    emit RemoteSearchFinished(true);
}

// ---- Connecting ----

TDeviceData TMainForm::RecordFromRow(int row) const
{
    const TDeviceData& cells = m_devicesModel->Device(row);
    TDeviceData record;
    record.Name = cells.Name;
    record.Host = cells.Host;
    record.MAC = cells.MAC;
    record.Version = cells.Version;
    record.IP = cells.IP;
    record.RemoteHost = cells.RemoteHost;
    record.User = "admin";
    record.Flavour = cells.Flavour;
    return record;
}

void TMainForm::SetConnected(bool connected)
{
    m_connected = connected;
    QAction* action = Action("DevicesConnect");
    action->setChecked(connected);
    const ToggleText text = ConnectToggleText(connected, Q(m_connectedDevice.Name), Q(m_connectedDevice.MAC));
    action->setText(text.Caption);
    action->setStatusTip(text.Hint);
    action->setToolTip(text.Hint);
    action->setIcon(ConnectIcon(connected));
    ApplicationUpdate();
    ActionListUpdate();
}

void TMainForm::DevicesConnectExecute()
{
    if (m_connected) {
        SetConnected(false);
        emit ConnectFinished(false);
        return;
    }
    // The toggle is pressed only once the gateway has accepted the password.
    Action("DevicesConnect")->setChecked(false);
    const int row = SelectedDeviceRow();
    if (row < 0 || m_runner->Busy())
        return;
    ConnectToDevice(RecordFromRow(row), [this](bool connected) {
        if (connected)
            SetConnected(true);
        else
            Action("DevicesConnect")->setChecked(false);
        ActionListUpdate();
        emit ConnectFinished(connected);
    });
}

void TMainForm::ConnectToDevice(const TDeviceData& record, std::function<void(bool)> done)
{
    if (m_prompts.RunDialog(*m_frmPassword) != QDialog::Accepted) {
        done(false);
        return;
    }
    const QString password = m_frmPassword->Password();
    m_connectedDevice = record;

    ConnectGate gate;
    try {
        gate = CheckConnectGates(Q(record.Name), Q(record.Version), record.Flavour);
    } catch (const ConversionError& error) {
        m_prompts.Error(QString::fromStdString(error.what()));
        done(false);
        return;
    }
    m_connectedDevice.IsKavro = gate.IsKavro;
    m_connectedDevice.HasLog = gate.HasLog;
    m_connectedDevice.NotManageable = gate.NotManageable;
    m_connectedDevice.Version = S(gate.Version);
    if (gate.Result != ConnectGate::Verdict::Proceed) {
        m_frmVersion->SetMessage(gate.Message, gate.VersionLine);
        const int closedBy = m_prompts.RunDialog(*m_frmVersion);
        // A firmware newer than this release may still be tried when the dialog is dismissed.
        if (gate.Result != ConnectGate::Verdict::TooOld || closedBy == QDialog::Accepted) {
            done(false);
            return;
        }
    }

    TPacket request;
    request.NewPacket("GETADMIN");
    QPointer<TMainForm> self(this);
    SendHTTPAdminServer(texts::kConnecting, Q(m_connectedDevice.IP), Q(m_connectedDevice.RemoteHost), request,
                        [self, password, done](const ExchangeReply& reply) {
                            if (!self)
                                return;
                            if (!reply.Ok) {
                                self->m_prompts.Error(texts::kUnableToConnect);
                                done(false);
                                return;
                            }
                            std::optional<std::string> stored;
                            try {
                                stored = reply.Reply.GetString("PWD", "");
                            } catch (const QProtError&) {
                                // An unreadable value matches no password.
                            }
                            if (!stored || Q(*stored) != password) {
                                self->m_prompts.Error(texts::kWrongPassword);
                                done(false);
                                return;
                            }
                            self->m_connectedDevice.Password = S(password);
                            const QString id =
                                Q(self->m_connectedDevice.Name) + "/" + Q(self->m_connectedDevice.MAC);
                            self->m_prompts.Information(QString(texts::kConnected).replace("%s", id));
                            done(true);
                        });
}

// ---- Sending and fetching ----

void TMainForm::ConfigurationSendToKavroExecute()
{
    TMDIChild* doc = ActiveDocument();
    if (!m_connected || !doc)
        return;
    if (!KindMatchesFlavour(doc->Kind(), m_connectedDevice.Flavour)) {
        m_prompts.Error(texts::kFlavourMismatch);
        return;
    }
    doc->SendToKavro(m_connectedDevice);
}

void TMainForm::ConfigurationGetFromKavroExecute()
{
    if (!m_connected)
        return;
    if (TMDIChild* doc = NewDocument(ConfigurationKindOfFlavour(m_connectedDevice.Flavour)))
        doc->GetFromKavro(m_connectedDevice);
}

void TMainForm::WebSiteSendToKavroExecute()
{
    TMDIChild* doc = ActiveDocument();
    if (m_connected && doc && doc->Kind() == DocumentKind::Site)
        doc->SendToKavro(m_connectedDevice);
}

void TMainForm::WebSiteGetFromKavroExecute()
{
    if (!m_connected)
        return;
    if (TMDIChild* doc = NewDocument(DocumentKind::Site))
        doc->GetFromKavro(m_connectedDevice);
}

// ---- Tools ----

void TMainForm::ToolsOptionsExecute()
{
    if (m_prompts.RunDialog(*m_frmOptions) == QDialog::Accepted)
        SinchronizeOptions();
}

void TMainForm::ToolsAboutExecute()
{
    m_prompts.RunDialog(*m_frmAbout);
}

}  // namespace qvs::app
