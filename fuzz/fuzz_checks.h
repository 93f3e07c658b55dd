// What the fuzz targets share: a check that stops the run with a message, and the shape of a
// result caption.
#pragma once

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzz {

// Given a check that failed, its text, where it stands and what it was given; prints them and
// aborts, so that libFuzzer keeps the input as a crash artifact.
[[noreturn]] inline void fail(const char* what, const char* file, int line,
                              const std::string& detail = {}) {
    std::fprintf(stderr, "%s:%d: check failed: %s%s%s\n", file, line, what,
                 detail.empty() ? "" : " -- ", detail.c_str());
    std::fflush(stderr);
    std::abort();
}

// A condition that must hold. The detail, an expression giving a std::string, is only worked
// out when the condition fails.
#define FUZZ_CHECK(condition)                                           \
    do {                                                                \
        if (!(condition)) ::fuzz::fail(#condition, __FILE__, __LINE__); \
    } while (false)
#define FUZZ_CHECK_MSG(condition, detail)                                         \
    do {                                                                          \
        if (!(condition)) ::fuzz::fail(#condition, __FILE__, __LINE__, (detail)); \
    } while (false)

// Given a text; returns it quoted with every byte outside printable ASCII as \xHH.
inline std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F && c != '"' && c != '\\') {
            out += c;
        } else {
            char escape[5];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        }
    }
    return out + "\"";
}

// Given a double; returns it with every digit that tells it apart ("%.17g").
inline std::string exact(double value) {
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

inline bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// Given a caption made by formatFixed; returns whether it has the shape of the format
// pattern "0.00" (with `decimals` places and `separator`): an optional '-' at the start only,
// at least one digit before the separator and no needless leading zero, the separator once,
// exactly `decimals` digits after it (no separator when `decimals` is 0), nothing else, and
// no minus sign where every digit is 0 ("-0.00").
inline bool isFixedCaption(std::string_view text, int decimals, std::string_view separator) {
    std::size_t i = 0;
    const bool minus = !text.empty() && text[0] == '-';
    if (minus) ++i;
    const std::size_t integerStart = i;
    while (i < text.size() && isAsciiDigit(text[i])) ++i;
    const std::size_t integerDigits = i - integerStart;
    if (integerDigits == 0) return false;
    if (integerDigits > 1 && text[integerStart] == '0') return false;
    if (decimals > 0) {
        if (text.substr(i, separator.size()) != separator) return false;
        i += separator.size();
        const std::size_t fractionStart = i;
        while (i < text.size() && isAsciiDigit(text[i])) ++i;
        if (i - fractionStart != static_cast<std::size_t>(decimals)) return false;
    }
    if (i != text.size()) return false;
    if (minus) {
        bool anyNonZero = false;
        for (const char c : text) anyNonZero = anyNonZero || (isAsciiDigit(c) && c != '0');
        if (!anyNonZero) return false;
    }
    return true;
}

// Given a text; returns whether it holds any of the texts a non-finite number prints as.
inline bool mentionsNonFinite(std::string_view text) {
    for (const std::string_view word : {"nan", "NaN", "NAN", "inf", "Inf", "INF"}) {
        if (text.find(word) != std::string_view::npos) return true;
    }
    return false;
}

}  // namespace fuzz
