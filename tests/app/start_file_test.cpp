#include "app/start_file.h"

#include <gtest/gtest.h>
