// The drawing of the Moon's lit disc as a list of straight lines.
#pragma once

#include <vector>

#include "app/core/rgb.h"

namespace app {

// The pale yellow of the Moon's lit part.
inline constexpr Rgb MOON_COLOUR{253, 249, 178};

// Where the disc is drawn in the window's client area, twips: its centre and radius. A point
// (x, y) of the disc's own frame (centre at the origin, y upward) is drawn at the window
// point (DISC_CENTRE_X_TWIPS + x, DISC_CENTRE_Y_TWIPS - y).
inline constexpr double DISC_CENTRE_X_TWIPS = 9500;
inline constexpr double DISC_CENTRE_Y_TWIPS = 8000;
inline constexpr double DISC_RADIUS_TWIPS = 1000;

// One straight line of the drawing, in single-precision twips of the window's client area
// (x to the right, y downward), drawn with the toolkit's default one-pixel pen.
struct PhaseLine {
    float x1;
    float y1;
    float x2;
    float y2;
    Rgb colour;
};

// The lines that draw the Moon's disc (centre 9500, 8000, radius 1000 twips) for the
// illuminated fraction k (0 to 1) and the bright limb's angle from the zenith (degrees,
// [0, 360]; 360 counts as 0, and an angle below 0 or not a number draws nothing), in drawing
// order: the lit half-disc, the terminator fill in `background` (k < 0.5) or MOON_COLOUR,
// and for a thin crescent (0.005 < k < 0.1) the outline of the bright limb. Every
// coordinate is finite and lies on the disc.
std::vector<PhaseLine> moonPhaseLines(double illuminatedFraction, double limbZenithAngle,
                                      Rgb background);

// The outline of the bright limb for the bright limb's angle from the zenith (degrees,
// [0, 360]; 360 counts as 0): one unbroken chain of short segments in MOON_COLOUR along the
// half of the rim on the lit side, from one cusp to the other, each segment starting where
// the one before it ends. moonPhaseLines ends with these lines for 0.005 < k < 0.1.
std::vector<PhaseLine> brightLimbOutline(double limbZenithAngle);

}  // namespace app
