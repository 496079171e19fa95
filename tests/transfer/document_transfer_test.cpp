#include "config_document_transfer.h"

#include "fake_gateway.h"
#include "sample_configs.h"

#include <gtest/gtest.h>

namespace qvs {
namespace {

using test::FakeGateway;

struct DocumentRun {
    explicit DocumentRun(ConfigFlavour flavour)
        : dialog(flavour, gateway, [this](const QString& text) { shown << "error: " + text; })
    {
        // The user closes the dialog once the run has ended.
        QObject::connect(&dialog, &TfrmTransferConfig::transferFinished, &dialog, [this] { dialog.accept(); });
        prompts.ShowInvalid = [this](const TValidationFailure& f) { shown << "invalid: " + QString::fromStdString(f.Message); };
        prompts.Error = [this](const QString& text) { shown << "error: " + text; };
        prompts.NoFeature = [this](const QString& feature) { shown << "no feature: " + feature; };
        prompts.ConfirmWarning = [this](const QString& question) {
            shown << "question: " + question;
            return answer;
        };
        device.Version = "2.0.7";
        device.IP = "10.0.0.9";
    }

    FakeGateway gateway;
    QStringList shown;
    bool answer = true;
    TDocumentTransferPrompts prompts;
    TDeviceData device;
    TfrmTransferConfig dialog;
};

const QString kQuestion = QString("question: ") + document_transfer::kOverwriteQuestion;

TModbusConfigContent ModbusDocument(bool auth)
{
    TModbusConfigContent content;
    content.New("noname1.kvr", ".");
    auto config = test::SampleModbus();
    config.Email.Auth = auth;
    content.SetAllConfig(config);
    return content;
}

TEST(DocumentTransfer, SendAsksThenSendsTheDocument)
{
    DocumentRun run(ConfigFlavour::Modbus);
    const auto content = ModbusDocument(true);
    EXPECT_TRUE(SendToKavro(content, run.device, run.dialog, run.prompts));
    EXPECT_EQ(run.shown, QStringList{kQuestion});
    EXPECT_TRUE(run.dialog.Completed());
    EXPECT_EQ(run.gateway.Texts()[2], test::kSampleSmtp);
    EXPECT_EQ(run.gateway.Requests().front().Host, "10.0.0.9");
}

TEST(DocumentTransfer, OldFirmwareLeavesAuthenticationOut)
{
    DocumentRun run(ConfigFlavour::Modbus);
    run.device.Version = "2.0.5";
    const auto content = ModbusDocument(true);
    SendToKavro(content, run.device, run.dialog, run.prompts);
    EXPECT_EQ(run.shown, (QStringList{"no feature: SMTP relay not authenticated", kQuestion}));
    EXPECT_EQ(run.gateway.Texts()[2],
              "SETSMTP(ENABLE=1,SERVER=smtp.plant.local,TIMEOUT=30,RETRIES=3,RETRYINT=15,"
              "FROM=kavro@plant.local,AUTH=0,USER=,PASS=,);");

    DocumentRun quiet(ConfigFlavour::Modbus);  // no notice without authentication
    quiet.device.Version = "2.0.5";
    SendToKavro(ModbusDocument(false), quiet.device, quiet.dialog, quiet.prompts);
    EXPECT_EQ(quiet.shown, QStringList{kQuestion});
}

TEST(DocumentTransfer, NothingIsSentWhenRefused)
{
    DocumentRun no(ConfigFlavour::Modbus);
    no.answer = false;
    SendToKavro(ModbusDocument(false), no.device, no.dialog, no.prompts);
    EXPECT_TRUE(no.gateway.Requests().empty());

    DocumentRun invalid(ConfigFlavour::Hostlink);
    THostlinkConfigContent hostlink;
    hostlink.New("noname2.kvr", ".");
    hostlink.SetEmailEnable(true);  // relaying without a server
    SendToKavro(hostlink, invalid.device, invalid.dialog, invalid.prompts);
    EXPECT_EQ(invalid.shown, QStringList{"invalid: Invalid SMTP Server."});
    EXPECT_TRUE(invalid.gateway.Requests().empty());

    DocumentRun badVersion(ConfigFlavour::Modbus);
    badVersion.device.Version = "2.x.5";
    SendToKavro(ModbusDocument(false), badVersion.device, badVersion.dialog, badVersion.prompts);
    EXPECT_EQ(badVersion.shown, QStringList{"error: 'x' is not a valid integer value"});
    EXPECT_TRUE(badVersion.gateway.Requests().empty());
}

TEST(DocumentTransfer, GetFillsTheDocumentWhateverTheOutcome)
{
    {
        DocumentRun run(ConfigFlavour::DF1);
        run.gateway.SetReply("GETTOO", "TOO(EMAIL=,);");
        run.gateway.ReplyAt(5, "TOO(TOO=1,EMAIL=ops@plant.com,);");
        TDF1ConfigContent content;
        content.New("noname3.kvr", ".");
        EXPECT_TRUE(GetFromKavro(content, run.device, run.dialog));
        EXPECT_TRUE(run.dialog.Completed());
        EXPECT_FALSE(content.Saved());
        EXPECT_EQ(content.Recipients(), std::vector<std::string>{"ops@plant.com"});
    }
    {
        DocumentRun run(ConfigFlavour::Modbus);
        run.gateway.ReplyAt(0, "TAGCOUNT(COUNT=3,);");
        run.gateway.NoResponseAt(3);  // GETSMTP
        TModbusConfigContent content;
        content.New("noname4.kvr", ".");
        GetFromKavro(content, run.device, run.dialog);
        EXPECT_FALSE(run.dialog.Completed());
        EXPECT_FALSE(content.Saved());
        EXPECT_EQ(content.GetTagCount(), 3);  // blank entries for the tags not read
        EXPECT_EQ(run.shown, (QStringList{"error: No Response from Device. Check the connection and try again.",
                                          "error: Configuration Transfer was unable to complete."}));
    }
}

}  // namespace
}  // namespace qvs
