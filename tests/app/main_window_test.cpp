#include "action_table.h"
#include "app_texts.h"
#include "device_list_model.h"
#include "main_window_fixture.h"
#include "info_message.h"
#include "new_file_dialog.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QSignalSpy>
#include <QTreeView>

using namespace qvs::app;
using namespace qvs::app::testing;
using qvs::DeviceListModel;
using qvs::DeviceLocator;

namespace {

std::string Str(const QString& text)
{
    return text.toStdString();
}

QStringList MenuLayout(QMenu* menu)
{
    QStringList items;
    for (QAction* action : menu->actions())
        items << (action->isSeparator() ? "-" : action->objectName());
    return items;
}

TEST_F(MainWindowTest, StartUpStateAndTitle)
{
    Update();
    EXPECT_EQ("QVS - [] - Not Connected", Str(Window->windowTitle()));
    EXPECT_EQ("Not Connected", Str(Window->findChild<QLabel*>("StatusConnection")->text()));
    EXPECT_FALSE(Window->Connected());
    EXPECT_EQ(1, Window->NewFileCounter());
    const QStringList usable = {"FileNew", "FileOpen", "FileExit", "DevicesSearchLocal", "DevicesSearchRemote",
                                "ToolsOptions", "ToolsAbout", "WindowCascade", "WindowMinimizeAll"};
    for (const ActionDef& def : kActionTable)
        EXPECT_EQ(usable.contains(def.Name), Enabled(def.Name)) << def.Name;
    // Showing the window applied the proxy options once.
    ASSERT_TRUE(WaitFor([&] { return Shared->ProxyUpdates == 1; }));
}

TEST_F(MainWindowTest, EveryActionHasItsCaptionHintAndShortcut)
{
    for (const ActionDef& def : kActionTable) {
        QAction* action = Window->Action(def.Name);
        ASSERT_NE(action, nullptr) << def.Name;
        EXPECT_EQ(def.Caption, Str(action->text())) << def.Name;
        EXPECT_EQ(def.Hint, Str(action->statusTip())) << def.Name;
        EXPECT_EQ(def.Shortcut, Str(action->shortcut().toString())) << def.Name;
    }
    EXPECT_EQ(26u, std::size(kActionTable));
    EXPECT_EQ("Ctrl+O", Str(Window->Action("FileOpen")->shortcut().toString()));
    EXPECT_EQ("Ctrl+X", Str(Window->Action("FileExit")->shortcut().toString()));
}

TEST_F(MainWindowTest, SixMenusToolBarAndContextMenu)
{
    const auto menus = Window->menuBar()->actions();
    ASSERT_EQ(6, menus.size());
    const char* titles[] = {"&File", "&Devices", "&Configuration", "Web &Site", "&Tools", "&Window"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(titles[i], Str(menus[i]->text()));
    EXPECT_EQ(QStringList({"FileNew", "-", "FileOpen", "FileSave", "FileSaveAs", "FileClose", "-", "FileExit"}),
              MenuLayout(menus[0]->menu()));
    EXPECT_EQ(QStringList({"DevicesSearchLocal", "DevicesSearchRemote", "-", "DevicesConnect", "-",
                           "DevicesProperties"}),
              MenuLayout(menus[1]->menu()));
    EXPECT_EQ(QStringList({"ToolsTagMonitor", "ToolsOptions", "-", "ToolsAbout"}), MenuLayout(menus[4]->menu()));
    auto* context = Window->findChild<QMenu*>("mnuDeviceList");
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(QStringList({"DevicesSearchLocal", "DevicesSearchRemote", "-", "DevicesProperties", "DevicesConnect"}),
              MenuLayout(context));
    auto* bar = Window->findChild<QToolBar*>("tlbMain");
    ASSERT_NE(bar, nullptr);
    QStringList tools;
    for (QAction* action : bar->actions())
        tools << (action->isSeparator() ? "-" : action->objectName());
    EXPECT_EQ(17, tools.size() - tools.count("-"));
    EXPECT_EQ(3, tools.count("-"));
    EXPECT_EQ("FileNew", tools.first());
    EXPECT_EQ("WebSiteGetFromKavro", tools.last());
}

TEST_F(MainWindowTest, StatusPanelOneShowsTheHintUnderThePointer)
{
    // What a menu or the tool bar does for the action under the pointer.
    Window->Action("FileOpen")->showStatusText(Window.get());
    EXPECT_EQ("Open an existing File", Str(Window->findChild<QLabel*>("StatusHint")->text()));
    EXPECT_EQ("Not Connected", Str(Window->findChild<QLabel*>("StatusConnection")->text()));
}

TEST_F(MainWindowTest, NewDocumentsCountAcrossKinds)
{
    FakeDocument* first = NewFake(DocumentKind::ModbusConfig);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ("noname1.kvr", Str(first->windowTitle()));
    EXPECT_TRUE(first->FileName().endsWith("/noname1.kvr"));
    EXPECT_FALSE(first->HasFile());
    EXPECT_TRUE(first->Saved());
    FakeDocument* second = NewFake(DocumentKind::Site);
    EXPECT_EQ("noname2.kwp", Str(second->windowTitle()));
    EXPECT_EQ(3, Window->NewFileCounter());
    EXPECT_EQ(Str("QVS - [" + second->FileName() + "] - Not Connected"), Str(Window->windowTitle()));
    EXPECT_TRUE(Enabled("FileSave") && Enabled("FileSaveAs") && Enabled("FileClose"));
    EXPECT_TRUE(Enabled("WebSiteAddFile"));
    EXPECT_FALSE(Enabled("WebSiteRemoveFile"));
}

TEST_F(MainWindowTest, NewFileDialogOffersTheKindsThatExist)
{
    Prompts.ExpectDialog("frmNewFile", [](QDialog& dialog) {
        auto* list = dialog.findChild<QListWidget*>("lstFileTypes");
        EXPECT_EQ(3, list->count());
        EXPECT_EQ("Kavro Modbus Configuration", Str(list->item(0)->text()));
        EXPECT_EQ("Kavro Hostlink Configuration", Str(list->item(1)->text()));
        EXPECT_EQ("Kavro Web Site", Str(list->item(2)->text()));
        EXPECT_EQ(0, list->currentRow());
        list->setCurrentRow(1);
        Click(dialog, "btnOk");
        return dialog.result();
    });
    Window->Action("FileNew")->trigger();
    ASSERT_EQ(1, Window->Documents().size());
    EXPECT_EQ(DocumentKind::HostlinkConfig, Window->Documents().first()->Kind());

    Prompts.ExpectDialog("frmNewFile", [](QDialog& dialog) {
        Click(dialog, "btnCancel");
        return dialog.result();
    });
    Window->Action("FileNew")->trigger();
    EXPECT_EQ(1, Window->Documents().size());
    EXPECT_EQ(2, Window->NewFileCounter());
}

TEST_F(MainWindowTest, CaptionStarFollowsSavedState)
{
    FakeDocument* doc = NewFake(DocumentKind::ModbusConfig);
    doc->Change();
    Update();
    EXPECT_EQ("noname1.kvr*", Str(doc->windowTitle()));
    doc->UpdateFile();
    Update();
    EXPECT_EQ("noname1.kvr", Str(doc->windowTitle()));
}

TEST_F(MainWindowTest, SavePromptYesSavesThenCloses)
{
    FakeDocument* doc = NewFake(DocumentKind::ModbusConfig);
    doc->Change();
    QTemporaryDir dir;
    Prompts.ExpectMessage(PromptKind::Confirmation, "File \"noname1.kvr\" has Changed. Save this file?",
                          PromptAnswer::Yes);
    Prompts.ExpectFile(dir.filePath("plant.kvr"));
    Window->Action("FileClose")->trigger();
    Update();
    EXPECT_TRUE(Window->Documents().isEmpty());
}

TEST_F(MainWindowTest, SavePromptYesWithCancelledSaveAsStaysOpen)
{
    FakeDocument* doc = NewFake(DocumentKind::ModbusConfig);
    doc->Change();
    Prompts.ExpectMessage(PromptKind::Confirmation, "File \"noname1.kvr\" has Changed. Save this file?",
                          PromptAnswer::Yes);
    Prompts.ExpectFile("");
    Window->Action("FileClose")->trigger();
    Update();
    EXPECT_EQ(1, Window->Documents().size());
}

TEST_F(MainWindowTest, SavePromptNoClosesWithoutSaving)
{
    FakeDocument* doc = NewFake(DocumentKind::ModbusConfig);
    doc->Change();
    Prompts.ExpectMessage(PromptKind::Confirmation, "File \"noname1.kvr\" has Changed. Save this file?",
                          PromptAnswer::No);
    Window->Action("FileClose")->trigger();
    Update();
    EXPECT_TRUE(Window->Documents().isEmpty());
}

TEST_F(MainWindowTest, SavePromptCancelKeepsItOpenAndUnsaved)
{
    FakeDocument* doc = NewFake(DocumentKind::ModbusConfig);
    doc->Change();
    Prompts.ExpectMessage(PromptKind::Confirmation, "File \"noname1.kvr\" has Changed. Save this file?",
                          PromptAnswer::Cancel);
    Window->Action("FileClose")->trigger();
    Update();
    ASSERT_EQ(1, Window->Documents().size());
    EXPECT_FALSE(doc->Saved());
    EXPECT_EQ(0, doc->Updates);
}

TEST_F(MainWindowTest, SavePromptForAFileShowsTheFullPath)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("line.kvr");
    Registry.RegisterRecogniser(DocumentKind::ModbusConfig, [](const QString&) { return true; });
    ASSERT_TRUE(Window->OpenFile(path));
    auto* doc = qobject_cast<FakeDocument*>(Window->Documents().first());
    doc->Change();
    Update();
    Prompts.ExpectMessage(PromptKind::Confirmation, QString("File \"%1\" has Changed. Save this file?").arg(path),
                          PromptAnswer::Yes);
    Window->Action("FileClose")->trigger();
    Update();
    EXPECT_TRUE(Window->Documents().isEmpty());
}

TEST_F(MainWindowTest, ExitAsksForEveryUnsavedDocumentAndCancelStops)
{
    FakeDocument* a = NewFake(DocumentKind::ModbusConfig);
    NewFake(DocumentKind::HostlinkConfig);  // saved: no question
    FakeDocument* c = NewFake(DocumentKind::Site);
    a->Change();
    c->Change();
    Prompts.ExpectMessage(PromptKind::Confirmation, "File \"noname1.kvr\" has Changed. Save this file?",
                          PromptAnswer::No);
    Prompts.ExpectMessage(PromptKind::Confirmation, "File \"noname3.kwp\" has Changed. Save this file?",
                          PromptAnswer::Cancel);
    Window->Action("FileExit")->trigger();
    Update();
    EXPECT_TRUE(Window->isVisible());
    ASSERT_EQ(1, Window->Documents().size());
    EXPECT_EQ(c, Window->Documents().first());

    Prompts.ExpectMessage(PromptKind::Confirmation, "File \"noname3.kwp\" has Changed. Save this file?",
                          PromptAnswer::No);
    Window->Action("FileExit")->trigger();
    Update();
    EXPECT_FALSE(Window->isVisible());
}

TEST_F(MainWindowTest, OpenFileRecognisesByContentInOrder)
{
    QTemporaryDir dir;
    std::vector<QString> asked;
    Registry.RegisterRecogniser(DocumentKind::ModbusConfig, [&](const QString& p) {
        asked.push_back("MB");
        return p.endsWith("mb.txt");
    });
    Registry.RegisterRecogniser(DocumentKind::HostlinkConfig, [&](const QString& p) {
        asked.push_back("HL");
        return p.endsWith("hl.kwp");
    });
    Registry.RegisterRecogniser(DocumentKind::DF1Config, [&](const QString&) {
        asked.push_back("DF1");
        return false;
    });
    Registry.RegisterRecogniser(DocumentKind::Site, [&](const QString&) {
        asked.push_back("SITE");
        return false;
    });
    ASSERT_TRUE(Window->OpenFile(dir.filePath("hl.kwp")));
    EXPECT_EQ((std::vector<QString>{"MB", "HL"}), asked);
    EXPECT_EQ(DocumentKind::HostlinkConfig, Window->ActiveDocument()->Kind());
    EXPECT_TRUE(Window->ActiveDocument()->HasFile());

    const QString unknown = dir.filePath("unknown.kvr");
    Prompts.ExpectMessage(PromptKind::Error, QString("The File \"%1\" is not recognized as a valid file").arg(unknown));
    EXPECT_FALSE(Window->OpenFile(unknown));
    EXPECT_EQ(1, Window->Documents().size());
}

TEST_F(MainWindowTest, FileOpenActionUsesTheOpenDialog)
{
    Registry.RegisterRecogniser(DocumentKind::Site, [](const QString&) { return true; });
    Prompts.ExpectFile("");
    Window->Action("FileOpen")->trigger();
    EXPECT_TRUE(Window->Documents().isEmpty());
    Prompts.ExpectFile("/tmp/site.kwp");
    Window->Action("FileOpen")->trigger();
    ASSERT_EQ(1, Window->Documents().size());
    EXPECT_EQ("site.kwp", Str(Window->Documents().first()->windowTitle()));
}

TEST_F(MainWindowTest, TagActionsFollowTheTagPageAndSelection)
{
    FakeDocument* doc = NewFake(DocumentKind::ModbusConfig);
    EXPECT_FALSE(Enabled("ConfigurationAddTag"));
    doc->TagPage = true;
    doc->Touch();
    Update();
    EXPECT_TRUE(Enabled("ConfigurationAddTag"));
    EXPECT_FALSE(Enabled("ConfigurationEditTag") || Enabled("ConfigurationRemoveTag"));
    doc->TagSelected = true;
    doc->Touch();
    Update();
    EXPECT_TRUE(Enabled("ConfigurationEditTag") && Enabled("ConfigurationRemoveTag"));
}

TEST_F(MainWindowTest, DeviceListColumnsAndHiddenCells)
{
    auto* list = Window->findChild<QTreeView*>("lstDevices");
    ASSERT_NE(list, nullptr);
    auto* model = list->model();
    const char* headers[] = {"Device", "Host", "MAC", "Version", "DHCP", "IP Address", "Netmask", "Gateway",
                             "Remote IP/Host"};
    ASSERT_EQ(12, model->columnCount());
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(headers[i], Str(model->headerData(i, Qt::Horizontal).toString()));
        EXPECT_FALSE(list->isColumnHidden(i));
    }
    for (int i = 9; i < 12; ++i)
        EXPECT_TRUE(list->isColumnHidden(i));
}

TEST_F(MainWindowTest, LocalSearchListsAnswersSortedAndKeepsRemoteRows)
{
    qvs::TDeviceData remote;
    remote.Name = "Kavro-1C-HL";
    remote.MAC = "AA-BB-CC-DD-EE-01";
    remote.RemoteHost = "plant.example.com";
    remote.Host = "far";
    Window->Devices().AddDeviceToList(remote);
    Answerer.Answers = {
        "NTM(1118,2.0.5,AA-BB-CC-DD-EE-02,192.168.1.20,255.255.255.0,192.168.1.1,0)",
        "NTM(1118,2.0.5,AA-BB-CC-DD-EE-02,192.168.1.99,255.255.255.0,192.168.1.1,0)",
        "HELLO()",
        "NTM(1110,2.0.7-R,AA-BB-CC-DD-EE-01,10.0.0.5,255.0.0.0,10.0.0.1,1,ignored)",
        "NTM(1113,1.0,AA-BB-CC-DD-EE-03,192.168.1.30,255.255.255.0,192.168.1.1,1,plant-1)",
    };
    QSignalSpy done(Window.get(), &TMainForm::LocalSearchFinished);
    Window->Action("DevicesSearchLocal")->trigger();
    EXPECT_TRUE(Window->InfoMessage().isVisible());
    EXPECT_EQ(texts::kGettingData, Str(Window->InfoMessage().Text()));
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(std::vector<std::string>{"HELLO()"}, Answerer.Received);
    EXPECT_FALSE(Window->InfoMessage().isVisible());
    DeviceListModel& rows = Window->Devices();
    ASSERT_EQ(3, rows.Count());
    EXPECT_EQ("Kavro-10-MB", rows.RowCells(0)[DeviceListModel::ColDevice]);
    EXPECT_EQ("192.168.1.20", rows.RowCells(0)[DeviceListModel::ColIP]);  // the first answer counts
    EXPECT_EQ("-", rows.RowCells(0)[DeviceListModel::ColHost]);
    EXPECT_EQ("No", rows.RowCells(0)[DeviceListModel::ColDHCP]);
    EXPECT_EQ("0", rows.RowCells(0)[DeviceListModel::ColHasHostName]);
    EXPECT_EQ("1", rows.RowCells(0)[DeviceListModel::ColIsKavro]);
    EXPECT_EQ("0", rows.RowCells(0)[DeviceListModel::ColFlavour]);
    EXPECT_EQ("Kavro-1C-HL", rows.RowCells(1)[DeviceListModel::ColDevice]);
    EXPECT_EQ("plant.example.com", rows.RowCells(1)[DeviceListModel::ColRemoteHost]);  // the remote row stays
    EXPECT_EQ("far", rows.RowCells(1)[DeviceListModel::ColHost]);
    EXPECT_EQ("Olvar-A", rows.RowCells(2)[DeviceListModel::ColDevice]);
    EXPECT_EQ("plant-1", rows.RowCells(2)[DeviceListModel::ColHost]);
    EXPECT_EQ("1", rows.RowCells(2)[DeviceListModel::ColHasHostName]);
    EXPECT_EQ("0", rows.RowCells(2)[DeviceListModel::ColIsKavro]);

    // A second search drops the local rows first.
    Answerer.Answers.clear();
    Window->Action("DevicesSearchLocal")->trigger();
    ASSERT_TRUE(done.wait(5000));
    ASSERT_EQ(1, Window->Devices().Count());
    EXPECT_EQ("plant.example.com", Window->Devices().RowCells(0)[DeviceListModel::ColRemoteHost]);
}

TEST_F(MainWindowTest, SearchWhenSendingFailsSaysSoAndStillWaits)
{
    // No address to send from: the send fails as when another program holds the port.
    DeviceLocator::Settings settings = LoopbackLocator(Answerer.Port());
    settings.LocalAddresses = {QHostAddress("192.0.2.1")};
    Window.reset();
    Locator = std::make_unique<DeviceLocator>(settings);
    MakeWindow(std::make_unique<FakeClients>(Shared));
    Prompts.ExpectMessage(PromptKind::Error,
                          "Other Application is conflicting with QVS Communication.\r\nClose the other application "
                          "and try again.");
    QSignalSpy done(Window.get(), &TMainForm::LocalSearchFinished);
    Window->Action("DevicesSearchLocal")->trigger();
    ASSERT_TRUE(done.wait(5000));
    EXPECT_EQ(0, Window->Devices().Count());
}

TEST_F(MainWindowTest, SelectingARowNamesPropertiesAndEnablesConnect)
{
    Answerer.Answers = {"NTM(1118,2.0.5,AA-BB-CC-DD-EE-02,192.168.1.20,255.255.255.0,192.168.1.1,0)"};
    QSignalSpy done(Window.get(), &TMainForm::LocalSearchFinished);
    Window->Action("DevicesSearchLocal")->trigger();
    ASSERT_TRUE(done.wait(5000));
    Update();
    EXPECT_FALSE(Enabled("DevicesConnect"));
    EXPECT_FALSE(Enabled("DevicesProperties"));
    Window->DeviceList()->setCurrentIndex(Window->DeviceList()->model()->index(0, 0));
    Update();
    EXPECT_TRUE(Enabled("DevicesConnect"));
    EXPECT_TRUE(Enabled("DevicesProperties"));
    EXPECT_EQ("&Properties of Kavro-10-MB/AA-BB-CC-DD-EE-02...", Str(Window->Action("DevicesProperties")->text()));
    EXPECT_EQ("Edit Properties of Kavro-10-MB/AA-BB-CC-DD-EE-02",
              Str(Window->Action("DevicesProperties")->statusTip()));
}

}  // namespace
