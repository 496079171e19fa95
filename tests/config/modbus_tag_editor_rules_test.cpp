#include "modbus_tag_editor_rules.h"

#include "internal_tags.h"
#include "tag_lists.h"

#include <gtest/gtest.h>

#include <functional>

namespace qvs {
namespace {

// A valid "Unsigned int" holding register 1 of unit 1, as typed into the editor.
TModbusTagEditor SerialEntry()
{
    TModbusTagEditor e = ModbusTagEditorForAdd();
    e.Fields.Name = "TEMP1";
    e.Fields.UnitId = "1";
    e.Fields.Address = "0001";
    return e;
}

void Select(TModbusTagEditor& e, ModbusTagControl control, int position)
{
    switch (control) {
    case ModbusTagControl::Source: e.Fields.Source = position; break;
    case ModbusTagControl::Type: e.Fields.Type = position; break;
    case ModbusTagControl::RegisterTable: e.Fields.RegisterTable = position; break;
    case ModbusTagControl::Scale: e.Fields.Scale = position; break;
    default: break;
    }
    ApplyModbusTagChange(e, control);
}

void Check(TModbusTagEditor& e, ModbusTagControl control, bool checked)
{
    switch (control) {
    case ModbusTagControl::ReadOnly: e.Fields.ReadOnly = checked; break;
    case ModbusTagControl::WriteLimits: e.Fields.WriteLimits = checked; break;
    case ModbusTagControl::AlarmEnable: e.Fields.AlarmEnable = checked; break;
    default: break;
    }
    ApplyModbusTagChange(e, control);
}

std::string FailureOf(const TModbusTagFields& f, char separator = '.')
{
    const TModbusTagCheck check = ValidateModbusTag(f, separator);
    return check.Failure ? check.Failure->Message : std::string();
}

TModbusTagConfig Built(const TModbusTagFields& f, char separator = '.')
{
    EXPECT_EQ(FailureOf(f, separator), "");
    const TModbusTagBuild build = BuildModbusTagRecord(f, separator);
    EXPECT_TRUE(build.Tag.has_value());
    return build.Tag.value_or(TModbusTagConfig{});
}

TEST(ModbusTagEditorAdd, ClearsTheEntryAndLocksWhatAnUnsignedHoldingRegisterDoesNotUse)
{
    const TModbusTagEditor e = ModbusTagEditorForAdd();
    EXPECT_EQ(e.Fields, TModbusTagFields{});
    EXPECT_EQ(e.AlarmMode, TAlarmMode::Value);
    EXPECT_TRUE(e.LimitsVisible());
    EXPECT_FALSE(e.EdgesVisible());
    const TModbusTagEnables& en = e.Enabled;
    EXPECT_TRUE(en.UnitId && en.Type && en.RegisterTable && en.Address);
    EXPECT_FALSE(en.BitPosition || en.Enron || en.WriteLimitFields || en.SendEmail ||
                 en.AlarmLimits || en.Factors || en.Internal);
    EXPECT_TRUE(en.ReadOnly && en.WriteLimits && en.Scale);
}

struct AddressCase {
    const char* typed;
    const char* failure;
    bool warning;
    int32_t stored;
    const char* shownAgain;
};

TEST(ModbusTagEditorAddress, FormsWarningsAndStoredValues)
{
    const AddressCase cases[] = {
        {"001", "", true, 1, "0001"},
        {"12345", "", false, 12345, "12345"},
        {"00123", "", true, 123, "0123"},
        {"0001", "", false, 1, "0001"},
        {"9999", "", false, 9999, "9999"},
        {"65536", "", false, 65536, "65536"},
        {"09999", "", true, 9999, "9999"},
        {"10000", "", false, 10000, "10000"},
        {"65537", "In 6 digit format, Address must be between 00001 and 65536.", false, 0, ""},
        {"00000", "In 6 digit format, Address must be between 00001 and 65536.", false, 0, ""},
        {"0000", "In 5 digit format, Address must be between 0001 and 9999.", false, 0, ""},
        {"000", "In 4 digit format, Address must be between 001 and 999.", false, 0, ""},
        {"-12", "In 4 digit format, Address must be between 001 and 999.", false, 0, ""},
        {"12", "Register Address must be complete.", false, 0, ""},
        {"", "Register Address must be provided.", false, 0, ""},
        {"1 2", "Register Address must be provided.", false, 0, ""},
    };
    for (const AddressCase& c : cases) {
        SCOPED_TRACE(c.typed);
        TModbusTagEditor e = SerialEntry();
        e.Fields.Address = c.typed;
        const TModbusTagCheck check = ValidateModbusTag(e.Fields, '.');
        EXPECT_EQ(check.Failure ? check.Failure->Message : "", c.failure);
        EXPECT_EQ(check.AddressWarning, c.warning);
        if (check.Failure) {
            EXPECT_EQ(check.Failure->Field, "txtAddress");
            EXPECT_EQ(check.Failure->Page, 0);
            continue;
        }
        const TModbusTagConfig tag = Built(e.Fields);
        EXPECT_EQ(tag.Address, c.stored);
        EXPECT_EQ(ModbusTagEditorForEdit(tag, '.').Fields.Address, c.shownAgain);
    }
}

TEST(ModbusTagEditorAddress, TheWarningComesBeforeALaterFailure)
{
    TModbusTagEditor e = SerialEntry();
    e.Fields.Address = "001";
    Select(e, ModbusTagControl::Type, kModbusWordBit);
    const TModbusTagCheck check = ValidateModbusTag(e.Fields, '.');
    EXPECT_TRUE(check.AddressWarning);
    ASSERT_TRUE(check.Failure);
    EXPECT_EQ(check.Failure->Message, "Bit Position must be provided for this type.");
}

TEST(ModbusTagEditorRules, BitTablesForceSingleBitAndRegistersGiveUnsignedBack)
{
    TModbusTagEditor e = SerialEntry();
    Select(e, ModbusTagControl::Type, kModbusLong);
    e.Fields.Enron = true;
    Select(e, ModbusTagControl::RegisterTable, kCoilStatus);
    EXPECT_EQ(e.Fields.Type, kModbusSingleBit);
    EXPECT_FALSE(e.Enabled.Type);
    EXPECT_FALSE(e.Fields.Enron);
    EXPECT_FALSE(e.Enabled.Enron);
    EXPECT_EQ(e.AlarmMode, TAlarmMode::Edge);
    EXPECT_FALSE(e.Enabled.Scale);
    EXPECT_EQ(ModbusTableDigit(e.Fields.RegisterTable), '0');

    Select(e, ModbusTagControl::RegisterTable, kHoldingRegister);
    EXPECT_EQ(e.Fields.Type, kModbusUnsignedInt);
    EXPECT_TRUE(e.Enabled.Type);
    EXPECT_EQ(e.AlarmMode, TAlarmMode::Value);
    EXPECT_TRUE(e.Enabled.Scale);
    EXPECT_EQ(ModbusTableDigit(e.Fields.RegisterTable), '4');
}

TEST(ModbusTagEditorRules, InputRegisterLocksReadOnlyAndClearsWriteLimits)
{
    TModbusTagEditor e = SerialEntry();
    Check(e, ModbusTagControl::WriteLimits, true);
    EXPECT_TRUE(e.Enabled.WriteLimitFields);
    Select(e, ModbusTagControl::RegisterTable, kInputRegister);
    EXPECT_TRUE(e.Fields.ReadOnly);
    EXPECT_FALSE(e.Enabled.ReadOnly);
    EXPECT_FALSE(e.Fields.WriteLimits);
    EXPECT_FALSE(e.Enabled.WriteLimits);
    EXPECT_FALSE(e.Enabled.WriteLimitFields);
    EXPECT_EQ(ModbusTableDigit(e.Fields.RegisterTable), '3');

    // Another analog type keeps the lock.
    Select(e, ModbusTagControl::Type, kModbusSignedInt);
    EXPECT_FALSE(e.Enabled.WriteLimits);

    // Back in the holding registers the tag may be written again.
    Select(e, ModbusTagControl::RegisterTable, kHoldingRegister);
    EXPECT_FALSE(e.Fields.ReadOnly);
    EXPECT_TRUE(e.Enabled.ReadOnly);
    EXPECT_TRUE(e.Enabled.WriteLimits);
}

TEST(ModbusTagEditorRules, WordBitInAHoldingRegisterIsDigital)
{
    TModbusTagEditor e = SerialEntry();
    Select(e, ModbusTagControl::Scale, kScaleLinear);
    EXPECT_TRUE(e.Enabled.Factors);
    Select(e, ModbusTagControl::Type, kModbusWordBit);
    EXPECT_TRUE(IsDigital(e.Fields));
    EXPECT_EQ(e.Fields.Scale, kScaleNone);
    EXPECT_FALSE(e.Enabled.Scale);
    EXPECT_FALSE(e.Enabled.Factors);
    EXPECT_TRUE(e.Enabled.BitPosition);
    EXPECT_TRUE(e.EdgesVisible());
    EXPECT_FALSE(e.LimitsVisible());
    Check(e, ModbusTagControl::AlarmEnable, true);
    EXPECT_TRUE(e.Enabled.AlarmEdges);
    EXPECT_TRUE(e.Enabled.SendEmail);
    Check(e, ModbusTagControl::AlarmEnable, false);
    EXPECT_FALSE(e.Enabled.AlarmEdges);
    EXPECT_FALSE(e.Enabled.SendEmail);
}

TEST(ModbusTagEditorRules, TypeDecidesBitPositionAndThe32BitBox)
{
    TModbusTagEditor e = SerialEntry();
    for (int type : {kModbusLong, kModbusFloat}) {
        Select(e, ModbusTagControl::Type, type);
        EXPECT_TRUE(e.Enabled.Enron);
        EXPECT_FALSE(e.Enabled.BitPosition);
    }
    e.Fields.Enron = true;
    Select(e, ModbusTagControl::Type, kModbusWordBit);
    EXPECT_TRUE(e.Enabled.BitPosition);
    EXPECT_TRUE(e.Fields.Enron);  // left as it is
    EXPECT_TRUE(e.Enabled.Enron);
    Select(e, ModbusTagControl::Type, kModbusLongInverted);
    EXPECT_FALSE(e.Enabled.Enron);
    EXPECT_FALSE(e.Fields.Enron);
}

TEST(ModbusTagEditorRules, SourcesLockTheAddressPart)
{
    struct Case {
        int source;
        int type;
        bool internal, bitPosition, readOnlyLocked;
        TAlarmMode mode;
    };
    const Case cases[] = {
        {kSourceKavroInput, kModbusSingleBit, false, true, true, TAlarmMode::Edge},
        {kSourceKavroOutput, kModbusSingleBit, false, true, false, TAlarmMode::Edge},
        {kSourceInternal, kModbusSingleBit, true, false, true, TAlarmMode::Edge},
        {kSourceAnalogInput, kModbusSignedInt, false, true, true, TAlarmMode::Value},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        TModbusTagEditor e = SerialEntry();
        Select(e, ModbusTagControl::Type, kModbusLong);
        e.Fields.Enron = true;
        Select(e, ModbusTagControl::Source, c.source);
        EXPECT_EQ(e.Fields.Type, c.type);
        EXPECT_FALSE(e.Enabled.UnitId || e.Enabled.Address || e.Enabled.Type ||
                     e.Enabled.RegisterTable || e.Enabled.Enron || e.Fields.Enron);
        EXPECT_EQ(e.Enabled.Internal, c.internal);
        EXPECT_EQ(e.Enabled.BitPosition, c.bitPosition);
        EXPECT_EQ(e.Enabled.ReadOnly, !c.readOnlyLocked);
        EXPECT_EQ(e.Fields.ReadOnly, c.readOnlyLocked);
        EXPECT_FALSE(e.Enabled.WriteLimits);
        EXPECT_EQ(e.AlarmMode, c.mode);

        Select(e, ModbusTagControl::Source, kSourceSerial);
        EXPECT_TRUE(e.Enabled.UnitId && e.Enabled.Address && e.Enabled.RegisterTable);
        EXPECT_FALSE(e.Enabled.Internal);
    }
}

TEST(ModbusTagEditorRules, SerialSourceKeepsTheTypeOfABitTableLocked)
{
    TModbusTagEditor e = SerialEntry();
    Select(e, ModbusTagControl::RegisterTable, kInputStatus);
    Select(e, ModbusTagControl::Source, kSourceKavroInput);
    Select(e, ModbusTagControl::Source, kSourceSerial);
    EXPECT_FALSE(e.Enabled.Type);
}

TEST(ModbusTagEditorRules, ScalePageFollowsTheAlarmMode)
{
    TModbusTagEditor e = SerialEntry();
    ApplyModbusTagChange(e, ModbusTagControl::ScalePage);
    EXPECT_TRUE(e.Enabled.Scale);
    Select(e, ModbusTagControl::Source, kSourceKavroOutput);
    e.Fields.Scale = kScaleLinear;  // a stale choice
    ApplyModbusTagChange(e, ModbusTagControl::ScalePage);
    EXPECT_EQ(e.Fields.Scale, kScaleNone);
    EXPECT_FALSE(e.Enabled.Scale);
    EXPECT_FALSE(e.Enabled.Factors);
}

TEST(ModbusTagEditorClassification, RangesByType)
{
    struct Case {
        int type;
        int scale;
        bool integer;
        int32_t lowest, highest;
    };
    const Case cases[] = {
        {kModbusUnsignedInt, kScaleNone, true, 0, 65535},
        {kModbusBCD, kScaleNone, true, 0, 65535},
        {kModbusSignedInt, kScaleNone, true, -32768, 32767},
        {kModbusLong, kScaleNone, true, INT32_MIN, INT32_MAX},
        {kModbusLongInverted, kScaleNone, true, INT32_MIN, INT32_MAX},
        {kModbusFloat, kScaleNone, false, 0, 0},
        {kModbusFloatInverted, kScaleNone, false, 0, 0},
        {kModbusWordBit, kScaleNone, false, 0, 0},
        {kModbusUnsignedInt, kScaleLinear, false, 0, 0},
    };
    for (const Case& c : cases) {
        TModbusTagFields f;
        f.Type = c.type;
        f.Scale = c.scale;
        SCOPED_TRACE(c.type);
        EXPECT_EQ(IsInteger(f), c.integer);
        EXPECT_EQ(GetLowestValueInt(f), c.lowest);
        EXPECT_EQ(GetHighestValueInt(f), c.highest);
    }
    TModbusTagFields analog;
    analog.Source = kSourceAnalogInput;
    analog.Type = kModbusSignedInt;
    EXPECT_TRUE(IsInteger(analog));
    EXPECT_FALSE(IsDigital(analog));
    EXPECT_TRUE(IsReadOnly(analog));
    TModbusTagFields output;
    output.Source = kSourceKavroOutput;
    EXPECT_TRUE(IsDigital(output));
    EXPECT_FALSE(IsReadOnly(output));
    EXPECT_FALSE(IsInteger(output));
}

// One entry per serial check: a change of the valid entry that fails exactly that check.
struct SerialCheckCase {
    const char* what;
    std::function<void(TModbusTagEditor&)> change;
    const char* message;
    int page;
    const char* field;
};

TEST(ModbusTagEditorValidation, SerialChecksInTheirOrder)
{
    using E = TModbusTagEditor&;
    const SerialCheckCase cases[] = {
        {"no name", [](E e) { e.Fields.Name = ""; }, "Tag must have a name.", 0, "txtTagName"},
        {"no unit", [](E e) { e.Fields.UnitId = ""; }, "Modbus Unit ID must be provided.", 0, "txtUnitID"},
        {"unit 0", [](E e) { e.Fields.UnitId = "0"; }, "Unit ID must be between 1 and 255.", 0, "txtUnitID"},
        {"unit 256", [](E e) { e.Fields.UnitId = "256"; }, "Unit ID must be between 1 and 255.", 0, "txtUnitID"},
        {"coil typed", [](E e) { e.Fields.RegisterTable = kCoilStatus; },
         "\"Coils\" and \"Input Status\" must be of type \"Single Bit\".", 0, "cboType"},
        {"register bit", [](E e) { e.Fields.Type = kModbusSingleBit; },
         "\"Inputs Register\" and \"Holding Registers\" cannot be of type \"Single Bit\".", 0, "cboType"},
        {"word bit", [](E e) { Select(e, ModbusTagControl::Type, kModbusWordBit); },
         "Bit Position must be provided for this type.", 0, "txtBitPosition"},
        {"bit 16", [](E e) { Select(e, ModbusTagControl::Type, kModbusWordBit); e.Fields.BitPosition = "16"; },
         "Bit Position must be between 0 and 15.", 0, "txtBitPosition"},
        {"input writable", [](E e) { Select(e, ModbusTagControl::RegisterTable, kInputRegister); e.Fields.ReadOnly = false; },
         "Tag must be Read Only.", 1, "chkReadOnly"},
        {"bit limits", [](E e) { Select(e, ModbusTagControl::Type, kModbusWordBit); e.Fields.BitPosition = "3"; e.Fields.WriteLimits = true; },
         "Digital Tags cannot have writting limits.", 1, "chkWriteLimits"},
        {"limit empty", [](E e) { e.Fields.WriteLimits = true; e.Fields.MaxWrite = "5"; },
         "Writing Limits are not valid", 1, "txtMinWrite"},
        {"limits equal", [](E e) { e.Fields.WriteLimits = true; e.Fields.MinWrite = "5"; e.Fields.MaxWrite = "5"; },
         "Writing Limits are not valid", 1, "txtMaxWrite"},
        {"alarm reversed", [](E e) { e.Fields.AlarmEnable = true; e.Fields.LowestAlarm = "9"; e.Fields.HighestAlarm = "1"; },
         "Alarm Range is not valid", 2, "txtHighestAlarm"},
        {"digital scaled", [](E e) { e.Fields.RegisterTable = kCoilStatus; e.Fields.Type = kModbusSingleBit; e.Fields.Scale = kScaleLinear; },
         "Digital Tags cannot be scalable", 3, "cboScale"},
        {"factor", [](E e) { e.Fields.Scale = kScaleLinear; e.Fields.FactorA = "2"; },
         "Scale Factors are not valid", 3, "txtFactorB"},
        {"limit fraction", [](E e) { e.Fields.WriteLimits = true; e.Fields.MinWrite = "0.5"; e.Fields.MaxWrite = "5"; },
         "Write Limits must be Integer for this type of Tag.", 1, "txtMinWrite"},
        {"alarm fraction", [](E e) { e.Fields.AlarmEnable = true; e.Fields.LowestAlarm = "1"; e.Fields.HighestAlarm = "5.5"; },
         "Alarm range values must be Integer for this type of Tag.", 2, "txtHighestAlarm"},
        {"unsigned limit", [](E e) { e.Fields.WriteLimits = true; e.Fields.MinWrite = "-1"; e.Fields.MaxWrite = "10"; },
         "Write Limits must be between 0 and 65535 for the selected type.", 1, "txtMinWrite"},
        {"signed alarm", [](E e) { Select(e, ModbusTagControl::Type, kModbusSignedInt); e.Fields.AlarmEnable = true; e.Fields.LowestAlarm = "-32769"; e.Fields.HighestAlarm = "0"; },
         "Alarm Range Values must be between -32768 and 32767 for the selected type.", 2, "txtLowestAlarm"},
    };
    for (const SerialCheckCase& c : cases) {
        SCOPED_TRACE(c.what);
        TModbusTagEditor e = SerialEntry();
        c.change(e);
        const TModbusTagCheck check = ValidateModbusTag(e.Fields, '.');
        ASSERT_TRUE(check.Failure);
        EXPECT_EQ(check.Failure->Message, c.message);
        EXPECT_EQ(check.Failure->Page, c.page);
        EXPECT_EQ(check.Failure->Field, c.field);
    }
    TModbusTagEditor valid = SerialEntry();
    EXPECT_EQ(FailureOf(valid.Fields), "");
}

TEST(ModbusTagEditorValidation, FloatLimitsUseTheSystemSeparator)
{
    for (char separator : {'.', ','}) {
        SCOPED_TRACE(separator);
        const std::string other = separator == '.' ? "," : ".";
        const std::string sep(1, separator);
        TModbusTagEditor e = SerialEntry();
        Select(e, ModbusTagControl::Type, kModbusFloat);
        Check(e, ModbusTagControl::WriteLimits, true);
        e.Fields.MinWrite = "-1" + sep + "5";
        e.Fields.MaxWrite = "2" + sep + "25";
        const TModbusTagConfig tag = Built(e.Fields, separator);
        EXPECT_EQ(tag.Kind, kKindFloat);
        EXPECT_FLOAT_EQ(tag.WriteMin.AsFloat, -1.5f);
        EXPECT_FLOAT_EQ(tag.WriteMax.AsFloat, 2.25f);
        EXPECT_EQ(tag.WriteMin.AsInteger, 0);

        e.Fields.MinWrite = "1" + other + "5";
        EXPECT_EQ(FailureOf(e.Fields, separator), "Writing Limits are not valid");
        e.Fields.MinWrite = e.Fields.MaxWrite;
        EXPECT_EQ(FailureOf(e.Fields, separator), "Writing Limits are not valid");
        // Different texts, one stored value.
        e.Fields.MinWrite = "0" + sep + "1";
        e.Fields.MaxWrite = "0" + sep + "1000000000001";
        EXPECT_EQ(FailureOf(e.Fields, separator), "Writing Limits are not valid");
        // Beyond what a single-precision limit can hold.
        e.Fields.MinWrite = "0";
        e.Fields.MaxWrite = "1E50";
        EXPECT_EQ(FailureOf(e.Fields, separator), "Writing Limits are not valid");
    }
}

TEST(ModbusTagEditorValidation, ScaledIntegerIsAFloatTagWithoutIntegerRange)
{
    TModbusTagEditor e = SerialEntry();
    Select(e, ModbusTagControl::Scale, kScaleLinear);
    e.Fields.FactorA = "0.5";
    e.Fields.FactorB = "-3";
    Check(e, ModbusTagControl::WriteLimits, true);
    e.Fields.MinWrite = "-1.5";
    e.Fields.MaxWrite = "100000";
    Check(e, ModbusTagControl::AlarmEnable, true);
    e.Fields.LowestAlarm = "-70000";
    e.Fields.HighestAlarm = "70000.5";
    const TModbusTagConfig tag = Built(e.Fields);
    EXPECT_EQ(tag.Kind, kKindFloat);
    EXPECT_FLOAT_EQ(tag.WriteMin.AsFloat, -1.5f);
    EXPECT_FLOAT_EQ(tag.WriteMax.AsFloat, 100000.f);
    EXPECT_FLOAT_EQ(tag.AlarmMin.AsFloat, -70000.f);
    EXPECT_FLOAT_EQ(tag.AlarmMax.AsFloat, 70000.5f);
    EXPECT_EQ(tag.Scale, kScaleLinear);
    EXPECT_FLOAT_EQ(tag.FactorA, 0.5f);
    EXPECT_FLOAT_EQ(tag.FactorB, -3.f);
}

TEST(ModbusTagEditorValidation, InternalAndInputOutputChecks)
{
    struct Case {
        int source;
        std::function<void(TModbusTagEditor&)> change;
        const char* message;
    };
    using E = TModbusTagEditor&;
    const Case cases[] = {
        {kSourceInternal, [](E e) { e.Fields.Name = "_ALARMX"; }, "Unrecognized Internal Tag Name."},
        {kSourceInternal, [](E e) { e.Fields.Name = "_alarm"; }, "Unrecognized Internal Tag Name."},
        {kSourceInternal, [](E e) { e.Fields.Name = "_ALARM"; }, ""},
        {kSourceInternal, [](E e) { e.Fields.Name = "_ALARM"; e.Fields.ReadOnly = false; }, "Tag must be Read Only."},
        {kSourceInternal, [](E e) { e.Fields.Name = "_COMMERROR"; e.Fields.Scale = kScaleLinear; }, "Digital Tags cannot be scalable"},
        {kSourceKavroInput, [](E e) { e.Fields.BitPosition = "8"; }, "Bit Position must be between 0 and 7."},
        {kSourceKavroInput, [](E e) { e.Fields.BitPosition = "-1"; }, "Bit Position must be between 0 and 7."},
        {kSourceKavroInput, [](E e) { e.Fields.BitPosition = ""; }, "Bit Position must be provided for this type."},
        {kSourceKavroInput, [](E e) { e.Fields.BitPosition = "7"; e.Fields.ReadOnly = false; }, "Tag must be Read Only."},
        {kSourceAnalogInput, [](E e) { e.Fields.BitPosition = "0"; e.Fields.ReadOnly = false; }, "Tag must be Read Only."},
        {kSourceKavroOutput, [](E e) { e.Fields.BitPosition = "7"; }, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        TModbusTagEditor e = SerialEntry();
        Select(e, ModbusTagControl::Source, c.source);
        c.change(e);
        EXPECT_EQ(FailureOf(e.Fields), c.message);
    }
}

TEST(ModbusTagEditorRecord, NonSerialSourcesGetTheirFixedAddressPart)
{
    struct Case {
        int source;
        uint8_t type, table;
        int32_t bit;
        bool readOnly;
        uint8_t kind;
    };
    const Case cases[] = {
        {kSourceKavroInput, kModbusSingleBit, kInputStatus, 5, true, kKindDigital},
        {kSourceKavroOutput, kModbusSingleBit, kCoilStatus, 5, false, kKindDigital},
        {kSourceInternal, kModbusSingleBit, kInputStatus, 0, true, kKindDigital},
        {kSourceAnalogInput, kModbusSignedInt, kInputRegister, 5, true, kKindInteger},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.source);
        TModbusTagEditor e = SerialEntry();
        Select(e, ModbusTagControl::Source, c.source);
        if (c.source == kSourceInternal) e.Fields.Name = "_ALARM";
        e.Fields.BitPosition = "5";
        e.Fields.UnitId = "7";
        e.Fields.Address = "0042";
        const TModbusTagConfig tag = Built(e.Fields);
        EXPECT_EQ(tag.UnitId, 0);
        EXPECT_EQ(tag.Address, 0);
        EXPECT_EQ(tag.TagType, c.type);
        EXPECT_EQ(tag.RegisterTable, c.table);
        EXPECT_EQ(tag.BitPosition, c.bit);
        EXPECT_EQ(tag.ReadOnly, c.readOnly);
        EXPECT_FALSE(tag.Enron || tag.WriteLimits || tag.Trap);
        EXPECT_EQ(tag.Kind, c.kind);
    }
}

TEST(ModbusTagEditorRecord, AnalogInputLimitThatDoesNotConvertIsAValue)
{
    TModbusTagEditor e = SerialEntry();
    Select(e, ModbusTagControl::Source, kSourceAnalogInput);
    e.Fields.BitPosition = "1";
    Check(e, ModbusTagControl::AlarmEnable, true);
    e.Fields.LowestAlarm = "abc";
    e.Fields.HighestAlarm = "10";
    EXPECT_EQ(FailureOf(e.Fields), "");  // the I/O checks leave the limits alone
    TModbusTagBuild build = BuildModbusTagRecord(e.Fields, '.');
    EXPECT_FALSE(build.Tag);
    ASSERT_TRUE(build.Failure);
    EXPECT_EQ(build.Failure->Message, "'abc' is not a valid integer value");
    EXPECT_EQ(build.Failure->Field, "txtLowestAlarm");
    EXPECT_EQ(build.Failure->Page, 2);

    e.Fields.LowestAlarm = "1";
    Select(e, ModbusTagControl::Scale, kScaleLinear);
    e.Fields.LowestAlarm = "1.5";
    e.Fields.FactorA = "x";
    build = BuildModbusTagRecord(e.Fields, '.');
    ASSERT_TRUE(build.Failure);
    EXPECT_EQ(build.Failure->Message, "'x' is not a valid floating point value");
    EXPECT_EQ(build.Failure->Field, "txtFactorA");

    e.Fields.FactorA = "2";
    e.Fields.FactorB = "0";
    const TModbusTagConfig tag = Built(e.Fields);
    EXPECT_EQ(tag.Kind, kKindFloat);
    EXPECT_FLOAT_EQ(tag.AlarmMin.AsFloat, 1.5f);
}

TEST(ModbusTagEditorRecord, DigitalAlarmEdgesAndClearedParts)
{
    TModbusTagEditor e = SerialEntry();
    Select(e, ModbusTagControl::RegisterTable, kCoilStatus);
    Check(e, ModbusTagControl::AlarmEnable, true);
    e.Fields.SendEmail = true;
    e.Fields.LowestAlarm = "3";  // hidden in edge mode, never read
    for (bool positive : {true, false}) {
        e.Fields.PositiveEdge = positive;
        const TModbusTagConfig tag = Built(e.Fields);
        EXPECT_EQ(tag.AlarmMin.AsDigital, positive);
        EXPECT_EQ(tag.AlarmMax.AsDigital, !positive);
        EXPECT_EQ(tag.AlarmMin.AsInteger, 0);
        EXPECT_TRUE(tag.AlarmEmail);
        EXPECT_EQ(tag.Kind, kKindDigital);
        const TModbusTagEditor again = ModbusTagEditorForEdit(tag, '.');
        EXPECT_EQ(again.Fields.PositiveEdge, positive);
        EXPECT_EQ(again.AlarmMode, TAlarmMode::Edge);
        EXPECT_EQ(again.Fields.LowestAlarm, "");
    }
    Check(e, ModbusTagControl::AlarmEnable, false);
    EXPECT_FALSE(e.Fields.SendEmail);
    const TModbusTagConfig off = Built(e.Fields);
    EXPECT_FALSE(off.AlarmEmail);
    EXPECT_EQ(off.AlarmMin, TTagValue{});
}

TEST(ModbusTagEditorEdit, FillsTheFieldsFromTheRecordAndKeepsThemThroughARebuild)
{
    TModbusTagConfig tag;
    tag.Name = "LEVEL";
    tag.UnitId = 17;
    tag.TagType = kModbusFloat;
    tag.RegisterTable = kHoldingRegister;
    tag.Address = 40;
    tag.Enron = true;
    tag.WriteLimits = true;
    tag.WriteMin.AsFloat = 0.1f;
    tag.WriteMax.AsFloat = 12.5f;
    tag.AlarmEnable = true;
    tag.AlarmEmail = true;
    tag.AlarmMin.AsFloat = -2.f;
    tag.AlarmMax.AsFloat = 1e20f;
    tag.Scale = kScaleLinear;
    tag.FactorA = 1.5f;
    tag.FactorB = -0.25f;
    tag.Kind = kKindFloat;

    for (char separator : {'.', ','}) {
        SCOPED_TRACE(separator);
        const TModbusTagEditor e = ModbusTagEditorForEdit(tag, separator);
        const TModbusTagFields& f = e.Fields;
        EXPECT_EQ(f.Name, "LEVEL");
        EXPECT_EQ(f.UnitId, "17");
        EXPECT_EQ(f.Address, "0040");
        EXPECT_EQ(f.Type, kModbusFloat);
        EXPECT_TRUE(f.Enron);
        EXPECT_TRUE(e.Enabled.Enron);
        EXPECT_TRUE(f.WriteLimits);
        EXPECT_TRUE(e.Enabled.WriteLimitFields);
        EXPECT_EQ(f.MinWrite, separator == '.' ? "0.100000001490116" : "0,100000001490116");
        EXPECT_EQ(f.MaxWrite, separator == '.' ? "12.5" : "12,5");
        EXPECT_TRUE(e.LimitsVisible());
        EXPECT_TRUE(e.Enabled.AlarmLimits && e.Enabled.SendEmail && f.SendEmail);
        EXPECT_TRUE(e.Enabled.Factors);
        EXPECT_EQ(f.FactorB, separator == '.' ? "-0.25" : "-0,25");
        EXPECT_EQ(Built(f, separator), tag);
    }

    TModbusTagConfig input;
    input.Name = "IN3";
    input.Source = kSourceKavroInput;
    input.TagType = kModbusSingleBit;
    input.RegisterTable = kInputStatus;
    input.BitPosition = 3;
    input.ReadOnly = true;
    const TModbusTagEditor e = ModbusTagEditorForEdit(input, '.');
    EXPECT_EQ(e.Fields.UnitId, "0");
    EXPECT_EQ(e.Fields.Address, "0000");
    EXPECT_EQ(e.Fields.BitPosition, "3");
    EXPECT_TRUE(e.Enabled.BitPosition);
    EXPECT_FALSE(e.Enabled.ReadOnly);
    EXPECT_TRUE(e.EdgesVisible());
    EXPECT_EQ(Built(e.Fields), input);
}

TEST(ModbusTagEditorEdit, IntegerRecordsRoundTrip)
{
    TModbusTagConfig tag;
    tag.Name = "COUNT";
    tag.UnitId = 255;
    tag.TagType = kModbusLong;
    tag.RegisterTable = kInputRegister;
    tag.Address = 65536;
    tag.ReadOnly = true;
    tag.AlarmEnable = true;
    tag.AlarmMin.AsInteger = INT32_MIN;
    tag.AlarmMax.AsInteger = INT32_MAX;
    tag.Kind = kKindInteger;
    const TModbusTagEditor e = ModbusTagEditorForEdit(tag, '.');
    EXPECT_EQ(e.Fields.Address, "65536");
    EXPECT_EQ(e.Fields.LowestAlarm, "-2147483648");
    EXPECT_FALSE(e.Enabled.ReadOnly);
    EXPECT_FALSE(e.Enabled.WriteLimits);
    EXPECT_EQ(Built(e.Fields), tag);

    TModbusTagConfig wordBit;
    wordBit.Name = "FLAG";
    wordBit.UnitId = 1;
    wordBit.TagType = kModbusWordBit;
    wordBit.Address = 1;
    wordBit.BitPosition = 15;
    wordBit.Kind = kKindDigital;
    const TModbusTagEditor w = ModbusTagEditorForEdit(wordBit, '.');
    EXPECT_TRUE(w.Enabled.BitPosition);
    EXPECT_TRUE(w.Enabled.Type);
    EXPECT_FALSE(w.Enabled.Scale);
    EXPECT_EQ(Built(w.Fields), wordBit);
}

TEST(ModbusTagEditorTexts, ListConversionsSurviveTheTagList)
{
    EXPECT_EQ(GetModbusSourceText(4), "");
    EXPECT_EQ(GetModbusSourceValue(""), 4);
    EXPECT_EQ(GetModbusTypeValue("Double"), 0);
    EXPECT_EQ(GetModbusFunctionValue("Coil Status"), kCoilStatus);
    EXPECT_EQ(GetScaleText(1), "Linear (Ax+B)");
}

TEST(InternalTags, ThreeNamesInDisplayOrder)
{
    ASSERT_EQ(InternalTags().size(), 3u);
    EXPECT_STREQ(InternalTags()[0].Name, "_COMMERROR");
    EXPECT_STREQ(InternalTags()[1].Name, "_ALARM");
    EXPECT_STREQ(InternalTags()[2].Name, "_ALARMNAK");
    for (const TInternalTag& tag : InternalTags()) EXPECT_STREQ(tag.Type, "Digital");
    EXPECT_TRUE(IsInternalTagName("_ALARMNAK"));
    EXPECT_FALSE(IsInternalTagName("_ALARMX"));
}

}  // namespace
}  // namespace qvs
