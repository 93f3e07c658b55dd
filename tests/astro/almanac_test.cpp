// The almanac: phases and solar terms against independently reckoned instants, the 旧暦 and
// its leap months, 六曜 and 雑節 against the national almanac's published dates.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/almanac.h"
#include "astro/almanac_longitude.h"
#include "astro/almanac_range.h"
#include "astro/almanac_search.h"
#include "astro/almanac_time.h"
#include "astro/precise_position.h"

namespace {

using astro::LunarPhase;
using astro::LunisolarDate;
using astro::Rokuyo;
using astro::Zassetsu;

constexpr double SECONDS_PER_DAY = 86400.0;

// Instants from PyEphem 4.1.4 (python3-ephem: its own Sun, Moon, nutation and search; the
// apparent geocentric longitudes of date), in TT. Kind 'p' is a phase of `value` degrees of
// elongation, 't' a solar term at `value` degrees of the Sun's longitude. The tolerances are
// the almanac's promise: 60 s for phases, 20 s for terms, over 1900-2100.
struct PinnedInstant {
    char kind;
    int value;
    double julianDayTT;
};
const PinnedInstant PINNED_INSTANTS[] = {
    {'p', 0, 2415021.077731},    // 1900-01-01 13:52 UT
    {'p', 90, 2433455.717394},   // 1950-06-23
    {'p', 180, 2451564.695501},  // 2000-01-21, a total lunar eclipse
    {'p', 270, 2460313.646956},  // 2024-01-04
    {'p', 0, 2488049.466869},    // 2099-12-11
    {'t', 270, 2415375.778822},  // 1900-12-22, 冬至
    {'t', 0, 2451623.816875},    // 2000-03-20, 春分
    {'t', 90, 2460482.369628},   // 2024-06-21, 夏至 (20 June UT)
    {'t', 315, 2460710.091294},  // 2025-02-03, 立春 (2025's 節分 falls on 2 February)
    {'t', 180, 2487969.176416},  // 2099-09-23, 秋分
};

TEST(AlmanacInstants, AgreeWithPyEphemInTT) {
    for (const PinnedInstant& pin : PINNED_INSTANTS) {
        SCOPED_TRACE(std::string(1, pin.kind) + " " + std::to_string(pin.value));
        const double from = pin.julianDayTT - 2.0;
        const double to = pin.julianDayTT + 2.0;
        int found = 0;
        double instantTT = 0.0;
        if (pin.kind == 'p') {
            for (const astro::LunarPhaseEvent& e : astro::lunarPhases(from, to)) {
                if (static_cast<int>(e.phase) * 90 != pin.value) continue;
                ++found;
                instantTT = astro::terrestrialTime(e.julianDay);
            }
        } else {
            for (const astro::SolarTermEvent& e : astro::solarTerms(from, to)) {
                if (e.longitude != pin.value) continue;
                ++found;
                instantTT = astro::terrestrialTime(e.julianDay);
            }
        }
        ASSERT_EQ(found, 1);
        const double tolerance_s = pin.kind == 'p' ? 60.0 : 20.0;
        EXPECT_NEAR((instantTT - pin.julianDayTT) * SECONDS_PER_DAY, 0.0, tolerance_s);
    }
}

// The fast path the searches take (mean ecliptic, IAU 2000B nutation in longitude) against
// the full apparent place (IAU 2006/2000A true equator turned to the ecliptic; the two
// nutation models part by 6 mas by 2400), and the rates
// the Newton steps divide by against the angles' own change over a minute either side.
TEST(AlmanacLongitudes, MatchTheApparentPlacesAndTheirChange) {
    constexpr double MILLIARCSECONDS_DEG = 1e-3 / 3600.0;
    constexpr double MINUTE_DAYS = 1.0 / 1440.0;
    for (double jd : {2378500.3, 2415020.0, 2451545.0, 2460310.7, 2488070.1, 2597900.6}) {
        SCOPED_TRACE(jd);
        const astro::AngleAndRate sun = astro::preciseSunLongitude(jd);
        EXPECT_NEAR(sun.angle_deg, astro::apparentSunPlace(jd).eclipticLongitude_deg,
                    10 * MILLIARCSECONDS_DEG);
        const astro::AngleAndRate elongation = astro::preciseMoonSunElongation(jd);
        const double placeElongation =
            std::remainder(astro::apparentMoonPlace(jd).eclipticLongitude_deg -
                               astro::apparentSunPlace(jd).eclipticLongitude_deg,
                           360.0);
        EXPECT_NEAR(std::remainder(elongation.angle_deg - placeElongation, 360.0), 0.0,
                    10 * MILLIARCSECONDS_DEG);

        // The rate against the angle's change over a minute either side.
        const auto expectRateIsTheChange = [&](auto angleAt, double rate) {
            const double change = std::remainder(
                angleAt(jd + MINUTE_DAYS).angle_deg - angleAt(jd - MINUTE_DAYS).angle_deg, 360.0);
            EXPECT_NEAR(rate / (change / (2 * MINUTE_DAYS)), 1.0, 1e-3);
        };
        expectRateIsTheChange(astro::preciseSunLongitude, sun.rate_degPerDay);
        expectRateIsTheChange(astro::preciseMoonSunElongation, elongation.rate_degPerDay);
    }
}

// The 旧暦 takes a new moon's or a solar term's JST day from its low-precision estimate when
// the estimate lies further than a margin from midnight; that is sound only while every
// estimate stays within the margin of the precise instant. tools/almanac checks every event of
// 1800-2400 (largest gaps: half the margins); here every 7th lunation and every 5th term,
// against the whole margin.
TEST(AlmanacEstimates, StayWithinTheMidnightMargins) {
    const double firstTT = astro::ALMANAC_FIRST_JULIAN_DAY;
    const double endTT = astro::ALMANAC_END_JULIAN_DAY;
    for (double mean =
             astro::MEAN_NEW_MOON_JULIAN_DAY -
             std::floor((astro::MEAN_NEW_MOON_JULIAN_DAY - firstTT) / astro::SYNODIC_MONTH_DAYS) *
                 astro::SYNODIC_MONTH_DAYS;
         mean < endTT; mean += 7 * astro::SYNODIC_MONTH_DAYS) {
        const double estimate = astro::estimatedCrossing(astro::MOON_SUN_ELONGATION, 0.0, mean);
        const double precise = astro::preciseCrossing(astro::MOON_SUN_ELONGATION, 0.0, estimate);
        ASSERT_LT(std::fabs(estimate - precise), astro::NEW_MOON_MIDNIGHT_MARGIN_DAYS) << mean;
    }
    const double fiveTermsDays = 5 * astro::TROPICAL_YEAR_DAYS / 24;
    int term = 0;
    for (double guess = firstTT; guess < endTT; guess += fiveTermsDays, term += 5) {
        const double target = (term * 15) % 360;
        const double estimate = astro::estimatedCrossing(astro::SUN_LONGITUDE, target, guess);
        const double precise = astro::preciseCrossing(astro::SUN_LONGITUDE, target, estimate);
        ASSERT_LT(std::fabs(estimate - precise), astro::SOLAR_TERM_MIDNIGHT_MARGIN_DAYS) << guess;
    }
}

// Years at both ends of the span and one within: every phase in turn, a quarter of a synodic
// month apart, and every solar term in turn, half a month apart; none lost, none doubled.
TEST(AlmanacInstants, EveryPhaseAndTermOnceInTurn) {
    struct Year {
        double from, to;
        std::size_t phases, terms;
    };
    const Year years[] = {
        {2378496.5, 2378861.5, 50, 24},  // 1800 (counts from PyEphem)
        {2460310.5, 2460676.5, 50, 24},  // 2024: 13 new moons
        {2597642.5, 2598007.5, 50, 24},  // 2400
    };
    for (const Year& y : years) {
        SCOPED_TRACE(y.from);
        const auto phases = astro::lunarPhases(y.from, y.to);
        EXPECT_EQ(phases.size(), y.phases);
        for (std::size_t i = 1; i < phases.size(); ++i) {
            EXPECT_EQ(static_cast<int>(phases[i].phase),
                      (static_cast<int>(phases[i - 1].phase) + 1) % 4);
            const double gap = phases[i].julianDay - phases[i - 1].julianDay;
            EXPECT_TRUE(gap > 5.5 && gap < 9.0) << gap;
        }
        const auto terms = astro::solarTerms(y.from, y.to);
        EXPECT_EQ(terms.size(), y.terms);
        for (std::size_t i = 1; i < terms.size(); ++i) {
            EXPECT_EQ(terms[i].longitude, (terms[i - 1].longitude + 15) % 360);
            const double gap = terms[i].julianDay - terms[i - 1].julianDay;
            EXPECT_TRUE(gap > 14.0 && gap < 16.5) << gap;
        }
    }
}

TEST(AlmanacInstants, RangeHoldsItsStartAndNotItsEnd) {
    const auto phase = astro::lunarPhases(2460320.0, 2460322.0).at(0);
    EXPECT_EQ(astro::lunarPhases(phase.julianDay, phase.julianDay + 1.0).size(), 1u);
    EXPECT_TRUE(astro::lunarPhases(phase.julianDay - 1.0, phase.julianDay).empty());
    const auto term = astro::solarTerms(2460389.0, 2460390.0).at(0);
    EXPECT_EQ(astro::solarTerms(term.julianDay, term.julianDay + 1.0).size(), 1u);
    EXPECT_TRUE(astro::solarTerms(term.julianDay - 1.0, term.julianDay).empty());
}

TEST(AlmanacInstants, NothingOutside1800To2400) {
    const double nan = std::nan("");
    struct Range {
        double from, to;
    };
    const Range empty[] = {
        {2378100.5, 2378496.5},  // 1798-12 to 1800-01-01 0h UT
        {2598007.5, 2598400.5},  // from 2401-01-01 0h UT
        {nan, 2460676.5},       {2460310.5, nan}, {2460676.5, 2460310.5},  // reversed
        {2460310.5, 2460310.5},                                            // empty
    };
    for (const Range& r : empty) {
        SCOPED_TRACE(r.from);
        EXPECT_TRUE(astro::lunarPhases(r.from, r.to).empty());
        EXPECT_TRUE(astro::solarTerms(r.from, r.to).empty());
    }
    // A range across 1800-01-01 gives only what follows it.
    for (const auto& e : astro::lunarPhases(2378400.5, 2378600.5))
        EXPECT_GE(e.julianDay, 2378496.5);
    for (const auto& e : astro::solarTerms(2378400.5, 2378600.5)) EXPECT_GE(e.julianDay, 2378496.5);
}

// 旧暦 dates as the national almanac and the calendars of those years give them.
struct LunisolarCase {
    int year, month, day;
    LunisolarDate expected;
};
const LunisolarCase LUNISOLAR_CASES[] = {
    {1873, 1, 1, {12, false, 3}},  // the first Gregorian day was 明治5年12月3日
    {2024, 1, 1, {11, false, 20}},
    {2024, 2, 10, {1, false, 1}},   // 旧正月 2024
    {2023, 3, 21, {2, false, 30}},  // 2023: 閏2月
    {2023, 3, 22, {2, true, 1}},
    {2023, 4, 20, {3, false, 1}},
    {2025, 7, 24, {6, false, 30}},  // 2025: 閏6月
    {2025, 7, 25, {6, true, 1}},
    {2025, 8, 23, {7, false, 1}},
    {2033, 11, 22, {11, false, 1}},  // 2033: 閏11月, not 閏7月 nor 閏1月 of 2034
    {2033, 12, 22, {11, true, 1}},
    {2034, 1, 20, {12, false, 1}},
    {2034, 2, 19, {1, false, 1}},
    // New moons within 3 minutes of a JST midnight (PyEphem: 2044-11-19 23:57:25, 2050-02-22
    // 00:02:56, 1932-10-29 23:56:02 JST), where the low-precision estimate falls on the other
    // side of midnight and the precise instant must decide the day.
    {2044, 11, 18, {9, false, 29}},
    {2044, 11, 19, {10, false, 1}},
    {2050, 2, 21, {1, false, 30}},
    {2050, 2, 22, {2, false, 1}},
    {1932, 10, 28, {9, false, 29}},
    {1932, 10, 29, {10, false, 1}},
    {2400, 12, 31, {11, false, 16}},
};

TEST(Lunisolar, DatesOfTheNationalAlmanac) {
    for (const LunisolarCase& c : LUNISOLAR_CASES) {
        SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                     std::to_string(c.day));
        const auto date = astro::lunisolarDate(c.year, c.month, c.day);
        ASSERT_TRUE(date.has_value());
        EXPECT_EQ(date->month, c.expected.month);
        EXPECT_EQ(date->leap, c.expected.leap);
        EXPECT_EQ(date->day, c.expected.day);
    }
}

TEST(Lunisolar, NothingForInvalidDatesOrOutside1873To2400) {
    const int dates[][3] = {{1872, 12, 31}, {2401, 1, 1},  {2023, 2, 29}, {2023, 4, 31},
                            {2023, 13, 1},  {2023, 0, 10}, {2023, 5, 0}};
    for (const auto& d : dates) {
        SCOPED_TRACE(d[0]);
        EXPECT_FALSE(astro::lunisolarDate(d[0], d[1], d[2]).has_value());
        EXPECT_FALSE(astro::rokuyo(d[0], d[1], d[2]).has_value());
    }
}

// Day by day through 2033-2034, forward and then backward (the other way through the kept
// lunisolar years): each day follows the one before, months of 29 or 30 days, numbered on.
TEST(Lunisolar, EachDayFollowsTheOneBeforeInEitherOrder) {
    const astro::JstDay first = *astro::jstDayOfDate(2033, 1, 1);
    const astro::JstDay last = *astro::jstDayOfDate(2034, 12, 31);
    std::vector<LunisolarDate> forward;
    for (astro::JstDay d = first; d <= last; ++d) {
        const astro::GregorianDate g = astro::dateOfJstDay(d);
        forward.push_back(*astro::lunisolarDate(g.year, g.month, g.day));
    }
    for (astro::JstDay d = last; d >= first; --d) {
        const astro::GregorianDate g = astro::dateOfJstDay(d);
        const LunisolarDate back = *astro::lunisolarDate(g.year, g.month, g.day);
        const LunisolarDate& ahead = forward[static_cast<std::size_t>(d - first)];
        EXPECT_EQ(back.month, ahead.month);
        EXPECT_EQ(back.leap, ahead.leap);
        EXPECT_EQ(back.day, ahead.day);
    }
    for (std::size_t i = 1; i < forward.size(); ++i) {
        const LunisolarDate& before = forward[i - 1];
        const LunisolarDate& now = forward[i];
        if (now.day != 1) {
            EXPECT_EQ(now.day, before.day + 1);
            EXPECT_EQ(now.month, before.month);
            continue;
        }
        EXPECT_TRUE(before.day == 29 || before.day == 30) << i;
        const int next = before.month % 12 + 1;
        EXPECT_TRUE((now.month == next && !now.leap) || (now.month == before.month && now.leap))
            << i;
    }
}

TEST(Rokuyo, MonthPlusDayModuloSix) {
    struct Case {
        LunisolarDate date;
        Rokuyo expected;
        const char* name;
    };
    const Case cases[] = {
        {{1, false, 5}, Rokuyo::Taian, "大安"},  {{1, false, 6}, Rokuyo::Shakko, "赤口"},
        {{1, false, 1}, Rokuyo::Sensho, "先勝"}, {{1, false, 2}, Rokuyo::Tomobiki, "友引"},
        {{1, false, 3}, Rokuyo::Senbu, "先負"},  {{1, false, 4}, Rokuyo::Butsumetsu, "仏滅"},
        {{6, true, 30}, Rokuyo::Taian, "大安"},  // a leap month counts as its number
    };
    for (const Case& c : cases) {
        EXPECT_EQ(astro::rokuyoOf(c.date), c.expected);
        EXPECT_STREQ(astro::rokuyoName(astro::rokuyoOf(c.date)), c.name);
    }
    EXPECT_EQ(astro::rokuyo(2024, 1, 1), Rokuyo::Shakko);         // 旧11月20日
    EXPECT_STREQ(astro::rokuyoName(static_cast<Rokuyo>(6)), "");  // not a 六曜: no name
}

// The national almanac's 雑節 of 2024 and 2025, in date order ('*': the Sun reaches its
// longitude on that day, and the instant is given).
TEST(Zassetsu, DatesOfTheNationalAlmanac) {
    struct Expected {
        Zassetsu kind;
        int dates[2][2];  // month and day in 2024, then in 2025
    };
    const Expected expected[] = {
        {Zassetsu::WinterDoyo, {{1, 18}, {1, 17}}},   {Zassetsu::Setsubun, {{2, 3}, {2, 2}}},
        {Zassetsu::SpringHigan, {{3, 17}, {3, 17}}},  {Zassetsu::SpringDoyo, {{4, 16}, {4, 17}}},
        {Zassetsu::Hachijuhachiya, {{5, 1}, {5, 1}}}, {Zassetsu::Nyubai, {{6, 10}, {6, 11}}},
        {Zassetsu::Hangesho, {{7, 1}, {7, 1}}},       {Zassetsu::SummerDoyo, {{7, 19}, {7, 19}}},
        {Zassetsu::Nihyakutoka, {{8, 31}, {8, 31}}},  {Zassetsu::AutumnHigan, {{9, 19}, {9, 20}}},
        {Zassetsu::AutumnDoyo, {{10, 20}, {10, 20}}},
    };
    for (int year : {2024, 2025}) {
        SCOPED_TRACE(year);
        const auto days = astro::zassetsu(year);
        ASSERT_EQ(days.size(), 11u);
        for (std::size_t i = 0; i < days.size(); ++i) {
            SCOPED_TRACE(astro::zassetsuName(days[i].kind));
            const int* date = expected[i].dates[year - 2024];
            EXPECT_EQ(days[i].kind, expected[i].kind);
            EXPECT_EQ(days[i].year, year);
            EXPECT_EQ(days[i].month, date[0]);
            EXPECT_EQ(days[i].day, date[1]);
            const bool isInstant =
                days[i].kind == Zassetsu::WinterDoyo || days[i].kind == Zassetsu::SpringDoyo ||
                days[i].kind == Zassetsu::Nyubai || days[i].kind == Zassetsu::Hangesho ||
                days[i].kind == Zassetsu::SummerDoyo || days[i].kind == Zassetsu::AutumnDoyo;
            ASSERT_EQ(days[i].julianDay.has_value(), isInstant);
            if (isInstant) {
                const astro::GregorianDate onDay =
                    astro::dateOfJstDay(astro::jstDayOf(*days[i].julianDay));
                EXPECT_EQ(onDay.month, days[i].month);
                EXPECT_EQ(onDay.day, days[i].day);
            }
        }
    }
    EXPECT_STREQ(astro::zassetsuName(Zassetsu::Hachijuhachiya), "八十八夜");
    EXPECT_STREQ(astro::zassetsuName(static_cast<Zassetsu>(11)), "");
    EXPECT_TRUE(astro::zassetsu(1799).empty());
    EXPECT_TRUE(astro::zassetsu(2401).empty());
}

}  // namespace
