#include "app/core/moon_drawing.h"

#include <cmath>
#include <optional>
#include <utility>

namespace app {

namespace {

constexpr double R = DISC_RADIUS_TWIPS;

// The drawing turns degrees into radians with its own rounded half-turn, 3.14159, not with
// the full-precision value.
constexpr double DRAWING_HALF_TURN_RADIANS = 3.14159;
constexpr double HALF_TURN_DEGREES = 180;
constexpr double FULL_TURN_DEGREES = 360;
constexpr double QUARTER_TURN_DEGREES = 90;
constexpr double THREE_QUARTER_TURN_DEGREES = 270;

// Scan lines of the half-disc and of the terminator fill are this far apart, twips.
constexpr double SCAN_STEP_TWIPS = 2;
// Each segment of the outline advances this far along its stepping axis, twips.
constexpr double OUTLINE_STEP_TWIPS = 1;

// The terminator cuts a crescent out of the half-disc below this fraction and adds a gibbous
// part above it.
constexpr double HALF_LIT = 0.5;
// A terminator whose semi-axis across the line of cusps is narrower than this (twips) is drawn
// as none: it is far too thin to see, and its det is lost in rounding.
constexpr double THINNEST_TERMINATOR_TWIPS = 0.01;
// The outline is drawn only for fractions strictly between these two.
constexpr double THIN_CRESCENT_ABOVE = 0.005;
constexpr double THIN_CRESCENT_BELOW = 0.1;

// A point in the disc's frame: twips from the centre, x to the right, y upward.
struct DiscPoint {
    double x;
    double y;
};

// Everything the drawing derives once from k and a.
struct PhaseGeometry {
    double c;  // cosine of the direction of the line of cusps
    double s;  // sine of that direction
    double b;  // signed semi-axis of the terminator across the line of cusps, twips
    double A;  // terminator ellipse A x^2 + 2 B x y + C y^2 = F, in the disc frame
    double B;
    double C;
    double F;
    double ytop;                  // highest point of the terminator, twips, 0 or more
    std::optional<double> slope;  // slope of the line of cusps, when it is not upright
};

// The quarter of the turn the bright limb's angle lies in: First for [0, 90), Second for
// [90, 180), Third for [180, 270), Fourth for [270, 360) degrees.
enum class Quarter { First, Second, Third, Fourth };

// Given the limb angle in degrees, [0, 360]; returns it with 360 and anything above (only
// ever a rounding hair) brought to 0. 360 is what a difference a hair below 0 rounds to; it
// names the same direction as 0 and is drawn as 0, so that it falls in the first quarter
// instead of in none.
double limbAngleInTurn(double limbZenithAngle_deg) {
    return limbZenithAngle_deg >= FULL_TURN_DEGREES ? 0.0 : limbZenithAngle_deg;
}

// Given the limb angle in degrees, [0, 360); returns its quarter, or nothing for an angle
// outside the turn.
std::optional<Quarter> quarterOf(double limbZenithAngle_deg) {
    if (!(limbZenithAngle_deg >= 0)) return std::nullopt;
    if (limbZenithAngle_deg < QUARTER_TURN_DEGREES) return Quarter::First;
    if (limbZenithAngle_deg < HALF_TURN_DEGREES) return Quarter::Second;
    if (limbZenithAngle_deg < THREE_QUARTER_TURN_DEGREES) return Quarter::Third;
    if (limbZenithAngle_deg < FULL_TURN_DEGREES) return Quarter::Fourth;
    return std::nullopt;
}

// Given the limb angle in degrees; returns theta in radians with the drawing's half-turn.
double drawingRadians(double limbZenithAngle_deg) {
    return limbZenithAngle_deg * DRAWING_HALF_TURN_RADIANS / HALF_TURN_DEGREES;
}

// Given k (0 to 1); returns b = r (1 - 2k), twips: r at k = 0, 0 at 0.5, -r at 1.
double terminatorSemiAxis(double illuminatedFraction) {
    return R * (1 - 2 * illuminatedFraction);
}

// A = (r s)^2 + (b c)^2, twips squared.
double coefficientA(double c, double s, double b) {
    return (R * s) * (R * s) + (b * c) * (b * c);
}

// B = (c s)(b^2 - r^2), twips squared.
double coefficientB(double c, double s, double b) {
    return (c * s) * (b * b - R * R);
}

// C = (r c)^2 + (b s)^2, twips squared.
double coefficientC(double c, double s, double b) {
    return (R * c) * (R * c) + (b * s) * (b * s);
}

// F = r^2 b^2, twips to the fourth.
double coefficientF(double b) {
    return R * R * (b * b);
}

// det = B^2 - A C, twips to the fourth; exactly -r^2 b^2, but near b = 0 the two terms
// cancel and what is left is rounding of either sign.
double terminatorDeterminant(double A, double B, double C) {
    return B * B - A * C;
}

// Given b, twips; returns whether the terminator is too thin to draw. Within about 5e-6 of
// k = 0.5 the two terms of det cancel so far that what is left is mostly rounding: taken at
// face value it can put ytop far above the terminator's true top, and the fill would then
// scatter dots along the line of cusps outside the disc.
bool isTerminatorTooThin(double b) {
    return std::abs(b) < THINNEST_TERMINATOR_TWIPS;
}

// Given A, F and det; returns the highest point of the terminator, twips, 0 or more:
// sqrt(-F A / det). Where det is 0, or where rounding near k = 0.5 gave det the sign that
// makes the quotient negative, the terminator has no height worth drawing and this is 0.
double terminatorTop(double A, double F, double det) {
    if (det == 0) return 0.0;
    const double quotient = -F * A / det;
    return quotient > 0 ? std::sqrt(quotient) : 0.0;
}

// Given c and s; returns the slope of the line of cusps through (r c, r s) and (-r c, -r s),
// or nothing when that line is upright.
std::optional<double> cuspLineSlope(double c, double s) {
    const double run = R * c - (-R * c);
    if (run == 0) return std::nullopt;
    return (R * s - (-R * s)) / run;
}

// Given a height y in [-r, r], twips; returns X(y) = sqrt(r^2 - y^2), the disc's half-width
// there, twips.
double discHalfWidth(double y) {
    return std::sqrt(R * R - y * y);
}

// Given an abscissa x in [-r, r], twips; returns Y(x) = sqrt(r^2 - x^2), the disc's
// half-height there, twips.
double discHalfHeight(double x) {
    return std::sqrt(R * R - x * x);
}

// Given the line of cusps' slope and a height y, twips; returns the abscissa of the line of
// cusps at that height, twips. An upright line lies on x = 0. A level line (a = 0) is only
// ever asked for at the centre's height, where it passes through x = 0 as well.
double cuspLineX(const std::optional<double>& slope, double y) {
    if (!slope || *slope == 0) return 0.0;
    return y / *slope;
}

// Given k and a in [0, 360); returns the values the drawing derives from them.
PhaseGeometry phaseGeometry(double illuminatedFraction, double limbZenithAngle_deg) {
    PhaseGeometry g{};
    const double theta = drawingRadians(limbZenithAngle_deg);
    g.c = std::cos(theta);
    g.s = std::sin(theta);
    g.b = terminatorSemiAxis(illuminatedFraction);
    g.A = coefficientA(g.c, g.s, g.b);
    g.B = coefficientB(g.c, g.s, g.b);
    g.C = coefficientC(g.c, g.s, g.b);
    g.F = coefficientF(g.b);
    g.ytop = isTerminatorTooThin(g.b)
                 ? 0.0
                 : terminatorTop(g.A, g.F, terminatorDeterminant(g.A, g.B, g.C));
    g.slope = cuspLineSlope(g.c, g.s);
    return g;
}

// Given two disc-frame points and a colour; returns the window line between them.
PhaseLine windowLine(DiscPoint from, DiscPoint to, Rgb colour) {
    return PhaseLine{static_cast<float>(DISC_CENTRE_X_TWIPS + from.x),
                     static_cast<float>(DISC_CENTRE_Y_TWIPS - from.y),
                     static_cast<float>(DISC_CENTRE_X_TWIPS + to.x),
                     static_cast<float>(DISC_CENTRE_Y_TWIPS - to.y), colour};
}

// ---- Lit half-disc --------------------------------------------------------------------

// How one scan line of the half-disc runs: across the whole disc, or from the left or the
// right rim to the line of cusps.
enum class Chord { Full, LeftRimToCusps, RightRimToCusps };

// The scan lines of one quarter: heights from `yFrom` down to `yTo` (twips), and the chord
// drawn when y >= `threshold` and otherwise.
struct HalfDiscScan {
    double yFrom;
    double yTo;
    double threshold;
    Chord whenAtOrAbove;
    Chord whenBelow;
};

// Given the limb angle's quarter and s; returns how the half-disc is scanned in it. Between
// the cusps' heights the lit part ends at the line of cusps; beyond them it spans the disc.
HalfDiscScan halfDiscScan(Quarter quarter, double s) {
    const double rs = R * s;
    switch (quarter) {
        case Quarter::First:
            return {R, -rs, rs, Chord::Full, Chord::LeftRimToCusps};
        case Quarter::Second:
            return {rs, -R, -rs, Chord::LeftRimToCusps, Chord::Full};
        case Quarter::Third:
            return {-rs, -R, rs, Chord::RightRimToCusps, Chord::Full};
        case Quarter::Fourth:
            break;
    }
    return {R, rs, -rs, Chord::Full, Chord::RightRimToCusps};
}

// Given the chord's kind, the line of cusps' slope and a height y in [-r, r] (twips);
// returns the chord's line in MOON_COLOUR.
PhaseLine halfDiscChord(Chord chord, const std::optional<double>& slope, double y) {
    const double halfWidth = discHalfWidth(y);
    switch (chord) {
        case Chord::Full:
            return windowLine({-halfWidth, y}, {halfWidth, y}, MOON_COLOUR);
        case Chord::LeftRimToCusps:
            return windowLine({-halfWidth, y}, {cuspLineX(slope, y), y}, MOON_COLOUR);
        case Chord::RightRimToCusps:
            break;
    }
    return windowLine({halfWidth, y}, {cuspLineX(slope, y), y}, MOON_COLOUR);
}

// Appends the lit half-disc for a quarter: one horizontal chord every 2 twips of height,
// from the top of the lit half down to its bottom.
void appendHalfDisc(const PhaseGeometry& g, Quarter quarter, std::vector<PhaseLine>& lines) {
    const HalfDiscScan scan = halfDiscScan(quarter, g.s);
    for (double y = scan.yFrom; y >= scan.yTo; y -= SCAN_STEP_TWIPS) {
        const Chord chord = y >= scan.threshold ? scan.whenAtOrAbove : scan.whenBelow;
        lines.push_back(halfDiscChord(chord, g.slope, y));
    }
}

// ---- Terminator fill ------------------------------------------------------------------

// Given the terminator and a height y (twips); returns disc = (B y)^2 - A (C y y - F), the
// discriminant of the ellipse's equation solved for x at that height.
double terminatorDiscriminant(const PhaseGeometry& g, double y) {
    return (g.B * y) * (g.B * y) - g.A * (g.C * y * y - g.F);
}

// Appends the fill of the terminator ellipse, one horizontal chord every 2 twips from ytop
// down to -ytop, skipping heights where the ellipse has no chord. Needs A != 0.
void appendTerminatorFill(const PhaseGeometry& g, Rgb colour, std::vector<PhaseLine>& lines) {
    for (double y = g.ytop; y >= -g.ytop; y -= SCAN_STEP_TWIPS) {
        const double disc = terminatorDiscriminant(g, y);
        if (disc < 0) continue;
        const double x1 = (-g.B * y + std::sqrt(disc)) / g.A;
        const double x2 = (-g.B * y - std::sqrt(disc)) / g.A;
        lines.push_back(windowLine({x2, y}, {x1, y}, colour));
    }
}

// ---- Bright-limb outline --------------------------------------------------------------
//
// The lit half of the rim runs counterclockwise (in the disc frame) from the cusp
// P = (r c, r s) to the cusp Q = (-r c, -r s), through the point (-r s, r c). It is traced
// in two runs that meet at a junction J, the mirror image of P in one of the axes, so that
// each run stays on one of the four arcs of the rim and can step along the axis in which that
// arc is a function:
//
//   direction (c, s) in        first run            J              second run
//   c > 0, s >= 0  (a ~ 0-90)    upper arc, x falls   (-r c,  r s)   left arc, y falls
//   c <= 0, s > 0  (a ~ 90-180)  left arc, y falls    ( r c, -r s)   lower arc, x rises
//   c < 0, s <= 0  (a ~ 180-270) lower arc, x rises   (-r c,  r s)   right arc, y rises
//   c >= 0, s < 0  (a ~ 270-360) right arc, y rises   ( r c, -r s)   upper arc, x falls
//
// The quarter is read from the signs of c and s rather than from a: the two agree except
// within about 0.0002 degrees above 90, 180 and 270, where the rounded half-turn leaves theta
// just short of the quarter, and there the signs keep J on the lit half. A run starts exactly at
// its first end point, steps 1 twip at a time along its axis from there, and finishes with a
// last, shorter step exactly onto its other end point; no point of it lies beyond its ends,
// so the outline starts at P, the second run starts where the first ends, and it ends at Q.

// One of the four arcs of the rim, and the axis it is stepped along.
enum class Arc { Upper, Lower, Left, Right };

// A run of the outline: along `arc` from `from` to `to`, both on that arc.
struct OutlineRun {
    Arc arc;
    DiscPoint from;
    DiscPoint to;
};

// Given an arc and a point on it; returns the coordinate the arc is stepped in, twips: x for
// the upper and lower arcs, y for the left and right ones.
double stepCoordinate(Arc arc, DiscPoint p) {
    return arc == Arc::Upper || arc == Arc::Lower ? p.x : p.y;
}

// Given an arc and the stepped coordinate u in [-r, r] (twips); returns the rim's point on
// that arc there.
DiscPoint rimPoint(Arc arc, double u) {
    switch (arc) {
        case Arc::Upper:
            return {u, discHalfHeight(u)};
        case Arc::Lower:
            return {u, -discHalfHeight(u)};
        case Arc::Left:
            return {-discHalfWidth(u), u};
        case Arc::Right:
            break;
    }
    return {discHalfWidth(u), u};
}

// Given c and s; returns the two runs from the cusp (r c, r s) to the cusp (-r c, -r s)
// along the lit half of the rim, as in the table above.
std::pair<OutlineRun, OutlineRun> outlineRuns(double c, double s) {
    const DiscPoint firstCusp{R * c, R * s};
    const DiscPoint secondCusp{-R * c, -R * s};
    if (c > 0 && s >= 0) {
        const DiscPoint junction{-R * c, R * s};
        return {{Arc::Upper, firstCusp, junction}, {Arc::Left, junction, secondCusp}};
    }
    if (c <= 0 && s > 0) {
        const DiscPoint junction{R * c, -R * s};
        return {{Arc::Left, firstCusp, junction}, {Arc::Lower, junction, secondCusp}};
    }
    if (c < 0 && s <= 0) {
        const DiscPoint junction{-R * c, R * s};
        return {{Arc::Lower, firstCusp, junction}, {Arc::Right, junction, secondCusp}};
    }
    const DiscPoint junction{R * c, -R * s};
    return {{Arc::Right, firstCusp, junction}, {Arc::Upper, junction, secondCusp}};
}

// Appends one run as segments in MOON_COLOUR: from its start, 1 twip at a time along its
// stepped coordinate, and a last step onto its end. A run whose ends coincide draws nothing.
void appendRun(const OutlineRun& run, std::vector<PhaseLine>& lines) {
    const double uFrom = stepCoordinate(run.arc, run.from);
    const double uTo = stepCoordinate(run.arc, run.to);
    const double step = uTo >= uFrom ? OUTLINE_STEP_TWIPS : -OUTLINE_STEP_TWIPS;
    DiscPoint previous = run.from;
    // Strictly short of the end: the end point itself comes exactly from the run.
    for (double u = uFrom + step; (uTo - u) * step > 0; u += step) {
        const DiscPoint next = rimPoint(run.arc, u);
        lines.push_back(windowLine(previous, next, MOON_COLOUR));
        previous = next;
    }
    if (previous.x != run.to.x || previous.y != run.to.y) {
        lines.push_back(windowLine(previous, run.to, MOON_COLOUR));
    }
}

// Appends the outline of the lit half of the rim for the direction (c, s).
void appendOutline(double c, double s, std::vector<PhaseLine>& lines) {
    const auto [first, second] = outlineRuns(c, s);
    appendRun(first, lines);
    appendRun(second, lines);
}

// Given k; returns whether the crescent is thin enough to need its outline.
bool isThinCrescent(double illuminatedFraction) {
    return illuminatedFraction > THIN_CRESCENT_ABOVE && illuminatedFraction < THIN_CRESCENT_BELOW;
}

}  // namespace

std::vector<PhaseLine> moonPhaseLines(double illuminatedFraction, double limbZenithAngle,
                                      Rgb background) {
    const double a = limbAngleInTurn(limbZenithAngle);
    const std::optional<Quarter> quarter = quarterOf(a);
    // An angle outside the turn (or not a number) has no direction to draw.
    if (!quarter) return {};
    const PhaseGeometry g = phaseGeometry(illuminatedFraction, a);
    std::vector<PhaseLine> lines;
    appendHalfDisc(g, *quarter, lines);
    if (g.A != 0) {
        appendTerminatorFill(g, illuminatedFraction < HALF_LIT ? background : MOON_COLOUR, lines);
    }
    if (isThinCrescent(illuminatedFraction)) appendOutline(g.c, g.s, lines);
    return lines;
}

std::vector<PhaseLine> brightLimbOutline(double limbZenithAngle) {
    const double a = limbAngleInTurn(limbZenithAngle);
    if (!quarterOf(a)) return {};
    const double theta = drawingRadians(a);
    std::vector<PhaseLine> lines;
    appendOutline(std::cos(theta), std::sin(theta), lines);
    return lines;
}

}  // namespace app
