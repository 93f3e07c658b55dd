// What the user is told, in Japanese, when a calculation is refused.
#pragma once

#include <string>
#include <string_view>

#include "app/core/calculation_sequence.h"

namespace app {

// The name the user knows the box of an entered field by (UTF-8): 年, 月, 日, 時, 分, 秒, 緯度,
// 経度.
std::string_view enteredFieldName(astro::EnteredField field);

// The message (UTF-8) for a refused calculation: the box to look at and, for the year and the
// latitude, the range they are calculated in.
std::string refusalMessage(const CalculationRefusal& refusal);

}  // namespace app
