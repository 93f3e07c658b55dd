#include "crossings.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace astro {

namespace {

// The golden ratio's conjugate, (sqrt(5) - 1) / 2: the fraction of the bracket kept at each
// step of a golden-section search.
constexpr double GOLDEN_FRACTION = 0.6180339887498949;

// Enough steps to narrow any bracket of a double to its last bits.
constexpr int MAX_REFINEMENT_STEPS = 200;

// True when `value` counts as above the level (the level itself included).
bool above(double value) {
    return !(value < 0);
}

}  // namespace

double refineCrossing(const TimeFunction& f, double level, double a, double fa, double b, double fb,
                      double tolerance) {
    if (fa == 0) return a;
    if (fb == 0) return b;
    const double margin = tolerance / 2;
    int lastMoved = 0;  // -1 when a moved last, +1 when b did
    for (int i = 0; i < MAX_REFINEMENT_STEPS && b - a > tolerance; ++i) {
        double c = b - fb * (b - a) / (fb - fa);
        c = std::clamp(c, a + margin, b - margin);
        const double fc = f(c) - level;
        if (fc == 0) return c;
        if (above(fc) == above(fa)) {
            a = c;
            fa = fc;
            if (lastMoved == -1) fb = fb / 2;
            lastMoved = -1;
        } else {
            b = c;
            fb = fc;
            if (lastMoved == 1) fa = fa / 2;
            lastMoved = 1;
        }
    }
    return (a + b) / 2;
}

Extremum refineExtremum(const TimeFunction& f, double a, double b, bool maximum, double tolerance) {
    const double sign = maximum ? 1.0 : -1.0;
    double x1 = b - GOLDEN_FRACTION * (b - a);
    double x2 = a + GOLDEN_FRACTION * (b - a);
    double f1 = sign * f(x1);
    double f2 = sign * f(x2);
    for (int i = 0; i < MAX_REFINEMENT_STEPS && b - a > tolerance; ++i) {
        if (f1 >= f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - GOLDEN_FRACTION * (b - a);
            f1 = sign * f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + GOLDEN_FRACTION * (b - a);
            f2 = sign * f(x2);
        }
    }
    return f1 >= f2 ? Extremum{x1, sign * f1} : Extremum{x2, sign * f2};
}

SampledCurve::SampledCurve(TimeFunction f, double firstTime, double step,
                           std::vector<double> values, double turnTolerance)
    : f_(std::move(f)),
      firstTime_(firstTime),
      step_(step),
      values_(std::move(values)),
      turnTolerance_(turnTolerance),
      turns_(values_.size()) {}

double SampledCurve::timeAt(std::size_t index) const {
    return firstTime_ + static_cast<double>(index) * step_;
}

const Extremum& SampledCurve::turnAt(std::size_t index, bool maximum) {
    std::optional<Extremum>& turn = turns_[index];
    if (!turn) {
        turn = refineExtremum(f_, timeAt(index - 1), timeAt(index + 1), maximum, turnTolerance_);
    }
    return *turn;
}

std::vector<LevelCrossing> SampledCurve::crossings(double level, double tolerance) {
    std::vector<LevelCrossing> found;
    const std::size_t n = values_.size();
    for (std::size_t k = 0; k + 1 < n; ++k) {
        const double fa = values_[k] - level;
        const double fb = values_[k + 1] - level;
        if (above(fa) != above(fb)) {
            found.push_back({refineCrossing(f_, level, timeAt(k), fa, timeAt(k + 1), fb, tolerance),
                             !above(fa)});
        }
    }
    for (std::size_t j = 1; j + 1 < n; ++j) {
        const double before = values_[j - 1] - level;
        const double at = values_[j] - level;
        const double after = values_[j + 1] - level;
        const bool maximum = values_[j] > values_[j - 1] && values_[j] >= values_[j + 1];
        const bool minimum = values_[j] < values_[j - 1] && values_[j] <= values_[j + 1];
        // A maximum below the level, or a minimum above it, may hide a crossing pair.
        if (!((maximum && !above(at) && !above(before) && !above(after)) ||
              (minimum && above(at) && above(before) && above(after)))) {
            continue;
        }
        const Extremum& turn = turnAt(j, maximum);
        const double extreme = turn.value - level;
        if (maximum ? !(extreme > 0) : !(extreme < 0)) continue;
        found.push_back(
            {refineCrossing(f_, level, timeAt(j - 1), before, turn.time, extreme, tolerance),
             maximum});
        found.push_back(
            {refineCrossing(f_, level, turn.time, extreme, timeAt(j + 1), after, tolerance),
             !maximum});
    }
    std::sort(found.begin(), found.end(),
              [](const LevelCrossing& x, const LevelCrossing& y) { return x.time < y.time; });
    return found;
}

}  // namespace astro
