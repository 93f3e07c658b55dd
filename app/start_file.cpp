#include "start_file.h"

// Implementation pending.
