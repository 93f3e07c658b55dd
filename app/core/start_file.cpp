#include "app/core/start_file.h"

#include <cmath>
#include <cstddef>

#include "app/core/coordinate_text.h"
#include "app/core/number_reading.h"
#include "astro/calculation.h"

namespace app {

namespace {

// Width of a print zone of the start file's line, in characters.
constexpr std::size_t ZONE_WIDTH = 14;
constexpr char BLANK = ' ';
constexpr char COMMA = ',';
constexpr std::string_view LINE_END = "\r\n";
// What a coordinate whose value cannot be written (infinite or NaN) is saved as.
constexpr std::string_view UNWRITABLE_VALUE_TEXT = "0";

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

// Given a field's text; returns its number when the field is a number (fields 1 and 3): the
// number-reading rule finds at least one digit, reads a finite value and leaves nothing over
// but characters it skips. Nothing otherwise.
std::optional<double> strictNumberOf(std::string_view field) {
    const NumberReading reading = readNumberPrefix(field);
    if (!reading.anyDigit || !std::isfinite(reading.value)) return std::nullopt;
    if (!isOnlySkipped(field.substr(reading.consumedBytes))) return std::nullopt;
    return reading.value;
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

// Given a byte; returns whether it continues a UTF-8 sequence rather than starting one.
bool isContinuationByte(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
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
