#pragma once

#include "tag_records.h"

#include <string>
#include <vector>

// Configurations that cover every tag kind, source and mapping of a flavour, shared by the
// unit and the integration tests, with the ADDTAG and SETCOM texts they must produce.
namespace qvs::test {

inline TEmailConfig SampleEmail()
{
    TEmailConfig email;
    email.Enable = true;
    email.Server = "smtp.plant.local";
    email.Timeout = 30;
    email.Retries = 3;
    email.RetryInterval = 15;
    email.From = "kavro@plant.local";
    email.Recipients = {"a@x.com", "b@y.com", "", "", ""};
    email.RecipientCount = 2;
    email.Auth = true;
    email.User = "op";
    email.Password = "p=w,1";
    return email;
}

inline const char* kSampleSmtp =
    "SETSMTP(ENABLE=1,SERVER=smtp.plant.local,TIMEOUT=30,RETRIES=3,RETRYINT=15,"
    "FROM=kavro@plant.local,AUTH=1,USER=op,PASS=p/eqw/co1,);";

inline std::vector<std::string> SampleToo()
{
    return {"SETTOO(TOO=0,EMAIL=a@x.com,);", "SETTOO(TOO=1,EMAIL=b@y.com,);", "SETTOO(TOO=2,EMAIL=,);",
            "SETTOO(TOO=3,EMAIL=,);", "SETTOO(TOO=4,EMAIL=,);"};
}

inline TModbusKavroConfig SampleModbus()
{
    TModbusKavroConfig config;
    config.ComType = 1;
    config.BaudRate = 4;
    config.Parity = 2;
    config.Format = 1;
    config.ScanTime = 250;
    config.MessageTimeout = 500;
    config.PacketTimeout = 6;
    config.Email = SampleEmail();

    auto& level = config.Tags[0];  // integer holding register with limits and alarm
    level.Name = "LEVEL";
    level.UnitId = 3;
    level.TagType = kModbusSignedInt;
    level.RegisterTable = kHoldingRegister;
    level.Address = 1;
    level.WriteLimits = true;
    level.WriteMin.AsInteger = -10;
    level.WriteMax.AsInteger = 100;
    level.AlarmEnable = true;
    level.AlarmEmail = true;
    level.AlarmMin.AsInteger = 5;
    level.AlarmMax.AsInteger = 90;
    level.Kind = kKindInteger;

    auto& flow = config.Tags[1];  // scaled Enron float input register
    flow.Name = "FLOW";
    flow.UnitId = 1;
    flow.TagType = kModbusFloat;
    flow.RegisterTable = kInputRegister;
    flow.Address = 30;
    flow.Enron = true;
    flow.ReadOnly = true;
    flow.AlarmEnable = true;
    flow.AlarmMin.AsFloat = 1.5f;
    flow.AlarmMax.AsFloat = 2.5f;
    flow.Scale = kScaleLinear;
    flow.FactorA = 0.5f;
    flow.FactorB = -2.0f;
    flow.Kind = kKindFloat;

    auto& pump = config.Tags[2];  // coil with a negative-edge alarm
    pump.Name = "PUMP";
    pump.UnitId = 2;
    pump.TagType = kModbusSingleBit;
    pump.RegisterTable = kCoilStatus;
    pump.Address = 17;
    pump.AlarmEnable = true;
    pump.AlarmMax.AsDigital = true;
    pump.Kind = kKindDigital;

    auto& input = config.Tags[3];  // the gateway's digital input 3
    input.Name = "IN3";
    input.Source = kSourceKavroInput;
    input.TagType = kModbusSingleBit;
    input.RegisterTable = kInputStatus;
    input.BitPosition = 3;
    input.ReadOnly = true;
    input.Kind = kKindDigital;

    auto& bit = config.Tags[4];  // a word bit of a holding register at the highest address
    bit.Name = "ALARMBIT";
    bit.UnitId = 4;
    bit.TagType = kModbusWordBit;
    bit.RegisterTable = kHoldingRegister;
    bit.Address = 65536;
    bit.BitPosition = 15;
    bit.Kind = kKindDigital;

    config.TagCount = 5;
    return config;
}

inline const char* kSampleModbusCom =
    "SETCOM(COM=0,COMTYPE=2,FORMAT=1,BAUD=19200,PARITY=2,PKTTOUT=6,MSGTOUT=500,RETRIES=1,SCANTIME=250,);";

inline std::vector<std::string> SampleModbusTags()
{
    return {
        "ADDTAG(NAME=LEVEL,SOURCE=0,UNIT=3,TYPE=1,MBFUNC=4,ADDRESS=0,REG32=0,BIT=0,SCALE=1,"
        "FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=0,LIMITS=1,ALARM=1,EMAIL=1,"
        "WRLO=-10,WRHI=100,ALLO=5,ALHI=90,);",
        "ADDTAG(NAME=FLOW,SOURCE=0,UNIT=1,TYPE=4,MBFUNC=3,ADDRESS=29,REG32=1,BIT=0,SCALE=2,"
        "FACT_A=5.00000000E-1,FACT_B=-2.00000000E0,READONLY=1,LIMITS=0,ALARM=1,EMAIL=0,"
        "WRLO=0.00000000E0,WRHI=0.00000000E0,ALLO=1.50000000E0,ALHI=2.50000000E0,);",
        "ADDTAG(NAME=PUMP,SOURCE=0,UNIT=2,TYPE=8,MBFUNC=0,ADDRESS=16,REG32=0,BIT=0,SCALE=1,"
        "FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=0,LIMITS=0,ALARM=1,EMAIL=0,"
        "WRLO=0,WRHI=0,ALLO=0,ALHI=1,);",
        "ADDTAG(NAME=IN3,SOURCE=1,UNIT=0,TYPE=8,MBFUNC=1,ADDRESS=-1,REG32=0,BIT=3,SCALE=1,"
        "FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=1,LIMITS=0,ALARM=0,EMAIL=0,"
        "WRLO=0,WRHI=0,ALLO=0,ALHI=0,);",
        "ADDTAG(NAME=ALARMBIT,SOURCE=0,UNIT=4,TYPE=7,MBFUNC=4,ADDRESS=65535,REG32=0,BIT=15,SCALE=1,"
        "FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=0,LIMITS=0,ALARM=0,EMAIL=0,"
        "WRLO=0,WRHI=0,ALLO=0,ALHI=0,);",
    };
}

inline THostlinkKavroConfig SampleHostlink()
{
    THostlinkKavroConfig config;
    config.ComType = 2;
    config.BaudRate = 8;
    config.Parity = 1;
    config.ScanTime = 0;
    config.MessageTimeout = 10;
    config.Email = SampleEmail();

    auto& dm = config.Tags[0];  // a DM word at address 0
    dm.Name = "DMWORD";
    dm.TagType = kTypeUnsignedInt;
    dm.RegisterTable = 5;
    dm.Kind = kKindInteger;

    auto& bit = config.Tags[1];  // a word bit of an HR word
    bit.Name = "HRBIT";
    bit.UnitId = 12;
    bit.TagType = kTypeWordBit;
    bit.RegisterTable = 3;
    bit.Address = 1234;
    bit.BitPosition = 15;
    bit.AlarmEnable = true;
    bit.AlarmMin.AsDigital = true;
    bit.Kind = kKindDigital;

    auto& temp = config.Tags[2];  // a scaled BCD value in TCPV with float limits
    temp.Name = "TEMP";
    temp.UnitId = 99;
    temp.TagType = kTypeBCD;
    temp.RegisterTable = 4;
    temp.Address = 9999;
    temp.WriteLimits = true;
    temp.WriteMin.AsFloat = -40.0f;
    temp.WriteMax.AsFloat = 125.5f;
    temp.Scale = kScaleLinear;
    temp.FactorA = 0.1f;
    temp.FactorB = -40.0f;
    temp.Kind = kKindFloat;

    auto& out = config.Tags[3];  // the gateway's digital output 7
    out.Name = "OUT7";
    out.Source = kSourceKavroOutput;
    out.TagType = kTypeSingleBit;
    out.BitPosition = 7;
    out.Kind = kKindDigital;

    config.TagCount = 4;
    return config;
}

inline const char* kSampleHostlinkCom =
    "SETCOM(COM=0,COMTYPE=3,BAUD=115200,PARITY=1,MSGTOUT=10,RETRIES=1,SCANTIME=0,);";

inline std::vector<std::string> SampleHostlinkTags()
{
    return {
        "ADDTAG(NAME=DMWORD,SOURCE=0,UNIT=0,TYPE=0,HLFUNC=6,ADDRESS=0,BIT=0,SCALE=1,"
        "FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=0,LIMITS=0,ALARM=0,EMAIL=0,"
        "WRLO=0,WRHI=0,ALLO=0,ALHI=0,);",
        "ADDTAG(NAME=HRBIT,SOURCE=0,UNIT=12,TYPE=5,HLFUNC=3,ADDRESS=1234,BIT=15,SCALE=1,"
        "FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=0,LIMITS=0,ALARM=1,EMAIL=0,"
        "WRLO=0,WRHI=0,ALLO=1,ALHI=0,);",
        "ADDTAG(NAME=TEMP,SOURCE=0,UNIT=99,TYPE=4,HLFUNC=4,ADDRESS=9999,BIT=0,SCALE=2,"
        "FACT_A=1.00000001E-1,FACT_B=-4.00000000E1,READONLY=0,LIMITS=1,ALARM=0,EMAIL=0,"
        "WRLO=-4.00000000E1,WRHI=1.25500000E2,ALLO=0.00000000E0,ALHI=0.00000000E0,);",
        "ADDTAG(NAME=OUT7,SOURCE=2,UNIT=0,TYPE=6,HLFUNC=0,ADDRESS=0,BIT=7,SCALE=1,"
        "FACT_A=0.00000000E0,FACT_B=0.00000000E0,READONLY=0,LIMITS=0,ALARM=0,EMAIL=0,"
        "WRLO=0,WRHI=0,ALLO=0,ALHI=0,);",
    };
}

inline TDF1KavroConfig SampleDF1()
{
    TDF1KavroConfig config;
    config.ComType = 0;
    config.BaudRate = 2;
    config.DataBits = 7;
    config.Parity = 2;
    config.ErrorDetection = 1;
    config.ScanTime = 100;
    config.MessageTimeout = 1000;
    config.Email = SampleEmail();

    auto& n7 = config.Tags[0];  // an integer file word with write limits
    n7.Name = "N7_0";
    n7.TagType = kTypeSignedInt;
    n7.FileType = 4;
    n7.FileNumber = 7;
    n7.WriteLimits = true;
    n7.WriteMin.AsInteger = -5;
    n7.WriteMax.AsInteger = 5;
    n7.Kind = kKindInteger;

    auto& f8 = config.Tags[1];  // a float file element with an alarm by e-mail
    f8.Name = "F8_3";
    f8.TagType = kTypeFloat;
    f8.FileType = 5;
    f8.FileNumber = 8;
    f8.WordNumber = 3;
    f8.AlarmEnable = true;
    f8.AlarmEmail = true;
    f8.AlarmMin.AsFloat = -1.25f;
    f8.AlarmMax.AsFloat = 1e6f;
    f8.Kind = kKindFloat;

    auto& b3 = config.Tags[2];  // a bit of a binary file word
    b3.Name = "B3_1_4";
    b3.TagType = kTypeWordBit;
    b3.FileType = 3;
    b3.FileNumber = 3;
    b3.WordNumber = 1;
    b3.BitPosition = 4;
    b3.Kind = kKindDigital;

    auto& s2 = config.Tags[3];  // a status word, read only
    s2.Name = "S2_1";
    s2.TagType = kTypeUnsignedInt;
    s2.FileType = 2;
    s2.FileNumber = 2;
    s2.WordNumber = 1;
    s2.ReadOnly = true;
    s2.Kind = kKindInteger;

    auto& o0 = config.Tags[4];  // an output file word
    o0.Name = "O0_0";
    o0.TagType = kTypeLong;
    o0.FileType = 1;
    o0.Kind = kKindInteger;

    auto& i1 = config.Tags[5];  // an input file word at the highest element
    i1.Name = "I1_65535";
    i1.TagType = kTypeUnsignedInt;
    i1.FileType = 0;
    i1.FileNumber = 1;
    i1.WordNumber = 65535;
    i1.ReadOnly = true;
    i1.Kind = kKindInteger;

    auto& internal = config.Tags[6];  // an internal value of the gateway
    internal.Name = "_ALARM";
    internal.Source = kSourceInternal;
    internal.TagType = kTypeSingleBit;
    internal.ReadOnly = true;
    internal.Kind = kKindDigital;

    config.TagCount = 7;
    return config;
}

inline const char* kSampleDF1Com =
    "SETCOM(COM=0,COMTYPE=0,BAUD=9600,DATABITS=1,PARITY=1,MSGTOUT=1000,SCANTIME=100,ERRORMTHD=1,);";

inline std::vector<std::string> SampleDF1Tags()
{
    const std::string zeros = "SCALE=1,FACT_A=0.00000000E0,FACT_B=0.00000000E0,";
    return {
        "ADDTAG(NAME=N7_0,SOURCE=0,FILETYPE=137,FILENUMBER=7,ELEMENT=0,SUBELEMENT=0,TYPE=1,BIT=0," + zeros +
            "READONLY=0,LIMITS=1,ALARM=0,EMAIL=0,WRLO=-5,WRHI=5,ALLO=0,ALHI=0,);",
        "ADDTAG(NAME=F8_3,SOURCE=0,FILETYPE=138,FILENUMBER=8,ELEMENT=3,SUBELEMENT=0,TYPE=3,BIT=0," + zeros +
            "READONLY=0,LIMITS=0,ALARM=1,EMAIL=1,WRLO=0.00000000E0,WRHI=0.00000000E0,"
            "ALLO=-1.25000000E0,ALHI=1.00000000E6,);",
        "ADDTAG(NAME=B3_1_4,SOURCE=0,FILETYPE=133,FILENUMBER=3,ELEMENT=1,SUBELEMENT=0,TYPE=5,BIT=4," + zeros +
            "READONLY=0,LIMITS=0,ALARM=0,EMAIL=0,WRLO=0,WRHI=0,ALLO=0,ALHI=0,);",
        "ADDTAG(NAME=S2_1,SOURCE=0,FILETYPE=132,FILENUMBER=2,ELEMENT=1,SUBELEMENT=0,TYPE=0,BIT=0," + zeros +
            "READONLY=1,LIMITS=0,ALARM=0,EMAIL=0,WRLO=0,WRHI=0,ALLO=0,ALHI=0,);",
        "ADDTAG(NAME=O0_0,SOURCE=0,FILETYPE=130,FILENUMBER=0,ELEMENT=0,SUBELEMENT=0,TYPE=2,BIT=0," + zeros +
            "READONLY=0,LIMITS=0,ALARM=0,EMAIL=0,WRLO=0,WRHI=0,ALLO=0,ALHI=0,);",
        "ADDTAG(NAME=I1_65535,SOURCE=0,FILETYPE=131,FILENUMBER=1,ELEMENT=65535,SUBELEMENT=0,TYPE=0,BIT=0," +
            zeros + "READONLY=1,LIMITS=0,ALARM=0,EMAIL=0,WRLO=0,WRHI=0,ALLO=0,ALHI=0,);",
        "ADDTAG(NAME=_ALARM,SOURCE=3,FILETYPE=131,FILENUMBER=0,ELEMENT=0,SUBELEMENT=0,TYPE=6,BIT=0," + zeros +
            "READONLY=1,LIMITS=0,ALARM=0,EMAIL=0,WRLO=0,WRHI=0,ALLO=0,ALHI=0,);",
    };
}

// The whole send of a configuration with these SETCOM and ADDTAG texts and the sample e-mail.
inline std::vector<std::string> SendTexts(const std::string& com, const std::vector<std::string>& tags)
{
    std::vector<std::string> texts = {"STOP();", com, kSampleSmtp};
    for (const auto& too : SampleToo())
        texts.push_back(too);
    texts.push_back("ENABLETAGADMIN();");
    texts.push_back("DELALLTAG();");
    texts.insert(texts.end(), tags.begin(), tags.end());
    texts.push_back("DISABLETAGADMIN();");
    texts.push_back("RESET();");
    return texts;
}

// The whole get of a gateway holding this many tags.
inline std::vector<std::string> GetTexts(int tagCount)
{
    std::vector<std::string> texts = {"GETTAGCOUNT();", "STOP();", "GETCOM(COM=0,);", "GETSMTP();"};
    for (int slot = 0; slot < 5; ++slot)
        texts.push_back("GETTOO(TOO=" + std::to_string(slot) + ",);");
    for (int tag = 0; tag < tagCount; ++tag)
        texts.push_back("GETTAG(TAG=" + std::to_string(tag) + ",);");
    texts.push_back("RUN();");
    return texts;
}

}  // namespace qvs::test
