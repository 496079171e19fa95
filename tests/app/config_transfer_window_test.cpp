// Sending a Modbus document to a kavro-sim gateway and getting one back, through the main
// window's actions and the transfer dialog, with every question and notice on the way.
#include "config_documents.h"
#include "config_window_texts.h"
#include "modbus_config_window.h"
#include "sample_configs.h"
#include "sim_window_fixture.h"
#include "widget_pictures.h"

#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace qvs::app::testing {
namespace {

constexpr const char* kModbusMac = "00:60:35:0A:00:01";    // Kavro-10-MB 2.0.7-R, password admin
constexpr const char* kOldModbusMac = "00:60:35:0A:00:02"; // Kavro-1C-MB 2.0.5, no password

class ConfigTransferWindowTest : public SimWindowTest {
protected:
    void SetUp() override
    {
        RestartSim();  // every test starts from the demo plant as shipped
        SimWindowTest::SetUp();
        RegisterModbusDocuments(Registry, Prompts, *Window);
    }

    void ConnectTo(const QString& mac, const QString& password, const QString& name)
    {
        ListGateway(mac);
        ExpectPassword(password);
        Prompts.ExpectMessage(PromptKind::Information, QString("Succesfully Connected to %1/%2.").arg(name, mac));
        ASSERT_TRUE(Connect());
    }

    TMDIModbusConfig* NewModbus(const TModbusKavroConfig& config)
    {
        auto* doc = qobject_cast<TMDIModbusConfig*>(Window->NewDocument(DocumentKind::ModbusConfig));
        doc->SetAllConfig(config);
        Update();
        return doc;
    }

    // The transfer dialog: its title, its run to the end, the status it ends on, then Close.
    void ExpectTransfer(const QString& title, bool completes)
    {
        Prompts.ExpectDialog("TfrmTransferModbusConfig", [=](QDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle().toStdString(), title.toStdString());
            auto* close = dialog.findChild<QPushButton*>("btnClose");
            EXPECT_TRUE(WaitFor([&] { return close->isEnabled(); }, 30000)) << "the run did not end";
            EXPECT_EQ(dialog.findChild<QPushButton*>("btnRetry")->isEnabled(), !completes);
            if (completes)
                EXPECT_EQ(dialog.findChild<QLabel*>("lblStatus")->text().toStdString(), "TRANSFER COMPLETED!");
            SavePicture(dialog, completes ? "transfer_completed" : "transfer_failed");
            close->click();
            return dialog.result();
        });
    }

    void ExpectOverwriteQuestion(PromptAnswer answer)
    {
        Prompts.ExpectMessage(PromptKind::Warning, texts::modbus_document::kSendQuestion, answer);
    }

    void Trigger(const char* action)
    {
        Update();
        ASSERT_TRUE(Enabled(action)) << action;
        Window->Action(action)->trigger();
        Update();
    }

    static QList<QByteArray> StartingWith(const QList<QByteArray>& requests, const QByteArray& command)
    {
        QList<QByteArray> found;
        for (const QByteArray& request : requests)
            if (request.startsWith(command + "("))
                found << request;
        return found;
    }
};

TEST_F(ConfigTransferWindowTest, SendThenGetGivesTheDocumentBack)
{
    ConnectTo(kModbusMac, "admin", "Kavro-10-MB");
    TMDIModbusConfig* sent = NewModbus(test::SampleModbus());
    const QString title = sent->windowTitle();
    ExpectOverwriteQuestion(PromptAnswer::Yes);
    ExpectTransfer("Send Configuration To Kavro Modbus", true);
    Trigger("ConfigurationSendToKavro");
    EXPECT_EQ(sent->windowTitle(), title);  // sending leaves the document as it was

    const QList<QByteArray> requests = Requests(kModbusMac);
    EXPECT_EQ(StartingWith(requests, "SETSMTP"), QList<QByteArray>{test::kSampleSmtp});
    EXPECT_EQ(StartingWith(requests, "ADDTAG").size(), sent->Content().GetTagCount());
    EXPECT_EQ(requests.last(), "RESET();");

    ExpectTransfer("Get Configuration From Kavro Modbus", true);
    Trigger("ConfigurationGetFromKavro");
    auto* got = qobject_cast<TMDIModbusConfig*>(Window->ActiveDocument());
    ASSERT_NE(got, nullptr);
    ASSERT_NE(got, sent);
    EXPECT_FALSE(got->Saved());
    EXPECT_EQ(got->windowTitle().toStdString(), "Kavro Modbus Configuration - noname2.kvr*");
    EXPECT_TRUE(got->GetAllConfig() == sent->GetAllConfig()) << "the document got back differs from the one sent";
}

TEST_F(ConfigTransferWindowTest, OldFirmwareIsToldAndGetsNoAuthentication)
{
    ConnectTo(kOldModbusMac, "", "Kavro-1C-MB");
    NewModbus(test::SampleModbus());  // relay with authentication
    Prompts.ExpectDialog("frmNoFeature", [](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Unsupported feature");
        EXPECT_EQ(dialog.findChild<QLabel*>("lblFeature")->text(), "SMTP relay not authenticated");
        Click(dialog, "btnClose");
        return dialog.result();
    });
    ExpectOverwriteQuestion(PromptAnswer::Yes);
    ExpectTransfer("Send Configuration To Kavro Modbus", true);
    Trigger("ConfigurationSendToKavro");
    EXPECT_EQ(StartingWith(Requests(kOldModbusMac), "SETSMTP"),
              QList<QByteArray>{"SETSMTP(ENABLE=1,SERVER=smtp.plant.local,TIMEOUT=30,RETRIES=3,RETRYINT=15,"
                                "FROM=kavro@plant.local,AUTH=0,USER=,PASS=,);"});
}

TEST_F(ConfigTransferWindowTest, NothingIsSentWhenRefusedOrInvalid)
{
    ConnectTo(kModbusMac, "admin", "Kavro-10-MB");
    const qsizetype before = Requests(kModbusMac).size();

    NewModbus(test::SampleModbus());
    ExpectOverwriteQuestion(PromptAnswer::No);
    Trigger("ConfigurationSendToKavro");

    TModbusKavroConfig noServer = test::SampleModbus();
    noServer.Email.Server.clear();
    TMDIModbusConfig* invalid = NewModbus(noServer);
    Prompts.ExpectMessage(PromptKind::Error, "Invalid SMTP Server.");
    Trigger("ConfigurationSendToKavro");
    EXPECT_EQ(invalid->findChild<QTabWidget*>("pgcConfig")->currentIndex(), 1);  // the e-mail page

    EXPECT_EQ(Requests(kModbusMac).size(), before);
}

TEST_F(ConfigTransferWindowTest, FailedGetStillFillsAnUnsavedDocument)
{
    ConnectTo(kModbusMac, "admin", "Kavro-10-MB");
    ArmFault(QByteArray("http,GETSMTP,close,gw=") + kModbusMac);
    ExpectTransfer("Get Configuration From Kavro Modbus", false);
    Prompts.ExpectMessage(PromptKind::Error, "No Response from Device. Check the connection and try again.");
    Prompts.ExpectMessage(PromptKind::Error, "Configuration Transfer was unable to complete.");
    Trigger("ConfigurationGetFromKavro");
    auto* got = qobject_cast<TMDIModbusConfig*>(Window->ActiveDocument());
    ASSERT_NE(got, nullptr);
    EXPECT_FALSE(got->Saved());
    EXPECT_EQ(got->Content().GetTagCount(), 6);  // the demo gateway's count, the tags left blank
    EXPECT_EQ(StartingWith(Requests(kModbusMac), "RUN").size(), 0);  // the run ended at GETSMTP
}

}  // namespace
}  // namespace qvs::app::testing
