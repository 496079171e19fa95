#include "transfer_dialog.h"

#include "config_transfer.h"
#include "fake_gateway.h"
#include "recording_observer.h"
#include "sample_configs.h"

#include <QDeadlineTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace qvs {
namespace {

using test::FakeGateway;

// Processes events until the condition holds; false after 20 s.
template <class Condition>
bool WaitUntil(Condition condition)
{
    QDeadlineTimer deadline(20000);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(5);
    }
    return true;
}

TDeviceData Device()
{
    TDeviceData device;
    device.Name = "Kavro-10-MB";
    device.Host = "boiler-room";
    device.MAC = "00:60:35:0A:00:01";
    device.Version = "2.0.7";
    device.IP = "10.0.0.7";
    device.RemoteHost = "";
    return device;
}

struct DialogRun {
    explicit DialogRun(ConfigFlavour flavour, IPacketExchange* exchange = nullptr)
        : dialog(flavour, exchange ? *exchange : gateway,
                 [this](const QString& text) { messages << text; })
    {
        dialog.SetDevice(Device());
    }

    bool ShowAndWait()
    {
        QSignalSpy finished(&dialog, &TfrmTransferConfig::transferFinished);
        dialog.show();
        return finished.wait(20000);
    }
    bool RetryAndWait()
    {
        QSignalSpy finished(&dialog, &TfrmTransferConfig::transferFinished);
        QTest::mouseClick(Button("btnRetry"), Qt::LeftButton);
        return finished.wait(20000);
    }

    QPushButton* Button(const char* name) { return dialog.findChild<QPushButton*>(name); }
    QLabel* Label(const char* name) { return dialog.findChild<QLabel*>(name); }
    QString Field(const char* name) { return dialog.findChild<QLineEdit*>(name)->text(); }
    QProgressBar* Progress() { return dialog.findChild<QProgressBar*>("prgProgress"); }

    FakeGateway gateway;
    QStringList messages;
    TfrmTransferConfig dialog;
};

TEST(TransferDialog, SendCompletesAndBlinks)
{
    DialogRun run(ConfigFlavour::Modbus);
    ASSERT_TRUE(run.dialog.SetConfiguration(test::SampleModbus()));
    run.dialog.SetDirection(true);
    ASSERT_TRUE(run.ShowAndWait());

    EXPECT_EQ(run.dialog.objectName(), "TfrmTransferModbusConfig");
    EXPECT_EQ(run.dialog.windowTitle(), "Send Configuration To Kavro Modbus");
    EXPECT_EQ(run.Label("lblDescription")->text(), "Sending Configuration To Kavro Modbus...");
    EXPECT_EQ(run.Field("txtDevice"), "Kavro-10-MB");
    EXPECT_EQ(run.Field("txtHostName"), "boiler-room");
    EXPECT_EQ(run.Field("txtMAC"), "00:60:35:0A:00:01");
    EXPECT_EQ(run.Field("txtFirmware"), "2.0.7");
    EXPECT_EQ(run.Field("txtIP"), "10.0.0.7");
    EXPECT_EQ(run.Field("txtRemoteIP"), "");
    EXPECT_EQ(run.gateway.Texts(), test::SendTexts(test::kSampleModbusCom, test::SampleModbusTags()));

    EXPECT_TRUE(run.dialog.Completed());
    EXPECT_TRUE(run.messages.isEmpty());
    EXPECT_EQ(run.Label("lblStatus")->text(), "TRANSFER COMPLETED!");
    EXPECT_EQ(run.Progress()->maximum(), 17);
    EXPECT_EQ(run.Progress()->value(), 17);
    EXPECT_TRUE(run.Button("btnClose")->isEnabled());
    EXPECT_FALSE(run.Button("btnRetry")->isEnabled());
    EXPECT_EQ(run.Button("btnClose")->text(), "Close");
    EXPECT_EQ(run.Button("btnRetry")->text(), "&Retry");

    EXPECT_TRUE(run.dialog.BlinkTimer().isActive());
    EXPECT_EQ(run.dialog.BlinkTimer().interval(), 500);
    const bool visible = run.Label("lblStatus")->isVisible();
    run.dialog.TimerBlinkTimer();
    EXPECT_NE(run.Label("lblStatus")->isVisible(), visible);
    run.dialog.TimerBlinkTimer();
    EXPECT_EQ(run.Label("lblStatus")->isVisible(), visible);

    QTest::mouseClick(run.Button("btnClose"), Qt::LeftButton);
    EXPECT_FALSE(run.dialog.isVisible());
    EXPECT_FALSE(run.dialog.BlinkTimer().isActive());
}

TEST(TransferDialog, TitlesByDirectionAndFlavour)
{
    struct Case {
        ConfigFlavour flavour;
        bool send;
        const char* title;
        const char* description;
    };
    const Case cases[] = {
        {ConfigFlavour::Modbus, false, "Get Configuration From Kavro Modbus", "Getting Configuration From Kavro Modbus..."},
        {ConfigFlavour::Hostlink, true, "Send Configuration To Kavro Hostlink", "Sending Configuration To Kavro Hostlink..."},
        {ConfigFlavour::Hostlink, false, "Get Configuration From Kavro Hostlink", "Getting Configuration From Kavro Hostlink..."},
        {ConfigFlavour::DF1, true, "Send Configuration To Kavro DF1", "Sending Configuration To Kavro DF1..."},
        {ConfigFlavour::DF1, false, "Get Configuration From Kavro DF1", "Getting Configuration From Kavro DF1..."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.title);
        DialogRun run(c.flavour);
        run.dialog.SetDirection(c.send);
        ASSERT_TRUE(run.ShowAndWait());
        EXPECT_EQ(run.dialog.windowTitle(), c.title);
        EXPECT_EQ(run.Label("lblDescription")->text(), c.description);
        EXPECT_TRUE(run.dialog.Completed());
        EXPECT_EQ(run.gateway.Texts().front(), c.send ? "STOP();" : "GETTAGCOUNT();");
    }
}

TEST(TransferDialog, RecordOfAnotherFlavourIsRefused)
{
    DialogRun run(ConfigFlavour::DF1);
    EXPECT_FALSE(run.dialog.SetConfiguration(test::SampleModbus()));
    EXPECT_TRUE(run.dialog.SetConfiguration(test::SampleDF1()));
}

TEST(TransferDialog, FailureThenRetryFromStop)
{
    DialogRun run(ConfigFlavour::Modbus);
    run.dialog.SetConfiguration(test::SampleModbus());
    run.gateway.ReplyAt(14, "NAK();");
    ASSERT_TRUE(run.ShowAndWait());
    EXPECT_FALSE(run.dialog.Completed());
    EXPECT_EQ(run.messages, QStringList{"Configuration Transfer was unable to complete."});
    EXPECT_EQ(run.Label("lblStatus")->text(), "Sending Tag Configuration... (5)");
    EXPECT_EQ(run.Progress()->value(), 14);
    EXPECT_TRUE(run.Button("btnRetry")->isEnabled());
    EXPECT_TRUE(run.Button("btnClose")->isEnabled());
    EXPECT_FALSE(run.dialog.BlinkTimer().isActive());

    run.gateway.ClearFaults();
    run.gateway.ClearRequests();
    ASSERT_TRUE(run.RetryAndWait());
    EXPECT_TRUE(run.dialog.Completed());
    EXPECT_EQ(run.gateway.Texts().front(), "STOP();");
    EXPECT_EQ(run.gateway.Texts().size(), 17u);
    EXPECT_FALSE(run.Button("btnRetry")->isEnabled());
}

TEST(TransferDialog, TransportFailureShowsNoResponseFirst)
{
    DialogRun run(ConfigFlavour::Hostlink);
    run.dialog.SetDirection(false);
    run.gateway.NoResponseAt(3);
    ASSERT_TRUE(run.ShowAndWait());
    EXPECT_EQ(run.messages, (QStringList{"No Response from Device. Check the connection and try again.",
                                         "Configuration Transfer was unable to complete."}));
    EXPECT_EQ(run.Label("lblStatus")->text(), "Getting E-Mail Configuration...");
}

TEST(TransferDialog, GetFillsTheRecord)
{
    DialogRun run(ConfigFlavour::DF1);
    test::RecordingObserver observer;
    ASSERT_TRUE(transfer::TConfigTransfer(run.gateway, "h", "", observer).Send(test::SampleDF1()).Completed());
    run.gateway.ClearRequests();
    run.dialog.SetDirection(false);
    ASSERT_TRUE(run.ShowAndWait());
    EXPECT_TRUE(run.dialog.Completed());
    EXPECT_EQ(std::get<TDF1KavroConfig>(run.dialog.Configuration()), test::SampleDF1());
    EXPECT_EQ(run.gateway.Texts(), test::GetTexts(7));
    EXPECT_EQ(run.Progress()->maximum(), 16);
}

// Holds every exchange until the test lets it go, to look at the window while a run waits.
class HeldExchange : public IPacketExchange {
public:
    ExchangeReply Exchange(const std::string& host, Endpoint endpoint, const TPacket& request) override
    {
        m_waiting.release();
        m_go.acquire();
        return m_gateway.Exchange(host, endpoint, request);
    }
    bool RequestWaiting() { return m_waiting.tryAcquire(1, 0); }
    void Release(int count) { m_go.release(count); }

private:
    QSemaphore m_waiting, m_go;
    FakeGateway m_gateway;
};

TEST(TransferDialog, WindowStaysResponsiveWhileAnExchangeWaits)
{
    HeldExchange held;
    DialogRun run(ConfigFlavour::Modbus, &held);
    run.dialog.SetDirection(true);
    QSignalSpy finished(&run.dialog, &TfrmTransferConfig::transferFinished);
    run.dialog.show();
    // The first exchange is waiting on the worker thread; the user-interface thread is free.
    ASSERT_TRUE(WaitUntil([&] { return held.RequestWaiting(); }));
    EXPECT_TRUE(WaitUntil([&] { return run.Label("lblStatus")->text() == "Stopping Kavro Modbus machine..."; }));
    EXPECT_TRUE(run.dialog.Running());
    EXPECT_FALSE(run.Button("btnClose")->isEnabled());
    EXPECT_FALSE(run.Button("btnRetry")->isEnabled());
    run.dialog.reject();  // Escape while running does not close it
    EXPECT_TRUE(run.dialog.isVisible());
    bool timerFired = false;
    QTimer::singleShot(0, [&] { timerFired = true; });
    EXPECT_TRUE(WaitUntil([&] { return timerFired; }));

    held.Release(12);
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_TRUE(run.dialog.Completed());
}

}  // namespace
}  // namespace qvs
