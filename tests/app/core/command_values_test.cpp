// The command line's values: each reader on the texts it must take and those it must refuse.
#include "app/core/command_values.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/core/series_text.h"

namespace {

// A date, time or instant as one comparable text; "none" for nothing.
std::string show(const std::optional<astro::CivilTime>& t) {
    if (!t) return "none";
    char text[64];
    std::snprintf(text, sizeof text, "%d-%d-%d %d:%d:%d", t->year, t->month, t->day, t->hour,
                  t->minute, t->second);
    return text;
}

TEST(CommandValues, InstantsAreReadWholeOrNotAtAll) {
    const std::pair<const char*, const char*> cases[] = {
        {"2026-12-09", "2026-12-9 0:0:0"},
        {"2026-12-09T07:05", "2026-12-9 7:5:0"},
        {"2026-12-09 23:59:59", "2026-12-9 23:59:59"},
        {"-0044-03-15T12:00", "-44-3-15 12:0:0"},
        {"123456-01-01", "123456-1-1 0:0:0"},
        {"2024-02-29", "2024-2-29 0:0:0"},  // a Gregorian leap day
        {"1500-02-29", "1500-2-29 0:0:0"},  // a Julian one
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(show(app::readInstant(text)), expected) << text;
    // Not leap years, no such month, day, hour, minute or second, two digits for the month and
    // at least four for the year, a time cut short, anything before or after.
    for (const char* refused :
         {"2023-02-29", "1900-02-29", "2026-13-01", "2026-00-10", "2026-12-32", "2026-1-09",
          "26-12-09", "2026-12-09T24:00", "2026-12-09T12:60", "2026-12-09T12:00:60",
          "2026-12-09T12", "2026-12-09T12:00:", "2026-12-09T", "2026-12-09x", " 2026-12-09",
          "+2026-12-09", "", "-", "--"})
        EXPECT_EQ(show(app::readInstant(refused)), "none") << refused;
}

TEST(CommandValues, StepsAreAWholeNumberAndAUnit) {
    const std::pair<const char*, long long> cases[] = {
        {"1s", 1},    {"1m", 60},    {"10min", 600},
        {"2h", 7200}, {"1d", 86400}, {"1000000000d", 86'400'000'000'000},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(app::readStep_seconds(text), expected) << text;
    for (const char* refused :
         {"0m", "m", "1", "1.5h", "-1m", "1 m", "1M", "1000000001s", "99999999999d"})
        EXPECT_EQ(app::readStep_seconds(refused), std::nullopt) << refused;
}

TEST(CommandValues, PlacesAreNamedAsListedAndCoordinatesAsTheBoxesReadThem) {
    EXPECT_EQ(app::placeListPosition("東京"), 12);
    EXPECT_EQ(app::placeListPosition("ニューデリー "), app::placeListPosition("ニューデリー"));
    EXPECT_TRUE(app::placeListPosition("ニューデリー").has_value());
    EXPECT_EQ(app::placeListPosition("入力"), std::nullopt);  // has no coordinates
    EXPECT_EQ(app::placeListPosition("東"), std::nullopt);
    EXPECT_EQ(app::placeListPosition(""), std::nullopt);

    EXPECT_EQ(app::readDegrees("-33.87"), -33.87);
    EXPECT_EQ(app::readDegrees(" 35.65 "), 35.65);
    EXPECT_EQ(app::readDegrees("３５．６５"), 35.65);  // full-width, as the boxes read it
    EXPECT_EQ(app::readDegrees("35.65x"), std::nullopt);
    EXPECT_EQ(app::readDegrees(""), std::nullopt);
    EXPECT_EQ(app::readDegrees("north"), std::nullopt);
}

TEST(SeriesInstants, StepsCarryIntoTheCalendarAndPassOverTheSkippedDays) {
    const struct {
        astro::CivilTime from;
        long long seconds;
        const char* expected;
    } cases[] = {
        {{2026, 12, 31, 23, 59, 0}, 60, "2027-1-1 0:0:0"},
        {{2024, 2, 28, 12, 0, 0}, 86400, "2024-2-29 12:0:0"},
        {{2023, 2, 28, 12, 0, 0}, 86400, "2023-3-1 12:0:0"},
        {{2026, 1, 1, 0, 0, 0}, 365LL * 86400, "2027-1-1 0:0:0"},
        {{1582, 10, 4, 23, 0, 0}, 3600, "1582-10-15 0:0:0"},
        {{1582, 10, 1, 0, 0, 0}, 5 * 86400, "1582-10-16 0:0:0"},
        {{1582, 10, 15, 0, 0, 0}, 86400, "1582-10-16 0:0:0"},
        {{-1, 12, 31, 23, 59, 59}, 1, "0-1-1 0:0:0"},
    };
    for (const auto& c : cases) EXPECT_EQ(show(app::advancedBy(c.from, c.seconds)), c.expected);
}

}  // namespace
