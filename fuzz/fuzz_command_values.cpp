// Fuzz target: the command line's option values, as the program reads them.
//
// The input is one option value. Checked:
// - no reader crashes, whatever the bytes;
// - an instant that reads is an ordinary date and time, and written back in ISO form it reads
//   again as the same instant; a year-month and a year read the same as that date's;
// - a step that reads is 1 second to 10^9 days; degrees that read are the number-reading
//   rule's number for the text; a place name that reads names a place with coordinates;
// - the text as a JSON string holds no raw control character and ends in its quote;
// - a series of two rows from an instant that reads is either refused with no text at all or
//   whole: the header and two rows, each with its ten cells.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/city_table.h"
#include "app/core/command_tables.h"
#include "app/core/command_values.h"
#include "app/core/number_reading.h"
#include "app/core/series_text.h"
#include "fuzz_checks.h"

namespace {

constexpr long long LONGEST_STEP_S = 1'000'000'000LL * 86'400;
constexpr long long SERIES_CHECK_STEP_S = 3600;

bool sameInstant(const astro::CivilTime& a, const astro::CivilTime& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day && a.hour == b.hour &&
           a.minute == b.minute && a.second == b.second;
}

void checkInstant(std::string_view text) {
    const std::optional<astro::CivilTime> t = app::readInstant(text);
    if (!t) return;
    FUZZ_CHECK_MSG(t->month >= 1 && t->month <= 12 && t->day >= 1 &&
                       t->day <= astro::daysInMonth(t->year, t->month) && t->hour >= 0 &&
                       t->hour <= 23 && t->minute >= 0 && t->minute <= 59 && t->second >= 0 &&
                       t->second <= 59,
                   fuzz::quoted(text));
    const std::string written = app::isoInstant(*t);
    const std::string withoutOffset = written.substr(0, written.size() - 6);  // "+09:00"
    const std::optional<astro::CivilTime> again = app::readInstant(withoutOffset);
    FUZZ_CHECK_MSG(again && sameInstant(*again, *t), fuzz::quoted(text) + " -> " + written);

    // Two rows from it: refused with nothing, or whole.
    const app::SeriesTable table =
        app::seriesTable({*t, SERIES_CHECK_STEP_S, 2, 35.65, 139.75}, app::SeriesFormat::Csv);
    if (table.refusal) {
        FUZZ_CHECK_MSG(table.text.empty(), written);
        return;
    }
    FUZZ_CHECK_MSG(std::count(table.text.begin(), table.text.end(), '\n') == 3, written);
    FUZZ_CHECK_MSG(std::count(table.text.begin(), table.text.end(), ',') == 27, written);
}

void checkOtherReaders(std::string_view text) {
    if (const std::optional<app::CalendarDate> month = app::readYearMonth(text)) {
        FUZZ_CHECK(month->month >= 1 && month->month <= 12 && month->day == 1);
    }
    if (const std::optional<int> year = app::readYear(text)) {
        FUZZ_CHECK(*year >= -999'999 && *year <= 999'999);
    }
    if (const std::optional<long long> step = app::readStep_seconds(text)) {
        FUZZ_CHECK_MSG(*step >= 1 && *step <= LONGEST_STEP_S, fuzz::quoted(text));
    }
    if (const std::optional<double> degrees = app::readDegrees(text)) {
        const double read = app::readNumber(text);
        FUZZ_CHECK_MSG(*degrees == read || (std::isnan(*degrees) && std::isnan(read)),
                       fuzz::quoted(text));
    }
    if (const std::optional<int> position = app::placeListPosition(text)) {
        const std::optional<app::City> city = app::cityAtListPosition(*position);
        FUZZ_CHECK(city && std::isfinite(city->latitude) && std::isfinite(city->longitude));
    }
    const std::string json = app::jsonString(text);
    FUZZ_CHECK(json.size() >= 2 && json.front() == '"' && json.back() == '"');
    FUZZ_CHECK(std::none_of(json.begin(), json.end(),
                            [](char c) { return static_cast<unsigned char>(c) < 0x20; }));
    app::readOutputFormat(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkInstant(text);
    checkOtherReaders(text);
    return 0;
}
