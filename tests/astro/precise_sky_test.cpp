// The interpolated precise sky against ERFA evaluated at every instant, the horizon
// conversion, and the almanac's rising altitudes.
#include <gtest/gtest.h>

#include <erfa.h>
#include <erfam.h>

#include <cmath>
#include <optional>

#include "astro/constants.h"
#include "astro/delta_t.h"
#include "astro/precise_position.h"
#include "astro/precise_sky.h"
#include "astro/rising_level.h"

namespace {

constexpr double ARCSECOND_DEG = 1.0 / 3600.0;

// Angle between two directions given as right ascension and declination, degrees.
double separation_deg(double ra1, double dec1, double ra2, double dec2) {
    const double r = ERFA_DR2D;
    return eraSeps(ra1 / r, dec1 / r, ra2 / r, dec2 / r) * r;
}

// A day and its hour of margin either side, at days over 1900-2100 (UT Julian day of the
// first instant): the places at 97 instants across each against ERFA at that instant.
TEST(PreciseSky, FollowsErfaAtEveryInstantOfADay) {
    const double spanDays = 26.0 / 24.0;
    for (double first : {2415020.46, 2433282.9, 2451545.3, 2460652.1, 2469807.7, 2488069.5}) {
        SCOPED_TRACE(first);
        const std::optional<astro::PreciseSky> sky =
            astro::PreciseSky::over(first, first + spanDays);
        ASSERT_TRUE(sky);
        const double deltaT_days = astro::deltaT(first + spanDays / 2) / astro::SECONDS_PER_DAY;
        for (int i = 0; i <= 96; ++i) {
            const double ut = first + spanDays * i / 96;
            const double tt = ut + deltaT_days;
            const astro::SkyPlace sun = sky->sun(ut), moon = sky->moon(ut);
            const astro::ApparentPlace sunThere = astro::apparentSunPlace(tt);
            const astro::ApparentPlace moonThere = astro::apparentMoonPlace(tt);
            const auto apart_deg = [](const auto& a, const auto& b) {
                return separation_deg(a.rightAscension_deg, a.declination_deg, b.rightAscension_deg,
                                      b.declination_deg);
            };
            EXPECT_LT(apart_deg(sun, sunThere), 0.2 * ARCSECOND_DEG);
            EXPECT_LT(apart_deg(moon, moonThere), 0.2 * ARCSECOND_DEG);
            // The frame of the middle turns both places alike; the angle between them shows
            // the interpolation alone.
            EXPECT_NEAR(apart_deg(sun, moon), apart_deg(sunThere, moonThere), 0.02 * ARCSECOND_DEG);
            EXPECT_NEAR(moon.distance_km, moonThere.distance_km, 0.1);
            EXPECT_NEAR(sun.distance_km, sunThere.distance_km, 1.0);
            const double siderealThere_deg = eraGst06a(ut, 0.0, tt, 0.0) * ERFA_DR2D;
            EXPECT_NEAR(std::remainder(sky->siderealTime_deg(ut) - siderealThere_deg, 360.0), 0.0,
                        0.2 * ARCSECOND_DEG);
        }
    }
}

TEST(PreciseSky, RefusesSpansItIsNotMadeFor) {
    EXPECT_FALSE(astro::PreciseSky::over(2451545.0, 2451544.9));
    EXPECT_FALSE(astro::PreciseSky::over(2451545.0, 2451545.0 + 1.6));
    EXPECT_FALSE(astro::PreciseSky::over(NAN, 2451545.0));
    EXPECT_FALSE(astro::PreciseSky::over(2451545.0, INFINITY));
    // A single instant is a span too.
    const std::optional<astro::PreciseSky> instant = astro::PreciseSky::over(2451545.0, 2451545.0);
    ASSERT_TRUE(instant);
    EXPECT_TRUE(std::isfinite(instant->moon(2451545.0).declination_deg));
    EXPECT_TRUE(std::isnan(instant->moon(NAN).declination_deg));
}

// A place, a sidereal time and an observer, and where the place stands.
struct HorizonCase {
    const char* what;
    double rightAscension_deg, declination_deg, siderealTime_deg, latitude_deg, longitude_deg;
    double altitude_deg, hourAngle_deg;
};
const HorizonCase HORIZON_CASES[] = {
    {"overhead on the meridian", 100.0, 35.0, 60.0, 35.0, 40.0, 90.0, 0.0},
    {"six hours west on the equator", 10.0, 0.0, 80.0, 0.0, 20.0, 0.0, 90.0},
    {"six hours east, west longitude", 350.0, 0.0, 20.0, 10.0, -120.0, 0.0, -90.0},
    {"pole star height is the latitude", 0.0, 90.0, 123.0, 35.0, 139.0, 35.0, NAN},
    {"lower culmination", 0.0, 60.0, 180.0, 50.0, 0.0, 20.0, 180.0},
};

TEST(HorizonPlace, AltitudeAndHourAngleOfSimpleCases) {
    for (const HorizonCase& c : HORIZON_CASES) {
        SCOPED_TRACE(c.what);
        const astro::HorizonPlace p =
            astro::horizonPlace({c.rightAscension_deg, c.declination_deg, 1.0}, c.siderealTime_deg,
                                c.latitude_deg, c.longitude_deg);
        EXPECT_NEAR(p.altitude_deg, c.altitude_deg, 1e-9);
        if (!std::isnan(c.hourAngle_deg)) {
            EXPECT_NEAR(std::abs(std::remainder(p.hourAngle_deg - c.hourAngle_deg, 360.0)), 0.0,
                        1e-9);
        }
    }
}

// The almanac's rising altitudes of the centre at a distance, seen from a latitude, and the
// published figures they must give.
struct RisingCase {
    const char* what;
    bool sun;
    double distance_km, latitude_deg, altitude_deg, tolerance_deg;
};
const RisingCase RISING_CASES[] = {
    // The Sun at 1 au from the equator: 35'08" + 15'59.63" - 8.79" below the horizon.
    {"Sun at 1 au", true, 149597870.7, 0.0,
     -(35.0 / 60 + 8.0 / 3600 + 959.63 / 3600 - 8.794 / 3600), 0.02 * ARCSECOND_DEG},
    // The Moon at perigee and apogee from the equator: horizontal parallax 61'30.2" and
    // 53'54.9" less 35'08".
    {"Moon at perigee", false, 356500.0, 0.0, (61.0 + 30.2 / 60 - 35.0 - 8.0 / 60) / 60,
     0.2 * ARCSECOND_DEG},
    {"Moon at apogee", false, 406700.0, 0.0, (53.0 + 54.9 / 60 - 35.0 - 8.0 / 60) / 60,
     0.2 * ARCSECOND_DEG},
    // From a pole the Earth's centre is 6356.752 km below, not 6378.137: the parallax is
    // 0.34 % smaller, 11.5" at perigee.
    {"Moon at perigee from a pole", false, 356500.0, 90.0,
     (61.0 + 30.2 / 60 - 35.0 - 8.0 / 60) / 60 - 12.5 * ARCSECOND_DEG, 1.0 * ARCSECOND_DEG},
};

TEST(RisingAltitude, SunUpperLimbAndMoonCentreAtTheirDistances) {
    for (const RisingCase& c : RISING_CASES) {
        SCOPED_TRACE(c.what);
        const double depth = astro::centreDepth_km(c.latitude_deg);
        const double altitude = c.sun ? astro::sunRisingAltitude_deg(c.distance_km, depth)
                                      : astro::moonRisingAltitude_deg(c.distance_km, depth);
        EXPECT_NEAR(altitude, c.altitude_deg, c.tolerance_deg);
        // Seen from the surface the body stands where the convention puts it.
        const double seen = astro::surfaceAltitude_deg(altitude, c.distance_km, depth);
        const double limb = c.sun ? astro::sunSemidiameter_deg(c.distance_km) : 0.0;
        EXPECT_NEAR(seen + limb, -astro::HORIZONTAL_REFRACTION_DEG, 1e-9);
    }
}

TEST(RisingAltitude, CentreDepthOnTheEllipsoid) {
    EXPECT_NEAR(astro::centreDepth_km(0.0), 6378.137, 1e-6);
    EXPECT_NEAR(astro::centreDepth_km(90.0), 6356.752, 1e-3);
    EXPECT_NEAR(astro::centreDepth_km(-90.0), 6356.752, 1e-3);
    // Between: a sqrt(1 - e^2 sin^2 latitude).
    EXPECT_NEAR(astro::centreDepth_km(35.0), 6378.137 * std::sqrt(1 - 0.00669438 * 0.3289899),
                1e-3);
}

}  // namespace
