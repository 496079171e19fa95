#include "config_transfer.h"

#include "fake_gateway.h"
#include "modbus_config_content.h"
#include "recording_observer.h"
#include "sample_configs.h"
#include "transfer_packets.h"
#include "transfer_texts.h"

#include <gtest/gtest.h>

#include <atomic>

namespace qvs {
namespace {

using test::FakeGateway;
using test::RecordingObserver;
using transfer::TConfigTransfer;
using transfer::TransferStatus;

constexpr const char* kHost = "10.0.0.7";

struct Harness {
    FakeGateway gateway;
    RecordingObserver observer;
    std::atomic<bool> stop{false};
    TConfigTransfer transfer{gateway, kHost, "", observer, &stop};
};

// ---- Send ----

TEST(SendConfig, ModbusSendsEveryPacketInOrder)
{
    Harness h;
    const auto result = h.transfer.Send(test::SampleModbus());
    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(h.gateway.Texts(), test::SendTexts(test::kSampleModbusCom, test::SampleModbusTags()));
    for (const auto& request : h.gateway.Requests()) {
        EXPECT_EQ(request.Host, kHost);
        EXPECT_EQ(request.Where, Endpoint::Admin);
    }
    EXPECT_EQ(result.Position, 17);
    EXPECT_EQ(result.Maximum, 17);
}

TEST(SendConfig, HostlinkSendsEveryPacketInOrder)
{
    Harness h;
    EXPECT_TRUE(h.transfer.Send(test::SampleHostlink()).Completed());
    EXPECT_EQ(h.gateway.Texts(), test::SendTexts(test::kSampleHostlinkCom, test::SampleHostlinkTags()));
}

TEST(SendConfig, DF1SendsEveryPacketInOrder)
{
    Harness h;
    EXPECT_TRUE(h.transfer.Send(test::SampleDF1()).Completed());
    EXPECT_EQ(h.gateway.Texts(), test::SendTexts(test::kSampleDF1Com, test::SampleDF1Tags()));
}

TEST(SendConfig, StatusTextsAndProgressFollowEachStep)
{
    Harness h;
    auto config = test::SampleHostlink();
    config.TagCount = 1;
    ASSERT_TRUE(h.transfer.Send(config).Completed());
    const std::vector<std::string> statuses = {
        "Stopping Kavro Hostlink machine...",     "Sending COM Configuration...",
        "Sending E-Mail Configuration...",        "Sending E-Mail Recipients List... (1)",
        "Sending E-Mail Recipients List... (2)",  "Sending E-Mail Recipients List... (3)",
        "Sending E-Mail Recipients List... (4)",  "Sending E-Mail Recipients List... (5)",
        "Enabling Tag Administration...",         "Deleting existing Tags...",
        "Sending Tag Configuration... (1)",       "Disabling Tag Administration...",
        "Resetting Device...",                    "TRANSFER COMPLETED!"};
    EXPECT_EQ(h.observer.Statuses, statuses);
    ASSERT_EQ(h.observer.Progress.size(), 14u);
    for (int step = 0; step <= 13; ++step)
        EXPECT_EQ(h.observer.Progress[step], std::make_pair(step, 13));
}

TEST(SendConfig, FlavourWordOfTheStopText)
{
    struct Case {
        std::function<transfer::TransferResult(TConfigTransfer&)> run;
        const char* text;
    };
    const Case cases[] = {
        {[](TConfigTransfer& t) { return t.Send(TModbusKavroConfig{}); }, "Stopping Kavro Modbus machine..."},
        {[](TConfigTransfer& t) { return t.Send(THostlinkKavroConfig{}); }, "Stopping Kavro Hostlink machine..."},
        {[](TConfigTransfer& t) { return t.Send(TDF1KavroConfig{}); }, "Stopping Kavro DF1 machine..."},
    };
    for (const auto& c : cases) {
        Harness h;
        c.run(h.transfer);
        ASSERT_FALSE(h.observer.Statuses.empty());
        EXPECT_EQ(h.observer.Statuses.front(), c.text);
    }
}

TEST(SendConfig, NoTagsStillEnablesAndDeletes)
{
    Harness h;
    auto config = test::SampleModbus();
    config.TagCount = 0;
    const auto result = h.transfer.Send(config);
    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(result.Maximum, 12);
    EXPECT_EQ(h.gateway.Texts(), test::SendTexts(test::kSampleModbusCom, {}));
    EXPECT_EQ(h.observer.Progress.front(), std::make_pair(0, 12));
}

TEST(SendConfig, SlotsAtOrPastTheCountGoOutEmpty)
{
    Harness h;
    auto config = test::SampleModbus();
    config.Email.Recipients[3] = "stale@x.com";  // past the count: never sent
    config.Email.RecipientCount = 1;
    h.transfer.Send(config);
    const auto texts = h.gateway.Texts();
    EXPECT_EQ(texts[3], "SETTOO(TOO=0,EMAIL=a@x.com,);");
    EXPECT_EQ(texts[4], "SETTOO(TOO=1,EMAIL=,);");
    EXPECT_EQ(texts[6], "SETTOO(TOO=3,EMAIL=,);");
}

TEST(SendConfig, DigitalTagSendsZeroWriteLimitsWhateverItHolds)
{
    Harness h;
    TModbusKavroConfig config;
    auto& tag = config.Tags[0];
    tag.Name = "COIL";
    tag.RegisterTable = kCoilStatus;
    tag.TagType = kModbusSingleBit;
    tag.Address = 1;
    tag.WriteMin = {3.5f, 7, true};
    tag.WriteMax = {9.5f, 70, true};
    tag.AlarmMin.AsDigital = true;
    tag.Kind = kKindDigital;
    config.TagCount = 1;
    h.transfer.Send(config);
    EXPECT_EQ(h.gateway.Texts()[10],
              "ADDTAG(NAME=COIL,SOURCE=0,UNIT=0,TYPE=8,MBFUNC=0,ADDRESS=0,REG32=0,BIT=0,SCALE=1,"
              "FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=0,LIMITS=0,ALARM=0,EMAIL=0,"
              "WRLO=0,WRHI=0,ALLO=1,ALHI=0,);");
}

TEST(SendConfig, ValuesWithoutAWireCodeLeaveTheirKeyOut)
{
    Harness h;
    TModbusKavroConfig modbus;
    modbus.ComType = 3;
    modbus.BaudRate = 9;
    modbus.Tags[0].Name = "X";
    modbus.Tags[0].RegisterTable = 4;
    modbus.Tags[0].Scale = 2;
    modbus.Tags[0].Kind = 3;
    modbus.TagCount = 1;
    h.transfer.Send(modbus);
    EXPECT_EQ(h.gateway.Texts()[1],
              "SETCOM(COM=0,FORMAT=0,PARITY=0,PKTTOUT=0,MSGTOUT=0,RETRIES=1,SCANTIME=0,);");
    EXPECT_EQ(h.gateway.Texts()[10],
              "ADDTAG(NAME=X,SOURCE=0,UNIT=0,TYPE=0,ADDRESS=-1,REG32=0,BIT=0,"
              "FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=0,LIMITS=0,ALARM=0,EMAIL=0,);");

    Harness d;
    TDF1KavroConfig df1;
    df1.DataBits = 9;
    df1.Parity = 3;
    df1.ErrorDetection = 2;
    df1.Tags[0].Name = "Y";
    df1.Tags[0].FileType = 6;
    df1.TagCount = 1;
    d.transfer.Send(df1);
    EXPECT_EQ(d.gateway.Texts()[1], "SETCOM(COM=0,COMTYPE=0,BAUD=2400,MSGTOUT=0,SCANTIME=0,);");
    EXPECT_EQ(d.gateway.Texts()[10].substr(0, 55), "ADDTAG(NAME=Y,SOURCE=0,FILENUMBER=0,ELEMENT=0,SUBELEMEN");

    Harness l;
    THostlinkKavroConfig hostlink;
    hostlink.Tags[0].Name = "Z";
    hostlink.Tags[0].RegisterTable = 6;
    hostlink.TagCount = 1;
    l.transfer.Send(hostlink);
    EXPECT_EQ(l.gateway.Texts()[10].substr(0, 50), "ADDTAG(NAME=Z,SOURCE=0,UNIT=0,TYPE=0,ADDRESS=0,BIT");
}

TEST(SendConfig, NakAtStopEndsAtTheFirstStep)
{
    Harness h;
    h.gateway.ReplyAt(0, "NAK(REASON=busy,);");
    const auto result = h.transfer.Send(test::SampleModbus());
    EXPECT_EQ(result.Status, TransferStatus::Refused);
    EXPECT_EQ(result.Position, 0);
    EXPECT_EQ(result.Step, "Stopping Kavro Modbus machine...");
    EXPECT_EQ(result.Detail, "NAK(REASON=busy,);");
    EXPECT_EQ(h.gateway.Requests().size(), 1u);
    EXPECT_EQ(h.observer.Statuses.back(), "Stopping Kavro Modbus machine...");
}

TEST(SendConfig, FailureAtTheLastTagThenRetryStartsAgainWithStop)
{
    Harness h;
    const auto config = test::SampleModbus();
    h.gateway.ReplyAt(14, "NAK(REASON=full,);");  // the fifth ADDTAG
    const auto failed = h.transfer.Send(config);
    EXPECT_EQ(failed.Status, TransferStatus::Refused);
    EXPECT_EQ(failed.Step, "Sending Tag Configuration... (5)");
    EXPECT_EQ(failed.Position, 14);
    EXPECT_EQ(h.gateway.Requests().size(), 15u);
    EXPECT_EQ(h.gateway.Texts().back(), test::SampleModbusTags().back());

    h.gateway.ClearFaults();
    h.gateway.ClearRequests();
    h.observer.Progress.clear();
    const auto retried = h.transfer.Send(config);
    EXPECT_TRUE(retried.Completed());
    EXPECT_EQ(h.gateway.Texts(), test::SendTexts(test::kSampleModbusCom, test::SampleModbusTags()));
    EXPECT_EQ(h.observer.Progress.front(), std::make_pair(0, 17));
}

TEST(SendConfig, TransportFailureIsNoResponse)
{
    Harness h;
    h.gateway.NoResponseAt(2);
    const auto result = h.transfer.Send(test::SampleDF1());
    EXPECT_EQ(result.Status, TransferStatus::NoResponse);
    EXPECT_EQ(result.Step, "Sending E-Mail Configuration...");
    EXPECT_EQ(result.Detail, "connection refused");
    EXPECT_EQ(result.Position, 2);
    EXPECT_EQ(h.gateway.Requests().size(), 3u);
}

TEST(SendConfig, AnotherReplyNameFailsTheStep)
{
    Harness h;
    h.gateway.ReplyAt(1, "ACKX();");
    EXPECT_EQ(h.transfer.Send(test::SampleModbus()).Status, TransferStatus::Refused);
    EXPECT_EQ(h.gateway.Requests().size(), 2u);
}

TEST(SendConfig, StopFlagEndsTheRunBeforeTheNextStep)
{
    Harness h;
    h.observer.OnEachStatus = [&](const std::string& text) {
        if (text == "Deleting existing Tags...")
            h.stop = true;
    };
    const auto result = h.transfer.Send(test::SampleModbus());
    EXPECT_EQ(result.Status, TransferStatus::Stopped);
    EXPECT_EQ(result.Position, 10);
    EXPECT_EQ(h.gateway.Texts().back(), "DELALLTAG();");
}

TEST(SendConfig, TagCountOutsideTheTableSendsNothing)
{
    for (int count : {-1, 129}) {
        Harness h;
        TModbusKavroConfig config;
        config.TagCount = count;
        EXPECT_EQ(h.transfer.Send(config).Status, TransferStatus::Refused);
        EXPECT_TRUE(h.gateway.Requests().empty());
    }
}

TEST(SendConfig, AllTagsOfAFullTable)
{
    Harness h;
    TModbusKavroConfig config;
    for (int i = 0; i < kMaxTags; ++i) {
        config.Tags[i].Name = "T" + std::to_string(i);
        config.Tags[i].Address = i + 1;
        config.Tags[i].Kind = kKindInteger;
    }
    config.TagCount = kMaxTags;
    const auto result = h.transfer.Send(config);
    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(h.gateway.Requests().size(), 140u);
    EXPECT_EQ(result.Maximum, 140);
    EXPECT_EQ(h.observer.Statuses[137], "Sending Tag Configuration... (128)");
}

// ---- Get ----

TEST(GetConfig, ModbusRoundTripGivesTheSameRecord)
{
    Harness h;
    const auto sent = test::SampleModbus();
    ASSERT_TRUE(h.transfer.Send(sent).Completed());
    h.gateway.ClearRequests();
    TModbusKavroConfig got;
    got.ScanTime = 1234;  // cleared at the start of the run
    const auto result = h.transfer.Get(got);
    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(h.gateway.Texts(), test::GetTexts(5));
    EXPECT_EQ(got, sent);
    EXPECT_EQ(result.Position, 14);
    EXPECT_EQ(result.Maximum, 14);
}

TEST(GetConfig, HostlinkRoundTripGivesTheSameRecord)
{
    Harness h;
    const auto sent = test::SampleHostlink();
    ASSERT_TRUE(h.transfer.Send(sent).Completed());
    THostlinkKavroConfig got;
    ASSERT_TRUE(h.transfer.Get(got).Completed());
    EXPECT_EQ(got, sent);
}

TEST(GetConfig, DF1RoundTripGivesTheSameRecord)
{
    Harness h;
    const auto sent = test::SampleDF1();
    ASSERT_TRUE(h.transfer.Send(sent).Completed());
    TDF1KavroConfig got;
    ASSERT_TRUE(h.transfer.Get(got).Completed());
    EXPECT_EQ(got, sent);
}

TEST(GetConfig, StatusTextsAndProgress)
{
    Harness h;
    auto config = test::SampleDF1();
    config.TagCount = 1;
    h.transfer.Send(config);
    h.observer = RecordingObserver();
    TDF1KavroConfig got;
    ASSERT_TRUE(h.transfer.Get(got).Completed());
    const std::vector<std::string> statuses = {
        "Getting Tag Count...",                  "Stopping Kavro DF1 machine...",
        "Getting COM Configuration...",          "Getting E-Mail Configuration...",
        "Getting E-Mail Recipients List... (1)", "Getting E-Mail Recipients List... (2)",
        "Getting E-Mail Recipients List... (3)", "Getting E-Mail Recipients List... (4)",
        "Getting E-Mail Recipients List... (5)", "Getting Tag Configuration... (1)",
        "Resetting Device...",                   "TRANSFER COMPLETED!"};
    EXPECT_EQ(h.observer.Statuses, statuses);
    std::vector<std::pair<int, int>> progress = {{0, 9}, {0, 10}};
    for (int step = 1; step <= 10; ++step)
        progress.emplace_back(step, 10);
    EXPECT_EQ(h.observer.Progress, progress);
}

TEST(GetConfig, NoTagsSendsNoGetTag)
{
    Harness h;
    TModbusKavroConfig got;
    const auto result = h.transfer.Get(got);
    EXPECT_TRUE(result.Completed());
    EXPECT_EQ(result.Maximum, 9);
    EXPECT_EQ(h.gateway.Texts(), test::GetTexts(0));
    EXPECT_EQ(got.TagCount, 0);
}

TEST(GetConfig, EmptyRepliesGiveTheDefaults)
{
    Harness h;
    h.gateway.SetReply("GETTAGCOUNT", "TAGCOUNT(COUNT=1,);");
    h.gateway.SetReply("GETCOM", "COM();");
    h.gateway.SetReply("GETSMTP", "SMTP(SERVER=,);");
    h.gateway.SetReply("GETTOO", "TOO();");
    h.gateway.SetTagReply(0, "TAGCONFIG(NAME=,);");
    TModbusKavroConfig got;
    ASSERT_TRUE(h.transfer.Get(got).Completed());
    TModbusKavroConfig expected;
    expected.ComType = 0;
    expected.BaudRate = 2;
    expected.PacketTimeout = 4;
    expected.MessageTimeout = 1000;
    expected.ScanTime = 100;
    expected.Email.Timeout = 20;
    expected.Email.Retries = 5;
    expected.Email.RetryInterval = 10;
    expected.TagCount = 1;
    auto& tag = expected.Tags[0];
    tag.Name = "*";
    tag.UnitId = 1;
    tag.RegisterTable = kHoldingRegister;
    tag.Address = 2;  // the wire's default 1, plus one
    tag.Kind = kKindInteger;
    EXPECT_EQ(got, expected);
}

TEST(GetConfig, ModbusAddressCountsFromOne)
{
    Harness h;
    h.gateway.SetReply("GETTAGCOUNT", "TAGCOUNT(COUNT=2,);");
    h.gateway.SetTagReply(0, "TAGCONFIG(NAME=A,ADDRESS=0,);");
    h.gateway.SetTagReply(1, "TAGCONFIG(NAME=B,);");
    TModbusKavroConfig got;
    ASSERT_TRUE(h.transfer.Get(got).Completed());
    EXPECT_EQ(got.Tags[0].Address, 1);
    EXPECT_EQ(got.Tags[1].Address, 2);
}

TEST(GetConfig, ComRepliesMapBack)
{
    struct Case {
        const char* reply;
        uint8_t comType, baud, parity;
        int32_t dataBits;
        uint8_t errorDetection;
    };
    const Case cases[] = {
        {"COM(COMTYPE=1,PARITY=1,);", 0, 2, 2, 8, 0},  // DF1: 1 reads back as Even
        {"COM(COMTYPE=2,BAUD=115200,PARITY=0,DATABITS=1,ERRORMTHD=1,);", 1, 8, 0, 7, 1},
        {"COM(COMTYPE=3,BAUD=2400,PARITY=7,DATABITS=0,ERRORMTHD=0,);", 2, 0, 2, 8, 0},
        {"COM(COMTYPE=4,BAUD=300,DATABITS=5,ERRORMTHD=9,);", 0, 0, 0, 0, 0},  // left as cleared
    };
    for (const auto& c : cases) {
        Harness h;
        h.gateway.SetReply("GETCOM", c.reply);
        TDF1KavroConfig got;
        ASSERT_TRUE(h.transfer.Get(got).Completed()) << c.reply;
        EXPECT_EQ(got.ComType, c.comType) << c.reply;
        EXPECT_EQ(got.BaudRate, c.baud) << c.reply;
        EXPECT_EQ(got.Parity, c.parity) << c.reply;
        EXPECT_EQ(got.DataBits, c.dataBits) << c.reply;
        EXPECT_EQ(got.ErrorDetection, c.errorDetection) << c.reply;
    }
}

TEST(GetConfig, TagRepliesMapBack)
{
    struct Case {
        const char* reply;
        std::function<void(const TPacket&)> check;
    };
    const Case cases[] = {
        {"TAGCONFIG(NAME=C,MBFUNC=0,ADDRESS=9,SCALE=3,);",
         [](const TPacket& p) {
             const auto tag = transfer::ReadModbusTagReply(p);
             EXPECT_EQ(tag.RegisterTable, kCoilStatus);
             EXPECT_EQ(tag.Scale, 0);
             EXPECT_EQ(tag.Kind, kKindDigital);
         }},
        {"TAGCONFIG(NAME=D,MBFUNC=1,);",
         [](const TPacket& p) { EXPECT_EQ(transfer::ReadModbusTagReply(p).RegisterTable, kInputStatus); }},
        {"TAGCONFIG(NAME=D,MBFUNC=2,);",
         [](const TPacket& p) { EXPECT_EQ(transfer::ReadModbusTagReply(p).RegisterTable, 0); }},
        {"TAGCONFIG(NAME=E,HLFUNC=6,ADDRESS=0,);",
         [](const TPacket& p) {
             const auto tag = transfer::ReadHostlinkTagReply(p);
             EXPECT_EQ(tag.RegisterTable, 5);
             EXPECT_EQ(tag.Address, 0);
             EXPECT_EQ(tag.UnitId, 1);
         }},
        {"TAGCONFIG(NAME=F,HLFUNC=5,);",
         [](const TPacket& p) { EXPECT_EQ(transfer::ReadHostlinkTagReply(p).RegisterTable, 0); }},
        {"TAGCONFIG(NAME=G,FILETYPE=134,ELEMENT=x,);",  // unknown file type: ELEMENT is not read
         [](const TPacket& p) {
             const auto tag = transfer::ReadDF1TagReply(p);
             EXPECT_EQ(tag.FileType, 0);
             EXPECT_EQ(tag.WordNumber, 0);
         }},
        {"TAGCONFIG(NAME=H,ELEMENT=12,);",  // FILETYPE defaults to Integer (N)
         [](const TPacket& p) {
             const auto tag = transfer::ReadDF1TagReply(p);
             EXPECT_EQ(tag.FileType, 4);
             EXPECT_EQ(tag.WordNumber, 12);
             EXPECT_EQ(tag.Kind, kKindInteger);
         }},
        {"TAGCONFIG(NAME=I,TYPE=7,WRLO=5,WRHI=9,ALLO=1,ALHI=1,LIMITS=1,);",  // digital
         [](const TPacket& p) {
             const auto tag = transfer::ReadModbusTagReply(p);
             EXPECT_EQ(tag.Kind, kKindDigital);
             EXPECT_EQ(tag.WriteMin, TTagValue{});
             EXPECT_EQ(tag.WriteMax, TTagValue{});
             EXPECT_TRUE(tag.AlarmMin.AsDigital);
             EXPECT_TRUE(tag.AlarmMax.AsDigital);
         }},
        {"TAGCONFIG(NAME=J,SOURCE=4,TYPE=1,WRLO=5,);",  // analog input: digital by the record rule
         [](const TPacket& p) {
             const auto tag = transfer::ReadHostlinkTagReply(p);
             EXPECT_EQ(tag.Kind, kKindDigital);
             EXPECT_EQ(tag.WriteMin.AsInteger, 0);
         }},
        {"TAGCONFIG(NAME=K,TYPE=3,SCALE=1,WRLO=-2.5E0,WRHI=1.0E1,);",  // float by type
         [](const TPacket& p) {
             const auto tag = transfer::ReadDF1TagReply(p);
             EXPECT_EQ(tag.Kind, kKindFloat);
             EXPECT_FLOAT_EQ(tag.WriteMin.AsFloat, -2.5f);
             EXPECT_FLOAT_EQ(tag.WriteMax.AsFloat, 10.0f);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reply);
        c.check(TPacket(c.reply));
    }
}

TEST(GetConfig, RecipientStaysInItsSlot)
{
    Harness h;
    h.gateway.SetReply("GETTOO", "TOO(EMAIL=,);");
    h.gateway.ReplyAt(5, "TOO(TOO=1,EMAIL=ops@plant.com,);");  // the second GETTOO
    TModbusKavroConfig got;
    ASSERT_TRUE(h.transfer.Get(got).Completed());
    EXPECT_EQ(got.Email.RecipientCount, 1);
    EXPECT_EQ(got.Email.Recipients[0], "");
    EXPECT_EQ(got.Email.Recipients[1], "ops@plant.com");

    // The document that receives it lists every address the gateway holds, without gaps.
    TModbusConfigContent document;
    document.New("noname1.kvr", ".");
    document.SetAllConfig(got);
    EXPECT_EQ(document.Recipients(), std::vector<std::string>{"ops@plant.com"});
}

TEST(GetConfig, FailingTagCountSendsNoStop)
{
    for (const char* reply : {"NAK();", "TAGCOUNT(COUNT=x,);", "TAGCOUNT(COUNT=129,);", "TAGCOUNT(COUNT=1);"}) {
        Harness h;
        h.gateway.ReplyAt(0, reply);
        TModbusKavroConfig got;
        got.TagCount = 7;
        const auto result = h.transfer.Get(got);
        EXPECT_EQ(result.Status, TransferStatus::Refused) << reply;
        EXPECT_EQ(h.gateway.Requests().size(), 1u) << reply;
        EXPECT_EQ(got, TModbusKavroConfig{}) << reply;
    }
    Harness h;
    h.gateway.NoResponseAt(0);
    TModbusKavroConfig got;
    EXPECT_EQ(h.transfer.Get(got).Status, TransferStatus::NoResponse);
    EXPECT_EQ(h.gateway.Requests().size(), 1u);
}

TEST(GetConfig, FailureKeepsWhatWasReadAndSendsNoRun)
{
    Harness h;
    ASSERT_TRUE(h.transfer.Send(test::SampleModbus()).Completed());
    h.gateway.ClearRequests();
    h.gateway.SetTagReply(2, "TAGCONFIG(NAME=PUMP,UNIT=abc,);");  // does not convert
    TModbusKavroConfig got;
    const auto result = h.transfer.Get(got);
    EXPECT_EQ(result.Status, TransferStatus::Refused);
    EXPECT_EQ(result.Step, "Getting Tag Configuration... (3)");
    EXPECT_EQ(result.Position, 10);
    EXPECT_EQ(h.gateway.Texts().back(), "GETTAG(TAG=2,);");
    const auto sent = test::SampleModbus();
    EXPECT_EQ(got.TagCount, 5);
    EXPECT_EQ(got.ScanTime, sent.ScanTime);
    EXPECT_EQ(got.Email, sent.Email);
    EXPECT_EQ(got.Tags[1], sent.Tags[1]);
    EXPECT_EQ(got.Tags[2], TModbusTagConfig{});  // blank, as are the tags not yet read
    EXPECT_EQ(got.Tags[3], TModbusTagConfig{});
}

TEST(GetConfig, ValuesThatDoNotConvertFailTheStep)
{
    const char* replies[] = {
        "COM(SCANTIME=1.5,);",
        "COM(FORMAT=256,);",
        "COM(BAUD=9600);",  // no closing comma
    };
    for (const char* reply : replies) {
        Harness h;
        h.gateway.SetReply("GETCOM", reply);
        TModbusKavroConfig got;
        got.ScanTime = 77;
        const auto result = h.transfer.Get(got);
        EXPECT_EQ(result.Status, TransferStatus::Refused) << reply;
        EXPECT_EQ(result.Step, "Getting COM Configuration...") << reply;
        EXPECT_EQ(got.ScanTime, 0) << reply;  // nothing of the reply was taken
        EXPECT_EQ(h.gateway.Texts().back(), "GETCOM(COM=0,);");
    }
    for (const char* reply : {"TAGCONFIG(FACT_A=1.0E39,);", "TAGCONFIG(FACT_B=xE1,);",
                              "TAGCONFIG(ADDRESS=2147483647,);", "TAGCONFIG(TYPE=-1,);"}) {
        Harness h;
        h.gateway.SetReply("GETTAGCOUNT", "TAGCOUNT(COUNT=1,);");
        h.gateway.SetTagReply(0, reply);
        TModbusKavroConfig got;
        EXPECT_EQ(h.transfer.Get(got).Status, TransferStatus::Refused) << reply;
    }
}

TEST(GetConfig, RetryClearsTheRecordAndStartsWithTagCount)
{
    Harness h;
    ASSERT_TRUE(h.transfer.Send(test::SampleHostlink()).Completed());
    h.gateway.ClearRequests();
    h.gateway.NoResponseAt(4);
    THostlinkKavroConfig got;
    EXPECT_EQ(h.transfer.Get(got).Status, TransferStatus::NoResponse);
    h.gateway.ClearFaults();
    h.gateway.ClearRequests();
    ASSERT_TRUE(h.transfer.Get(got).Completed());
    EXPECT_EQ(h.gateway.Texts(), test::GetTexts(4));
    EXPECT_EQ(got, test::SampleHostlink());
}

TEST(SendConfig, GatewayFoundRemotelyIsReachedThroughItsRemoteHost)
{
    FakeGateway gateway;
    RecordingObserver observer;
    TConfigTransfer transfer(gateway, "192.168.1.5", "plant.example.com:8080", observer);
    EXPECT_TRUE(transfer.Send(TDF1KavroConfig{}).Completed());
    for (const auto& request : gateway.Requests())
        EXPECT_EQ(request.Host, "plant.example.com:8080");
}

}  // namespace
}  // namespace qvs
