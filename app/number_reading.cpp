#include "number_reading.h"

// Implementation pending.
