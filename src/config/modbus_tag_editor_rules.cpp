#include "modbus_tag_editor_rules.h"

#include "float_text.h"
#include "internal_tags.h"
#include "qprot_errors.h"
#include "tag_editor_texts.h"
#include "text_format.h"

#include <cstdio>
#include <limits>

namespace qvs {

namespace {

constexpr int kConfigurationPage = static_cast<int>(ModbusTagPage::Configuration);
constexpr int kValuePage = static_cast<int>(ModbusTagPage::Value);
constexpr int kAlarmPage = static_cast<int>(ModbusTagPage::Alarm);
constexpr int kScalePage = static_cast<int>(ModbusTagPage::Scale);

bool IsBitTable(int table) { return table == kInputStatus || table == kCoilStatus; }
bool IsRegisterTable(int table) { return table == kHoldingRegister || table == kInputRegister; }

// --- The field rules, named as the dialog's handlers are ---------------------------------------

void ScaleRule(TModbusTagEditor& e) { e.Enabled.Factors = e.Fields.Scale != kScaleNone; }

void WriteLimitRule(TModbusTagEditor& e) { e.Enabled.WriteLimitFields = e.Fields.WriteLimits; }

void ReadOnlyRule(TModbusTagEditor& e)
{
    if (e.Fields.ReadOnly || IsDigital(e.Fields)) {
        e.Fields.WriteLimits = false;
        e.Enabled.WriteLimits = false;
    } else {
        e.Enabled.WriteLimits = true;
    }
}

void AlarmRule(TModbusTagEditor& e)
{
    TModbusTagFields& f = e.Fields;
    e.Enabled.SendEmail = f.AlarmEnable;
    if (!f.AlarmEnable) f.SendEmail = false;
    // Only the controls of the current mode are shown, so both follow the alarm box.
    e.Enabled.AlarmEdges = f.AlarmEnable;
    e.Enabled.AlarmLimits = f.AlarmEnable;
}

void DigitalRule(TModbusTagEditor& e)
{
    if (IsDigital(e.Fields)) {
        e.AlarmMode = TAlarmMode::Edge;
        e.Fields.WriteLimits = false;
        e.Enabled.WriteLimits = false;
        e.Fields.Scale = kScaleNone;
        e.Enabled.Scale = false;
    } else {
        e.AlarmMode = TAlarmMode::Value;
        e.Enabled.Scale = true;
        e.Enabled.WriteLimits = true;
    }
    ScaleRule(e);
    AlarmRule(e);
}

void ReadAccessRule(TModbusTagEditor& e)
{
    if (IsReadOnly(e.Fields)) {
        e.Fields.ReadOnly = true;
        e.Enabled.ReadOnly = false;
        e.Fields.WriteLimits = false;
        e.Enabled.WriteLimits = false;
    } else {
        e.Enabled.ReadOnly = true;
        e.Fields.ReadOnly = false;
        e.Enabled.WriteLimits = true;
    }
    ReadOnlyRule(e);
    WriteLimitRule(e);
}

// What the type decides about the bit position and the 32-bit box.
void TypeControls(TModbusTagEditor& e)
{
    switch (e.Fields.Type) {
    case kModbusWordBit:
        e.Enabled.BitPosition = true;
        break;
    case kModbusLong:
    case kModbusFloat:
        e.Enabled.BitPosition = false;
        e.Enabled.Enron = true;
        break;
    default:
        e.Enabled.BitPosition = false;
        e.Enabled.Enron = false;
        e.Fields.Enron = false;
        break;
    }
}

void TypeRule(TModbusTagEditor& e)
{
    DigitalRule(e);
    TypeControls(e);
    // The digital rule re-enables "Tag has writing limits" for an analog type; a read-only tag
    // keeps it locked.
    ReadOnlyRule(e);
    WriteLimitRule(e);
}

void SourceRule(TModbusTagEditor& e)
{
    DigitalRule(e);
    ReadAccessRule(e);
    TModbusTagFields& f = e.Fields;
    TModbusTagEnables& en = e.Enabled;
    switch (f.Source) {
    case kSourceSerial:
        en.Internal = false;
        en.UnitId = true;
        en.Type = !IsBitTable(f.RegisterTable);  // a bit table keeps its type locked
        en.RegisterTable = true;
        en.Address = true;
        en.BitPosition = f.Type == kModbusWordBit;
        break;
    case kSourceKavroInput:
    case kSourceKavroOutput:
    case kSourceAnalogInput:
        en.Internal = false;
        en.UnitId = en.Address = en.Type = en.RegisterTable = false;
        f.Type = f.Source == kSourceAnalogInput ? kModbusSignedInt : kModbusSingleBit;
        en.BitPosition = true;
        break;
    case kSourceInternal:
    default:
        en.Internal = true;
        en.UnitId = en.Address = en.Type = en.RegisterTable = en.BitPosition = false;
        f.Type = kModbusSingleBit;
        break;
    }
    if (f.Source != kSourceSerial) {
        // The type set here is not one that offers the 32-bit register.
        en.Enron = false;
        f.Enron = false;
    }
}

void RegisterTableRule(TModbusTagEditor& e)
{
    if (IsBitTable(e.Fields.RegisterTable)) {
        e.Fields.Type = kModbusSingleBit;
        e.Enabled.Type = false;
    } else {
        e.Fields.Type = kModbusUnsignedInt;
        e.Enabled.Type = true;
    }
    TypeControls(e);
    DigitalRule(e);
    ReadAccessRule(e);
}

void RegisterTableRuleKeepingType(TModbusTagEditor& e)
{
    DigitalRule(e);
    ReadAccessRule(e);
    e.Enabled.Type = !IsBitTable(e.Fields.RegisterTable);
}

std::string Decimal(long long value) { return std::to_string(value); }

std::string AddressText(int32_t address)
{
    char text[24];
    std::snprintf(text, sizeof text, address < 10000 ? "%.4d" : "%.5d", address);
    return text;
}

bool IsIntegerText(const std::string& text)
{
    try {
        ParseInteger(text);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

std::optional<int32_t> IntegerOf(const std::string& text)
{
    try {
        return ParseInteger(text);
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// A number the record can hold: written with the user's separator and within float range.
std::optional<long double> NumberOf(const std::string& text, char separator)
{
    try {
        const long double value = ParseDecimal(text, separator);
        ParseFloatText(text, separator);
        return value;
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

// Two limits that hold numbers with the upper above the lower; a float tag compares them also as
// the single-precision values it stores, so its record never holds equal limits.
bool IsRange(const std::string& low, const std::string& high, bool floatKind, char separator)
{
    const auto lowValue = NumberOf(low, separator);
    const auto highValue = NumberOf(high, separator);
    if (!lowValue || !highValue) return false;
    if (!(*highValue > *lowValue)) return false;
    return !floatKind || static_cast<float>(*highValue) > static_cast<float>(*lowValue);
}

TTagEditorFailure Fail(std::string message, int page, std::string field)
{
    return TTagEditorFailure{std::move(message), page, std::move(field)};
}

std::optional<TTagEditorFailure> SerialChecks(const TModbusTagFields& f, char separator,
                                              bool& addressWarning)
{
    const auto unitId = IntegerOf(f.UnitId);
    if (!unitId) return Fail(texts::kUnitIdMustBeProvided, kConfigurationPage, "txtUnitID");
    if (*unitId < 1 || *unitId > 255)
        return Fail(texts::kUnitIdRange, kConfigurationPage, "txtUnitID");
    if (IsBitTable(f.RegisterTable) && f.Type != kModbusSingleBit)
        return Fail(texts::kCoilsMustBeSingleBit, kConfigurationPage, "cboType");
    if (IsRegisterTable(f.RegisterTable) && f.Type == kModbusSingleBit)
        return Fail(texts::kRegistersCannotBeSingleBit, kConfigurationPage, "cboType");

    const auto address = IntegerOf(f.Address);
    if (!address) return Fail(texts::kAddressMustBeProvided, kConfigurationPage, "txtAddress");
    const std::size_t length = f.Address.size();
    if (length < 3) return Fail(texts::kAddressMustBeComplete, kConfigurationPage, "txtAddress");
    struct Format {
        std::size_t Length;
        int32_t Highest;
        const char* Digits;
        const char* Lowest;
        const char* HighestText;
    };
    static constexpr Format kFormats[] = {{3, 999, "4", "001", "999"},
                                          {4, 9999, "5", "0001", "9999"},
                                          {5, 65536, "6", "00001", "65536"}};
    for (const Format& format : kFormats) {
        if (length == format.Length && (*address < 1 || *address > format.Highest))
            return Fail(FormatText(texts::kAddressRange,
                                   {format.Digits, format.Lowest, format.HighestText}),
                        kConfigurationPage, "txtAddress");
    }
    if (length == 3 || (length == 5 && *address < 10000)) addressWarning = true;

    if (f.Type == kModbusWordBit) {
        const auto bit = IntegerOf(f.BitPosition);
        if (!bit) return Fail(texts::kBitPositionMustBeProvided, kConfigurationPage, "txtBitPosition");
        if (*bit < 0 || *bit > 15)
            return Fail(FormatText(texts::kBitPositionRange, {"0", "15"}), kConfigurationPage,
                        "txtBitPosition");
    }
    if ((f.RegisterTable == kInputRegister || f.RegisterTable == kInputStatus) && !f.ReadOnly)
        return Fail(texts::kTagMustBeReadOnly, kValuePage, "chkReadOnly");
    if ((f.Type == kModbusWordBit || f.Type == kModbusSingleBit) && f.WriteLimits)
        return Fail(texts::kDigitalNoWriteLimits, kValuePage, "chkWriteLimits");

    const bool digital = IsDigital(f);
    const bool integer = IsInteger(f);
    const bool floatKind = !digital && !integer;
    // The first limit that holds no number takes the focus, else the upper one.
    auto rangeField = [&](const std::string& low, const char* lowField, const char* highField) {
        return std::string(NumberOf(low, separator) ? highField : lowField);
    };
    if (f.WriteLimits && !IsRange(f.MinWrite, f.MaxWrite, floatKind, separator))
        return Fail(texts::kWritingLimitsNotValid, kValuePage,
                    rangeField(f.MinWrite, "txtMinWrite", "txtMaxWrite"));
    if (f.AlarmEnable && !digital && !IsRange(f.LowestAlarm, f.HighestAlarm, floatKind, separator))
        return Fail(texts::kAlarmRangeNotValid, kAlarmPage,
                    rangeField(f.LowestAlarm, "txtLowestAlarm", "txtHighestAlarm"));
    if (digital && f.Scale != kScaleNone)
        return Fail(texts::kDigitalNotScalable, kScalePage, "cboScale");
    if (f.Scale != kScaleNone &&
        (!NumberOf(f.FactorA, separator) || !NumberOf(f.FactorB, separator)))
        return Fail(texts::kScaleFactorsNotValid, kScalePage,
                    NumberOf(f.FactorA, separator) ? "txtFactorB" : "txtFactorA");

    const bool integerChecks = integer && !digital;
    if (integerChecks && f.WriteLimits && (!IsIntegerText(f.MinWrite) || !IsIntegerText(f.MaxWrite)))
        return Fail(texts::kWriteLimitsMustBeInteger, kValuePage,
                    IsIntegerText(f.MinWrite) ? "txtMaxWrite" : "txtMinWrite");
    if (integerChecks && f.AlarmEnable &&
        (!IsIntegerText(f.LowestAlarm) || !IsIntegerText(f.HighestAlarm)))
        return Fail(texts::kAlarmMustBeInteger, kAlarmPage,
                    IsIntegerText(f.LowestAlarm) ? "txtHighestAlarm" : "txtLowestAlarm");
    const int32_t lowest = GetLowestValueInt(f);
    const int32_t highest = GetHighestValueInt(f);
    auto outside = [&](const std::string& text) {
        const int32_t value = ParseInteger(text);
        return value < lowest || value > highest;
    };
    const std::string bounds[] = {Decimal(lowest), Decimal(highest)};
    if (integerChecks && f.WriteLimits && (outside(f.MinWrite) || outside(f.MaxWrite)))
        return Fail(FormatText(texts::kWriteLimitsRange, {bounds[0], bounds[1]}), kValuePage,
                    outside(f.MinWrite) ? "txtMinWrite" : "txtMaxWrite");
    if (integerChecks && f.AlarmEnable && (outside(f.LowestAlarm) || outside(f.HighestAlarm)))
        return Fail(FormatText(texts::kAlarmRange, {bounds[0], bounds[1]}), kAlarmPage,
                    outside(f.LowestAlarm) ? "txtLowestAlarm" : "txtHighestAlarm");
    return std::nullopt;
}

std::optional<TTagEditorFailure> InputOutputChecks(const TModbusTagFields& f)
{
    const auto bit = IntegerOf(f.BitPosition);
    if (!bit) return Fail(texts::kBitPositionMustBeProvided, kConfigurationPage, "txtBitPosition");
    if (*bit < 0 || *bit > 7)
        return Fail(FormatText(texts::kBitPositionRange, {"0", "7"}), kConfigurationPage,
                    "txtBitPosition");
    if ((f.Source == kSourceKavroInput || f.Source == kSourceAnalogInput) && !f.ReadOnly)
        return Fail(texts::kTagMustBeReadOnly, kValuePage, "chkReadOnly");
    return std::nullopt;
}

std::optional<TTagEditorFailure> InternalChecks(const TModbusTagFields& f)
{
    if (!IsInternalTagName(f.Name))
        return Fail(texts::kUnrecognizedInternalTag, kConfigurationPage, "txtTagName");
    if (!f.ReadOnly) return Fail(texts::kTagMustBeReadOnly, kValuePage, "chkReadOnly");
    if (f.Scale != kScaleNone) return Fail(texts::kDigitalNotScalable, kScalePage, "cboScale");
    return std::nullopt;
}

}  // namespace

// --- Classification ---------------------------------------------------------------------------

bool IsDigital(const TModbusTagFields& f)
{
    switch (f.Source) {
    case kSourceSerial:
        return IsBitTable(f.RegisterTable) || f.Type == kModbusWordBit;
    case kSourceAnalogInput:
        return false;
    default:
        return true;
    }
}

bool IsReadOnly(const TModbusTagFields& f)
{
    switch (f.Source) {
    case kSourceSerial:
        return f.RegisterTable == kInputRegister || f.RegisterTable == kInputStatus;
    case kSourceKavroOutput:
        return false;
    default:
        return true;
    }
}

bool IsInteger(const TModbusTagFields& f)
{
    switch (f.Source) {
    case kSourceSerial:
        return IsRegisterTable(f.RegisterTable) && f.Type != kModbusFloat &&
               f.Type != kModbusFloatInverted && f.Type != kModbusWordBit && f.Scale == kScaleNone;
    case kSourceAnalogInput:
        return f.Scale == kScaleNone;
    default:
        return false;
    }
}

int32_t GetLowestValueInt(const TModbusTagFields& f)
{
    if (!IsInteger(f)) return 0;
    switch (f.Type) {
    case kModbusSignedInt: return -32768;
    case kModbusLong:
    case kModbusLongInverted: return std::numeric_limits<int32_t>::min();
    default: return 0;
    }
}

int32_t GetHighestValueInt(const TModbusTagFields& f)
{
    if (!IsInteger(f)) return 0;
    switch (f.Type) {
    case kModbusUnsignedInt:
    case kModbusBCD: return 65535;
    case kModbusSignedInt: return 32767;
    case kModbusLong:
    case kModbusLongInverted: return std::numeric_limits<int32_t>::max();
    default: return 0;
    }
}

char ModbusTableDigit(int registerTable)
{
    switch (registerTable) {
    case kInputRegister: return '3';
    case kInputStatus: return '1';
    case kCoilStatus: return '0';
    default: return '4';
    }
}

// --- Filling and rules ------------------------------------------------------------------------

TModbusTagEditor ModbusTagEditorForAdd()
{
    TModbusTagEditor e;  // every field cleared, positive edge, "Modbus Serial", "Holding Register"
    SourceRule(e);
    TypeRule(e);
    RegisterTableRule(e);
    ReadOnlyRule(e);
    WriteLimitRule(e);
    AlarmRule(e);
    ScaleRule(e);
    return e;
}

TModbusTagEditor ModbusTagEditorForEdit(const TModbusTagConfig& tag, char separator)
{
    TModbusTagEditor e;
    TModbusTagFields& f = e.Fields;
    auto valueText = [&](const TTagValue& value) -> std::string {
        switch (tag.Kind) {
        case kKindInteger: return Decimal(value.AsInteger);
        case kKindFloat: return FloatText(value.AsFloat, separator);
        default: return {};
        }
    };

    f.Name = tag.Name;
    f.Source = tag.Source;
    f.UnitId = Decimal(tag.UnitId);
    f.RegisterTable = tag.RegisterTable;
    f.Type = tag.TagType;
    f.Address = AddressText(tag.Address);
    f.BitPosition = Decimal(tag.BitPosition);
    f.Enron = tag.Enron;

    RegisterTableRuleKeepingType(e);
    TypeRule(e);
    SourceRule(e);

    f.WriteLimits = tag.WriteLimits;
    f.MinWrite = valueText(tag.WriteMin);
    f.MaxWrite = valueText(tag.WriteMax);

    f.ReadOnly = tag.ReadOnly;
    e.Enabled.ReadOnly = !IsReadOnly(f);
    ReadOnlyRule(e);
    WriteLimitRule(e);

    f.AlarmEnable = tag.AlarmEnable;
    f.SendEmail = tag.AlarmEmail;
    AlarmRule(e);
    if (f.AlarmEnable) {
        if (tag.Kind == kKindDigital) {
            e.AlarmMode = TAlarmMode::Edge;
            f.PositiveEdge = IsPositiveEdge(tag.AlarmMin, tag.AlarmMax);
            f.LowestAlarm.clear();
            f.HighestAlarm.clear();
        } else {
            e.AlarmMode = TAlarmMode::Value;
            f.LowestAlarm = valueText(tag.AlarmMin);
            f.HighestAlarm = valueText(tag.AlarmMax);
        }
    } else {
        f.LowestAlarm.clear();
        f.HighestAlarm.clear();
        f.PositiveEdge = true;
    }
    AlarmRule(e);

    f.Scale = tag.Scale;
    if (f.Scale != kScaleNone) {
        f.FactorA = FloatText(tag.FactorA, separator);
        f.FactorB = FloatText(tag.FactorB, separator);
    } else {
        f.FactorA.clear();
        f.FactorB.clear();
    }
    ScaleRule(e);
    return e;
}

void ApplyModbusTagChange(TModbusTagEditor& e, ModbusTagControl control)
{
    switch (control) {
    case ModbusTagControl::Source: SourceRule(e); break;
    case ModbusTagControl::Type: TypeRule(e); break;
    case ModbusTagControl::RegisterTable: RegisterTableRule(e); break;
    case ModbusTagControl::ReadOnly:
        ReadOnlyRule(e);
        WriteLimitRule(e);
        break;
    case ModbusTagControl::WriteLimits: WriteLimitRule(e); break;
    case ModbusTagControl::AlarmEnable: AlarmRule(e); break;
    case ModbusTagControl::Scale: ScaleRule(e); break;
    case ModbusTagControl::AlarmPage: AlarmRule(e); break;
    case ModbusTagControl::ScalePage:
        if (e.AlarmMode == TAlarmMode::Edge) {
            e.Fields.Scale = kScaleNone;
            ScaleRule(e);
            e.Enabled.Scale = false;
        } else {
            e.Enabled.Scale = true;
        }
        break;
    }
}

// --- Validation and the record ----------------------------------------------------------------

TModbusTagCheck ValidateModbusTag(const TModbusTagFields& f, char separator)
{
    TModbusTagCheck check;
    if (f.Name.empty()) {
        check.Failure = Fail(texts::kTagMustHaveName, kConfigurationPage, "txtTagName");
        return check;
    }
    switch (f.Source) {
    case kSourceSerial:
        check.Failure = SerialChecks(f, separator, check.AddressWarning);
        break;
    case kSourceInternal:
        check.Failure = InternalChecks(f);
        break;
    default:
        check.Failure = InputOutputChecks(f);
        break;
    }
    return check;
}

TModbusTagBuild BuildModbusTagRecord(const TModbusTagFields& f, char separator)
{
    TModbusTagBuild build;
    TModbusTagConfig tag;
    const bool digital = IsDigital(f);
    const bool integer = IsInteger(f);
    // The field being converted, for the message of a text that does not convert.
    int page = kConfigurationPage;
    std::string field;
    auto integerOf = [&](const std::string& text, int onPage, const char* name) {
        page = onPage;
        field = name;
        return ParseInteger(text);
    };
    auto floatOf = [&](const std::string& text, int onPage, const char* name) {
        page = onPage;
        field = name;
        return ParseFloatText(text, separator);
    };
    try {
        tag.Name = f.Name;
        tag.Source = static_cast<uint8_t>(f.Source);
        switch (f.Source) {
        case kSourceSerial:
            tag.UnitId = integerOf(f.UnitId, kConfigurationPage, "txtUnitID");
            tag.TagType = static_cast<uint8_t>(f.Type);
            tag.RegisterTable = static_cast<uint8_t>(f.RegisterTable);
            tag.Address = integerOf(f.Address, kConfigurationPage, "txtAddress");
            tag.BitPosition = f.Type == kModbusWordBit
                                  ? integerOf(f.BitPosition, kConfigurationPage, "txtBitPosition")
                                  : 0;
            tag.Enron = f.Enron;
            break;
        case kSourceKavroInput:
        case kSourceKavroOutput:
            tag.TagType = kModbusSingleBit;
            tag.RegisterTable = f.Source == kSourceKavroInput ? kInputStatus : kCoilStatus;
            tag.BitPosition = integerOf(f.BitPosition, kConfigurationPage, "txtBitPosition");
            break;
        case kSourceInternal:
            tag.TagType = kModbusSingleBit;
            tag.RegisterTable = kInputStatus;
            break;
        case kSourceAnalogInput:
            tag.TagType = kModbusSignedInt;
            tag.RegisterTable = kInputRegister;
            tag.BitPosition = integerOf(f.BitPosition, kConfigurationPage, "txtBitPosition");
            break;
        default:
            break;
        }

        switch (f.Source) {
        case kSourceSerial:
            tag.ReadOnly = f.ReadOnly;
            tag.WriteLimits = f.WriteLimits;
            if (f.WriteLimits) {
                if (integer) {
                    tag.WriteMin.AsInteger = integerOf(f.MinWrite, kValuePage, "txtMinWrite");
                    tag.WriteMax.AsInteger = integerOf(f.MaxWrite, kValuePage, "txtMaxWrite");
                } else if (!digital) {
                    tag.WriteMin.AsFloat = floatOf(f.MinWrite, kValuePage, "txtMinWrite");
                    tag.WriteMax.AsFloat = floatOf(f.MaxWrite, kValuePage, "txtMaxWrite");
                }
            }
            break;
        case kSourceKavroOutput:
            tag.ReadOnly = f.ReadOnly;
            break;
        default:
            tag.ReadOnly = true;
            break;
        }

        tag.AlarmEnable = f.AlarmEnable;
        if (f.AlarmEnable) {
            tag.AlarmEmail = f.SendEmail;
            if (digital) {
                tag.AlarmMin.AsDigital = f.PositiveEdge;
                tag.AlarmMax.AsDigital = !f.PositiveEdge;
            } else if (integer) {
                tag.AlarmMin.AsInteger = integerOf(f.LowestAlarm, kAlarmPage, "txtLowestAlarm");
                tag.AlarmMax.AsInteger = integerOf(f.HighestAlarm, kAlarmPage, "txtHighestAlarm");
            } else {
                tag.AlarmMin.AsFloat = floatOf(f.LowestAlarm, kAlarmPage, "txtLowestAlarm");
                tag.AlarmMax.AsFloat = floatOf(f.HighestAlarm, kAlarmPage, "txtHighestAlarm");
            }
        }

        if (!digital) {
            tag.Scale = static_cast<uint8_t>(f.Scale);
            if (tag.Scale != kScaleNone) {
                tag.FactorA = floatOf(f.FactorA, kScalePage, "txtFactorA");
                tag.FactorB = floatOf(f.FactorB, kScalePage, "txtFactorB");
            }
        }
        tag.Kind = digital ? kKindDigital : integer ? kKindInteger : kKindFloat;
        build.Tag = tag;
    } catch (const ConversionError& error) {
        build.Failure = Fail(error.what(), page, field);
    }
    return build;
}

std::optional<TTagEditorFailure> ModbusTagRefusal(const TModbusTagConfig& tag, char separator)
{
    const TModbusTagEditor editor = ModbusTagEditorForEdit(tag, separator);
    TModbusTagCheck check = ValidateModbusTag(editor.Fields, separator);
    if (check.Failure) return check.Failure;
    return BuildModbusTagRecord(editor.Fields, separator).Failure;
}

}  // namespace qvs
