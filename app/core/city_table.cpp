#include "app/core/city_table.h"

#include <limits>

namespace app {

namespace {

// "入力" stands for typed coordinates and has none of its own: its latitude and longitude are
// quiet NaN, so that a computation that read them by mistake could not pass for a place.
constexpr double NO_COORDINATE = std::numeric_limits<double>::quiet_NaN();

// The places in list order, with their latitudes and longitudes in decimal degrees.
constexpr std::array<City, CITY_COUNT> CITIES{{
    {"札幌", 43.067, 141.35},
    {"青森", 40.817, 140.733},
    {"盛岡", 39.7, 141.15},
    {"仙台", 38.267, 140.867},
    {"秋田", 39.717, 140.117},
    {"山形", 38.25, 140.35},
    {"福島", 37.75, 140.467},
    {"水戸", 36.367, 140.483},
    {"宇都宮", 36.567, 139.883},
    {"前橋", 36.383, 139.067},
    {"浦和", 35.85, 139.65},
    {"千葉", 35.6, 140.117},
    {"東京", 35.65, 139.75},
    {"横浜", 35.45, 139.65},
    {"甲府", 35.667, 138.567},
    {"静岡", 34.967, 138.383},
    {"名古屋", 35.167, 136.917},
    {"新潟", 37.917, 139.033},
    {"長野", 36.65, 138.183},
    {"富山", 36.683, 137.217},
    {"金沢", 36.567, 136.65},
    {"福井", 36.067, 136.217},
    {"岐阜", 35.417, 136.767},
    {"津", 34.733, 136.517},
    {"大津", 35, 135.867},
    {"京都", 35.017, 135.75},
    {"奈良", 34.683, 135.833},
    {"大阪", 34.683, 135.483},
    {"和歌山", 34.233, 135.167},
    {"神戸", 34.683, 135.183},
    {"岡山", 34.667, 133.933},
    {"広島", 34.383, 132.45},
    {"山口", 34.183, 131.467},
    {"鳥取", 35.5, 134.233},
    {"松江", 35.467, 133.05},
    {"高松", 34.35, 134.05},
    {"徳島", 34.067, 134.55},
    {"松山", 33.833, 132.767},
    {"高知", 33.55, 133.533},
    {"福岡", 33.583, 130.4},
    {"佐賀", 33.25, 130.3},
    {"長崎", 32.75, 129.867},
    {"熊本", 32.8, 130.717},
    {"大分", 33.233, 131.617},
    {"宮崎", 31.9, 131.417},
    {"鹿児島", 31.6, 130.55},
    {"那覇", 26.217, 127.667},
    {"山里", 43.92, 144.3},
    {"入力", NO_COORDINATE, NO_COORDINATE},
    {"オークランド", -37.02, 174.8},
    {"シドニー", -33.87, 151.2},
    {"グアム", 13.55, 144.83},
    {"ソウル", 37.55, 126.97},
    {"マニラ", 14.52, 121},
    {"台北", 25.03, 121.52},
    {"北京", 39.93, 116.28},
    {"上海", 31.17, 121.43},
    {"香港", 22.3, 114.17},
    {"クワラルンプール", 3.12, 101.55},
    {"シンガポール", 1.37, 103.92},
    {"バンコク", 13.73, 100.57},
    {"ニューデリー ", 28.58, 77.2},
    {"ボンベイ", 18.9, 72.82},
    {"モスクワ", 55.75, 37.57},
    {"ローマ", 41.8, 12.23},
    {"ベルリン", 52.47, 13.4},
    {"パリ", 48.97, 2.45},
    {"ロンドン", 51.15, -0.18},
    {"サンパウロ", -23.5, -46.62},
    {"ボストン", 42.37, -71.03},
    {"ニューヨーク", 40.77, -73.9},
    {"シカゴ", 41.78, -87.75},
    {"ロサンゼルス", 34.05, -118.23},
    {"サンフランシスコ", 37.62, -122.38},
    {"ホノルル", 21.35, -157.93},
}};

}  // namespace

// Given nothing; returns the whole table in list order.
const std::array<City, CITY_COUNT>& cityTable() {
    return CITIES;
}

// Given a list position; returns the place there (the array index is the list position,
// table position minus one), or nothing outside 0 to 74.
std::optional<City> cityAtListPosition(int listPosition) {
    if (listPosition < 0 || listPosition >= CITY_COUNT) return std::nullopt;
    return CITIES[static_cast<std::size_t>(listPosition)];
}

std::string_view typedCoordinatesName() {
    return CITIES[TYPED_COORDINATES_POSITION].name;
}

bool placeIsAt(std::string_view name, double latitude, double longitude) {
    for (const City& city : CITIES) {
        if (city.name == name) return city.latitude == latitude && city.longitude == longitude;
    }
    return false;
}

}  // namespace app
