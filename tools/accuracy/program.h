// The program's own figures for one instant and one place, as the calculate command makes
// them from the date and time typed in Japan Standard Time.
#pragma once

namespace accuracy {

// What the program shows: right ascensions in hours, every other angle in degrees,
// azimuths from north through east, and the illuminated fraction 0 to 1. `julianDay` is
// the Universal Time Julian day the program reckoned from the typed date and time.
struct ProgramFigures {
    double julianDay;
    double sunRightAscension_h;
    double sunDeclination_deg;
    double moonRightAscension_h;
    double moonDeclination_deg;
    double sunAltitude_deg;
    double sunAzimuth_deg;
    double moonAltitude_deg;
    double moonAzimuth_deg;
    double illuminatedFraction;
};

// Types the instant `julianDayUt` as a JST date and time, with the place `latitude_deg`,
// `longitude_deg` (east positive), runs the calculation pass and the phase, and returns
// the results. Exits with a message if the pass refuses the numbers.
ProgramFigures programFigures(double julianDayUt, double latitude_deg, double longitude_deg);

}  // namespace accuracy
