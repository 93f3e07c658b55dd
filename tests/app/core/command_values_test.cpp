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
        {"2023-02-29", "none"},             // not a leap year
        {"1900-02-29", "none"},
        {"2026-13-01", "none"},
        {"2026-00-10", "none"},
        {"2026-12-32", "none"},
        {"2026-1-09", "none"},  // two digits for the month
        {"26-12-09", "none"},   // at least four for the year
        {"2026-12-09T24:00", "none"},
        {"2026-12-09T12:60", "none"},
        {"2026-12-09T12:00:60", "none"},
        {"2026-12-09T12", "none"},
        {"2026-12-09T12:00:", "none"},
        {"2026-12-09T", "none"},
        {"2026-12-09x", "none"},
        {" 2026-12-09", "none"},
        {"+2026-12-09", "none"},
        {"", "none"},
        {"-", "none"},
        {"--", "none"},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(show(app::readInstant(text)), expected) << text;
}

TEST(CommandValues, StepsAreAWholeNumberAndAUnit) {
    const std::pair<const char*, std::optional<long long>> cases[] = {
        {"1s", 1},
        {"1m", 60},
        {"10min", 600},
        {"2h", 7200},
        {"1d", 86400},
        {"0m", {}},
        {"m", {}},
        {"1", {}},
        {"1.5h", {}},
        {"-1m", {}},
        {"1 m", {}},
        {"1M", {}},
        {"1000000000d", 86'400'000'000'000},
        {"1000000001s", {}},
        {"99999999999d", {}},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(app::readStep_seconds(text), expected) << text;
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
