// The record of working variables that the calculation steps pass to one another. Each
// step reads the slots it needs and overwrites the slots it produces; the window owns one
// record for its whole life.
#pragma once

#include <cstdint>
#include <string>

namespace astro {

struct WorkingVariables {
    // Observer's place, degrees, latitude north positive, longitude east positive.
    double latitude = 0.0;
    double longitude = 0.0;

    // Julian day (UT) of the entered instant, and Julian centuries since J2000.0.
    double julianDay = 0.0;
    double julianCenturies = 0.0;

    // The Sun's ecliptic longitude (degrees; geometric, then apparent) and distance (AU).
    double sunLongitude = 0.0;
    double sunDistance = 0.0;
    // Nutation in longitude, degrees.
    double nutationLongitude = 0.0;
    // Mean obliquity of the ecliptic (degrees) with its sine and cosine.
    double obliquity = 0.0;
    double sinObliquity = 0.0;
    double cosObliquity = 0.0;

    // In and out slots of the ecliptic-to-equatorial conversion (degrees; hours, degrees).
    double convLongitude = 0.0;
    double convLatitude = 0.0;
    double convRightAscension = 0.0;
    double convDeclination = 0.0;

    // Apparent equatorial coordinates: right ascensions in hours [0, 24), declinations in
    // degrees.
    double sunRightAscension = 0.0;
    double sunDeclination = 0.0;
    double moonRightAscension = 0.0;
    double moonDeclination = 0.0;

    // Greenwich apparent sidereal time, hours.
    double siderealTime = 0.0;

    // In and out slots of the equatorial-to-horizon conversion (hours, degrees; degrees).
    double horizonInputRightAscension = 0.0;
    double horizonInputDeclination = 0.0;
    double horizonAltitude = 0.0;
    double horizonAzimuth = 0.0;

    // Horizon coordinates, degrees; azimuth from north through east in [0, 360).
    double sunAltitude = 0.0;
    double sunAzimuth = 0.0;
    double moonAltitude = 0.0;
    double moonAzimuth = 0.0;

    // The Moon's illuminated fraction (0 to 1) and bright-limb angle from the zenith
    // (degrees, [0, 360)), and their first-pass copies kept across the hour-later pass.
    double illuminatedFraction = 0.0;
    double limbZenithAngle = 0.0;
    double savedIlluminatedFraction = 0.0;
    double savedLimbZenithAngle = 0.0;

    // Caption of the equation of time, UTF-8, as the latest phase calculation made it.
    std::string equationOfTimeCaption;

    // Colour scheme: 2 day, 1 night; and the current scheme's background, 0 to 255.
    std::int16_t dayNightFlag = 0;
    int backRed = 0;
    int backGreen = 0;
    int backBlue = 0;
};

}  // namespace astro
