#pragma once

#include "config_content.h"

#include <string_view>

namespace qvs {

// The content of a Modbus configuration document (TMDIModbusConfig without its window).
class TModbusConfigContent : public TConfigContent {
public:
    explicit TModbusConfigContent(char separator = SystemDecimalSeparator());

    // Appends a row made from the record; neither the count nor the name is checked.
    void AddTagToList(const TModbusTagConfig& tag);
    // Rewrites the selected row from the record; nothing without a selection.
    void ReplaceSelectedTag(const TModbusTagConfig& tag);
    // Parses the row at `position` into `tag`. False, with `tag` untouched, for a position
    // outside the list; throws IntegerConversionError or FloatConversionError for a number cell
    // that does not convert.
    bool GetTagFromList(int position, TModbusTagConfig& tag) const;

    // The whole configuration; `includeAuth` false leaves Auth, User and Password false and
    // empty (older firmware, see ModbusAuthRelaySupported). Throws the conversion errors above for a row or a number field
    // that does not convert (run Validate or ValidateForSend first).
    // Only five recipients fit the record; a document holding a sixth one (from a file) is
    // refused by ValidateForSend, which every send runs first.
    TModbusKavroConfig GetAllConfig(bool includeAuth = true) const;
    // Fills the document from a record; every change counts as a change.
    void SetAllConfig(const TModbusKavroConfig& config);
};

}  // namespace qvs

namespace qvs {

// Whether a gateway with this firmware relays e-mail with authentication (from "2.0.6"); when it
// does not, GetAllConfig leaves Auth, User and Password out. Throws IntegerConversionError for a
// version that does not convert.
bool ModbusAuthRelaySupported(std::string_view firmware);

}  // namespace qvs
