#include "app/core/number_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

namespace app {
namespace {

// What the reader sees past the last character of the text.
constexpr char32_t END_OF_TEXT = 0x110000;
// What an invalid or truncated UTF-8 sequence reads as: a character that is no part of a number.
constexpr char32_t REPLACEMENT_CHARACTER = 0xFFFD;

// The full-width forms U+FF01..U+FF5E mirror ASCII U+0021..U+007E at this distance.
constexpr char32_t FIRST_FULL_WIDTH_FORM = 0xFF01;
constexpr char32_t LAST_FULL_WIDTH_FORM = 0xFF5E;
constexpr char32_t FULL_WIDTH_OFFSET = FIRST_FULL_WIDTH_FORM - U'!';
// Other characters a Japanese input method types in place of a blank or a minus sign.
constexpr char32_t IDEOGRAPHIC_SPACE = 0x3000;
constexpr char32_t MINUS_SIGN = 0x2212;
constexpr char32_t PROLONGED_SOUND_MARK = 0x30FC;

// An exponent stops growing once it reaches this: it lies far outside the range of a double,
// and a text shorter than this many characters cannot move its first significant digit back
// by as much, so further exponent digits cannot change the result.
constexpr long long EXPONENT_LIMIT = 1'000'000'000'000'000;
// Orders of magnitude beyond these are clamped before conversion; the result is the same
// (infinity or zero), and the exponent handed on stays short.
constexpr long long ORDER_CLAMP = 400;

// Bits of the significand of a double; an integer of more binary digits than the largest
// exponent is 2^1024 or more, beyond the range of a double.
constexpr int SIGNIFICAND_BITS = std::numeric_limits<double>::digits;
constexpr std::size_t MAX_BINARY_DIGITS = std::numeric_limits<double>::max_exponent;

constexpr int HEXADECIMAL_BITS_PER_DIGIT = 4;
constexpr int OCTAL_BITS_PER_DIGIT = 3;

// A decoded character and the number of bytes it took.
struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

// Given a lead byte, the length of the UTF-8 sequence it starts (1 to 4), or 0 for a byte
// that cannot start one.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

// Given the text and a position inside it, the code point of the UTF-8 sequence there and its
// length in bytes. Invalid, overlong, truncated and surrogate sequences give the replacement
// character with length 1.
Decoded decodeUtf8(std::string_view text, std::size_t position) {
    constexpr char32_t SMALLEST_FOR_LENGTH[] = {0, 0, 0x80, 0x800, 0x10000};
    constexpr char32_t LAST_CODE_POINT = 0x10FFFF;
    const Decoded invalid{REPLACEMENT_CHARACTER, 1};

    const auto lead = static_cast<unsigned char>(text[position]);
    const std::size_t length = sequenceLength(lead);
    if (length == 0 || length > text.size() - position) return invalid;
    if (length == 1) return {lead, 1};

    char32_t codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto continuation = static_cast<unsigned char>(text[position + i]);
        if ((continuation & 0xC0) != 0x80) return invalid;
        codePoint = (codePoint << 6) | (continuation & 0x3F);
    }
    const bool surrogate = codePoint >= 0xD800 && codePoint <= 0xDFFF;
    if (codePoint < SMALLEST_FOR_LENGTH[length] || codePoint > LAST_CODE_POINT || surrogate) {
        return invalid;
    }
    return {codePoint, length};
}

// Given a code point, the character the reading rule takes it for: the ASCII form of a
// full-width form, a blank for the ideographic space, '-' for the minus sign and the prolonged
// sound mark; any other code point unchanged.
char32_t asciiForm(char32_t codePoint) {
    if (codePoint >= FIRST_FULL_WIDTH_FORM && codePoint <= LAST_FULL_WIDTH_FORM) {
        return codePoint - FULL_WIDTH_OFFSET;
    }
    if (codePoint == IDEOGRAPHIC_SPACE) return ' ';
    if (codePoint == MINUS_SIGN || codePoint == PROLONGED_SOUND_MARK) return '-';
    return codePoint;
}

// Whether the reading rule passes over a character wherever it stands.
bool isSkipped(char32_t c) {
    return c == ' ' || c == '\t' || c == '\n';
}

bool isDecimalDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

// The characters of a UTF-8 text in the form the reading rule sees them, blanks passed over.
// Copying a stream keeps its place, so a reader can look ahead on a copy.
class CharacterStream {
  public:
    explicit CharacterStream(std::string_view text) : text_(text) { settle(); }

    // The current character, or END_OF_TEXT.
    char32_t peek() const { return current_; }

    // Moves on to the next character that is not passed over.
    void advance() {
        position_ += length_;
        consumed_ = position_;
        settle();
    }

    // The byte offset just past the last character moved past; 0 before the first.
    std::size_t consumed() const { return consumed_; }

  private:
    // Decodes the character at the position, moving past skipped ones.
    void settle() {
        while (position_ < text_.size()) {
            const Decoded decoded = decodeUtf8(text_, position_);
            current_ = asciiForm(decoded.codePoint);
            length_ = decoded.length;
            if (!isSkipped(current_)) return;
            position_ += length_;
        }
        current_ = END_OF_TEXT;
        length_ = 0;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    char32_t current_ = END_OF_TEXT;
    std::size_t length_ = 0;
    std::size_t consumed_ = 0;
};

// Given the stream, reads an optional '+' or '-' and tells whether it was '-'.
bool readSign(CharacterStream& stream) {
    const char32_t c = stream.peek();
    if (c != '+' && c != '-') return false;
    stream.advance();
    return c == '-';
}

// Given a character and the digits' width in bits (4 hexadecimal, 3 octal), its digit value,
// or -1 if it is not such a digit.
int radixDigitValue(char32_t c, int bitsPerDigit) {
    const int radix = 1 << bitsPerDigit;
    int value = -1;
    if (isDecimalDigit(c)) value = static_cast<int>(c - '0');
    if (c >= 'A' && c <= 'F') value = static_cast<int>(c - 'A') + 10;
    if (c >= 'a' && c <= 'f') value = static_cast<int>(c - 'a') + 10;
    return value < radix ? value : -1;
}

// Given the binary digits ('0' and '1') of a non-negative integer, most significant first and
// without leading zeros, its value rounded to the nearest double, ties to even; +infinity
// beyond the range of a double.
double doubleFromBinaryDigits(const std::string& bits) {
    if (bits.empty()) return 0.0;
    if (bits.size() > MAX_BINARY_DIGITS) return std::numeric_limits<double>::infinity();

    const std::size_t kept = std::min(bits.size(), static_cast<std::size_t>(SIGNIFICAND_BITS));
    std::uint64_t significand = 0;
    for (std::size_t i = 0; i < kept; ++i) significand = (significand << 1) | (bits[i] == '1');
    if (kept < bits.size()) {
        const bool roundBit = bits[kept] == '1';
        const bool stickyBit = bits.find('1', kept + 1) != std::string::npos;
        if (roundBit && (stickyBit || (significand & 1) != 0)) ++significand;
    }
    return std::ldexp(static_cast<double>(significand), static_cast<int>(bits.size() - kept));
}

// Given the stream just past "&", reads "H" or "O" and the hexadecimal or octal digits after
// it, and returns their value as a double; nothing if neither letter follows or no digit does.
std::optional<double> readRadixInteger(CharacterStream& stream) {
    const char32_t letter = stream.peek();
    int bitsPerDigit = 0;
    if (letter == 'H' || letter == 'h') bitsPerDigit = HEXADECIMAL_BITS_PER_DIGIT;
    if (letter == 'O' || letter == 'o') bitsPerDigit = OCTAL_BITS_PER_DIGIT;
    if (bitsPerDigit == 0) return std::nullopt;
    stream.advance();

    bool anyDigit = false;
    std::string bits;
    for (int digit = radixDigitValue(stream.peek(), bitsPerDigit); digit >= 0;
         digit = radixDigitValue(stream.peek(), bitsPerDigit)) {
        anyDigit = true;
        for (int bit = bitsPerDigit - 1; bit >= 0; --bit) {
            const bool set = ((digit >> bit) & 1) != 0;
            if (set || !bits.empty()) bits.push_back(set ? '1' : '0');
        }
        stream.advance();
    }
    if (!anyDigit) return std::nullopt;
    return doubleFromBinaryDigits(bits);
}

// A decimal number as read: its value is (-1 if negative) x 0.significantDigits x 10^order,
// where significantDigits starts with a non-zero digit or is empty for the value zero.
struct DecimalNumber {
    bool negative = false;
    std::string significantDigits;
    long long order = 0;
};

// Given the stream, reads the digits and the decimal point of a number into `number`: its
// significant digits and their order of magnitude. Tells whether there was any digit.
bool readMantissa(CharacterStream& stream, DecimalNumber& number) {
    bool anyDigit = false;
    long long integerDigits = 0;  // significant digits before the point
    long long leadingFractionZeros = 0;
    for (bool fraction = false;; stream.advance()) {
        const char32_t c = stream.peek();
        if (c == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (!isDecimalDigit(c)) break;
        anyDigit = true;
        const bool leadingZero = c == '0' && number.significantDigits.empty();
        if (!leadingZero) number.significantDigits.push_back(static_cast<char>(c));
        if (!fraction && !leadingZero) ++integerDigits;
        if (fraction && leadingZero) ++leadingFractionZeros;
    }
    number.order = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
    return anyDigit;
}

// Given the stream, reads an exponent (E or D in either case, an optional sign, at least one
// digit) and returns its value, clamped to +-EXPONENT_LIMIT. Without one, returns 0 and
// leaves the stream where it was.
long long readExponent(CharacterStream& stream) {
    CharacterStream ahead = stream;
    const char32_t letter = ahead.peek();
    if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return 0;
    ahead.advance();
    const bool negative = readSign(ahead);
    if (!isDecimalDigit(ahead.peek())) return 0;

    long long exponent = 0;
    for (; isDecimalDigit(ahead.peek()); ahead.advance()) {
        if (exponent < EXPONENT_LIMIT) exponent = exponent * 10 + (ahead.peek() - '0');
    }
    stream = ahead;
    return negative ? -exponent : exponent;
}

// Given a decimal number as read, its value correctly rounded to a double: +-infinity above
// the range of a double, 0 below it.
double toDouble(const DecimalNumber& number) {
    if (number.significantDigits.empty()) return 0.0;
    const long long order = std::clamp(number.order, -ORDER_CLAMP, ORDER_CLAMP);
    const std::string text = "0." + number.significantDigits + "e" + std::to_string(order);

    double magnitude = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range) {
        magnitude = order > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -magnitude : magnitude;
}

// Given the stream, reads a decimal number (sign, digits, point, exponent) and returns its
// value; nothing if there is no digit.
std::optional<double> readDecimal(CharacterStream& stream) {
    DecimalNumber number;
    number.negative = readSign(stream);
    if (!readMantissa(stream, number)) return std::nullopt;
    number.order += readExponent(stream);
    return toDouble(number);
}

}  // namespace

// Given UTF-8 text; returns the number at its start, whether a digit took part and how many
// bytes the number takes.
NumberReading readNumberPrefix(std::string_view utf8Text) {
    CharacterStream stream(utf8Text);
    std::optional<double> value;
    if (stream.peek() == '&') {
        stream.advance();
        value = readRadixInteger(stream);
    } else {
        value = readDecimal(stream);
    }
    if (!value) return {0.0, false, 0};
    // Zero always reads as +0, whatever sign the text wrote it with.
    return {*value == 0.0 ? 0.0 : *value, true, stream.consumed()};
}

// Given UTF-8 text; returns the number at its start.
double readNumber(std::string_view utf8Text) {
    return readNumberPrefix(utf8Text).value;
}

// Given UTF-8 text; returns whether the reading rule passes over all of it.
bool isOnlySkipped(std::string_view utf8Text) {
    return CharacterStream(utf8Text).peek() == END_OF_TEXT;
}

}  // namespace app
