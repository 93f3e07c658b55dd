#include "app/core/number_format.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>
#include <string>
#include <string_view>

namespace app {
namespace {

// Fraction digits that write every double exactly: its lowest bit is never below 2^-1074,
// and 2^-1074 has 1074 decimal fraction digits.
constexpr int EXACT_FRACTION_DIGITS =
    std::numeric_limits<double>::digits - std::numeric_limits<double>::min_exponent;
// Digits of the integer part of the largest double.
constexpr int MAX_INTEGER_DIGITS = std::numeric_limits<double>::max_exponent10 + 1;

// The exact decimal value of a double as a run of digits without a point, and how many of
// them stand before the point (at least one).
struct ExactDecimal {
    std::string digits;
    std::size_t integerDigits;
};

// Given a finite non-negative value, its exact decimal expansion with EXACT_FRACTION_DIGITS
// fraction digits, which involves no rounding.
ExactDecimal exactDecimal(double magnitude) {
    std::array<char, MAX_INTEGER_DIGITS + 1 + EXACT_FRACTION_DIGITS> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::fixed, EXACT_FRACTION_DIGITS);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(result.ptr - buffer.data()));
    const std::size_t point = text.find('.');
    ExactDecimal exact{std::string(text.substr(0, point)), point};
    exact.digits += text.substr(point + 1);
    return exact;
}

// Given a run of decimal digits and how many of them to keep, the first `kept` digits rounded
// half away from zero by the digit after them (which may add a leading digit, "9996" kept 3
// giving "1000"); zeros are appended where fewer digits are given than kept.
std::string roundHalfAwayFromZero(std::string digits, std::size_t kept) {
    if (kept >= digits.size()) {
        digits.resize(kept, '0');
        return digits;
    }
    const bool roundUp = digits[kept] >= '5';
    digits.resize(kept);
    if (!roundUp) return digits;

    std::size_t position = kept;
    while (position > 0 && digits[position - 1] == '9') digits[--position] = '0';
    if (position == 0) {
        digits.insert(digits.begin(), '1');
    } else {
        ++digits[position - 1];
    }
    return digits;
}

}  // namespace

std::string formatFixed(double value, int decimals, std::string_view decimalSeparator) {
    if (!std::isfinite(value)) return {};
    const std::size_t fractionDigits = decimals > 0 ? static_cast<std::size_t>(decimals) : 0;

    const ExactDecimal exact = exactDecimal(std::fabs(value));
    const std::string rounded =
        roundHalfAwayFromZero(exact.digits, exact.integerDigits + fractionDigits);
    const std::size_t integerDigits = rounded.size() - fractionDigits;
    const bool showsMinus =
        std::signbit(value) && rounded.find_first_not_of('0') != std::string::npos;

    std::string text = showsMinus ? "-" : "";
    text.append(rounded, 0, integerDigits);
    if (fractionDigits > 0) {
        text += decimalSeparator;
        text.append(rounded, integerDigits, fractionDigits);
    }
    return text;
}

}  // namespace app
