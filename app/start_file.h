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
StartFileFields parseStartFile(std::string_view contents);

// The line the start file is written with: the list position and the two texts in print
// zones of 14 columns, CR LF at the end, UTF-8.
std::string startFileLine(int listPosition, std::string_view latitudeText,
                          std::string_view longitudeText);

}  // namespace app
