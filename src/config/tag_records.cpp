#include "tag_records.h"

namespace qvs {

uint8_t ModbusTagKind(const TModbusTagConfig& tag)
{
    if (tag.Source != kSourceSerial || tag.RegisterTable == kInputStatus ||
        tag.RegisterTable == kCoilStatus || tag.TagType == kModbusWordBit)
        return kKindDigital;
    const bool integerTable =
        tag.RegisterTable == kHoldingRegister || tag.RegisterTable == kInputRegister;
    const bool floatOrBit = tag.TagType == kModbusFloat || tag.TagType == kModbusFloatInverted ||
                            tag.TagType == kModbusWordBit;
    if (tag.Scale == kScaleNone && integerTable && !floatOrBit) return kKindInteger;
    return kKindFloat;
}

namespace {

template <typename Tag>
uint8_t HostlinkOrDF1Kind(const Tag& tag)
{
    if (tag.Source != kSourceSerial || tag.TagType == kTypeWordBit) return kKindDigital;
    if (tag.Scale == kScaleNone && tag.TagType != kTypeFloat) return kKindInteger;
    return kKindFloat;
}

}  // namespace

uint8_t HostlinkTagKind(const THostlinkTagConfig& tag) { return HostlinkOrDF1Kind(tag); }

uint8_t DF1TagKind(const TDF1TagConfig& tag) { return HostlinkOrDF1Kind(tag); }

bool IsPositiveEdge(const TTagValue& alarmMin, const TTagValue& alarmMax)
{
    return alarmMin.AsDigital || !alarmMax.AsDigital;
}

}  // namespace qvs
