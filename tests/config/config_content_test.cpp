// The document content without a window: change tracking, sliders, the enable rule, recipients,
// validation per flavour, the tag list and the whole-configuration records.
#include "df1_config_content.h"
#include "hostlink_config_content.h"
#include "make_config_content.h"
#include "modbus_config_content.h"
#include "qprot_errors.h"
#include "text_checks.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace qvs {
namespace {

std::unique_ptr<TConfigContent> NewDocument(ConfigFlavour flavour)
{
    auto document = MakeConfigContent(flavour, '.');
    document->New("Config1", "/folder");
    return document;
}

constexpr ConfigFlavour kFlavours[] = {ConfigFlavour::Modbus, ConfigFlavour::Hostlink,
                                       ConfigFlavour::DF1};

TEST(ContentState, NewDocumentsAreSavedAndChangesMakeThemUnsaved)
{
    for (ConfigFlavour flavour : kFlavours) {
        auto document = NewDocument(flavour);
        EXPECT_TRUE(document->Saved());
        EXPECT_TRUE(document->Loaded());
        EXPECT_FALSE(document->HasFile());
        EXPECT_EQ(document->FileName(), "/folder/Config1");
        EXPECT_EQ(document->SerialPort(), TSerialPortContent{});
        EXPECT_EQ(document->Email(), TEmailContent{});
        std::vector<ContentChange> changes;
        document->SetChangeListener([&](ContentChange change) { changes.push_back(change); });
        document->SetScanTime(100);  // no change
        EXPECT_TRUE(document->Saved());
        document->SetParity(1);
        EXPECT_FALSE(document->Saved());
        EXPECT_EQ(changes, (std::vector<ContentChange>{ContentChange::SavedState,
                                                       ContentChange::SerialPort}));
    }
    EXPECT_EQ(NewDocument(ConfigFlavour::Modbus)->Caption(), "Kavro Modbus Configuration - Config1");
    EXPECT_EQ(NewDocument(ConfigFlavour::Hostlink)->Caption(), "Kavro Hostlink Configuration - Config1");
    EXPECT_EQ(NewDocument(ConfigFlavour::DF1)->Caption(), "Kavro DF1 Configuration - Config1");
}

TEST(ContentSerial, SlidersClampAndLabelsFollow)
{
    auto document = NewDocument(ConfigFlavour::Modbus);
    EXPECT_EQ(document->ScanTimeText(), "100 ms");
    EXPECT_EQ(document->MessageTimeoutText(), "1000 ms");
    document->SetScanTime(20000);
    document->SetMessageTimeout(5);
    EXPECT_EQ(document->SerialPort().ScanTime, 10000);
    EXPECT_EQ(document->ScanTimeText(), "10000 ms");
    EXPECT_EQ(document->SerialPort().MessageTimeout, 10);
    document->SetScanTime(-4);
    EXPECT_EQ(document->SerialPort().ScanTime, 0);
    document->SetComType(3);
    EXPECT_EQ(document->SerialPort().ComType, 0) << "outside the list: ignored";
    document->SetComType(-1);
    EXPECT_EQ(document->SerialPort().ComType, -1);
    auto df1 = NewDocument(ConfigFlavour::DF1);
    df1->SetParity(2);
    EXPECT_EQ(df1->SerialPort().Parity, 0) << "the DF1 parity list has two items";
}

TEST(ContentEmail, TheEnableRuleIsDerived)
{
    for (ConfigFlavour flavour : kFlavours) {
        auto document = NewDocument(flavour);
        EXPECT_FALSE(document->RelayFieldsEnabled());
        EXPECT_FALSE(document->AuthFieldsEnabled());
        document->SetAuth(true);
        EXPECT_FALSE(document->AuthFieldsEnabled());
        document->SetEmailEnable(true);
        EXPECT_TRUE(document->RelayFieldsEnabled());
        EXPECT_TRUE(document->AuthFieldsEnabled());
        EXPECT_EQ(document->Rules().PasswordLimit, flavour == ConfigFlavour::Modbus ? 20u : 49u);
    }
}

TEST(ContentRecipients, AddEditDeleteUpDown)
{
    auto document = NewDocument(ConfigFlavour::Hostlink);
    for (const char* address : {"a@x", "b@x", "c@x", "d@x", "e@x"})
        EXPECT_FALSE(document->AddRecipient(address));
    EXPECT_FALSE(document->CanAddRecipient());
    EXPECT_EQ(document->AddRecipient("f@x"), std::optional<std::string>("Can´t add more than 5 E-Mail Addresses."));
    EXPECT_EQ(document->Recipients().size(), 5u);

    document->SetSaved(true);
    document->SelectRecipient(0);
    EXPECT_TRUE(document->Saved()) << "selecting is no change";
    EXPECT_FALSE(document->MoveSelectedRecipientUp());
    document->SelectRecipient(4);
    EXPECT_FALSE(document->MoveSelectedRecipientDown());
    EXPECT_TRUE(document->Saved());

    EXPECT_TRUE(document->MoveSelectedRecipientUp());
    EXPECT_EQ(document->SelectedRecipient(), 3);
    EXPECT_EQ(document->Recipients()[3], "e@x");
    EXPECT_FALSE(document->Saved());
    EXPECT_TRUE(document->MoveSelectedRecipientDown());
    EXPECT_EQ(document->Recipients()[4], "e@x");

    document->SelectRecipient(1);
    EXPECT_EQ(document->DeleteRecipientQuestion(),
              "Are you sure you want to delete the \"b@x\" E-Mail Address?");
    EXPECT_TRUE(document->EditSelectedRecipient(" B@x "));
    EXPECT_EQ(document->Recipients()[1], " B@x ") << "kept as typed";
    EXPECT_TRUE(document->DeleteSelectedRecipient());
    EXPECT_EQ(document->Recipients(), (std::vector<std::string>{"a@x", "c@x", "d@x", "e@x"}));
    EXPECT_EQ(document->SelectedRecipient(), -1);
    EXPECT_FALSE(document->DeleteSelectedRecipient());
    EXPECT_FALSE(document->EditSelectedRecipient("z@x"));
    EXPECT_FALSE(document->MoveSelectedRecipientUp());
    EXPECT_EQ(document->DeleteRecipientQuestion(), "");
}

TEST(TextChecks, HostNamesAndAddresses)
{
    const std::pair<const char*, bool> hosts[] = {
        {"smtp.example-1.com", true}, {"a_b", true}, {"  mail  ", true}, {"", false},
        {"   ", false}, {"mail server", false}, {"m@il", false}, {"caf\xc3\xa9", false}};
    for (const auto& [text, valid] : hosts) EXPECT_EQ(IsValidHostName(text), valid) << text;
    const std::pair<const char*, bool> emails[] = {
        {"@", true}, {"a@b", true}, {" a.b-c_d@e.f ", true}, {"ab", false}, {"", false},
        {"a b@c", false}, {"a+b@c", false}, {"a@b@c", true}};
    for (const auto& [text, valid] : emails) EXPECT_EQ(IsValidEmail(text), valid) << text;
}

// --- Validation ----------------------------------------------------------------------------

using Setup = std::function<void(TConfigContent&)>;

void AllValid(TConfigContent& d)
{
    d.SetEmailEnable(true);
    d.SetServer("smtp");
    d.SetSender("me@x");
    d.SetAuth(true);
    d.SetUser("user");
    d.SetPassword("pw");
    d.SetConfirmation("pw");
    d.AddRecipient("a@x");
    d.AddRecipient("b@x");
}

struct ValidationCase {
    const char* Name;
    Setup Change;
    // Expected message per flavour (Modbus, Hostlink, DF1); nullptr: passes.
    const char* Messages[3];
    ConfigPage Page;
    const char* Field;
    bool FieldEnabled;
    int Recipient;
};

std::vector<ValidationCase> ValidationCases()
{
    return {
        {"all valid", [](TConfigContent&) {}, {nullptr, nullptr, nullptr}, ConfigPage::EMails, "", true, -1},
        {"empty packet timeout", [](TConfigContent& d) { d.SetPacketTimeoutText(""); },
         {"Invalid Packet Timeout.", nullptr, nullptr}, ConfigPage::SerialPort, "txtPacketTout", true, -1},
        {"packet timeout 21 and a bad server",
         [](TConfigContent& d) { d.SetPacketTimeoutText("21"); d.SetServer("a b"); },
         {"Invalid Packet Timeout.", "Invalid SMTP Server.", "The SMTP Server is not valid."},
         ConfigPage::SerialPort, "txtPacketTout", true, -1},
        {"empty server with relaying", [](TConfigContent& d) { d.SetServer(""); },
         {"Invalid SMTP Server.", "Invalid SMTP Server.", "The SMTP Server is not valid."},
         ConfigPage::EMails, "txtEMailServer", true, -1},
        {"timeout 0", [](TConfigContent& d) { d.SetTimeoutText("0"); },
         {"Invalid E-Mail Delivery Timeout.", "Invalid Delivery Timeout.",
          "The E-Mail Sending Timeout is not valid."},
         ConfigPage::EMails, "txtEMailTimeout", true, -1},
        {"retries empty", [](TConfigContent& d) { d.SetRetriesText(""); },
         {"Invalid E-Mail Delivery Retries.", "Invalid Delivery Retries.",
          "The E-Mail Sending Retries is not valid."},
         ConfigPage::EMails, "txtEMailRetries", true, -1},
        {"interval 101", [](TConfigContent& d) { d.SetRetryIntervalText("101"); },
         {"Invalid time between retries.", "Invalid time between retries.",
          "The time between retries is not valid."},
         ConfigPage::EMails, "txtEMailInterRetries", true, -1},
        {"bad sender", [](TConfigContent& d) { d.SetSender("nobody"); },
         {"Invalid E-mail Address.", "Invalid E-mail address.", "The E-mail Address is not valid."},
         ConfigPage::EMails, "txtEMailSender", true, -1},
        {"bad second recipient", [](TConfigContent& d) { d.AddRecipient("bad"); d.AddRecipient("x y"); },
         {"Invalid E-mail Address.", "Invalid E-mail address.", "The E-mail Address is not valid."},
         ConfigPage::EMails, "lstEMailRecipients", true, 2},
        {"empty user", [](TConfigContent& d) { d.SetUser(""); },
         {"Invalid SMTP Username", "Invalid SMTP Username", "Invalid SMTP Username"},
         ConfigPage::EMails, "txtUser", true, -1},
        {"passwords differ in case", [](TConfigContent& d) { d.SetConfirmation("PW"); },
         {"Passwords do not match", "Passwords do not match", "Passwords do not match"},
         ConfigPage::EMails, "txtPass1", true, -1},
        {"relaying off, empty server and sender, bad user",
         [](TConfigContent& d) { d.SetEmailEnable(false); d.SetServer(""); d.SetSender(""); d.SetUser(""); },
         {nullptr, nullptr, nullptr}, ConfigPage::EMails, "", true, -1},
        {"relaying off, bad numbers still count",
         [](TConfigContent& d) { d.SetEmailEnable(false); d.SetTimeoutText("500"); },
         {"Invalid E-Mail Delivery Timeout.", "Invalid Delivery Timeout.",
          "The E-Mail Sending Timeout is not valid."},
         ConfigPage::EMails, "txtEMailTimeout", false, -1},
        {"relaying off, a bad server still counts",
         [](TConfigContent& d) { d.SetEmailEnable(false); d.SetServer("bad server"); },
         {"Invalid SMTP Server.", "Invalid SMTP Server.", "The SMTP Server is not valid."},
         ConfigPage::EMails, "txtEMailServer", false, -1},
        {"authentication off, user not needed",
         [](TConfigContent& d) { d.SetAuth(false); d.SetUser(""); d.SetConfirmation("x"); },
         {nullptr, nullptr, nullptr}, ConfigPage::EMails, "", true, -1},
    };
}

TEST(ContentValidation, ChecksInEachFlavoursOrder)
{
    for (const ValidationCase& c : ValidationCases()) {
        for (std::size_t f = 0; f < 3; ++f) {
            SCOPED_TRACE(std::string(c.Name) + " / flavour " + std::to_string(f));
            auto document = NewDocument(kFlavours[f]);
            AllValid(*document);
            c.Change(*document);
            const auto failure = document->Validate();
            if (!c.Messages[f]) {
                EXPECT_FALSE(failure) << failure->Message;
                continue;
            }
            ASSERT_TRUE(failure);
            EXPECT_EQ(failure->Message, c.Messages[f]);
            if (std::string(c.Messages[f]) != "Invalid SMTP Server." &&
                std::string(c.Messages[f]) != "The SMTP Server is not valid.") {
                EXPECT_EQ(failure->Page, c.Page);
                EXPECT_EQ(failure->Field, c.Field);
            }
            EXPECT_EQ(failure->FieldEnabled, c.FieldEnabled);
            EXPECT_EQ(failure->Recipient, c.Recipient);
        }
    }
}

TEST(ContentValidation, DF1ChecksTheUserBeforeTheRecipients)
{
    for (ConfigFlavour flavour : kFlavours) {
        auto document = NewDocument(flavour);
        AllValid(*document);
        document->SetUser("");
        document->AddRecipient("invalid");
        const auto failure = document->Validate();
        ASSERT_TRUE(failure);
        EXPECT_EQ(failure->Message, flavour == ConfigFlavour::DF1 ? "Invalid SMTP Username"
                                    : flavour == ConfigFlavour::Modbus ? "Invalid E-mail Address."
                                                                       : "Invalid E-mail address.");
    }
}

TEST(ContentValidation, AllProblemsListsEveryFailingCheckInOrder)
{
    auto document = NewDocument(ConfigFlavour::DF1);
    AllValid(*document);
    document->SetServer("bad server");
    document->SetRetriesText("");
    document->AddRecipient("bad");
    document->SetUser("");
    document->SetConfirmation("other");
    document->AddRecipient("also bad");
    std::vector<std::string> messages;
    std::vector<int> recipients;
    for (const auto& problem : document->AllProblems()) {
        messages.push_back(problem.Message);
        recipients.push_back(problem.Recipient);
    }
    EXPECT_EQ(messages, (std::vector<std::string>{
                            "The SMTP Server is not valid.", "The E-Mail Sending Retries is not valid.",
                            "Invalid SMTP Username", "Passwords do not match",
                            "The E-mail Address is not valid.", "The E-mail Address is not valid."}));
    EXPECT_EQ(recipients, (std::vector<int>{-1, -1, -1, -1, 2, 3}));
    EXPECT_EQ(document->Validate()->Message, messages.front());
}

// --- Tag list ------------------------------------------------------------------------------

TEST(ContentTags, AddReplaceGetDeleteAndNames)
{
    TModbusConfigContent document('.');
    document.New("Config1", "");
    TModbusTagConfig input;
    input.Name = "IN1";
    input.Source = kSourceKavroInput;
    input.TagType = kModbusSingleBit;
    input.RegisterTable = kInputStatus;
    input.BitPosition = 5;
    input.ReadOnly = true;
    document.AddTagToList(input);
    EXPECT_FALSE(document.Saved());
    EXPECT_EQ(document.Rows()[0].Cells[2], "00000");
    TModbusTagConfig back;
    ASSERT_TRUE(document.GetTagFromList(0, back));
    EXPECT_EQ(back.RegisterTable, kCoilStatus);
    EXPECT_EQ(back.Address, 0);
    EXPECT_EQ(back.BitPosition, 5);

    TModbusTagConfig untouched;
    untouched.Name = "KEEP";
    EXPECT_FALSE(document.GetTagFromList(1, untouched));
    EXPECT_FALSE(document.GetTagFromList(-1, untouched));
    EXPECT_EQ(untouched.Name, "KEEP");

    TModbusTagConfig second;
    second.Name = "T2";
    second.UnitId = 1;
    second.Address = 1;
    second.Kind = kKindInteger;
    second.Trap = true;
    document.AddTagToList(second);
    EXPECT_EQ(document.Rows()[1].Cells[17], "No") << "an added row has TRAP No";
    document.ReplaceSelectedTag(second);
    EXPECT_EQ(document.Rows()[1].Cells[17], "No") << "nothing is selected";
    document.SelectTag(1);
    EXPECT_TRUE(document.TagExists("IN1", -1));
    EXPECT_FALSE(document.TagExists("T2", 1));
    EXPECT_TRUE(document.TagExists("T2", -1));
    EXPECT_FALSE(document.TagExists("t2", -1)) << "letter case counts";
    second.Name = "T3";
    document.ReplaceSelectedTag(second);
    EXPECT_EQ(document.Rows()[1].Caption, "T3");
    EXPECT_EQ(document.Rows()[1].Cells[17], "Yes") << "a replaced row takes TRAP from the record";
    ASSERT_TRUE(document.GetTagFromList(1, back));
    EXPECT_FALSE(back.Trap);
    document.SelectTag(0);
    document.DeleteSelectedTag();
    EXPECT_EQ(document.GetTagCount(), 1);
    EXPECT_EQ(document.Rows()[0].Caption, "T3");
    EXPECT_EQ(document.SelectedTag(), -1);
    document.DeleteSelectedTag();
    EXPECT_EQ(document.GetTagCount(), 1);
}

// --- Whole-configuration records -------------------------------------------------------------

TEST(ContentRecords, ModbusGetAllConfig)
{
    TModbusConfigContent document('.');
    document.New("Config1", "");
    AllValid(document);
    document.AddRecipient("c@x");
    document.SetBaudRate(4);
    document.SetFormat(1);
    document.SetPacketTimeoutText("7");
    auto config = std::make_unique<TModbusKavroConfig>(document.GetAllConfig());
    EXPECT_EQ(config->BaudRate, 4);
    EXPECT_EQ(config->Format, 1);
    EXPECT_EQ(config->PacketTimeout, 7);
    EXPECT_EQ(config->ScanTime, 100);
    EXPECT_EQ(config->MessageTimeout, 1000);
    EXPECT_EQ(config->Email.RecipientCount, 3);
    EXPECT_EQ(config->Email.Recipients[2], "c@x");
    EXPECT_EQ(config->Email.Recipients[3], "");
    EXPECT_EQ(config->Email.Recipients[4], "");
    EXPECT_TRUE(config->Email.Auth);
    EXPECT_EQ(config->Email.User, "user");
    EXPECT_EQ(config->Email.Password, "pw");
    EXPECT_EQ(config->Email.Timeout, 20);

    auto old = std::make_unique<TModbusKavroConfig>(document.GetAllConfig(false));
    EXPECT_FALSE(old->Email.Auth);
    EXPECT_EQ(old->Email.User, "");
    EXPECT_EQ(old->Email.Password, "");
    EXPECT_TRUE(ModbusAuthRelaySupported("2.0.6"));
    EXPECT_FALSE(ModbusAuthRelaySupported("2.0.5"));
    EXPECT_THROW(ModbusAuthRelaySupported("2.x"), IntegerConversionError);

    document.SetServer(" smtp ");
    EXPECT_EQ(document.GetAllConfig().Email.Server, " smtp ") << "taken as it stands";
    document.SetRetriesText("");
    EXPECT_THROW(document.GetAllConfig(), IntegerConversionError);
}

TEST(ContentRecords, SetAllConfigClampsAndLeavesUnknownCodes)
{
    auto config = std::make_unique<TModbusKavroConfig>();
    config->ComType = 5;
    config->BaudRate = 7;
    config->Parity = 2;
    config->ScanTime = 20000;
    config->MessageTimeout = 1;
    config->PacketTimeout = 9;
    config->Email.Enable = true;
    config->Email.Password = "pw";
    config->Email.Recipients = {"", "later@x", "", "", ""};
    config->Email.RecipientCount = 1;
    config->TagCount = 500;
    TModbusConfigContent document('.');
    document.New("Config1", "");
    document.SetComType(2);
    document.SetChangeListener(nullptr);
    document.SetAllConfig(*config);
    EXPECT_FALSE(document.Saved());
    EXPECT_EQ(document.SerialPort().ComType, 2) << "ComType 5 leaves the selection";
    EXPECT_EQ(document.SerialPort().BaudRate, 7);
    EXPECT_EQ(document.SerialPort().ScanTime, 10000);
    EXPECT_EQ(document.ScanTimeText(), "10000 ms");
    EXPECT_EQ(document.SerialPort().MessageTimeout, 10);
    EXPECT_EQ(document.SerialPort().PacketTimeout, "9");
    EXPECT_EQ(document.Email().Password, "pw");
    EXPECT_EQ(document.Email().Confirmation, "pw");
    EXPECT_EQ(document.Email().Timeout, "0");
    EXPECT_EQ(document.Recipients(), std::vector<std::string>{"later@x"})
        << "every address the record holds, no empty entries";
    EXPECT_EQ(document.GetTagCount(), 128);
}

TEST(ContentRecords, DF1ParityDataBitsAndErrorDetection)
{
    TDF1ConfigContent document('.');
    document.New("Config1", "");
    document.SetParity(1);
    document.SetDataBits(0);
    document.SetErrorMethod(1);
    auto config = std::make_unique<TDF1KavroConfig>(document.GetAllConfig());
    EXPECT_EQ(config->Parity, 2);
    EXPECT_EQ(config->DataBits, 7);
    EXPECT_EQ(config->ErrorDetection, 1);

    const std::tuple<uint8_t, int, int> parities[] = {{0, 1, 0}, {1, 0, 1}, {2, 0, 1}, {3, 1, 1}};
    for (const auto& [code, before, after] : parities) {
        document.SetParity(before);
        config->Parity = code;
        document.SetAllConfig(*config);
        EXPECT_EQ(document.SerialPort().Parity, after) << int(code);
    }
    config->DataBits = 9;
    config->ErrorDetection = 4;
    document.SetAllConfig(*config);
    EXPECT_EQ(document.SerialPort().DataBits, 1) << "9 selects 8";
    EXPECT_EQ(document.SerialPort().ErrorMethod, 1) << "4 leaves the selection";
    config->DataBits = 7;
    config->ErrorDetection = 0;
    document.SetAllConfig(*config);
    EXPECT_EQ(document.SerialPort().DataBits, 0);
    EXPECT_EQ(document.SerialPort().ErrorMethod, 0);
}

template <typename Content, typename Config>
void ExpectRoundTrip(const Config& config)
{
    Content document('.');
    document.New("Config1", "");
    document.SetAllConfig(config);
    EXPECT_FALSE(document.Validate()) << document.Validate()->Message;
    auto back = std::make_unique<Config>(document.GetAllConfig());
    EXPECT_TRUE(*back == config);
    Content comma(',');
    comma.New("Config1", "");
    comma.SetAllConfig(config);
    EXPECT_TRUE(comma.GetAllConfig() == config);
}

TEmailConfig SomeEmail()
{
    TEmailConfig email;
    email.Enable = true;
    email.Server = "smtp.example.com";
    email.Timeout = 30;
    email.Retries = 3;
    email.RetryInterval = 15;
    email.From = "kavro@example.com";
    email.Recipients = {"a@x", "b@x", "", "", ""};
    email.RecipientCount = 2;
    email.Auth = true;
    email.User = "user";
    email.Password = "pw";
    return email;
}

TEST(ContentRecords, RoundTripsOfEveryFlavour)
{
    auto modbus = std::make_unique<TModbusKavroConfig>();
    modbus->ComType = 1;
    modbus->BaudRate = 8;
    modbus->Parity = 2;
    modbus->Format = 1;
    modbus->ScanTime = 250;
    modbus->MessageTimeout = 900;
    modbus->PacketTimeout = 5;
    modbus->Email = SomeEmail();
    modbus->TagCount = 3;
    modbus->Tags[0].Name = "HR";
    modbus->Tags[0].UnitId = 1;
    modbus->Tags[0].Address = 10000;
    modbus->Tags[0].Kind = kKindInteger;
    modbus->Tags[0].WriteLimits = true;
    modbus->Tags[0].WriteMin.AsInteger = -5;
    modbus->Tags[0].WriteMax.AsInteger = 5;
    modbus->Tags[1].Name = "FL";
    modbus->Tags[1].UnitId = 2;
    modbus->Tags[1].RegisterTable = kInputRegister;
    modbus->Tags[1].Address = 3;
    modbus->Tags[1].TagType = kModbusFloat;
    modbus->Tags[1].Kind = kKindFloat;
    modbus->Tags[1].ReadOnly = true;
    modbus->Tags[1].AlarmEnable = true;
    modbus->Tags[1].AlarmMin.AsFloat = 0.1f;
    modbus->Tags[1].AlarmMax.AsFloat = 3e20f;
    modbus->Tags[1].Scale = kScaleLinear;
    modbus->Tags[1].FactorA = 1.5f;
    modbus->Tags[2].Name = "OUT";
    modbus->Tags[2].Source = kSourceKavroOutput;
    modbus->Tags[2].TagType = kModbusSingleBit;
    modbus->Tags[2].RegisterTable = kCoilStatus;  // as a row gives it back
    modbus->Tags[2].BitPosition = 7;
    modbus->Tags[2].AlarmEnable = true;
    modbus->Tags[2].AlarmMax.AsDigital = true;
    ExpectRoundTrip<TModbusConfigContent>(*modbus);

    auto hostlink = std::make_unique<THostlinkKavroConfig>();
    hostlink->ComType = 2;
    hostlink->BaudRate = 0;
    hostlink->Parity = 1;
    hostlink->ScanTime = 10000;
    hostlink->MessageTimeout = 10;
    hostlink->Email = SomeEmail();
    hostlink->TagCount = 2;
    hostlink->Tags[0].Name = "DM100";
    hostlink->Tags[0].RegisterTable = 5;
    hostlink->Tags[0].Address = 100;
    hostlink->Tags[0].Kind = kKindInteger;
    hostlink->Tags[1].Name = "AI";
    hostlink->Tags[1].Source = kSourceAnalogInput;
    hostlink->Tags[1].TagType = kTypeSignedInt;
    hostlink->Tags[1].BitPosition = 1;
    hostlink->Tags[1].Kind = kKindFloat;
    hostlink->Tags[1].Scale = kScaleLinear;
    hostlink->Tags[1].FactorA = 0.01f;
    hostlink->Tags[1].FactorB = -40.0f;
    ExpectRoundTrip<THostlinkConfigContent>(*hostlink);

    auto df1 = std::make_unique<TDF1KavroConfig>();
    df1->ComType = 0;
    df1->BaudRate = 2;
    df1->DataBits = 7;
    df1->Parity = 2;
    df1->ErrorDetection = 1;
    df1->ScanTime = 0;
    df1->MessageTimeout = 2000;
    df1->Email = SomeEmail();
    df1->TagCount = 128;
    for (int i = 0; i < 128; ++i) {
        auto& tag = df1->Tags[static_cast<std::size_t>(i)];
        tag.Name = "N" + std::to_string(i);
        tag.FileType = 4;
        tag.FileNumber = 7;
        tag.WordNumber = i;
        tag.Kind = kKindInteger;
    }
    ExpectRoundTrip<TDF1ConfigContent>(*df1);
}

}  // namespace
}  // namespace qvs
