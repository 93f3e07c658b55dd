// Japanese names of the almanac's events, as the month table, its copies and the calendar
// file show them.
#pragma once

#include "astro/almanac.h"

namespace app {

// The name of a principal phase in UTF-8: 新月, 上弦, 満月 or 下弦.
const char* lunarPhaseName(astro::LunarPhase phase);

// The name of the solar term (二十四節気) at the Sun's apparent longitude `longitude_deg`
// (0, 15, ..., 345) in UTF-8: 春分 at 0, 清明 at 15, ... 啓蟄 at 345. The empty text for a
// longitude that is not a multiple of 15 in [0, 360).
const char* solarTermName(int longitude_deg);

}  // namespace app
