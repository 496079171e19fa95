// The exchange and the locator against kavro-sim on loopback, checked on its journal.
#include "device_list_model.h"
#include "device_locator.h"
#include "gateway_exchange.h"
#include "loopback_client.h"
#include "protocol_texts.h"
#include "sim_process.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace qvs {
namespace {

using test::SimProcess;

TPacket Request(const char* name)
{
    TPacket packet;
    packet.NewPacket(name);
    return packet;
}

class WithSim : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_sim.Started()) << m_sim.Error().toStdString(); }

    std::vector<QJsonObject> Journal(const QString& transport)
    {
        const auto result = test::HttpGet("127.0.0.1", m_sim.ControlPort(), "/journal");
        std::vector<QJsonObject> entries;
        for (const QByteArray& line : result.Body.split('\n')) {
            const QJsonObject entry = QJsonDocument::fromJson(line).object();
            if (entry.value("transport").toString() == transport)
                entries.push_back(entry);
        }
        return entries;
    }

    void Fault(const QByteArray& rule)
    {
        ASSERT_EQ(test::HttpPost("127.0.0.1", m_sim.ControlPort(), "/fault", rule, "text/plain").Status, 200);
    }

    std::string Host(size_t gateway = 0) { return m_sim.Gateway(gateway).Host.toStdString(); }

    SimProcess m_sim{{"--demo"}};
};

TEST_F(WithSim, TheRequestIsExactlyWhatTheGatewayExpects)
{
    GatewayExchange exchange;
    const ExchangeReply reply = exchange.Exchange(Host(), Endpoint::Admin, Request("GETADMIN"));
    ASSERT_TRUE(reply.Ok) << reply.Failure;
    EXPECT_TRUE(reply.Reply.IsName("ADMIN"));
    EXPECT_EQ(reply.Reply.GetString("PWD", ""), "admin");

    const auto journal = Journal("http");
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].value("request").toString(), "POST /admpost.cgi HTTP/1.0");
    EXPECT_EQ(journal[0].value("body").toString(), "GETADMIN();");
    QJsonArray expected = {QJsonArray{"Host", m_sim.Gateway(0).Host},
                           QJsonArray{"User-Agent", "Mozilla/3.0 (compatible; Indy Library)"},
                           QJsonArray{"Content-Type", "text/x-qprot"},
                           QJsonArray{"Accept", "text/html, */*"},
                           QJsonArray{"Content-Length", "11"}};
    EXPECT_EQ(journal[0].value("headers").toArray(), expected);
}

TEST_F(WithSim, FaultsAreFailuresAndNakIsAReply)
{
    struct Case {
        const char* Fault;
        bool Ok;
        const char* Name;
    };
    const Case cases[] = {
        {"http,GETDEVICE,status=404", false, ""},
        {"http,GETDEVICE,status=500", false, ""},
        {"http,GETDEVICE,close", false, ""},
        {"http,GETDEVICE,delay=3000", false, ""},
        {"http,GETDEVICE,nak", true, "NAK"},
        {"http,GETDEVICE,unclosed", true, "DEVICE"},
        {"http,GETDEVICE,garbage", true, ""},  // a reply, but no packet: callers find no name
    };
    GatewayExchange exchange(500);
    for (const Case& c : cases) {
        Fault(c.Fault);
        const ExchangeReply reply = exchange.Exchange(Host(), Endpoint::Admin, Request("GETDEVICE"));
        EXPECT_EQ(reply.Ok, c.Ok) << c.Fault << ": " << reply.Failure;
        if (c.Ok) {
            EXPECT_EQ(reply.Reply.GetName(), c.Name) << c.Fault << ": " << reply.Reply.GetText();
        }
        // The next request is served normally: nothing is left behind on the client.
        EXPECT_TRUE(exchange.Exchange(Host(), Endpoint::Admin, Request("GETDEVICE")).Reply.IsName("DEVICE"))
            << "after " << c.Fault;
    }
}

TEST_F(WithSim, EachExchangeHasItsOwnConnection)
{
    GatewayExchange exchange;
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(exchange.Exchange(Host(), Endpoint::Admin, Request("GETNET")).Ok);
    const auto journal = Journal("http");
    ASSERT_EQ(journal.size(), 3u);
    EXPECT_NE(journal[0].value("peer"), journal[1].value("peer"));
    EXPECT_NE(journal[1].value("peer"), journal[2].value("peer"));
}

DeviceLocator::Settings SimTarget(const SimProcess& sim)
{
    DeviceLocator::Settings settings;
    settings.Target = {QHostAddress::LocalHost, sim.UdpPort()};
    settings.LocalPort = 0;
    settings.LocalAddresses = {QHostAddress(QHostAddress::LocalHost)};
    return settings;
}

TEST_F(WithSim, SearchListsTheWholePlant)
{
    DeviceLocator locator(SimTarget(m_sim));
    DeviceListModel model;
    QObject::connect(&locator, &DeviceLocator::deviceFound, &model, &DeviceListModel::AddDeviceToList);
    QSignalSpy finished(&locator, &DeviceLocator::searchFinished);
    locator.StartSearch();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(model.Count(), static_cast<int>(m_sim.Gateways().size()));
    const int boiler = model.DeviceIsListed(GetDeviceData("NTM(,,00:60:35:0A:00:01)"));
    ASSERT_GE(boiler, 0);
    EXPECT_EQ(model.RowCells(boiler)[DeviceListModel::ColHost], "boiler-room");
    const auto journal = Journal("udp");
    ASSERT_EQ(journal.size(), 1u);
    EXPECT_EQ(journal[0].value("body").toString(), "HELLO()");
}

TEST_F(WithSim, NetworkSetupAcceptedWithTheRightPasswordOnly)
{
    for (const auto& [password, ok] : {std::pair{"wrong", false}, std::pair{"admin", true}}) {
        DeviceLocator locator(SimTarget(m_sim));
        QSignalSpy finished(&locator, &DeviceLocator::setNetworkFinished);
        locator.StartSetNetwork({password, "00:60:35:0A:00:0B", false, "10.77.0.21", "255.255.255.0",
                                 "10.77.0.1", false, ""});
        ASSERT_TRUE(finished.wait(5000));
        EXPECT_EQ(finished[0][0].toBool(), ok) << password;
        EXPECT_EQ(finished[0][1].toString(), ok ? texts::kDeviceConfigured : texts::kErrorSettingDevice);
    }
    const auto journal = Journal("udp");
    ASSERT_EQ(journal.size(), 2u);
    EXPECT_EQ(journal[1].value("body").toString(),
              "CONFIG(admin,00:60:35:0A:00:0B,10.77.0.21,255.255.255.0,10.77.0.1)");
}

TEST(WithBigPlant, AThousandGatewaysAnsweringOneSearchAreAllListed)
{
    QTemporaryDir dir;
    const QString plant = dir.filePath("plant.json");
    {
        QJsonArray gateways;
        const char* codes[] = {"1118", "1109", "1116", "1300"};
        for (int i = 0; i < 1000; ++i)
            gateways.append(QJsonObject{
                {"mac", QString::asprintf("00:60:35:%02X:%02X:%02X", i >> 16, (i >> 8) & 255, i & 255)},
                {"model", codes[i % 4]},
                {"firmware", "2.0.7"},
                {"ip", QString::asprintf("10.1.%d.%d", i / 250, i % 250 + 1)},
                {"netmask", "255.255.0.0"},
                {"gateway", "10.1.0.1"}});
        std::ofstream(plant.toStdString())
            << QJsonDocument(QJsonObject{{"gateways", gateways}}).toJson().toStdString();
    }
    SimProcess sim({"--plant", plant});
    ASSERT_TRUE(sim.Started()) << sim.Error().toStdString();
    DeviceLocator locator(SimTarget(sim));
    DeviceListModel model;
    QObject::connect(&locator, &DeviceLocator::deviceFound, &model, &DeviceListModel::AddDeviceToList);
    QSignalSpy finished(&locator, &DeviceLocator::searchFinished);
    locator.StartSearch();
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(model.Count(), 1000);
}

}  // namespace
}  // namespace qvs
