// The 旧暦 (Japanese lunisolar calendar) and its 六曜.
#include <array>
#include <cmath>
#include <optional>

#include "astro/almanac.h"
#include "astro/almanac_range.h"
#include "astro/almanac_search.h"
#include "astro/almanac_time.h"

namespace astro {

namespace {

// The Sun's longitude at the winter solstice, and between principal terms, degrees.
constexpr double WINTER_SOLSTICE_DEG = 270.0;
constexpr double PRINCIPAL_TERM_STEP_DEG = 30.0;
constexpr int MONTHS_PER_YEAR = 12;
// The month holding the winter solstice.
constexpr int SOLSTICE_MONTH = 11;

// The winter solstice falls on 21 or 22 December; the search starts from the 21st.
constexpr int SOLSTICE_GUESS_MONTH = 12;
constexpr int SOLSTICE_GUESS_DAY = 21;

// The JST day on which an angle reaches `target_deg` near `guessTT`: from the estimate when it
// lies more than `margin_days` from either JST midnight, else from the precise instant.
JstDay crossingDay(const CrossingAngle& angle, double target_deg, double guessTT,
                   double margin_days) {
    const double estimate = universalTime(estimatedCrossing(angle, target_deg, guessTT));
    const JstDay day = jstDayOf(estimate);
    const double sinceMidnight = estimate - startOfJstDay(day);
    if (sinceMidnight > margin_days && sinceMidnight < 1.0 - margin_days) return day;
    return jstDayOf(universalTime(preciseCrossing(angle, target_deg, terrestrialTime(estimate))));
}

// The JST day of the new moon of lunation `lunation` (counted from January 2000).
JstDay newMoonDay(long lunation) {
    const double mean =
        MEAN_NEW_MOON_JULIAN_DAY + static_cast<double>(lunation) * SYNODIC_MONTH_DAYS;
    return crossingDay(MOON_SUN_ELONGATION, 0.0, mean, NEW_MOON_MIDNIGHT_MARGIN_DAYS);
}

// The lunation whose new moon falls on the JST day `day` or is the last before it, and its day.
struct MonthStart {
    long lunation;
    JstDay day;
};
MonthStart monthStartOnOrBefore(JstDay day) {
    long lunation = static_cast<long>(std::floor(
        (terrestrialTime(startOfJstDay(day)) - MEAN_NEW_MOON_JULIAN_DAY) / SYNODIC_MONTH_DAYS));
    JstDay start = newMoonDay(lunation);
    while (start > day) start = newMoonDay(--lunation);
    for (JstDay next = newMoonDay(lunation + 1); next <= day; next = newMoonDay(lunation + 1)) {
        ++lunation;
        start = next;
    }
    return {lunation, start};
}

// The JST day of the winter solstice of the Gregorian year `year`.
JstDay winterSolsticeDay(int year) {
    const double guess = terrestrialTime(
        startOfJstDay(*jstDayOfDate(year, SOLSTICE_GUESS_MONTH, SOLSTICE_GUESS_DAY)));
    return crossingDay(SUN_LONGITUDE, WINTER_SOLSTICE_DEG, guess, SOLAR_TERM_MIDNIGHT_MARGIN_DAYS);
}

// The months from one 11th month to the next: the day each begins (the last entry being the
// next 11th month's), how many there are (12 or 13) and which is the leap month (-1 if none).
struct LunisolarYear {
    std::array<JstDay, 14> starts{};
    int months = 0;
    int leapIndex = -1;
};

// Whether one of the principal terms `principalTermDays` falls in [from, to).
bool holdsPrincipalTerm(const std::array<JstDay, 11>& principalTermDays, JstDay from, JstDay to) {
    for (JstDay d : principalTermDays)
        if (d >= from && d < to) return true;
    return false;
}

// The lunisolar year whose 11th month holds the winter solstice on `solstice`, up to the 11th
// month `nextEleventh` begins with.
LunisolarYear lunisolarYear(MonthStart eleventh, MonthStart nextEleventh, JstDay solstice) {
    LunisolarYear year;
    year.months = static_cast<int>(nextEleventh.lunation - eleventh.lunation);
    year.starts[0] = eleventh.day;
    for (int i = 1; i < year.months; ++i) year.starts[i] = newMoonDay(eleventh.lunation + i);
    year.starts[year.months] = nextEleventh.day;
    if (year.months <= MONTHS_PER_YEAR) return year;

    // The eleven principal terms after this winter solstice and before the next one.
    std::array<JstDay, 11> principalTermDays{};
    const double solsticeTT = terrestrialTime(startOfJstDay(solstice));
    const double termDays = TROPICAL_YEAR_DAYS / MONTHS_PER_YEAR;
    for (int i = 0; i < 11; ++i) {
        const double target =
            std::fmod(WINTER_SOLSTICE_DEG + PRINCIPAL_TERM_STEP_DEG * (i + 1), 360.0);
        principalTermDays[i] = crossingDay(SUN_LONGITUDE, target, solsticeTT + termDays * (i + 1),
                                           SOLAR_TERM_MIDNIGHT_MARGIN_DAYS);
    }
    for (int i = 1; i < year.months; ++i) {
        if (!holdsPrincipalTerm(principalTermDays, year.starts[i], year.starts[i + 1])) {
            year.leapIndex = i;
            break;
        }
    }
    return year;
}

// The lunisolar year holding the JST day `day`.
LunisolarYear lunisolarYearHolding(JstDay day) {
    const int gregorianYear = dateOfJstDay(day).year;
    int solsticeYear = gregorianYear;
    JstDay solstice = winterSolsticeDay(solsticeYear);
    MonthStart eleventh = monthStartOnOrBefore(solstice);
    if (eleventh.day > day) {
        solsticeYear = gregorianYear - 1;
        solstice = winterSolsticeDay(solsticeYear);
        eleventh = monthStartOnOrBefore(solstice);
    }
    const MonthStart nextEleventh = monthStartOnOrBefore(winterSolsticeDay(solsticeYear + 1));
    return lunisolarYear(eleventh, nextEleventh, solstice);
}

// A month's number from its place after the 11th month and the leap month's place.
LunisolarDate numberedDate(const LunisolarYear& year, int index, int day) {
    const bool afterLeap = year.leapIndex >= 0 && index >= year.leapIndex;
    const int monthsOn = afterLeap ? index - 1 : index;
    const int month = (SOLSTICE_MONTH - 1 + monthsOn) % MONTHS_PER_YEAR + 1;
    return {month, index == year.leapIndex, day};
}

// The lunisolar years looked up last on this thread: a month of dates needs one or two.
struct LunisolarYearCache {
    std::array<LunisolarYear, 2> years{};
    int next = 0;

    const LunisolarYear* holding(JstDay day) const {
        for (const LunisolarYear& y : years)
            if (y.months > 0 && day >= y.starts[0] && day < y.starts[y.months]) return &y;
        return nullptr;
    }
    const LunisolarYear& add(const LunisolarYear& year) {
        LunisolarYear& slot = years[next];
        next = (next + 1) % static_cast<int>(years.size());
        slot = year;
        return slot;
    }
};

const LunisolarYear& cachedLunisolarYearHolding(JstDay day) {
    thread_local LunisolarYearCache cache;
    if (const LunisolarYear* found = cache.holding(day)) return *found;
    return cache.add(lunisolarYearHolding(day));
}

// UTF-8 names of the 六曜, in the order of the enumeration.
constexpr std::array<const char*, 6> ROKUYO_NAMES = {"大安", "赤口", "先勝",
                                                     "友引", "先負", "仏滅"};

}  // namespace

std::optional<LunisolarDate> lunisolarDate(int year, int month, int day) {
    if (year < LUNISOLAR_FIRST_YEAR || year > LUNISOLAR_LAST_YEAR) return std::nullopt;
    const std::optional<JstDay> jstDay = jstDayOfDate(year, month, day);
    if (!jstDay) return std::nullopt;
    const LunisolarYear& lunisolar = cachedLunisolarYearHolding(*jstDay);
    int index = 0;
    while (lunisolar.starts[index + 1] <= *jstDay) ++index;
    return numberedDate(lunisolar, index, static_cast<int>(*jstDay - lunisolar.starts[index]) + 1);
}

Rokuyo rokuyoOf(const LunisolarDate& date) {
    const int count = static_cast<int>(ROKUYO_NAMES.size());
    return static_cast<Rokuyo>(((date.month + date.day) % count + count) % count);
}

std::optional<Rokuyo> rokuyo(int year, int month, int day) {
    const std::optional<LunisolarDate> date = lunisolarDate(year, month, day);
    if (!date) return std::nullopt;
    return rokuyoOf(*date);
}

const char* rokuyoName(Rokuyo day) {
    const auto index = static_cast<std::size_t>(day);
    return index < ROKUYO_NAMES.size() ? ROKUYO_NAMES[index] : "";
}

}  // namespace astro
