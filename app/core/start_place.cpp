#include "app/core/start_place.h"

#include "app/core/city_table.h"

namespace app {

namespace {

// The coordinates a first start opens on, 東京's as the start file writes them.
constexpr double DEFAULT_LATITUDE = 35.65;
constexpr double DEFAULT_LONGITUDE = 139.75;

}  // namespace

StartPlace startPlaceOf(const StartFileFields& saved) {
    StartPlace place{DEFAULT_CITY_POSITION, DEFAULT_LATITUDE, DEFAULT_LONGITUDE};
    if (!saved.listPosition || !cityAtListPosition(*saved.listPosition)) return place;
    place.listPosition = *saved.listPosition;
    if (place.listPosition == TYPED_COORDINATES_POSITION) {
        if (saved.latitude) place.latitude = *saved.latitude;
        if (saved.longitude) place.longitude = *saved.longitude;
        return place;
    }
    const City city = *cityAtListPosition(place.listPosition);
    place.latitude = city.latitude;
    place.longitude = city.longitude;
    return place;
}

}  // namespace app
