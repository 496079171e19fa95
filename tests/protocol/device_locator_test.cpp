#include "device_list_model.h"
#include "device_locator.h"
#include "protocol_texts.h"

#include <QSignalSpy>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <gtest/gtest.h>

#include <functional>

namespace qvs {
namespace {

const QHostAddress kLoopback(QHostAddress::LocalHost);

// A loopback stand-in for the gateways' UDP responders: answers each datagram it receives
// with what the test's function returns, to the sender's address and port.
class FakeResponder {
public:
    using Answers = std::function<std::vector<QByteArray>(const QByteArray&)>;

    explicit FakeResponder(Answers answers) : m_answers(std::move(answers))
    {
        m_socket.bind(kLoopback, 0);
        m_socket.setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, QVariant(4 << 20));
        QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] {
            while (m_socket.hasPendingDatagrams()) {
                const QNetworkDatagram in = m_socket.receiveDatagram();
                m_received.append(in.data());
                for (const QByteArray& out : m_answers(in.data()))
                    m_socket.writeDatagram(out, in.senderAddress(), static_cast<quint16>(in.senderPort()));
            }
        });
    }

    DiscoveryTarget Target() const { return {kLoopback, m_socket.localPort()}; }
    const QList<QByteArray>& Received() const { return m_received; }

private:
    QUdpSocket m_socket;
    Answers m_answers;
    QList<QByteArray> m_received;
};

DeviceLocator::Settings LoopbackSettings(const DiscoveryTarget& target)
{
    DeviceLocator::Settings settings;
    settings.Target = target;
    settings.LocalPort = 0;
    settings.LocalAddresses = {kLoopback};
    settings.SearchWaitMs = 300;
    settings.SetNetworkWaitMs = 300;
    return settings;
}

QByteArray Ntm(int i, const char* code = "1118")
{
    return QString("NTM(%1,2.0.7,00-60-35-%2-%3-%4,10.1.%5.%6,255.255.0.0,10.1.0.1,0)")
        .arg(code)
        .arg(i >> 16 & 0xff, 2, 16, QChar('0'))
        .arg(i >> 8 & 0xff, 2, 16, QChar('0'))
        .arg(i & 0xff, 2, 16, QChar('0'))
        .arg(i / 250)
        .arg(i % 250 + 1)
        .toUpper()
        .replace("NTM(", "NTM(")
        .toLatin1();
}

// Runs one search and returns the list it produced.
void Search(DeviceLocator& locator, DeviceListModel& model)
{
    QObject::connect(&locator, &DeviceLocator::deviceFound, &model, &DeviceListModel::AddDeviceToList);
    QSignalSpy finished(&locator, &DeviceLocator::searchFinished);
    model.RemoveLocalRows();
    locator.StartSearch();
    ASSERT_TRUE(finished.wait(5000));
}

TEST(DeviceLocator, SearchSendsHelloAndListsEveryAnswerOnce)
{
    FakeResponder responder([](const QByteArray& in) {
        if (in != "HELLO()")
            return std::vector<QByteArray>{};
        return std::vector<QByteArray>{Ntm(1), Ntm(2, "1300"), Ntm(1), "HELLO()", "junk",
                                       QByteArray(8192, 'x'), QByteArray(9000, 'N'), "NTM"};
    });
    DeviceLocator locator(LoopbackSettings(responder.Target()));
    DeviceListModel model;
    model.AddDeviceToList(GetDeviceData("NTM(1118,2.0.5,REMOTE,1.1.1.1,255.0.0.0,1.1.1.254,0)"));
    TDeviceData remote = model.Device(0);
    model.Clear();
    remote.RemoteHost = "far.example.com";
    remote.Name = "Kavro";
    model.AddDeviceToList(remote);
    Search(locator, model);
    EXPECT_EQ(responder.Received(), QList<QByteArray>{"HELLO()"});
    ASSERT_EQ(model.Count(), 4);  // the two gateways, the empty "NTM", the remote row
    EXPECT_EQ(model.DeviceIsListed(remote), 0);
    EXPECT_EQ(model.RowCells(1)[DeviceListModel::ColDevice], "Kavro-10-MB");
    EXPECT_EQ(model.RowCells(1)[DeviceListModel::ColMAC], "00-60-35-00-00-01");
    EXPECT_EQ(model.RowCells(2)[DeviceListModel::ColDevice], "Norvik Device");
    EXPECT_EQ(model.RowCells(3)[DeviceListModel::ColDevice], "Quisel-A");
    EXPECT_EQ(locator.CurrentMode(), DeviceLocator::Mode::Idle);
}

TEST(DeviceLocator, AThousandGatewaysAnsweringAtOnceAreAllListed)
{
    FakeResponder responder([](const QByteArray&) {
        std::vector<QByteArray> answers;
        for (int i = 0; i < 1000; ++i)
            answers.push_back(Ntm(i, i % 3 ? "1118" : "1109"));
        return answers;
    });
    DeviceLocator locator(LoopbackSettings(responder.Target()));
    DeviceListModel model;
    Search(locator, model);
    EXPECT_EQ(model.Count(), 1000);
}

TEST(DeviceLocator, DatagramsOutsideAWaitAreIgnored)
{
    DeviceLocator locator(LoopbackSettings({kLoopback, 9}));
    QSignalSpy found(&locator, &DeviceLocator::deviceFound);
    locator.IdUDPServerUDPRead(Ntm(1));
    locator.SetDeviceLocatorAction(DeviceLocator::Mode::Searching);
    locator.IdUDPServerUDPRead(Ntm(1));
    locator.SetDeviceLocatorAction(DeviceLocator::Mode::Idle);
    locator.IdUDPServerUDPRead(Ntm(2));
    EXPECT_EQ(found.count(), 1);
}

struct SetupCase {
    const char* Name;
    std::vector<QByteArray> Answers;
    bool Ok;
};

class NetworkSetupOverUdp : public ::testing::TestWithParam<SetupCase> {};

TEST_P(NetworkSetupOverUdp, ReportsTheResultOfTheLastAnswerFromThatMAC)
{
    FakeResponder responder([](const QByteArray& in) {
        return in.startsWith("CONFIG") ? GetParam().Answers : std::vector<QByteArray>{};
    });
    DeviceLocator locator(LoopbackSettings(responder.Target()));
    QSignalSpy finished(&locator, &DeviceLocator::setNetworkFinished);
    locator.StartSetNetwork({"", "00-60-35-0A-00-01", true, "", "", "", false, ""});
    EXPECT_EQ(locator.CurrentMode(), DeviceLocator::Mode::SettingNetwork);
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_EQ(responder.Received(),
              QList<QByteArray>{"CONFIG(,00-60-35-0A-00-01,0.0.0.0,0.0.0.0,0.0.0.0)"});
    EXPECT_EQ(finished[0][0].toBool(), GetParam().Ok);
    EXPECT_EQ(finished[0][1].toString(),
              GetParam().Ok ? texts::kDeviceConfigured : texts::kErrorSettingDevice);
    EXPECT_EQ(locator.CurrentMode(), DeviceLocator::Mode::Idle);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetworkSetupOverUdp,
    ::testing::Values(SetupCase{"Ack", {"ACK(00-60-35-0A-00-01)"}, true},
                      SetupCase{"Nak", {"NAK(00-60-35-0A-00-01)"}, false},
                      SetupCase{"NoAnswer", {}, false},
                      SetupCase{"AckFromAnotherMAC", {"ACK(00-60-35-0A-00-02)"}, false},
                      SetupCase{"NakThenAck", {"NAK(00-60-35-0A-00-01)", "ACK(00-60-35-0A-00-01)"}, true},
                      SetupCase{"AckThenNak", {"ACK(00-60-35-0A-00-01)", "NAK(00-60-35-0A-00-01)"}, false},
                      SetupCase{"AckThenOtherNak", {"ACK(00-60-35-0A-00-01)", "NAK(00-60-35-0A-00-02)",
                                                    "NTM(1118,x)"}, true}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(DeviceLocator, PortTakenSearchesFromAnotherPortWithAClearMessage)
{
    QUdpSocket holder;
    ASSERT_TRUE(holder.bind(kLoopback, 0, QAbstractSocket::DontShareAddress));
    FakeResponder responder([](const QByteArray&) { return std::vector<QByteArray>{Ntm(7)}; });
    DeviceLocator::Settings settings = LoopbackSettings(responder.Target());
    settings.LocalPort = holder.localPort();
    DeviceLocator locator(settings);
    QSignalSpy warnings(&locator, &DeviceLocator::warning);
    DeviceListModel model;
    Search(locator, model);
    ASSERT_EQ(warnings.count(), 1);
    const QString text = warnings[0][0].toString();
    EXPECT_TRUE(text.startsWith("UDP port 998 cannot be used on this computer (")) << text.toStdString();
    ASSERT_EQ(locator.Bindings().size(), 1);
    EXPECT_NE(locator.Bindings()[0].second, holder.localPort());
    EXPECT_TRUE(text.contains(QString("searches from port %1 instead").arg(locator.Bindings()[0].second)));
    EXPECT_EQ(model.Count(), 1);
}

TEST(DeviceLocator, NoSocketMeansTheConflictMessageAndAnEmptySearch)
{
    DeviceLocator::Settings settings = LoopbackSettings({kLoopback, 9});
    settings.LocalAddresses = {QHostAddress("192.0.2.77")};  // not an address of this machine
    DeviceLocator locator(settings);
    QSignalSpy errors(&locator, &DeviceLocator::error);
    DeviceListModel model;
    Search(locator, model);
    ASSERT_EQ(errors.count(), 1);
    EXPECT_EQ(errors[0][0].toString(), texts::kUdpConflict);
    EXPECT_EQ(model.Count(), 0);
}

TEST(DiscoveryTarget, Parsing)
{
    const DiscoveryTarget fallback;
    EXPECT_EQ(fallback.Address, QHostAddress("255.255.255.255"));
    EXPECT_EQ(fallback.Port, 998);
    auto t = ParseDiscoveryTarget("127.0.0.1:4998");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Address, QHostAddress("127.0.0.1"));
    EXPECT_EQ(t->Port, 4998);
    t = ParseDiscoveryTarget("10.255.255.255");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->Port, 998);
    for (const char* bad : {"", "host.example.com", "1.2.3", "1.2.3.4:0", "1.2.3.4:65536", "1.2.3.4:x", "::1"}) {
        QString error;
        EXPECT_FALSE(ParseDiscoveryTarget(bad, &error)) << bad;
        EXPECT_FALSE(error.isEmpty());
    }
}

}  // namespace
}  // namespace qvs
