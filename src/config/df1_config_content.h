#pragma once

#include "config_content.h"

#include <string_view>

namespace qvs {

// The content of a DF1 configuration document (TMDIDF1Config without its window).
class TDF1ConfigContent : public TConfigContent {
public:
    explicit TDF1ConfigContent(char separator = SystemDecimalSeparator());

    // Appends a row made from the record; neither the count nor the name is checked.
    void AddTagToList(const TDF1TagConfig& tag);
    // Rewrites the selected row from the record; nothing without a selection.
    void ReplaceSelectedTag(const TDF1TagConfig& tag);
    // Parses the row at `position` into `tag`. False, with `tag` untouched, for a position
    // outside the list; throws IntegerConversionError or FloatConversionError for a number cell
    // that does not convert.
    bool GetTagFromList(int position, TDF1TagConfig& tag) const;

    // The whole configuration. Throws the conversion errors above for a row or a number field
    // that does not convert (run Validate or ValidateForSend first).
    // Only five recipients fit the record; a document holding a sixth one (from a file) is
    // refused by ValidateForSend, which every send runs first.
    TDF1KavroConfig GetAllConfig() const;
    // Fills the document from a record; every change counts as a change.
    void SetAllConfig(const TDF1KavroConfig& config);
};

}  // namespace qvs
