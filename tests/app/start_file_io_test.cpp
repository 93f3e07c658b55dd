#include "app/start_file_io.h"

#include <gtest/gtest.h>
