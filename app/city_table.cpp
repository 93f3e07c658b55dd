#include "city_table.h"

// Implementation pending.
