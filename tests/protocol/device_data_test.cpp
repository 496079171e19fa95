#include "device_data.h"
#include "device_list_model.h"

#include <gtest/gtest.h>

#include <string>

namespace qvs {
namespace {

using Cells = DeviceListModel::Cells;

struct NtmCase {
    const char* Datagram;
    Cells Row;
};

class NtmRow : public ::testing::TestWithParam<NtmCase> {};

TEST_P(NtmRow, GivesTheRow)
{
    EXPECT_EQ(DeviceListModel::CellsOf(GetDeviceData(GetParam().Datagram)), GetParam().Row);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NtmRow,
    ::testing::Values(
        NtmCase{"NTM(1118,2.0.5,AA-BB-CC-DD-EE-01,192.168.1.20,255.255.255.0,192.168.1.1,0)",
                {"Kavro-10-MB", "-", "AA-BB-CC-DD-EE-01", "2.0.5", "No", "192.168.1.20",
                 "255.255.255.0", "192.168.1.1", "", "0", "1", "0"}},
        NtmCase{"NTM(1118,2.0.5,AA-BB-CC-DD-EE-01,192.168.1.20,255.255.255.0,192.168.1.1,0,plant-1)",
                {"Kavro-10-MB", "plant-1", "AA-BB-CC-DD-EE-01", "2.0.5", "No", "192.168.1.20",
                 "255.255.255.0", "192.168.1.1", "", "1", "1", "0"}},
        NtmCase{"NTM(1110,2.0.7-R,M2,10.0.0.2,255.0.0.0,10.0.0.1,1)",
                {"Kavro-1C-HL", "-", "M2", "2.0.7-R", "Yes", "10.0.0.2", "255.0.0.0", "10.0.0.1", "",
                 "0", "1", "1"}},
        NtmCase{"NTM(1117,2.0.4,M3,0.0.0.0,0.0.0.0,0.0.0.0,yes)",
                {"Kavro-1C-DF1", "-", "M3", "2.0.4", "Yes", "0.0.0.0", "0.0.0.0", "0.0.0.0", "", "0",
                 "1", "2"}},
        // Other devices: listed, not Kavro, flavour 0 whatever their code.
        NtmCase{"NTM(1300,1.1,M4,10.0.0.4,255.0.0.0,10.0.0.1,0)",
                {"Quisel-A", "-", "M4", "1.1", "No", "10.0.0.4", "255.0.0.0", "10.0.0.1", "", "0", "0", "0"}},
        NtmCase{"NTM(1116x,1.1,M5,1,2,3,0)",
                {"Norvik Device", "-", "M5", "1.1", "No", "1", "2", "3", "", "0", "0", "0"}},
        // Fewer items than expected: empty fields, still a row (an absent DHCP flag is not "0").
        NtmCase{"NTM(1118,2.0.5,M6)",
                {"Kavro-10-MB", "-", "M6", "2.0.5", "Yes", "", "", "", "", "0", "1", "0"}},
        NtmCase{"NTM()", {"Norvik Device", "-", "", "", "Yes", "", "", "", "", "0", "0", "0"}},
        NtmCase{"NTM", {"Norvik Device", "-", "", "", "Yes", "", "", "", "", "0", "0", "0"}},
        NtmCase{"NTM(1118",
                {"Kavro-10-MB", "-", "", "", "Yes", "", "", "", "", "0", "1", "0"}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(GetDeviceData, DerivedFlags)
{
    const TDeviceData d = GetDeviceData("NTM(1118,2.0.7-R-SN,M,1,2,3,0)");
    EXPECT_TRUE(d.HasLog);
    EXPECT_TRUE(d.NotManageable);
    EXPECT_TRUE(d.RemoteHost.empty());
    EXPECT_TRUE(d.User.empty());
}

TEST(GetDeviceData, AnyBytesNeverCrash)
{
    const std::string items(8000, 'x');
    const std::string cases[] = {
        "NTM(" + items + "," + items + ")",
        "NTM(,,,,,,,,,,,,,,,,,,,,,,)",
        "NTM)(,",
        std::string("NTM(\0\xff,\x01", 9),
        std::string(8192, ','),
        "NTM(1118,2.0.5,M,1,2,3,0,host,extra,more)",
    };
    for (const std::string& datagram : cases) {
        const TDeviceData d = GetDeviceData(datagram);
        EXPECT_LE(d.MAC.size(), datagram.size());
    }
    EXPECT_EQ(GetDeviceData(cases[0]).Version, items);
    EXPECT_EQ(GetDeviceData(cases[5]).Host, "host");
}

struct ConfigCase {
    NetworkSetup Setup;
    const char* Datagram;
};

class ConfigPacket : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(ConfigPacket, IsBuiltAsTheGatewayReadsIt)
{
    EXPECT_EQ(BuildConfigPacket(GetParam().Setup), GetParam().Datagram);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConfigPacket,
    ::testing::Values(
        ConfigCase{{"", "M", true, "1.2.3.4", "255.0.0.0", "1.1.1.1", false, "ignored"},
                   "CONFIG(,M,0.0.0.0,0.0.0.0,0.0.0.0)"},
        ConfigCase{{"pw", "AA-BB", false, "192.168.1.20", "255.255.255.0", "192.168.1.1", false, ""},
                   "CONFIG(pw,AA-BB,192.168.1.20,255.255.255.0,192.168.1.1)"},
        ConfigCase{{"pw", "AA-BB", false, "10.0.0.2", "255.0.0.0", "10.0.0.1", true, "plant-1"},
                   "CONFIG(pw,AA-BB,10.0.0.2,255.0.0.0,10.0.0.1,plant-1)"},
        ConfigCase{{"", "M", true, "", "", "", true, ""}, "CONFIG(,M,0.0.0.0,0.0.0.0,0.0.0.0,)"},
        // A password that holds "()" keeps every item in its place.
        ConfigCase{{"a()b", "M", true, "", "", "", false, ""}, "CONFIG(a()b,M,0.0.0.0,0.0.0.0,0.0.0.0)"}));

TEST(NetworkAnswer, CountsOnlyTheExpectedMAC)
{
    EXPECT_TRUE(IsAnswerFrom("ACK", "ACK(M1)", "M1"));
    EXPECT_FALSE(IsAnswerFrom("ACK", "ACK(M2)", "M1"));
    EXPECT_FALSE(IsAnswerFrom("ACK", "NAK(M1)", "M1"));
    EXPECT_TRUE(IsAnswerFrom("NAK", "NAK(M1)", "M1"));
    EXPECT_FALSE(IsAnswerFrom("ACK", "ACK(M1,x)", "M"));
    EXPECT_FALSE(IsAnswerFrom("ACK", "", "M1"));
}

TDeviceData Device(const std::string& name, const std::string& mac, const std::string& remote = "")
{
    TDeviceData d = GetDeviceData("NTM(1118,2.0.5," + mac + ",10.0.0.1,255.0.0.0,10.0.0.254,0)");
    d.Name = name;
    d.RemoteHost = remote;
    return d;
}

std::vector<std::string> Column(const DeviceListModel& model, int column)
{
    std::vector<std::string> cells;
    for (int i = 0; i < model.Count(); ++i)
        cells.push_back(model.RowCells(i)[static_cast<size_t>(column)]);
    return cells;
}

TEST(DeviceList, SameMACTwiceInOneSearchKeepsTheFirst)
{
    DeviceListModel model;
    TDeviceData first = Device("Kavro-10-MB", "M");
    TDeviceData second = first;
    second.IP = "10.9.9.9";
    model.AddDeviceToList(first);
    model.AddDeviceToList(second);
    ASSERT_EQ(model.Count(), 1);
    EXPECT_EQ(model.RowCells(0)[DeviceListModel::ColIP], "10.0.0.1");
    EXPECT_EQ(model.DeviceIsListed(second), 0);
}

TEST(DeviceList, RemoteRowSurvivesASearchAndItsBroadcastAnswer)
{
    DeviceListModel model;
    model.AddDeviceToList(Device("Kavro", "M", "plant.example.com"));
    model.AddDeviceToList(Device("Kavro-1C-MB", "L1"));
    model.RemoveLocalRows();
    EXPECT_EQ(Column(model, DeviceListModel::ColMAC), std::vector<std::string>{"M"});
    model.AddDeviceToList(Device("Kavro-10-MB", "M"));
    ASSERT_EQ(model.Count(), 1);
    EXPECT_EQ(model.RowCells(0)[DeviceListModel::ColDevice], "Kavro");
    EXPECT_EQ(model.RowCells(0)[DeviceListModel::ColRemoteHost], "plant.example.com");
}

TEST(DeviceList, RemoteResultRefreshesTheRowAndKeepsTheOrder)
{
    DeviceListModel model;
    model.AddDeviceToList(Device("Kavro-10-MB", "A"));
    model.AddDeviceToList(Device("Olvar-A", "B"));
    model.AddDeviceToList(Device("Zeta", "C", "host-c"));
    model.AddDeviceToList(Device("Aaa", "B", "host-b"));
    EXPECT_EQ(Column(model, DeviceListModel::ColDevice),
              (std::vector<std::string>{"Aaa", "Kavro-10-MB", "Zeta"}));
    EXPECT_EQ(Column(model, DeviceListModel::ColRemoteHost),
              (std::vector<std::string>{"host-b", "", "host-c"}));
    EXPECT_EQ(model.Device(0).RemoteHost, "host-b");
}

TEST(DeviceList, SortedByDeviceTextWithoutRegardToCase)
{
    DeviceListModel model;
    for (const char* name : {"Pemtra-B", "Kavro-1C-MB", "corvan-A", "Kavro-10-MB", "Norvik Device"})
        model.AddDeviceToList(Device(name, name));
    EXPECT_EQ(Column(model, DeviceListModel::ColDevice),
              (std::vector<std::string>{"corvan-A", "Kavro-10-MB", "Kavro-1C-MB", "Norvik Device",
                                        "Pemtra-B"}));
}

TEST(DeviceList, QtModelShowsNineColumnsAndHidesThree)
{
    DeviceListModel model;
    model.AddDeviceToList(Device("Kavro-10-MB", "M"));
    EXPECT_EQ(model.columnCount(), 12);
    EXPECT_EQ(model.headerData(8, Qt::Horizontal).toString(), "Remote IP/Host");
    EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), "Device");
    EXPECT_TRUE(DeviceListModel::IsHiddenColumn(9));
    EXPECT_FALSE(DeviceListModel::IsHiddenColumn(8));
    EXPECT_EQ(model.data(model.index(0, 10)).toString(), "1");
    EXPECT_EQ(model.data(model.index(0, 4)).toString(), "No");
}

TEST(DeviceList, AThousandGatewaysAreAllListedInOrder)
{
    DeviceListModel model;
    for (int i = 999; i >= 0; --i) {
        char mac[32];
        std::snprintf(mac, sizeof mac, "00-60-35-0A-%02X-%02X", i / 256, i % 256);
        model.AddDeviceToList(Device(i % 2 ? "Kavro-10-MB" : "Olvar-A", mac));
    }
    ASSERT_EQ(model.Count(), 1000);
    EXPECT_EQ(model.RowCells(0)[0], "Kavro-10-MB");
    EXPECT_EQ(model.RowCells(999)[0], "Olvar-A");
    model.RemoveLocalRows();
    EXPECT_EQ(model.Count(), 0);
}

}  // namespace
}  // namespace qvs
