#include "start_file.h"

#include <cmath>
#include <cstddef>

#include "app/coordinate_text.h"
#include "app/number_reading.h"
#include "astro/calculation.h"

namespace app {

namespace {

// Width of a print zone of the start file's line, in characters.
constexpr std::size_t ZONE_WIDTH = 14;
constexpr char BLANK = ' ';
constexpr char COMMA = ',';
constexpr char CARRIAGE_RETURN = '\r';
constexpr char LINE_FEED = '\n';
constexpr char TAB = '\t';
constexpr std::string_view LINE_END = "\r\n";
// What a coordinate whose value cannot be written (infinite or NaN) is saved as.
constexpr std::string_view UNWRITABLE_VALUE_TEXT = "0";
// What a character that can play no part in a number stands for while a field is checked.
constexpr char NOT_IN_NUMBER = '\0';

// The characters the number-reading rule takes for ASCII ones: the full-width forms U+FF01
// to U+FF5E for '!' to '~', the ideographic space for a blank, and the minus sign and the
// prolonged sound mark for '-'.
constexpr char32_t FULL_WIDTH_FIRST = 0xFF01;
constexpr char32_t FULL_WIDTH_LAST = 0xFF5E;
constexpr char32_t FULL_WIDTH_TO_ASCII = 0xFEE0;
constexpr char32_t IDEOGRAPHIC_SPACE = 0x3000;
constexpr char32_t MINUS_SIGN = 0x2212;
constexpr char32_t PROLONGED_SOUND_MARK = 0x30FC;

// The two coordinate fields, which are read by different rules.
enum class CoordinateField { LATITUDE, LONGITUDE };

// ---- Reading ---------------------------------------------------------------------------

// Given the start file's contents; returns its first line, without the CR or LF that ends it.
std::string_view firstLine(std::string_view contents) {
    const std::size_t end = contents.find_first_of(LINE_END);
    return end == std::string_view::npos ? contents : contents.substr(0, end);
}

// Given a byte of the line; returns whether it ends a field.
bool endsField(char c) {
    return c == BLANK || c == COMMA;
}

// Takes the fields of one line in order. A field starts after any blanks and runs to the
// next blank, comma or the end of the line. Blanks after a field, with at most one comma
// among them, make one separator, so that "12 , 35" reads as 12 and 35 as "12,35" does.
class FieldReader {
  public:
    explicit FieldReader(std::string_view line) : line_(line) {}

    // Given nothing; returns the next field's text, or nothing when the line ends first.
    std::optional<std::string_view> next() {
        skipBlanks();
        if (pos_ == line_.size()) return std::nullopt;
        const std::size_t start = pos_;
        while (pos_ < line_.size() && !endsField(line_[pos_])) ++pos_;
        const std::string_view field = line_.substr(start, pos_ - start);
        skipSeparator();
        return field;
    }

  private:
    // Moves past the blanks at the reading position.
    void skipBlanks() {
        while (pos_ < line_.size() && line_[pos_] == BLANK) ++pos_;
    }

    // Moves past the blanks and the one comma that end the field just taken.
    void skipSeparator() {
        skipBlanks();
        if (pos_ < line_.size() && line_[pos_] == COMMA) ++pos_;
    }

    std::string_view line_;
    std::size_t pos_ = 0;
};

// Given a byte; returns whether it continues a UTF-8 sequence rather than starting one.
bool isContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Given UTF-8 text and a byte offset into it; returns the code point of the three-byte
// sequence there, or nothing when no well-formed three-byte sequence starts there.
std::optional<char32_t> threeByteCodePoint(std::string_view text, std::size_t pos) {
    if (pos + 2 >= text.size()) return std::nullopt;
    const auto lead = static_cast<unsigned char>(text[pos]);
    const auto second = static_cast<unsigned char>(text[pos + 1]);
    const auto third = static_cast<unsigned char>(text[pos + 2]);
    if ((lead & 0xF0) != 0xE0 || !isContinuationByte(second) || !isContinuationByte(third)) {
        return std::nullopt;
    }
    return static_cast<char32_t>(((lead & 0x0F) << 12) | ((second & 0x3F) << 6) | (third & 0x3F));
}

// Given UTF-8 text and a byte offset; returns the character there as the number-reading rule
// sees it (the ASCII form of the characters above; anything else that is not ASCII as
// NOT_IN_NUMBER) and moves the offset past it. Invalid bytes are taken one at a time.
char asciiFormAt(std::string_view text, std::size_t& pos) {
    const auto byte = static_cast<unsigned char>(text[pos]);
    if (byte < 0x80) {
        ++pos;
        return static_cast<char>(byte);
    }
    const std::optional<char32_t> codePoint = threeByteCodePoint(text, pos);
    if (!codePoint) {
        ++pos;
        return NOT_IN_NUMBER;
    }
    pos += 3;
    if (*codePoint == IDEOGRAPHIC_SPACE) return BLANK;
    if (*codePoint == MINUS_SIGN || *codePoint == PROLONGED_SOUND_MARK) return '-';
    if (*codePoint >= FULL_WIDTH_FIRST && *codePoint <= FULL_WIDTH_LAST) {
        return static_cast<char>(*codePoint - FULL_WIDTH_TO_ASCII);
    }
    return NOT_IN_NUMBER;
}

// Given a field's UTF-8 text; returns the ASCII characters the number-reading rule looks at,
// with the blanks, tabs and line feeds it skips left out.
std::string numberSpelling(std::string_view field) {
    std::string spelling;
    for (std::size_t pos = 0; pos < field.size();) {
        const char c = asciiFormAt(field, pos);
        if (c != BLANK && c != TAB && c != LINE_FEED) spelling += c;
    }
    return spelling;
}

// Given a character and a radix (8, 10 or 16); returns whether it is a digit of that radix.
bool isDigitOf(char c, int radix) {
    if (c >= '0' && c <= '9') return c - '0' < radix;
    if (radix != 16) return false;
    return (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}

// Given a spelling and a position in it; returns how many digits of the radix follow there
// and moves the position past them.
std::size_t skipDigits(std::string_view spelling, std::size_t& pos, int radix) {
    const std::size_t start = pos;
    while (pos < spelling.size() && isDigitOf(spelling[pos], radix)) ++pos;
    return pos - start;
}

// Given a spelling and a position in it; moves the position past a sign, if one stands there.
void skipSign(std::string_view spelling, std::size_t& pos) {
    if (pos < spelling.size() && (spelling[pos] == '+' || spelling[pos] == '-')) ++pos;
}

// Given a spelling that starts with '&'; returns whether the whole of it is "&H" with
// hexadecimal digits or "&O" with octal digits.
bool isWholeRadixInteger(std::string_view spelling) {
    if (spelling.size() < 3) return false;
    const char letter = spelling[1];
    const int radix = (letter == 'H' || letter == 'h')   ? 16
                      : (letter == 'O' || letter == 'o') ? 8
                                                         : 0;
    if (radix == 0) return false;
    std::size_t pos = 2;
    return skipDigits(spelling, pos, radix) > 0 && pos == spelling.size();
}

// Given a spelling; returns whether the whole of it is a decimal number: a sign, digits with
// at most one full stop and at least one digit, and an exponent letter E or D with a sign and
// at least one digit.
bool isWholeDecimal(std::string_view spelling) {
    std::size_t pos = 0;
    skipSign(spelling, pos);
    std::size_t mantissaDigits = skipDigits(spelling, pos, 10);
    if (pos < spelling.size() && spelling[pos] == '.') {
        ++pos;
        mantissaDigits += skipDigits(spelling, pos, 10);
    }
    if (mantissaDigits == 0) return false;
    if (pos < spelling.size()) {
        const char letter = spelling[pos];
        if (letter != 'E' && letter != 'e' && letter != 'D' && letter != 'd') return false;
        ++pos;
        skipSign(spelling, pos);
        if (skipDigits(spelling, pos, 10) == 0) return false;
    }
    return pos == spelling.size();
}

// Given a field's text; returns whether the number-reading rule reads all of it, leaving
// nothing over, and finds at least one digit. The value itself is always readNumber's: this
// only decides whether a field counts as a number.
bool isWholeNumber(std::string_view field) {
    const std::string spelling = numberSpelling(field);
    if (!spelling.empty() && spelling.front() == '&') return isWholeRadixInteger(spelling);
    return isWholeDecimal(spelling);
}

// Given a field's text; returns its number when the field is a number with a finite value
// (fields 1 and 3), nothing otherwise.
std::optional<double> strictNumberOf(std::string_view field) {
    if (!isWholeNumber(field)) return std::nullopt;
    const double value = readNumber(field);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

// Given field 1's text; returns the list position when the field is a number whose nearest
// whole number (halves to even) fits 16 bits, nothing otherwise.
std::optional<std::int16_t> listPositionOf(std::string_view field) {
    const std::optional<double> value = strictNumberOf(field);
    if (!value) return std::nullopt;
    return astro::toInt16RoundHalfEven(*value);
}

// Given field 2's text; returns the latitude as the number-reading rule reads it, whatever
// the field holds, except that an infinite value reads as 0, so that no start file hands the
// window a latitude no box could hold.
double latitudeOf(std::string_view field) {
    const double value = readNumber(field);
    return std::isfinite(value) ? value : 0.0;
}

// ---- Writing ---------------------------------------------------------------------------

// Given a list position; returns field 1: the decimal integer with a blank in place of the
// sign when it is not negative, and a blank after it.
std::string listPositionField(int listPosition) {
    const std::string digits = std::to_string(listPosition);
    return listPosition < 0 ? digits + BLANK : BLANK + digits + BLANK;
}

// Given UTF-8 text; returns the number of columns it fills, one per code point.
std::size_t columnCount(std::string_view text) {
    std::size_t columns = 0;
    for (const char c : text) {
        if (!isContinuationByte(static_cast<unsigned char>(c))) ++columns;
    }
    return columns;
}

// Given a text; returns whether it holds a byte that ends a field or a control character,
// which could not stand inside one field of the line.
bool holdsFieldBreak(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (endsField(c) || byte < 0x20 || byte == 0x7F) return true;
    }
    return false;
}

// Given a box's text and the field it goes into; returns whether the text, written as it
// stands, is read back as one field with the number the number-reading rule gives the text.
bool readsBackUnchanged(std::string_view text, CoordinateField field) {
    if (text.empty() || holdsFieldBreak(text)) return false;
    const double boxValue = readNumber(text);
    if (!std::isfinite(boxValue)) return false;
    if (field == CoordinateField::LATITUDE) return latitudeOf(text) == boxValue;
    const std::optional<double> readBack = strictNumberOf(text);
    return readBack && *readBack == boxValue;
}

// Given a box's text and the field it goes into; returns the text to write: the box's text
// when it reads back unchanged, otherwise the coordinate text of the number the box holds
// (an empty box holds 0), and "0" for a number no text can carry (infinite).
std::string savedBoxText(std::string_view text, CoordinateField field) {
    if (readsBackUnchanged(text, field)) return std::string(text);
    const double value = readNumber(text);
    if (!std::isfinite(value)) return std::string(UNWRITABLE_VALUE_TEXT);
    std::string numberText = coordinateText(value);
    if (!readsBackUnchanged(numberText, field)) return std::string(UNWRITABLE_VALUE_TEXT);
    return numberText;
}

// Given the line so far, the column its end stands in and the next field; appends the field
// at the start of the next print zone and moves the column past it. A field that ends in the
// last column of its zone or beyond pushes the following one zone further, so that a blank
// always separates two fields.
void appendInNextZone(std::string& line, std::size_t& column, std::string_view field) {
    const std::size_t start = (column / ZONE_WIDTH + 1) * ZONE_WIDTH;
    line.append(start - column, BLANK);
    line.append(field);
    column = start + columnCount(field);
}

}  // namespace

// Given the start file's contents; returns the list position, latitude and longitude read
// from its first line, as far as they could be read.
StartFileFields parseStartFile(std::string_view contents) {
    StartFileFields fields;
    FieldReader reader(firstLine(contents));
    const std::optional<std::string_view> positionField = reader.next();
    if (!positionField) return fields;
    fields.listPosition = listPositionOf(*positionField);
    if (!fields.listPosition) return fields;
    const std::optional<std::string_view> latitudeField = reader.next();
    if (!latitudeField) return fields;
    fields.latitude = latitudeOf(*latitudeField);
    const std::optional<std::string_view> longitudeField = reader.next();
    if (!longitudeField) return fields;
    fields.longitude = strictNumberOf(*longitudeField);
    return fields;
}

// Given the list position and the texts of the two boxes; returns the start file's line.
std::string startFileLine(int listPosition, std::string_view latitudeText,
                          std::string_view longitudeText) {
    std::string line = listPositionField(listPosition);
    std::size_t column = columnCount(line);
    appendInNextZone(line, column, savedBoxText(latitudeText, CoordinateField::LATITUDE));
    appendInNextZone(line, column, savedBoxText(longitudeText, CoordinateField::LONGITUDE));
    line.append(LINE_END);
    return line;
}

}  // namespace app
