// The gateways' FTP server: log-on, LIST, STOR and RETR of "userpage.kwp", ABOR, and
// the FTP faults.
#include "sim_test_helpers.h"

#include "ftp_test_client.h"

#include <QtEndian>

namespace qvs::test {
namespace {

// A web-site package with one file, laid out as the gateways keep it.
QByteArray Package(const QByteArray& name, const QByteArray& content)
{
    QByteArray header(8, '\0'), entry(26, '\0'), size(4, '\0');
    entry.replace(0, name.size(), name);
    qToLittleEndian<quint32>(quint32(content.size()), entry.data() + 20);
    qToLittleEndian<quint32>(quint32(content.size()), size.data());
    qToLittleEndian<quint16>(1, header.data());
    qToLittleEndian<qint16>(1, header.data() + 2);
    qToLittleEndian<quint32>(quint32(8 + 26 + 4 + content.size()), header.data() + 4);
    return header + entry + size + content;
}

class FtpTest : public ::testing::Test {
protected:
    void Start(const QStringList& extra = {})
    {
        sim = std::make_unique<SimProcess>(QStringList{"--demo"} + extra);
        ASSERT_TRUE(sim->Started()) << sim->Error().toStdString();
    }
    void SetUp() override { Start(); }
    const SimGateway& Gw() { return sim->GatewayByMac(kModbusLogMac); }
    void LogOn(FtpTestClient& ftp)
    {
        ASSERT_EQ(ftp.Connect("127.0.0.1", Gw().Ftp), 220);
        ASSERT_EQ(ftp.Login("admin", "admin"), 230);
        ASSERT_EQ(ReplyCode(ftp.Command("TYPE I")), 200);
    }
    std::unique_ptr<SimProcess> sim;
};

TEST_F(FtpTest, LogOnNeedsAdminAndTheAdministratorPassword)
{
    struct Case { const char* user; const char* password; int code; } cases[] = {
        {"admin", "admin", 230}, {"admin", "wrong", 530}, {"user", "admin", 530}, {"Admin", "admin", 530}};
    for (const auto& c : cases) {
        FtpTestClient ftp;
        ASSERT_EQ(ftp.Connect("127.0.0.1", Gw().Ftp), 220);
        EXPECT_EQ(ftp.Login(c.user, c.password), c.code) << c.user << "/" << c.password;
    }
}

TEST_F(FtpTest, CommandsOutOfOrderGetTheirErrorAndTheSessionGoesOn)
{
    FtpTestClient ftp;
    ASSERT_EQ(ftp.Connect("127.0.0.1", Gw().Ftp), 220);
    EXPECT_EQ(ReplyCode(ftp.Command("PASS admin")), 503);
    EXPECT_EQ(ReplyCode(ftp.Command("RETR userpage.kwp")), 530);
    EXPECT_EQ(ReplyCode(ftp.Command("LIST")), 530);
    ASSERT_EQ(ftp.Login("admin", "admin"), 230);
    EXPECT_EQ(ReplyCode(ftp.Command("RETR userpage.kwp")), 425);  // no PORT or PASV yet
    EXPECT_EQ(ReplyCode(ftp.Command("PORT 10,1,2,3,4,5")), 500);  // only back to the client
    EXPECT_EQ(ReplyCode(ftp.Command("PORT junk")), 500);
    EXPECT_EQ(ReplyCode(ftp.Command("ABOR")), 226);
    EXPECT_EQ(ReplyCode(ftp.Command("XYZZY")), 502);
    ftp.SendRaw(QByteArray(3000, 'A') + "\r\n");
    EXPECT_EQ(ReplyCode(ftp.NextReply()), 500);
    EXPECT_EQ(ReplyCode(ftp.Command("\xff\xf4\xff\xf2NOOP")), 200);  // telnet bytes are dropped
    EXPECT_EQ(ReplyCode(ftp.Command("STOR other.kwp")), 553);
    EXPECT_EQ(ReplyCode(ftp.Command("QUIT")), 221);
}

class FtpModes : public FtpTest, public ::testing::WithParamInterface<bool> {};

TEST_P(FtpModes, StoreThenListAndRetrieveGiveThePackageBackUnchanged)
{
    const bool passive = GetParam();
    QByteArray content;
    for (int i = 0; i < 5000; ++i)
        content += char(i * 7);
    const QByteArray package = Package("index.htm", "<html>" + content + "</html>");
    FtpTestClient ftp;
    LogOn(ftp);
    const auto stored = ftp.Transfer("STOR userpage.kwp", passive, package);
    EXPECT_EQ(ReplyCode(stored.Preliminary), 150);
    EXPECT_EQ(ReplyCode(stored.Final), 226);

    const auto list = ftp.Transfer("LIST", passive);
    ASSERT_EQ(ReplyCode(list.Final), 226);
    const QByteArray firstLine = list.Data.left(list.Data.indexOf("\r\n"));
    const QByteArray fromColumn38 = firstLine.mid(37);
    EXPECT_EQ(fromColumn38.left(fromColumn38.indexOf(' ')), QByteArray::number(package.size())) << firstLine.toStdString();
    EXPECT_TRUE(firstLine.endsWith("userpage.kwp"));

    const auto retrieved = ftp.Transfer("RETR userpage.kwp", passive);
    EXPECT_EQ(ReplyCode(retrieved.Final), 226);
    EXPECT_EQ(retrieved.Data, package);
    EXPECT_EQ(ReplyCode(ftp.Command("SIZE userpage.kwp")), 213);

    // The web server serves the files of the new package.
    const auto page = HttpGet("127.0.0.1", Gw().Http, "/index.htm");
    EXPECT_EQ(page.Status, 200);
    EXPECT_EQ(page.Body, "<html>" + content + "</html>");
    EXPECT_EQ(HttpGet("127.0.0.1", Gw().Http, "/").Body, page.Body);
    EXPECT_EQ(HttpGet("127.0.0.1", Gw().Http, "/status.txt").Status, 404);  // the old site is gone
}

INSTANTIATE_TEST_SUITE_P(ActiveAndPassive, FtpModes, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Passive" : "Active"; });

TEST_F(FtpTest, AGatewayWithoutAPackageListsNothing)
{
    FtpTestClient ftp;
    ASSERT_EQ(ftp.Connect("127.0.0.1", sim->GatewayByMac(kHostlinkMac).Ftp), 220);
    ASSERT_EQ(ftp.Login("admin", "admin"), 230);
    const auto list = ftp.Transfer("LIST", true);
    EXPECT_EQ(ReplyCode(list.Final), 226);
    EXPECT_TRUE(list.Data.isEmpty());
    EXPECT_EQ(ReplyCode(ftp.Command("RETR userpage.kwp")), 550);
}

TEST_F(FtpTest, AStoreAboveTheLargestPackageIsRefusedAndTheOldOneKept)
{
    FtpTestClient ftp;
    LogOn(ftp);
    const auto before = ftp.Transfer("RETR userpage.kwp", true).Data;
    const auto stored = ftp.Transfer("STOR userpage.kwp", true, QByteArray(1572864 + 100, 'x'));
    EXPECT_EQ(ReplyCode(stored.Final), 552);
    EXPECT_EQ(ftp.Transfer("RETR userpage.kwp", true).Data, before);
}

TEST_F(FtpTest, RefusedLogOnFault)
{
    ASSERT_EQ(Control(*sim, "POST", "/fault", "ftp,login,refuse").Status, 200);
    FtpTestClient first, second;
    ASSERT_EQ(first.Connect("127.0.0.1", Gw().Ftp), 220);
    EXPECT_EQ(first.Login("admin", "admin"), 530);
    ASSERT_EQ(second.Connect("127.0.0.1", Gw().Ftp), 220);
    EXPECT_EQ(second.Login("admin", "admin"), 230);  // one-shot
}

TEST_F(FtpTest, BrokenDataConnectionFault)
{
    ASSERT_EQ(Control(*sim, "POST", "/fault", "ftp,RETR,break=100").Status, 200);
    FtpTestClient ftp;
    LogOn(ftp);
    const auto broken = ftp.Transfer("RETR userpage.kwp", true);
    EXPECT_EQ(broken.Data.size(), 100);
    EXPECT_EQ(ReplyCode(broken.Final), 426);
    const auto whole = ftp.Transfer("RETR userpage.kwp", true);
    EXPECT_EQ(ReplyCode(whole.Final), 226);
    EXPECT_EQ(whole.Data.left(100), broken.Data);
    EXPECT_GT(whole.Data.size(), 100);
}

TEST_F(FtpTest, ABrokenStoreKeepsTheOldPackage)
{
    ASSERT_EQ(Control(*sim, "POST", "/fault", "ftp,STOR,break=10").Status, 200);
    FtpTestClient ftp;
    LogOn(ftp);
    const auto before = ftp.Transfer("RETR userpage.kwp", true).Data;
    const auto stored = ftp.Transfer("STOR userpage.kwp", true, QByteArray(5000, 'n'));
    EXPECT_EQ(ReplyCode(stored.Final), 426);
    EXPECT_EQ(ftp.Transfer("RETR userpage.kwp", true).Data, before);
}

TEST_F(FtpTest, SlowTransferFaultStillDeliversEveryByteAndAborCutsIt)
{
    ASSERT_EQ(Control(*sim, "POST", "/fault", "ftp,data,rate=20000,lasting").Status, 200);
    FtpTestClient ftp;
    LogOn(ftp);
    const QByteArray package = Package("a.htm", QByteArray(3000, 'q'));
    EXPECT_EQ(ReplyCode(ftp.Transfer("STOR userpage.kwp", false, package).Final), 226);
    EXPECT_EQ(ftp.Transfer("RETR userpage.kwp", false).Data, package);

    // At 100 bytes a second the transfer is still running when ABOR arrives.
    ASSERT_EQ(Control(*sim, "POST", "/clear").Status, 200);
    ASSERT_EQ(Control(*sim, "POST", "/fault", "ftp,RETR,rate=100").Status, 200);
    QByteArray preliminary;
    auto data = ftp.BeginTransfer("RETR userpage.kwp", true, &preliminary);
    ASSERT_TRUE(data);
    EXPECT_EQ(ReplyCode(preliminary), 150);
    ASSERT_TRUE(data->waitForReadyRead(5000));
    EXPECT_EQ(ReplyCode(ftp.Command("ABOR")), 426);
    EXPECT_EQ(ReplyCode(ftp.NextReply()), 226);
    EXPECT_EQ(ReplyCode(ftp.Command("NOOP")), 200);
}

}  // namespace
}  // namespace qvs::test
