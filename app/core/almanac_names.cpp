#include "app/core/almanac_names.h"

namespace app {

namespace {

// Degrees of the Sun's longitude between one solar term and the next.
constexpr int TERM_STEP_DEG = 15;

// The 24 terms from the vernal equinox (0 degrees) on, a term every 15 degrees.
constexpr const char* SOLAR_TERM_NAMES[] = {
    "春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑", "大暑", "立秋", "処暑", "白露",
    "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄",
};

constexpr int TERM_COUNT = static_cast<int>(sizeof SOLAR_TERM_NAMES / sizeof *SOLAR_TERM_NAMES);

}  // namespace

const char* lunarPhaseName(astro::LunarPhase phase) {
    switch (phase) {
        case astro::LunarPhase::NewMoon:
            return "新月";
        case astro::LunarPhase::FirstQuarter:
            return "上弦";
        case astro::LunarPhase::FullMoon:
            return "満月";
        case astro::LunarPhase::LastQuarter:
            return "下弦";
    }
    return "";
}

const char* solarTermName(int longitude_deg) {
    if (longitude_deg < 0 || longitude_deg % TERM_STEP_DEG != 0) return "";
    const int index = longitude_deg / TERM_STEP_DEG;
    return index < TERM_COUNT ? SOLAR_TERM_NAMES[index] : "";
}

}  // namespace app
