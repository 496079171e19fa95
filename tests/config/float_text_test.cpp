#include "float_text.h"

#include "qprot_errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qvs {
namespace {

struct FloatCase {
    float Value;
    const char* Point;
    const char* Comma;
};

TEST(FloatText, FifteenSignificantDigitsOfTheWidenedSingle)
{
    const FloatCase cases[] = {
        {0.0f, "0", "0"},
        {-0.0f, "0", "0"},
        {12.5f, "12.5", "12,5"},
        {-2.25f, "-2.25", "-2,25"},
        {100.0f, "100", "100"},
        {0.1f, "0.100000001490116", "0,100000001490116"},
        {0.3f, "0.300000011920929", "0,300000011920929"},
        {123456789.0f, "123456792", "123456792"},
        {0.00048828125f, "0.00048828125", "0,00048828125"},
        {1.5e-5f, "1.49999996210681E-5", "1,49999996210681E-5"},
        {0.0001f, "9.99999974737875E-5", "9,99999974737875E-5"},
        {9.5367431640625e-7f, "9.5367431640625E-7", "9,5367431640625E-7"},
        {1125899906842624.0f, "1.12589990684262E15", "1,12589990684262E15"},
        {1e16f, "1.00000002725642E16", "1,00000002725642E16"},
        {std::numeric_limits<float>::max(), "3.40282346638529E38", "3,40282346638529E38"},
        {std::numeric_limits<float>::denorm_min(), "1.40129846432482E-45",
         "1,40129846432482E-45"},
        {0.5f, "0.5", "0,5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FloatText(c.Value, '.'), c.Point);
        EXPECT_EQ(FloatText(c.Value, ','), c.Comma);
        // What is written reads back as the same single.
        EXPECT_EQ(ParseFloatText(c.Point, '.'), c.Value) << c.Point;
        EXPECT_EQ(ParseFloatText(c.Comma, ','), c.Value) << c.Comma;
    }
}

TEST(FloatText, ParsingAcceptsTheSeparatorAndExponents)
{
    EXPECT_EQ(ParseFloatText("1E15", '.'), 1e15f);
    EXPECT_EQ(ParseFloatText("1,5E-5", ','), 1.5e-5f);
    EXPECT_EQ(ParseFloatText(" -3 ", '.'), -3.0f);
    for (const char* bad : {"", "0,5", "abc", "1E", "1E400", "-4E38", "1.5.2", "--1", "1 2"}) {
        try {
            ParseFloatText(bad, '.');
            ADD_FAILURE() << bad;
        } catch (const FloatConversionError& e) {
            EXPECT_EQ(std::string(e.what()),
                      std::string("'") + bad + "' is not a valid floating point value");
        }
    }
    EXPECT_THROW(ParseFloatText("0.5", ','), FloatConversionError);
}

TEST(FloatText, NotANumberIsShownAndRefusedOnReading)
{
    EXPECT_EQ(FloatText(std::numeric_limits<float>::quiet_NaN(), '.'), "NAN");
    EXPECT_EQ(FloatText(-std::numeric_limits<float>::infinity(), '.'), "-INF");
    EXPECT_THROW(ParseFloatText("NAN", '.'), FloatConversionError);
}

struct NormalizeCase {
    const char* Text;
    char Separator;
    const char* Result;
};

TEST(NormalizeDecimal, NumbersFollowTheSeparatorOtherTextsStay)
{
    const NormalizeCase cases[] = {
        {"0,5", '.', "0.5"},
        {"0.5", ',', "0,5"},
        {"  -1,25  ", '.', "-1.25"},
        {"1.5E-5", ',', "1,5E-5"},
        {"", '.', ""},
        {"   ", ',', ""},
        {" abc,1 ", '.', " abc,1 "},
        {",5", '.', ",5"},
        {"1,000.5", '.', "1.000.5"},
    };
    for (const auto& c : cases) EXPECT_EQ(NormalizeDecimal(c.Text, c.Separator), c.Result) << c.Text;
}

}  // namespace
}  // namespace qvs
