#include "tag_lists.h"
#include "tag_records.h"

#include <gtest/gtest.h>

#include <memory>

namespace qvs {
namespace {

struct ModbusKindCase {
    uint8_t Source, RegisterTable, TagType, Scale, Kind;
};

TEST(TagKind, ModbusRecordRule)
{
    const ModbusKindCase cases[] = {
        {0, kHoldingRegister, kModbusUnsignedInt, kScaleNone, kKindInteger},
        {0, kHoldingRegister, kModbusUnsignedInt, kScaleLinear, kKindFloat},
        {0, kHoldingRegister, kModbusWordBit, kScaleLinear, kKindDigital},
        {0, kHoldingRegister, kModbusWordBit, kScaleNone, kKindDigital},
        {0, kInputRegister, kModbusBCD, kScaleNone, kKindInteger},
        {0, kInputRegister, kModbusFloat, kScaleNone, kKindFloat},
        {0, kInputRegister, kModbusFloatInverted, kScaleNone, kKindFloat},
        {0, kInputStatus, kModbusUnsignedInt, kScaleNone, kKindDigital},
        {0, kCoilStatus, kModbusFloat, kScaleLinear, kKindDigital},
        {1, kHoldingRegister, kModbusSingleBit, kScaleNone, kKindDigital},
        {4, kInputRegister, kModbusSignedInt, kScaleNone, kKindDigital},
        {4, kInputRegister, kModbusSignedInt, kScaleLinear, kKindDigital},
    };
    for (const auto& c : cases) {
        TModbusTagConfig tag;
        tag.Source = c.Source;
        tag.RegisterTable = c.RegisterTable;
        tag.TagType = c.TagType;
        tag.Scale = c.Scale;
        EXPECT_EQ(ModbusTagKind(tag), c.Kind)
            << int(c.Source) << " " << int(c.RegisterTable) << " " << int(c.TagType) << " "
            << int(c.Scale);
    }
}

struct KindCase {
    uint8_t Source, TagType, Scale, Kind;
};

TEST(TagKind, HostlinkAndDF1RecordRule)
{
    const KindCase cases[] = {
        {0, kTypeFloat, kScaleNone, kKindFloat},
        {0, kTypeBCD, kScaleNone, kKindInteger},
        {0, kTypeUnsignedInt, kScaleLinear, kKindFloat},
        {0, kTypeWordBit, kScaleNone, kKindDigital},
        {0, kTypeSingleBit, kScaleNone, kKindInteger},
        {4, kTypeSignedInt, kScaleNone, kKindDigital},
        {3, kTypeSingleBit, kScaleNone, kKindDigital},
    };
    for (const auto& c : cases) {
        THostlinkTagConfig hostlink;
        hostlink.Source = c.Source;
        hostlink.TagType = c.TagType;
        hostlink.Scale = c.Scale;
        TDF1TagConfig df1;
        df1.Source = c.Source;
        df1.TagType = c.TagType;
        df1.Scale = c.Scale;
        EXPECT_EQ(HostlinkTagKind(hostlink), c.Kind) << int(c.Source) << " " << int(c.TagType);
        EXPECT_EQ(DF1TagKind(df1), c.Kind) << int(c.Source) << " " << int(c.TagType);
    }
}

TEST(TagKind, AlarmEdgeReadsPositiveUnlessOnlyMaxIsSet)
{
    auto digital = [](bool flag) { TTagValue v; v.AsDigital = flag; return v; };
    EXPECT_TRUE(IsPositiveEdge(digital(true), digital(false)));
    EXPECT_TRUE(IsPositiveEdge(digital(false), digital(false)));
    EXPECT_TRUE(IsPositiveEdge(digital(true), digital(true)));
    EXPECT_FALSE(IsPositiveEdge(digital(false), digital(true)));
}

TEST(Records, AWholeConfigurationIsAValue)
{
    auto config = std::make_unique<TModbusKavroConfig>();
    EXPECT_EQ(config->TagCount, 0);
    EXPECT_EQ(config->Tags.size(), 128u);
    for (const auto& tag : config->Tags) EXPECT_EQ(tag, TModbusTagConfig{});
    config->Tags[0].Name = "TEMP1";
    config->Email.Recipients[0] = "a@b";
    auto copy = std::make_unique<TModbusKavroConfig>(*config);
    copy->Tags[0].Name = "OTHER";
    copy->Email.Recipients[0] = "c@d";
    EXPECT_EQ(config->Tags[0].Name, "TEMP1");
    EXPECT_EQ(config->Email.Recipients[0], "a@b");
    EXPECT_FALSE(*copy == *config);
}

TEST(Lists, PositionsOfTexts)
{
    EXPECT_EQ(GetModbusSourceText(4), "");
    EXPECT_EQ(GetModbusSourceValue(""), 4);
    EXPECT_EQ(GetModbusSourceValue("modbus serial"), 0) << "compared with letter case";
    EXPECT_EQ(GetHostlinkSourceValue("Kavro Ainput"), 4);
    EXPECT_EQ(GetModbusTypeValue("Single bit"), 8);
    EXPECT_EQ(GetTypeValue("Single bit"), 6);
    EXPECT_EQ(GetTypeValue("Float Inverted"), 0);
    EXPECT_EQ(GetHostlinkFunctionValue("DM"), 5);
    EXPECT_EQ(GetDF1FileTypeValue("Float (F)"), 5);
    EXPECT_EQ(GetScaleText(1), "Linear (Ax+B)");
    EXPECT_EQ(GetScaleText(7), "");
    EXPECT_EQ(GetModbusFunctionText(3), "Coil Status");
}

}  // namespace
}  // namespace qvs
