// Reduction of angles into a full turn.
#pragma once

namespace astro {

// The angle `degrees` reduced into [0, 360) for every finite value, negative ones included
// (-10 gives 350, 720 gives 0), by truncation toward zero.
double normalizeDegrees(double degrees);

}  // namespace astro
