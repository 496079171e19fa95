// qvsctl send and get against kavro-sim over loopback.
#include "cli_exit_codes.h"
#include "command_get.h"
#include "command_send.h"

#include "config_transfer.h"
#include "fake_gateway.h"
#include "df1_config_content.h"
#include "hostlink_config_content.h"
#include "modbus_config_content.h"
#include "recording_observer.h"
#include "sample_configs.h"
#include "sim_test_helpers.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace qvs::cli {
namespace {

using test::SimProcess;

struct CliRun {
    int code;
    QString out, err;
};

template <class Command>
CliRun Run(Command command, const QString& name, const QStringList& args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = command(QStringList{"qvsctl " + name} + args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

CliRun Send(const QStringList& args) { return Run(RunSendCommand, "send", args); }
CliRun Get(const QStringList& args) { return Run(RunGetCommand, "get", args); }

// Writes a Modbus kvr file of the sample configuration; returns what it sends.
TModbusKavroConfig WriteModbusFile(const QString& path, bool auth = false)
{
    TModbusConfigContent content;
    const QFileInfo info(path);
    content.New(info.fileName().toStdString(), info.absolutePath().toStdString());
    auto config = test::SampleModbus();
    config.Email.Auth = auth;
    content.SetAllConfig(config);
    EXPECT_TRUE(content.SaveAs(path.toStdString()).Ok());
    return content.GetAllConfig();
}

TModbusKavroConfig ReadModbusFile(const QString& path)
{
    TModbusConfigContent content;
    EXPECT_TRUE(content.Open(path.toStdString()));
    return content.GetAllConfig();
}

// The packets a transfer of this record posts, as the in-process fake records them.
template <class Record>
std::vector<std::string> SendPackets(const Record& config)
{
    test::FakeGateway gateway;
    test::RecordingObserver observer;
    transfer::TConfigTransfer(gateway, "h", "", observer).Send(config);
    return gateway.Texts();
}

struct Fixture : ::testing::Test {
    void Start(const QStringList& faults = {})
    {
        QStringList arguments = {"--demo"};
        for (const QString& fault : faults)
            arguments << "--fault" << fault;
        sim = std::make_unique<SimProcess>(arguments);
        ASSERT_TRUE(sim->Started()) << sim->Error().toStdString();
    }
    QString Host(const QString& mac) const { return sim->GatewayByMac(mac).Host; }
    std::vector<std::string> Journal(const QString& mac) const { return test::JournalBodies(*sim, mac); }
    QString File(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    std::unique_ptr<SimProcess> sim;
};

TEST_F(Fixture, SendThenGetGivesBackTheFile)
{
    Start();
    const QString sent = File("sent.kvr");
    const auto config = WriteModbusFile(sent);
    const QString host = Host(test::kModbusLogMac);

    const auto send = Send({sent, "--to", host, "--password", "admin", "--yes"});
    EXPECT_EQ(send.code, kExitOk) << send.err.toStdString();
    EXPECT_TRUE(send.out.endsWith("TRANSFER COMPLETED!\n")) << send.out.toStdString();
    EXPECT_TRUE(send.out.startsWith("Stopping Kavro Modbus machine...\nSending COM Configuration...\n"));
    auto expected = SendPackets(config);
    expected.insert(expected.begin(), {"GETDEVICE();", "GETADMIN();"});
    const auto journal = Journal(test::kModbusLogMac);
    EXPECT_EQ(journal, expected);

    const QString got = File("got.kvr");
    const auto get = Get({"--from", host, "--password", "admin", "-o", got});
    EXPECT_EQ(get.code, kExitOk) << get.err.toStdString();
    EXPECT_EQ(get.err, "");
    EXPECT_TRUE(get.out.endsWith("Written " + got + " (5 tags).\n")) << get.out.toStdString();
    EXPECT_EQ(ReadModbusFile(got), config);
    EXPECT_EQ(Journal(test::kModbusLogMac).size(), journal.size() + 2 + 15);
}

// Each flavour's file is read by the content of its own class: what goes out is what that
// content makes of the file.
TEST_F(Fixture, SendReadsEveryFlavourAsItsOwn)
{
    Start();
    const auto check = [&](const QString& mac, auto&& content) {
        SCOPED_TRACE(mac.toStdString());
        const QString path = File(mac.left(2) + mac.right(2) + ".kvr");
        const QString host = Host(mac);
        ASSERT_EQ(Get({"--from", host, "--password", "admin", "-o", path}).code, kExitOk);
        ASSERT_TRUE(content.Open(path.toStdString()));
        auto expected = SendPackets(content.GetAllConfig());
        expected.insert(expected.begin(), {"GETDEVICE();", "GETADMIN();"});
        const size_t before = Journal(mac).size();

        const auto send = Send({path, "--to", host, "--password", "admin", "--yes"});
        EXPECT_EQ(send.code, kExitOk) << send.err.toStdString();
        const auto journal = Journal(mac);
        EXPECT_EQ(std::vector<std::string>(journal.begin() + static_cast<long>(before), journal.end()), expected);
    };
    check(test::kHostlinkMac, THostlinkConfigContent());
    check(test::kDF1Mac, TDF1ConfigContent());
}

TEST_F(Fixture, SendOfNoConfigurationFileAsksNothing)
{
    Start();
    const struct {
        const char* name;
        const char* content;  // nullptr: no such file
    } cases[] = {
        {"missing.kvr", nullptr},
        {"text.kvr", "mine"},
        {"other.kvr", "[GENERAL]\r\nFILETYPE=XX\r\nFILEVERSION=1.0\r\n"},
        {"version.kvr", "[GENERAL]\r\nFILETYPE=MB\r\nFILEVERSION=9.9\r\n"},
    };
    const QString host = Host(test::kModbusLogMac);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = File(c.name);
        if (c.content) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.content);
        }
        const auto run = Send({path, "--to", host, "--password", "admin", "--yes"});
        EXPECT_EQ(run.code, kExitRefused);
        EXPECT_EQ(run.err, "The File \"" + path + "\" is not recognized as a valid file\n");
        EXPECT_EQ(run.out, "");
    }
    EXPECT_TRUE(Journal(test::kModbusLogMac).empty());
}

TEST_F(Fixture, GetNeverOverwritesWithoutForce)
{
    Start();
    const QString path = File("kept.kvr");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("mine");
    }
    const QString host = Host(test::kDF1Mac);
    const auto refused = Get({"--from", host, "--password", "admin", "-o", path});
    EXPECT_EQ(refused.code, kExitRefused);
    EXPECT_EQ(refused.err, path + " already exists; add --force to replace it.\n");
    EXPECT_TRUE(Journal(test::kDF1Mac).empty());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "mine");
    file.close();

    const auto forced = Get({"--from", host, "--password", "admin", "-o", path, "--force"});
    EXPECT_EQ(forced.code, kExitOk) << forced.err.toStdString();
    EXPECT_EQ(RecognizeKvrFile(path.toStdString()), ConfigFlavour::DF1);
}

TEST_F(Fixture, RefusalsBeforeAnythingIsSent)
{
    Start();
    const QString modbus = File("m.kvr");
    WriteModbusFile(modbus);
    struct Case {
        QStringList args;
        int code;
        QString err;
        size_t posted;
        QString mac;
    };
    const Case cases[] = {
        {{modbus, "--to", Host(test::kModbusLogMac), "--password", "wrong", "--yes"}, kExitRefused,
         "Unable to connect to Device. Wrong Password.\n", 2, test::kModbusLogMac},
        {{modbus, "--to", Host(test::kHostlinkMac), "--password", "admin", "--yes"}, kExitRefused,
         "The Configuration file you're trying to send do not correspond\nto the Model of the Connected Kavro.\n",
         2, test::kHostlinkMac},
        {{modbus, "--to", Host(test::kOlvarMac) , "--password", "admin"}, kExitUsage,
         "Standard input is not a terminal: add --yes to confirm the overwrite.\n", 2, test::kOlvarMac},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const auto run = Send(c.args);
        EXPECT_EQ(run.code, c.code);
        EXPECT_EQ(run.err, c.err);
        EXPECT_EQ(Journal(c.mac).size(), c.posted);
    }
    const auto unrecognized = Send({File("none.kvr"), "--to", "127.0.0.1:1", "--password", "x", "--yes"});
    EXPECT_EQ(unrecognized.code, kExitRefused);
    EXPECT_EQ(Send({modbus, "--password", "x"}).code, kExitUsage);
}

TEST_F(Fixture, NoResponseIsExitThree)
{
    Start({"http,SETTOO#2,close"});
    const QString modbus = File("m.kvr");
    WriteModbusFile(modbus);
    const auto run = Send({modbus, "--to", Host(test::kModbusLogMac), "--password", "admin", "--yes"});
    EXPECT_EQ(run.code, kExitNoResponse);
    EXPECT_TRUE(run.err.startsWith("No Response from Device. Check the connection and try again.\n"
                                   "Configuration Transfer was unable to complete.\n"))
        << run.err.toStdString();
    const auto closed = Get({"--from", "127.0.0.1:1", "--password", "x", "-o", File("x.kvr")});
    EXPECT_EQ(closed.code, kExitNoResponse);
    EXPECT_FALSE(QFileInfo::exists(File("x.kvr")));
}

TEST_F(Fixture, RefusedStepIsExitOne)
{
    Start({"http,ADDTAG#3,nak"});
    const QString modbus = File("m.kvr");
    WriteModbusFile(modbus);
    const auto run = Send({modbus, "--to", Host(test::kModbusLogMac), "--password", "admin", "--yes"});
    EXPECT_EQ(run.code, kExitRefused);
    EXPECT_TRUE(run.err.startsWith("Configuration Transfer was unable to complete.\n"
                                   "  Sending Tag Configuration... (3) NAK("))
        << run.err.toStdString();
}

TEST_F(Fixture, OldFirmwareSendsNoAuthentication)
{
    Start();
    const QString modbus = File("auth.kvr");
    WriteModbusFile(modbus, true);
    const auto run = Send({modbus, "--to", Host(test::kModbusEmptyPwdMac), "--password", "", "--yes"});
    EXPECT_EQ(run.code, kExitOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith("The non-supported feature is the following \nSMTP relay not authenticated\n"))
        << run.err.toStdString();
    const auto journal = Journal(test::kModbusEmptyPwdMac);
    ASSERT_GT(journal.size(), 5u);
    EXPECT_NE(journal[4].find(",AUTH=0,USER=,PASS=,);"), std::string::npos) << journal[4];
}

}  // namespace
}  // namespace qvs::cli
