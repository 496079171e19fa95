// Live tags: READ, WRITE, ALARMACK on "apppost.cgi" and MAILBOX on "admpost.cgi".
#include "sim_test_helpers.h"

#include "qprot_packet.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

namespace qvs::test {
namespace {

// Demo tags of gateway 01.
enum { kLevel = 0, kTemp = 1, kFlow = 2, kPump = 3, kDoor = 4, kAlarm = 5 };

class TagCommandsTest : public ::testing::Test {
protected:
    SimProcess sim{{"--demo"}};
    void SetUp() override { ASSERT_TRUE(sim.Started()) << sim.Error().toStdString(); }
    const SimGateway& g() { return sim.GatewayByMac(kModbusLogMac); }
    TPacket Read(int tag) { return TPacket(Post(g(), "READ(TAG1=" + std::to_string(tag) + ",);", true)); }
    std::string Write(int tag, const std::string& value)
    {
        return Post(g(), "WRITE(TAG=" + std::to_string(tag) + ",VALUE=" + value + ",);", true);
    }
    int Alarm(int tag) { return (Read(tag).GetInteger("ST1", -1) >> 8) & 0xf; }
};

TEST_F(TagCommandsTest, ReadGivesTheValueInTheFormOfItsKindAndTheStatusWord)
{
    for (int tag : {kLevel, kTemp, kFlow, kPump, kDoor, kAlarm}) {
        const TPacket reply = Read(tag);
        EXPECT_EQ(reply.GetName(), "VALUES") << tag;
        EXPECT_EQ(reply.GetInteger("ST1", -1) & 0xff, 2) << tag;  // Reading, OK
    }
    EXPECT_NO_THROW(Read(kLevel).GetInteger("VAL1", 0));
    EXPECT_NE(Read(kTemp).GetString("VAL1", "").find('E'), std::string::npos);
    EXPECT_NE(Read(kFlow).GetString("VAL1", "").find('E'), std::string::npos);  // scaled: real
    for (int digital : {kPump, kDoor, kAlarm}) {
        const std::string value = Read(digital).GetString("VAL1", "");
        EXPECT_TRUE(value == "0" || value == "1") << digital << " " << value;
    }
    // A tag that does not exist reads with " - No such Tag name".
    EXPECT_EQ((Read(99).GetInteger("ST1", 0) >> 4) & 0xf, 10);
}

TEST_F(TagCommandsTest, AWrittenValueSticksAndDrivesTheAlarmUntilAcknowledged)
{
    ASSERT_EQ(Write(kLevel, "50"), "ACK();");
    EXPECT_EQ(Read(kLevel).GetString("VAL1", ""), "50");
    EXPECT_EQ(Alarm(kLevel), 0);
    ASSERT_EQ(Write(kLevel, "95"), "ACK();");  // above ALHI 90
    EXPECT_EQ(Read(kLevel).GetInteger("ST1", 0), 0x0102);  // Reading, OK, IN ALARM
    EXPECT_EQ(Read(kAlarm).GetString("VAL1", ""), "1");
    ASSERT_EQ(Post(g(), "ALARMACK(TAG=0,);", true), "ACK();");
    EXPECT_EQ(Alarm(kLevel), 2);  // acknowledged
    ASSERT_EQ(Write(kLevel, "50"), "ACK();");
    EXPECT_EQ(Alarm(kLevel), 0);
    ASSERT_EQ(Write(kPump, "1"), "ACK();");
    EXPECT_EQ(Read(kPump).GetString("VAL1", ""), "1");
    ASSERT_EQ(Write(kTemp, "4.25000000E1"), "ACK();");
    EXPECT_DOUBLE_EQ(Read(kTemp).GetFloat("VAL1", 0, '.'), 42.5);
}

TEST_F(TagCommandsTest, RefusedWritesAndAcknowledgementsCarryAReason)
{
    struct Case { const char* packet; const char* reply; } cases[] = {
        {"WRITE(TAG=0,VALUE=101,);", "NAK(REASON=Value outside write limits,);"},
        {"WRITE(TAG=0,VALUE=-1,);", "NAK(REASON=Value outside write limits,);"},
        {"WRITE(TAG=2,VALUE=1.00000000E0,);", "NAK(REASON=Tag is read only,);"},
        {"WRITE(TAG=4,VALUE=1,);", "NAK(REASON=Tag is read only,);"},
        {"WRITE(TAG=5,VALUE=0,);", "NAK(REASON=Tag is read only,);"},
        {"WRITE(TAG=0,VALUE=1.5,);", "NAK(REASON=Invalid value for VALUE,);"},
        {"WRITE(TAG=3,VALUE=2,);", "NAK(REASON=Invalid value for VALUE,);"},
        {"WRITE(TAG=1,VALUE=12.5,);", "NAK(REASON=Invalid value for VALUE,);"},
        {"WRITE(TAG=77,VALUE=1,);", "NAK(REASON=No such tag,);"},
        {"ALARMACK(TAG=3,);", "NAK(REASON=Tag has no alarm,);"},
        {"ALARMACK(TAG=128,);", "NAK(REASON=No such tag,);"},
        {"WRITE(TAG=x,VALUE=1,);", "NAK(REASON=Malformed packet,);"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Post(g(), c.packet, true), c.reply) << c.packet;
}

TEST(MailboxTest, AnAlarmWithEmailGoesToEachRecipientInTurn)
{
    QTemporaryDir dir;
    const QString plant = dir.filePath("plant.json");
    QFile file(plant);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(R"({"gateways":[{"mac":"AA-BB-CC-DD-EE-01","model":"1118","firmware":"2.0.7",
        "ip":"127.0.0.1","netmask":"255.0.0.0","gateway":"0.0.0.0","adminPassword":"pw",
        "smtp":{"ENABLE":1,"SERVER":"mail.example"},
        "recipients":["", "b@example", "", "d@example", ""],
        "tags":[{"NAME":"P","TYPE":0,"MBFUNC":4,"ALARM":1,"EMAIL":1,"ALLO":0,"ALHI":10,"LIMITS":0}],
        "written":[5]}]})");
    file.close();
    SimProcess sim({"--plant", plant});
    ASSERT_TRUE(sim.Started()) << sim.Error().toStdString();
    const auto& g = sim.Gateway(0);
    EXPECT_EQ(Post(g, "MAILBOX();"), "MAILBOX(COUNT=0,STATUS=3,TOO=1,RETRY=1,ERROR=0,);");
    ASSERT_EQ(Post(g, "WRITE(TAG=0,VALUE=11,);", true), "ACK();");
    // The mail is sent to slot 2, then slot 4 (1-based), then reported as sent.
    std::vector<int> seenToo;
    int status = 0;
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        const TPacket mail(Post(g, "MAILBOX();"));
        status = mail.GetInteger("STATUS", -1);
        if (status == 1 && (seenToo.empty() || seenToo.back() != mail.GetInteger("TOO", 0)))
            seenToo.push_back(mail.GetInteger("TOO", 0));
        if (status == 2)
            break;
        QThread::msleep(50);  // bounded poll of a device that works at its own pace
    }
    EXPECT_EQ(status, 2);
    EXPECT_EQ(seenToo, (std::vector<int>{2, 4}));
    EXPECT_EQ(TPacket(Post(g, "MAILBOX();")).GetInteger("COUNT", -1), 0);
}

}  // namespace
}  // namespace qvs::test
