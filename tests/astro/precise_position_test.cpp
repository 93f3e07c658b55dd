// The precise apparent places and Delta T, pinned to published values computed by other means.
#include <gtest/gtest.h>

#include "astro/delta_t.h"
#include "astro/precise_position.h"

namespace {

constexpr double ARCSECOND_DEG = 1.0 / 3600.0;

// A place published with its own method and how far ours may lie from it.
struct PublishedPlace {
    const char* what;
    double julianDayTT, eclipticLongitude_deg, eclipticLatitude_deg, rightAscension_deg,
        declination_deg, distance_km, angleTolerance_arcsec;
};

// The Sun of Meeus's "Astronomical Algorithms" (2nd ed.) example 25.b, from the full VSOP87
// with the IAU 1980 nutation; the Moon of example 47.a, ELP-2000/82 terms with the same
// nutation and the constant light time of his mean longitude. The frames and corrections
// (aberration, light time, nutation, obliquity) are ours, so these catch any of them wrong.
const PublishedPlace PUBLISHED_PLACES[] = {
    {"Sun 1992-10-13 0h TT", 2448908.5, 199.0 + 54.0 / 60 + 21.818 / 3600, 0.72 / 3600,
     (13.0 + 13.0 / 60 + 30.749 / 3600) * 15, -(7.0 + 47.0 / 60 + 1.74 / 3600),
     0.99760775 * 149597870.7, 0.5},
    {"Moon 1992-04-12 0h TT", 2448724.5, 133.167265, -3.229126, 134.688470, 13.768368, 368409.7,
     1.0},
};

TEST(ApparentPlace, AgreesWithPublishedPlaces) {
    for (const PublishedPlace& p : PUBLISHED_PLACES) {
        SCOPED_TRACE(p.what);
        const bool sun = p.what[0] == 'S';
        const astro::ApparentPlace place =
            sun ? astro::apparentSunPlace(p.julianDayTT) : astro::apparentMoonPlace(p.julianDayTT);
        const double tolerance_deg = p.angleTolerance_arcsec * ARCSECOND_DEG;
        EXPECT_NEAR(place.eclipticLongitude_deg, p.eclipticLongitude_deg, tolerance_deg);
        EXPECT_NEAR(place.eclipticLatitude_deg, p.eclipticLatitude_deg, tolerance_deg);
        EXPECT_NEAR(place.rightAscension_deg, p.rightAscension_deg, tolerance_deg);
        EXPECT_NEAR(place.declination_deg, p.declination_deg, tolerance_deg);
        EXPECT_NEAR(place.distance_km, p.distance_km, sun ? 200.0 : 1.0);
    }
}

TEST(ApparentPlace, LongitudesStayInOneTurn) {
    // The Sun crosses the equinox near 2000-03-20 07:35 UT: either side, 359.99 and 0.01.
    for (double jd = 2451623.75; jd < 2451623.85; jd += 0.01) {
        const astro::ApparentPlace sun = astro::apparentSunPlace(jd);
        EXPECT_GE(sun.eclipticLongitude_deg, 0.0);
        EXPECT_LT(sun.eclipticLongitude_deg, 360.0);
        EXPECT_GE(sun.rightAscension_deg, 0.0);
        EXPECT_LT(sun.rightAscension_deg, 360.0);
    }
}

// Observed Delta T (Meeus, table 10.A, and the IERS for 2000 and 2020) at the start of a year,
// seconds, and the tolerance the model promises there.
struct ObservedDeltaT {
    double julianDay, deltaT_s, tolerance_s;
};
const ObservedDeltaT OBSERVED_DELTA_T[] = {
    {2415020.5, -2.72, 2.0},  // 1900: Espenak & Meeus
    {2422325.5, 21.16, 2.0},  // 1920
    {2429629.5, 24.35, 2.0},  // 1940
    {2436934.5, 33.15, 2.0},  // 1960
    {2444239.5, 50.54, 0.9},  // 1980: leap seconds
    {2447892.5, 56.86, 0.9},  // 1990
    {2451544.5, 63.83, 0.9},  // 2000
    {2458849.5, 69.36, 0.9},  // 2020
};

TEST(DeltaT, WithinItsToleranceOfObservedValues) {
    for (const ObservedDeltaT& o : OBSERVED_DELTA_T) {
        SCOPED_TRACE(o.julianDay);
        EXPECT_NEAR(astro::deltaT(o.julianDay), o.deltaT_s, o.tolerance_s);
    }
}

TEST(DeltaT, NoJumpWhereOneModelHandsOverToTheNext) {
    // 1972.0, 2027.0, 2050.0 and 2150.0, and the pieces of the polynomials at 1800, 1860, 1900,
    // 1920, 1941 and 1961: a day either side differs by well under the models' own error.
    const double handOvers[] = {2441317.5, 2461406.5, 2469807.5, 2506331.5, 2378496.5,
                                2400410.5, 2415020.5, 2422324.5, 2429994.5, 2437300.5};
    for (double jd : handOvers) {
        SCOPED_TRACE(jd);
        EXPECT_NEAR(astro::deltaT(jd - 1.0), astro::deltaT(jd + 1.0), 1.1);
    }
}

}  // namespace
