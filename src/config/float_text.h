#pragma once

#include "number_text.h"

#include <string>
#include <string_view>

namespace qvs {

// A 32-bit float as the user sees it and as kvr rows hold it: the value widened exactly, at most
// 15 significant digits, trailing zeros dropped, plain notation for zero and for magnitudes from
// 0.0001 up to below 1E15, otherwise mantissa "E" exponent (1.5E-5, 1E15); `separator` between
// the integer and fraction digits. 0.1f gives 0.100000001490116.
std::string FloatText(float value, char separator = SystemDecimalSeparator());

// Parses a float text written with `separator`, exponent notation accepted. Throws
// FloatConversionError ("'%s' is not a valid floating point value") when the text is no number
// or lies beyond the range of a 32-bit float.
float ParseFloatText(std::string_view text, char separator = SystemDecimalSeparator());

// The Modbus reading and writing of numeric tag cells: a trimmed text that starts with "-" or a
// digit gets the user's separator ("." and "," swapped to it); any other text stays as given.
std::string NormalizeDecimal(std::string_view text, char separator = SystemDecimalSeparator());

}  // namespace qvs
