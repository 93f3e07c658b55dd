// The built-in table of 75 places.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace app {

struct City {
    std::string_view name;  // UTF-8, exactly as listed ("ニューデリー " ends in a blank)
    double latitude;        // degrees, north positive
    double longitude;       // degrees, east positive
};

inline constexpr int CITY_COUNT = 75;
// The list position of "入力", the entry for typed coordinates, which has none.
inline constexpr int TYPED_COORDINATES_POSITION = 48;
// The list position of 東京, the place a first start opens on.
inline constexpr int DEFAULT_CITY_POSITION = 12;

// The list's name of the entry for typed coordinates, "入力" (UTF-8).
std::string_view typedCoordinatesName();

// The places in list order (list position k is table position k + 1). The entry "入力" holds
// no coordinates of its own; its latitude and longitude are never read and are quiet NaN.
const std::array<City, CITY_COUNT>& cityTable();

// The place at a list position (0 to 74), or nothing outside that range.
std::optional<City> cityAtListPosition(int listPosition);

// True where the place listed as `name` (UTF-8, exactly as listed) lies at exactly `latitude`
// and `longitude` (degrees); false for a name the list lacks and for "入力", which has no
// coordinates of its own.
bool placeIsAt(std::string_view name, double latitude, double longitude);

}  // namespace app
