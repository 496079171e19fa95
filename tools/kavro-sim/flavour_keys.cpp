#include "flavour_keys.h"

#include "number_text.h"
#include "qprot_errors.h"
#include "qprot_packet.h"

namespace qvs::sim {

namespace {

using K = ValueKind;

const std::vector<KeySpec> kModbusCom = {
    {"COM", K::Integer, "0"},      {"COMTYPE", K::Integer, "0"},  {"FORMAT", K::Integer, "0"},
    {"BAUD", K::Integer, "9600"},  {"PARITY", K::Integer, "0"},   {"PKTTOUT", K::Integer, "4"},
    {"MSGTOUT", K::Integer, "1000"}, {"RETRIES", K::Integer, "1"}, {"SCANTIME", K::Integer, "100"},
};
const std::vector<KeySpec> kHostlinkCom = {
    {"COM", K::Integer, "0"},     {"COMTYPE", K::Integer, "0"},    {"BAUD", K::Integer, "9600"},
    {"PARITY", K::Integer, "0"},  {"MSGTOUT", K::Integer, "1000"}, {"RETRIES", K::Integer, "1"},
    {"SCANTIME", K::Integer, "100"},
};
const std::vector<KeySpec> kDF1Com = {
    {"COM", K::Integer, "0"},       {"COMTYPE", K::Integer, "0"},  {"BAUD", K::Integer, "9600"},
    {"DATABITS", K::Integer, "0"},  {"PARITY", K::Integer, "0"},   {"MSGTOUT", K::Integer, "1000"},
    {"SCANTIME", K::Integer, "100"}, {"ERRORMTHD", K::Integer, "0"},
};
const std::vector<KeySpec> kSmtp = {
    {"ENABLE", K::Boolean, "0"}, {"SERVER", K::Text, ""},    {"TIMEOUT", K::Integer, "20"},
    {"RETRIES", K::Integer, "5"}, {"RETRYINT", K::Integer, "10"}, {"FROM", K::Text, ""},
    {"AUTH", K::Boolean, "0"},   {"USER", K::Text, ""},      {"PASS", K::Text, ""},
};

#define QVS_TAG_TAIL                                                                       \
    {"BIT", K::Integer, "0"}, {"SCALE", K::Integer, "1"}, {"FACT_A", K::Float, "0.00000000E0"}, \
    {"FACT_B", K::Float, "0.00000000E0"}, {"READONLY", K::Boolean, "0"},                   \
    {"LIMITS", K::Boolean, "0"}, {"ALARM", K::Boolean, "0"}, {"EMAIL", K::Boolean, "0"},   \
    {"WRLO", K::Limit, "0"}, {"WRHI", K::Limit, "0"}, {"ALLO", K::Limit, "0"},             \
    {"ALHI", K::Limit, "0"}

const std::vector<KeySpec> kModbusTag = {
    {"NAME", K::Text, ""}, {"SOURCE", K::Integer, "0"}, {"UNIT", K::Integer, "1"},
    {"TYPE", K::Integer, "0"}, {"MBFUNC", K::Integer, "4"}, {"ADDRESS", K::Integer, "0"},
    {"REG32", K::Boolean, "0"}, QVS_TAG_TAIL,
};
const std::vector<KeySpec> kHostlinkTag = {
    {"NAME", K::Text, ""}, {"SOURCE", K::Integer, "0"}, {"UNIT", K::Integer, "0"},
    {"TYPE", K::Integer, "0"}, {"HLFUNC", K::Integer, "0"}, {"ADDRESS", K::Integer, "0"},
    QVS_TAG_TAIL,
};
const std::vector<KeySpec> kDF1Tag = {
    {"NAME", K::Text, ""}, {"SOURCE", K::Integer, "0"}, {"FILETYPE", K::Integer, "137"},
    {"FILENUMBER", K::Integer, "0"}, {"ELEMENT", K::Integer, "0"}, {"SUBELEMENT", K::Integer, "0"},
    {"TYPE", K::Integer, "0"}, QVS_TAG_TAIL,
};
#undef QVS_TAG_TAIL

bool IsInteger(const std::string& value)
{
    try {
        ParseInteger(value);
        return true;
    } catch (const ConversionError&) {
        return false;
    }
}

bool IsFloat(const std::string& value)
{
    try {
        TPacket probe("P(X=" + value + ",);");
        probe.GetFloat("X", 0, '.');
        return value.find('E') != std::string::npos;
    } catch (const QProtError&) {
        return false;
    }
}

int IntegerOr(const KeyMap& tag, const char* key, int fallback)
{
    const auto it = tag.find(key);
    if (it == tag.end() || it->second.empty())
        return fallback;
    try {
        return ParseInteger(it->second);
    } catch (const ConversionError&) {
        return fallback;
    }
}

}  // namespace

const std::vector<KeySpec>& ComKeys(ConfigFlavour flavour)
{
    switch (flavour) {
    case ConfigFlavour::Hostlink: return kHostlinkCom;
    case ConfigFlavour::DF1: return kDF1Com;
    default: return kModbusCom;
    }
}

const std::vector<KeySpec>& SmtpKeys() { return kSmtp; }

const std::vector<KeySpec>& TagKeys(ConfigFlavour flavour)
{
    switch (flavour) {
    case ConfigFlavour::Hostlink: return kHostlinkTag;
    case ConfigFlavour::DF1: return kDF1Tag;
    default: return kModbusTag;
    }
}

const KeySpec* FindKey(const std::vector<KeySpec>& keys, const std::string& key)
{
    for (const auto& rule : keys)
        if (key == rule.Key)
            return &rule;
    return nullptr;
}

bool ValueFits(ValueKind kind, const std::string& value)
{
    if (value.empty())
        return true;  // an empty value reads as the default everywhere
    switch (kind) {
    case ValueKind::Integer: return IsInteger(value);
    case ValueKind::Boolean: return value == "0" || value == "1";
    case ValueKind::Float: return IsFloat(value);
    case ValueKind::Limit: return IsInteger(value) || IsFloat(value);
    case ValueKind::Text: return true;
    }
    return false;
}

std::string StoredOrDefault(const KeyMap& stored, const KeySpec& rule)
{
    const auto it = stored.find(rule.Key);
    return it != stored.end() ? it->second : rule.Default;
}

int TagKind(ConfigFlavour flavour, const KeyMap& tag)
{
    const int source = IntegerOr(tag, "SOURCE", 0);
    const int type = IntegerOr(tag, "TYPE", 0);
    const int scale = IntegerOr(tag, "SCALE", 1);
    if (source != 0 && source != 4)
        return 0;
    const bool modbus = flavour == ConfigFlavour::Modbus;
    const int floatA = modbus ? 4 : 3;
    const int floatB = modbus ? 5 : 3;
    const int wordBit = modbus ? 7 : 5;
    const int singleBit = modbus ? 8 : 6;
    if (type == wordBit || type == singleBit)
        return 0;
    if (modbus && source == 0) {
        const int table = IntegerOr(tag, "MBFUNC", 4);
        if (table == 0 || table == 1)  // coils and input status are bits
            return 0;
    }
    if (type == floatA || type == floatB)
        return 2;
    return scale == 1 ? 1 : 2;
}

}  // namespace qvs::sim
