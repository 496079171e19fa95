#include "dscpkt.h"

#include <gtest/gtest.h>

namespace qvs {
namespace {

TEST(ListPacket, BuildingAppendsItems)
{
    EXPECT_EQ(NewListPacket("hello"), "HELLO()");
    EXPECT_EQ(AddListItem("x", "HELLO()"), "HELLO(x)");
    EXPECT_EQ(AddListItem("y", "HELLO(x)"), "HELLO(x,y)");
    EXPECT_EQ(AddListItem("", AddListItem("", "C()")), "C()");  // an empty first item vanishes
}

struct ItemCase {
    const char* packet;
    int position;
    const char* expected;
};

class ListItem : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ListItem, ReadsTheNthItem)
{
    const auto& c = GetParam();
    EXPECT_EQ(GetListItem(c.packet, c.position), c.expected) << c.packet << " #" << c.position;
}

INSTANTIATE_TEST_SUITE_P(Cases, ListItem, ::testing::Values(
    ItemCase{"NTM(1118,2.0.5,AB)", 1, "1118"}, ItemCase{"NTM(1118,2.0.5,AB)", 3, "AB"},
    ItemCase{"NTM(1118,2.0.5,AB)", 4, ""}, ItemCase{"NTM(1118,2.0.5,AB)", 0, ""},
    ItemCase{"ACK(AB)", 1, "AB"}, ItemCase{"ACK(AB)", 2, ""}, ItemCase{"NTM()", 1, ""},
    ItemCase{"NTM(a,,c)", 2, ""}, ItemCase{"NTM(a,,c)", 3, "c"}, ItemCase{"noparen,x", 1, ""},
    ItemCase{"NTM(a,b", 2, ""}, ItemCase{"NTM(a,bc", 2, "b"}, ItemCase{"NTM(ab", 1, "ab"},
    ItemCase{"", 1, ""}, ItemCase{"(", 1, ""}, ItemCase{",(", 1, ""}, ItemCase{"NTM(,", 1, ""}));

TEST(ListPacket, CountingItems)
{
    EXPECT_TRUE(HasListItems("NTM(a,b,c,d,e,f,g,h)", 8));
    EXPECT_FALSE(HasListItems("NTM(a,b,c,d,e,f,g)", 8));
    EXPECT_TRUE(HasListItems("ACK(AB)", 1));
    EXPECT_FALSE(HasListItems("ACK(AB)", 2));
    EXPECT_FALSE(HasListItems("NTM()", 1));
    EXPECT_FALSE(HasListItems("", 2));
}

TEST(ListPacket, NameIsACaseSensitivePrefix)
{
    EXPECT_TRUE(IsListPacket("ntm", "NTMX()"));
    EXPECT_TRUE(IsListPacket("NTM", "NTM(1,2)"));
    EXPECT_FALSE(IsListPacket("ntm", "ntm()"));
    EXPECT_FALSE(IsListPacket("ntm", "NT"));
}

TEST(ListPacket, AnyBytesAreReadSafely)
{
    std::string junk(8192, ',');
    std::string big = "NTM(" + std::string(100 * 1024, 'x');
    for (const std::string& p : {junk, big, std::string("\0\0(,)", 5), std::string(")(,")}) {
        for (int n : {0, 1, 2, 8, 100000})
            (void)GetListItem(p, n), (void)HasListItems(p, n);
        (void)AddListItem("v", p);
    }
    EXPECT_EQ(AddListItem("v", ""), ",v)");
}

}  // namespace
}  // namespace qvs
