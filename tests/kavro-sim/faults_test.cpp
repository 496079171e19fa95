// Faults armed on the command line or through the control endpoint.
#include "sim_test_helpers.h"

#include "dscpkt.h"

namespace qvs::test {
namespace {

class HttpFaults : public ::testing::Test {
protected:
    void Start(const QStringList& extra = {})
    {
        sim = std::make_unique<SimProcess>(QStringList{"--demo"} + extra);
        ASSERT_TRUE(sim->Started()) << sim->Error().toStdString();
    }
    void Arm(const QByteArray& rule) { ASSERT_EQ(Control(*sim, "POST", "/fault", rule).Status, 200) << rule.toStdString(); }
    HttpResult Ask(const QByteArray& packet, const QString& mac = kModbusLogMac)
    {
        return HttpPost("127.0.0.1", sim->GatewayByMac(mac).Http, "/admpost.cgi", packet);
    }
    std::unique_ptr<SimProcess> sim;
};

TEST_F(HttpFaults, EachReplyFaultShapesTheReply)
{
    Start();
    struct Case { const char* rule; int status; const char* body; } cases[] = {
        {"http,GETADMIN,nak", 200, "NAK(REASON=Injected fault,);"},
        {"http,GETADMIN,name=USER", 200, "USER(PWD=admin,);"},
        {"http,GETADMIN,unclosed", 200, "ADMIN(PWD=admin);"},
        {"http,GETADMIN,status=500", 500, nullptr},
        {"http,GETADMIN,status=404", 404, nullptr},
        {"http,GETADMIN,delay=200", 200, "ADMIN(PWD=admin,);"},
    };
    for (const auto& c : cases) {
        Arm(c.rule);
        const auto reply = Ask("GETADMIN();");
        ASSERT_TRUE(reply.Ok) << c.rule;
        EXPECT_EQ(reply.Status, c.status) << c.rule;
        if (c.body)
            EXPECT_EQ(reply.Body, c.body) << c.rule;
        EXPECT_EQ(Ask("GETADMIN();").Body, "ADMIN(PWD=admin,);") << c.rule << " is one-shot";
    }
    Arm("http,GETADMIN,garbage");
    const auto garbage = Ask("GETADMIN();");
    EXPECT_EQ(garbage.Status, 200);
    EXPECT_FALSE(garbage.Body.startsWith("ADMIN(")) << garbage.Body.toStdString();
    Arm("http,GETADMIN,close");
    const auto closed = Ask("GETADMIN();");
    EXPECT_FALSE(closed.Ok);
    EXPECT_TRUE(closed.Raw.isEmpty());
}

TEST_F(HttpFaults, RefusingFaultsDoNotRunTheCommandButRenamingOnesDo)
{
    Start();
    Arm("http,SETADMIN,nak");
    EXPECT_EQ(Ask("SETADMIN(PWD=first,);").Body, "NAK(REASON=Injected fault,);");
    EXPECT_EQ(Ask("GETADMIN();").Body, "ADMIN(PWD=admin,);");
    Arm("http,SETADMIN,name=NAK");
    EXPECT_EQ(Ask("SETADMIN(PWD=second,);").Body, "NAK();");
    EXPECT_EQ(Ask("GETADMIN();").Body, "ADMIN(PWD=second,);");
}

TEST_F(HttpFaults, KthOccurrenceLastingAndGatewayFilter)
{
    Start({"--fault", "http,GETTAG#3,nak", "--fault", "http,GETDEVICE,status=503,lasting,gw=00:60:35:0A:00:03"});
    std::vector<std::string> names;
    for (int i = 0; i < 4; ++i)
        names.push_back(RequestName(Ask("GETTAG(TAG=0,);").Body));
    EXPECT_EQ(names, (std::vector<std::string>{"TAGCONFIG", "TAGCONFIG", "NAK", "TAGCONFIG"}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(Ask("GETDEVICE();", kHostlinkMac).Status, 503);
        EXPECT_EQ(Ask("GETDEVICE();", kModbusLogMac).Status, 200);
    }
    ASSERT_EQ(Control(*sim, "POST", "/clear").Status, 200);
    EXPECT_EQ(Ask("GETDEVICE();", kHostlinkMac).Status, 200);
}

TEST_F(HttpFaults, ABadSpecIsRefusedWithItsReason)
{
    Start();
    for (const char* bad : {"http,GETADMIN", "smtp,X,nak", "http,GETADMIN,explode", "http,GETADMIN#0,nak",
                            "udp,HELLO,refuse", "ftp,login,break=5", "http,X,delay=abc", "http,X,nak,sometimes"}) {
        const auto reply = Control(*sim, "POST", "/fault", bad);
        EXPECT_EQ(reply.Status, 400) << bad;
        EXPECT_FALSE(reply.Body.isEmpty());
    }
    EXPECT_EQ(Control(*sim, "GET", "/faults").Body.trimmed(), "[\n]");
    SimProcess refused({"--demo", "--fault", "http,GETADMIN,explode"});
    EXPECT_FALSE(refused.Started());
}

class UdpFaults : public ::testing::Test {
protected:
    SimProcess sim{{"--demo"}};
    void SetUp() override { ASSERT_TRUE(sim.Started()) << sim.Error().toStdString(); }
    void Arm(const QByteArray& rule) { ASSERT_EQ(Control(sim, "POST", "/fault", rule).Status, 200); }
    size_t Count(const std::vector<QByteArray>& answers, const QByteArray& mac)
    {
        size_t n = 0;
        for (const auto& a : answers)
            n += GetListItem(a.toStdString(), 3) == mac.toStdString();
        return n;
    }
};

TEST_F(UdpFaults, DropDuplicateAndAnotherMac)
{
    const size_t all = sim.Gateways().size();
    Arm("udp,HELLO,drop,gw=00:60:35:0A:00:02");
    auto answers = UdpAsk(sim.UdpPort(), "HELLO()", all - 1, 5000, 300);
    EXPECT_EQ(answers.size(), all - 1);
    EXPECT_EQ(Count(answers, "00:60:35:0A:00:02"), 0u);

    Arm("udp,HELLO,duplicate,gw=00:60:35:0A:00:02");
    answers = UdpAsk(sim.UdpPort(), "HELLO()", all + 1);
    EXPECT_EQ(Count(answers, "00:60:35:0A:00:02"), 2u);

    Arm("udp,HELLO,mac=FF-FF-FF-00-00-01,gw=00:60:35:0A:00:02");
    answers = UdpAsk(sim.UdpPort(), "HELLO()", all);
    EXPECT_EQ(Count(answers, "00:60:35:0A:00:02"), 0u);
    EXPECT_EQ(Count(answers, "FF-FF-FF-00-00-01"), 1u);

    Arm("udp,CONFIG,mac=FF-FF-FF-00-00-01");
    answers = UdpAsk(sim.UdpPort(), "CONFIG(admin,00:60:35:0A:00:0B,10.0.0.5,255.0.0.0,10.0.0.1)", 1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], "ACK(FF-FF-FF-00-00-01)");

    Arm("udp,CONFIG,delay=100");
    answers = UdpAsk(sim.UdpPort(), "CONFIG(bad,00:60:35:0A:00:0B,10.0.0.5,255.0.0.0,10.0.0.1)", 1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], "NAK(00:60:35:0A:00:0B)");
}

}  // namespace
}  // namespace qvs::test
