// Fuzz target: the number-reading rule on arbitrary bytes, and what is shown of its number.
//
// The input is the text of one box. Checked, whatever the bytes:
// - readNumber never crashes and never gives NaN; a zero is always +0;
// - the same text with its digits, signs, full stop, letters and blanks typed in their
//   full-width forms reads as the same number;
// - a finite number formatted with formatFixed to 2, 3 and 1 decimals is a well-formed caption
//   (digits, one '-' at most and at the start, the separator once, never "-0.00"), rounded
//   half away from zero on the exact value, whatever the separator;
// - its coordinateText reads back, by readNumber, to the very same number.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "app/core/coordinate_text.h"
#include "app/core/number_format.h"
#include "app/core/number_reading.h"
#include "fuzz_checks.h"

namespace {

// Given a text; returns it with every character that the documented full-width rule covers
// (digits, full stop, plus and minus signs, Latin letters, the blank) replaced by its
// full-width form (U+FF10.., U+FF0E, U+FF0B, U+FF0D, U+FF21.., U+FF41.., U+3000). Other bytes,
// invalid UTF-8 included, stay as they are.
std::string fullWidth(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (const char c : text) {
        const bool covered = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
                             (c >= 'a' && c <= 'z') || c == '.' || c == '+' || c == '-';
        if (c == ' ') {
            out += "\xE3\x80\x80";  // U+3000 IDEOGRAPHIC SPACE
        } else if (covered) {
            const char32_t form = static_cast<char32_t>(c) - U'!' + 0xFF01;
            out += static_cast<char>(0xE0 | (form >> 12));
            out += static_cast<char>(0x80 | ((form >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (form & 0x3F));
        } else {
            out += c;
        }
    }
    return out;
}

// Given a run of decimal digits; returns it plus one in its last place ("199" gives "200",
// "99" gives "100").
std::string incremented(std::string digits) {
    std::size_t position = digits.size();
    while (position > 0 && digits[position - 1] == '9') digits[--position] = '0';
    if (position == 0) {
        digits.insert(digits.begin(), '1');
    } else {
        ++digits[position - 1];
    }
    return digits;
}

// Given a finite value and a number of decimals (1 to 3); returns what formatFixed must give
// with '.' as separator, worked out another way: the C library's "%.*f", which rounds the
// exact value to nearest with halves to even, mended where the two rules part, which is only
// at an exact half (v * 2^(decimals + 1) an odd whole number), and with the minus sign dropped
// where every digit is 0.
std::string expectedFixed(double value, int decimals) {
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(value));
    std::string magnitude = buffer;

    const double scaled = std::ldexp(std::fabs(value), decimals + 1);
    const bool exactHalf =
        std::fabs(value) < 0x1p52 && scaled == std::trunc(scaled) && std::fmod(scaled, 2.0) == 1.0;
    if (exactHalf) {
        // The exact value has decimals + 1 fraction digits, the last one 5: drop it and
        // round away from zero.
        std::snprintf(buffer, sizeof buffer, "%.*f", decimals + 1, std::fabs(value));
        std::string digits = buffer;
        digits.pop_back();
        const std::size_t point = digits.find('.');
        digits.erase(point, 1);
        digits = incremented(digits);
        magnitude = digits.substr(0, digits.size() - static_cast<std::size_t>(decimals)) + "." +
                    digits.substr(digits.size() - static_cast<std::size_t>(decimals));
    }
    const bool allZero = magnitude.find_first_not_of("0.") == std::string::npos;
    return (std::signbit(value) && !allZero ? "-" : "") + magnitude;
}

// Given a caption with '.' as separator; returns it with `separator` in its place.
std::string withSeparator(std::string caption, std::string_view separator) {
    const std::size_t point = caption.find('.');
    if (point != std::string::npos) caption.replace(point, 1, separator);
    return caption;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double value = app::readNumber(text);
    FUZZ_CHECK_MSG(!std::isnan(value), fuzz::quoted(text));
    if (value == 0.0) FUZZ_CHECK_MSG(!std::signbit(value), fuzz::quoted(text));

    const std::string wide = fullWidth(text);
    const double wideValue = app::readNumber(wide);
    FUZZ_CHECK_MSG(wideValue == value || (std::isnan(wideValue) && std::isnan(value)),
                   fuzz::quoted(text) + " reads " + fuzz::exact(value) + ", full width " +
                       fuzz::quoted(wide) + " reads " + fuzz::exact(wideValue));

    if (!std::isfinite(value)) return 0;

    for (const int decimals : {2, 3, 1}) {
        const std::string caption = app::formatFixed(value, decimals, ".");
        const auto detail = [&] {
            return fuzz::quoted(text) + " reads " + fuzz::exact(value) + ", shown with " +
                   std::to_string(decimals) + " decimals as " + fuzz::quoted(caption);
        };
        FUZZ_CHECK_MSG(fuzz::isFixedCaption(caption, decimals, "."), detail());
        FUZZ_CHECK_MSG(caption == expectedFixed(value, decimals),
                       detail() + ", expected " + fuzz::quoted(expectedFixed(value, decimals)));
        for (const std::string_view separator : {",", "\xD9\xAB" /* U+066B */}) {
            const std::string local = app::formatFixed(value, decimals, separator);
            FUZZ_CHECK_MSG(fuzz::isFixedCaption(local, decimals, separator),
                           detail() + ", with separator " + fuzz::quoted(local));
            FUZZ_CHECK_MSG(local == withSeparator(caption, separator),
                           detail() + ", with separator " + fuzz::quoted(local));
        }
    }

    const std::string coordinate = app::coordinateText(value);
    const double readBack = app::readNumber(coordinate);
    const auto detail = [&] {
        return fuzz::quoted(text) + " reads " + fuzz::exact(value) + ", coordinate text " +
               fuzz::quoted(coordinate) + " reads " + fuzz::exact(readBack);
    };
    FUZZ_CHECK_MSG(readBack == value && std::signbit(readBack) == std::signbit(value), detail());
    FUZZ_CHECK_MSG(coordinate.find_first_of("eE") == std::string::npos, detail());
    FUZZ_CHECK_MSG(!coordinate.empty() && coordinate != "-0", detail());
    return 0;
}
