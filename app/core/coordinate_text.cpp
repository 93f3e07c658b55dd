#include "app/core/coordinate_text.h"

#include <array>
#include <charconv>
#include <cstddef>
#include <string>

namespace app {
namespace {

// Room for the longest shortest fixed text of a double: "-" and the 309 digits of the largest
// one, or "-0." and the 324 fraction digits of the smallest one.
constexpr std::size_t FIXED_TEXT_ROOM = 400;

}  // namespace

std::string coordinateText(double degrees) {
    if (degrees == 0.0) return "0";  // -0 too: a box never shows zero with a minus sign
    std::array<char, FIXED_TEXT_ROOM> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), degrees,
                                      std::chars_format::fixed);
    return std::string(buffer.data(), result.ptr);
}

}  // namespace app
