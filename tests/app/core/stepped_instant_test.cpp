// Stepping the six date and time boxes by one unit of a box: carries through the calendar,
// month lengths, the reform of 1582, out-of-range boxes and the ends of the 16-bit years.
#include "app/core/stepped_instant.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using app::DateBoxValues;
using app::steppedInstant;

std::string text(const std::optional<astro::CivilTime>& t) {
    if (!t) return "nothing";
    return std::to_string(t->year) + "-" + std::to_string(t->month) + "-" + std::to_string(t->day) +
           " " + std::to_string(t->hour) + ":" + std::to_string(t->minute) + ":" +
           std::to_string(t->second);
}

std::string step(const DateBoxValues& values, astro::EnteredField box, int steps) {
    return text(steppedInstant(values, box, steps));
}

TEST(SteppedInstant, TimeStepsCarryIntoTheDate) {
    EXPECT_EQ(step({2024, 12, 31, 23, 0, 0}, astro::HOUR, 1), "2025-1-1 0:0:0");
    EXPECT_EQ(step({2024, 3, 1, 0, 0, 0}, astro::HOUR, -1), "2024-2-29 23:0:0");
    EXPECT_EQ(step({2023, 3, 1, 0, 0, 0}, astro::HOUR, -1), "2023-2-28 23:0:0");
    EXPECT_EQ(step({2024, 6, 30, 23, 59, 0}, astro::MINUTE, 1), "2024-7-1 0:0:0");
    EXPECT_EQ(step({2024, 6, 30, 10, 0, 0}, astro::MINUTE, -1), "2024-6-30 9:59:0");
    EXPECT_EQ(step({2024, 12, 31, 23, 59, 59}, astro::SECOND, 1), "2025-1-1 0:0:0");
    EXPECT_EQ(step({2024, 1, 1, 0, 0, 0}, astro::SECOND, -1), "2023-12-31 23:59:59");
    EXPECT_EQ(step({2024, 1, 31, 12, 0, 0}, astro::DAY, 1), "2024-2-1 12:0:0");
    EXPECT_EQ(step({2024, 1, 1, 12, 0, 0}, astro::DAY, -1), "2023-12-31 12:0:0");
    EXPECT_EQ(step({2024, 2, 28, 5, 6, 7}, astro::DAY, 1), "2024-2-29 5:6:7");
}

TEST(SteppedInstant, MonthAndYearStepsKeepTheDayWhereTheMonthHasIt) {
    EXPECT_EQ(step({2024, 5, 10, 8, 0, 0}, astro::MONTH, 1), "2024-6-10 8:0:0");
    EXPECT_EQ(step({2024, 12, 15, 8, 0, 0}, astro::MONTH, 1), "2025-1-15 8:0:0");
    EXPECT_EQ(step({2024, 1, 15, 8, 0, 0}, astro::MONTH, -1), "2023-12-15 8:0:0");
    // The day clamped to the new month's length.
    EXPECT_EQ(step({2024, 1, 31, 8, 0, 0}, astro::MONTH, 1), "2024-2-29 8:0:0");
    EXPECT_EQ(step({2023, 1, 31, 8, 0, 0}, astro::MONTH, 1), "2023-2-28 8:0:0");
    EXPECT_EQ(step({2024, 3, 31, 8, 0, 0}, astro::MONTH, 1), "2024-4-30 8:0:0");
    EXPECT_EQ(step({2024, 3, 31, 8, 0, 0}, astro::MONTH, -1), "2024-2-29 8:0:0");
    EXPECT_EQ(step({2023, 5, 10, 8, 0, 0}, astro::YEAR, 1), "2024-5-10 8:0:0");
    EXPECT_EQ(step({2024, 2, 29, 8, 0, 0}, astro::YEAR, 1), "2025-2-28 8:0:0");
    EXPECT_EQ(step({2024, 2, 29, 8, 0, 0}, astro::YEAR, -4), "2020-2-29 8:0:0");
    EXPECT_EQ(step({1, 6, 1, 0, 0, 0}, astro::YEAR, -1), "0-6-1 0:0:0");
    EXPECT_EQ(step({0, 6, 1, 0, 0, 0}, astro::YEAR, -1), "-1-6-1 0:0:0");
}

TEST(SteppedInstant, OutOfRangeBoxesAreReadAsTheInstantTheyGive) {
    // Hour 25 of the 8th is 01:00 of the 9th.
    EXPECT_EQ(step({2024, 12, 8, 25, 0, 0}, astro::HOUR, 1), "2024-12-9 2:0:0");
    EXPECT_EQ(step({2024, 12, 8, 25, 0, 0}, astro::MONTH, 1), "2025-1-9 1:0:0");
    EXPECT_EQ(step({2024, 13, 0, 0, 0, 0}, astro::DAY, 1), "2025-1-1 0:0:0");
    // Fractions read as the calculation reads them: month 2.5 is February, day 1.5 noon.
    EXPECT_EQ(step({2024, 2.5, 1.5, 0, 0, 0}, astro::SECOND, 1), "2024-2-1 12:0:1");
    EXPECT_EQ(step({2024, 1, 1, 0, 0, 30.4}, astro::SECOND, 1), "2024-1-1 0:0:31");
}

TEST(SteppedInstant, AcrossTheCalendarReformOf1582) {
    EXPECT_EQ(step({1582, 10, 4, 12, 0, 0}, astro::DAY, 1), "1582-10-15 12:0:0");
    EXPECT_EQ(step({1582, 10, 15, 0, 0, 0}, astro::SECOND, -1), "1582-10-4 23:59:59");
    EXPECT_EQ(step({1582, 10, 15, 0, 30, 0}, astro::HOUR, -1), "1582-10-4 23:30:0");
    // A month or year step onto a date the reform skipped gives that date as reckoned:
    // Julian, ten days later in the Gregorian calendar.
    EXPECT_EQ(step({1582, 9, 10, 0, 0, 0}, astro::MONTH, 1), "1582-10-20 0:0:0");
    EXPECT_EQ(step({1581, 10, 10, 0, 0, 0}, astro::YEAR, 1), "1582-10-20 0:0:0");
    // 1500 was a Julian leap year, 1700 was not a Gregorian one.
    EXPECT_EQ(step({1500, 2, 28, 12, 0, 0}, astro::DAY, 1), "1500-2-29 12:0:0");
    EXPECT_EQ(step({1700, 2, 28, 12, 0, 0}, astro::DAY, 1), "1700-3-1 12:0:0");
    EXPECT_EQ(step({1699, 2, 28, 12, 0, 0}, astro::YEAR, 1), "1700-2-28 12:0:0");
    EXPECT_EQ(step({1700, 1, 31, 12, 0, 0}, astro::MONTH, 1), "1700-2-28 12:0:0");
}

TEST(SteppedInstant, NothingWhereTheCalculationCannotGo) {
    EXPECT_EQ(step({32767, 12, 31, 23, 59, 59}, astro::SECOND, 1), "nothing");
    EXPECT_EQ(step({32767, 6, 1, 0, 0, 0}, astro::YEAR, 1), "nothing");
    EXPECT_EQ(step({32767, 12, 1, 0, 0, 0}, astro::MONTH, 1), "nothing");
    EXPECT_EQ(step({32767, 11, 1, 0, 0, 0}, astro::MONTH, 1), "32767-12-1 0:0:0");
    // January and February of -32768 cannot be reckoned in 16 bits.
    EXPECT_EQ(step({-32768, 3, 1, 0, 0, 0}, astro::MONTH, -1), "nothing");
    EXPECT_EQ(step({-32768, 3, 1, 0, 0, 0}, astro::SECOND, -1), "nothing");
    EXPECT_EQ(step({-32768, 3, 1, 0, 0, 0}, astro::SECOND, 1), "-32768-3-1 0:0:1");
    EXPECT_EQ(step({-32767, 2, 1, 0, 0, 0}, astro::YEAR, -1), "nothing");
    EXPECT_EQ(step({40000, 1, 1, 0, 0, 0}, astro::DAY, 1), "nothing");
    EXPECT_EQ(step({2024, 1, 1E300, 0, 0, 0}, astro::DAY, 1), "nothing");
    // Only the date and time boxes step.
    EXPECT_EQ(step({2024, 1, 1, 0, 0, 0}, astro::LATITUDE, 1), "nothing");
}

}  // namespace
