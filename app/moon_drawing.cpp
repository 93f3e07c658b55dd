#include "moon_drawing.h"

// Implementation pending.
