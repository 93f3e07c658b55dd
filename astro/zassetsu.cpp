// The 雑節 of the national almanac, each fixed by a solar term.
#include <algorithm>
#include <array>
#include <tuple>

#include "astro/almanac.h"
#include "astro/almanac_range.h"
#include "astro/almanac_search.h"
#include "astro/almanac_time.h"

namespace astro {

namespace {

// How a 雑節 follows from the Sun: the JST day of the Sun at `longitude_deg`, moved by
// `offsetDays`; `isInstant` when that day is the one the Sun reaches the longitude on.
struct ZassetsuRule {
    Zassetsu kind;
    double longitude_deg;
    int offsetDays;
    bool isInstant;
    // Month and day near which the Sun reaches the longitude in the year, to start the search.
    int nearMonth;
    int nearDay;
};

// 立春 is at 315 degrees; 八十八夜 and 二百十日 count it as the first day.
constexpr double RISSHUN_DEG = 315.0;
constexpr std::array<ZassetsuRule, 11> RULES = {{
    {Zassetsu::WinterDoyo, 297.0, 0, true, 1, 17},
    {Zassetsu::Setsubun, RISSHUN_DEG, -1, false, 2, 4},
    {Zassetsu::SpringHigan, 0.0, -3, false, 3, 20},
    {Zassetsu::SpringDoyo, 27.0, 0, true, 4, 17},
    {Zassetsu::Hachijuhachiya, RISSHUN_DEG, 87, false, 2, 4},
    {Zassetsu::Nyubai, 80.0, 0, true, 6, 11},
    {Zassetsu::Hangesho, 100.0, 0, true, 7, 2},
    {Zassetsu::SummerDoyo, 117.0, 0, true, 7, 20},
    {Zassetsu::Nihyakutoka, RISSHUN_DEG, 209, false, 2, 4},
    {Zassetsu::AutumnHigan, 180.0, -3, false, 9, 23},
    {Zassetsu::AutumnDoyo, 207.0, 0, true, 10, 20},
}};

// UTF-8 names, in the order of the enumeration.
constexpr std::array<const char*, 11> ZASSETSU_NAMES = {
    "土用の入り", "節分",       "彼岸の入り", "土用の入り", "八十八夜",  "入梅",
    "半夏生",     "土用の入り", "二百十日",   "彼岸の入り", "土用の入り"};

// The UT instant at which the Sun reaches `longitude_deg` near the JST date given.
double sunReaches(double longitude_deg, int year, int month, int day) {
    const double guess = terrestrialTime(startOfJstDay(*jstDayOfDate(year, month, day)));
    const double estimate = estimatedCrossing(SUN_LONGITUDE, longitude_deg, guess);
    return universalTime(preciseCrossing(SUN_LONGITUDE, longitude_deg, estimate));
}

}  // namespace

std::vector<ZassetsuDay> zassetsu(int year) {
    std::vector<ZassetsuDay> days;
    if (year < ALMANAC_FIRST_YEAR || year > ALMANAC_LAST_YEAR) return days;
    for (const ZassetsuRule& rule : RULES) {
        const double instant = sunReaches(rule.longitude_deg, year, rule.nearMonth, rule.nearDay);
        const GregorianDate date = dateOfJstDay(jstDayOf(instant) + rule.offsetDays);
        days.push_back({rule.kind, date.year, date.month, date.day,
                        rule.isInstant ? std::optional<double>(instant) : std::nullopt});
    }
    std::stable_sort(days.begin(), days.end(), [](const ZassetsuDay& a, const ZassetsuDay& b) {
        return std::make_tuple(a.month, a.day) < std::make_tuple(b.month, b.day);
    });
    return days;
}

const char* zassetsuName(Zassetsu kind) {
    const auto index = static_cast<std::size_t>(kind);
    return index < ZASSETSU_NAMES.size() ? ZASSETSU_NAMES[index] : "";
}

}  // namespace astro
