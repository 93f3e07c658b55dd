// The text a coordinate is put into a box with.
#pragma once

#include <string>

namespace app {

// The shortest decimal text that reads back as `degrees`: a full stop as the decimal
// separator, a leading minus sign for negative values, no decimal point for whole numbers
// (35.65 gives "35.65", 121 gives "121", -0.18 gives "-0.18"), never an exponent (1e-7 gives
// "0.0000001"). Zero, -0 included, gives "0". Infinity and NaN, which are no coordinates,
// give "inf", "-inf" and "nan", texts that read as 0.
std::string coordinateText(double degrees);

}  // namespace app
