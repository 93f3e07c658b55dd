// One row of a periodic series: amplitude x cos((phase + rate T) DEG), phase in degrees and
// rate in degrees per Julian century.
#pragma once

namespace astro {

struct PeriodicTerm {
    double amplitude;
    double phase_deg;
    double rate_deg_per_century;
};

// amplitude x cos((phase + rate x T) x DEG).
double cosineTerm(const PeriodicTerm& term, double julianCenturies);

// (amplitude x T) x cos((phase + rate x T) x DEG), a term whose amplitude grows with T.
double cosineTermTimesT(const PeriodicTerm& term, double julianCenturies);

}  // namespace astro
