#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace qvs {

// The decimal separator of the user's locale (LC_NUMERIC), "." when it has none.
char SystemDecimalSeparator();

// A signed 32-bit decimal integer: optional sign, digits, nothing else.
// Throws IntegerConversionError with the text otherwise.
int32_t ParseInteger(std::string_view text);

// A decimal number written with the given separator, an optional exponent and
// optional blanks around it. Throws FloatConversionError with the text otherwise.
long double ParseDecimal(std::string_view text, char separator);

}  // namespace qvs
