#include "gateway_models.h"
#include "qprot_errors.h"

#include <gtest/gtest.h>

namespace qvs {
namespace {

struct VersionCase {
    const char* a;
    const char* b;
    bool less;
};

class VersionCompare : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionCompare, NumericTripleComparison)
{
    const auto& c = GetParam();
    EXPECT_EQ(VersionLess(c.a, c.b), c.less) << c.a << " < " << c.b;
}

INSTANTIATE_TEST_SUITE_P(Cases, VersionCompare, ::testing::Values(
    VersionCase{"2.0.4", "2.0.5", true}, VersionCase{"2.0.5", "2.0.5", false},
    VersionCase{"2.1", "2.0.5", false}, VersionCase{"2", "2.0.1", true},
    VersionCase{"2.0.10", "2.0.9", false}, VersionCase{"3.99.99", "3.99.99", false},
    VersionCase{"3.99.98", "3.99.99", true}, VersionCase{"2.0.5.9", "2.0.5", false},
    VersionCase{"1.9.9", "2.0.0", true}, VersionCase{"10.0.0", "9.99.99", false}));

TEST(VersionCompare, NonNumericComponentIsAConversionError)
{
    EXPECT_THROW(VersionLess("2.0.5b", "2.0.5"), IntegerConversionError);
    EXPECT_THROW(VersionLess("2.0.5", "2.0.4-R"), IntegerConversionError);
    EXPECT_THROW(VersionLess("", "2.0.5"), IntegerConversionError);
    EXPECT_THROW(VersionLess("2..5", "2.0.5"), IntegerConversionError);
}

TEST(VersionSuffixes, LogAndNotManageable)
{
    EXPECT_EQ(VersionWithoutLogSuffix("2.0.4-R"), "2.0.4");
    EXPECT_EQ(VersionWithoutLogSuffix("2.0.4-Rx-SN"), "2.0.4");
    EXPECT_EQ(VersionWithoutLogSuffix("2.0.4"), "2.0.4");
    EXPECT_TRUE(HasLogFeature("2.0.7-R"));
    EXPECT_FALSE(HasLogFeature("2.0.7-r"));
    EXPECT_TRUE(IsNotManageableModel("2.0.7-SN"));
    EXPECT_FALSE(IsNotManageableModel("2.0.7"));
}

TEST(GatewayModels, DF1GatewayWithLogIsRefusedBelowItsGate)
{
    EXPECT_EQ(ModelName("1117"), "Kavro-1C-DF1");
    EXPECT_TRUE(IsKavroModel(ModelName("1117")));
    EXPECT_EQ(FlavourOfModel("1117"), ConfigFlavour::DF1);
    const std::string version = VersionWithoutLogSuffix("2.0.4-R");
    EXPECT_TRUE(VersionLess(version, LowestSupportedFirmware(FlavourOfModel("1117"))));
}

struct ModelCase {
    const char* code;
    const char* name;
    bool kavro;
    ConfigFlavour flavour;
};

class GatewayModelTable : public ::testing::TestWithParam<ModelCase> {};

TEST_P(GatewayModelTable, NameKavroAndFlavour)
{
    const auto& c = GetParam();
    EXPECT_EQ(ModelName(c.code), c.name);
    EXPECT_EQ(IsKavroModel(ModelName(c.code)), c.kavro);
    EXPECT_EQ(FlavourOfModel(c.code), c.flavour);
}

INSTANTIATE_TEST_SUITE_P(Cases, GatewayModelTable, ::testing::Values(
    ModelCase{"1118", "Kavro-10-MB", true, ConfigFlavour::Modbus},
    ModelCase{"1119", "Kavro-1C-MB", true, ConfigFlavour::Modbus},
    ModelCase{"1109", "Kavro-10-HL", true, ConfigFlavour::Hostlink},
    ModelCase{"1110", "Kavro-1C-HL", true, ConfigFlavour::Hostlink},
    ModelCase{"1116", "Kavro-10-DF1", true, ConfigFlavour::DF1},
    ModelCase{"1117", "Kavro-1C-DF1", true, ConfigFlavour::DF1},
    ModelCase{"1300", "Quisel-A", false, ConfigFlavour::Modbus},
    ModelCase{"1204", "Corvan-B", false, ConfigFlavour::Modbus},
    ModelCase{"0999", "Norvik Device", false, ConfigFlavour::Modbus},
    ModelCase{"", "Norvik Device", false, ConfigFlavour::Modbus},
    ModelCase{"1118 ", "Norvik Device", false, ConfigFlavour::Modbus}));

TEST(GatewayModels, RemoteSearchNameKavroPasses)
{
    EXPECT_TRUE(IsKavroModel("Kavro"));
    EXPECT_FALSE(IsKavroModel("kavro"));
}

}  // namespace
}  // namespace qvs
