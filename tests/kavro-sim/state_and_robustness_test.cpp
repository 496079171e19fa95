// The state file across restarts, and bad input of every kind.
#include "sim_test_helpers.h"

#include <QFile>
#include <QTcpSocket>
#include <QTemporaryDir>

#include <memory>

namespace qvs::test {
namespace {

TEST(SimState, TheStateFileKeepsTheGatewaysAcrossRestarts)
{
    QTemporaryDir dir;
    const QString state = dir.filePath("plant-state.json");
    {
        SimProcess sim({"--demo", "--state", state});
        ASSERT_TRUE(sim.Started()) << sim.Error().toStdString();
        const auto& g = sim.GatewayByMac(kModbusLogMac);
        ASSERT_EQ(Post(g, "SETADMIN(PWD=kept,);"), "ACK();");
        ASSERT_EQ(Post(g, "WRITE(TAG=0,VALUE=42,);", true), "ACK();");
        ASSERT_EQ(Post(g, "STOP();"), "ACK();");
        EXPECT_TRUE(sim.Stop());
    }
    ASSERT_TRUE(QFile::exists(state));
    SimProcess again({"--state", state});
    ASSERT_TRUE(again.Started()) << again.Error().toStdString();
    const auto& g = again.GatewayByMac(kModbusLogMac);
    EXPECT_EQ(Post(g, "GETADMIN();"), "ADMIN(PWD=kept,);");
    EXPECT_EQ(Post(g, "READ(TAG1=0,);", true).substr(0, 16), "VALUES(VAL1=42,S");
    EXPECT_EQ(Post(g, "ENABLETAGADMIN();"), "ACK();");  // still stopped
    EXPECT_EQ(again.Gateways().size(), 11u);
}

TEST(SimState, AnUnreadablePlantIsReportedAndNothingStarts)
{
    QTemporaryDir dir;
    struct Case { const char* json; } cases[] = {
        {"{not json"}, {R"({"gateways":[]})"}, {R"({"gateways":[{"mac":"A","model":"1118"}]})"},
        {R"({"gateways":[{"mac":"A","model":"1118","firmware":"2"},{"mac":"A","model":"1118","firmware":"2"}]})"},
    };
    for (const auto& c : cases) {
        const QString path = dir.filePath("bad.json");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(c.json);
        file.close();
        SimProcess sim({"--plant", path});
        EXPECT_FALSE(sim.Started()) << c.json;
        EXPECT_TRUE(sim.Error().contains("bad.json")) << sim.Error().toStdString();
    }
}

class BadInput : public ::testing::Test {
protected:
    SimProcess sim{{"--demo"}};
    void SetUp() override { ASSERT_TRUE(sim.Started()) << sim.Error().toStdString(); }
    quint16 Port() { return sim.GatewayByMac(kModbusLogMac).Http; }
    void StillServes()
    {
        EXPECT_EQ(Post(sim.GatewayByMac(kModbusLogMac), "GETADMIN();"), "ADMIN(PWD=admin,);");
    }
};

TEST_F(BadInput, MalformedHttpRequestsGetAnErrorStatus)
{
    struct Case { QByteArray request; int status; } cases[] = {
        {"GARBAGE\r\n\r\n", 400},
        {"POST admpost.cgi HTTP/1.0\r\n\r\n", 400},
        {"POST /admpost.cgi HTTP/1.0\r\nContent-Length: -5\r\n\r\n", 400},
        {"POST /admpost.cgi HTTP/1.0\r\nContent-Length: 999999\r\n\r\n", 413},
        {"POST /admpost.cgi HTTP/1.0\r\nTransfer-Encoding: chunked\r\n\r\n", 411},
        {"GET / HTTP/1.0\r\nX: " + QByteArray(9000, 'x') + "\r\n\r\n", 431},
        {"PUT /admpost.cgi HTTP/1.0\r\n\r\n", 405},
        {"POST /other.cgi HTTP/1.0\r\nContent-Length: 0\r\n\r\n", 404},
        {"GET /nothing.htm HTTP/1.0\r\n\r\n", 404},
    };
    for (const auto& c : cases) {
        const auto reply = HttpRaw("127.0.0.1", Port(), c.request);
        EXPECT_EQ(reply.Status, c.status) << c.request.left(60).toStdString();
    }
    StillServes();
}

TEST_F(BadInput, BodiesThatAreNoPacketGetANak)
{
    for (const QByteArray body : {QByteArray(), QByteArray("hello"), QByteArray("GETADMIN("), QByteArray("(X=1,);"),
                                  QByteArray("GETTAG(TAG=1);"), QByteArray("get admin();"),
                                  QByteArray(60000, '\xff'), QByteArray("GETTAG(TAG=99999999999,);")}) {
        const auto reply = HttpPost("127.0.0.1", Port(), "/admpost.cgi", body);
        EXPECT_EQ(reply.Status, 200);
        EXPECT_TRUE(reply.Body.startsWith("NAK(REASON=")) << body.left(30).toStdString() << " -> "
                                                          << reply.Body.toStdString();
    }
    // Line ends and blanks around a packet are forgiven.
    EXPECT_EQ(HttpPost("127.0.0.1", Port(), "/admpost.cgi", "  GETADMIN();\r\n").Body, "ADMIN(PWD=admin,);");
    StillServes();
}

TEST_F(BadInput, TruncatedRequestsAndConnectionFloodsLeaveTheOthersServed)
{
    {
        QTcpSocket half;
        half.connectToHost("127.0.0.1", Port());
        ASSERT_TRUE(half.waitForConnected(5000));
        half.write("POST /admpost.cgi HTTP/1.0\r\nContent-Length: 100\r\n\r\nGETAD");
        half.waitForBytesWritten(5000);
    }  // closed mid-request
    std::vector<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < 40; ++i) {
        idle.push_back(std::make_unique<QTcpSocket>());
        idle.back()->connectToHost("127.0.0.1", Port());
        ASSERT_TRUE(idle.back()->waitForConnected(5000));
    }
    // The connections over the limit are told so at once.
    const auto refused = HttpPost("127.0.0.1", Port(), "/admpost.cgi", "GETADMIN();");
    EXPECT_EQ(refused.Status, 503);
    // Other gateways have their own limit.
    EXPECT_EQ(Post(sim.GatewayByMac(kHostlinkMac), "GETADMIN();"), "ADMIN(PWD=admin,);");
    idle.clear();
    bool served = false;
    for (int attempt = 0; attempt < 50 && !served; ++attempt)
        served = HttpPost("127.0.0.1", Port(), "/admpost.cgi", "GETADMIN();").Status == 200;
    EXPECT_TRUE(served);
    const auto journal = JournalEntries(sim, "http");
    const bool truncatedNoted = std::any_of(journal.begin(), journal.end(), [](const QJsonObject& e) {
        return e.value("note").toString() == "truncated";
    });
    EXPECT_TRUE(truncatedNoted);
}

TEST_F(BadInput, JunkOnTheFtpPortIsAnsweredAndTheServerGoesOn)
{
    QTcpSocket junk;
    junk.connectToHost("127.0.0.1", sim.GatewayByMac(kModbusLogMac).Ftp);
    ASSERT_TRUE(junk.waitForConnected(5000));
    junk.write(QByteArray(20000, '\x01'));
    junk.write("\r\n\x00\xff\xfe\r\nLIST\r\n", 14);
    junk.waitForBytesWritten(5000);
    junk.abort();
    const auto udp = UdpAsk(sim.UdpPort(), QByteArray(8192, '\x7f'), 1, 200);
    EXPECT_TRUE(udp.empty());
    StillServes();
    EXPECT_EQ(UdpAsk(sim.UdpPort(), "HELLO()", sim.Gateways().size()).size(), sim.Gateways().size());
}

}  // namespace
}  // namespace qvs::test
