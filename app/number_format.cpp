#include "number_format.h"

// Implementation pending.
