#include "event_comparison.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace accuracy {

namespace {

using astro::DayEventKind;

// Events of one kind further apart than this are different events (days).
constexpr double PAIRING_LIMIT_DAYS = 1.0 / 24.0;

// The order of the rows.
constexpr std::array<DayEventKind, EVENT_KIND_COUNT> ROW_ORDER = {
    DayEventKind::SunRise,      DayEventKind::SunSet,           DayEventKind::SunTransit,
    DayEventKind::CivilDawn,    DayEventKind::CivilDusk,        DayEventKind::NauticalDawn,
    DayEventKind::NauticalDusk, DayEventKind::AstronomicalDawn, DayEventKind::AstronomicalDusk,
    DayEventKind::MoonRise,     DayEventKind::MoonSet,          DayEventKind::MoonTransit,
};

double percentileOfSorted(const std::vector<double>& sorted, double p) {
    const auto rank = static_cast<std::size_t>(std::ceil(p * static_cast<double>(sorted.size())));
    return sorted[rank == 0 ? 0 : rank - 1];
}

bool within(double jd, double from, double to) {
    return jd >= from && jd < to;
}

}  // namespace

const char* eventKindName(DayEventKind kind) {
    switch (kind) {
        case DayEventKind::SunRise:
            return "Sunrise";
        case DayEventKind::SunTransit:
            return "Sun's transit";
        case DayEventKind::SunSet:
            return "Sunset";
        case DayEventKind::MoonRise:
            return "Moonrise";
        case DayEventKind::MoonTransit:
            return "Moon's transit";
        case DayEventKind::MoonSet:
            return "Moonset";
        case DayEventKind::CivilDawn:
            return "Civil dawn";
        case DayEventKind::CivilDusk:
            return "Civil dusk";
        case DayEventKind::NauticalDawn:
            return "Nautical dawn";
        case DayEventKind::NauticalDusk:
            return "Nautical dusk";
        case DayEventKind::AstronomicalDawn:
            return "Astronomical dawn";
        case DayEventKind::AstronomicalDusk:
            return "Astronomical dusk";
    }
    return "?";
}

EventMatching matchEvents(const std::vector<ReferenceEvent>& program,
                          const std::vector<ReferenceEvent>& reference, double dayStartJd,
                          double dayEndJd) {
    struct Candidate {
        double gap;
        std::size_t p;
        std::size_t r;
    };
    std::vector<Candidate> candidates;
    for (std::size_t p = 0; p < program.size(); ++p) {
        for (std::size_t r = 0; r < reference.size(); ++r) {
            const double gap = std::abs(program[p].julianDay - reference[r].julianDay);
            if (program[p].kind == reference[r].kind && gap < PAIRING_LIMIT_DAYS) {
                candidates.push_back({gap, p, r});
            }
        }
    }
    std::sort(candidates.begin(), candidates.end(),
              [](const Candidate& a, const Candidate& b) { return a.gap < b.gap; });
    std::vector<bool> programPaired(program.size(), false);
    std::vector<bool> referencePaired(reference.size(), false);
    EventMatching m;
    for (const Candidate& c : candidates) {
        if (programPaired[c.p] || referencePaired[c.r]) continue;
        programPaired[c.p] = true;
        referencePaired[c.r] = true;
        if (within(program[c.p].julianDay, dayStartJd, dayEndJd)) {
            m.pairs.push_back(
                {program[c.p].kind, program[c.p].julianDay, reference[c.r].julianDay});
        }
    }
    for (std::size_t p = 0; p < program.size(); ++p) {
        if (!programPaired[p] && within(program[p].julianDay, dayStartJd, dayEndJd)) {
            m.programOnly.push_back(program[p]);
        }
    }
    for (std::size_t r = 0; r < reference.size(); ++r) {
        if (!referencePaired[r] && within(reference[r].julianDay, dayStartJd, dayEndJd)) {
            m.referenceOnly.push_back(reference[r]);
        }
    }
    return m;
}

EventTally::Counts& EventTally::countsOf(DayEventKind kind) {
    return counts_[static_cast<std::size_t>(kind)];
}

void EventTally::addPair(DayEventKind kind, double difference_s, double altitude_arcmin) {
    Counts& c = countsOf(kind);
    c.seconds.push_back(difference_s);
    if (!std::isnan(altitude_arcmin)) {
        c.largestAltitude_arcmin = std::fmax(c.largestAltitude_arcmin, std::abs(altitude_arcmin));
    }
}

void EventTally::addProgramOnly(DayEventKind kind, bool grazing) {
    Counts& c = countsOf(kind);
    (grazing ? c.grazingOneSided : c.programOnly) += 1;
}

void EventTally::addReferenceOnly(DayEventKind kind, bool grazing) {
    Counts& c = countsOf(kind);
    (grazing ? c.grazingOneSided : c.referenceOnly) += 1;
}

void EventTally::print(const char* programSide, const char* referenceSide) const {
    std::printf(
        "| Event | pairs | largest (s) | 95 %% (s) | median (s) | largest as altitude (′) | "
        "only %s | only %s | grazing, one side |\n",
        programSide, referenceSide);
    std::printf("| --- | ---: | ---: | ---: | ---: | ---: | ---: | ---: | ---: |\n");
    for (DayEventKind kind : ROW_ORDER) {
        const Counts& c = counts_[static_cast<std::size_t>(kind)];
        std::printf("| %s | %zu |", eventKindName(kind), c.seconds.size());
        if (c.seconds.empty()) {
            std::printf(" – | – | – |");
        } else {
            const Spread s = spreadOf(c.seconds);
            std::printf(" %.1f | %.1f | %.1f |", s.largest, s.percentile95, s.median);
        }
        if (isTransit(kind)) {
            std::printf(" – |");
        } else {
            std::printf(" %.2f |", c.largestAltitude_arcmin);
        }
        std::printf(" %d | %d | %d |\n", c.programOnly, c.referenceOnly, c.grazingOneSided);
    }
}

Spread spreadOf(std::vector<double> values) {
    if (values.empty()) return {NAN, NAN, NAN};
    for (double& v : values) v = std::abs(v);
    std::sort(values.begin(), values.end());
    return {values.back(), percentileOfSorted(values, 0.95), percentileOfSorted(values, 0.5)};
}

}  // namespace accuracy
