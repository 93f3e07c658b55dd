// Display of numbers in the result fields.
#pragma once

#include <string>
#include <string_view>

namespace app {

// `value` in the format patterns "0.00", "0.000", "0.0": at least one digit before the
// decimal separator and exactly `decimals` after it, rounded half away from zero on the
// exact value; a minus sign for negative values, except where the value rounds to zero
// ("0.00", never "-0.00"). `decimalSeparator` is the user's locale's (UTF-8); there are no
// grouping separators. A `decimals` of 0 or less gives the integer alone, without separator.
// Infinity and NaN, which no result field is given, give the empty text.
std::string formatFixed(double value, int decimals, std::string_view decimalSeparator);

}  // namespace app
