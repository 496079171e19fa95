// Reading and writing kvr files through the document content of each flavour.
#include "df1_config_content.h"
#include "hostlink_config_content.h"
#include "kvr_file.h"
#include "make_config_content.h"
#include "modbus_config_content.h"
#include "qprot_errors.h"

#include "test_files.h"

#include <gtest/gtest.h>

#include <functional>

namespace qvs {
namespace {

using test::ReadBytes;
using test::TempFolder;
using test::WriteBytes;

const std::string kSmtpOfANewDocument =
    "[SMTP]\r\nENABLE=0\r\nSERVER=\r\nTIMEOUT=20\r\nRETRIES=5\r\nRETRYINT=10\r\nFROM=\r\nAUTH=0\r\n"
    "USER=\r\nPASS=\r\nTOO_0=\r\nTOO_1=\r\nTOO_2=\r\nTOO_3=\r\nTOO_4=\r\nTOO_5=\r\n\r\n";

struct NewFileCase {
    ConfigFlavour Flavour;
    std::string Bytes;
};

TEST(KvrNewDocument, SavedAtOnceGivesTheExactFile)
{
    const NewFileCase cases[] = {
        {ConfigFlavour::Modbus,
         "[GENERAL]\r\nFILETYPE=MB\r\nFILEVERSION=1.0\r\n\r\n[COM]\r\nCOMTYPE=0\r\nBAUD=9600\r\n"
         "PARITY=0\r\nFORMAT=0\r\nSCANTIME=100\r\nMSGTOUT=1000\r\nPKTTOUT=4\r\n\r\n" +
             kSmtpOfANewDocument},
        {ConfigFlavour::Hostlink,
         "[GENERAL]\r\nFILETYPE=HL\r\nFILEVERSION=1.0\r\n\r\n[COM]\r\nCOMTYPE=0\r\nBAUD=9600\r\n"
         "PARITY=0\r\nSCANTIME=100\r\nMSGTOUT=1000\r\n\r\n" +
             kSmtpOfANewDocument},
        {ConfigFlavour::DF1,
         "[GENERAL]\r\nFILETYPE=DF1\r\nFILEVERSION=2.0\r\n\r\n[COM]\r\nCOMTYPE=0\r\nBAUD=9600\r\n"
         "PARITY=0\r\nSCANTIME=100\r\nMSGTOUT=1000\r\nDATABITS=8\r\nERRORMTHD=0\r\n\r\n" +
             kSmtpOfANewDocument},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        auto document = MakeConfigContent(c.Flavour, '.');
        document->New("Config1.kvr", folder.Path().string());
        EXPECT_TRUE(document->Saved());
        EXPECT_FALSE(document->HasFile());
        EXPECT_EQ(document->FileName(), folder.File("Config1.kvr"));
        const TSaveOutcome outcome = document->UpdateFile();
        ASSERT_TRUE(outcome.Ok()) << outcome.Error;
        EXPECT_EQ(ReadBytes(folder.File("Config1.kvr")), c.Bytes);
        EXPECT_EQ(RecognizeKvrFile(folder.File("Config1.kvr")), c.Flavour);

        auto reopened = MakeConfigContent(c.Flavour, '.');
        ASSERT_TRUE(reopened->Open(folder.File("Config1.kvr")));
        EXPECT_TRUE(reopened->ReadWarnings().empty());
        EXPECT_TRUE(reopened->Saved());
        EXPECT_EQ(reopened->SerialPort(), document->SerialPort());
        EXPECT_EQ(reopened->Email(), document->Email());
    }
}

// A valid file of the flavour with some entries changed (nullptr value: entry removed).
std::string FileWith(ConfigFlavour flavour,
                     std::vector<std::tuple<const char*, const char*, const char*>> edits)
{
    auto document = MakeConfigContent(flavour, '.');
    document->New("x.kvr", "");
    IniStore store;
    document->SetFileVersion(store);
    document->SetFileFromCOM(store);
    document->SetFileFromEMAIL(store);
    for (const auto& [section, key, value] : edits) {
        if (value) store.WriteString(section, key, value);
        else store.DeleteKey(section, key);
    }
    return store.Text();
}

std::string Invalid(const std::string& name, const std::string& value, const std::string& def)
{
    return "The paramenter \"" + name + "\" has not a valid value (" + value + ").\r\n Value \"" +
           def + "\" is taken as Default.";
}

std::string TooLarge(const std::string& whole, const std::string& cut)
{
    return "The paramenter \"" + whole + "\" is too large.\r\n Value \"" + cut +
           "\" is taken as Default.";
}

struct ReadCase {
    const char* Name;
    ConfigFlavour Flavour;
    std::vector<std::tuple<const char*, const char*, const char*>> Edits;
    std::vector<std::string> Warnings;
    bool Saved;
    std::function<void(const TConfigContent&)> Check;
};

const std::string k60(60, 's');

std::vector<ReadCase> ReadCases()
{
    const auto mb = ConfigFlavour::Modbus, hl = ConfigFlavour::Hostlink, df1 = ConfigFlavour::DF1;
    return {
        {"no packet timeout", mb, {{"COM", "PKTTOUT", nullptr}},
         {Invalid("Packet Timeout", "", "4 bytes")}, false,
         [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().PacketTimeout, "4"); }},
        {"baud 1200", mb, {{"COM", "BAUD", "1200"}}, {Invalid("Baud Rate", "1200", "9600 bps")},
         false, [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().BaudRate, 2); }},
        {"baud 3000", hl, {{"COM", "BAUD", "3000"}}, {Invalid("Baud Rate", "3000", "9600 bps")},
         false, [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().BaudRate, 2); }},
        {"baud 115200", df1, {{"COM", "BAUD", "115200"}}, {}, true,
         [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().BaudRate, 8); }},
        {"comtype 1", mb, {{"COM", "COMTYPE", "1"}}, {}, true,
         [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().ComType, 0); }},
        {"comtype 3", hl, {{"COM", "COMTYPE", "3"}}, {}, true,
         [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().ComType, 2); }},
        {"comtype 4", df1, {{"COM", "COMTYPE", "4"}},
         {Invalid("Serial COM Type", "4", "RS-232")}, false, nullptr},
        {"scan time and message timeout", mb,
         {{"COM", "SCANTIME", "20000"}, {"COM", "MSGTOUT", "5"}},
         {Invalid("Scan Time", "20000", "100 ms"), Invalid("Message Timeout", "5", "1000 ms")},
         false,
         [](const TConfigContent& d) {
             EXPECT_EQ(d.SerialPort().ScanTime, 100);
             EXPECT_EQ(d.SerialPort().MessageTimeout, 1000);
         }},
        {"everything missing, Modbus", mb,
         {{"COM", "COMTYPE", nullptr}, {"COM", "BAUD", nullptr}, {"COM", "PARITY", nullptr},
          {"COM", "FORMAT", nullptr}, {"COM", "SCANTIME", nullptr}, {"COM", "MSGTOUT", nullptr},
          {"COM", "PKTTOUT", nullptr}, {"SMTP", "TIMEOUT", nullptr}, {"SMTP", "RETRIES", nullptr},
          {"SMTP", "RETRYINT", nullptr}},
         {Invalid("Serial COM Type", "", "RS-232"), Invalid("Baud Rate", "", "9600 bps"),
          Invalid("Parity", "", "None"), Invalid("Format", "", "RTU"),
          Invalid("Scan Time", "", "100 ms"), Invalid("Message Timeout", "", "1000 ms"),
          Invalid("Packet Timeout", "", "4 bytes"),
          Invalid("E-mail delivery Timeout", "", "20 sec"),
          Invalid("E-mail delivery Retries", "", "5 times"), Invalid("Retry every", "", "10 sec")},
         false, nullptr},
        {"smtp numbers, Hostlink", hl,
         {{"SMTP", "TIMEOUT", "0"}, {"SMTP", "RETRIES", "100"}, {"SMTP", "RETRYINT", "x"}},
         {Invalid("E-Mail Sending Timeout", "0", "20 sec"),
          Invalid("E-Mail Sending Retries", "100", "5 times"),
          Invalid("Time between E-Mail sending retries", "x", "10 sec")},
         false,
         [](const TConfigContent& d) {
             EXPECT_EQ(d.Email().Timeout, "20");
             EXPECT_EQ(d.Email().Retries, "5");
             EXPECT_EQ(d.Email().RetryInterval, "10");
         }},
        {"smtp numbers, DF1", df1,
         {{"SMTP", "TIMEOUT", "101"}, {"SMTP", "RETRIES", "-1"}, {"SMTP", "RETRYINT", "0"}},
         {Invalid("E-mail delivery timeout", "101", "20 sec"),
          Invalid("E-mail delivery retries", "-1", "5 times"),
          Invalid("Retry every", "0", "10 sec")},
         false, nullptr},
        {"server of 60, Hostlink", hl, {{"SMTP", "SERVER", k60.c_str()}},
         {TooLarge(k60, k60.substr(0, 49))}, false,
         [](const TConfigContent& d) { EXPECT_EQ(d.Email().Server, k60.substr(0, 49)); }},
        {"server of 60, Modbus cuts silently", mb, {{"SMTP", "SERVER", k60.c_str()}}, {}, false,
         [](const TConfigContent& d) { EXPECT_EQ(d.Email().Server, k60.substr(0, 49)); }},
        {"password of 60, DF1", df1, {{"SMTP", "PASS", k60.c_str()}},
         {TooLarge(k60, k60.substr(0, 49)), TooLarge(k60, k60.substr(0, 49))}, false,
         [](const TConfigContent& d) {
             EXPECT_EQ(d.Email().Password, k60.substr(0, 49));
             EXPECT_EQ(d.Email().Confirmation, k60.substr(0, 49));
         }},
        {"password of 21, Modbus", mb, {{"SMTP", "PASS", "123456789012345678901"}}, {}, false,
         [](const TConfigContent& d) { EXPECT_EQ(d.Email().Password, "12345678901234567890"); }},
        {"DF1 parity 1", df1, {{"COM", "PARITY", "1"}}, {}, true,
         [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().Parity, 1); }},
        {"DF1 parity 2", df1, {{"COM", "PARITY", "2"}}, {Invalid("Parity", "2", "None")}, false,
         [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().Parity, 0); }},
        {"DF1 data bits 7", df1, {{"COM", "DATABITS", "7"}}, {}, true,
         [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().DataBits, 0); }},
        {"DF1 data bits missing, error method 2", df1,
         {{"COM", "DATABITS", nullptr}, {"COM", "ERRORMTHD", "2"}},
         {Invalid("Data Bits", "", "8"), Invalid("Error Detection", "2", "CRC")}, false,
         [](const TConfigContent& d) { EXPECT_EQ(d.SerialPort().DataBits, 1); }},
        {"Hostlink has no FORMAT or PKTTOUT", hl, {{"COM", "FORMAT", "9"}, {"COM", "PKTTOUT", "x"}},
         {}, true, nullptr},
        {"booleans", mb, {{"SMTP", "ENABLE", "-3"}, {"SMTP", "AUTH", "yes"}}, {}, true,
         [](const TConfigContent& d) {
             EXPECT_TRUE(d.Email().Enable);
             EXPECT_FALSE(d.Email().Auth);
         }},
        {"recipients close up", mb,
         {{"SMTP", "TOO_0", ""}, {"SMTP", "TOO_1", "a@b.c"}, {"SMTP", "TOO_3", "x@y"}}, {}, true,
         [](const TConfigContent& d) {
             EXPECT_EQ(d.Recipients(), (std::vector<std::string>{"a@b.c", "x@y"}));
         }},
        {"texts as stored", hl, {{"SMTP", "FROM", "0,5"}, {"SMTP", "USER", "\"quoted\""}}, {}, true,
         [](const TConfigContent& d) {
             EXPECT_EQ(d.Email().Sender, "0,5");
             EXPECT_EQ(d.Email().User, "\"quoted\"");
         }},
    };
}

TEST(KvrReading, WarningsDefaultsAndCutsPerFlavour)
{
    for (const ReadCase& c : ReadCases()) {
        SCOPED_TRACE(c.Name);
        TempFolder folder;
        const std::string path = folder.File("a.kvr");
        WriteBytes(path, FileWith(c.Flavour, c.Edits));
        auto document = MakeConfigContent(c.Flavour, '.');
        int notifications = 0;
        document->SetChangeListener([&](ContentChange) { ++notifications; });
        ASSERT_TRUE(document->Open(path));
        EXPECT_EQ(document->ReadWarnings(), c.Warnings);
        EXPECT_EQ(document->Saved(), c.Saved);
        EXPECT_TRUE(document->HasFile());
        EXPECT_TRUE(document->Loaded());
        EXPECT_GT(notifications, 0);
        if (c.Check) c.Check(*document);
    }
}

TEST(KvrReading, ComTypeOneIsWrittenBackAsZero)
{
    TempFolder folder;
    const std::string path = folder.File("a.kvr");
    WriteBytes(path, FileWith(ConfigFlavour::Modbus, {{"COM", "COMTYPE", "1"}}));
    TModbusConfigContent document('.');
    ASSERT_TRUE(document.Open(path));
    ASSERT_TRUE(document.UpdateFile().Ok());
    IniStore saved;
    saved.Load(path);
    EXPECT_EQ(saved.ReadString("COM", "COMTYPE", ""), "0");
}

struct RecognitionCase {
    const char* Text;
    std::optional<ConfigFlavour> Flavour;
};

TEST(KvrRecognition, ExactTypeAndVersionLetterCaseOfNamesFree)
{
    const RecognitionCase cases[] = {
        {"[GENERAL]\r\nFILETYPE=MB\r\nFILEVERSION=1.0\r\n", ConfigFlavour::Modbus},
        {"[general]\r\nfiletype = MB\r\nFILEVERSION=1.0\r\n", ConfigFlavour::Modbus},
        {"[GENERAL]\nFILETYPE=mb\nFILEVERSION=1.0\n", std::nullopt},
        {"[GENERAL]\rFILETYPE=HL\rFILEVERSION=1.0\r", ConfigFlavour::Hostlink},
        {"[GENERAL]\r\nFILETYPE=DF1\r\nFILEVERSION=2.0\r\n", ConfigFlavour::DF1},
        {"[GENERAL]\r\nFILETYPE=DF1\r\nFILEVERSION=1.0\r\n", std::nullopt},
        {"[GENERAL]\r\nFILETYPE=MB\r\n", std::nullopt},
        {"FILETYPE=MB\r\nFILEVERSION=1.0\r\n", std::nullopt},
        {"[GENERAL]\r\nFILETYPE=\"MB\"\r\nFILEVERSION=1.0\r\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        WriteBytes(folder.File("f.kvr"), c.Text);
        EXPECT_EQ(RecognizeKvrFile(folder.File("f.kvr")), c.Flavour) << c.Text;
        EXPECT_EQ(IsModbusFile(folder.File("f.kvr")), c.Flavour == ConfigFlavour::Modbus);
        EXPECT_EQ(IsHostlinkFile(folder.File("f.kvr")), c.Flavour == ConfigFlavour::Hostlink);
        EXPECT_EQ(IsDF1File(folder.File("f.kvr")), c.Flavour == ConfigFlavour::DF1);
    }
    EXPECT_FALSE(RecognizeKvrFile("/nonexistent/file.kvr"));
}

TModbusTagConfig HoldingTag(const std::string& name, int32_t address)
{
    TModbusTagConfig tag;
    tag.Name = name;
    tag.UnitId = 1;
    tag.Address = address;
    tag.Kind = kKindInteger;
    return tag;
}

TEST(KvrRoundTrip, ForeignSectionsStayAndTagsFollowThem)
{
    TempFolder folder;
    const std::string path = folder.File("a.kvr");
    std::string text = FileWith(ConfigFlavour::Modbus, {{"SMTP", "X-EXTRA", "kept"}});
    text += "[TAG0]\r\nNAME=OLD\r\nSOURCE=Modbus Serial\r\nUNITID=1\r\nADDRESS=40001\r\n"
            "TYPE=Unsigned int\r\nENRON=No\r\nBITPOS=0\r\nREADONLY=No\r\nLIMITS=No\r\nWRMIN=0\r\n"
            "WRMAX=0\r\nALARM=No\r\nALMIN=0\r\nALMAX=0\r\nEMAIL=No\r\nSCALE=None\r\nFACTORA=0\r\n"
            "FACTORB=0\r\nTRAP=Yes\r\nKIND=1\r\n\r\n; a comment\r\n[NOTES]\r\nWHO=me\r\nfree line\r\n";
    WriteBytes(path, text);
    TModbusConfigContent document('.');
    ASSERT_TRUE(document.Open(path));
    ASSERT_EQ(document.GetTagCount(), 1);
    EXPECT_EQ(document.Rows()[0].Cells[17], "Yes") << "TRAP is read into its hidden cell";
    document.AddTagToList(HoldingTag("NEW", 2));
    EXPECT_FALSE(document.Saved());
    ASSERT_TRUE(document.UpdateFile().Ok());
    EXPECT_TRUE(document.Saved());

    IniStore saved;
    ASSERT_TRUE(saved.Load(path));
    EXPECT_EQ(saved.SectionNames(),
              (std::vector<std::string>{"GENERAL", "COM", "SMTP", "NOTES", "TAG0", "TAG1"}));
    EXPECT_EQ(saved.ReadString("SMTP", "X-EXTRA", ""), "kept");
    EXPECT_EQ(saved.ReadString("NOTES", "WHO", ""), "me");
    EXPECT_NE(ReadBytes(path).find("[NOTES]\r\nWHO=me\r\nfree line\r\n\r\n[TAG0]"), std::string::npos);
    EXPECT_EQ(ReadBytes(path).find("comment"), std::string::npos);
    EXPECT_FALSE(saved.ValueExists("TAG0", "TRAP")) << "TRAP is never written";
    EXPECT_EQ(saved.KeyNames("TAG1"),
              (std::vector<std::string>{"NAME", "SOURCE", "UNITID", "ADDRESS", "TYPE", "ENRON",
                                        "BITPOS", "READONLY", "LIMITS", "WRMIN", "WRMAX", "ALARM",
                                        "ALMIN", "ALMAX", "EMAIL", "SCALE", "FACTORA", "FACTORB",
                                        "KIND"}));
    EXPECT_EQ(saved.ReadString("TAG1", "ADDRESS", ""), "40002");
}

TEST(KvrRoundTrip, ReadingStopsAtTheFirstMissingTagSection)
{
    TempFolder folder;
    const std::string path = folder.File("a.kvr");
    std::string text = FileWith(ConfigFlavour::Hostlink, {});
    for (int i : {0, 1, 3}) text += "[TAG" + std::to_string(i) + "]\r\nNAME=T" + std::to_string(i) + "\r\n";
    WriteBytes(path, text);
    THostlinkConfigContent document('.');
    ASSERT_TRUE(document.Open(path));
    ASSERT_EQ(document.GetTagCount(), 2);
    EXPECT_EQ(document.Rows()[1].Caption, "T1");
    EXPECT_EQ(document.Rows()[1].Cells, std::vector<std::string>(18)) << "absent keys: empty cells";
}

TEST(KvrRoundTrip, AModbusTagWithoutSourceIsAnAnalogInput)
{
    TempFolder folder;
    const std::string path = folder.File("a.kvr");
    WriteBytes(path, FileWith(ConfigFlavour::Modbus, {}) +
                         "[TAG0]\r\nNAME=AI\r\nUNITID=0\r\nADDRESS=00000\r\nTYPE=Signed int\r\n"
                         "BITPOS=2\r\nWRMIN=0\r\nWRMAX=0\r\nALMIN=0\r\nALMAX=0\r\nFACTORA=0\r\n"
                         "FACTORB=0\r\nKIND=1\r\n");
    TModbusConfigContent document('.');
    ASSERT_TRUE(document.Open(path));
    EXPECT_EQ(document.Rows()[0].Cells[0], "");
    EXPECT_EQ(document.Rows()[0].Cells[17], "No") << "TRAP defaults to No";
    TModbusTagConfig tag;
    ASSERT_TRUE(document.GetTagFromList(0, tag));
    EXPECT_EQ(tag.Source, kSourceAnalogInput);
    EXPECT_EQ(tag.BitPosition, 2);
}

TEST(KvrRoundTrip, EveryValueWithinTheLimitsComesBackWithoutWarnings)
{
    for (ConfigFlavour flavour : {ConfigFlavour::Modbus, ConfigFlavour::Hostlink, ConfigFlavour::DF1}) {
        for (char separator : {'.', ','}) {
            TempFolder folder;
            auto document = MakeConfigContent(flavour, separator);
            document->New("a.kvr", folder.Path().string());
            document->SetComType(2);
            document->SetBaudRate(8);
            document->SetParity(1);
            document->SetFormat(1);
            document->SetDataBits(0);
            document->SetErrorMethod(1);
            document->SetScanTime(0);
            document->SetMessageTimeout(2000);
            document->SetPacketTimeoutText("20");
            document->SetEmailEnable(true);
            document->SetServer("  smtp.example.com ");
            document->SetAuth(true);
            document->SetUser("user");
            document->SetPassword("Secret");
            document->SetConfirmation("Secret");
            document->SetTimeoutText("100");
            document->SetRetriesText("0");
            document->SetRetryIntervalText("1");
            document->SetSender("from@example.com");
            for (const char* address : {"a@x", "b@x", "c@x", "d@x", "e@x"})
                document->AddRecipient(address);
            if (flavour == ConfigFlavour::Modbus) {
                auto& modbus = static_cast<TModbusConfigContent&>(*document);
                TModbusTagConfig tag = HoldingTag("F", 10000);
                tag.TagType = kModbusFloat;
                tag.Kind = kKindFloat;
                tag.WriteLimits = true;
                tag.WriteMin.AsFloat = -0.1f;
                tag.WriteMax.AsFloat = 1e16f;
                modbus.AddTagToList(tag);
                modbus.AddTagToList(HoldingTag("I", 1));
            } else if (flavour == ConfigFlavour::Hostlink) {
                THostlinkTagConfig tag;
                tag.Name = "H";
                tag.Kind = kKindFloat;
                tag.FactorA = 0.3f;
                static_cast<THostlinkConfigContent&>(*document).AddTagToList(tag);
            } else {
                TDF1TagConfig tag;
                tag.Name = "D";
                tag.Kind = kKindFloat;
                tag.FactorB = -1.5e-5f;
                static_cast<TDF1ConfigContent&>(*document).AddTagToList(tag);
            }
            ASSERT_TRUE(document->UpdateFile().Ok());

            auto reopened = MakeConfigContent(flavour, separator);
            ASSERT_TRUE(reopened->Open(document->FileName()));
            EXPECT_TRUE(reopened->ReadWarnings().empty());
            EXPECT_TRUE(reopened->Saved());
            TSerialPortContent serial = document->SerialPort();
            if (flavour != ConfigFlavour::Modbus) { serial.Format = 0; serial.PacketTimeout = "4"; }
            if (flavour != ConfigFlavour::DF1) { serial.DataBits = 1; serial.ErrorMethod = 0; }
            EXPECT_EQ(reopened->SerialPort(), serial);
            TEmailContent email = document->Email();
            email.Server = "smtp.example.com";  // only the SMTP texts come back trimmed
            EXPECT_EQ(reopened->Email(), email);
            EXPECT_EQ(reopened->Recipients(), document->Recipients());
            EXPECT_EQ(reopened->Rows(), document->Rows());
        }
    }
}

TEST(KvrRecipients, AGapIsClosedAndSavedWithoutIt)
{
    TempFolder folder;
    const std::string path = folder.File("a.kvr");
    WriteBytes(path, FileWith(ConfigFlavour::DF1, {{"SMTP", "TOO_0", ""}, {"SMTP", "TOO_1", "a@b"}}));
    TDF1ConfigContent document('.');
    ASSERT_TRUE(document.Open(path));
    EXPECT_EQ(document.Recipients(), std::vector<std::string>{"a@b"});
    ASSERT_TRUE(document.UpdateFile().Ok());
    IniStore saved;
    saved.Load(path);
    EXPECT_EQ(saved.ReadString("SMTP", "TOO_0", ""), "a@b");
    for (int i = 1; i <= 5; ++i) {
        EXPECT_TRUE(saved.ValueExists("SMTP", "TOO_" + std::to_string(i)));
        EXPECT_EQ(saved.ReadString("SMTP", "TOO_" + std::to_string(i), "x"), "");
    }
}

TEST(KvrRecipients, ASixthAddressSurvivesOpenAndSaveAndStopsASend)
{
    TempFolder folder;
    const std::string path = folder.File("a.kvr");
    WriteBytes(path, FileWith(ConfigFlavour::Modbus,
                              {{"SMTP", "TOO_0", "a@x"}, {"SMTP", "TOO_1", "b@x"},
                               {"SMTP", "TOO_2", "c@x"}, {"SMTP", "TOO_3", "d@x"},
                               {"SMTP", "TOO_4", "e@x"}, {"SMTP", "TOO_5", "sixth@x"}}));
    TModbusConfigContent document('.');
    ASSERT_TRUE(document.Open(path));
    ASSERT_EQ(document.Recipients().size(), 6u);
    EXPECT_TRUE(document.Saved());
    EXPECT_FALSE(document.Validate()) << "saving is allowed";
    ASSERT_TRUE(document.UpdateFile().Ok());
    IniStore saved;
    saved.Load(path);
    EXPECT_EQ(saved.ReadString("SMTP", "TOO_5", ""), "sixth@x");

    EXPECT_TRUE(document.AddRecipient("more@x").has_value());
    const auto refusal = document.ValidateForSend();
    ASSERT_TRUE(refusal);
    EXPECT_EQ(refusal->Message, "Kavro takes at most 5 E-Mail Addresses. Delete \"sixth@x\" or "
                                "another address before sending this configuration.");
    EXPECT_EQ(refusal->Page, ConfigPage::EMails);
    EXPECT_EQ(refusal->Field, "lstEMailRecipients");
    EXPECT_EQ(refusal->Recipient, 5);

    document.SelectRecipient(5);
    ASSERT_TRUE(document.DeleteSelectedRecipient());
    EXPECT_FALSE(document.ValidateForSend());
    EXPECT_EQ(document.GetAllConfig().Email.RecipientCount, 5);
}

TEST(KvrSeparators, ModbusFollowsTheUsersSeparatorHostlinkAndDF1KeepTheText)
{
    const std::string tag =
        "[TAG0]\r\nNAME=F\r\nSOURCE=%S\r\nUNITID=1\r\nREGTABLE=DM\r\nADDRESS=40001\r\n"
        "FILETYPE=Float (F)\r\nFILENUMBER=8\r\nWORDNUMBER=1\r\nTYPE=Float\r\nENRON=No\r\n"
        "BITPOS=0\r\nREADONLY=No\r\nLIMITS=Yes\r\nWRMIN=0,5\r\nWRMAX= 2.5 \r\nALARM=No\r\n"
        "ALMIN=0\r\nALMAX=0\r\nEMAIL=No\r\nSCALE=None\r\nFACTORA=0\r\nFACTORB=abc\r\nKIND=2\r\n";
    auto withSource = [&](const std::string& source) {
        std::string text = tag;
        text.replace(text.find("%S"), 2, source);
        return text;
    };
    TempFolder folder;

    // Modbus, point separator: 0,5 becomes 0.5 on reading and parses.
    WriteBytes(folder.File("mb.kvr"), FileWith(ConfigFlavour::Modbus, {}) + withSource("Modbus Serial"));
    TModbusConfigContent point('.');
    ASSERT_TRUE(point.Open(folder.File("mb.kvr")));
    EXPECT_EQ(point.Rows()[0].Cells[8], "0.5");
    EXPECT_EQ(point.Rows()[0].Cells[9], "2.5");
    EXPECT_EQ(point.Rows()[0].Cells[16], "abc") << "a text that is no number stays";
    TModbusConfigContent comma(',');
    ASSERT_TRUE(comma.Open(folder.File("mb.kvr")));
    EXPECT_EQ(comma.Rows()[0].Cells[8], "0,5");
    EXPECT_EQ(comma.Rows()[0].Cells[9], "2,5");
    try {
        TModbusTagConfig parsed;
        comma.GetTagFromList(0, parsed);
        FAIL();
    } catch (const FloatConversionError& e) {
        EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
    }
    ASSERT_TRUE(comma.UpdateFile().Ok());
    IniStore saved;
    saved.Load(folder.File("mb.kvr"));
    EXPECT_EQ(saved.ReadString("TAG0", "WRMIN", ""), "0,5");

    // Hostlink keeps 0,5, which is no float where the separator is a point.
    WriteBytes(folder.File("hl.kvr"),
               FileWith(ConfigFlavour::Hostlink, {}) + withSource("Hostlink Serial"));
    THostlinkConfigContent hostlink('.');
    ASSERT_TRUE(hostlink.Open(folder.File("hl.kvr")));
    EXPECT_EQ(hostlink.Rows()[0].Cells[8], "0,5");
    try {
        hostlink.GetAllConfig();
        FAIL();
    } catch (const FloatConversionError& e) {
        EXPECT_STREQ(e.what(), "'0,5' is not a valid floating point value");
    }
    ASSERT_TRUE(hostlink.UpdateFile().Ok());
    saved.Load(folder.File("hl.kvr"));
    EXPECT_EQ(saved.ReadString("TAG0", "WRMIN", ""), "0,5");

    WriteBytes(folder.File("df1.kvr"), FileWith(ConfigFlavour::DF1, {}) + withSource("DF1 Serial"));
    TDF1ConfigContent df1(',');
    ASSERT_TRUE(df1.Open(folder.File("df1.kvr")));
    EXPECT_EQ(df1.Rows()[0].Cells[9], "2.5");
    TDF1TagConfig parsed;
    EXPECT_THROW(df1.GetTagFromList(0, parsed), FloatConversionError);
}

TEST(KvrSaving, AFailedSaveKeepsTheOldFileAndTheDocumentUnsaved)
{
    TempFolder folder;
    const std::string path = folder.File("a.kvr");
    WriteBytes(path, FileWith(ConfigFlavour::Modbus, {}));
    const std::string old = ReadBytes(path);
    TModbusConfigContent document('.');
    ASSERT_TRUE(document.Open(path));
    for (int i = 0; i < 128; ++i) document.AddTagToList(HoldingTag("T" + std::to_string(i), i + 1));
    int writes = 0;
    document.SetFileWriter([&](int fd, const char* data, std::size_t size) -> long {
        if (++writes > 1) return -1;  // the disk is full after the first part
        return static_cast<long>(::write(fd, data, std::min<std::size_t>(size, 4096)));
    });
    const TSaveOutcome outcome = document.UpdateFile();
    EXPECT_FALSE(outcome.Ok());
    EXPECT_FALSE(outcome.Invalid);
    EXPECT_EQ(outcome.Error, "Cannot create file " + path);
    EXPECT_FALSE(document.Saved());
    EXPECT_EQ(ReadBytes(path), old);

    document.SetFileWriter(nullptr);
    ASSERT_TRUE(document.UpdateFile().Ok());
    EXPECT_TRUE(document.Saved());
    TModbusConfigContent reopened('.');
    ASSERT_TRUE(reopened.Open(path));
    EXPECT_EQ(reopened.GetTagCount(), 128);
}

TEST(KvrSaving, SaveAsStartsFromAnEmptyStoreAndAnInvalidDocumentWritesNothing)
{
    TempFolder folder;
    const std::string first = folder.File("first.kvr");
    const std::string second = folder.File("second.kvr");
    WriteBytes(first, FileWith(ConfigFlavour::Hostlink, {}) + "[NOTES]\r\nN=1\r\n");
    WriteBytes(second, "previous content");
    THostlinkConfigContent document('.');
    ASSERT_TRUE(document.Open(first));
    document.SetServer("bad name");
    const TSaveOutcome refused = document.SaveAs(second);
    ASSERT_TRUE(refused.Invalid);
    EXPECT_EQ(refused.Invalid->Message, "Invalid SMTP Server.");
    EXPECT_EQ(ReadBytes(second), "previous content");
    EXPECT_EQ(document.FileName(), second);
    EXPECT_EQ(document.Caption(), "Kavro Hostlink Configuration - " + second);
    EXPECT_TRUE(document.HasFile());
    EXPECT_FALSE(document.Saved());

    document.SetServer("");
    ASSERT_TRUE(document.UpdateFile().Ok());
    IniStore saved;
    saved.Load(second);
    EXPECT_FALSE(saved.SectionExists("NOTES"));

    // A document without changes whose content fails validation is not saved under the new name.
    WriteBytes(first, FileWith(ConfigFlavour::Hostlink, {{"SMTP", "FROM", "not an address"}}));
    THostlinkConfigContent unchanged('.');
    ASSERT_TRUE(unchanged.Open(first));
    EXPECT_TRUE(unchanged.Saved());
    EXPECT_TRUE(unchanged.SaveAs(folder.File("third.kvr")).Invalid);
    EXPECT_FALSE(unchanged.Saved());
    EXPECT_FALSE(std::filesystem::exists(folder.File("third.kvr")));
}

TEST(KvrOpening, MissingOrUnreadableFilesOpenNothing)
{
    TempFolder folder;
    TDF1ConfigContent document('.');
    document.New("Config1", folder.Path().string());
    document.SetScanTime(5);
    EXPECT_FALSE(document.Open(folder.File("missing.kvr")));
    EXPECT_FALSE(document.Open(folder.Path().string()));
    EXPECT_EQ(document.SerialPort().ScanTime, 5);
    EXPECT_EQ(document.Caption(), "Kavro DF1 Configuration - Config1");
}

TEST(KvrBadInput, JunkHugeLinesAndManyTagsAreReadWithoutHarm)
{
    TempFolder folder;
    std::string junk;
    for (int i = 0; i < 100000; ++i) junk += static_cast<char>((i * 131 + 7) % 256);
    WriteBytes(folder.File("junk.kvr"), junk);
    EXPECT_FALSE(RecognizeKvrFile(folder.File("junk.kvr")));
    TModbusConfigContent junkDocument('.');
    EXPECT_TRUE(junkDocument.Open(folder.File("junk.kvr")));

    std::string huge = FileWith(ConfigFlavour::Hostlink, {});
    huge += "[SMTP]\nSERVER=" + std::string(10 * 1024 * 1024, 'h');
    WriteBytes(folder.File("huge.kvr"), huge);
    EXPECT_EQ(RecognizeKvrFile(folder.File("huge.kvr")), ConfigFlavour::Hostlink);
    THostlinkConfigContent hostlink('.');
    ASSERT_TRUE(hostlink.Open(folder.File("huge.kvr")));
    EXPECT_EQ(hostlink.Email().Server, std::string(49, 'h'));
    // The second SMTP section is the one read: its server is cut, its numbers are missing.
    ASSERT_EQ(hostlink.ReadWarnings().size(), 4u);
    EXPECT_EQ(hostlink.ReadWarnings()[0].substr(0, 30), "The paramenter \"hhhhhhhhhhhhhh");
    EXPECT_EQ(hostlink.ReadWarnings()[0],
              TooLarge(std::string(256, 'h') + "...", std::string(49, 'h')))
        << "a warning shows the beginning of a huge value";

    std::string oneLine(10 * 1024 * 1024, 'x');
    WriteBytes(folder.File("line.kvr"), oneLine);
    EXPECT_FALSE(RecognizeKvrFile(folder.File("line.kvr")));

    std::string many = FileWith(ConfigFlavour::Modbus, {});
    for (int i = 0; i < 1000; ++i)
        many += "[TAG" + std::to_string(i) + "]\r\nNAME=T" + std::to_string(i) +
                "\r\nKIND=1\r\nWRMIN=" + std::string(1000, '9') + "\r\n";
    WriteBytes(folder.File("many.kvr"), many);
    TModbusConfigContent modbus('.');
    ASSERT_TRUE(modbus.Open(folder.File("many.kvr")));
    EXPECT_EQ(modbus.GetTagCount(), 128);
    TModbusTagConfig tag;
    EXPECT_THROW(modbus.GetTagFromList(0, tag), IntegerConversionError);
    ASSERT_TRUE(modbus.UpdateFile().Ok());
    TModbusConfigContent reopened('.');
    ASSERT_TRUE(reopened.Open(folder.File("many.kvr")));
    EXPECT_EQ(reopened.GetTagCount(), 128);
    EXPECT_EQ(reopened.Rows(), modbus.Rows());
}

}  // namespace
}  // namespace qvs
