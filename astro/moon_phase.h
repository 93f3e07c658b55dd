// The Moon's phase: illuminated fraction and the angle of the bright limb from the zenith.
#pragma once

#include "working_variables.h"

namespace astro {

// Mean elements of the Moon and the Sun, degrees, not reduced: elongation D, the Sun's
// anomaly M and the Moon's anomaly M', for T Julian centuries since J2000.0.
struct MeanElements {
    double elongation_deg;
    double sunAnomaly_deg;
    double moonAnomaly_deg;
};
MeanElements meanElements(double julianCenturies);

// Phase angle i of the Moon, degrees (not reduced), from the mean elements.
double phaseAngle(const MeanElements& elements);

// Illuminated fraction k = (1 + cos i) / 2, 0 to 1, of a phase angle in degrees.
double illuminatedFractionOfPhaseAngle(double phaseAngle_deg);

// Position angle chi of the bright limb, degrees in (-90, 270], from the Sun's and the
// Moon's right ascensions (hours) and declinations (degrees).
double brightLimbPositionAngle(double sunRightAscension, double sunDeclination,
                               double moonRightAscension, double moonDeclination);

// Parallactic angle q of the Moon, degrees in [0, 360), from the sidereal time (hours), the
// Moon's right ascension (hours) and declination (degrees), and the observer's latitude and
// longitude (degrees).
double parallacticAngle(double siderealTime, double moonRightAscension, double moonDeclination,
                        double latitude, double longitude);

// Angle of the bright limb from the zenith, degrees in [0, 360): chi - q reduced.
double limbAngleFromZenith(double limbPositionAngle_deg, double parallacticAngle_deg);

// Refreshes the equation-of-time caption, then sets `illuminatedFraction` and
// `limbZenithAngle` from the current pass's results.
void computeMoonPhase(WorkingVariables& v);

}  // namespace astro
