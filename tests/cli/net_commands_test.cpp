// qvsctl discover, call and setnet as a user runs them, against kavro-sim on loopback.
#include "fake_http_server.h"
#include "sim_process.h"
#include "tinyproxy_process.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace {

struct CliResult {
    int Code = -1;
    QString Out;
    QString Err;
};

CliResult Qvsctl(const QStringList& arguments)
{
    QProcess process;
    process.start(qEnvironmentVariable("QVS_BINARY_DIR") + "/src/cli/qvsctl", arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLatin1(process.readAllStandardOutput()),
            QString::fromLatin1(process.readAllStandardError())};
}

class QvsctlWithSim : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_sim.Started()) << m_sim.Error().toStdString(); }
    QString Target() const { return QString("127.0.0.1:%1").arg(m_sim.UdpPort()); }
    QString Host() const { return m_sim.Gateway(0).Host; }

    qvs::test::SimProcess m_sim{{"--demo"}};
};

TEST_F(QvsctlWithSim, DiscoverPrintsEveryRowSorted)
{
    const CliResult r = Qvsctl({"discover", "--target", Target(), "--local-port", "0"});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    QStringList lines = r.Out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), static_cast<int>(m_sim.Gateways().size()) + 1);
    EXPECT_EQ(lines[0], "Device\tHost\tMAC\tVersion\tDHCP\tIP Address\tNetmask\tGateway\tRemote IP/Host\t"
                        "HasHostName\tIsKavro\tFlavour");
    EXPECT_TRUE(lines.contains("Kavro-10-MB\tboiler-room\t00:60:35:0A:00:01\t2.0.7-R\tNo\t10.77.0.11\t"
                               "255.255.255.0\t10.77.0.1\t\t1\t1\t0"));
    QStringList devices;
    for (const QString& line : lines.mid(1))
        devices << line.section('\t', 0, 0);
    QStringList sorted = devices;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(devices, sorted);
}

TEST_F(QvsctlWithSim, DiscoverJsonHasTheRecordFields)
{
    const CliResult r = Qvsctl({"discover", "--discovery-target", Target(), "--json", "--local-port", "0"});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    const QJsonArray devices = QJsonDocument::fromJson(r.Out.toLatin1()).array();
    ASSERT_EQ(devices.size(), static_cast<qsizetype>(m_sim.Gateways().size()));
    const QStringList fields = {"Name", "Host", "MAC", "Version", "IP", "Netmask", "Gateway", "DHCP",
                                "RemoteHost", "HasHostName", "User", "Password", "IsKavro", "HasLog",
                                "NotManageable", "Flavour"};
    for (const QJsonValue& device : devices) {
        QStringList keys = device.toObject().keys();
        keys.sort();
        QStringList expected = fields;
        expected.sort();
        EXPECT_EQ(keys, expected);
    }
    bool sawLog = false;
    for (const QJsonValue& device : devices)
        if (device["MAC"] == "00:60:35:0A:00:01") {
            sawLog = device["HasLog"].toBool() && device["HasHostName"].toBool()
                     && device["Flavour"].toInt() == 0 && device["IsKavro"].toBool();
        }
    EXPECT_TRUE(sawLog);
}

TEST(Qvsctl, DiscoverWithoutAnswerExitsThree)
{
    const CliResult r = Qvsctl({"discover", "--target", "127.0.0.1:9", "--wait", "100", "--local-port", "0"});
    EXPECT_EQ(r.Code, 3);
    EXPECT_TRUE(r.Err.contains("No device answered the search."));
}

TEST_F(QvsctlWithSim, CallPrintsTheReply)
{
    CliResult r = Qvsctl({"call", Host(), "GETADMIN();"});
    EXPECT_EQ(r.Code, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out, "ADMIN(PWD=admin,);\n");
    r = Qvsctl({"call", Host(), "NOSUCHCOMMAND();"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_TRUE(r.Out.startsWith("NAK(")) << r.Out.toStdString();
}

TEST(Qvsctl, CallWithoutAnswerSaysSoAndExitsThree)
{
    int dead = 0;
    { qvs::test::FakeHttpServer gone([](const std::string&) { return qvs::test::FakeHttpServer::Answer{}; });
      dead = gone.Port(); }
    const CliResult r = Qvsctl({"call", QString("127.0.0.1:%1").arg(dead), "GETADMIN();"});
    EXPECT_EQ(r.Code, 3);
    EXPECT_EQ(r.Err, "No Response from Device. Check the connection and try again.\n");
    EXPECT_EQ(r.Out, "");
}

TEST(Qvsctl, CallAppAndRemoteThroughTheProxyOfTheOptions)
{
    qvs::test::FakeHttpServer gateway([](const std::string& request) {
        return qvs::test::FakeHttpServer::Reply(request.substr(0, request.find(' ', 5)));
    });
    qvs::test::TinyproxyProcess proxy("tech", "s3cret");
    ASSERT_TRUE(proxy.Ready());
    QTemporaryDir dir;
    const std::string ini = dir.filePath("qvs.ini").toStdString();
    const auto options = [&](const char* password) {
        // AUTHDATA for AUTHDATA(USERNAME=tech,PASSWORD=<password>,);
        std::string packet = std::string("AUTHDATA(USERNAME=tech,PASSWORD=") + password + ",);";
        std::string encoded;
        for (unsigned char c : packet)
            encoded += QString::asprintf("%02X", (256 - c) & 0xff).toStdString();
        std::ofstream(ini) << "[PROXYHTTP]\r\nENABLED=1\r\nSERVER=127.0.0.1\r\nPORT=" << proxy.Port()
                           << "\r\nAUTH=1\r\nAUTHDATA=" << encoded << "\r\n";
    };
    const QString direct = QString::fromStdString(gateway.Host());

    CliResult r = Qvsctl({"call", direct, "READ();", "--app"});
    EXPECT_EQ(r.Code, 0);
    EXPECT_EQ(r.Out, "POST /apppost.cgi\n");

    options("s3cret");
    r = Qvsctl({"call", "192.0.2.1", "GETDEVICE();", "--remote", direct, "--options", QString::fromStdString(ini)});
    EXPECT_EQ(r.Code, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out, "POST /admpost.cgi\n");  // tinyproxy forwarded it

    options("wrong");
    r = Qvsctl({"call", "192.0.2.1", "GETDEVICE();", "--remote", direct, "--options", QString::fromStdString(ini)});
    EXPECT_EQ(r.Code, 3);
    EXPECT_EQ(gateway.Requests().size(), 2u);
}

TEST_F(QvsctlWithSim, SetnetReportsTheGatewaysAnswer)
{
    CliResult r = Qvsctl({"setnet", "--mac", "00:60:35:0A:00:0B", "--password", "admin", "--ip", "10.77.0.21",
                    "--netmask", "255.255.255.0", "--gateway", "10.77.0.1", "--target", Target(),
                    "--local-port", "0"});
    EXPECT_EQ(r.Code, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Out, "Device Successfully Configured!.\n");
    r = Qvsctl({"setnet", "--mac", "00:60:35:0A:00:0B", "--password", "nope", "--dhcp", "--target", Target(),
                "--local-port", "0"});
    EXPECT_EQ(r.Code, 1);
    EXPECT_EQ(r.Err, "Error Setting Device Configuration.\nCheck the Password.\n");
}

TEST(Qvsctl, UsageErrorsExitTwo)
{
    const QStringList cases[] = {
        {"setnet", "--mac", "M", "--password", "p"},
        {"setnet", "--mac", "M", "--password", "p", "--dhcp", "--ip", "1.2.3.4"},
        {"setnet", "--mac", "M", "--password", "p", "--ip", "1.2.3", "--netmask", "255.0.0.0", "--gateway", "1.1.1.1"},
        {"setnet", "--password", "p", "--dhcp"},
        {"discover", "--target", "nohost"},
        {"discover", "--wait", "x"},
        {"call", "only-host"},
        {"call", "h", "p", "--timeout", "0"},
    };
    for (const QStringList& args : cases)
        EXPECT_EQ(Qvsctl(args).Code, 2) << args.join(' ').toStdString();
}

}  // namespace
