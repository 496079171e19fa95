// Configuration commands: a send followed by a get returns what was sent, per flavour,
// and the tag administration rules.
#include "sim_test_helpers.h"

#include "qprot_packet.h"

#include <string>
#include <vector>

namespace qvs::test {
namespace {

struct FlavourCase {
    const char* name;
    const char* mac;
    std::string setcom;
    std::string com;     // the GETCOM reply expected afterwards
    std::vector<std::string> tagKeys;  // ADDTAG body without the name, as "K=v,K=v,"
    std::string foreignKey;            // a key of another flavour
};

const FlavourCase kFlavours[] = {
    {"Modbus", "00:60:35:0A:00:01",
     "SETCOM(COM=0,COMTYPE=2,FORMAT=1,BAUD=38400,PARITY=1,PKTTOUT=5,MSGTOUT=700,RETRIES=1,SCANTIME=250,);",
     "COM(COM=0,COMTYPE=2,FORMAT=1,BAUD=38400,PARITY=1,PKTTOUT=5,MSGTOUT=700,RETRIES=1,SCANTIME=250,);",
     {"SOURCE=0,UNIT=7,TYPE=4,MBFUNC=4,ADDRESS=0,REG32=1,BIT=0,SCALE=1,FACT_A=0.00000000E0,FACT_B=0.00000000E0,"
      "READONLY=0,LIMITS=1,ALARM=1,EMAIL=1,WRLO=-1.50000000E0,WRHI=2.50000000E2,ALLO=1.00000000E0,ALHI=2.00000000E2,",
      "SOURCE=0,UNIT=1,TYPE=8,MBFUNC=0,ADDRESS=12,REG32=0,BIT=0,SCALE=1,FACT_A=0.00000000E0,FACT_B=0.00000000E0,"
      "READONLY=0,LIMITS=0,ALARM=1,EMAIL=0,WRLO=0,WRHI=0,ALLO=1,ALHI=0,"},
     "HLFUNC=6,"},
    {"Hostlink", "00:60:35:0A:00:03",
     "SETCOM(COM=0,COMTYPE=3,BAUD=115200,PARITY=2,MSGTOUT=2000,RETRIES=1,SCANTIME=0,);",
     "COM(COM=0,COMTYPE=3,BAUD=115200,PARITY=2,MSGTOUT=2000,RETRIES=1,SCANTIME=0,);",
     {"SOURCE=0,UNIT=5,TYPE=0,HLFUNC=6,ADDRESS=0,BIT=0,SCALE=2,FACT_A=2.00000000E0,FACT_B=-1.00000000E1,"
      "READONLY=0,LIMITS=1,ALARM=0,EMAIL=0,WRLO=-5.00000000E0,WRHI=5.00000000E0,ALLO=0.00000000E0,ALHI=0.00000000E0,"},
     "MBFUNC=4,"},
    {"DF1", "00:60:35:0A:00:05",
     "SETCOM(COM=0,COMTYPE=0,BAUD=2400,DATABITS=1,PARITY=1,MSGTOUT=10,SCANTIME=10000,ERRORMTHD=1,);",
     "COM(COM=0,COMTYPE=0,BAUD=2400,DATABITS=1,PARITY=1,MSGTOUT=10,SCANTIME=10000,ERRORMTHD=1,);",
     {"SOURCE=0,FILETYPE=137,FILENUMBER=7,ELEMENT=3,SUBELEMENT=0,TYPE=1,BIT=0,SCALE=1,FACT_A=0.00000000E0,"
      "FACT_B=0.00000000E0,READONLY=1,LIMITS=0,ALARM=1,EMAIL=0,WRLO=0,WRHI=0,ALLO=-20,ALHI=20,"},
     "RETRIES=1,"},
};

class ConfigRoundTrip : public ::testing::TestWithParam<FlavourCase> {
protected:
    SimProcess sim{{"--demo"}};
    void SetUp() override { ASSERT_TRUE(sim.Started()) << sim.Error().toStdString(); }
};

const std::string kSmtp = "SETSMTP(ENABLE=1,SERVER=smtp.example.org,TIMEOUT=30,RETRIES=2,RETRYINT=15,"
                          "FROM=plc/eqa@example.org,AUTH=1,USER=me,PASS=p/cow,);";

TEST_P(ConfigRoundTrip, SendThenGetReturnsTheSameKeysAndTheJournalHoldsEveryPacket)
{
    const FlavourCase& f = GetParam();
    const auto& g = sim.GatewayByMac(f.mac);
    std::vector<std::string> sent = {"STOP();", f.setcom, kSmtp};
    const char* recipients[] = {"a@x.org", "", "c@x.org", "", ""};
    for (int slot = 0; slot < 5; ++slot)
        sent.push_back("SETTOO(TOO=" + std::to_string(slot) + ",EMAIL=" + recipients[slot] + ",);");
    sent.push_back("ENABLETAGADMIN();");
    sent.push_back("DELALLTAG();");
    for (size_t i = 0; i < f.tagKeys.size(); ++i)
        sent.push_back("ADDTAG(NAME=T" + std::to_string(i) + "," + f.tagKeys[i] + ");");
    sent.push_back("DISABLETAGADMIN();");
    sent.push_back("RESET();");
    for (const auto& packet : sent)
        ASSERT_EQ(Post(g, packet), "ACK();") << packet;

    EXPECT_EQ(Post(g, "GETTAGCOUNT();"), "TAGCOUNT(COUNT=" + std::to_string(f.tagKeys.size()) + ",);");
    EXPECT_EQ(Post(g, "STOP();"), "ACK();");
    EXPECT_EQ(Post(g, "GETCOM(COM=0,);"), f.com);
    EXPECT_EQ(Post(g, "GETSMTP();"), "SMTP" + kSmtp.substr(7));
    for (int slot = 0; slot < 5; ++slot)
        EXPECT_EQ(Post(g, "GETTOO(TOO=" + std::to_string(slot) + ",);"),
                  "TOO(TOO=" + std::to_string(slot) + ",EMAIL=" + recipients[slot] + ",);");
    for (size_t i = 0; i < f.tagKeys.size(); ++i)
        EXPECT_EQ(Post(g, "GETTAG(TAG=" + std::to_string(i) + ",);"),
                  "TAGCONFIG(NAME=T" + std::to_string(i) + "," + f.tagKeys[i] + ");");
    EXPECT_EQ(Post(g, "RUN();"), "ACK();");

    const auto journal = JournalBodies(sim, f.mac);
    ASSERT_GE(journal.size(), sent.size());
    EXPECT_EQ(std::vector<std::string>(journal.begin(), journal.begin() + long(sent.size())), sent);
    EXPECT_EQ(journal.back(), "RUN();");
}

TEST_P(ConfigRoundTrip, AnotherFlavoursKeysAreRefusedWithAReason)
{
    const FlavourCase& f = GetParam();
    const auto& g = sim.GatewayByMac(f.mac);
    const std::string key = f.foreignKey.substr(0, f.foreignKey.find('='));
    ASSERT_EQ(Post(g, "STOP();"), "ACK();");
    ASSERT_EQ(Post(g, "ENABLETAGADMIN();"), "ACK();");
    EXPECT_EQ(Post(g, "ADDTAG(NAME=X," + f.foreignKey + ");"), "NAK(REASON=Unknown key " + key + ",);");
    if (key != "RETRIES")
        EXPECT_EQ(Post(g, "SETCOM(COM=0," + f.foreignKey + ");"), "NAK(REASON=Unknown key " + key + ",);");
    else
        EXPECT_EQ(Post(g, "SETCOM(COM=0,RETRIES=1,);"), "NAK(REASON=Unknown key RETRIES,);");
    // Nothing of a refused packet is kept.
    EXPECT_EQ(Post(g, "GETCOM(COM=0,);").find(key + "="), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Flavours, ConfigRoundTrip, ::testing::ValuesIn(kFlavours),
                         [](const auto& info) { return std::string(info.param.name); });

class TagAdministration : public ::testing::Test {
protected:
    SimProcess sim{{"--demo"}};
    void SetUp() override { ASSERT_TRUE(sim.Started()) << sim.Error().toStdString(); }
    const SimGateway& g() { return sim.GatewayByMac(kModbusLogMac); }
};

TEST_F(TagAdministration, TagCommandsOutsideTagAdministrationAreRefused)
{
    EXPECT_EQ(Post(g(), "ADDTAG(NAME=A,);"), "NAK(REASON=Tag administration not enabled,);");
    EXPECT_EQ(Post(g(), "DELALLTAG();"), "NAK(REASON=Tag administration not enabled,);");
    // A running machine first has to be stopped.
    EXPECT_EQ(Post(g(), "ENABLETAGADMIN();"), "NAK(REASON=Machine running: send STOP first,);");
    EXPECT_EQ(Post(g(), "GETTAGCOUNT();"), "TAGCOUNT(COUNT=6,);");  // the demo tags are intact
    ASSERT_EQ(Post(g(), "STOP();"), "ACK();");
    ASSERT_EQ(Post(g(), "ENABLETAGADMIN();"), "ACK();");
    ASSERT_EQ(Post(g(), "DISABLETAGADMIN();"), "ACK();");
    EXPECT_EQ(Post(g(), "ADDTAG(NAME=A,);"), "NAK(REASON=Tag administration not enabled,);");
}

TEST_F(TagAdministration, TheTableHolds128TagsWithUniqueNames)
{
    ASSERT_EQ(Post(g(), "STOP();"), "ACK();");
    ASSERT_EQ(Post(g(), "ENABLETAGADMIN();"), "ACK();");
    ASSERT_EQ(Post(g(), "DELALLTAG();"), "ACK();");
    for (int i = 0; i < 128; ++i)
        ASSERT_EQ(Post(g(), "ADDTAG(NAME=T" + std::to_string(i) + ",TYPE=0,);"), "ACK();") << i;
    EXPECT_EQ(Post(g(), "ADDTAG(NAME=T128,TYPE=0,);"), "NAK(REASON=Tag table full: 128 tags,);");
    ASSERT_EQ(Post(g(), "DELALLTAG();"), "ACK();");
    EXPECT_EQ(Post(g(), "ADDTAG(NAME=A,);"), "ACK();");
    EXPECT_EQ(Post(g(), "ADDTAG(NAME=A,);"), "NAK(REASON=Duplicate tag name A,);");
    EXPECT_EQ(Post(g(), "ADDTAG(NAME=,);"), "NAK(REASON=Tag name missing,);");
    EXPECT_EQ(Post(g(), "ADDTAG(NAME=B,UNIT=x,);"), "NAK(REASON=Invalid value for UNIT,);");
    EXPECT_EQ(Post(g(), "GETTAGCOUNT();"), "TAGCOUNT(COUNT=1,);");
    EXPECT_EQ(Post(g(), "GETTAG(TAG=1,);"), "NAK(REASON=No such tag,);");
}

TEST_F(TagAdministration, GetTagReportsDefaultsForKeysNeverSent)
{
    ASSERT_EQ(Post(g(), "STOP();"), "ACK();");
    ASSERT_EQ(Post(g(), "ENABLETAGADMIN();"), "ACK();");
    ASSERT_EQ(Post(g(), "DELALLTAG();"), "ACK();");
    ASSERT_EQ(Post(g(), "ADDTAG(NAME=ONLY,);"), "ACK();");
    TPacket tag(Post(g(), "GETTAG(TAG=0,);"));
    EXPECT_EQ(tag.GetName(), "TAGCONFIG");
    EXPECT_EQ(tag.GetString("NAME", ""), "ONLY");
    EXPECT_EQ(tag.GetInteger("MBFUNC", -1), 4);
    EXPECT_EQ(tag.GetInteger("SCALE", -1), 1);
}

TEST_F(TagAdministration, SettingsOutsideTheirRangeAreRefused)
{
    EXPECT_EQ(Post(g(), "SETCOM(COM=0,BAUD=1234,);"), "NAK(REASON=Invalid value for BAUD,);");
    EXPECT_EQ(Post(g(), "SETTOO(TOO=5,EMAIL=a@b,);"), "NAK(REASON=Recipient slot must be 0..4,);");
    EXPECT_EQ(Post(g(), "GETTOO(TOO=-1,);"), "NAK(REASON=Recipient slot must be 0..4,);");
    EXPECT_EQ(Post(g(), "SETSMTP(ENABLE=2,);"), "NAK(REASON=Invalid value for ENABLE,);");
}

}  // namespace
}  // namespace qvs::test
