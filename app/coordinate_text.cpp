#include "coordinate_text.h"

// Implementation pending.
