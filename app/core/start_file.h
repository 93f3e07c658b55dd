// The one-line start file that remembers the place between runs: the list position and the
// texts of the latitude and longitude boxes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace app {

// What a start file yielded. Reading stops at the first field that fails; the fields read
// before it keep their values and the others stay empty.
struct StartFileFields {
    std::optional<std::int16_t> listPosition;
    std::optional<double> latitude;
    std::optional<double> longitude;
};

// Reads the three fields of the start file's contents (UTF-8 bytes, any size or content).
// Only the first line counts (it ends at CR, LF or the end of the contents). A field starts
// after any blanks and ends at a blank, a comma or the end of the line; blanks with one comma
// among them are a single separator. Fields 1 and 3 must be numbers: the number-reading rule
// reads the whole field, finds at least one digit and gives a finite value; field 1 is then
// rounded to the nearest whole number (halves to even) and must fit 16 bits. Field 2 reads as
// the number-reading rule gives it, whatever it holds, an infinite value as 0. A missing or
// failing field stops the reading and leaves it and every later field empty.
StartFileFields parseStartFile(std::string_view contents);

// The line the start file is written with: the list position and the two texts in print
// zones of 14 columns (counted in code points), CR LF at the end, UTF-8. Field 1 is the
// integer with a blank in place of the sign when not negative and a blank after it. A text is
// written as it stands when it reads back as one field with the number the number-reading
// rule gives it; otherwise (empty, holding blanks, commas or control characters, or read
// differently as a field) the coordinate text of that number is written, and "0" for an
// infinite number. A field that ends in the last column of its zone or beyond pushes the
// next one a zone further, so that every field reads back as its own.
std::string startFileLine(int listPosition, std::string_view latitudeText,
                          std::string_view longitudeText);

}  // namespace app
