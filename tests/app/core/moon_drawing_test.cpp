#include "app/core/moon_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace app {
namespace {

constexpr Rgb DAY_BACKGROUND{0, 144, 255};
constexpr double R = DISC_RADIUS_TWIPS;
constexpr double TOLERANCE_TWIPS = 0.01;  // float coordinates near 10000 twips hold ~0.001
constexpr Rgb UNPAINTED{-1, -1, -1};

// A point in the disc's frame (twips from the centre, y upward), with its parts along the
// line of cusps (u, toward the cusp (r c, r s)) and across it toward the bright limb (v).
struct DiscPoint {
    double x;
    double y;
    static double theta(double a) { return a * 3.14159 / 180; }  // the drawing's own half-turn
    double u(double a) const { return x * std::cos(theta(a)) + y * std::sin(theta(a)); }
    double v(double a) const { return -x * std::sin(theta(a)) + y * std::cos(theta(a)); }
    double radius() const { return std::hypot(x, y); }
};
DiscPoint fromWindow(double wx, double wy) {
    return {wx - DISC_CENTRE_X_TWIPS, DISC_CENTRE_Y_TWIPS - wy};
}
bool isHorizontal(const PhaseLine& l) {
    return l.y1 == l.y2;
}
bool sameLine(const PhaseLine& l, const PhaseLine& m) {
    return l.x1 == m.x1 && l.y1 == m.y1 && l.x2 == m.x2 && l.y2 == m.y2 && l.colour == m.colour;
}
bool sameLines(const std::vector<PhaseLine>& p, const std::vector<PhaseLine>& q) {
    return p.size() == q.size() && std::equal(p.begin(), p.end(), q.begin(), sameLine);
}
bool hasOutline(const std::vector<PhaseLine>& lines) {
    return !std::all_of(lines.begin(), lines.end(), isHorizontal);
}

// The window around the disc in square cells, each holding the colour drawn on it last. A
// cell is coarser than the 2-twip scan step, as a pixel is; a horizontal line paints every
// cell it touches, other lines are sampled every quarter twip.
class Raster {
  public:
    static constexpr double CELL = 5, LEFT = 8400, TOP = 6900;
    static constexpr int SIZE = 440;
    explicit Raster(const std::vector<PhaseLine>& lines) : cells_(SIZE * SIZE, UNPAINTED) {
        for (const PhaseLine& l : lines) {
            if (isHorizontal(l)) {
                paintRow(l);
            } else {
                paintSegment(l);
            }
        }
    }
    // Calls f(centre of the cell in the disc frame, its colour) for every cell.
    template <typename F>
    void forEachCell(F f) const {
        for (int row = 0; row < SIZE; ++row)
            for (int col = 0; col < SIZE; ++col)
                f(fromWindow(LEFT + (col + 0.5) * CELL, TOP + (row + 0.5) * CELL),
                  cells_[row * SIZE + col]);
    }
    // The share of the cells centred on the disc that show the Moon's colour.
    double litShare() const {
        int disc = 0, lit = 0;
        forEachCell([&](DiscPoint p, Rgb c) {
            if (p.radius() > R) return;
            ++disc;
            lit += c == MOON_COLOUR;
        });
        return double(lit) / disc;
    }

  private:
    static int cell(double w, double origin) { return int(std::floor((w - origin) / CELL)); }
    void paintRow(const PhaseLine& l) {
        const int row = cell(l.y1, TOP);
        for (int col = cell(std::min(l.x1, l.x2), LEFT); col <= cell(std::max(l.x1, l.x2), LEFT);
             ++col) {
            paint(col, row, l.colour);
        }
    }
    void paintSegment(const PhaseLine& l) {
        const int samples = 1 + int(4 * std::hypot(l.x2 - l.x1, l.y2 - l.y1));
        for (int i = 0; i <= samples; ++i) {
            const double t = double(i) / samples;
            paint(cell(l.x1 + (l.x2 - l.x1) * t, LEFT), cell(l.y1 + (l.y2 - l.y1) * t, TOP),
                  l.colour);
        }
    }
    void paint(int col, int row, Rgb colour) {
        ASSERT_TRUE(col >= 0 && col < SIZE && row >= 0 && row < SIZE);
        cells_[row * SIZE + col] = colour;
    }
    std::vector<Rgb> cells_;
};

// Given a cell centre well inside the disc; returns whether the Moon's phase k at angle a
// lights it: on the bright side of the line of cusps, outside the terminator ellipse (semi-
// axes r along the cusps, |b| across) for a crescent; on the bright side or inside it for a
// gibbous Moon. `sure` is false within `margin` twips of an edge of the regions.
bool expectedLit(DiscPoint p, double k, double a, double margin, bool& sure) {
    const double u = p.u(a), v = p.v(a), b = std::abs(R * (1 - 2 * k));
    const auto ellipse = [&](double grow) {
        return std::pow(u / (R + grow), 2) + std::pow(v / std::max(b + grow, 1e-9), 2);
    };
    const bool inside = b > margin && ellipse(-margin) < 1;
    const bool outside = ellipse(margin) > 1;
    const bool bright = v > margin, dark = v < -margin;
    sure = p.radius() < R - margin && (bright || dark) &&
           (k < 0.5 ? (dark || inside || outside) : (bright || inside || outside));
    return k < 0.5 ? bright && outside : bright || inside;
}

// Checks every line end of a drawing: finite, on the disc, and for k = 0.5 on the lit half.
void expectOnDisc(const std::vector<PhaseLine>& lines, double a, bool litHalfOnly) {
    for (const PhaseLine& l : lines) {
        for (const DiscPoint p : {fromWindow(l.x1, l.y1), fromWindow(l.x2, l.y2)}) {
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "a " << a;
            ASSERT_LE(p.radius(), R + TOLERANCE_TWIPS) << "a " << a << " at " << p.x << ", " << p.y;
            if (litHalfOnly) {
                ASSERT_GE(p.v(a), -TOLERANCE_TWIPS) << "a " << a;
            }
        }
    }
}

// ---- Half Moon ---------------------------------------------------------------------------

TEST(MoonDrawingHalfMoon, ShowsTheLitHalfOnTheSideTheLimbAngleTurnsTo) {
    struct Side {
        double a;
        double dx, dy;  // window direction toward the lit half
    };
    for (const Side side : {Side{0, 0, -1}, Side{90, -1, 0}, Side{180, 0, 1}, Side{270, 1, 0}}) {
        const std::vector<PhaseLine> lines = moonPhaseLines(0.5, side.a, DAY_BACKGROUND);
        expectOnDisc(lines, side.a, true);
        int wrong = 0;
        Raster(lines).forEachCell([&](DiscPoint p, Rgb c) {
            const double toward = p.x * side.dx - p.y * side.dy;  // window offset . direction
            if (p.radius() < R - Raster::CELL && std::abs(toward) > Raster::CELL)
                wrong += (c == MOON_COLOUR) != (toward > 0);
        });
        EXPECT_EQ(wrong, 0) << "a " << side.a;
    }
}

TEST(MoonDrawingHalfMoon, ScansFromTheTopOfTheLitHalfDownToTheLineOfCuspsInclusive) {
    // a = 0: full chords at the heights 1000, 998, ..., 0; then the background fill.
    const std::vector<PhaseLine> lines = moonPhaseLines(0.3, 0, DAY_BACKGROUND);
    ASSERT_GT(lines.size(), 502u);
    for (int n = 0; n <= 500; ++n) {
        const double y = R - 2 * n, halfWidth = std::sqrt(R * R - y * y);
        EXPECT_EQ(lines[n].colour, MOON_COLOUR);
        EXPECT_FLOAT_EQ(lines[n].y1, DISC_CENTRE_Y_TWIPS - y);
        EXPECT_NEAR(lines[n].x2 - lines[n].x1, 2 * halfWidth, TOLERANCE_TWIPS) << n;
    }
    // The fill: b = 400, so heights 400, 398, ..., -400 in the background colour.
    ASSERT_EQ(lines.size(), 501u + 401u);
    for (int n = 0; n <= 400; ++n) {
        EXPECT_EQ(lines[501 + n].colour, DAY_BACKGROUND);
        EXPECT_NEAR(lines[501 + n].y1, DISC_CENTRE_Y_TWIPS - (400 - 2 * n), TOLERANCE_TWIPS);
    }
}

TEST(MoonDrawingHalfMoon, TerminatorOfHalfMoonIsOnePointAtTheCentreOrNothingAtZero) {
    const auto isCentrePoint = [](const PhaseLine& l) {
        return l.x1 == l.x2 && l.x1 == float(DISC_CENTRE_X_TWIPS) && isHorizontal(l) &&
               l.y1 == float(DISC_CENTRE_Y_TWIPS);
    };
    for (const double a : {30.0, 135.0, 200.0, 300.0}) {
        const std::vector<PhaseLine> lines = moonPhaseLines(0.5, a, DAY_BACKGROUND);
        EXPECT_TRUE(isCentrePoint(lines.back())) << a;
        EXPECT_EQ(lines.back().colour, MOON_COLOUR) << a;  // a half counts as gibbous
        EXPECT_EQ(std::count_if(lines.begin(), lines.end(), isCentrePoint), 1) << a;
    }
    const std::vector<PhaseLine> atZero = moonPhaseLines(0.5, 0, DAY_BACKGROUND);  // A = 0
    EXPECT_EQ(atZero.size(), 501u);
    EXPECT_EQ(std::count_if(atZero.begin(), atZero.end(), isCentrePoint), 0);
}

// ---- Other phases ------------------------------------------------------------------------

TEST(MoonDrawingPhases, FullMoonFillsTheDiscAndNewMoonLeavesItInTheBackground) {
    for (double a = 0; a < 360; a += 22.5) {
        int fullWrong = 0, newWrong = 0;
        Raster(moonPhaseLines(1, a, DAY_BACKGROUND)).forEachCell([&](DiscPoint p, Rgb c) {
            if (p.radius() < R - Raster::CELL) fullWrong += !(c == MOON_COLOUR);
            if (p.radius() > R + Raster::CELL) fullWrong += !(c == UNPAINTED);
        });
        // The fill scans heights offset from the half-disc's, so a half-disc line can still
        // touch a cell on the rim that the fill's nearest line just misses: such cells lie
        // outside the disc, and no cell centred on it shows the Moon's colour.
        Raster(moonPhaseLines(0, a, DAY_BACKGROUND)).forEachCell([&](DiscPoint p, Rgb c) {
            if (p.radius() <= R) newWrong += c == MOON_COLOUR;
            if (p.radius() < R - Raster::CELL) newWrong += !(c == DAY_BACKGROUND);
            if (p.radius() > R + Raster::CELL) newWrong += !(c == UNPAINTED);
        });
        EXPECT_EQ(fullWrong, 0) << a;
        EXPECT_EQ(newWrong, 0) << a;
    }
}

TEST(MoonDrawingPhases, CrescentsAndGibbousDiscsFollowTheTerminatorEllipse) {
    for (const double k : {0.02, 0.2, 0.4, 0.6, 0.8, 0.97}) {
        for (const double a : {0.0, 30.0, 90.0, 120.0, 180.0, 250.0, 270.0, 300.0}) {
            int wrong = 0;
            Raster(moonPhaseLines(k, a, DAY_BACKGROUND)).forEachCell([&](DiscPoint p, Rgb c) {
                bool sure = false;
                const bool lit = expectedLit(p, k, a, 2 * Raster::CELL, sure);
                if (sure) wrong += lit != (c == MOON_COLOUR);
            });
            EXPECT_EQ(wrong, 0) << "k " << k << " a " << a;
        }
    }
}

TEST(MoonDrawingPhases, LitShareOfTheDiscFollowsTheIlluminatedFraction) {
    for (const double k : {0.01, 0.1, 0.25, 0.5, 0.6, 0.9, 0.99}) {
        for (const double a : {10.0, 100.0, 190.0, 280.0}) {
            EXPECT_NEAR(Raster(moonPhaseLines(k, a, DAY_BACKGROUND)).litShare(), k, 0.01)
                << "k " << k << " a " << a;
        }
    }
}

// ---- Thin-crescent outline ---------------------------------------------------------------

TEST(MoonDrawingOutline, IsDrawnLastAndOnlyStrictlyBetweenHalfAPercentAndTenPercent) {
    for (const double k : {0.0051, 0.05, 0.0999}) {
        const std::vector<PhaseLine> lines = moonPhaseLines(k, 123, DAY_BACKGROUND);
        const std::vector<PhaseLine> outline = brightLimbOutline(123);
        ASSERT_LT(outline.size(), lines.size());
        const auto tail = lines.end() - outline.size();
        EXPECT_TRUE(std::all_of(lines.begin(), tail, isHorizontal)) << k;
        EXPECT_TRUE(std::equal(outline.begin(), outline.end(), tail, sameLine)) << k;
        EXPECT_EQ(outline.front().colour, MOON_COLOUR);
    }
    for (const double k : {0.0, 0.005, 0.1, 0.3, 0.95}) {
        EXPECT_FALSE(hasOutline(moonPhaseLines(k, 123, DAY_BACKGROUND))) << k;
    }
}

TEST(MoonDrawingOutline, TracesTheLitRimFromCuspToCuspInOneJoinedChain) {
    const double below = 1e-5, above = 1e-6;
    for (const double a :
         {0.0,         1e-9,  30.0,        45.0,  90 - below,  90.0,       90 + above,
          135.0,       179.9, 180 - below, 180.0, 180 + above, 225.0,      269.9,
          270 - below, 270.0, 270 + above, 315.0, 355.6,       360 - below}) {
        const std::vector<PhaseLine> outline = brightLimbOutline(a);
        ASSERT_FALSE(outline.empty()) << a;
        EXPECT_LE(outline.size(), 2900u) << a;
        const DiscPoint first = fromWindow(outline.front().x1, outline.front().y1);
        const DiscPoint last = fromWindow(outline.back().x2, outline.back().y2);
        EXPECT_NEAR(first.u(a), R, TOLERANCE_TWIPS) << a;  // the cusp (r c, r s)
        EXPECT_NEAR(first.v(a), 0, TOLERANCE_TWIPS) << a;
        EXPECT_NEAR(last.u(a), -R, TOLERANCE_TWIPS) << a;  // the cusp (-r c, -r s)
        EXPECT_NEAR(last.v(a), 0, TOLERANCE_TWIPS) << a;
        double previousTurn = 0;  // angle along the lit rim from the first cusp, radians
        for (std::size_t i = 0; i < outline.size(); ++i) {
            const PhaseLine& l = outline[i];
            ASSERT_EQ(l.colour, MOON_COLOUR);
            if (i > 0) {
                ASSERT_TRUE(l.x1 == outline[i - 1].x2 && l.y1 == outline[i - 1].y2) << a << i;
            }
            ASSERT_LE(std::min(std::abs(l.x2 - l.x1), std::abs(l.y2 - l.y1)), 1 + TOLERANCE_TWIPS)
                << a;
            const DiscPoint end = fromWindow(l.x2, l.y2);
            ASSERT_NEAR(end.radius(), R, TOLERANCE_TWIPS) << a << " " << i;
            ASSERT_GE(end.v(a), -TOLERANCE_TWIPS) << a << " " << i;  // never past a cusp
            const double turn = std::atan2(std::max(end.v(a), 0.0), end.u(a));
            ASSERT_GE(turn, previousTurn - 1e-5) << a << " " << i;  // never turning back
            previousTurn = turn;
        }
    }
}

// ---- Exact lines on the quarter boundaries ------------------------------------------------
//
// The drawing turns degrees into radians with its own 3.14159, so at 90, 180 and 270 degrees
// the line of cusps is a hair off the axes (cos 90 degrees comes out 1.33e-6, not 0), and each
// of these angles belongs to the quarter it opens. The expected lines were reckoned once, from
// the drawing's formulas and independently of app/core/moon_drawing.cpp, by
// tests/app/core/moon_drawing_reckoning.py, and are pasted here; they are compared exactly. With
// full-precision pi the number of lines or the first line changes; with a quarter boundary
// counted to the quarter before it, the lines change altogether.

// The lines expected of one drawing: how many half-disc lines and fill lines, and some of
// them by index (half-disc lines counted from the first line drawn, fill lines from the
// first fill line).
struct ExactDrawing {
    double k;
    double a;
    std::size_t halfDiscCount;
    std::size_t fillCount;
    std::vector<std::pair<std::size_t, PhaseLine>> halfDisc;
    std::vector<std::pair<std::size_t, PhaseLine>> fill;
};

void expectExactly(const ExactDrawing& expected) {
    const std::vector<PhaseLine> lines = moonPhaseLines(expected.k, expected.a, DAY_BACKGROUND);
    ASSERT_EQ(lines.size(), expected.halfDiscCount + expected.fillCount);
    const auto expectLine = [&](std::size_t index, const PhaseLine& line) {
        const PhaseLine& drawn = lines[index];
        EXPECT_EQ(drawn.x1, line.x1) << "line " << index;
        EXPECT_EQ(drawn.y1, line.y1) << "line " << index;
        EXPECT_EQ(drawn.x2, line.x2) << "line " << index;
        EXPECT_EQ(drawn.y2, line.y2) << "line " << index;
        EXPECT_EQ(drawn.colour, line.colour) << "line " << index;
    };
    for (const auto& [index, line] : expected.halfDisc) expectLine(index, line);
    for (const auto& [index, line] : expected.fill)
        expectLine(expected.halfDiscCount + index, line);
}

TEST(MoonDrawingExactLines, NinetyDegreesOpensTheSecondQuarter) {
    // The lit half on the left: left rim to the line of cusps, from y = 1000 s (just below
    // 1000) down to -998, 1000 lines; with s = 1 exactly there would be 1001.
    expectExactly(
        {0.25,
         90,
         1000,
         1000,
         {{0, {9499.9990234375f, 7000.0f, 9500.0009765625f, 7000.0f, MOON_COLOUR}},
          {999, {9436.7861328125f, 8998.0f, 9499.9990234375f, 8998.0f, MOON_COLOUR}}},
         {{0, {9500.0009765625f, 7000.0f, 9500.0009765625f, 7000.0f, DAY_BACKGROUND}},
          {500, {9000.0f, 8000.0f, 10000.0f, 8000.0f, DAY_BACKGROUND}},
          {999, {9468.3916015625f, 8998.0f, 9531.6064453125f, 8998.0f, DAY_BACKGROUND}}}});
    expectExactly({0.75,
                   90,
                   1000,
                   1000,
                   {{0, {9499.9990234375f, 7000.0f, 9500.0009765625f, 7000.0f, MOON_COLOUR}},
                    {999, {9436.7861328125f, 8998.0f, 9499.9990234375f, 8998.0f, MOON_COLOUR}}},
                   {{0, {9500.0009765625f, 7000.0f, 9500.0009765625f, 7000.0f, MOON_COLOUR}},
                    {500, {9000.0f, 8000.0f, 10000.0f, 8000.0f, MOON_COLOUR}},
                    {999, {9468.3916015625f, 8998.0f, 9531.6064453125f, 8998.0f, MOON_COLOUR}}}});
}

TEST(MoonDrawingExactLines, OneEightyDegreesOpensTheThirdQuarter) {
    // The lit half below: full chords from y = -1000 s (s = 2.65e-6, so the first line lies a
    // hair below the centre, at window y 8000.0024) down to -998.
    expectExactly(
        {0.25,
         180,
         500,
         500,
         {{0, {8500.0f, 8000.00244140625f, 10500.0f, 8000.00244140625f, MOON_COLOUR}},
          {499, {9436.828125f, 8998.0029296875f, 9563.171875f, 8998.0029296875f, MOON_COLOUR}}},
         {{0, {9410.642578125f, 7502.0f, 9589.349609375f, 7502.0f, DAY_BACKGROUND}},
          {250, {8500.0078125f, 8002.0f, 10499.9921875f, 8002.0f, DAY_BACKGROUND}},
          {499, {9499.9970703125f, 8500.0f, 9500.0107421875f, 8500.0f, DAY_BACKGROUND}}}});
}

TEST(MoonDrawingExactLines, TwoSeventyDegreesOpensTheFourthQuarter) {
    // The lit half on the right: a full chord of zero length at the top, then right rim to
    // the line of cusps down to y = -998 (1000 s is just above -1000), 1000 lines.
    expectExactly({0.25,
                   270,
                   1000,
                   999,
                   {{0, {9500.0f, 7000.0f, 9500.0f, 7000.0f, MOON_COLOUR}},
                    {1, {9563.2138671875f, 7002.0f, 9500.00390625f, 7002.0f, MOON_COLOUR}},
                    {999, {9563.2138671875f, 8998.0f, 9499.99609375f, 8998.0f, MOON_COLOUR}}},
                   {{0, {9468.396484375f, 7002.0f, 9531.6103515625f, 7002.0f, DAY_BACKGROUND}},
                    {499, {9000.0f, 8000.0f, 10000.0f, 8000.0f, DAY_BACKGROUND}},
                    {998, {9468.3896484375f, 8998.0f, 9531.603515625f, 8998.0f, DAY_BACKGROUND}}}});
}

// ---- Limb angle and rounding -------------------------------------------------------------

TEST(MoonDrawingRounding, FullTurnOfTheLimbAngleDrawsLikeZero) {
    for (const double turn : {360.0, std::nextafter(360.0, 361.0)}) {
        for (const double k : {0.05, 0.3, 0.5, 0.9}) {
            const std::vector<PhaseLine> lines = moonPhaseLines(k, turn, DAY_BACKGROUND);
            EXPECT_FALSE(lines.empty());
            EXPECT_TRUE(sameLines(lines, moonPhaseLines(k, 0, DAY_BACKGROUND))) << k;
        }
        EXPECT_TRUE(sameLines(brightLimbOutline(turn), brightLimbOutline(0)));
    }
}

TEST(MoonDrawingRounding, FractionWithinRoundingOfAHalfStillDrawsTheHalfDisc) {
    const double half = 0.5;
    for (const double k :
         {half + 1e-16, half - 1e-16, std::nextafter(half, 1.0), std::nextafter(half, 0.0),
          half + 1e-12, half - 1e-12, half + 1e-9, half - 1e-9, half + 1e-7}) {
        for (double a = 0; a <= 360; a += 2.5)
            expectOnDisc(moonPhaseLines(k, a, DAY_BACKGROUND), a, true);
    }
}

TEST(MoonDrawingRounding, EveryPhaseAndAngleStaysFiniteOnTheDiscWithinTheLineCounts) {
    std::vector<double> fractions{0.005, 0.0051, 0.0999, 0.4999, 0.5 - 5e-6, 0.5 + 5e-6, 0.5001};
    for (int n = 0; n <= 20; ++n) fractions.push_back(n / 20.0);
    std::vector<double> angles{89.99999,  90.000001,  179.99999, 180.000001,
                               269.99999, 270.000001, 359.99999};
    for (int n = 0; n <= 360; n += 3) angles.push_back(n + 0.7 * (n % 2));
    for (const double k : fractions) {
        for (const double a : angles) {
            const std::vector<PhaseLine> lines = moonPhaseLines(k, a, DAY_BACKGROUND);
            expectOnDisc(lines, a, false);
            const std::size_t outline = hasOutline(lines) ? brightLimbOutline(a).size() : 0;
            ASSERT_LE(outline, 2900u) << "k " << k << " a " << a;  // 2000 (|c| + |s|) + 2
            ASSERT_LE(lines.size() - outline, 2002u) << "k " << k << " a " << a;  // 1001 + 1001
        }
    }
}

}  // namespace
}  // namespace app
