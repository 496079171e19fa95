#pragma once

#include "tag_records.h"

#include <string>

namespace qvs::cli {

// Whole-configuration records as JSON (the records' field names, in their order, with a
// top-level "Flavour" of "MB", "HL" or "DF1" and `TagCount` entries in "Tags") or as readable
// text (one "Name: value" line per field, list codes followed by their text).
std::string RecordJson(const TModbusKavroConfig& config);
std::string RecordJson(const THostlinkKavroConfig& config);
std::string RecordJson(const TDF1KavroConfig& config);
std::string RecordText(const TModbusKavroConfig& config);
std::string RecordText(const THostlinkKavroConfig& config);
std::string RecordText(const TDF1KavroConfig& config);

}  // namespace qvs::cli
