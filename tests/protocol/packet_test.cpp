#include "qprot_errors.h"
#include "qprot_packet.h"

#include <gtest/gtest.h>

namespace qvs {
namespace {

TEST(PacketBuild, NameAndPairsAreUpperCasedAndValuesEscaped)
{
    TPacket p;
    p.NewPacket("getadmin");
    EXPECT_EQ(p.GetText(), "GETADMIN();");
    p.AddString("name", "a,b");
    EXPECT_EQ(p.GetText(), "GETADMIN(NAME=a/cob,);");
    p.AddInteger("n", -12);
    p.AddBoolean("b", true);
    p.AddString("all", "(x)=;,");
    EXPECT_EQ(p.GetText(), "GETADMIN(NAME=a/cob,N=-12,B=1,ALL=/spx/ep/eq/sc/co,);");
    EXPECT_EQ(p.GetString("ALL", ""), "(x)=;,");
    p.NewPacket("p\xe9q");  // only a-z change case
    EXPECT_EQ(p.GetText(), "P\xe9Q();");
}

TEST(PacketBuild, AddStringWithoutNewPacketChangesNothing)
{
    TPacket p;
    p.AddString("A", "1");
    EXPECT_EQ(p.GetText(), "");
    p.SetText("ACK(");
    p.AddString("A", "1");
    EXPECT_EQ(p.GetText(), "ACK(");
}

struct StringCase {
    const char* text;
    const char* key;
    const char* fallback;
    const char* expected;
};

class PacketGetString : public ::testing::TestWithParam<StringCase> {};

TEST_P(PacketGetString, ReadsTheFirstAcceptedValue)
{
    const auto& c = GetParam();
    EXPECT_EQ(TPacket(c.text).GetString(c.key, c.fallback), c.expected) << c.text;
}

INSTANTIATE_TEST_SUITE_P(Cases, PacketGetString, ::testing::Values(
    StringCase{"NETWORK(DHCP=0,NAME=a/cob,);", "NAME", "", "a,b"},
    StringCase{"NETWORK(NAME=,);", "NAME", "dflt", "dflt"},
    StringCase{"NETWORK(XIP=1.2.3.4,);", "IP", "x", "x"},
    StringCase{"NETWORK(XIP=9,IP=1.2.3.4,);", "ip", "x", "1.2.3.4"},
    StringCase{"NETWORK(ip=1.2.3.4,);", "IP", "x", "x"},
    StringCase{"P(A=1,A=2,);", "A", "", "1"},
    StringCase{"P(A=a/b/c,);", "A", "", "ac"},
    StringCase{"P(A=ab/,);", "A", "", "ab"},
    StringCase{"P(A=ab/s,);", "A", "", "ab"},
    StringCase{"", "A", "d", "d"},
    StringCase{"A=1,", "A", "d", "d"},
    StringCase{"(A=1,", "A", "d", "1"}));

TEST(PacketGetString, ValueWithoutClosingCommaIsMalformed)
{
    const TPacket p("NETWORK(IP=1.2.3.4);");
    try {
        p.GetString("IP", "");
        FAIL() << "expected an error";
    } catch (const MalformedPacketError& e) {
        EXPECT_EQ(e.Text(), "NETWORK(IP=1.2.3.4);");
    }
    // Another key's absence is not an error.
    EXPECT_EQ(p.GetString("MASK", "m"), "m");
}

TEST(PacketRoundTrip, SlashDoesNotSurviveButEscapedCharactersDo)
{
    TPacket p;
    p.NewPacket("P");
    p.AddString("A", "a/b/c");
    EXPECT_EQ(p.GetString("A", ""), "ac");
    p.AddString("B", "Line 1,A");
    EXPECT_EQ(p.GetText(), "P(A=a/b/c,B=Line 1/coA,);");
    EXPECT_EQ(p.GetString("B", ""), "Line 1,A");
}

TEST(PacketIntegers, DecimalOrDefaultOrConversionError)
{
    const TPacket p("P(A=9600,B=-12,C=,D=12x,E=99999999999,F= 1,);");
    EXPECT_EQ(p.GetInteger("A", 0), 9600);
    EXPECT_EQ(p.GetInteger("B", 0), -12);
    EXPECT_EQ(p.GetInteger("C", 7), 7);
    EXPECT_EQ(p.GetInteger("Z", 7), 7);
    for (const char* key : {"D", "E", "F"}) {
        try {
            p.GetInteger(key, 0);
            ADD_FAILURE() << key;
        } catch (const IntegerConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + e.Text() + "' is not a valid integer value");
        }
    }
}

TEST(PacketBooleans, OnlyZeroIsFalse)
{
    const TPacket p("P(A=0,B=1,C=no,D=,);");
    EXPECT_FALSE(p.GetBoolean("A", true));
    EXPECT_TRUE(p.GetBoolean("B", false));
    EXPECT_TRUE(p.GetBoolean("C", false));
    EXPECT_TRUE(p.GetBoolean("D", true));
    EXPECT_FALSE(p.GetBoolean("D", false));
}

struct FloatWriteCase {
    double value;
    const char* text;
};

class PacketFloatWrite : public ::testing::TestWithParam<FloatWriteCase> {};

TEST_P(PacketFloatWrite, ExponentFormWithNineDigits)
{
    TPacket p;
    p.NewPacket("P");
    p.AddFloat("X", GetParam().value);
    EXPECT_EQ(p.GetText(), std::string("P(X=") + GetParam().text + ",);");
}

INSTANTIATE_TEST_SUITE_P(Cases, PacketFloatWrite, ::testing::Values(
    FloatWriteCase{1.5, "1.50000000E0"}, FloatWriteCase{-0.001, "-1.00000000E-3"},
    FloatWriteCase{0.0, "0.00000000E0"}, FloatWriteCase{250.0, "2.50000000E2"},
    FloatWriteCase{123456789012.0, "1.23456789E11"}, FloatWriteCase{1e-300, "1.00000000E-300"},
    FloatWriteCase{3.14159265358979, "3.14159265E0"}, FloatWriteCase{9.999999999, "1.00000000E1"}));

TEST(PacketFloatRead, ExponentFormOnly)
{
    EXPECT_DOUBLE_EQ(TPacket("P(X=2.5E2,);").GetFloat("X", 7, '.'), 250);
    EXPECT_DOUBLE_EQ(TPacket("P(X=2.5,);").GetFloat("X", 7, '.'), 7);
    EXPECT_DOUBLE_EQ(TPacket("P(X=,);").GetFloat("X", 7, '.'), 7);
    EXPECT_DOUBLE_EQ(TPacket("P(X=2.5e2,);").GetFloat("X", 7, '.'), 7);
    EXPECT_DOUBLE_EQ(TPacket("P(X=-1.00000000E-3,);").GetFloat("X", 7, '.'), -0.001);
    EXPECT_DOUBLE_EQ(TPacket("P(X=1.5E+1,);").GetFloat("X", 7, '.'), 15);
}

TEST(PacketFloatRead, CommaLocaleReadsThePointFormAndWritesItToo)
{
    // Under a comma locale the point is the packet's; the mantissa is read locally.
    EXPECT_DOUBLE_EQ(TPacket("P(X=2.5E2,);").GetFloat("X", 7, ','), 250);
    EXPECT_THROW(TPacket("P(X=2;5E2,);").GetFloat("X", 7, ','), FloatConversionError);
    TPacket p;
    p.NewPacket("P");
    p.AddFloat("X", 1.5);
    EXPECT_EQ(p.GetText(), "P(X=1.50000000E0,);");
}

TEST(PacketFloatRead, BadMantissaOrExponentIsAConversionError)
{
    EXPECT_THROW(TPacket("P(X=abcE2,);").GetFloat("X", 0, '.'), FloatConversionError);
    EXPECT_THROW(TPacket("P(X=E2,);").GetFloat("X", 0, '.'), FloatConversionError);
    EXPECT_THROW(TPacket("P(X=1.5Ex,);").GetFloat("X", 0, '.'), IntegerConversionError);
    EXPECT_THROW(TPacket("P(X=1.5E,);").GetFloat("X", 0, '.'), ConversionError);
    EXPECT_THROW(TPacket("P(X=1/co5E1,);").GetFloat("X", 0, '.'), FloatConversionError);
}

TEST(PacketDateTime, FourteenDigitsInBothDirections)
{
    const auto when = *MakeLocalDateTime({2006, 3, 5, 14, 7, 9, 450});
    TPacket p;
    p.NewPacket("SETTIME");
    p.AddDateTime("TIME", when);
    EXPECT_EQ(p.GetText(), "SETTIME(TIME=05032006140709,);");
    const auto dflt = *MakeLocalDateTime({2000, 1, 1, 0, 0, 0, 0});
    EXPECT_EQ(p.GetDateTime("TIME", dflt), *MakeLocalDateTime({2006, 3, 5, 14, 7, 9, 0}));
}

TEST(PacketDateTime, InvalidTextGivesTheDefault)
{
    const auto dflt = *MakeLocalDateTime({2000, 1, 1, 0, 0, 0, 0});
    for (const char* value : {"31022006120000", "0503200614070", "050320061407090", "0503200614070x",
                              "05032006240000", "05130000120000", "00032006120000", ""}) {
        const TPacket p(std::string("P(T=") + value + ",);");
        EXPECT_EQ(p.GetDateTime("T", dflt), dflt) << value;
    }
    EXPECT_EQ(TPacket("P(T=29022008235959,);").GetDateTime("T", dflt),
              *MakeLocalDateTime({2008, 2, 29, 23, 59, 59, 0}));
}

TEST(PacketName, NameIsTheTextBeforeTheFirstParenthesis)
{
    EXPECT_EQ(TPacket("ACK();").GetName(), "ACK");
    EXPECT_EQ(TPacket("garbage").GetName(), "");
    EXPECT_TRUE(TPacket("ACK();").IsName("ack"));
    for (const char* text : {"ACKX();", " ACK();", "ack();", ""})
        EXPECT_FALSE(TPacket(text).IsName("ack")) << text;
}

// Any bytes at all: every getter returns or throws the typed error.
TEST(PacketBadInput, AnyTextIsReadSafely)
{
    std::string big(100 * 1024, 'A');
    std::string bigPairs = "P(";
    while (bigPairs.size() < 100 * 1024) bigPairs += "K=v/co,";
    std::string binary;
    for (int i = 0; i < 256; ++i) binary += static_cast<char>(i);
    const std::vector<std::string> inputs = {
        "", "(", ")", ",", "=", "X=", "P(X=", "P(X=/", "P(X=/s", "P(X=ab/", "P(X=ab//", "P(X=1,",
        "P(X=1/", "NOPARENS X=1,", big, bigPairs, binary, "P(X=" + big, "P(X=" + big + ",);"};
    const auto dflt = *MakeLocalDateTime({2000, 1, 1, 0, 0, 0, 0});
    for (const auto& text : inputs) {
        const TPacket p(text);
        for (const char* key : {"X", "K", "P", ""}) {
            try { p.GetString(key, ""); } catch (const QProtError&) {}
            try { p.GetInteger(key, 0); } catch (const QProtError&) {}
            try { p.GetBoolean(key, false); } catch (const QProtError&) {}
            try { p.GetFloat(key, 0, '.'); } catch (const QProtError&) {}
            try { p.GetDateTime(key, dflt); } catch (const QProtError&) {}
        }
        (void)p.GetName();
        (void)p.IsName("P");
    }
}

}  // namespace
}  // namespace qvs
