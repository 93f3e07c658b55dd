#include "app/core/city_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <iterator>
#include <set>
#include <string>

#include "app/core/coordinate_text.h"

namespace app {
namespace {

constexpr int LAST_JAPANESE_CAPITAL = 46;
constexpr int YAMAZATO = 47;
constexpr int FIRST_ABROAD = 49;

// Given a list position that holds a place; returns that place, failing the test otherwise.
City placeAt(int listPosition) {
    const std::optional<City> city = cityAtListPosition(listPosition);
    EXPECT_TRUE(city.has_value()) << "list position " << listPosition;
    return city.value_or(City{"", NAN, NAN});
}

// ---- Shape of the table -----------------------------------------------------------------

TEST(CityTableShape, HoldsSeventyFivePlacesAndLookupMatchesTable) {
    ASSERT_EQ(cityTable().size(), 75u);
    for (int k = 0; k < CITY_COUNT; ++k) {
        const City city = placeAt(k);
        EXPECT_EQ(city.name, cityTable()[k].name) << k;
    }
}

TEST(CityTableShape, PositionsOutsideTheListGiveNothing) {
    for (const int k : {-1, CITY_COUNT, CITY_COUNT + 1, 100, INT_MIN, INT_MAX}) {
        EXPECT_FALSE(cityAtListPosition(k).has_value()) << k;
    }
}

TEST(CityTableShape, NamesAreUniqueAndNonEmpty) {
    std::set<std::string_view> names;
    for (const City& city : cityTable()) {
        EXPECT_FALSE(city.name.empty());
        EXPECT_TRUE(names.insert(city.name).second) << city.name;
    }
}

TEST(CityTableShape, OnlyNewDelhiCarriesABlank) {
    for (int k = 0; k < CITY_COUNT; ++k) {
        const bool hasBlank = placeAt(k).name.find(' ') != std::string_view::npos;
        EXPECT_EQ(hasBlank, k == 61) << k;
    }
    EXPECT_EQ(placeAt(61).name, "ニューデリー ");
}

// ---- Named places -------------------------------------------------------------------------

// The whole table in list order: name, latitude and longitude in decimal degrees as stored.
// Written out on its own, not copied from app/core/city_table.cpp, so that a changed name, digit
// or sign on either side fails. "入力" has no coordinates.
constexpr double NO_COORDINATE = NAN;
const struct {
    int position;
    std::string_view name;
    double latitude;
    double longitude;
} EXPECTED_TABLE[] = {
    {0, "札幌", 43.067, 141.35},
    {1, "青森", 40.817, 140.733},
    {2, "盛岡", 39.7, 141.15},
    {3, "仙台", 38.267, 140.867},
    {4, "秋田", 39.717, 140.117},
    {5, "山形", 38.25, 140.35},
    {6, "福島", 37.75, 140.467},
    {7, "水戸", 36.367, 140.483},
    {8, "宇都宮", 36.567, 139.883},
    {9, "前橋", 36.383, 139.067},
    {10, "浦和", 35.85, 139.65},
    {11, "千葉", 35.6, 140.117},
    {12, "東京", 35.65, 139.75},
    {13, "横浜", 35.45, 139.65},
    {14, "甲府", 35.667, 138.567},
    {15, "静岡", 34.967, 138.383},
    {16, "名古屋", 35.167, 136.917},
    {17, "新潟", 37.917, 139.033},
    {18, "長野", 36.65, 138.183},
    {19, "富山", 36.683, 137.217},
    {20, "金沢", 36.567, 136.65},
    {21, "福井", 36.067, 136.217},
    {22, "岐阜", 35.417, 136.767},
    {23, "津", 34.733, 136.517},
    {24, "大津", 35.0, 135.867},
    {25, "京都", 35.017, 135.75},
    {26, "奈良", 34.683, 135.833},
    {27, "大阪", 34.683, 135.483},
    {28, "和歌山", 34.233, 135.167},
    {29, "神戸", 34.683, 135.183},
    {30, "岡山", 34.667, 133.933},
    {31, "広島", 34.383, 132.45},
    {32, "山口", 34.183, 131.467},
    {33, "鳥取", 35.5, 134.233},
    {34, "松江", 35.467, 133.05},
    {35, "高松", 34.35, 134.05},
    {36, "徳島", 34.067, 134.55},
    {37, "松山", 33.833, 132.767},
    {38, "高知", 33.55, 133.533},
    {39, "福岡", 33.583, 130.4},
    {40, "佐賀", 33.25, 130.3},
    {41, "長崎", 32.75, 129.867},
    {42, "熊本", 32.8, 130.717},
    {43, "大分", 33.233, 131.617},
    {44, "宮崎", 31.9, 131.417},
    {45, "鹿児島", 31.6, 130.55},
    {46, "那覇", 26.217, 127.667},
    {47, "山里", 43.92, 144.3},
    {48, "入力", NO_COORDINATE, NO_COORDINATE},
    {49, "オークランド", -37.02, 174.8},
    {50, "シドニー", -33.87, 151.2},
    {51, "グアム", 13.55, 144.83},
    {52, "ソウル", 37.55, 126.97},
    {53, "マニラ", 14.52, 121.0},
    {54, "台北", 25.03, 121.52},
    {55, "北京", 39.93, 116.28},
    {56, "上海", 31.17, 121.43},
    {57, "香港", 22.3, 114.17},
    {58, "クワラルンプール", 3.12, 101.55},
    {59, "シンガポール", 1.37, 103.92},
    {60, "バンコク", 13.73, 100.57},
    {61, "ニューデリー ", 28.58, 77.2},
    {62, "ボンベイ", 18.9, 72.82},
    {63, "モスクワ", 55.75, 37.57},
    {64, "ローマ", 41.8, 12.23},
    {65, "ベルリン", 52.47, 13.4},
    {66, "パリ", 48.97, 2.45},
    {67, "ロンドン", 51.15, -0.18},
    {68, "サンパウロ", -23.5, -46.62},
    {69, "ボストン", 42.37, -71.03},
    {70, "ニューヨーク", 40.77, -73.9},
    {71, "シカゴ", 41.78, -87.75},
    {72, "ロサンゼルス", 34.05, -118.23},
    {73, "サンフランシスコ", 37.62, -122.38},
    {74, "ホノルル", 21.35, -157.93},
};

TEST(CityTablePlaces, EveryPlaceHoldsItsNameAndCoordinates) {
    ASSERT_EQ(std::size(EXPECTED_TABLE), static_cast<std::size_t>(CITY_COUNT));
    for (int k = 0; k < CITY_COUNT; ++k) {
        const auto& expected = EXPECTED_TABLE[k];
        ASSERT_EQ(expected.position, k);
        const City city = placeAt(k);
        EXPECT_EQ(city.name, expected.name) << k;
        if (k == TYPED_COORDINATES_POSITION) continue;
        EXPECT_EQ(city.latitude, expected.latitude) << k << " " << city.name;
        EXPECT_EQ(city.longitude, expected.longitude) << k << " " << city.name;
    }
    EXPECT_EQ(placeAt(DEFAULT_CITY_POSITION).name, "東京");
    EXPECT_EQ(placeAt(YAMAZATO).name, "山里");
}

TEST(CityTablePlaces, BoxTextsOfEdgeCases) {
    EXPECT_EQ(coordinateText(placeAt(12).latitude), "35.65");
    EXPECT_EQ(coordinateText(placeAt(12).longitude), "139.75");
    EXPECT_EQ(coordinateText(placeAt(24).latitude), "35");
    EXPECT_EQ(coordinateText(placeAt(49).latitude), "-37.02");
    EXPECT_EQ(coordinateText(placeAt(53).longitude), "121");
    EXPECT_EQ(coordinateText(placeAt(67).longitude), "-0.18");
}

TEST(CityTablePlaces, TypedCoordinatesEntryIsTheOnlyOneWithoutCoordinates) {
    EXPECT_EQ(TYPED_COORDINATES_POSITION, 48);
    EXPECT_EQ(placeAt(TYPED_COORDINATES_POSITION).name, "入力");
    for (int k = 0; k < CITY_COUNT; ++k) {
        const City city = placeAt(k);
        const bool hasCoordinates = std::isfinite(city.latitude) && std::isfinite(city.longitude);
        EXPECT_EQ(hasCoordinates, k != TYPED_COORDINATES_POSITION) << k;
    }
}

// ---- Sanity of the transcription ----------------------------------------------------------

TEST(CityTableTranscription, JapanesePlacesLieInJapan) {
    for (int k = 0; k <= YAMAZATO; ++k) {
        const City city = placeAt(k);
        EXPECT_GE(city.latitude, 24.0) << city.name;
        EXPECT_LE(city.latitude, 46.0) << city.name;
        EXPECT_GE(city.longitude, 122.0) << city.name;
        EXPECT_LE(city.longitude, 146.0) << city.name;
    }
    // 那覇 is the southernmost capital, 札幌 the northernmost.
    for (int k = 0; k <= LAST_JAPANESE_CAPITAL; ++k) {
        EXPECT_GE(placeAt(k).latitude, placeAt(46).latitude) << k;
        EXPECT_LE(placeAt(k).latitude, placeAt(0).latitude) << k;
    }
}

TEST(CityTableTranscription, HemispheresOfPlacesAbroad) {
    for (int k = FIRST_ABROAD; k < CITY_COUNT; ++k) {
        const City city = placeAt(k);
        EXPECT_LE(std::abs(city.latitude), 90.0) << city.name;
        EXPECT_LE(std::abs(city.longitude), 180.0) << city.name;
        const bool south = k == 49 || k == 50 || k == 68;
        EXPECT_EQ(city.latitude < 0, south) << city.name;
        EXPECT_EQ(city.longitude < 0, k >= 67) << city.name;
    }
}

}  // namespace
// A place's name belongs to its own coordinates only: not to a latitude typed after it was
// chosen, and "入力" belongs to none.
TEST(CityTablePlaces, APlaceIsAtItsOwnCoordinatesOnly) {
    const struct {
        const char* name;
        double latitude;
        double longitude;
        bool at;
    } cases[] = {
        {"東京", 35.65, 139.75, true},  {"東京", 65, 139.75, false},
        {"東京", 35.65, 135, false},    {"ニューデリー ", 28.58, 77.2, true},
        {"入力", 35.65, 139.75, false}, {"どこか", 35.65, 139.75, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(app::placeIsAt(c.name, c.latitude, c.longitude), c.at) << c.name << c.latitude;
    }
}

}  // namespace app
