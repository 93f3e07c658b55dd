#include "app/start_file_io.h"

// Implementation pending.
