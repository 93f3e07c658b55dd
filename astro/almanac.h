// The almanac: the Moon's phases, the 24 solar terms (二十四節気), the Japanese lunisolar
// calendar (旧暦) with its 六曜, and the 雑節, from the precise positions of
// astro/precise_position.h. Instants are Universal Time Julian days; dates are Japan Standard
// Time. Phases and terms are found in 1800-2400, 旧暦 and 六曜 from 1873 (Japan's first
// Gregorian year) to 2400; outside, the lists are empty and the values absent.
#pragma once

#include <optional>
#include <vector>

namespace astro {

// The four principal phases: the Moon's apparent longitude less the Sun's is 0, 90, 180, 270.
enum class LunarPhase { NewMoon, FirstQuarter, FullMoon, LastQuarter };

// A phase and its instant (UT Julian day).
struct LunarPhaseEvent {
    LunarPhase phase;
    double julianDay;
};

// Every phase with its instant in [fromJulianDay, toJulianDay) (UT), in time order. Within a
// minute of the instant with the true Moon (ERFA's eraMoon98, 18" at worst) in TT; the UT
// instant adds Delta T's own uncertainty. Empty for an empty range or outside 1800-2400.
std::vector<LunarPhaseEvent> lunarPhases(double fromJulianDay, double toJulianDay);

// A solar term: the Sun's apparent longitude (0, 15, ..., 345 degrees) and its instant (UT).
struct SolarTermEvent {
    int longitude;
    double julianDay;
};

// Every instant in [fromJulianDay, toJulianDay) (UT) at which the Sun's apparent longitude
// (true equinox and ecliptic of date) is a multiple of 15 degrees, in time order; within a
// few seconds in TT. Empty for an empty range or outside 1800-2400.
std::vector<SolarTermEvent> solarTerms(double fromJulianDay, double toJulianDay);

// A 旧暦 date: month 1-12, whether it is the leap month that repeats that number, and day 1-30.
struct LunisolarDate {
    int month;
    bool leap;
    int day;
};

// The 旧暦 date of the Gregorian date year-month-day in JST, by the rule modern Japanese
// calendars apply: a month begins on the JST day of a new moon; the month holding the winter
// solstice (270 degrees) is the 11th; where 13 months begin between two 11th months, the first
// of them holding no principal term (中気, a multiple of 30 degrees) is the leap month and takes
// the number of the month before it. Nothing for an invalid date or one outside 1873-2400.
// A new moon or principal term within about a minute of a JST midnight may fall on the other
// day in another almanac (see docs/accuracy.md), and the date may then differ.
std::optional<LunisolarDate> lunisolarDate(int year, int month, int day);

// The six days of 六曜, in the order (month + day) mod 6 counts them.
enum class Rokuyo { Taian, Shakko, Sensho, Tomobiki, Senbu, Butsumetsu };

// The 六曜 of a 旧暦 date: (month + day) mod 6, the leap month counting as its number.
Rokuyo rokuyoOf(const LunisolarDate& date);

// The 六曜 of a Gregorian JST date; nothing where lunisolarDate() gives nothing.
std::optional<Rokuyo> rokuyo(int year, int month, int day);

// The name of a 六曜 day in UTF-8: 大安, 赤口, 先勝, 友引, 先負 or 仏滅.
const char* rokuyoName(Rokuyo day);

// The 雑節 of the national almanac.
enum class Zassetsu {
    WinterDoyo,      // 冬の土用の入り: the Sun at 297 degrees
    Setsubun,        // 節分: the day before 立春 (315 degrees)
    SpringHigan,     // 春の彼岸の入り: three days before 春分 (0 degrees)
    SpringDoyo,      // 春の土用の入り: 27 degrees
    Hachijuhachiya,  // 八十八夜: the 88th day counting 立春 as the first
    Nyubai,          // 入梅: 80 degrees
    Hangesho,        // 半夏生: 100 degrees
    SummerDoyo,      // 夏の土用の入り: 117 degrees
    Nihyakutoka,     // 二百十日: the 210th day counting 立春 as the first
    AutumnHigan,     // 秋の彼岸の入り: three days before 秋分 (180 degrees)
    AutumnDoyo,      // 秋の土用の入り: 207 degrees
};

// One 雑節 of a year: its JST date and, for those that are the Sun reaching a longitude, that
// instant (UT Julian day).
struct ZassetsuDay {
    Zassetsu kind;
    int year;
    int month;
    int day;
    std::optional<double> julianDay;
};

// The eleven 雑節 of the Gregorian year `year`, in date order; empty outside 1800-2400.
std::vector<ZassetsuDay> zassetsu(int year);

// The name of a 雑節 in UTF-8: 節分, 彼岸の入り, 八十八夜, 入梅, 半夏生, 二百十日 or 土用の入り.
const char* zassetsuName(Zassetsu kind);

}  // namespace astro
