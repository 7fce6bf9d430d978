#pragma once

#include <string>

#include "core/model/Distance.h"

namespace kelvane {

// The two texts in which the program shows distances.

// The short text of the habitable zone: a blank for zero or a positive value,
// a minus sign otherwise; at most four decimals, no trailing zeros, no point
// for a whole value, no "0" before the point, always "." (0.75 -> " .75",
// 1.2 -> " 1.2", 2 -> " 2", -0.5 -> "-.5").
std::string ShortNumberText(Distance d);

// The pattern "##0.0": one decimal, halves away from zero, at least one digit
// before the separator (0.35 -> "0.4", 12 -> "12.0", 1234.56 -> "1234.6").
std::string OneDecimalText(Distance d, char separator);

} // namespace kelvane
