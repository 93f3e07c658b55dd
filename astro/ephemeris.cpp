#include "ephemeris.h"

#include "ecliptic.h"
#include "moon.h"
#include "sun.h"

namespace astro {

void computeEphemeris(WorkingVariables& v) {
    const double t = v.julianCenturies;
    v.sunLongitude = sunGeometricLongitude(t);
    v.sunDistance = sunGeocentricDistance(t);
    double moonLongitude = moonGeometricLongitude(t);
    const double moonLatitude = moonEclipticLatitude(t);
    computeObliquity(v);
    v.nutationLongitude = nutationInLongitude(t);
    v.sunLongitude = apparentSunLongitude(v.sunLongitude, v.sunDistance, v.nutationLongitude);
    // No aberration for the Moon; not reduced again.
    moonLongitude = moonLongitude + v.nutationLongitude;

    v.convLongitude = v.sunLongitude;
    v.convLatitude = 0;
    eclipticToEquatorial(v);
    v.sunRightAscension = v.convRightAscension;
    v.sunDeclination = v.convDeclination;

    v.convLongitude = moonLongitude;
    v.convLatitude = moonLatitude;
    eclipticToEquatorial(v);
    v.moonRightAscension = v.convRightAscension;
    v.moonDeclination = v.convDeclination;
}

}  // namespace astro
