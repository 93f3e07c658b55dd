// The drawing of the Moon's lit disc as a list of straight lines.
#pragma once

#include <vector>

namespace app {

// A colour as red, green and blue components, 0 to 255.
struct Rgb {
    int red;
    int green;
    int blue;
    bool operator==(const Rgb& other) const {
        return red == other.red && green == other.green && blue == other.blue;
    }
};

// The pale yellow of the Moon's lit part.
inline constexpr Rgb MOON_COLOUR{253, 249, 178};

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
// [0, 360); 360 counts as 0), in drawing order: the lit half-disc, the terminator fill in
// `background` or MOON_COLOUR, and for a thin crescent the outline of the bright limb.
std::vector<PhaseLine> moonPhaseLines(double illuminatedFraction, double limbZenithAngle,
                                      Rgb background);

}  // namespace app
