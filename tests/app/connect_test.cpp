// Connecting, remote search and the demo plant's search, against kavro-sim on loopback.
#include "app_texts.h"
#include "device_list_model.h"
#include "gateway_models.h"
#include "info_message.h"
#include "sim_window_fixture.h"
#include "loopback_client.h"
#include "sim_process.h"
#include "tinyproxy_process.h"
#include "version_dialog.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace qvs::app;
using namespace qvs::app::testing;
using qvs::DeviceListModel;
using qvs::test::SimProcess;

namespace {

std::string Str(const QString& text)
{
    return text.toStdString();
}

class ConnectTest : public SimWindowTest {
protected:
    void ExpectVersionDialog(const QString& message, const QString& versionLine, bool closeButton)
    {
        Prompts.ExpectDialog("frmVersion", [=](QDialog& dialog) {
            EXPECT_EQ(Str(message), Str(dialog.findChild<QLabel*>("lblMessage")->text()));
            EXPECT_EQ(Str(versionLine), Str(dialog.findChild<QLabel*>("lblVersion")->text()));
            EXPECT_EQ("Non-compatible version", Str(dialog.windowTitle()));
            if (closeButton)
                Click(dialog, "btnClose");
            else
                dialog.reject();  // the window's own close box
            return dialog.result();
        });
    }

    // Searches for the host typed in Search Remote Device; the error shown, and no row added.
    void ExpectRemoteSearchFails(const QString& host, const QString& message)
    {
        Prompts.ExpectDialog("frmSearchRemote", [&](QDialog& dialog) {
            QTest::keyClicks(dialog.findChild<QLineEdit*>("txtRemoteIP"), host);
            Prompts.ExpectMessage(PromptKind::Error, message);
            QSignalSpy finished(&dialog, &QDialog::finished);
            Click(dialog, "btnOk");
            EXPECT_TRUE(finished.wait(15000));
            return dialog.result();
        });
        Window->Action("DevicesSearchRemote")->trigger();
        EXPECT_EQ(0, Window->Devices().Count());
    }
};

TEST_F(ConnectTest, RightPasswordConnects)
{
    ListGateway("00:60:35:0A:00:01");  // Kavro-10-MB, 2.0.7-R
    ExpectPassword("admin");
    Prompts.ExpectMessage(PromptKind::Information, "Succesfully Connected to Kavro-10-MB/00:60:35:0A:00:01.");
    ASSERT_TRUE(Connect());
    EXPECT_TRUE(Window->Connected());
    QAction* toggle = Window->Action("DevicesConnect");
    EXPECT_TRUE(toggle->isChecked());
    EXPECT_EQ("Disco&nnect from Kavro-10-MB/00:60:35:0A:00:01", Str(toggle->text()));
    EXPECT_EQ("Disconnect from Kavro-10-MB/00:60:35:0A:00:01", Str(toggle->statusTip()));
    EXPECT_EQ("QVS - [] - Kavro-10-MB/00:60:35:0A:00:01", Str(Window->windowTitle()));
    EXPECT_EQ("Connected To: Kavro-10-MB/00:60:35:0A:00:01",
              Str(Window->findChild<QLabel*>("StatusConnection")->text()));
    const qvs::TDeviceData& device = Window->ConnectedDevice();
    EXPECT_EQ("2.0.7", device.Version);  // later gates compare without "-R"
    EXPECT_TRUE(device.HasLog);
    EXPECT_EQ("admin", device.User);
    EXPECT_EQ("admin", device.Password);
    EXPECT_TRUE(Enabled("ConfigurationGetFromKavro") && Enabled("WebSiteGetFromKavro") && Enabled("ToolsTagMonitor"));

    // Another row selected changes nothing; the toggle then disconnects without a request.
    Window->DeviceList()->clearSelection();
    Update();
    EXPECT_TRUE(Enabled("DevicesConnect"));
    const int before = AdminRequests("GETADMIN");
    EXPECT_FALSE(Connect());
    EXPECT_FALSE(Window->Connected());
    EXPECT_FALSE(toggle->isChecked());
    EXPECT_EQ("Co&nnect...", Str(toggle->text()));
    EXPECT_EQ("Connect to Kavro", Str(toggle->statusTip()));
    EXPECT_EQ("QVS - [] - Not Connected", Str(Window->windowTitle()));
    EXPECT_EQ(before, AdminRequests("GETADMIN"));
}

TEST_F(ConnectTest, WrongPasswordIsRefused)
{
    ListGateway("00:60:35:0A:00:03");  // Kavro-1C-HL 2.0.6
    ExpectPassword("Admin");           // the comparison is case-sensitive
    Prompts.ExpectMessage(PromptKind::Error, "Unable to connect to Device. Wrong Password.");
    EXPECT_FALSE(Connect());
    EXPECT_FALSE(Window->Connected());
    EXPECT_FALSE(Window->Action("DevicesConnect")->isChecked());
}

TEST_F(ConnectTest, EmptyPasswordOfAGatewayWithoutOne)
{
    ListGateway("00:60:35:0A:00:02");  // no administrator password set
    ExpectPassword("");
    Prompts.ExpectMessage(PromptKind::Information, "Succesfully Connected to Kavro-1C-MB/00:60:35:0A:00:02.");
    EXPECT_TRUE(Connect());
}

TEST_F(ConnectTest, CancelledPasswordSendsNothing)
{
    ListGateway("00:60:35:0A:00:01");
    const int before = AdminRequests("GETADMIN");
    ExpectPassword("admin", false);
    EXPECT_FALSE(Connect());
    EXPECT_FALSE(Window->Action("DevicesConnect")->isChecked());
    EXPECT_EQ(before, AdminRequests("GETADMIN"));
}

TEST_F(ConnectTest, NotManageableIsRefusedWithoutARequest)
{
    ListGateway("00:60:35:0A:00:07");  // Kavro-1C-HL 2.1.0-SN
    const int before = AdminRequests("GETADMIN");
    ExpectPassword("admin");
    ExpectVersionDialog(QString(texts::kNotManageable) + texts::kSupportEmail, "Device version: 2.1.0-SN", true);
    EXPECT_FALSE(Connect());
    EXPECT_EQ(before, AdminRequests("GETADMIN"));
}

TEST_F(ConnectTest, FirmwareBelowTheRangeIsTooNewHoweverClosed)
{
    ListGateway("00:60:35:0A:00:08");  // Kavro-10-DF1 2.0.4-R
    ExpectPassword("admin");
    ExpectVersionDialog(QString(texts::kTooNew) + texts::kSupportEmail, "Device version: 2.0.4", false);
    EXPECT_FALSE(Connect());
    EXPECT_FALSE(Window->Connected());
}

TEST_F(ConnectTest, LowestHostlinkFirmwarePassesTheGate)
{
    ListGateway("00:60:35:0A:00:04");  // Kavro-1C-HL 2.0.4
    ExpectPassword("admin");
    Prompts.ExpectMessage(PromptKind::Information, "Succesfully Connected to Kavro-1C-HL/00:60:35:0A:00:04.");
    EXPECT_TRUE(Connect());
    EXPECT_EQ(1, Window->ConnectedDevice().Flavour);
}

TEST_F(ConnectTest, FirmwareAtTheTopClosedWithCloseIsRefused)
{
    ListGateway("00:60:35:0A:00:09");  // 3.99.99
    ExpectPassword("admin");
    ExpectVersionDialog(QString(texts::kTooOld) + texts::kMakerWeb, "Device version: 3.99.99", true);
    EXPECT_FALSE(Connect());
}

TEST_F(ConnectTest, FirmwareAtTheTopDismissedGoesOn)
{
    ListGateway("00:60:35:0A:00:09");
    ExpectPassword("admin");
    ExpectVersionDialog(QString(texts::kTooOld) + texts::kMakerWeb, "Device version: 3.99.99", false);
    Prompts.ExpectMessage(PromptKind::Information, "Succesfully Connected to Kavro-10-MB/00:60:35:0A:00:09.");
    EXPECT_TRUE(Connect());
}

TEST_F(ConnectTest, OtherProductsSkipTheVersionGates)
{
    ListGateway("00:60:35:0A:00:0A");  // Olvar-A 1.4.2
    ExpectPassword("admin");
    Prompts.ExpectMessage(PromptKind::Information, "Succesfully Connected to Olvar-A/00:60:35:0A:00:0A.");
    EXPECT_TRUE(Connect());
    EXPECT_FALSE(Window->ConnectedDevice().IsKavro);
}

TEST_F(ConnectTest, NoResponseThenUnableToConnect)
{
    const qvs::test::SimGateway& gw = s_sim->GatewayByMac("00:60:35:0A:00:05");
    ArmFault("http,GETADMIN,close,gw=" + gw.Mac.toUtf8());
    ListGateway(gw.Mac);
    ExpectPassword("admin");
    Prompts.ExpectMessage(PromptKind::Error, texts::kNoResponse);
    Prompts.ExpectMessage(PromptKind::Error, texts::kUnableToConnect);
    EXPECT_FALSE(Connect());
    EXPECT_FALSE(Window->Connected());
}

TEST_F(ConnectTest, HttpErrorStatusIsNoResponse)
{
    const qvs::test::SimGateway& gw = s_sim->GatewayByMac("00:60:35:0A:00:06");
    ArmFault("http,GETADMIN,status=404,gw=" + gw.Mac.toUtf8());
    ListGateway(gw.Mac);
    ExpectPassword("admin");
    Prompts.ExpectMessage(PromptKind::Error, texts::kNoResponse);
    Prompts.ExpectMessage(PromptKind::Error, texts::kUnableToConnect);
    EXPECT_FALSE(Connect());
}

TEST_F(ConnectTest, AReplyWithoutPasswordMatchesOnlyAnEmptyOne)
{
    const qvs::test::SimGateway& gw = s_sim->GatewayByMac("00:60:35:0A:00:06");
    ArmFault("http,GETADMIN,nak,gw=" + gw.Mac.toUtf8());
    ListGateway(gw.Mac);
    ExpectPassword("admin");
    Prompts.ExpectMessage(PromptKind::Error, texts::kWrongPassword);
    EXPECT_FALSE(Connect());
}

TEST_F(ConnectTest, InfoWindowShowsWhileConnecting)
{
    const qvs::test::SimGateway& gw = s_sim->GatewayByMac("00:60:35:0A:00:01");
    ArmFault("http,GETADMIN,delay=300,gw=" + gw.Mac.toUtf8());
    ListGateway(gw.Mac);
    ExpectPassword("admin");
    Prompts.ExpectMessage(PromptKind::Information, "Succesfully Connected to Kavro-10-MB/00:60:35:0A:00:01.");
    QSignalSpy finished(Window.get(), &TMainForm::ConnectFinished);
    Window->Action("DevicesConnect")->trigger();
    // The exchange runs off the user-interface thread: the window is free to paint meanwhile.
    EXPECT_TRUE(Window->InfoMessage().isVisible());
    EXPECT_EQ("Connecting...", Str(Window->InfoMessage().Text()));
    EXPECT_TRUE(Window->Busy());
    Update();
    EXPECT_FALSE(Enabled("DevicesConnect"));
    ASSERT_TRUE(finished.wait(15000));
    EXPECT_FALSE(Window->InfoMessage().isVisible());
    EXPECT_TRUE(Window->Connected());
}

TEST_F(ConnectTest, RemoteSearchAddsTheGatewayWithTheTypedHost)
{
    const qvs::test::SimGateway& gw = s_sim->GatewayByMac("00:60:35:0A:00:04");  // 1110
    Prompts.ExpectDialog("frmSearchRemote", [&](QDialog& dialog) {
        EXPECT_EQ("Search Remote Device", Str(dialog.windowTitle()));
        auto* field = dialog.findChild<QLineEdit*>("txtRemoteIP");
        EXPECT_TRUE(field->text().isEmpty());
        QTest::keyClicks(field, gw.Host);
        QSignalSpy finished(&dialog, &QDialog::finished);
        Click(dialog, "btnOk");
        EXPECT_FALSE(field->isEnabled());  // while the search runs
        EXPECT_TRUE(finished.wait(15000));
        EXPECT_TRUE(field->isEnabled());
        return dialog.result();
    });
    QSignalSpy done(Window.get(), &TMainForm::RemoteSearchFinished);
    Window->Action("DevicesSearchRemote")->trigger();
    ASSERT_EQ(1, done.size());
    ASSERT_TRUE(done.first().first().toBool());
    ASSERT_EQ(1, Window->Devices().Count());
    const auto& cells = Window->Devices().RowCells(0);
    EXPECT_EQ("Kavro-1C-HL", cells[DeviceListModel::ColDevice]);
    EXPECT_EQ(gw.Mac.toStdString(), cells[DeviceListModel::ColMAC]);
    EXPECT_EQ("2.0.4", cells[DeviceListModel::ColVersion]);
    EXPECT_EQ(gw.Ip.toStdString(), cells[DeviceListModel::ColIP]);
    EXPECT_EQ(gw.Host.toStdString(), cells[DeviceListModel::ColRemoteHost]);
    EXPECT_EQ("1", cells[DeviceListModel::ColHasHostName]);
    EXPECT_EQ("1", cells[DeviceListModel::ColIsKavro]);
    EXPECT_EQ("1", cells[DeviceListModel::ColFlavour]);

    // The remote row connects through its remote host.
    Window->DeviceList()->setCurrentIndex(Window->DeviceList()->model()->index(0, 0));
    Update();
    ExpectPassword("admin");
    Prompts.ExpectMessage(PromptKind::Information,
                          QString("Succesfully Connected to Kavro-1C-HL/%1.").arg(gw.Mac));
    EXPECT_TRUE(Connect());
}

TEST_F(ConnectTest, RemoteSearchEmptyFieldStaysOpen)
{
    Prompts.ExpectDialog("frmSearchRemote", [&](QDialog& dialog) {
        Prompts.ExpectMessage(PromptKind::Error, "You must provide Host or an IP Address.");
        Click(dialog, "btnOk");
        EXPECT_TRUE(dialog.isVisible());
        Click(dialog, "btnCancel");
        return dialog.result();
    });
    Window->Action("DevicesSearchRemote")->trigger();
    EXPECT_EQ(0, Window->Devices().Count());
}

TEST_F(ConnectTest, RemoteSearchWrongReplyIsNotValid)
{
    const qvs::test::SimGateway& gw = s_sim->GatewayByMac("00:60:35:0A:00:03");
    ArmFault("http,GETNET,name=NETWORKX,gw=" + gw.Mac.toUtf8());
    ExpectRemoteSearchFails(gw.Host, "Not Valid Response from Device.");
}

TEST_F(ConnectTest, RemoteSearchNoResponse)
{
    const qvs::test::SimGateway& gw = s_sim->GatewayByMac("00:60:35:0A:00:03");
    ArmFault("http,GETDEVICE,close,gw=" + gw.Mac.toUtf8());
    ExpectRemoteSearchFails(gw.Host, texts::kNoResponse);
}

TEST_F(ConnectTest, RemoteSearchThroughTheProxy)
{
    qvs::test::TinyproxyProcess proxy("tech", "s3cret");
    if (!proxy.Ready())
        GTEST_SKIP() << "tinyproxy is not available";
    Options.Stored.HTTPEnabled = true;
    Options.Stored.HTTPServer = "127.0.0.1";
    Options.Stored.HTTPPort = proxy.Port();
    Options.Stored.HTTPAuth = true;
    Options.Stored.HTTPUser = "tech";
    Options.Stored.HTTPPassword = "s3cret";
    MakeWindow(std::make_unique<LiveGatewayClients>(5000));  // applies the options when shown
    const qvs::test::SimGateway& gw = s_sim->GatewayByMac("00:60:35:0A:00:05");
    Prompts.ExpectDialog("frmSearchRemote", [&](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>("txtRemoteIP"), gw.Host);
        QSignalSpy finished(&dialog, &QDialog::finished);
        Click(dialog, "btnOk");
        EXPECT_TRUE(finished.wait(15000));
        return dialog.result();
    });
    Window->Action("DevicesSearchRemote")->trigger();
    ASSERT_EQ(1, Window->Devices().Count());
    EXPECT_EQ("Kavro-10-DF1", Window->Devices().RowCells(0)[DeviceListModel::ColDevice]);

    // With wrong credentials the proxy refuses, which is no response.
    Options.Stored.HTTPPassword = "wrong";
    Window->SinchronizeOptions();
    Update();
    Prompts.ExpectDialog("frmSearchRemote", [&](QDialog& dialog) {
        QTest::keyClicks(dialog.findChild<QLineEdit*>("txtRemoteIP"), gw.Host);
        Prompts.ExpectMessage(PromptKind::Error, texts::kNoResponse);
        QSignalSpy finished(&dialog, &QDialog::finished);
        Click(dialog, "btnOk");
        EXPECT_TRUE(finished.wait(15000));
        return dialog.result();
    });
    Window->Action("DevicesSearchRemote")->trigger();
}

TEST_F(ConnectTest, SearchOfTheDemoPlantListsEveryGateway)
{
    Window.reset();
    Locator = std::make_unique<qvs::DeviceLocator>(LoopbackLocator(s_sim->UdpPort()));
    MakeWindow(std::make_unique<LiveGatewayClients>(5000));
    QSignalSpy done(Window.get(), &TMainForm::LocalSearchFinished);
    Window->Action("DevicesSearchLocal")->trigger();
    ASSERT_TRUE(done.wait(5000));
    DeviceListModel& rows = Window->Devices();
    ASSERT_EQ(static_cast<int>(s_sim->Gateways().size()), rows.Count());
    for (int i = 1; i < rows.Count(); ++i)
        EXPECT_LE(rows.RowCells(i - 1)[DeviceListModel::ColDevice], rows.RowCells(i)[DeviceListModel::ColDevice]);
    const int boiler = rows.DeviceIsListed(qvs::TDeviceData{.MAC = "00:60:35:0A:00:01"});
    ASSERT_GE(boiler, 0);
    EXPECT_EQ("Kavro-10-MB", rows.RowCells(boiler)[DeviceListModel::ColDevice]);
    EXPECT_EQ("boiler-room", rows.RowCells(boiler)[DeviceListModel::ColHost]);
    EXPECT_EQ("2.0.7-R", rows.RowCells(boiler)[DeviceListModel::ColVersion]);
    EXPECT_EQ("10.77.0.11", rows.RowCells(boiler)[DeviceListModel::ColIP]);
    EXPECT_EQ("1", rows.RowCells(boiler)[DeviceListModel::ColHasHostName]);
    const int other = rows.DeviceIsListed(qvs::TDeviceData{.MAC = "00:60:35:0A:00:0A"});
    ASSERT_GE(other, 0);
    EXPECT_EQ("Olvar-A", rows.RowCells(other)[DeviceListModel::ColDevice]);
    EXPECT_EQ("0", rows.RowCells(other)[DeviceListModel::ColIsKavro]);
}

}  // namespace
