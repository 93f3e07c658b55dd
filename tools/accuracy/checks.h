// Checks run before any statistics: the reference reproduces published figures, its
// conventions match the program's, and the program agrees with it at a few instants.
#pragma once

namespace accuracy {

// Runs every check, printing one line for each to stderr. Returns true when all pass.
bool runChecks();

}  // namespace accuracy
