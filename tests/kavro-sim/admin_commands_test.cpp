// Administration commands over "admpost.cgi".
#include "sim_test_helpers.h"

#include "qprot_datetime.h"
#include "qprot_packet.h"

namespace qvs::test {
namespace {

class AdminCommandsTest : public ::testing::Test {
protected:
    SimProcess sim{{"--demo"}};
    void SetUp() override { ASSERT_TRUE(sim.Started()) << sim.Error().toStdString(); }
    const SimGateway& Gw(const QString& mac) { return sim.GatewayByMac(mac); }
};

TEST_F(AdminCommandsTest, ReadCommandsAnswerWithTheirReplyNamesAndKeys)
{
    const auto& modbus = Gw(kModbusLogMac);
    struct Case { const char* request; const char* reply; } cases[] = {
        {"GETADMIN();", "ADMIN(PWD=admin,);"},
        {"GETDEVICE();", "DEVICE(VERSION=2.0.7-R,MAC=00:60:35:0A:00:01,ID=1118,);"},
        {"GETNET();", "NETWORK(NAME=boiler-room,DHCP=0,IP=10.77.0.11,NETMASK=255.255.255.0,"
                      "GATEWAY=10.77.0.1,FSTDNS=10.77.0.1,SNDDNS=0.0.0.0,);"},
        {"GETUSER();", "USER(USERNAME=operator,);"},
        {"GETLOG();", "LOG(ENABLE=1,TIME=60,COUNT=4,);"},
        {"NOSUCHTHING();", "NAK(REASON=Unknown command,);"},
        {"READ(TAG1=0,);", "NAK(REASON=Command not served on this endpoint,);"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Post(modbus, c.request), c.reply) << c.request;
    EXPECT_EQ(Post(Gw(kModbusEmptyPwdMac), "GETADMIN();"), "ADMIN(PWD=,);");
}

TEST_F(AdminCommandsTest, SetNetNeedsTheAdministratorPasswordAndShowsInGetNet)
{
    const auto& g = Gw(kHostlinkMac);
    EXPECT_EQ(Post(g, "SETNET(PWD=nope,NAME=x,IP=10.1.1.5,NETMASK=255.0.0.0,GATEWAY=10.1.1.1,FSTDNS=0.0.0.0,SNDDNS=0.0.0.0,);"),
              "NAK(REASON=Wrong password,);");
    EXPECT_EQ(Post(g, "SETNET(PWD=admin,NAME=press-3,IP=10.1.1.5,NETMASK=255.0.0.0,GATEWAY=10.1.1.1,FSTDNS=10.1.1.2,SNDDNS=0.0.0.0,);"),
              "ACK();");
    EXPECT_EQ(Post(g, "SETNET(PWD=admin,NAME=x,IP=10.1.1.256,NETMASK=255.0.0.0,GATEWAY=10.1.1.1,FSTDNS=0.0.0.0,SNDDNS=0.0.0.0,);"),
              "NAK(REASON=Invalid network address,);");
    EXPECT_EQ(Post(g, "RESET();"), "ACK();");
    EXPECT_EQ(Post(g, "GETNET();"), "NETWORK(NAME=press-3,DHCP=0,IP=10.1.1.5,NETMASK=255.0.0.0,"
                                    "GATEWAY=10.1.1.1,FSTDNS=10.1.1.2,SNDDNS=0.0.0.0,);");
    // DHCP is the zero address in every key.
    EXPECT_EQ(Post(g, "SETNET(PWD=admin,NAME=press-3,IP=0.0.0.0,NETMASK=0.0.0.0,GATEWAY=0.0.0.0,FSTDNS=0.0.0.0,SNDDNS=0.0.0.0,);"),
              "ACK();");
    TPacket net(Post(g, "GETNET();"));
    EXPECT_TRUE(net.GetBoolean("DHCP", false));
}

TEST_F(AdminCommandsTest, UserAndAdministratorChangesAreKept)
{
    const auto& g = Gw(kHostlinkMac);
    EXPECT_EQ(Post(g, "SETUSER(USERNAME=guest,PWD=g1,);"), "ACK();");
    EXPECT_EQ(Post(g, "GETUSER();"), "USER(USERNAME=guest,);");
    EXPECT_EQ(Post(g, "SETADMIN(PWD=n/coew,);"), "ACK();");
    EXPECT_EQ(Post(g, "GETADMIN();"), "ADMIN(PWD=n/coew,);");
    // The new password is the one the network set-up now wants.
    EXPECT_EQ(UdpAsk(sim.UdpPort(), "CONFIG(admin,00:60:35:0A:00:03,10.0.0.9,255.0.0.0,10.0.0.1)", 1).at(0),
              "NAK(00:60:35:0A:00:03)");
}

TEST_F(AdminCommandsTest, TheClockFollowsSetTime)
{
    const auto& g = Gw(kModbusLogMac);
    EXPECT_EQ(Post(g, "SETTIME(TIME=05032006140709,);"), "ACK();");
    TPacket reply(Post(g, "GETTIME();"));
    EXPECT_EQ(reply.GetName(), "TIME");
    const auto fields = SplitLocalDateTime(reply.GetDateTime("TIME", LocalDateTime{}));
    EXPECT_EQ(fields.Year, 2006);
    EXPECT_EQ(fields.Month, 3);
    EXPECT_EQ(fields.Day, 5);
    EXPECT_EQ(Post(g, "SETTIME(TIME=31022006120000,);"), "NAK(REASON=Invalid date and time,);");
}

TEST_F(AdminCommandsTest, LogCommandsNeedRFirmwareAndStayInRange)
{
    const auto& withLog = Gw(kModbusLogMac);
    EXPECT_EQ(Post(withLog, "SETLOG(ENABLE=0,TIME=3600,COUNT=16,);"), "ACK();");
    EXPECT_EQ(Post(withLog, "GETLOG();"), "LOG(ENABLE=0,TIME=3600,COUNT=16,);");
    for (const char* bad : {"SETLOG(ENABLE=1,TIME=9,COUNT=0,);", "SETLOG(ENABLE=1,TIME=3601,COUNT=0,);",
                            "SETLOG(ENABLE=1,TIME=60,COUNT=17,);"})
        EXPECT_EQ(TPacket(Post(withLog, bad)).GetName(), "NAK") << bad;
    const auto& noLog = Gw(kHostlinkMac);
    EXPECT_EQ(Post(noLog, "SETLOG(ENABLE=1,TIME=60,COUNT=1,);"), "NAK(REASON=No logging capabilities,);");
    EXPECT_EQ(Post(noLog, "GETLOG();"), "NAK(REASON=No logging capabilities,);");
}

TEST_F(AdminCommandsTest, ADeviceThatIsNoKavroAnswersOnlyTheAdministration)
{
    const auto& olvar = Gw(kOlvarMac);
    EXPECT_EQ(Post(olvar, "GETADMIN();"), "ADMIN(PWD=admin,);");
    EXPECT_EQ(TPacket(Post(olvar, "GETDEVICE();")).GetString("ID", ""), "1113");
    EXPECT_EQ(Post(olvar, "GETCOM(COM=0,);"), "NAK(REASON=Command not supported by this device,);");
}

TEST_F(AdminCommandsTest, EveryGatewayWithAnAddressIsServedOnItsOwnPort)
{
    for (const auto& g : sim.Gateways()) {
        ASSERT_NE(g.Http, 0) << g.Mac.toStdString();
        EXPECT_EQ(g.Host, "127.0.0.1:" + QString::number(g.Http));
        EXPECT_EQ(TPacket(Post(g, "GETDEVICE();")).GetString("MAC", ""), g.Mac.toStdString());
    }
}

}  // namespace
}  // namespace qvs::test
