#include "checks.h"
#include "units.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <vector>

#include "astro/horizon.h"
#include "astro/julian_day.h"
#include "astro/working_variables.h"
#include "comparison.h"
#include "program.h"
#include "reference.h"

namespace accuracy {

namespace {

// The Sun on 1992 October 13.0 TT: apparent place from the full VSOP87 (a published worked
// example).
constexpr double SUN_EXAMPLE_JDE = 2448908.5;
constexpr EquatorialPlace SUN_EXAMPLE = {198.378178, -7.783871};
constexpr double SUN_EXAMPLE_TOLERANCE_ARCSEC = 1.0;

// The Moon on 1992 April 12.0 TT: apparent place and illuminated fraction from the same
// book's abridged ELP series, which it gives as good to about 10" in longitude.
constexpr double MOON_EXAMPLE_JDE = 2448724.5;
constexpr EquatorialPlace MOON_EXAMPLE = {134.688470, 13.768368};
constexpr double MOON_EXAMPLE_TOLERANCE_ARCSEC = 10.0;
constexpr double MOON_EXAMPLE_FRACTION = 0.6786;
constexpr double FRACTION_EXAMPLE_TOLERANCE = 0.0005;

// Greenwich apparent sidereal time on 1987 April 10, 0h UT: 13h 10m 46.1351s.
constexpr double SIDEREAL_EXAMPLE_JD = 2446895.5;
constexpr double SIDEREAL_EXAMPLE_H = 13.0 + 10.0 / 60.0 + 46.1351 / SECONDS_PER_HOUR;
constexpr double SIDEREAL_TOLERANCE_S = 0.005;

// libnova's own illuminated fraction against the one formed from the reference places.
constexpr double FRACTION_ROUTES_TOLERANCE = 0.001;

// The horizon conversions of libnova and the program are the same formula: they must agree
// to rounding. Azimuths are compared only below this altitude.
constexpr double HORIZON_TOLERANCE_DEG = 1e-7;
constexpr double HORIZON_AZIMUTH_ALTITUDE_LIMIT_DEG = 89.0;

// Gross faults (hours taken for degrees, a frame left unprecessed, 1.4 degrees in 1900 and
// 2100, a Julian day off by hours) would exceed these at the instants below; the series
// themselves stay well inside them.
constexpr double SUN_GROSS_TOLERANCE_ARCMIN = 3.0;
constexpr double MOON_GROSS_TOLERANCE_ARCMIN = 30.0;
constexpr double FRACTION_GROSS_TOLERANCE = 0.05;

// Prints one check's outcome and returns whether it passed. `unit` may be empty.
bool report(bool passed, const char* what, double found, double tolerance, const char* unit) {
    const char* gap = unit[0] == '\0' ? "" : " ";
    std::fprintf(stderr, "check %s: %s (%.4g%s%s, allowed %.4g)\n", passed ? "ok  " : "FAIL", what,
                 found, gap, unit, tolerance);
    return passed;
}

// The reference's apparent Sun and Moon against the published examples.
bool checkPublishedPlaces() {
    const double sunOff =
        separationDeg(apparentSun(SUN_EXAMPLE_JDE), SUN_EXAMPLE) * ARCSEC_PER_DEGREE;
    const double moonOff =
        separationDeg(apparentMoon(MOON_EXAMPLE_JDE), MOON_EXAMPLE) * ARCSEC_PER_DEGREE;
    bool ok = report(sunOff <= SUN_EXAMPLE_TOLERANCE_ARCSEC, "reference Sun, 1992-10-13", sunOff,
                     SUN_EXAMPLE_TOLERANCE_ARCSEC, "arcsec");
    ok &= report(moonOff <= MOON_EXAMPLE_TOLERANCE_ARCSEC, "reference Moon, 1992-04-12", moonOff,
                 MOON_EXAMPLE_TOLERANCE_ARCSEC, "arcsec");
    return ok;
}

// The reference's sidereal time against the published example.
bool checkSiderealTime() {
    const double off = std::abs(apparentSiderealTime(SIDEREAL_EXAMPLE_JD, SIDEREAL_EXAMPLE_JD) -
                                SIDEREAL_EXAMPLE_H) *
                       SECONDS_PER_HOUR;
    return report(off <= SIDEREAL_TOLERANCE_S, "apparent sidereal time, 1987-04-10", off,
                  SIDEREAL_TOLERANCE_S, "s");
}

// The reference illuminated fraction against the published example, and against libnova's
// own fraction at instants that take in every phase.
bool checkIlluminatedFraction() {
    const double exampleOff =
        std::abs(illuminatedFractionFromPlaces(MOON_EXAMPLE_JDE) - MOON_EXAMPLE_FRACTION);
    bool ok = report(exampleOff <= FRACTION_EXAMPLE_TOLERANCE, "illuminated fraction, 1992-04-12",
                     exampleOff, FRACTION_EXAMPLE_TOLERANCE, "");
    constexpr int INSTANTS = 40;
    constexpr double STEP_DAYS = 1826.3;  // five years and a few days: every phase turns up
    constexpr double FIRST_JD = 2415020.5;
    double worst = 0.0;
    for (int i = 0; i < INSTANTS; ++i) {
        const double jd = FIRST_JD + i * STEP_DAYS;
        worst = std::fmax(
            worst, std::abs(libnovaIlluminatedFraction(jd) - illuminatedFractionFromPlaces(jd)));
    }
    ok &= report(worst <= FRACTION_ROUTES_TOLERANCE, "libnova's fraction vs fraction from places",
                 worst, FRACTION_ROUTES_TOLERANCE, "");
    return ok;
}

// libnova's horizon conversion, azimuth turned to north, against the program's on a grid
// of hour angles, declinations and places of both hemispheres and both signs of longitude.
bool checkHorizonConventions() {
    double worstAltitude = 0.0;
    double worstAzimuth = 0.0;
    for (double latitude : {-54.0, -33.9, 0.5, 35.7, 69.6}) {
        for (double longitude : {-157.8, -0.1, 139.7}) {
            for (double declination : {-28.0, -5.0, 0.0, 12.0, 28.0}) {
                for (double rightAscension_h = 0.25; rightAscension_h < 24.0;
                     rightAscension_h += 1.5) {
                    const double siderealTime_h = 7.3;
                    astro::WorkingVariables v;
                    v.latitude = latitude;
                    v.longitude = longitude;
                    v.siderealTime = siderealTime_h;
                    v.horizonInputRightAscension = rightAscension_h;
                    v.horizonInputDeclination = declination;
                    astro::equatorialToHorizon(v);
                    const HorizonPlace h =
                        horizonOf({rightAscension_h * DEGREES_PER_HOUR, declination},
                                  siderealTime_h, latitude, longitude);
                    worstAltitude =
                        std::fmax(worstAltitude, std::abs(v.horizonAltitude - h.altitude_deg));
                    if (std::abs(h.altitude_deg) < HORIZON_AZIMUTH_ALTITUDE_LIMIT_DEG) {
                        worstAzimuth = std::fmax(
                            worstAzimuth, std::abs(wrapDegrees(v.horizonAzimuth - h.azimuth_deg)));
                    }
                }
            }
        }
    }
    bool ok = report(worstAltitude <= HORIZON_TOLERANCE_DEG, "horizon altitude, libnova vs program",
                     worstAltitude, HORIZON_TOLERANCE_DEG, "deg");
    ok &= report(worstAzimuth <= HORIZON_TOLERANCE_DEG, "horizon azimuth, libnova vs program",
                 worstAzimuth, HORIZON_TOLERANCE_DEG, "deg");
    return ok;
}

// The program against the reference at the ends and the middle of the compared years, at
// a place in Japan.
bool checkProgramAtInstants() {
    constexpr double TOKYO_LATITUDE = 35.6895;
    constexpr double TOKYO_LONGITUDE = 139.6917;
    // 1900-01-01 0h UT, J2000.0 (2000-01-01 12h TT), 2100-12-31 12h UT.
    constexpr double INSTANTS[] = {2415020.5, 2451545.0, 2488069.0};
    double worstSun = 0.0;
    double worstMoon = 0.0;
    double worstFraction = 0.0;
    for (double jd : INSTANTS) {
        const ProgramFigures p = programFigures(jd, TOKYO_LATITUDE, TOKYO_LONGITUDE);
        const ReferenceFigures r =
            referenceFigures(p.julianDay, p.julianDay, TOKYO_LATITUDE, TOKYO_LONGITUDE);
        const ErrorRow e = errorsOf(p, r);
        worstSun = std::fmax(worstSun, std::fmax(e[SUN_POSITION], std::abs(e[SUN_ALTITUDE])));
        worstMoon = std::fmax(worstMoon, std::fmax(e[MOON_POSITION], std::abs(e[MOON_ALTITUDE])));
        worstFraction = std::fmax(worstFraction, std::abs(e[ILLUMINATED_FRACTION]));
    }
    bool ok = report(worstSun <= SUN_GROSS_TOLERANCE_ARCMIN, "program's Sun, 1900/2000/2100",
                     worstSun, SUN_GROSS_TOLERANCE_ARCMIN, "arcmin");
    ok &= report(worstMoon <= MOON_GROSS_TOLERANCE_ARCMIN, "program's Moon, 1900/2000/2100",
                 worstMoon, MOON_GROSS_TOLERANCE_ARCMIN, "arcmin");
    ok &= report(worstFraction <= FRACTION_GROSS_TOLERANCE, "program's fraction, 1900/2000/2100",
                 worstFraction, FRACTION_GROSS_TOLERANCE, "");
    return ok;
}

}  // namespace

bool runChecks() {
    bool ok = checkPublishedPlaces();
    ok &= checkSiderealTime();
    ok &= checkIlluminatedFraction();
    ok &= checkHorizonConventions();
    ok &= checkProgramAtInstants();
    return ok;
}

}  // namespace accuracy
