#include "app/city_table.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <string>

#include "app/coordinate_text.h"

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

TEST(CityTablePlaces, NamedPlacesHoldTheirCoordinates) {
    const struct {
        int position;
        std::string_view name;
        double latitude;
        double longitude;
    } places[] = {
        {0, "札幌", 43.067, 141.35},        {12, "東京", 35.65, 139.75},
        {24, "大津", 35.0, 135.867},        {46, "那覇", 26.217, 127.667},
        {YAMAZATO, "山里", 43.92, 144.3},   {FIRST_ABROAD, "オークランド", -37.02, 174.8},
        {52, "ソウル", 37.55, 126.97},      {53, "マニラ", 14.52, 121.0},
        {61, "ニューデリー ", 28.58, 77.2}, {67, "ロンドン", 51.15, -0.18},
        {74, "ホノルル", 21.35, -157.93},
    };
    for (const auto& expected : places) {
        const City city = placeAt(expected.position);
        EXPECT_EQ(city.name, expected.name) << expected.position;
        EXPECT_EQ(city.latitude, expected.latitude) << expected.position;
        EXPECT_EQ(city.longitude, expected.longitude) << expected.position;
    }
    EXPECT_EQ(placeAt(DEFAULT_CITY_POSITION).name, "東京");
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
}  // namespace app
