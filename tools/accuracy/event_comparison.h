// The program's day events against a reference's: pairing, and the statistics per kind.
#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include "astro/day_events.h"
#include "event_reference.h"

namespace accuracy {

inline constexpr std::size_t EVENT_KIND_COUNT = 12;

// A name of each kind for the tables and the CSV file.
const char* eventKindName(astro::DayEventKind kind);

// Two events of the same kind, one from each side, taken for the same event.
struct EventPair {
    astro::DayEventKind kind;
    double programJd;
    double referenceJd;
};

// The pairs, and the events of the day that only one side has.
struct EventMatching {
    std::vector<EventPair> pairs;
    std::vector<ReferenceEvent> programOnly;
    std::vector<ReferenceEvent> referenceOnly;
};

// Pairs events of the same kind less than an hour apart, the closest first. Both lists may
// reach into the days before and after, so that an event on one side of midnight pairs with
// its twin on the other; only pairs whose program event, and unpaired events, that lie in
// [dayStartJd, dayEndJd) are returned.
EventMatching matchEvents(const std::vector<ReferenceEvent>& program,
                          const std::vector<ReferenceEvent>& reference, double dayStartJd,
                          double dayEndJd);

// Magnitudes of the differences and the counts, per kind.
class EventTally {
  public:
    // A pair's time difference (program minus reference, seconds) and what it amounts to in
    // altitude (arcminutes; not a number for transits).
    void addPair(astro::DayEventKind kind, double difference_s, double altitude_arcmin);
    // An event only one side found, grazing or not.
    void addProgramOnly(astro::DayEventKind kind, bool grazing);
    void addReferenceOnly(astro::DayEventKind kind, bool grazing);

    // Prints the Markdown table: pairs, largest, 95 % and median in seconds, the largest as
    // altitude, and the one-sided counts named by `programSide` and `referenceSide`.
    void print(const char* programSide, const char* referenceSide) const;

  private:
    struct Counts {
        std::vector<double> seconds;
        double largestAltitude_arcmin = 0.0;
        int programOnly = 0;
        int referenceOnly = 0;
        int grazingOneSided = 0;
    };
    Counts& countsOf(astro::DayEventKind kind);
    std::array<Counts, EVENT_KIND_COUNT> counts_{};
};

// Largest, 95th percentile and median of the magnitudes of `values`.
struct Spread {
    double largest;
    double percentile95;
    double median;
};
Spread spreadOf(std::vector<double> values);

}  // namespace accuracy
