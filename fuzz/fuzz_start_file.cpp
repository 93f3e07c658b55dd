// Fuzz target: the start file's reader on arbitrary contents, and the line it is written with.
//
// The input is first read as a whole start file. Checked:
// - parseStartFile never crashes; the fields come in order (a latitude only with a list
//   position, a longitude only with a latitude); every coordinate present is finite;
// - only the first line counts: the contents cut at the first CR or LF read the same.
//
// Then the same bytes are split into two box texts, at the first byte 0xFF (which no UTF-8
// text holds) or, without one, in the middle; the list position is the one just read, or one
// made from the input's size. Checked: startFileLine(position, text1, text2) is one line
// ending in CR LF, and read back it gives the position, and as latitude and longitude the
// numbers readNumber gives the texts, or 0 for an infinite one.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/number_reading.h"
#include "app/core/start_file.h"
#include "fuzz_checks.h"

namespace {

// Given two optional numbers; returns whether they are both empty or hold the same value.
bool same(const std::optional<double>& a, const std::optional<double>& b) {
    if (a.has_value() != b.has_value()) return false;
    return !a || *a == *b;
}

bool same(const app::StartFileFields& a, const app::StartFileFields& b) {
    return a.listPosition == b.listPosition && same(a.latitude, b.latitude) &&
           same(a.longitude, b.longitude);
}

std::string describe(const std::optional<double>& value) {
    return value ? fuzz::exact(*value) : std::string("none");
}

std::string describe(const app::StartFileFields& f) {
    return "{" + (f.listPosition ? std::to_string(*f.listPosition) : std::string("none")) + ", " +
           describe(f.latitude) + ", " + describe(f.longitude) + "}";
}

// Given a box's text; returns the coordinate the start file keeps for it: the number the
// number-reading rule gives it, and 0 for an infinite one.
double keptCoordinate(std::string_view boxText) {
    const double value = app::readNumber(boxText);
    return std::isfinite(value) ? value : 0.0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view contents(reinterpret_cast<const char*>(data), size);

    // ---- Reading arbitrary contents ----
    const app::StartFileFields fields = app::parseStartFile(contents);
    const auto detail = [&] { return fuzz::quoted(contents) + " gives " + describe(fields); };
    if (fields.listPosition) {
        const int position = *fields.listPosition;
        FUZZ_CHECK_MSG(position >= std::numeric_limits<std::int16_t>::min() &&
                           position <= std::numeric_limits<std::int16_t>::max(),
                       detail());
    }
    FUZZ_CHECK_MSG(!fields.latitude || fields.listPosition, detail());
    FUZZ_CHECK_MSG(!fields.longitude || fields.latitude, detail());
    if (fields.latitude) FUZZ_CHECK_MSG(std::isfinite(*fields.latitude), detail());
    if (fields.longitude) FUZZ_CHECK_MSG(std::isfinite(*fields.longitude), detail());

    const std::size_t lineEnd = contents.find_first_of("\r\n");
    if (lineEnd != std::string_view::npos) {
        const app::StartFileFields firstLineFields =
            app::parseStartFile(contents.substr(0, lineEnd));
        FUZZ_CHECK_MSG(same(fields, firstLineFields),
                       detail() + ", its first line alone " + describe(firstLineFields));
    }

    // ---- Writing two box texts and reading them back ----
    const std::size_t split = contents.find('\xFF');
    const std::string_view latitudeText =
        split != std::string_view::npos ? contents.substr(0, split) : contents.substr(0, size / 2);
    const std::string_view longitudeText =
        split != std::string_view::npos ? contents.substr(split + 1) : contents.substr(size / 2);
    const int position = fields.listPosition
                             ? *fields.listPosition
                             : static_cast<std::int16_t>(static_cast<std::uint16_t>(size * 40503u));

    const std::string line = app::startFileLine(position, latitudeText, longitudeText);
    const app::StartFileFields readBack = app::parseStartFile(line);
    const auto roundTrip = [&] {
        return "position " + std::to_string(position) + ", texts " + fuzz::quoted(latitudeText) +
               " and " + fuzz::quoted(longitudeText) + " written as " + fuzz::quoted(line) +
               " read back as " + describe(readBack);
    };
    FUZZ_CHECK_MSG(line.size() >= 2 && line.compare(line.size() - 2, 2, "\r\n") == 0, roundTrip());
    FUZZ_CHECK_MSG(line.find_first_of("\r\n") == line.size() - 2, roundTrip());
    FUZZ_CHECK_MSG(readBack.listPosition && *readBack.listPosition == position, roundTrip());
    FUZZ_CHECK_MSG(
        readBack.latitude && *readBack.latitude == keptCoordinate(latitudeText),
        roundTrip() + ", expected latitude " + fuzz::exact(keptCoordinate(latitudeText)));
    FUZZ_CHECK_MSG(
        readBack.longitude && *readBack.longitude == keptCoordinate(longitudeText),
        roundTrip() + ", expected longitude " + fuzz::exact(keptCoordinate(longitudeText)));
    return 0;
}
