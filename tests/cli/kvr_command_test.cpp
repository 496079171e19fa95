#include "cli_exit_codes.h"
#include "command_kvr.h"
#include "make_config_content.h"
#include "modbus_config_content.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <fstream>

namespace qvs::cli {
namespace {

struct CliRun {
    int code;
    QString out, err;
};

CliRun RunKvr(const QStringList& args)
{
    QString out, err;
    QTextStream o(&out), e(&err);
    const int code = RunKvrCommand(QStringList{"qvsctl kvr"} + args, o, e);
    o.flush();
    e.flush();
    return {code, out, err};
}

class KvrCommand : public testing::Test {
protected:
    QString Write(const QString& name, const std::string& bytes)
    {
        const QString path = m_dir.filePath(name);
        std::ofstream(path.toStdString(), std::ios::binary) << bytes;
        return path;
    }
    QString NewFile(ConfigFlavour flavour, const std::string& extra = {})
    {
        auto document = MakeConfigContent(flavour, '.');
        document->New("x.kvr", "");
        IniStore store;
        document->SetFileVersion(store);
        document->SetFileFromCOM(store);
        document->SetFileFromEMAIL(store);
        return Write(QString("f%1.kvr").arg(m_count++), store.Text() + extra);
    }

    QTemporaryDir m_dir;
    int m_count = 0;
};

const std::string kTag =
    "[TAG0]\r\nNAME=TEMP1\r\nSOURCE=Modbus Serial\r\nUNITID=1\r\nADDRESS=40001\r\n"
    "TYPE=Unsigned int\r\nENRON=No\r\nBITPOS=0\r\nREADONLY=No\r\nLIMITS=No\r\nWRMIN=0\r\n"
    "WRMAX=0\r\nALARM=No\r\nALMIN=0\r\nALMAX=0\r\nEMAIL=No\r\nSCALE=None\r\nFACTORA=0,5\r\n"
    "FACTORB=0\r\nKIND=1\r\n";

TEST_F(KvrCommand, ShowJsonHasTheRecordsFieldNames)
{
    const CliRun r = RunKvr({"show", NewFile(ConfigFlavour::Modbus, kTag), "--json",
                             "--decimal-separator", "."});
    EXPECT_EQ(r.code, kExitOk) << r.err.toStdString();
    EXPECT_EQ(r.err, "");
    QJsonParseError error;
    const QJsonObject json = QJsonDocument::fromJson(r.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << r.out.toStdString();
    EXPECT_EQ(json["Flavour"].toString(), "MB");
    EXPECT_EQ(json["BaudRate"].toInt(), 2);
    EXPECT_EQ(json["PacketTimeout"].toInt(), 4);
    EXPECT_EQ(json["Email"].toObject()["Recipients"].toArray().size(), 5);
    EXPECT_EQ(json["TagCount"].toInt(), 1);
    const QJsonObject tag = json["Tags"].toArray()[0].toObject();
    EXPECT_EQ(tag["Name"].toString(), "TEMP1");
    EXPECT_EQ(tag["Address"].toInt(), 1);
    EXPECT_EQ(tag["FactorA"].toDouble(), 0.5) << "the Modbus row follows the separator";
    EXPECT_EQ(tag["WriteMin"].toObject()["AsInteger"].toInt(), 0);
    EXPECT_FALSE(tag["Trap"].toBool());

    for (auto [flavour, code] : {std::pair{ConfigFlavour::Hostlink, "HL"}, std::pair{ConfigFlavour::DF1, "DF1"}}) {
        const CliRun other = RunKvr({"show", NewFile(flavour), "--json"});
        EXPECT_EQ(other.code, kExitOk);
        const QJsonObject object = QJsonDocument::fromJson(other.out.toUtf8()).object();
        EXPECT_EQ(object["Flavour"].toString(), code);
        EXPECT_EQ(object["Tags"].toArray().size(), 0);
        EXPECT_EQ(object.contains("DataBits"), flavour == ConfigFlavour::DF1);
    }
}

TEST_F(KvrCommand, ShowTextAndWarningsOnStandardError)
{
    const QString path = NewFile(ConfigFlavour::Hostlink);
    std::string text;
    {
        std::ifstream in(path.toStdString(), std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    text.replace(text.find("BAUD=9600"), 9, "BAUD=3000");
    const CliRun r = RunKvr({"show", Write("w.kvr", text)});
    EXPECT_EQ(r.code, kExitOk);
    EXPECT_EQ(r.err, "The paramenter \"Baud Rate\" has not a valid value (3000).\n Value \"9600 bps\" "
                     "is taken as Default.\n");
    EXPECT_TRUE(r.out.startsWith("Flavour: HL\nComType: 0 (RS-232)\nBaudRate: 2 (9600)\n"))
        << r.out.toStdString();
}

TEST_F(KvrCommand, AFileOfNoFlavourIsRefused)
{
    const QString path = Write("junk.kvr", std::string("\x00\xff junk", 7));
    for (const char* action : {"show", "check"}) {
        const CliRun r = RunKvr({action, path});
        EXPECT_EQ(r.code, kExitRefused);
        EXPECT_EQ(r.err, "The File \"" + path + "\" is not recognized as a valid file\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_EQ(RunKvr({"show"}).code, kExitUsage);
    EXPECT_EQ(RunKvr({"frobnicate", path}).code, kExitUsage);
}

TEST_F(KvrCommand, CheckReportsEveryProblem)
{
    const CliRun clean = RunKvr({"check", NewFile(ConfigFlavour::DF1)});
    EXPECT_EQ(clean.code, kExitOk);
    EXPECT_EQ(clean.out, "No problems found.\n");

    const std::string bad = "[TAG1]\r\nNAME=BAD\r\nKIND=x\r\n";
    const QString path = NewFile(ConfigFlavour::Modbus, kTag + bad);
    std::string text;
    {
        std::ifstream in(path.toStdString(), std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    text.replace(text.find("SERVER="), 7, "SERVER=bad server");
    text.replace(text.find("TOO_1="), 6, "TOO_1=nobody");
    const CliRun r = RunKvr({"check", Write("bad.kvr", text), "--decimal-separator", ","});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.out, "Invalid SMTP Server. [page \"E-Mails\", txtEMailServer]\n"
                     "Invalid E-mail Address. [page \"E-Mails\", lstEMailRecipients #1]\n"
                     "Tag TAG1 \"BAD\": 'x' is not a valid integer value\n");

    const CliRun warned = RunKvr({"check", NewFile(ConfigFlavour::Modbus, "[COM]\r\nPKTTOUT=99\r\n")});
    EXPECT_EQ(warned.code, kExitRefused) << "a value replaced by its default is a problem";
    EXPECT_TRUE(warned.err.contains("\"Packet Timeout\""));
}

TEST_F(KvrCommand, CheckRefusesASixthRecipientForSending)
{
    const QString path = NewFile(ConfigFlavour::Modbus);
    std::string text;
    {
        std::ifstream in(path.toStdString(), std::ios::binary);
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    for (int i = 0; i < 6; ++i) {
        const std::string key = "TOO_" + std::to_string(i) + "=";
        text.replace(text.find(key), key.size(), key + "r" + std::to_string(i) + "@x");
    }
    const CliRun r = RunKvr({"check", Write("six.kvr", text)});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_TRUE(r.out.startsWith("Kavro takes at most 5 E-Mail Addresses. Delete \"r5@x\""))
        << r.out.toStdString();
}

// A Modbus tag section: the valid TEMP1 of kTag with some entries replaced.
std::string ModbusTag(int index, std::initializer_list<std::pair<std::string, std::string>> changes)
{
    std::string text = kTag;
    text.replace(0, 6, "[TAG" + std::to_string(index) + "]");
    for (const auto& [key, value] : changes) {
        const std::size_t at = text.find("\n" + key + "=");
        const std::size_t end = text.find("\r\n", at + 1);
        text.replace(at + 1, end - at - 1, key + "=" + value);
    }
    return text;
}

TEST_F(KvrCommand, CheckReportsTheTagsTheEditorWouldRefuse)
{
    const std::string tags =
        ModbusTag(0, {}) +
        ModbusTag(1, {{"NAME", "IN1"}, {"SOURCE", "Kavro Input"}, {"ADDRESS", "00000"}, {"TYPE", "Single bit"},
                      {"BITPOS", "3"}, {"KIND", "0"}}) +
        ModbusTag(2, {{"NAME", "UNIT0"}, {"UNITID", "0"}}) +
        ModbusTag(3, {{"NAME", "_ALARMX"}, {"SOURCE", "Internal"}, {"READONLY", "Yes"}, {"KIND", "0"}}) +
        ModbusTag(4, {{"NAME", "LIMITED"}, {"LIMITS", "Yes"}, {"WRMIN", "-1"}, {"WRMAX", "10"}}) +
        ModbusTag(5, {{"NAME", "OUT7"}, {"SOURCE", "Kavro Output"}, {"ADDRESS", "00000"}, {"BITPOS", "7"},
                      {"KIND", "0"}});
    const CliRun r = RunKvr({"check", NewFile(ConfigFlavour::Modbus, tags), "--decimal-separator", "."});
    EXPECT_EQ(r.code, kExitRefused);
    EXPECT_EQ(r.out, "Tag TAG1 \"IN1\": Tag must be Read Only.\n"
                     "Tag TAG2 \"UNIT0\": Unit ID must be between 1 and 255.\n"
                     "Tag TAG3 \"_ALARMX\": Unrecognized Internal Tag Name.\n"
                     "Tag TAG4 \"LIMITED\": Write Limits must be between 0 and 65535 for the selected type.\n");

    const CliRun clean = RunKvr({"check", NewFile(ConfigFlavour::Modbus, ModbusTag(0, {}) + ModbusTag(1, {{"NAME", "T2"}})),
                                 "--decimal-separator", "."});
    EXPECT_EQ(clean.code, kExitOk) << clean.out.toStdString();
}

}  // namespace
}  // namespace qvs::cli
