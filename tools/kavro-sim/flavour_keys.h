#pragma once

#include "gateway_models.h"
#include "plant_model.h"

#include <string>
#include <vector>

namespace qvs::sim {

// How a key's value must read for the gateway to take it.
enum class ValueKind { Integer, Boolean, Float, Text, Limit };

struct KeySpec {
    const char* Key;
    ValueKind Kind;
    const char* Default;  // what a gateway that was never told reports
};

// The keys each flavour's firmware knows, in the order the gateway reports them.
const std::vector<KeySpec>& ComKeys(ConfigFlavour flavour);
const std::vector<KeySpec>& SmtpKeys();
const std::vector<KeySpec>& TagKeys(ConfigFlavour flavour);

const KeySpec* FindKey(const std::vector<KeySpec>& keys, const std::string& key);
// True when the text is acceptable for the kind (a limit may be any of the number forms).
bool ValueFits(ValueKind kind, const std::string& value);

// The stored value of a key, or the gateway's default for it.
std::string StoredOrDefault(const KeyMap& stored, const KeySpec& rule);

// The value kind of a configured tag: 0 digital, 1 integer, 2 real, from the same
// keys the monitor reads (TYPE and SCALE), with every non-serial point but analog
// inputs digital.
int TagKind(ConfigFlavour flavour, const KeyMap& tag);

}  // namespace qvs::sim
