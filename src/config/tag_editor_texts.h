#pragma once

// Texts of the tag editors, the internal-tag picker and the integer input dialog, exactly as the
// user sees them.
namespace qvs::texts {

// Modbus tag editor: captions.
inline constexpr const char* kEditModbusTag = "Edit Modbus Tag";
inline constexpr const char* kAddModbusTag = "Add Modbus Tag";

// Modbus tag editor: validation.
inline constexpr const char* kTagMustHaveName = "Tag must have a name.";
inline constexpr const char* kUnitIdMustBeProvided = "Modbus Unit ID must be provided.";
inline constexpr const char* kUnitIdRange = "Unit ID must be between 1 and 255.";
inline constexpr const char* kCoilsMustBeSingleBit =
    "\"Coils\" and \"Input Status\" must be of type \"Single Bit\".";
inline constexpr const char* kRegistersCannotBeSingleBit =
    "\"Inputs Register\" and \"Holding Registers\" cannot be of type \"Single Bit\".";
inline constexpr const char* kAddressMustBeProvided = "Register Address must be provided.";
inline constexpr const char* kAddressMustBeComplete = "Register Address must be complete.";
inline constexpr const char* kAddressRange = "In %d digit format, Address must be between %s and %s.";
inline constexpr const char* kAddressConverted =
    "The entered Address will be converted in its equivalent value expressed in the 5 digits Format.";
inline constexpr const char* kBitPositionMustBeProvided = "Bit Position must be provided for this type.";
inline constexpr const char* kBitPositionRange = "Bit Position must be between %s and %s.";
inline constexpr const char* kTagMustBeReadOnly = "Tag must be Read Only.";
inline constexpr const char* kDigitalNoWriteLimits = "Digital Tags cannot have writting limits.";
inline constexpr const char* kWritingLimitsNotValid = "Writing Limits are not valid";
inline constexpr const char* kAlarmRangeNotValid = "Alarm Range is not valid";
inline constexpr const char* kDigitalNotScalable = "Digital Tags cannot be scalable";
inline constexpr const char* kScaleFactorsNotValid = "Scale Factors are not valid";
inline constexpr const char* kWriteLimitsMustBeInteger = "Write Limits must be Integer for this type of Tag.";
inline constexpr const char* kAlarmMustBeInteger = "Alarm range values must be Integer for this type of Tag.";
inline constexpr const char* kWriteLimitsRange = "Write Limits must be between %d and %d for the selected type.";
inline constexpr const char* kAlarmRange = "Alarm Range Values must be between %d and %d for the selected type.";
inline constexpr const char* kUnrecognizedInternalTag = "Unrecognized Internal Tag Name.";

// The callers of the tag editors.
inline constexpr const char* kTagAlreadyExists = "The Tag %s already exists.";
inline constexpr const char* kTooManyTags = "Cannot add more than 128 Tags.";
inline constexpr const char* kConfirmDeleteTag = "Are you sure to delete the Tag \"%s\"";

// Internal-tag picker.
inline constexpr const char* kSelectInternalTag = "Select Internal Tag";
inline constexpr const char* kAvailableInternalTags = "Available Internal Tags";
inline constexpr const char* kInternalTagName = "Tag Name";
inline constexpr const char* kInternalTagType = "Type";
inline constexpr const char* kDescription = "Description";
inline constexpr const char* kInternalDigital = "Digital";
inline constexpr const char* kCommErrorDescription =
    "The Value of the Tag \"_COMMERROR\" becomes 1 when a Serial Communication error is detected.";
inline constexpr const char* kAlarmDescription =
    "The Value of the Tag \"_ALARM\" becomes 1 when any other Tag (except Internal Tags) are in "
    "Alarm State, acknowledged or not.";
inline constexpr const char* kAlarmNakDescription =
    "The Value of the Tag \"_ALARMNAK\" becomes 1 when any other Tag (except Internal Tags) are in "
    "Not Acknowledged Alarm State.";

// Integer input dialog.
inline constexpr const char* kEnterValue = "Enter Value";
inline constexpr const char* kNotAValidValue = "Not a valid value.\r\nPlease enter a value between %d and %d.";

}  // namespace qvs::texts
