// Where a function of time crosses a level: found on a grid of samples, refined between
// them. Times are in whatever unit and on whatever origin the caller chooses (the day's
// events use seconds after 00:00 JST).
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace astro {

// A function of time.
using TimeFunction = std::function<double(double)>;

// One passage through a level: its instant and whether the function comes from below
// (rising) or from above.
struct LevelCrossing {
    double time;
    bool rising;
};

// The instant in [a, b], to within `tolerance`, at which `f` - `level` changes sign,
// given its values `fa` and `fb` at the ends (already minus `level`), of opposite signs.
// Regula falsi with the Illinois halving, each step kept at least half the tolerance inside
// the bracket, so that the bracket always narrows.
double refineCrossing(const TimeFunction& f, double level, double a, double fa, double b, double fb,
                      double tolerance);

// The highest (or, with `maximum` false, the lowest) point of `f` on [a, b], where `f` has a
// single extremum: golden-section search to within `tolerance`. Returns the best
// instant met and the value there.
struct Extremum {
    double time;
    double value;
};
Extremum refineExtremum(const TimeFunction& f, double a, double b, bool maximum, double tolerance);

// A function sampled at the evenly spaced instants `firstTime` + k `step`, k = 0 to
// `values.size()` - 1, with its values there. It must have at most one extremum in any three
// consecutive samples' span. Turns of the function are refined to within `turnTolerance`.
class SampledCurve {
  public:
    SampledCurve(TimeFunction f, double firstTime, double step, std::vector<double> values,
                 double turnTolerance);

    // Every crossing of `level` between the first and the last sample, in time order, each
    // to within `tolerance`. "Above" includes the level itself. Between two samples on
    // opposite sides the function crosses once (it cannot turn twice in one step). Two
    // samples on the same side hide a crossing pair only where the function turns between
    // them: a sample beyond both its neighbours (higher for a maximum, lower for a minimum)
    // with all three on the same side of the level marks a turn, whose extremum is then
    // refined (once for all levels) and counted as a crossing pair only when it lies on the
    // other side of the level. A turn that only touches the level is no crossing.
    std::vector<LevelCrossing> crossings(double level, double tolerance);

  private:
    double timeAt(std::size_t index) const;
    // The refined extremum of the turn at sample `index`.
    const Extremum& turnAt(std::size_t index, bool maximum);

    TimeFunction f_;
    double firstTime_;
    double step_;
    std::vector<double> values_;
    double turnTolerance_;
    std::vector<std::optional<Extremum>> turns_;
};

}  // namespace astro
