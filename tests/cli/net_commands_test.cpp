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

// A gateway on loopback that answers GETDEVICE and GETNET with the given replies.
struct RemoteGateway {
    explicit RemoteGateway(std::string device, std::string network = "NETWORK();")
        : server([device, network](const std::string& request) {
              const bool asksDevice = request.find("GETDEVICE") != std::string::npos;
              return qvs::test::FakeHttpServer::Reply(asksDevice ? device : network);
          })
    {
    }
    QString Host() const { return QString::fromStdString(server.Host()); }
    qvs::test::FakeHttpServer server;
};

// An options file with the HTTP proxy off, so that no user's qvs.ini takes part.
struct NoProxyOptions {
    NoProxyOptions() { std::ofstream(path.toStdString()) << "[PROXYHTTP]\r\nENABLED=0\r\n"; }
    QTemporaryDir dir;
    QString path = dir.filePath("qvs.ini");
};

const char* const kRowHeader = "Device\tHost\tMAC\tVersion\tDHCP\tIP Address\tNetmask\tGateway\tRemote IP/Host\t"
                               "HasHostName\tIsKavro\tFlavour";

TEST_F(QvsctlWithSim, RemotePrintsTheRowTheRemoteSearchAdds)
{
    const NoProxyOptions options;
    const QString host = m_sim.GatewayByMac("00:60:35:0A:00:01").Host;
    CliResult r = Qvsctl({"remote", host, "--options", options.path});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Out, QString(kRowHeader) + "\nKavro-10-MB\tboiler-room\t00:60:35:0A:00:01\t2.0.7-R\tNo\t"
                         "10.77.0.11\t255.255.255.0\t10.77.0.1\t" + host + "\t1\t1\t0\n");

    r = Qvsctl({"remote", host, "--json", "--options", options.path});
    ASSERT_EQ(r.Code, 0) << r.Err.toStdString();
    const QJsonArray devices = QJsonDocument::fromJson(r.Out.toLatin1()).array();
    ASSERT_EQ(devices.size(), 1);
    const QJsonObject device = devices[0].toObject();
    EXPECT_EQ(device["Name"], "Kavro-10-MB");
    EXPECT_EQ(device["MAC"], "00:60:35:0A:00:01");
    EXPECT_EQ(device["RemoteHost"], host);
    EXPECT_EQ(device["HasHostName"], true);
    EXPECT_EQ(device["IsKavro"], true);
    EXPECT_EQ(device["Flavour"], 0);
}

TEST(Qvsctl, RemoteRowFollowsTheReplies)
{
    struct Case {
        const char* device;
        const char* network;
        int code;
        const char* row;  // cells after Remote IP/Host are appended by the test
        const char* err;
    };
    const char* const notValid = "Not Valid Response from Device.\n";
    const Case cases[] = {
        {"DEVICE(VERSION=2.0.5,MAC=AA-BB-CC-DD-EE-01,ID=1110,);",
         "NETWORK(NAME=far,DHCP=1,IP=10.1.2.3,NETMASK=255.0.0.0,GATEWAY=10.0.0.1,);", 0,
         "Kavro-1C-HL\tfar\tAA-BB-CC-DD-EE-01\t2.0.5\tYes\t10.1.2.3\t255.0.0.0\t10.0.0.1\t%1\t1\t1\t1", ""},
        {"DEVICE(VERSION=2.0.5,MAC=AA-BB-CC-DD-EE-02,);", "NETWORK(NAME=n,);", 0,
         "Kavro\tn\tAA-BB-CC-DD-EE-02\t2.0.5\tNo\t0.0.0.0\t0.0.0.0\t0.0.0.0\t%1\t1\t1\t0", ""},
        {"DEVICE(VERSION=1.4.0,MAC=AA-BB-CC-DD-EE-03,ID=1113,);", "NETWORK(NAME=o,IP=10.9.9.9,);", 0,
         "Olvar-A\to\tAA-BB-CC-DD-EE-03\t1.4.0\tNo\t10.9.9.9\t0.0.0.0\t0.0.0.0\t%1\t1\t1\t0", ""},
        {"NAK(ERROR=1,);", "NETWORK(NAME=n,);", 1, nullptr, notValid},
        {"DEVICE(ID=1110,);", "NAK();", 1, nullptr, notValid},
        {"<html>busy</html>", "NETWORK(NAME=n,);", 1, nullptr, notValid},
    };
    const NoProxyOptions options;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.device) + " " + c.network);
        const RemoteGateway gateway(c.device, c.network);
        const CliResult r = Qvsctl({"remote", gateway.Host(), "--options", options.path});
        EXPECT_EQ(r.Code, c.code);
        EXPECT_EQ(r.Out, c.row ? QString(kRowHeader) + "\n" + QString(c.row).arg(gateway.Host()) + "\n" : "");
        EXPECT_EQ(r.Err, c.err);
        const auto requests = gateway.server.Requests();
        ASSERT_EQ(requests.size(), 2u);
        EXPECT_TRUE(requests[0].starts_with("POST /admpost.cgi HTTP/1.0\r\n")) << requests[0];
        EXPECT_TRUE(requests[0].ends_with("\r\n\r\nGETDEVICE();")) << requests[0];
        EXPECT_TRUE(requests[1].ends_with("\r\n\r\nGETNET();")) << requests[1];
    }
}

TEST(Qvsctl, RemoteWithoutAnswerSaysSoAndExitsThree)
{
    int dead = 0;
    { qvs::test::FakeHttpServer gone([](const std::string&) { return qvs::test::FakeHttpServer::Answer{}; });
      dead = gone.Port(); }
    const NoProxyOptions options;
    const CliResult r = Qvsctl({"remote", QString("127.0.0.1:%1").arg(dead), "--options", options.path});
    EXPECT_EQ(r.Code, 3);
    EXPECT_EQ(r.Err, "No Response from Device. Check the connection and try again.\n");
    EXPECT_EQ(r.Out, "");
}

TEST(Qvsctl, RemoteGoesThroughTheProxyOfTheOptions)
{
    const RemoteGateway gateway("DEVICE(VERSION=2.0.7,MAC=AA-BB-CC-DD-EE-04,ID=1118,);",
                                "NETWORK(NAME=via,IP=10.4.4.4,);");
    qvs::test::TinyproxyProcess proxy("tech", "s3cret");
    ASSERT_TRUE(proxy.Ready());
    QTemporaryDir dir;
    const QString ini = dir.filePath("qvs.ini");
    const auto options = [&](const char* password) {
        std::string packet = std::string("AUTHDATA(USERNAME=tech,PASSWORD=") + password + ",);";
        std::string encoded;
        for (unsigned char c : packet)
            encoded += QString::asprintf("%02X", (256 - c) & 0xff).toStdString();
        std::ofstream(ini.toStdString()) << "[PROXYHTTP]\r\nENABLED=1\r\nSERVER=127.0.0.1\r\nPORT=" << proxy.Port()
                                         << "\r\nAUTH=1\r\nAUTHDATA=" << encoded << "\r\n";
    };

    options("s3cret");
    CliResult r = Qvsctl({"remote", gateway.Host(), "--options", ini});
    EXPECT_EQ(r.Code, 0) << r.Err.toStdString();
    EXPECT_TRUE(r.Out.endsWith("\nKavro-10-MB\tvia\tAA-BB-CC-DD-EE-04\t2.0.7\tNo\t10.4.4.4\t0.0.0.0\t0.0.0.0\t"
                               + gateway.Host() + "\t1\t1\t0\n")) << r.Out.toStdString();
    EXPECT_EQ(gateway.server.Requests().size(), 2u);

    // The proxy refuses a wrong password: the gateway is never asked.
    options("wrong");
    r = Qvsctl({"remote", gateway.Host(), "--options", ini});
    EXPECT_EQ(r.Code, 3);
    EXPECT_EQ(r.Err, "No Response from Device. Check the connection and try again.\n");
    EXPECT_EQ(gateway.server.Requests().size(), 2u);
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
        {"remote"},
        {"remote", ""},
        {"remote", "a", "b"},
        {"remote", "h", "--timeout", "x"},
    };
    for (const QStringList& args : cases)
        EXPECT_EQ(Qvsctl(args).Code, 2) << args.join(' ').toStdString();
}

}  // namespace
