// The UDP responder: discovery and the network set-up datagram.
#include "sim_test_helpers.h"

#include "dscpkt.h"

#include <QProcess>

#include <algorithm>

namespace qvs::test {
namespace {

class DiscoveryTest : public ::testing::Test {
protected:
    SimProcess sim{{"--demo"}};
    void SetUp() override { ASSERT_TRUE(sim.Started()) << sim.Error().toStdString(); }

    std::vector<std::string> Hello()
    {
        std::vector<std::string> answers;
        for (const auto& a : UdpAsk(sim.UdpPort(), "HELLO()", sim.Gateways().size()))
            answers.push_back(a.toStdString());
        return answers;
    }
    std::string AnswerOf(const QString& mac)
    {
        for (const auto& answer : Hello())
            if (GetListItem(answer, 3) == mac.toStdString())
                return answer;
        return {};
    }
};

TEST_F(DiscoveryTest, HelloGetsOneNtmPerGatewayWithItsData)
{
    const auto answers = Hello();
    ASSERT_EQ(answers.size(), sim.Gateways().size());
    for (const auto& answer : answers)
        EXPECT_TRUE(IsListPacket("NTM", answer)) << answer;
    EXPECT_EQ(AnswerOf(kModbusLogMac),
              "NTM(1118,2.0.7-R,00:60:35:0A:00:01,10.77.0.11,255.255.255.0,10.77.0.1,0,boiler-room)");
    // Without a host name there are seven items.
    EXPECT_EQ(AnswerOf(kModbusEmptyPwdMac),
              "NTM(1119,2.0.5,00:60:35:0A:00:02,10.77.0.12,255.255.255.0,10.77.0.1,0)");
    EXPECT_EQ(GetListItem(AnswerOf(kNoIpMac), 4), "0.0.0.0");
}

TEST_F(DiscoveryTest, DemoPlantCoversEveryCaseOfTheDeviceList)
{
    std::vector<std::string> models, firmware;
    for (const auto& answer : Hello()) {
        models.push_back(GetListItem(answer, 1));
        firmware.push_back(GetListItem(answer, 2));
    }
    for (const char* code : {"1118", "1119", "1109", "1110", "1116", "1117", "1113"})
        EXPECT_NE(std::find(models.begin(), models.end(), code), models.end()) << code;
    auto has = [&](auto predicate) { return std::any_of(firmware.begin(), firmware.end(), predicate); };
    EXPECT_TRUE(has([](const std::string& v) { return v.find("-R") != std::string::npos; }));
    EXPECT_TRUE(has([](const std::string& v) { return v.find("-SN") != std::string::npos; }));
    EXPECT_TRUE(has([](const std::string& v) { return v == "3.99.99"; }));
    EXPECT_TRUE(has([](const std::string& v) { return v == "2.0.4-R"; }));  // below the DF1 lowest
}

TEST_F(DiscoveryTest, ConfigWithTheRightPasswordIsAcknowledgedAndTakesEffect)
{
    const QByteArray config = "CONFIG(admin,00:60:35:0A:00:0B,10.77.0.30,255.255.255.0,10.77.0.1)";
    const auto answers = UdpAsk(sim.UdpPort(), config, 1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], "ACK(00:60:35:0A:00:0B)");
    const std::string ntm = AnswerOf(kNoIpMac);
    EXPECT_EQ(GetListItem(ntm, 4), "10.77.0.30");
    EXPECT_EQ(GetListItem(ntm, 7), "0");
}

TEST_F(DiscoveryTest, ConfigWithAWrongPasswordIsRefusedAndChangesNothing)
{
    const auto answers = UdpAsk(sim.UdpPort(), "CONFIG(wrong,00:60:35:0A:00:0B,10.77.0.30,255.255.255.0,10.77.0.1)", 1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], "NAK(00:60:35:0A:00:0B)");
    EXPECT_EQ(GetListItem(AnswerOf(kNoIpMac), 4), "0.0.0.0");
}

TEST_F(DiscoveryTest, ConfigWithAnEmptyPasswordAndDhcpKeepsTheMacSecond)
{
    // The demo gateway 02 has an empty administrator password.
    const auto answers = UdpAsk(sim.UdpPort(), "CONFIG(,00:60:35:0A:00:02,0.0.0.0,0.0.0.0,0.0.0.0)", 1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], "ACK(00:60:35:0A:00:02)");
    const std::string ntm = AnswerOf(kModbusEmptyPwdMac);
    EXPECT_EQ(GetListItem(ntm, 7), "1");  // DHCP on
}

TEST_F(DiscoveryTest, ConfigForAnotherMacAndOtherDatagramsGetNoAnswer)
{
    for (const QByteArray datagram : {QByteArray("CONFIG(admin,AA-BB-CC-DD-EE-FF,10.0.0.5,255.0.0.0,10.0.0.1)"),
                                      QByteArray("NTM(1118,2.0.5,X,1.2.3.4,255.0.0.0,1.2.3.1,0)"),
                                      QByteArray(8192, 'j'), QByteArray()}) {
        EXPECT_TRUE(UdpAsk(sim.UdpPort(), datagram, 1, 300).empty()) << datagram.left(40).toStdString();
    }
    EXPECT_EQ(Hello().size(), sim.Gateways().size());  // still serving
}

TEST_F(DiscoveryTest, ConfigKeepsTheHostNameItemForAGatewayThatHasOne)
{
    const auto answers = UdpAsk(sim.UdpPort(),
        "CONFIG(admin,00:60:35:0A:00:01,10.77.0.40,255.255.0.0,10.77.0.1,furnace)", 1);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], "ACK(00:60:35:0A:00:01)");
    const std::string ntm = AnswerOf(kModbusLogMac);
    EXPECT_EQ(GetListItem(ntm, 5), "255.255.0.0");
    EXPECT_EQ(GetListItem(ntm, 8), "furnace");
}

}  // namespace
}  // namespace qvs::test

namespace qvs::test {
namespace {

TEST(LoopbackIps, DiscoveryAnswersLeadToEachGatewayOnItsOwnLoopbackAddress)
{
    SimProcess sim({"--demo", "--loopback-ips", "--http-port", "0", "--ftp-port", "0", "--udp-bind", "127.0.0.1",
                    "--udp-port", "0"},
                   /*loopback=*/false);
    ASSERT_TRUE(sim.Started()) << sim.Error().toStdString();
    const auto answers = UdpAsk(sim.UdpPort(), "HELLO()", sim.Gateways().size());
    ASSERT_EQ(answers.size(), sim.Gateways().size());
    for (const auto& answer : answers) {
        const std::string text = answer.toStdString();
        const QString ip = QString::fromStdString(GetListItem(text, 4));
        const SimGateway& g = sim.GatewayByMac(QString::fromStdString(GetListItem(text, 3)));
        EXPECT_EQ(g.Ip, ip);
        if (ip == "0.0.0.0") {
            EXPECT_EQ(g.Http, 0);  // nothing to reach before it has an address
            continue;
        }
        EXPECT_TRUE(ip.startsWith("127.0.0.")) << text;
        EXPECT_EQ(g.Host, ip + ":" + QString::number(g.Http));
        const auto reply = HttpPost(ip, g.Http, "/admpost.cgi", "GETDEVICE();");
        EXPECT_TRUE(reply.Body.contains(g.Mac.toLatin1())) << reply.Body.toStdString();
    }
}

TEST(SimHelp, DocumentsEveryOptionTheFaultsAndTheLimits)
{
    QProcess help;
    help.start(SimProcess::Executable(), {"--help"});
    ASSERT_TRUE(help.waitForFinished(20000));
    EXPECT_EQ(help.exitCode(), 0);
    const QByteArray text = help.readAllStandardOutput();
    for (const char* word : {"--demo", "--plant", "--state", "--udp-bind", "--udp-port", "--http-port", "--ftp-port",
                             "--listen", "--loopback-ips", "--control-port", "--journal", "--fault", "--print-plant",
                             "Faults:", "Limits:", "open connections", "1572864"})
        EXPECT_TRUE(text.contains(word)) << word;
    QProcess wrong;
    wrong.start(SimProcess::Executable(), {"--udp-port", "70000", "--demo"});
    ASSERT_TRUE(wrong.waitForFinished(20000));
    EXPECT_EQ(wrong.exitCode(), 2);
}

}  // namespace
}  // namespace qvs::test
