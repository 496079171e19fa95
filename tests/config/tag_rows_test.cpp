#include "tag_rows.h"

#include "qprot_errors.h"

#include <gtest/gtest.h>

namespace qvs {
namespace {

TModbusTagConfig Temp1()
{
    TModbusTagConfig tag;
    tag.Name = "TEMP1";
    tag.UnitId = 1;
    tag.Address = 1;
    tag.Kind = kKindInteger;
    return tag;
}

TEST(ModbusRows, TheExampleTag)
{
    const TTagRow row = ModbusTagRow(Temp1(), false, '.');
    EXPECT_EQ(row.Caption, "TEMP1");
    EXPECT_EQ(row.Cells, (std::vector<std::string>{"Modbus Serial", "1", "40001", "Unsigned int",
                                                   "No", "0", "No", "No", "0", "0", "No", "0", "0",
                                                   "No", "None", "0", "0", "No", "1"}));
    EXPECT_EQ(ParseModbusTagRow(row, '.'), Temp1());
}

struct AddressCase {
    uint8_t Source, Table;
    int32_t Address;
    const char* Text;
    uint8_t TableBack;
    int32_t AddressBack;
};

TEST(ModbusRows, AddressTexts)
{
    const AddressCase cases[] = {
        {0, kHoldingRegister, 1, "40001", kHoldingRegister, 1},
        {0, kHoldingRegister, 10000, "410000", kHoldingRegister, 10000},
        {0, kInputRegister, 9999, "39999", kInputRegister, 9999},
        {0, kInputStatus, 65536, "165536", kInputStatus, 65536},
        {0, kCoilStatus, 12, "00012", kCoilStatus, 12},
        {1, kInputStatus, 0, "00000", kCoilStatus, 0},
        {3, kInputStatus, 0, "00000", kCoilStatus, 0},
        {4, kInputRegister, 0, "00000", kCoilStatus, 0},
    };
    for (const auto& c : cases) {
        TModbusTagConfig tag;
        tag.Source = c.Source;
        tag.RegisterTable = c.Table;
        tag.Address = c.Address;
        const TTagRow row = ModbusTagRow(tag, false, '.');
        EXPECT_EQ(row.Cells[2], c.Text);
        const TModbusTagConfig back = ParseModbusTagRow(row, '.');
        EXPECT_EQ(back.RegisterTable, c.TableBack) << c.Text;
        EXPECT_EQ(back.Address, c.AddressBack) << c.Text;
        EXPECT_EQ(back.Source, c.Source) << c.Text;
    }
}

TEST(ModbusRows, AFloatTagWithLimitsAlarmAndScale)
{
    TModbusTagConfig tag;
    tag.Name = "FLOW";
    tag.UnitId = 7;
    tag.TagType = kModbusFloat;
    tag.Address = 100;
    tag.Enron = true;
    tag.WriteLimits = true;
    tag.WriteMin.AsFloat = -0.5f;
    tag.WriteMax.AsFloat = 0.1f;
    tag.AlarmEnable = true;
    tag.AlarmEmail = true;
    tag.AlarmMin.AsFloat = 1.5e-5f;
    tag.AlarmMax.AsFloat = 12.5f;
    tag.Scale = kScaleLinear;
    tag.FactorA = 2.5f;
    tag.FactorB = -1.0f;
    tag.Kind = kKindFloat;
    tag.Trap = true;
    const TTagRow added = ModbusTagRow(tag, false, ',');
    EXPECT_EQ(added.Cells, (std::vector<std::string>{
                               "Modbus Serial", "7", "40100", "Float", "Yes", "0", "No", "Yes",
                               "-0,5", "0,100000001490116", "Yes", "1,49999996210681E-5", "12,5",
                               "Yes", "Linear (Ax+B)", "2,5", "-1", "No", "2"}));
    EXPECT_EQ(ModbusTagRow(tag, true, ',').Cells[17], "Yes");
    TModbusTagConfig expected = tag;
    expected.Trap = false;
    EXPECT_EQ(ParseModbusTagRow(added, ','), expected);
    EXPECT_THROW(ParseModbusTagRow(added, '.'), FloatConversionError);
}

TEST(ModbusRows, DigitalAlarmEdgesAndClearedLimits)
{
    TTagRow row = ModbusTagRow(Temp1(), false, '.');
    row.Cells[18] = "0";                 // KIND digital
    row.Cells[8] = "not read";           // WRMIN is not read for digital tags
    row.Cells[11] = "1";                 // ALMIN: positive edge
    row.Cells[12] = "yes";               // ALMAX: only "1" is true
    row.Cells[4] = "yes";                // ENRON: only "Yes" is true
    const TModbusTagConfig tag = ParseModbusTagRow(row, '.');
    EXPECT_EQ(tag.WriteMin, TTagValue{});
    EXPECT_TRUE(tag.AlarmMin.AsDigital);
    EXPECT_FALSE(tag.AlarmMax.AsDigital);
    EXPECT_FALSE(tag.Enron);
}

TEST(ModbusRows, ErrorsComeInParsingOrderKindFirst)
{
    TTagRow row = ModbusTagRow(Temp1(), false, '.');
    row.Cells[18] = "x";
    row.Cells[1] = "y";
    try {
        ParseModbusTagRow(row, '.');
        FAIL();
    } catch (const IntegerConversionError& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
    row.Cells[18] = "1";
    EXPECT_THROW(ParseModbusTagRow(row, '.'), IntegerConversionError);
    row.Cells[1] = "1";
    row.Cells[2] = "";
    try {
        ParseModbusTagRow(row, '.');
        FAIL();
    } catch (const IntegerConversionError& e) {
        EXPECT_STREQ(e.what(), "'' is not a valid integer value");
    }
    row.Cells.clear();  // a row without cells fails on KIND, never reads out of bounds
    EXPECT_THROW(ParseModbusTagRow(row, '.'), IntegerConversionError);
}

TEST(ModbusRows, EmptySourceIsTheAnalogInput)
{
    TTagRow row = ModbusTagRow(Temp1(), false, '.');
    row.Cells[0] = "";
    EXPECT_EQ(ParseModbusTagRow(row, '.').Source, kSourceAnalogInput);
    row.Cells[0] = "Nonsense";
    row.Cells[3] = "Nonsense";
    row.Cells[14] = "Nonsense";
    const TModbusTagConfig tag = ParseModbusTagRow(row, '.');
    EXPECT_EQ(tag.Source, 0);
    EXPECT_EQ(tag.TagType, 0);
    EXPECT_EQ(tag.Scale, 0);
}

TEST(HostlinkRows, DmAreaAndNonSerialSources)
{
    THostlinkTagConfig tag;
    tag.Name = "LEVEL";
    tag.UnitId = 3;
    tag.RegisterTable = 5;
    tag.Address = 100;
    tag.TagType = kTypeSignedInt;
    tag.WriteLimits = true;
    tag.WriteMin.AsInteger = -10;
    tag.WriteMax.AsInteger = 10;
    tag.Kind = kKindInteger;
    const TTagRow row = HostlinkTagRow(tag, '.');
    EXPECT_EQ(row.Cells, (std::vector<std::string>{"Hostlink Serial", "3", "DM", "100",
                                                   "Signed int", "0", "No", "Yes", "-10", "10",
                                                   "No", "0", "0", "No", "None", "0", "0", "1"}));
    EXPECT_EQ(ParseHostlinkTagRow(row, '.'), tag);

    THostlinkTagConfig input;
    input.Source = kSourceKavroInput;
    input.RegisterTable = 2;
    input.Address = 77;
    input.BitPosition = 3;
    input.TagType = kTypeSingleBit;
    const TTagRow inputRow = HostlinkTagRow(input, '.');
    EXPECT_EQ(inputRow.Cells[2], "LR");
    EXPECT_EQ(inputRow.Cells[3], "00000");
    const THostlinkTagConfig back = ParseHostlinkTagRow(inputRow, '.');
    EXPECT_EQ(back.Address, 0);
    EXPECT_EQ(back.RegisterTable, 2) << "the area comes back from the Table cell";
    EXPECT_EQ(back.BitPosition, 3);
}

TEST(DF1Rows, FileTypeForEverySourceNumbersOnlyForTheSerialLine)
{
    TDF1TagConfig tag;
    tag.Name = "IN3";
    tag.Source = kSourceKavroInput;
    tag.TagType = kTypeSingleBit;
    tag.FileType = 0;
    tag.FileNumber = 9;
    tag.WordNumber = 9;
    tag.BitPosition = 3;
    tag.ReadOnly = true;
    const TTagRow row = DF1TagRow(tag, '.');
    EXPECT_EQ(row.Cells, (std::vector<std::string>{"Kavro Input", "Input (I)", "00000", "00000",
                                                   "Single bit", "3", "Yes", "No", "0", "0", "No",
                                                   "0", "0", "No", "None", "0", "0", "0"}));
    const TDF1TagConfig back = ParseDF1TagRow(row, '.');
    EXPECT_EQ(back.FileNumber, 0);
    EXPECT_EQ(back.WordNumber, 0);
    EXPECT_EQ(back.FileType, 0);

    TDF1TagConfig serial;
    serial.Name = "N7";
    serial.FileType = 5;
    serial.FileNumber = 8;
    serial.WordNumber = 65535;
    serial.TagType = kTypeFloat;
    serial.Kind = kKindFloat;
    serial.AlarmEnable = true;
    serial.AlarmMin.AsFloat = 0.25f;
    serial.AlarmMax.AsFloat = 1e16f;
    const TTagRow serialRow = DF1TagRow(serial, ',');
    EXPECT_EQ(serialRow.Cells[1], "Float (F)");
    EXPECT_EQ(serialRow.Cells[2], "8");
    EXPECT_EQ(serialRow.Cells[3], "65535");
    EXPECT_EQ(serialRow.Cells[12], "1,00000002725642E16");
    EXPECT_EQ(ParseDF1TagRow(serialRow, ','), serial);
}

}  // namespace
}  // namespace qvs
