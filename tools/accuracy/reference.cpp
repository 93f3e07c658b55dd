#include "reference.h"
#include "units.h"

#include <cmath>

#include <libnova/libnova.h>

namespace accuracy {

namespace {

// The astronomical unit in kilometres (IAU 2012).
constexpr double KM_PER_AU = 149597870.7;
// libnova's truncation threshold for the ELP series: 0 keeps every term.
constexpr double ELP_ALL_TERMS = 0.0;

// A direction on the ecliptic: longitude and latitude in degrees.
struct EclipticPlace {
    double longitude_deg;
    double latitude_deg;
};

// A geocentric ecliptic position: the direction and the distance in km.
struct EclipticPosition {
    EclipticPlace place;
    double distance_km;
};

// `degrees` reduced into [0, 360).
double reduceDegrees(double degrees) {
    const double reduced = std::fmod(degrees, 360.0);
    return reduced < 0 ? reduced + 360.0 : reduced;
}

// Ecliptic longitude and latitude to right ascension and declination (degrees) for the
// obliquity `obliquity_deg`.
EquatorialPlace eclipticToEquatorial(const EclipticPlace& place, double obliquity_deg) {
    const double l = place.longitude_deg * DEG_TO_RAD;
    const double b = place.latitude_deg * DEG_TO_RAD;
    const double e = obliquity_deg * DEG_TO_RAD;
    const double ra =
        std::atan2(std::sin(l) * std::cos(e) - std::tan(b) * std::sin(e), std::cos(l));
    const double dec =
        std::asin(std::sin(b) * std::cos(e) + std::cos(b) * std::sin(e) * std::sin(l));
    return {reduceDegrees(ra * RAD_TO_DEG), dec * RAD_TO_DEG};
}

// Right ascension and declination to ecliptic longitude and latitude (degrees) for the
// obliquity `obliquity_deg`.
EclipticPlace equatorialToEcliptic(const EquatorialPlace& place, double obliquity_deg) {
    const double a = place.rightAscension_deg * DEG_TO_RAD;
    const double d = place.declination_deg * DEG_TO_RAD;
    const double e = obliquity_deg * DEG_TO_RAD;
    const double lon =
        std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a));
    const double lat =
        std::asin(std::sin(d) * std::cos(e) - std::cos(d) * std::sin(e) * std::sin(a));
    return {reduceDegrees(lon * RAD_TO_DEG), lat * RAD_TO_DEG};
}

// A geometric position on the ecliptic of J2000 carried to the mean equator and equinox of
// `julianEphemerisDay` by libnova's rigorous precession.
EquatorialPlace meanPlaceOfDate(const EclipticPosition& j2000, double julianEphemerisDay) {
    ln_nutation atJ2000{};
    ln_get_nutation(JD_J2000, &atJ2000);
    const EquatorialPlace equatorJ2000 = eclipticToEquatorial(j2000.place, atJ2000.ecliptic);
    ln_equ_posn from{equatorJ2000.rightAscension_deg, equatorJ2000.declination_deg};
    ln_equ_posn to{};
    ln_get_equ_prec2(&from, JD_J2000, julianEphemerisDay, &to);
    return {to.ra, to.dec};
}

// A mean place of date carried to the true equator and equinox of date: the longitude on
// the mean ecliptic of date moved by the nutation in longitude, then turned to the equator
// with the true obliquity.
EquatorialPlace withNutation(const EquatorialPlace& meanPlace, double julianEphemerisDay) {
    ln_nutation nutation{};
    ln_get_nutation(julianEphemerisDay, &nutation);
    // `ecliptic` is libnova's mean obliquity of date.
    const EclipticPlace mean = equatorialToEcliptic(meanPlace, nutation.ecliptic);
    return eclipticToEquatorial({mean.longitude_deg + nutation.longitude, mean.latitude_deg},
                                nutation.ecliptic + nutation.obliquity);
}

// The Sun's geometric geocentric position on the ecliptic of J2000 from libnova's VSOP87.
EclipticPosition sunPositionJ2000(double julianEphemerisDay) {
    ln_helio_posn sun{};
    ln_get_solar_geom_coords(julianEphemerisDay, &sun);
    return {{sun.L, sun.B}, sun.R * KM_PER_AU};
}

// The Moon's geometric geocentric position on the ecliptic of J2000 from libnova's full
// ELP 2000-82B series.
EclipticPosition moonPositionJ2000(double julianEphemerisDay) {
    ln_rect_posn moon{};
    ln_get_lunar_geo_posn(julianEphemerisDay, &moon, ELP_ALL_TERMS);
    const double inPlane = std::hypot(moon.X, moon.Y);
    return {{reduceDegrees(std::atan2(moon.Y, moon.X) * RAD_TO_DEG),
             std::atan2(moon.Z, inPlane) * RAD_TO_DEG},
            std::hypot(inPlane, moon.Z)};
}

// The Sun's apparent place from its J2000 position.
EquatorialPlace apparentSunOf(const EclipticPosition& j2000, double julianEphemerisDay) {
    const EquatorialPlace mean = meanPlaceOfDate(j2000, julianEphemerisDay);
    ln_equ_posn meanPosition{mean.rightAscension_deg, mean.declination_deg};
    ln_equ_posn aberrated{};
    ln_get_equ_aber(&meanPosition, julianEphemerisDay, &aberrated);
    return withNutation({aberrated.ra, aberrated.dec}, julianEphemerisDay);
}

// The Moon's apparent place from its J2000 position.
EquatorialPlace apparentMoonOf(const EclipticPosition& j2000, double julianEphemerisDay) {
    return withNutation(meanPlaceOfDate(j2000, julianEphemerisDay), julianEphemerisDay);
}

// The illuminated fraction from the geocentric elongation of the Moon from the Sun and
// the two distances: the phase angle is the angle at the Moon between the Sun and the Earth.
double illuminatedFractionOf(const EquatorialPlace& sun, double sunDistance_km,
                             const EquatorialPlace& moon, double moonDistance_km) {
    const double d0 = sun.declination_deg * DEG_TO_RAD;
    const double d = moon.declination_deg * DEG_TO_RAD;
    const double da = (sun.rightAscension_deg - moon.rightAscension_deg) * DEG_TO_RAD;
    const double elongation =
        std::acos(std::sin(d0) * std::sin(d) + std::cos(d0) * std::cos(d) * std::cos(da));
    const double phase = std::atan2(sunDistance_km * std::sin(elongation),
                                    moonDistance_km - sunDistance_km * std::cos(elongation));
    return (1.0 + std::cos(phase)) / 2.0;
}

}  // namespace

EquatorialPlace apparentSun(double julianEphemerisDay) {
    return apparentSunOf(sunPositionJ2000(julianEphemerisDay), julianEphemerisDay);
}

EquatorialPlace apparentMoon(double julianEphemerisDay) {
    return apparentMoonOf(moonPositionJ2000(julianEphemerisDay), julianEphemerisDay);
}

double apparentSiderealTime(double julianDayUt, double julianEphemerisDay) {
    ln_nutation nutation{};
    ln_get_nutation(julianEphemerisDay, &nutation);
    // libnova's own apparent sidereal time projects the nutation with the cosine of the
    // nutation in obliquity instead of the obliquity (0.02 s of time at most), so the
    // equation of the equinoxes is formed here from its nutation.
    const double trueObliquity = (nutation.ecliptic + nutation.obliquity) * DEG_TO_RAD;
    const double equationOfEquinoxes_h =
        nutation.longitude * std::cos(trueObliquity) / DEGREES_PER_HOUR;
    return ln_get_mean_sidereal_time(julianDayUt) + equationOfEquinoxes_h;
}

HorizonPlace horizonOf(const EquatorialPlace& place, double siderealTime_h, double latitude_deg,
                       double longitude_deg) {
    ln_equ_posn object{place.rightAscension_deg, place.declination_deg};
    ln_lnlat_posn observer{longitude_deg, latitude_deg};
    ln_hrz_posn horizon{};
    ln_get_hrz_from_equ_sidereal_time(&object, &observer, siderealTime_h, &horizon);
    // libnova counts azimuth from the south through the west.
    return {horizon.alt, reduceDegrees(horizon.az + 180.0)};
}

double libnovaIlluminatedFraction(double julianEphemerisDay) {
    return ln_get_lunar_disk(julianEphemerisDay);
}

double illuminatedFractionFromPlaces(double julianEphemerisDay) {
    const EclipticPosition sun = sunPositionJ2000(julianEphemerisDay);
    const EclipticPosition moon = moonPositionJ2000(julianEphemerisDay);
    return illuminatedFractionOf(apparentSunOf(sun, julianEphemerisDay), sun.distance_km,
                                 apparentMoonOf(moon, julianEphemerisDay), moon.distance_km);
}

ReferenceFigures referenceFigures(double julianDayUt, double julianEphemerisDay,
                                  double latitude_deg, double longitude_deg) {
    const EclipticPosition sun = sunPositionJ2000(julianEphemerisDay);
    const EclipticPosition moon = moonPositionJ2000(julianEphemerisDay);
    ReferenceFigures figures{};
    figures.sun = apparentSunOf(sun, julianEphemerisDay);
    figures.moon = apparentMoonOf(moon, julianEphemerisDay);
    const double siderealTime_h = apparentSiderealTime(julianDayUt, julianEphemerisDay);
    figures.sunHorizon = horizonOf(figures.sun, siderealTime_h, latitude_deg, longitude_deg);
    figures.moonHorizon = horizonOf(figures.moon, siderealTime_h, latitude_deg, longitude_deg);
    figures.illuminatedFraction =
        illuminatedFractionOf(figures.sun, sun.distance_km, figures.moon, moon.distance_km);
    return figures;
}

}  // namespace accuracy
