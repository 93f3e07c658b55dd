#include "series.h"

#include <cmath>

#include "constants.h"

namespace astro {

double cosineTerm(const PeriodicTerm& term, double julianCenturies) {
    return term.amplitude *
           std::cos((term.phase_deg + term.rate_deg_per_century * julianCenturies) * DEG);
}

double cosineTermTimesT(const PeriodicTerm& term, double julianCenturies) {
    return (term.amplitude * julianCenturies) *
           std::cos((term.phase_deg + term.rate_deg_per_century * julianCenturies) * DEG);
}

}  // namespace astro
