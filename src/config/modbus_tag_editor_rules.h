#pragma once

#include "number_text.h"
#include "tag_records.h"

#include <cstdint>
#include <optional>
#include <string>

// The Modbus tag editor without its window: the values of its fields, the rules that keep them
// consistent while the user edits, the checks run on OK and the record built from a valid entry.
// The dialog (TfrmModbusTags) shows a TModbusTagEditor and hands every change of a control to
// ApplyModbusTagChange.
namespace qvs {

// The editor's pages, in tab order.
enum class ModbusTagPage { Configuration = 0, Value = 1, Alarm = 2, Scale = 3 };

// Edge: the tag is digital, its alarm fires on an edge. Value: it has two alarm limits.
enum class TAlarmMode { Edge, Value };

// What the fields hold, as on screen: list positions, check boxes, texts as typed.
struct TModbusTagFields {
    std::string Name;
    int Source = kSourceSerial;
    std::string UnitId;
    int Type = kModbusUnsignedInt;
    int RegisterTable = kHoldingRegister;
    std::string Address;  // the five positions after the table digit, trailing blanks removed
    std::string BitPosition;
    bool Enron = false;
    bool ReadOnly = false;
    bool WriteLimits = false;
    std::string MinWrite;
    std::string MaxWrite;
    bool AlarmEnable = false;
    bool PositiveEdge = true;  // false: negative edge
    std::string LowestAlarm;
    std::string HighestAlarm;
    bool SendEmail = false;
    int Scale = kScaleNone;
    std::string FactorA;
    std::string FactorB;

    bool operator==(const TModbusTagFields&) const = default;
};

// Which controls take input. Labels follow their controls.
struct TModbusTagEnables {
    bool Internal = false;  // btnInternal
    bool UnitId = true;
    bool Type = true;
    bool RegisterTable = true;
    bool Address = true;
    bool BitPosition = false;
    bool Enron = false;
    bool ReadOnly = true;
    bool WriteLimits = true;
    bool WriteLimitFields = false;  // txtMinWrite, txtMaxWrite
    bool AlarmEdges = false;        // rdoPositive, rdoNegative
    bool AlarmLimits = false;       // txtLowestAlarm, txtHighestAlarm
    bool SendEmail = false;
    bool Scale = true;
    bool Factors = false;

    bool operator==(const TModbusTagEnables&) const = default;
};

struct TModbusTagEditor {
    TModbusTagFields Fields;
    TModbusTagEnables Enabled;
    TAlarmMode AlarmMode = TAlarmMode::Value;

    // The alarm page shows the edge choices in edge mode and the limit fields in value mode.
    bool EdgesVisible() const { return AlarmMode == TAlarmMode::Edge; }
    bool LimitsVisible() const { return AlarmMode == TAlarmMode::Value; }

    bool operator==(const TModbusTagEditor&) const = default;
};

// The controls whose change runs a rule (the other fields only hold what was typed).
enum class ModbusTagControl {
    Source,
    Type,
    RegisterTable,
    ReadOnly,
    WriteLimits,
    AlarmEnable,
    Scale,
    AlarmPage,  // the "Alarm" page was opened
    ScalePage,  // the "Scale" page was opened
};

// --- Classification of the entry ------------------------------------------------------------
bool IsDigital(const TModbusTagFields& fields);
// Read access is forced by the source or the register table.
bool IsReadOnly(const TModbusTagFields& fields);
bool IsInteger(const TModbusTagFields& fields);
// The value range of an integer entry by type; both 0 when it is not integer.
int32_t GetLowestValueInt(const TModbusTagFields& fields);
int32_t GetHighestValueInt(const TModbusTagFields& fields);

// The fixed first character of the address field: "4", "3", "1" or "0".
char ModbusTableDigit(int registerTable);

// --- Filling and rules ------------------------------------------------------------------------
// The cleared entry of add mode, with its rules applied.
TModbusTagEditor ModbusTagEditorForAdd();
// The entry of edit mode, filled from the record (floats with up to 15 significant digits and
// `separator`).
TModbusTagEditor ModbusTagEditorForEdit(const TModbusTagConfig& tag,
                                        char separator = SystemDecimalSeparator());
// Runs the rule of the control the user changed; the fields already hold the new value.
void ApplyModbusTagChange(TModbusTagEditor& editor, ModbusTagControl control);

// --- Validation and the record ----------------------------------------------------------------
// A refused entry: the message of the error box, and where to take the user.
struct TTagEditorFailure {
    std::string Message;
    int Page = 0;
    std::string Field;  // the control's name

    bool operator==(const TTagEditorFailure&) const = default;
};

struct TModbusTagCheck {
    // The address will be stored in its five-digit form; shown as a warning before any failure.
    bool AddressWarning = false;
    std::optional<TTagEditorFailure> Failure;
};

// The checks of OK, in their order; numbers are read with `separator`.
TModbusTagCheck ValidateModbusTag(const TModbusTagFields& fields,
                                  char separator = SystemDecimalSeparator());

struct TModbusTagBuild {
    std::optional<TModbusTagConfig> Tag;
    // A text the checks do not look at (the alarm limits and factors of an analog input) did not
    // convert: the conversion error's message.
    std::optional<TTagEditorFailure> Failure;
};

// The record of a validated entry.
TModbusTagBuild BuildModbusTagRecord(const TModbusTagFields& fields,
                                     char separator = SystemDecimalSeparator());

// What the editor would refuse if the record were opened in it and OK pressed unchanged: the
// first failing check or a text that does not convert; none when it would accept it.
std::optional<TTagEditorFailure> ModbusTagRefusal(const TModbusTagConfig& tag,
                                                  char separator = SystemDecimalSeparator());

}  // namespace qvs
